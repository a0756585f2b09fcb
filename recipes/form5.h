#pragma once
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/spell_checker.h"
#include "platform/ui/form.h"
#include "printing/print_preview_panel.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/form5_controls.h"
#include "recipes/printing/recipe_copy_text.h"
#include "recipes/recipe_availability.h"
#include "recipes/store/recipe_file_state.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/recipe_store.h"
#include "shell/activity_window.h"
#include "shell/application.h"
#include "shell/color_options.h"
#include "shell/top_toolbar.h"

namespace recipes {

// The recipe window: up to eight cookbooks of recipes in 22 types. The user
// picks a type and a recipe and sees it in the editor, and creates, views,
// modifies and deletes recipes; side panels open over the main panel for the
// searches, the amount calculator, renaming, the cookbook titles and printing.
class Form5 : public ui::Form, public Form5Controls {
public:
    explicit Form5(shell::Application& app);

    // --- loading, activation, keys and unloading
    void Form_Load();
    void Form_Activate();
    void placeControls();
    void Form_Resize();
    void Form_KeyDown(int& keyCode, int shift);
    void Form_KeyPress(int& keyAscii);
    void Form_Unload();
    void mO_Click();

    // --- cookbooks and titles
    void LoadCookbookTitles();
    void mOCB1_Click(int index);
    void mOCBTle_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();
    void ResetAfterCookbookChange();
    void DisableCookbookMenus();
    void EnableCookbookMenus();

    // --- choosing and showing a recipe
    void Combo1_Click();
    void Combo1_GotFocus();
    void Combo1_KeyDown(int& keyCode, int shift);
    void Combo1_KeyPress(int& keyAscii);
    void Combo1_KeyUp(int& keyCode, int shift);
    void Combo2_Click();
    void Combo2_GotFocus();
    void Combo2_KeyUp(int& keyCode, int shift);
    void Combo2_LostFocus();
    void RecipeRecordToControls();
    // "No Recipes for <type> were found!", the focus back to the type box where it can take it.
    void ShowNoRecipesFound(const std::string& type);
    void RecipeFunctionPrompt();
    void RequireRecipeType();

    // --- commands
    void mOCr_Click();
    void mOV_Click();
    void mOSa_Click();
    void mOe_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void AskSaveRecipe();
    void ResetRecipeEditor();
    // False when nothing could be written; the user was told.
    bool SaveNewRecipe();
    bool PutCurrentRecipe();
    RecipeRecord ControlsToRecipeRecord();
    void HideFractionList();
    void HideUnitLists();
    void CloseSearchOptions();
    void RestoreRecipeMenus();

    // --- the editor's boxes
    void Text1_Change(int line);
    void Text2_Change();
    void Text5_KeyDown(int& keyCode, int line);
    void Text8_GotFocus();
    void Text8_KeyDown(int& keyCode);
    void Combo3_Click();
    void List1_Click();
    void MarkRecipeChanged();
    void RequireRecipeName();

    // --- Modify and Delete
    void Command4_Click();
    void Command5_Click();
    void mOMo_Click();
    void mODel_Click();

    // --- renaming a recipe (form5_rename.cpp)
    void mOChange_Click();
    void Command23_Click();
    void Command24_Click();
    void Text16_Change();
    void Text16_GotFocus();
    void Text16_LostFocus();
    void wireRename();
    int RenameHeldChanged = 0;       // RecipeChanged when the rename panel opened after a No
    int RenameHeldRecalculated = 0;  // AmountsRecalculated likewise

    // --- the amount calculator
    void wireCalculator();
    void mOCal_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Text9_KeyDown(int& keyCode, int shift);
    void Text9_KeyPress(int& keyAscii);
    void Text9_KeyUp(int& keyCode, int shift);
    void showModeTitle();  // "View Recipe", or "Modify Recipe" with the focus on the first amount

    // --- searching (form5_search.cpp)
    void wireSearch();
    void mOsr_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command21_Click();
    void Command22_Click();
    void IngredientPanel_Enter();  // Enter in "Search Recipes by Ingredient"
    void ResetRecipeResultGrid();
    void ResetIngredientResultGrid();
    void ViewSearchHit(ui::Grid& grid, ui::Panel& panel);
    std::string SearchPhrase;       // the name search's text, upper-cased; " " lists every recipe
    bool ViewAllRequested = false;  // "View All Recipes" started the next search
    int MultiIngredientOption = 0;  // 0: all the words, 1: at least one of them
    int ChosenResultRow = 0;        // the result row last pressed with the mouse

