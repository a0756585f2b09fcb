#include "recipes/printing/recipe_page.h"

#include <vector>

#include "platform/basic/text.h"

namespace printing {

namespace {

// The page width is divided by these to place the texts, so a printout
// follows the paper and orientation of the page setup.
constexpr double kLeftTextAt = 30;      // the yield, the headings, the footer
constexpr double kRightTextAt = 1.448;  // the cooking time and oven temperature
constexpr double kCentreAt = 2;         // the type and name

// One column pair of the ingredient table: the amount centred, the unit and
// the ingredient from their left edges.
struct TableSide {
    double amountCentreAt;
    double unitAt;
    double ingredientAt;
};
constexpr TableSide kLeftSide{20, 10, 4.5};
constexpr TableSide kRightSide{1.9, 1.75, 1.448};

constexpr int kTwoColumnLines = recipes::IngredientLineCount / 2;
// The bottom half of a page starts this far below the middle.
constexpr double kBottomHalfGap = 100;
constexpr double kDirectionsIndent = 700;
constexpr double kFooterSize = 6;
// Index entries hold the name (41 at most) in their first characters.
constexpr long kPrintedNameLength = 45;

// The degree sign of Windows-1252.
constexpr std::string_view kDegreeSign = "\xB0";

// Writes one side of the table: each of its three columns from the top of
// the table down, under its heading.
void WriteTableSide(ui::PrintDocument& doc, double top, const TableSide& side,
                    const std::vector<const PrintedIngredient*>& rows) {
    const double w = doc.PageWidth();
    doc.CurrentY = top;
    WriteCentred(doc, w / side.amountCentreAt, "Amt.");
    for (const PrintedIngredient* row : rows) WriteCentred(doc, w / side.amountCentreAt, row->amount);
    doc.CurrentY = top;
    WriteAt(doc, w / side.unitAt, "Type");
    for (const PrintedIngredient* row : rows) WriteAt(doc, w / side.unitAt, row->unit);
    doc.CurrentY = top;
    WriteAt(doc, w / side.ingredientAt, "Ingredient");
    for (const PrintedIngredient* row : rows) WriteAt(doc, w / side.ingredientAt, row->ingredient);
}

void WriteIngredientTable(ui::PrintDocument& doc, const PrintedRecipe& recipe, int layout) {
    const double top = doc.CurrentY;
    if (layout == FullPageOneColumn) {
        std::vector<const PrintedIngredient*> rows;
        for (const PrintedIngredient& row : recipe.rows)
            if (!row.empty) rows.push_back(&row);
        WriteTableSide(doc, top, kLeftSide, rows);
        return;
    }
    // Line i holds row i on the left and row i + 10 on the right; a line
    // with neither is left out of both sides, so the sides stay level.
    std::vector<const PrintedIngredient*> left;
    std::vector<const PrintedIngredient*> right;
    for (int line = 0; line < kTwoColumnLines; ++line) {
        const PrintedIngredient& l = recipe.rows[static_cast<std::size_t>(line)];
        const PrintedIngredient& r = recipe.rows[static_cast<std::size_t>(line + kTwoColumnLines)];
        if (l.empty && r.empty) continue;
        left.push_back(&l);
        right.push_back(&r);
    }
    WriteTableSide(doc, top, kLeftSide, left);
    WriteTableSide(doc, top, kRightSide, right);
}

}  // namespace

std::string PrintedRecipeName(std::string_view entry) { return basic::Trim(basic::Left(entry, kPrintedNameLength)); }

bool IsEmptyIngredient(std::string_view amount, std::string_view unit, std::string_view ingredient) {
    return basic::Trim(amount).empty() && basic::Trim(unit).empty() && basic::Trim(ingredient).empty();
}

std::string OvenTemperatureLine(std::string_view temperature) {
    return "Oven Temperature: " + std::string(temperature) + std::string(kDegreeSign);
}

void WriteRecipe(ui::PrintDocument& doc, const PrintFontSettings& font, const PrintedRecipe& recipe, int layout) {
    const double w = doc.PageWidth();
    const bool fullPage = IsFullPageLayout(layout);
    auto separator = [&] {
        if (fullPage) doc.Paragraph("");
    };

    if (layout == BottomHalfOfPage) doc.CurrentY = doc.PageHeight() / 2 + kBottomHalfGap;
    else doc.Paragraph("");

    doc.font.size = font.PrintFontSize + 2;
    WriteCentred(doc, w / kCentreAt, recipe.type);
    separator();
    WriteCentred(doc, w / kCentreAt, recipe.name);
    doc.font.size = font.PrintFontSize;
    separator();

    // The yield on the left of a line, the cooking time on the right of the
    // same line, the oven temperature under it (or beside the yield when
    // there is no cooking time); a blank line stands for a missing one.
    const double yieldLineY = doc.CurrentY;
    if (recipe.yieldLine) WriteAt(doc, w / kLeftTextAt, *recipe.yieldLine);
    doc.CurrentY = yieldLineY;
    if (recipe.cookingTimeLine) WriteAt(doc, w / kRightTextAt, *recipe.cookingTimeLine);
    if (recipe.ovenTemperatureLine) WriteAt(doc, w / kRightTextAt, *recipe.ovenTemperatureLine);
    else doc.Paragraph("");

    WriteAt(doc, w / kLeftTextAt, "Ingredients:");
    separator();
    WriteIngredientTable(doc, recipe, layout);

    doc.Paragraph("");
    WriteAt(doc, w / kLeftTextAt, "Directions:");
    separator();
    doc.IndentLeft = doc.IndentRight = kDirectionsIndent;
    WriteAt(doc, doc.MarginLeft + doc.IndentLeft, recipe.directions);
    doc.IndentLeft = doc.IndentRight = 0;
}

void WriteFooter(ui::PrintDocument& doc, const PrintFontSettings& font, std::string_view printedOnDate) {
    const double x = doc.PageWidth() / kLeftTextAt;
    doc.Paragraph("");
    doc.font.size = kFooterSize;
    WriteAt(doc, x, "Pantrivo");
    WriteAt(doc, x, "Printed on " + std::string(printedOnDate));
    doc.font.size = font.PrintFontSize;
}

}  // namespace printing
