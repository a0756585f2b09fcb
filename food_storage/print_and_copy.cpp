// "&Print" and "&Copy": the storage table in the print preview, with its
// print range and options, and on the clipboard.
#include "food_storage/printing/storage_copy_text.h"
#include "food_storage/printing/storage_print_layout.h"
#include "food_storage/storage_settings.h"
#include "food_storage/storage_window.h"
#include "printing/print_font.h"
#include "printing/text_measure.h"
#include "shell/hinfo1.h"

namespace food_storage {

namespace {
// The preview's own button beyond the common ones.
constexpr int PreviewPrintButton = 4;
}  // namespace

void Form24::wirePreview() {
    preview_ =
        std::make_unique<printing::PrintPreviewPanel>(app_, *this, StoragePreviewDesign, StorageGuideLinesRecord);
    preview_->render = [this] { RenderPreview(); };
    preview_->onButton = [this](int index) {
        if (index == PreviewPrintButton) preview_->Print();
    };
    preview_->onCancel = [this] {
        StatusBar1->setPanelText(1, Caption());
        mO->setEnabled(true);
    };
}

void Form24::loadPrintSettings() {
    printing::PrintFontSettings& f = app_.state<printing::PrintFontSettings>();
    f.PrintFontColor = Grid1->ForeColor();
    f.PrintFontUnderline = f.PrintFontStrikethru = false;
    // Ticking the boxes again raises their clicks, which loading silences.
    f.PrintOptionsLoading = true;
    state_.print = StoragePrintOptions();
    SSCheck80->setValue(true);
    SSCheck81->setValue(true);
    SSOption83[static_cast<std::size_t>(OptionIndexOf(StoragePrintRange::CompleteAllColumns))]->setValue(true);
    f.PrintOptionsLoading = false;
    preview_->LoadGuideLineOption();
    preview_->StartPortrait();
}

void Form24::Command1_Click() {
    HideDatePicker();
    mO->setEnabled(false);
    StatusBar1->setPanelText(1, "Print");
    preview_->TakePrintFont(Grid1->font());
    preview_->ShowPrintFont();
    // Without amounts on hand only the complete form can print.
    const PrintRangeCheck check = CheckOnHandForPrint(state_.document.table, state_.print.range);
    for (int index : {0, 1}) SSOption83[static_cast<std::size_t>(index)]->setEnabled(check.onHandRangesEnabled);
    if (check.range != state_.print.range) {
        state_.print.range = check.range;
        app_.state<printing::PrintFontSettings>().PrintOptionsLoading = true;
        SSOption83[static_cast<std::size_t>(OptionIndexOf(check.range))]->setValue(true);
        app_.state<printing::PrintFontSettings>().PrintOptionsLoading = false;
    }
    Grid1->setRow(0);
    preview_->Show();
    preview_->SSCommand80[printing::CancelButton]->SetFocus();
    preview_->Rerender();
    shell::EndWait(app_);
}

void Form24::mOPrt_Click() {
    StatusBar1->setPanelText(1, "Print");
    Command1_Click();
}

void Form24::SSOption83_Click(int index) {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    state_.print.range = RangeOfOption(index);
    if (preview_->isOpen()) preview_->Rerender();
}

void Form24::SSCheck80_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    state_.print.AsOfDate = SSCheck80->Value();
    if (preview_->isOpen()) preview_->Rerender();
}

void Form24::SSCheck81_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    state_.print.GridLines = SSCheck81->Value();
    if (preview_->isOpen()) preview_->Rerender();
}

void Form24::RenderPreview() {
    LayoutStorageTable(preview_->document(), preview_->font(), kind(), state_.document.table, Caption(),
                       MonthView1->Today(), state_.print);
}

// --- the table to the clipboard

void Form24::mOCopy_Click() {
    HideDatePicker();
    const platform::Services& services = app_.runtime().services();
    const printing::TextMeasure measure{services.printer.Available() ? &services.printer : nullptr, font()};
    static_cast<void>(PutStorageOnClipboard(services.clipboard, app_.dialogs(),
                                            StorageCopyText(kind(), state_.document.table, measure)));
}

}  // namespace food_storage
