// The recipe window's printing: the print preview panel with the recipe on
// screen, the recipes picked to print two to a page, or the blank
// worksheet, and the recipe print options.
#include <chrono>
#include <cstdio>

#include "platform/basic/text.h"
#include "recipes/form5.h"
#include "recipes/printing/recipe_print_layout.h"
#include "recipes/printing/selected_recipes_layout.h"
#include "recipes/printing/worksheet_layout.h"
#include "recipes/store/recipe_index_entry.h"
#include "shell/hinfo1.h"

namespace recipes {

namespace {

using C = Form5Controls;

// The status bar's first panel names what the preview shows.
constexpr const char* PrintStatus = "Print";
constexpr const char* WorksheetStatus = "Print Worksheet";

}  // namespace

std::string Form5::printedOnDate() {
    const auto days = std::chrono::floor<std::chrono::days>(app_.clock().Now());
    const std::chrono::year_month_day date{std::chrono::sys_days(days)};
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return text;
}

void Form5::wirePrinting() {
    preview_ = std::make_unique<printing::PrintPreviewPanel>(app_, *this, RecipePreviewDesign,
                                                             shell::settings::RecipeGuideLinesRecord);
    preview_->render = [this] { drawPreview(); };
    preview_->onCancel = [this] { PreviewCancelled(); };
    preview_->onButton = [this](int index) {
        if (index == C::SelectRecipesButton) SelectAdditionalRecipes();
        else if (index == C::PreviewPrintButton) preview_->Print();
    };
    mOP->onClick = [this] { mOP_Click(); };
    mOW->onClick = [this] { mOW_Click(); };
    Command7->onClick = [this] { Command7_Click(); };
    for (int i = 0; i < 4; ++i) SSOption83[static_cast<std::size_t>(i)]->onClick = [this, i] { SSOption83_Click(i); };
    for (int i = 0; i < 2; ++i) SSOption80[static_cast<std::size_t>(i)]->onClick = [this, i] { SSOption80_Click(i); };
    for (int slot = 0; slot < C::PickSlotCount; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        Combo8[k]->onChange = [this, slot] { Combo8_Change(slot); };
        Combo8[k]->onClick = [this, slot] { Combo8_Click(slot); };
        Combo9[k]->onClick = [this] { Combo9_Click(); };
    }
    SSCommand5->onClick = [this] { SSCommand5_Click(); };
    SSCommand6->onClick = [this] { SSCommand6_Click(); };
}

void Form5::LoadPrintSettings() {
    printing::PrintFontSettings& f = printFont();
    f.PrintFontSize = 12;
    f.PrintFontUnderline = f.PrintFontStrikethru = false;
    f.PrintFontColor = Text1[0]->ForeColor();
    file().PrintOption = 1;
    // As designed: fractions, which is AmountFormat 0.
    SSOption80[0]->setValue(true);
    preview_->LoadGuideLineOption();
    preview_->StartPortrait();
}

void Form5::PlacePreviewButtons() {
    preview_->RememberPreviewPlacement();
    placePreviewButtonTops();
}

void Form5::placePreviewButtonTops() {
    const int top = app_.vars.DisplayMode == 9 ? 115 : 30;
    preview_->SSCommand1->setTop(top);
    preview_->SSCommand2->setTop(top);
}

printing::PrintFontSettings& Form5::printFont() { return app_.state<printing::PrintFontSettings>(); }

void Form5::mOP_Click() {
    mO->setEnabled(false);
    StatusBar1->setPanelText(1, PrintStatus);
    preview_->TakePrintFont(Text1[0]->font());
    preview_->ShowPrintFont();
    preview_->SSOption81->setCaption("All Entries with Data Will Print");
    for (ui::OptionButton* option : SSOption83) option->setEnabled(true);
    SSOption83[0]->setValue(true);
    file().PrintOption = 1;
    SSCommand80[C::SelectRecipesButton]->setEnabled(false);
    SelectedRecipesMode = 0;
    for (int slot = 0; slot < C::PickSlotCount; ++slot) {
        Combo8[static_cast<std::size_t>(slot)]->setText("");
        Combo9[static_cast<std::size_t>(slot)]->setText("");
    }
    preview_->Show();
    RerenderPreview();
}

void Form5::Command7_Click() {
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
    EnableCookbookMenus();
    // Tab stays within the panel while it is open; Cancel gives it back.
    Combo2->setTabStop(false);
    mOP_Click();
}

void Form5::mOW_Click() {
    mO->setEnabled(false);
    preview_->SSOption81->setCaption(WorksheetStatus);
    StatusBar1->setPanelText(1, WorksheetStatus);
    Frame2->setEnabled(false);
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(false);
    printing::PrintFontSettings& f = printFont();
    preview_->TakePrintFont(Text1[0]->font());
    f.PrintFontSize = 12;
    f.PrintFontUnderline = Text1[0]->font().underline;
    preview_->Show();
    // The worksheet's own size: the sample keeps showing the font as the user chose it.
    preview_->ShowFontNameAndSize();
    SSCommand80[C::SelectRecipesButton]->setEnabled(false);
    RerenderPreview();
}

void Form5::SSOption83_Click(int index) {
    if (printFont().PrintOptionsLoading) return;
    file().PrintOption = static_cast<std::int16_t>(index + 1);
    SSCommand80[C::SelectRecipesButton]->setEnabled(file().PrintOption >= 3);
    RerenderPreview();
}

void Form5::SSOption80_Click(int index) {
    file().AmountFormat = static_cast<std::int16_t>(index);
    RerenderPreview();
}

void Form5::RerenderPreview() {
    // Options picked while the panel is hidden (the window's loading, the
    // opening commands) wait for the layout the opening runs anyway.
    if (!SSPanel80->Visible()) return;
    preview_->Rerender();
}

void Form5::drawPreview() {
    // The worksheet while the status bar says so (its options are off
    // meanwhile), else the picks once laid out, else the recipe on screen.
    if (StatusBar1->Panel(1).text == WorksheetStatus) LayoutWorksheet();
    else if (SelectedRecipesMode != 0) LayoutSelectedRecipes();
    else LayoutRecipe();
}

void Form5::PreviewCancelled() {
    Combo2->setTabStop(true);
    StatusBar1->setPanelText(1, Caption());
    EnableCookbookMenus();
    mO->setEnabled(true);
    for (int button : {printing::PrinterFontButton, printing::PageSetupButton})
        SSCommand80[static_cast<std::size_t>(button)]->setEnabled(true);
    Frame2->setEnabled(true);
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(true);
}

// --- the recipes picked to print two to a page

void Form5::SelectAdditionalRecipes() {
    if (SelectedRecipesMode == 0) {
        const int slot = file().PrintOption < 4 ? 0 : 1;
        const auto other = static_cast<std::size_t>(1 - slot);
        Combo8[other]->setText("");
        Combo9[other]->setText("");
        const auto k = static_cast<std::size_t>(slot);
        Combo8[k]->setText(Combo1->Text());
        loadPickList(slot);
        // A drop-down list takes only one of its entries: any other text
        // leaves the slot without a recipe.
        Combo9[k]->setText(Combo2->Text());
    }
    SSPanel13->setVisible(true);
    SSPanel13->SetFocus();
}

void Form5::loadPickList(int slot) {
    ui::ComboBox& list = *Combo9[static_cast<std::size_t>(slot)];
    list.Clear();
    // Only one of the 22 types names an index file of the cookbook.
    if (const auto type = RecipeTypeNumber(Combo8[static_cast<std::size_t>(slot)]->Text()))
        for (const IndexEntry& entry : store().ReadIndex(*type)) list.AddItem(entry.text);
}

void Form5::Combo8_Change(int slot) {
    if (basic::Trim(Combo8[static_cast<std::size_t>(slot)]->Text()).empty())
        Combo9[static_cast<std::size_t>(slot)]->Clear();
}

void Form5::Combo8_Click(int slot) {
    loadPickList(slot);
    Combo9[static_cast<std::size_t>(slot)]->SetFocus();
}

void Form5::Combo9_Click() {
    if (SSPanel13->Visible()) SSCommand5->SetFocus();
}

void Form5::SSCommand5_Click() {
    printing::PrintFontSettings& f = printFont();
    f.PrintOptionsLoading = true;
    for (ui::OptionButton* option : SSOption83) {
        option->setEnabled(false);
        option->setValue(false);
    }
    f.PrintOptionsLoading = false;
    SelectedRecipesMode = 88;
    RerenderPreview();
    app_.runtime().doEvents();
    SSPanel13->setVisible(false);
}

void Form5::SSCommand6_Click() { SSPanel13->setVisible(false); }

// --- the layouts

void Form5::LayoutRecipe() {
    const RecipeFileState& state = file();
    printing::LayoutRecipe(preview_->document(), printFont(), recipeOnScreen(), {state.PrintOption, state.AmountFormat},
                           printedOnDate());
}

void Form5::LayoutSelectedRecipes() {
    printing::RecipePicks picks;
    for (std::size_t slot = 0; slot < picks.size(); ++slot) picks[slot] = {Combo8[slot]->Text(), Combo9[slot]->Text()};
    const auto lastLayout =
        printing::LayoutSelectedRecipes(preview_->document(), printFont(), store(), picks, file().AmountFormat);
    if (lastLayout) file().PrintOption = static_cast<std::int16_t>(*lastLayout);
}

void Form5::LayoutWorksheet() { printing::LayoutWorksheet(preview_->document(), printFont()); }

}  // namespace recipes
