#include "platform/qt/qt_printer.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/page_painter.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/ui/units.h"

namespace platform::qt {

namespace {

QFont PrinterFont(const ui::Font& font, QPaintDevice& device) { return QFont(PrintFont(font), &device); }

// Paper and orientation on the printer; the whole paper is the page, as the
// document places its text from the paper's edges.
void UsePage(QPrinter& printer, ui::PaperSize paper, ui::Orientation orientation) {
    const QPageSize size(QSizeF(paper.width / ui::TwipsPerPoint, paper.height / ui::TwipsPerPoint), QPageSize::Point);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(
        size, orientation == ui::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait, {}));
}

}  // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer() const {
    // Made on first use: opening the printer system takes a moment.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setDocName(QStringLiteral("Pantrivo"));
    }
    return *printer_;
}

double QtPrinter::TextWidth(const ui::Font& font, std::string_view text) const {
    QPrinter& device = printer();
    const QFontMetricsF metrics(PrinterFont(font, device), &device);
    return metrics.horizontalAdvance(ToQt(text)) * ui::TwipsPerInch / device.resolution();
}

double QtPrinter::LineHeight(const ui::Font& font) const {
    QPrinter& device = printer();
    const QFontMetricsF metrics(PrinterFont(font, device), &device);
    return metrics.lineSpacing() * ui::TwipsPerInch / device.resolution();
}

bool QtPrinter::Available() const { return true; }

bool QtPrinter::SetFontName(const std::string& name) {
    QPrinter& device = printer();
    const QFont asked(ToQt(name));
    // The family the printer really uses for the name asked.
    fontName_ = FromQt(QFontInfo(QFont(asked, &device)).family());
    return !fontName_.empty();
}

std::string QtPrinter::FontName() const {
    if (!fontName_.empty()) return fontName_;
    // Until a font is asked for, the printer writes in its own default one.
    QPrinter& device = printer();
    return FromQt(QFontInfo(QFont(QFont(), &device)).family());
}

bool QtPrinter::PageSetupDialog(ui::PaperSize& paper, ui::Orientation& orientation) {
    QPrinter& device = printer();
    UsePage(device, paper, orientation);
    QPageSetupDialog dialog(&device, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QPageLayout layout = device.pageLayout();
    const QSizeF points = layout.pageSize().size(QPageSize::Point);
    paper = {points.width() * ui::TwipsPerPoint, points.height() * ui::TwipsPerPoint};
    orientation =
        layout.orientation() == QPageLayout::Landscape ? ui::Orientation::Landscape : ui::Orientation::Portrait;
    return true;
}

bool QtPrinter::Print(const ui::PrintDocument& document) {
    if (document.PageCount() == 0) return false;
    QPrinter& device = printer();
    UsePage(device, document.paper(), document.orientation());
    device.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&device, QApplication::activeWindow());
    dialog.setMinMax(1, document.PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    return PrintDocumentTo(device, document);
}

namespace {

// The font dialog has no colour of its own: a button beside its OK and
// Cancel chooses one, its face showing the colour chosen.
void AddColorButton(QFontDialog& dialog, QColor& color) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!buttons) return;
    QPushButton* button = buttons->addButton(QStringLiteral("&Color..."), QDialogButtonBox::ActionRole);
    button->setObjectName(QStringLiteral("color"));
    const auto showColor = [button, &color] {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        button->setIcon(swatch);
    };
    showColor();
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &color, showColor] {
        const QColor chosen = QColorDialog::getColor(color, &dialog, QStringLiteral("Color"));
        if (!chosen.isValid()) return;
        color = chosen;
        showColor();
    });
}

}  // namespace

bool QtPrinter::FontDialog(FontChoice& choice) {
    QFont start = PrintFont(choice.font);
    start.setFamily(QFontInfo(start).family());  // the face the name stands for, so the list shows it chosen
    QFontDialog dialog(QApplication::activeWindow());
    // Qt's own dialog, so that the colour button finds its place.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(start);
    QColor color = ToQColor(choice.color);
    AddColorButton(dialog, color);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    choice.font.name = FromQt(chosen.family());
    choice.font.size = chosen.pointSizeF();
    choice.font.bold = chosen.bold();
    choice.font.italic = chosen.italic();
    choice.font.underline = chosen.underline();
    choice.font.strikethrough = chosen.strikeOut();
    choice.color = FromQColor(color);
    return true;
}

bool PrintDocumentTo(QPrinter& printer, const ui::PrintDocument& document) {
    int first = 0;
    int last = document.PageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage() - 1);
        last = std::min(last, printer.toPage() - 1);
    }
    if (first > last) return false;
    UsePage(printer, document.paper(), document.orientation());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / ui::TwipsPerInch;
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) return false;
        PaintPage(painter, document.pages()[static_cast<std::size_t>(page)], scale);
    }
    return painter.end();
}

}  // namespace platform::qt
