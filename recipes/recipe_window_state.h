#pragma once
#include <array>
#include <string>

#include "recipes/recipe_availability.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace recipes {

// What the recipe window knows between events, apart from what its boxes
// show. The window and its panels keep it here, never in their controls'
// captions or enabled states; tests read it. A variable the window's
// documents name keeps its name there (RecipeChanged, SaveInPlaceOnYes).
struct RecipeWindowState {
    // The command the user chose last: Create, View (a recipe of the list, or
    // none yet), or Modify, which works on the recipe viewed.
    RecipeMode mode = RecipeMode::NoCommand;
    bool creating() const { return mode == RecipeMode::Create; }
    bool modifying() const { return mode == RecipeMode::Modify; }
    // Create or Modify: what is typed into the editor is an edit.
    bool editing() const { return creating() || modifying(); }
    // Modify ends (a save, another recipe, a reset): back to viewing.
    void endModify() {
        if (modifying()) mode = RecipeMode::View;
    }

    std::string modeTitle;  // the title over the editor: "View Recipe", "Delete Recipe" and so on
    bool copyOffered = false;     // Copy is among the commands the recipe allows
    bool cookbookMenusOn = true;  // the cookbook choice and titles can be chosen from the menu

    // --- the recipe in the editor
    bool RecipeChanged = false;        // the editor holds unsaved edits
    bool AmountsRecalculated = false;  // the amount calculator rewrote the amounts
    bool unsavedEdits() const { return RecipeChanged || AmountsRecalculated; }
    bool recipeShown = false;                                 // a recipe of the cookbook is shown
    bool modifyByButton = false;                              // Modify came from the "&Modify" button
    bool calculatorOpen = false;                              // the amount calculator's panel is open
    int CurrentRecordNumber = 0;                              // record of the recipe shown
    int CurrentListIndex = -1;                                // its place in the recipe list
    int LastSavedRecordNumber = 0;                            // record given to the last new recipe
    int CurrentLine = 0;                                      // ingredient line last entered, 0-19
    std::array<std::string, IngredientLineCount> AmountText;  // each line's decimal amount
    RecipeRecord RecipeBuffer;                                // the record read or written last
    std::string ChosenRecipeEntry;                            // the recipe list's entry chosen last

    // --- the save question
    int SaveAnswer = 0;              // its answer: 6 Yes, 7 No, 2 Cancel
    bool SaveRefused = false;        // the last Save refused a recipe without a name
    bool SaveInPlaceOnYes = false;   // the next Yes writes the shown record in place
    bool SaveForImport = false;      // an import asks the question
    std::string PendingType;         // the type chosen while the question was open
    bool PendingTypeChange = false;  // that type waits for the save

    // --- cookbooks and types
    bool OldFormatPending = false;                                 // cookbook 1 is still in the older format
    std::array<std::string, 8> CookbookTitle;                      // titles of cookbooks 1-8, trimmed
    std::array<std::string, RecipeTypeCount + 1> RecipeTypeNames;  // types by number, 1-22

    // --- the window's own doings
    bool SuppressNextPrompt = false;  // the next prompt for a command is not shown
    bool showingType = false;         // the window itself puts a type into the type box
    int showingRecipe = 0;            // above 0 while the window fills the boxes itself
    bool SearchHitPending = false;    // a search result is being opened
    std::string SearchHitEntry;       // the entry of that result

    // --- side panels
    bool RenameHeldChanged = false;       // RecipeChanged when the rename panel opened after a No
    bool RenameHeldRecalculated = false;  // AmountsRecalculated likewise
    bool SelectedRecipesMode = false;     // the picked recipes were laid out for printing
    bool worksheetPreview = false;        // the print preview shows the blank worksheet

    // --- the searches
    bool searchOpen = false;        // the search options or a search panel is open: Options > Search is checked
    std::string SearchPhrase;       // the name search's text, upper-cased; " " lists every recipe
    bool ViewAllRequested = false;  // "View All Recipes" started the next search
    int MultiIngredientOption = 0;  // the option chosen: 0 all the words, 1 at least one of them
    bool multiIngredientOptionsOn = true;  // two or more words: the option between them counts
    int ChosenResultRow = 0;        // the result row last pressed with the mouse

    // --- the spell check
    int SpellFieldIndex = 0;          // field checked: 0-19 a line, 20 the directions, 99 cancelled
    bool SpellCheckRunning = false;   // a check runs
    int CorrectionCount = 0;          // texts the current check changed
    bool ChangeAllPending = false;    // Change All was chosen on an ingredient line
    int ReplacementWalkIndex = 0;     // entry of the replacement list a carry-on pass reached
    bool MisspellingsLoaded = false;  // the table went to the spell check in this window's life
};

}  // namespace recipes