    // --- recipe transfer files (form5_transfer.cpp)
    void mOex_Click();
    void ExportRecipe();
    void mOIm_Click();
    recipe_search::TransferRecipe RecipeForExport() const;
    // False when the file could not be written; the user was told.
    bool WriteTransferFile(const std::filesystem::path& path);
    // Fills the editor from a file; false when nothing was imported (the
    // user cancelled after a failed read, or the type is not one of ours).
    bool ReadTransferFile(const std::filesystem::path& path);

    // --- printing (form5_printing.cpp)
    void wirePrinting();
    void LoadPrintSettings();
    void PlacePreviewButtons();
    void mOP_Click();
    void Command7_Click();
    void mOW_Click();
    void SSOption83_Click(int index);
    void SSOption80_Click(int index);
    void SelectAdditionalRecipes();
    void Combo8_Change(int slot);
    void Combo8_Click(int slot);
    void Combo9_Click();
    void SSCommand5_Click();
    void SSCommand6_Click();
    void RerenderPreview();
    void PreviewCancelled();
    void LayoutRecipe();
    void LayoutSelectedRecipes();
    void LayoutWorksheet();
    printing::PrintPreviewPanel& preview() { return *preview_; }
    int SelectedRecipesMode = 0;  // 88 once the picked recipes were laid out

    // --- the recipe to the clipboard (form5_copy.cpp)
    void wireCopy();
    void mOCo1_Click();
    void mOCopy_Click();
    printing::RecipeOnScreen recipeOnScreen() const;  // what the editor shows, for printing and copying

    // --- the older cookbook format
    void DetectOldRecipeFile();
    // Leaves OldFormatPending at 9 when the conversion failed, so the next
    // recipe command tries again.
    void ConvertOldRecipeFile();
    // Converts a pending older file first; false while it is still not
    // converted: the command stops, since nothing may be read from or written
    // into that file as records of the current layout.
    bool OldFileConverted();

    // --- spell check (form5_spelling.cpp)
    void wireSpelling();
    void Command25_Click();
    void mOSpell_Click();
    void LoadMisspellings();
    void CarryReplacementsOn();
    void VSSpell1_BadWord();
    void VSSpell1_TextChanged();
    void VSSpell1_ActionChosen(int action);
    void VSSpell1_CheckEnded(int cancel);
    void VSSpell1_Help();
    int SpellFieldIndex = 0;                           // field checked: 0-19 a line, 20 the directions, 99 cancelled
    int SpellCheckRunning = 0;                         // 88 while a check runs
    int CorrectionCount = 0;                           // texts the current check changed
    int ChangeAllPending = 0;                          // 1 after Change All on an ingredient line
    int ReplacementWalkIndex = 0;                      // entry of the replacement list a carry-on pass reached
    std::unique_ptr<platform::SpellChecker> VSSpell1;  // the spell check
    bool MisspellingsLoaded = false;                   // the table went to VSSpell1 in this window's life
    // --- end of spell check

    // --- toolbars, colours, help and the popup
    void Toolbar2_ButtonClick(int button);
    void mOC_Click();
    void mH_Click();
    void ShowOptionsPopup();

    // Runs the exit path's questions; false when the window is to stay.
    bool ConfirmExit();
    // What the commands offer in the window's present state.
    RecipeWindowState windowState() const;
    void applyAvailability();

    // --- the window's state between events
    int RecipeChanged = 0;                                         // 1: the editor holds unsaved edits
    int AmountsRecalculated = 0;                                   // 9: the amount calculator rewrote the amounts
    int ModifyMode = 0;                                            // 1: the shown recipe is being modified
    int SaveAnswer = 0;                                            // the save question's answer: 6 Yes, 7 No, 2 Cancel
    bool SearchHitPending = false;                                 // a search result is being opened
    bool SaveRefused = false;                                      // the last Save refused a recipe without a name
    int CurrentRecordNumber = 0;                                   // record of the recipe shown
    int CurrentListIndex = -1;                                     // its place in the recipe list
    int LastSavedRecordNumber = 0;                                 // record given to the last new recipe
    int CurrentLine = 0;                                           // ingredient line last entered, 0-19
    std::array<std::string, IngredientLineCount> AmountText;       // each line's decimal amount
    RecipeRecord RecipeBuffer;                                     // the record read or written last
    int OldFormatPending = 0;                                      // 9: cookbook 1 is still in the older format
    std::string PendingType;                                       // the type chosen while the save question was open
    int PendingTypeChange = 0;                                     // 9: that type waits for the save
    std::string ChosenRecipeEntry;                                 // the recipe list's entry chosen last
    std::string SearchHitEntry;                                    // the entry of the search result being opened
    std::array<std::string, 8> CookbookTitle;                      // titles of cookbooks 1-8, trimmed
    std::array<std::string, RecipeTypeCount + 1> RecipeTypeNames;  // types by number, 1-22
    int SuppressNextPrompt = 0;                                    // 99: the next prompt for a command is not shown
    int SaveInPlaceOnYes = 0;                                      // 88: the next Yes writes the shown record in place
    int SaveForImport = 0;                                         // 1: an import asks the save question
    int WindowClosed = 0;                                          // 9 once the exit path unloaded the window
    int PopupRequested = 0;                                        // 2 while a right-button release asks for the popup

