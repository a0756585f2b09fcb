#include "printing/print_preview_panel.h"

#include <cmath>

#include "platform/basic/numbers.h"
#include "shell/application.h"

namespace printing {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// Auto Size keeps to the sizes a font dialog offers.
constexpr double SmallestSize = 1;
constexpr double LargestSize = 400;

bool IsScreenFont(const std::string& name) { return name == "MS Sans Serif" || name == "MS Serif"; }

}  // namespace

PrintPreviewPanel::PrintPreviewPanel(shell::Application& app, ui::Form& window, const PreviewPanelDesign& design,
                                     shell::settings::RecordRef guideLineRecord)
    : app_(app), window_(window), design_(design), guideLineRecord_(guideLineRecord) {
    // The window built the panel's rows among its own; the same rows bind them here.
    int tab = 0;
    ui::design::BindBuilt(window, *this, PreviewPanelRows(design, tab));
    ui::design::BindBuilt(window, *this, PreviewPanelTopRows(design, tab));
    PreviewWidth = VSPrinter1->Width();
    PreviewLeft = VSPrinter1->Left();
}

PrintFontSettings& PrintPreviewPanel::font() { return app_.state<PrintFontSettings>(); }

void PrintPreviewPanel::Rerender() {
    if (rendering_) {
        renderPending_ = true;
        return;
    }
    rendering_ = true;
    do {
        renderPending_ = false;
        if (render) render();
        VSPrinter1->Refresh();
    } while (renderPending_);
    rendering_ = false;
}

void PrintPreviewPanel::TakePrintFont(const ui::Font& source) {
    PrintFontSettings& f = font();
    platform::Printer& printer = app_.runtime().services().printer;
    bool taken;
    if (IsScreenFont(source.name)) {
        taken = printer.SetFontName("Times New Roman");
        if (design_.screenFontSetsSize) f.PrintFontSize = 14;
    } else {
        taken = printer.SetFontName(source.name);
    }
    if (!taken && !printer.SetFontName("Times New Roman")) f.PrintFontName = "Courier";
    if (const std::string reported = printer.FontName(); printer.Available() && !reported.empty())
        f.PrintFontName = reported;
    f.PrintFontBold = source.bold;
    f.PrintFontItalic = source.italic;
    if (!(f.PrintFontSize > 0)) f.PrintFontSize = design_.defaultFontSize;
}

void PrintPreviewPanel::ShowFontNameAndSize() {
    const PrintFontSettings& f = font();
    Panel3D80[FontNameDisplay]->setCaption(" " + f.PrintFontName);
    Panel3D80[FontSizeDisplay]->setCaption(" " + basic::CStr(f.PrintFontSize));
}

void PrintPreviewPanel::ShowPrintFont() {
    ShowFontNameAndSize();
    const PrintFontSettings& f = font();
    Panel3d82->setFont(f.font());
    Panel3d82->setForeColor(f.PrintFontColor);
}

void PrintPreviewPanel::Show() {
    open_ = true;
    SSPanel80->setVisible(true);
    SSPanel80->SetFocus();
    app_.runtime().doEvents();
}

void PrintPreviewPanel::RememberPreviewPlacement() {
    // While enlarged, the place to return to stays the one laid out.
    if (enlarged()) return;
    PreviewWidth = VSPrinter1->Width();
    PreviewLeft = VSPrinter1->Left();
}

void PrintPreviewPanel::LoadGuideLineOption() {
    PrintFontSettings& f = font();
    f.PrintOptionsLoading = true;
    const auto stored = shell::settings::ReadText(app_.folder(), guideLineRecord_);
    // Only "1" shows them; anything else stored is taken as "0".
    const int index = stored && *stored == "1" ? 1 : 0;
    SSOption82[static_cast<std::size_t>(index)]->setValue(true);
    VSPrinter1->setGuideLines(index == 1);
    f.PrintOptionsLoading = false;
}

void PrintPreviewPanel::SSCommand80_Click(int index) {
    switch (index) {
        case PrinterFontButton: PrinterFont(); return;
        case PageSetupButton: PageSetup(); return;
        case CancelButton: Cancel(); return;
        case CopyPageButton: CopyCurrentPage(); return;
        default:
            if (onButton) onButton(index);
            return;
    }
}

void PrintPreviewPanel::PrinterFont() {
    PrintFontSettings& f = font();
    platform::Printer::FontChoice choice{f.font(), f.PrintFontColor};
    if (!app_.runtime().services().printer.FontDialog(choice)) return;
    f.PrintFontName = choice.font.name;
    f.PrintFontSize = choice.font.size;
    f.PrintFontBold = choice.font.bold;
    f.PrintFontItalic = choice.font.italic;
    f.PrintFontUnderline = choice.font.underline;
    f.PrintFontStrikethru = choice.font.strikethrough;
    f.PrintFontColor = choice.color;
    ShowPrintFont();
    Rerender();
}

