#pragma once

// Which recipe commands the recipe window offers, worked out from its state
// alone, so that every command, button, menu item and side button agrees.
namespace recipes {

enum class RecipeMode { NoCommand, Create, View, Modify };

struct AvailabilityInputs {
    RecipeMode mode = RecipeMode::NoCommand;
    // A recipe of the cookbook is shown (chosen from the list and not reset).
    bool recipeShown = false;
    // The editor holds edits not saved yet.
    bool edited = false;
    // The name box (leading blanks aside) or the recipe list's text line is
    // not empty: there is a recipe name to print or copy under.
    bool nameShown = false;
    // Modify mode was entered with the "&Modify" button, which offers the
    // spelling check at once.
    bool modifyByButton = false;
    // The amount calculator is open: the commands that would replace, store
    // or print the recipe wait until it closes, whatever is edited meanwhile.
    bool calculatorOpen = false;
};

struct RecipeCommands {
    bool create = false;        // "&Create"
    bool createMenu = false;    // "&Create Recipe"
    bool view = false;          // "&View", "&View Recipe"
    bool modify = false;        // "&Modify", "&Modify Recipe"
    bool deleteRecipe = false;  // "&Delete", "&Delete Recipe", side button 3
    bool calculate = false;     // "C&alculate", "C&alculate Amounts"
    bool print = false;         // "&Print" button and menu item
    bool printSide = false;     // side button 5
    bool save = false;          // "&Save" button and menu item
    bool spellCheck = false;    // "S&pelling Check", "Spelling Chec&k"
    bool copyMenu = false;      // Edit > "&Copy"
    bool copySide = false;      // side button 4
    bool importRecipe = false;  // "&Import Recipe"
    bool exportRecipe = false;  // "&Export Recipe"
    bool rename = false;        // "Change Recipe &Name"

    bool operator==(const RecipeCommands&) const = default;
};

RecipeCommands Availability(const AvailabilityInputs& state);

}  // namespace recipes
