// The list's print preview: the list or the blank worksheet, with the
// list's print options.
#include "printing/print_font.h"
#include "shell/hinfo1.h"
#include "shopping/printing/list_print_layout.h"
#include "shopping/shoplist.h"
#include "shopping/shopping_settings.h"

namespace shopping {

namespace {
// The preview's own button beyond the common ones.
constexpr int PreviewPrintButton = 4;
}  // namespace

void Shoplist::wirePreview() {
    preview_ =
        std::make_unique<printing::PrintPreviewPanel>(app_, *this, ShoppingPreviewDesign, ShoppingGuideLinesRecord);
    preview_->render = [this] {
        if (state_.Preview == PreviewMode::Worksheet) RenderWorksheet();
        else RenderShoppingList();
    };
    preview_->onButton = [this](int index) {
        if (index == PreviewPrintButton) preview_->Print();
    };
    preview_->onCancel = [this] {
        mO->setEnabled(true);
        preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(true);
        StatusBar1->setPanelText(1, Caption());
    };
}

void Shoplist::loadPrintSettings() {
    printing::PrintFontSettings& f = app_.state<printing::PrintFontSettings>();
    f.PrintFontColor = Grid1->ForeColor();
    f.PrintFontUnderline = f.PrintFontStrikethru = false;
    // Ticking the boxes again raises their clicks, which loading silences.
    f.PrintOptionsLoading = true;
    state_.PrintDividerLines = state_.PrintDateOnEachPage = true;
    SSCheck80->setValue(true);
    SSCheck81->setValue(true);
    f.PrintOptionsLoading = false;
    preview_->LoadGuideLineOption();
    preview_->StartPortrait();
}

void Shoplist::mOPrt_Click() {
    HideDatePicker();
    StatusBar1->setPanelText(1, "Print");
    bool anyItem = false;
    for (int r = 1; r <= list_.LineCount() && !anyItem; ++r) anyItem = !list_.Row(r).item.empty();
    if (!anyItem) {
        app_.dialogs().MessageBox({"Print", "There are currently No Entries to Print!", platform::MsgIcon::Information,
                                   platform::MsgButtons::OK, 1});
        StatusBar1->setPanelText(1, Caption());
        return;
    }
    state_.Preview = PreviewMode::List;
    mO->setEnabled(false);
    preview_->SSOption81->setCaption("Print all Gridlines with data");
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(true);
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    preview_->TakePrintFont(Grid1->font());
    preview_->ShowPrintFont();
    preview_->Show();
    preview_->SSCommand80[printing::CancelButton]->SetFocus();
    preview_->Rerender();
}

void Shoplist::mOW_Click() {
    HideDatePicker();
    StatusBar1->setPanelText(1, "Print worksheet");
    state_.Preview = PreviewMode::Worksheet;
    preview_->SSFrame80[printing::PrintOptionsFrame]->setEnabled(false);
    preview_->TakePrintFont(Text1[ItemBox]->font());
    preview_->ShowPrintFont();
    preview_->Show();
    preview_->SSCommand80[printing::CancelButton]->SetFocus();
    preview_->Rerender();
}

void Shoplist::SSCheck80_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    state_.PrintDividerLines = !state_.PrintDividerLines;
    if (preview_->isOpen()) preview_->Rerender();
}

void Shoplist::SSCheck81_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    state_.PrintDateOnEachPage = !state_.PrintDateOnEachPage;
    if (preview_->isOpen()) preview_->Rerender();
}

void Shoplist::RenderShoppingList() {
    LayoutShoppingList(preview_->document(), preview_->font(), list_, app_.vars.FamilyName, Text1[DateBox]->Text(),
                       {.DividerLinesOff = !state_.PrintDividerLines, .PrintDateOff = !state_.PrintDateOnEachPage});
    shell::EndWait(app_);
}

void Shoplist::RenderWorksheet() { LayoutListWorksheet(preview_->document(), preview_->font()); }

}  // namespace shopping
