#pragma once
#include <string_view>

#include "platform/ui/print_document.h"
#include "printing/print_font.h"

// The steps every printout takes on its document: start and end it in the
// print font, and write a text at a place on the current line.
namespace printing {

// A new document in the print font, both colours the font's colour, no
// margins and no indents, started on page 1.
void StartPrintout(ui::PrintDocument& doc, const PrintFontSettings& font);
// Ends the document and leaves its font at the print font's size, where a
// later automatic sizing starts from.
void EndPrintout(ui::PrintDocument& doc, const PrintFontSettings& font);

// Writes text from x on the current line and moves on to the next line; a
// text too long for the rest of the line wraps onto lines that start at x
// too, so it stays in its column.
void WriteAt(ui::PrintDocument& doc, double x, std::string_view text);
// The same, centred on x by the width of the text without its blanks.
void WriteCentred(ui::PrintDocument& doc, double x, std::string_view text);

}  // namespace printing
