// The recipe window's print preview: the recipe on screen, the recipes
// picked to print two to a page, or the blank worksheet, and the recipe
// print options.
#include <chrono>
#include <cstdio>

#include "platform/basic/text.h"
#include "recipes/printing/recipe_print_layout.h"
#include "recipes/printing/worksheet_layout.h"
#include "recipes/preview_panel.h"
#include "recipes/recipe_settings.h"
#include "recipes/recipe_window.h"
#include "shell/hinfo1.h"

namespace recipes {

namespace {

using C = Form5Controls;

// The status bar's first panel names what the preview shows.
constexpr const char* PrintStatus = "Print";
constexpr const char* WorksheetStatus = "Print Worksheet";

}  // namespace

std::string PreviewPanel::printedOnDate() {
    const auto days = std::chrono::floor<std::chrono::days>(w_.app_.clock().Now());
    const std::chrono::year_month_day date{std::chrono::sys_days(days)};
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return text;
}

void PreviewPanel::wire() {
    preview_ = std::make_unique<printing::PrintPreviewPanel>(w_.app_, w_, RecipePreviewDesign,
                                                             RecipeGuideLinesRecord);
    preview_->render = [this] { drawPreview(); };
    preview_->onCancel = [this] { PreviewCancelled(); };
    preview_->onButton = [this](int index) {
        if (index == C::SelectRecipesButton) w_.picks_.SelectAdditionalRecipes();
        else if (index == C::PreviewPrintButton) preview_->Print();
    };
    w_.mOP->onClick = [this] { mOP_Click(); };
    w_.mOW->onClick = [this] { mOW_Click(); };
    w_.Command7->onClick = [this] { Command7_Click(); };
    for (int i = 0; i < 4; ++i)
        c_.SSOption83[static_cast<std::size_t>(i)]->onClick = [this, i] { SSOption83_Click(i); };
    for (int i = 0; i < 2; ++i)
        c_.SSOption80[static_cast<std::size_t>(i)]->onClick = [this, i] { SSOption80_Click(i); };
    w_.picks_.wire();
}

void PreviewPanel::LoadPrintSettings() {
    printing::PrintFontSettings& f = printFont();
    f.PrintFontSize = 12;
    f.PrintFontUnderline = f.PrintFontStrikethru = false;
    f.PrintFontColor = w_.Text1[0]->ForeColor();
    w_.file().PrintOption = 1;
    // As designed: fractions, which is AmountFormat 0.
    c_.SSOption80[0]->setValue(true);
    preview_->LoadGuideLineOption();
    preview_->StartPortrait();
}

void PreviewPanel::PlacePreviewButtons() {
    preview_->RememberPreviewPlacement();
    placePreviewButtonTops();
}

void PreviewPanel::placePreviewButtonTops() {
    const int top = w_.app_.vars.smallerScreen() ? 115 : 30;
    preview_->SSCommand1->setTop(top);
    preview_->SSCommand2->setTop(top);
}

printing::PrintFontSettings& PreviewPanel::printFont() { return w_.app_.state<printing::PrintFontSettings>(); }

void PreviewPanel::mOP_Click() {
    state_.worksheetPreview = false;
    w_.mO->setEnabled(false);
    w_.StatusBar1->setPanelText(1, PrintStatus);
    preview_->TakePrintFont(w_.Text1[0]->font());
    preview_->ShowPrintFont();
    preview_->SSOption81->setCaption("All Entries with Data Will Print");
    for (ui::OptionButton* option : c_.SSOption83) option->setEnabled(true);
    c_.SSOption83[0]->setValue(true);
    w_.file().PrintOption = 1;
    c_.SSCommand80[C::SelectRecipesButton]->setEnabled(false);
    state_.SelectedRecipesMode = false;
    for (int slot = 0; slot < C::PickSlotCount; ++slot) {
        w_.Combo8[static_cast<std::size_t>(slot)]->setText("");
        w_.Combo9[static_cast<std::size_t>(slot)]->setText("");
    }
    preview_->Show();
    RerenderPreview();
}

void PreviewPanel::Command7_Click() {
    w_.HideFractionList();
    w_.HideUnitLists();
    w_.CloseSearchOptions();
    w_.EnableCookbookMenus();
    // Tab stays within the panel while it is open; Cancel gives it back.
    w_.Combo2->setTabStop(false);
    mOP_Click();
}

void PreviewPanel::mOW_Click() {
    state_.worksheetPreview = true;
    w_.mO->setEnabled(false);
    preview_->SSOption81->setCaption(WorksheetStatus);
    w_.StatusBar1->setPanelText(1, WorksheetStatus);
    c_.Frame2->setEnabled(false);
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(false);
    printing::PrintFontSettings& f = printFont();
    preview_->TakePrintFont(w_.Text1[0]->font());
    f.PrintFontSize = 12;
    f.PrintFontUnderline = w_.Text1[0]->font().underline;
    preview_->Show();
    // The worksheet's own size: the sample keeps showing the font as the user chose it.
    preview_->ShowFontNameAndSize();
    c_.SSCommand80[C::SelectRecipesButton]->setEnabled(false);
    RerenderPreview();
}

void PreviewPanel::SSOption83_Click(int index) {
    if (printFont().PrintOptionsLoading) return;
    w_.file().PrintOption = static_cast<std::int16_t>(index + 1);
    c_.SSCommand80[C::SelectRecipesButton]->setEnabled(w_.file().PrintOption >= 3);
    RerenderPreview();
}

void PreviewPanel::SSOption80_Click(int index) {
    w_.file().AmountFormat = static_cast<std::int16_t>(index);
    RerenderPreview();
}

void PreviewPanel::RerenderPreview() {
    // Options picked while the panel is hidden (the window's loading, the
    // opening commands) wait for the layout the opening runs anyway.
    if (!preview_->isOpen()) return;
    preview_->Rerender();
}

void PreviewPanel::drawPreview() {
    // The worksheet (its options are off meanwhile), else the picks once
    // laid out, else the recipe on screen.
    if (state_.worksheetPreview) LayoutWorksheet();
    else if (state_.SelectedRecipesMode) w_.picks_.LayoutSelectedRecipes();
    else LayoutRecipe();
}

void PreviewPanel::PreviewCancelled() {
    state_.worksheetPreview = false;
    w_.Combo2->setTabStop(true);
    w_.StatusBar1->setPanelText(1, w_.Caption());
    w_.EnableCookbookMenus();
    w_.mO->setEnabled(true);
    for (int button : {printing::PrinterFontButton, printing::PageSetupButton})
        c_.SSCommand80[static_cast<std::size_t>(button)]->setEnabled(true);
    c_.Frame2->setEnabled(true);
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(true);
}

// --- the layouts

void PreviewPanel::LayoutRecipe() {
    const RecipeFileState& file = w_.file();
    printing::LayoutRecipe(preview_->document(), printFont(), w_.draft(), {file.PrintOption, file.AmountFormat},
                           printedOnDate());
}

void PreviewPanel::LayoutWorksheet() { printing::LayoutWorksheet(preview_->document(), printFont()); }

}  // namespace recipes
