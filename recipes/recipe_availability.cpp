#include "recipes/recipe_availability.h"

namespace recipes {

RecipeCommands Availability(const AvailabilityInputs& s) {
    const bool creating = s.mode == RecipeMode::Create;
    const bool viewing = s.mode == RecipeMode::View;
    const bool modifying = s.mode == RecipeMode::Modify;
    // Modify, Delete, Calculate and Print work on a recipe of the cookbook;
    // creating one starts afresh, so there is none then.
    const bool shown = s.recipeShown && (viewing || modifying);

    RecipeCommands c;
    c.create = !creating;
    c.view = s.mode == RecipeMode::NoCommand || creating;
    c.modify = shown && viewing;
    c.deleteRecipe = shown;
    c.calculate = shown;
    c.print = shown;
    c.printSide = shown && s.nameShown;
    c.save = s.edited;
    c.spellCheck = s.edited || (modifying && s.modifyByButton);
    // A shown recipe can be copied as it stands; once modified, only after an edit.
    c.copyMenu = (viewing && shown) || (modifying && s.edited);
    c.copySide = s.nameShown && ((viewing && shown) || modifying || (s.edited && !creating));
    c.importRecipe = creating;
    c.exportRecipe = viewing || modifying;
    c.rename = viewing && shown;
    c.createMenu = c.create;
    if (s.calculatorOpen) {
        // The "&Create" button stays: it resets the editor, which closes the panel.
        c.createMenu = c.view = c.modify = c.deleteRecipe = c.calculate = false;
        c.print = c.printSide = c.save = c.spellCheck = c.copyMenu = c.copySide = false;
    }
    return c;
}

}  // namespace recipes
