#pragma once
#include <string>
#include <string_view>

#include "platform/services/printer.h"
#include "platform/ui/font.h"
#include "platform/ui/print_document.h"

namespace printing {

// Widths of text in one font, for lining up the columns of copied text.
// Without metrics (no printer) every width is 0, so nothing is lined up.
struct TextMeasure {
    const ui::PrintMetrics* metrics = nullptr;
    ui::Font font;

    double Width(std::string_view text) const;
    // The text followed by blanks, added one at a time, until it is at least
    // this wide.
    std::string Fill(std::string_view text, double width) const;
};

// The program never sets the printer's font size, so the printer keeps its own.
inline constexpr double PrinterFontSize = 10;

// The printer's current font: the name the last opening of a print preview
// set on it, else its default. No metrics when there is no printer.
TextMeasure PrinterMeasure(const platform::Printer& printer);

}  // namespace printing