    shell::ColorOptions& colors() { return *colors_; }

private:
    void design();
    void wireEvents();
    void wireEditor();
    void fillEditorFromTransfer(const recipe_search::TransferRecipe& recipe);
    void drawPreview();
    void placePreviewButtonTops();
    void loadPickList(int slot);
    std::string printedOnDate();
    printing::PrintFontSettings& printFont();
    void openSearchPanel(ui::Panel& panel);
    void closeSearchPanel(ui::Panel& panel);
    void searchBox_GotFocus(ui::TextBox& box);
    void ingredientBox_Change(int box);
    void setOptionsEnabled(bool on);
    recipe_search::IngredientQuery compactIngredientBoxes();
    // Tells why a search cannot start and puts the focus where to mend it.
    void refuseSearch(const char* text, ui::Control& focus);
    void runIngredientSearch(const std::function<std::vector<recipe_search::SearchHit>()>& search,
                             const std::string& count, ui::CommandButton& button);
    void showIngredientResults(const std::vector<recipe_search::SearchHit>& hits, const std::string& count);
    void resetResultGrid(ui::Grid& grid, const char* typeHeading);
    void showResults(ui::Grid& grid, const std::vector<recipe_search::SearchHit>& hits);
    std::vector<ui::TextBox*> allLineBoxes();
    // True while the user types in create or modify mode, not while the
    // window itself fills the boxes.
    bool userIsEditing() const;
    void filterBox(ui::TextBox& box);
    void filterYieldUnit();
    bool refuseEntry();
    void enterBox(ui::Control& box, ui::ComboBox* ownList, bool hidesNames);
    void box_GotFocus(ui::Control& box, bool hidesNames);
    void lineBox_GotFocus(ui::TextBox& box, int line);
    void showPickList(ui::ComboBox& list, const ui::Control& box);
    void editorKey(int& keyCode, ui::Control& next);
    bool openPickList(int keyCode, int shift, std::initializer_list<ui::ComboBox*> lists);
    void unitList_Click(ui::ComboBox& list);
    void showDirectionsLength();
    // Marks the boxes as filled by the window itself while it lives.
    class WindowFills {
    public:
        explicit WindowFills(Form5& window) : depth_(window.showingRecipe_) { ++depth_; }
        ~WindowFills() { --depth_; }
        WindowFills(const WindowFills&) = delete;
        WindowFills& operator=(const WindowFills&) = delete;

    private:
        int& depth_;
    };
    void addSideButtons();
    void fillLists();
    // Every box of the editor and the search panels, which take the plain
    // window colour when the window loads.
    std::vector<ui::Control*> editorBoxes();
    void setModeTitle(const char* title);
    // Shows the type in the type box with its entry chosen, so the arrow keys
    // step on from it, without running Combo1_Click.
    void showType(const std::string& type);
    void collapseRecipeList();
    void openRecipeList();
    void focusAmountLine0();
    bool hasUnsavedEdits() const { return RecipeChanged == 1 || AmountsRecalculated == 9; }
    std::optional<int> typeNumber() const;
    RecipeStore store();
    RecipeFileState& file() { return app_.state<RecipeFileState>(); }
    std::string windowCaption() const;

    shell::Application& app_;
    shell::ActivityWindow activity_;
    std::unique_ptr<shell::ColorOptions> colors_;
    std::unique_ptr<shell::TopToolbar> topToolbar_;
    std::unique_ptr<printing::PrintPreviewPanel> preview_;
    // A recipe of the cookbook is shown in the editor.
    bool recipeShown_ = false;
    // Modify mode came from the "&Modify" button.
    bool modifyByButton_ = false;
    // The amount calculator's panel is open.
    bool calculatorOpen_ = false;
    // The window itself puts a type into the type box (showType).
    bool showingType_ = false;
    // Above 0 while the window fills the boxes (see WindowFills).
    int showingRecipe_ = 0;
};

// Makes the recipe window the start window's "Recipe File".
void RegisterRecipeFile(shell::Application& app);

}  // namespace recipes
