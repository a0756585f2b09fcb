#include "recipes/printing/worksheet_layout.h"

#include <string>

#include "recipes/printing/recipe_page.h"

namespace printing {

namespace {

constexpr double kLeftIndent = 400;
// Extra room between the ingredient lines, to write in.
constexpr double kIngredientLineGap = 100;
constexpr int kDirectionsLines = 10;
constexpr ui::OleColor kBlack = 0;

std::string Underlines(int n) { return std::string(static_cast<std::size_t>(n), '_'); }

// Two blanks before a one-digit number keep the points of 9 and 10 one
// above the other in a proportional font.
std::string IngredientLine(int n) {
    return (n < 10 ? "  " : "") + std::to_string(n) + ". - Amt.: " + Underlines(6) + "  Type: " + Underlines(12) +
           "  Ingredient: " + Underlines(38);
}

}  // namespace

void LayoutWorksheet(ui::PrintDocument& doc, const PrintFontSettings& font) {
    // Underline off: it would run into the "_" lines. It is set here for
    // this document only; the next layout sets the font anew.
    PrintFontSettings worksheetFont = font;
    worksheetFont.PrintFontUnderline = false;
    StartPrintout(doc, worksheetFont);
    doc.LineColor = kBlack;
    doc.IndentLeft = kLeftIndent;
    doc.CurrentX = doc.MarginLeft + doc.IndentLeft;

    doc.Paragraph("");
    WriteCentred(doc, doc.PageWidth() / 2, "Recipe WorkSheet");
    doc.Paragraph("");
    doc.Paragraph("Recipe Type:  " + Underlines(48));
    doc.Paragraph("");
    doc.Paragraph("Recipe Name: " + Underlines(48));
    doc.Paragraph("");
    doc.Paragraph("Ingredients:");
    doc.Paragraph("");
    for (int n = 1; n <= recipes::IngredientLineCount; ++n) {
        doc.Paragraph(IngredientLine(n));
        doc.CurrentY += kIngredientLineGap;
    }
    doc.Paragraph("Directions:");
    for (int i = 0; i < kDirectionsLines; ++i) doc.Paragraph("");
    doc.Paragraph("Oven Temperature: " + Underlines(17));
    doc.Paragraph("");
    doc.Paragraph("Cooking Time: " + Underlines(21));
    doc.Paragraph("");
    doc.Paragraph("Recipe Yield: " + Underlines(22));
    EndPrintout(doc, worksheetFont);
}

}  // namespace printing
