#include "printing/page_writing.h"

#include "platform/basic/text.h"

namespace printing {

void StartPrintout(ui::PrintDocument& doc, const PrintFontSettings& font) {
    doc.Clear();
    doc.font = font.font();
    doc.TextColor = font.PrintFontColor;
    doc.LineColor = font.PrintFontColor;
    doc.MarginLeft = doc.MarginRight = doc.MarginTop = doc.MarginBottom = 0;
    // Another layout may have left its indents.
    doc.IndentLeft = doc.IndentRight = 0;
    doc.StartDoc();
}

void EndPrintout(ui::PrintDocument& doc, const PrintFontSettings& font) {
    doc.EndDoc();
    doc.font.size = font.PrintFontSize;
}

void WriteAt(ui::PrintDocument& doc, double x, std::string_view text) {
    const double indent = doc.IndentLeft;
    doc.IndentLeft = x - doc.MarginLeft;
    doc.CurrentX = x;
    doc.Paragraph(text);
    doc.IndentLeft = indent;
}

void WriteCentred(ui::PrintDocument& doc, double x, std::string_view text) {
    WriteAt(doc, x - doc.TextWidth(basic::Trim(text)) / 2, text);
}

}  // namespace printing
