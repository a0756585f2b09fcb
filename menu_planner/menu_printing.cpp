// The Print/View panel, the print preview of a day or a range of days, and
// the day's copy to the clipboard.
#include "menu_planner/menu_planner_settings.h"
#include "menu_planner/menu_planner_window.h"
#include "printing/print_font.h"
#include "printing/text_measure.h"
#include "shell/hinfo1.h"

namespace menu_planner {

namespace {
// The preview's own button beyond the common ones.
constexpr int PreviewPrintButton = 4;
}  // namespace

DayBoxes Zcalandar::boxTexts() const {
    DayBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = Text1[i]->Text();
    return boxes;
}

void Zcalandar::wirePrinting() {
    PrintViewHost host;
    host.loadedDay = [this]() -> std::optional<basic::CalendarDate> {
        if (!state_.DayLoaded) return std::nullopt;
        return state_.MenuStartDate;
    };
    host.entryTexts = [this] { return boxTexts(); };
    host.mainPanelHeight = [this] { return Panel3D1->Height(); };
    host.viewShown = [this] {
        mOV->setChecked(true);
        mOClr->setEnabled(false);
        mOS->setEnabled(false);
    };
    host.print = [this] { OpenPrintPreview(); };
    host.closed = [this] {
        mOV->setChecked(false);
        mOClr->setEnabled(true);
        mOS->setEnabled(true);
        LoadDayMenu();
        setDayTabStops(true);
        mOCal->setEnabled(true);
    };
    printView_ = std::make_unique<PrintViewPanel>(app_, *this, MenuPrintViewDesign, std::move(host));

    preview_ = std::make_unique<printing::PrintPreviewPanel>(app_, *this, MenuPreviewDesign, GuideLinesRecord);
    preview_->render = [this] { RenderMenus(); };
    preview_->onButton = [this](int index) {
        if (index == PreviewPrintButton) preview_->Print();
    };
    preview_->onCancel = [this] {
        mO->setEnabled(true);
        StatusBar1->setPanelText(1, windowCaption());
    };
    // Both options start ticked; ticking them raises their clicks, which loading silences.
    auto& font = app_.state<printing::PrintFontSettings>();
    font.PrintOptionsLoading = true;
    Check82->setValue(true);
    Check83->setValue(true);
    font.PrintOptionsLoading = false;
}

void Zcalandar::placePreviewButtons() {
    const int top = app_.vars.smallerScreen() ? 115 : 30;
    preview_->SSCommand1->setTop(top);
    preview_->SSCommand2->setTop(top);
}

void Zcalandar::Command7_Click() {
    HideItemLists();
    app_.vars.MessageAnswer = 0;
    if (state_.EntriesChanged && !AskSaveOnExit()) return;
    setDayTabStops(false);
    mOCal->setEnabled(false);
    printView_->Open();
}

void Zcalandar::mOP_Click() {
    if (!printView_->isOpen()) Command7_Click();
}

// The Print/View panel has checked that there is something to print.
void Zcalandar::OpenPrintPreview() {
    StatusBar1->setPanelText(1, "Print");
    const bool oneDay = printView_->currentDateOnly();
    mO->setEnabled(false);
    preview_->SSOption81->setCaption(std::string(oneDay ? CurrentDatePrintCaption : DateRangePrintCaption));
    preview_->TakePrintFont(Text1[0]->font());
    preview_->ShowPrintFont();
    preview_->Show();
    preview_->SSCommand80[printing::CancelButton]->SetFocus();
    preview_->Rerender();
}

void Zcalandar::RenderMenus() {
    printSetup_.familyName = app_.vars.FamilyName;
    printSetup_.printedOn = MonthView1->Today();
    printView_->RenderPrintout(preview_->document(), preview_->font(), printSetup_);
    shell::EndWait(app_);
}

void Zcalandar::Check82_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    printSetup_.PrintDateOn = Check82->Value();
    if (preview_->isOpen()) preview_->Rerender();
}

void Zcalandar::Check83_Click() {
    if (app_.state<printing::PrintFontSettings>().PrintOptionsLoading) return;
    printSetup_.GridLinesOn = Check83->Value();
    if (preview_->isOpen()) preview_->Rerender();
}

// The columns are lined up in the printer's current font.
void Zcalandar::mECopy_Click() {
    HideItemLists();
    const platform::Services& services = app_.runtime().services();
    static_cast<void>(CopyDayMenu(services.clipboard, app_.dialogs(), boxTexts(), MonthView1->Value(),
                                  printing::PrinterMeasure(services.printer)));
}

}  // namespace menu_planner
