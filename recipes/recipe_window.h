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
#include "recipes/printing/recipe_copy_text.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/recipe_availability.h"
#include "recipes/store/recipe_file_state.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/recipe_store.h"
#include "recipes/recipe_window_controls.h"
#include "recipes/recipe_window_state.h"
#include "recipes/store/recipe_draft.h"
#include "shell/activity_window.h"
#include "shell/application.h"
#include "shell/color_options.h"
#include "shell/top_toolbar.h"

namespace recipes {

// The recipe window: up to eight cookbooks of recipes in 22 types. The user
// picks a type and a recipe and sees it in the editor, and creates, views,
// modifies and deletes recipes; side panels open over the main panel for the
// searches, the amount calculator, renaming, the cookbook titles and printing.
class Form5 : public shell::ActivityWindow, public Form5Controls {
public:
    explicit Form5(shell::Application& app);

    // --- loading, activation, keys and unloading
    void Form_Load() override;
    void Form_Activate() override;
    void placeControls() override;
    void Form_Resize();
    void Form_KeyPress(int& keyAscii);
    void Form_Unload() override;
    void mO_Click();

    // --- cookbooks and titles
    void LoadCookbookTitles();
    void mOCB1_Click(int index);
    void ResetAfterCookbookChange();
    void DisableCookbookMenus();
    void EnableCookbookMenus();
    void setCookbookMenus(bool on);

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

    // --- recipe transfer files (recipe_transfer.cpp)
    void mOex_Click();
    void ExportRecipe();
    void mOIm_Click();
    RecipeDraft RecipeForExport() const;
    // False when the file could not be written; the user was told.
    bool WriteTransferFile(const std::filesystem::path& path);
    // Fills the editor from a file; false when nothing was imported (the
    // user cancelled after a failed read, or the type is not one of ours).
    bool ReadTransferFile(const std::filesystem::path& path);

    // --- backup and restore of the cookbook (recipe_backup.cpp)
    void mU_Click();
    void mUB_Click();
    void mUR_Click();

    // --- printing (recipe_printing.cpp)
    printing::PrintPreviewPanel& preview() { return preview_.preview(); }
    const printing::PrintPreviewPanel& preview() const { return preview_.preview(); }

    // --- the recipe to the clipboard (recipe_copy.cpp)
    void wireCopy();
    void mOCo1_Click();
    void mOCopy_Click();

    // --- the older cookbook format
    void DetectOldRecipeFile();
    // Leaves OldFormatPending at 9 when the conversion failed, so the next
    // recipe command tries again.
    void ConvertOldRecipeFile();
    // Converts a pending older file first; false while it is still not
    // converted: the command stops, since nothing may be read from or written
    // into that file as records of the current layout.
    bool OldFileConverted();

    // --- spell check (spell_check.cpp)
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
    std::unique_ptr<platform::SpellChecker> VSSpell1;  // the spell check
    // --- end of spell check

    // --- toolbars, colours, help and the popup
    void Toolbar2_ButtonClick(int button);
    void mOC_Click();

    // What the commands offer in the window's present state.
    AvailabilityInputs windowState() const;
    void applyAvailability();

    // What the window knows between events.
    const RecipeWindowState& state() const { return state_; }
    RecipeWindowState& state() { return state_; }

private:
    // --- what the recipe window adds to every activity window's
    int helpTopic() const override;
    // The recipe's save question.
    bool AskBeforeLeaving() override;
    void beforePopUp() override;
    void afterPopUp() override;
    // Rename is offered for a recipe viewed from the list.
    bool renameOffered() const;

    void design();
    void wireEvents();
    void wireEditor();
    void fillEditorFromTransfer(const RecipeDraft& recipe);
    // What the editor's boxes hold, for the store, printing, copying and export.
    RecipeDraft draft() const;
    // Fills the editor's boxes (not the type and the name) from a draft.
    void showDraft(const RecipeDraft& draft);
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
        explicit WindowFills(Form5& window) : depth_(window.state_.showingRecipe) { ++depth_; }
        ~WindowFills() { --depth_; }
        WindowFills(const WindowFills&) = delete;
        WindowFills& operator=(const WindowFills&) = delete;

    private:
        int& depth_;
    };
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
    bool hasUnsavedEdits() const { return state_.unsavedEdits(); }
    std::optional<int> typeNumber() const;
    RecipeStore store();
    RecipeFileState& file() { return app_.state<RecipeFileState>(); }
    std::string windowCaption() const;

    RecipeWindowState state_;
    // The side panels that are classes of their own, on the window's controls and state.
    friend class CalculatorPanel;
    friend class PicksPanel;
    friend class PreviewPanel;
    friend class RenamePanel;
    friend class SearchPanel;
    friend class TitlesPanel;
    CalculatorPanel calculator_{*this, *this, state_};
    PicksPanel picks_{*this, *this, state_};
    PreviewPanel preview_{*this, *this, state_};
    RenamePanel rename_{*this, *this, state_};
    SearchPanel search_{*this, *this, state_};
    TitlesPanel titles_{*this, *this, state_};
};

// Makes the recipe window the start window's "Recipe File".
void RegisterRecipeFile(shell::Application& app);

}  // namespace recipes
