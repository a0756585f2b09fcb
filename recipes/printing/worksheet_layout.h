#pragma once
#include "platform/ui/print_document.h"
#include "printing/print_font.h"

// The blank recipe worksheet: labelled lines to fill in by hand.
namespace printing {

// Lays the worksheet out as a new document, replacing what doc held, in the
// print font without underline (its lines are drawn with "_").
void LayoutWorksheet(ui::PrintDocument& doc, const PrintFontSettings& font);

}  // namespace printing
