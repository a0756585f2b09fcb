#include "platform/qt/qt_printer.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinterInfo>

#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

QFont ToQFont(const ui::Font& font, QPaintDevice& device) {
    QFont f(ToQt(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 1);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return QFont(f, &device);
}

}  // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer() const {
    // Made on first use: opening the printer system takes a moment.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) printer_->setOutputFormat(QPrinter::PdfFormat);
    }
    return *printer_;
}

double QtPrinter::TextWidth(const ui::Font& font, std::string_view text) const {
    QPrinter& device = printer();
    const QFontMetricsF metrics(ToQFont(font, device), &device);
    return metrics.horizontalAdvance(ToQt(text)) * 1440.0 / device.resolution();
}

double QtPrinter::LineHeight(const ui::Font& font) const {
    QPrinter& device = printer();
    const QFontMetricsF metrics(ToQFont(font, device), &device);
    return metrics.lineSpacing() * 1440.0 / device.resolution();
}

bool QtPrinter::Available() const { return true; }

bool QtPrinter::SetFontName(const std::string& name) {
    QPrinter& device = printer();
    const QFont asked(ToQt(name));
    // The family the printer really uses for the name asked.
    fontName_ = FromQt(QFontInfo(QFont(asked, &device)).family());
    return !fontName_.empty();
}

std::string QtPrinter::FontName() const { return fontName_; }

bool QtPrinter::PageSetupDialog(ui::PaperSize&, ui::Orientation&) { return false; }

bool QtPrinter::Print(const ui::PrintDocument&) { return false; }

bool QtPrinter::FontDialog(FontChoice&) { return false; }

}  // namespace platform::qt
