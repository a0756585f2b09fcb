#include "printing/text_measure.h"

namespace printing {

namespace {
// A font that measures a blank as nothing must not keep the copy adding them.
constexpr int MostBlanks = 1000;
}  // namespace

double TextMeasure::Width(std::string_view text) const { return metrics ? metrics->TextWidth(font, text) : 0; }

std::string TextMeasure::Fill(std::string_view text, double width) const {
    std::string filled(text);
    for (int added = 0; added < MostBlanks && Width(filled) < width; ++added) filled += ' ';
    return filled;
}

TextMeasure PrinterMeasure(const platform::Printer& printer) {
    if (!printer.Available() || printer.FontName().empty()) return {};
    ui::Font font;
    font.name = printer.FontName();
    font.size = PrinterFontSize;
    return {&printer, font};
}

}  // namespace printing