void PrintPreviewPanel::showOrientation() {
    Panel3D80[OrientationDisplay]->setCaption(document().orientation() == ui::Orientation::Landscape ? " Landscape"
                                                                                                     : " Portrait");
}

void PrintPreviewPanel::StartPortrait() {
    document().setOrientation(ui::Orientation::Portrait);
    showOrientation();
}

void PrintPreviewPanel::PageSetup() {
    ui::PaperSize paper = document().paper();
    ui::Orientation orientation = document().orientation();
    if (app_.runtime().services().printer.PageSetupDialog(paper, orientation)) {
        document().setPaper(paper);
        document().setOrientation(orientation);
    }
    showOrientation();
    app_.runtime().doEvents();
    Rerender();
}

void PrintPreviewPanel::Cancel() {
    open_ = false;
    SSPanel80->setVisible(false);
    app_.runtime().doEvents();
    if (onCancel) onCancel();
}

void PrintPreviewPanel::CopyCurrentPage() {
    if (app_.runtime().services().clipboard.SetPage(document(), VSPrinter1->PreviewPage())) {
        app_.dialogs().MessageBox({"Copy Option", "Current Page has been copied to the Windows Clipboard.",
                                   MsgIcon::Information, MsgButtons::OK, 1});
    } else {
        app_.dialogs().MessageBox(
            {"Copy Option", "The page could not be copied to the clipboard.", MsgIcon::Exclamation, MsgButtons::OK, 1});
    }
    SSCommand80[CancelButton]->SetFocus();
}

void PrintPreviewPanel::Print() { static_cast<void>(app_.runtime().services().printer.Print(document())); }

void PrintPreviewPanel::SSCommand1_Click() {
    if (!enlarged_) {
        enlarged_ = true;
        SSCommand1->setCaption("Normal");
        VSPrinter1->setLeft(design_.enlargedLeft);
        VSPrinter1->setWidth(SSPanel80->Width() - design_.enlargedMargin);
        VSPrinter1->setZoom(ui::PrintPreview::Zoom::Enlarged);
        return;
    }
    enlarged_ = false;
    SSCommand1->setCaption("Enlarge");
    VSPrinter1->setWidth(PreviewWidth);
    VSPrinter1->setLeft(PreviewLeft);
    VSPrinter1->setZoom(ui::PrintPreview::Zoom::Normal);
    SSCommand80[CancelButton]->SetFocus();
}

bool PrintPreviewPanel::textFits(const std::string& text) {
    return document().TextWidth(text) <= document().PageWidth();
}

void PrintPreviewPanel::SSCommand2_Click() {
    ui::PrintDocument& doc = document();
    const std::string text(static_cast<std::size_t>(design_.autoSizeLetters), 'n');
    doc.MarginLeft = doc.MarginRight = doc.MarginTop = doc.MarginBottom = 0;
    if (!(doc.font.size > 0)) doc.font.size = font().PrintFontSize > 0 ? font().PrintFontSize : design_.defaultFontSize;
    // Larger while the line is narrower than the page, then smaller until
    // it fits; each within the sizes a font can have, so the search ends.
    auto step = [&](double by) {
        doc.font.size += by;
        app_.runtime().doEvents();
    };
    if (doc.TextWidth(text) < doc.PageWidth())
        while (doc.TextWidth(text) < doc.PageWidth() && doc.font.size + 1 <= LargestSize) step(1);
    while (!textFits(text) && doc.font.size - 1 >= SmallestSize) step(-1);
    font().PrintFontSize = std::floor(doc.font.size);
    Panel3D80[FontSizeDisplay]->setCaption(" " + basic::CStr(font().PrintFontSize));
    ui::Font sample = Panel3d82->font();
    sample.size = font().PrintFontSize;
    Panel3d82->setFont(sample);
    SSCommand80[CancelButton]->SetFocus();
    Rerender();
}

void PrintPreviewPanel::SSOption82_Click(int index) {
    VSPrinter1->setGuideLines(index != 0);
    PrintFontSettings& f = font();
    if (f.PrintOptionsLoading) {
        f.PrintOptionsLoading = false;
        return;
    }
    static_cast<void>(shell::settings::WriteText(app_.folder(), guideLineRecord_, index == 0 ? "0" : "1"));
}

}  // namespace printing
