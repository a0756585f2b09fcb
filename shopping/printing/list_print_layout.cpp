#include "shopping/printing/list_print_layout.h"

#include <cmath>
#include <string>

#include "platform/basic/text.h"
#include "printing/page_writing.h"
#include "shopping/printing/shopping_date_text.h"

namespace shopping {

using printing::WriteAt;
using printing::WriteCentred;

namespace {

// Positions are fractions of the page width, so the printout follows the
// paper and orientation of the page setup.
struct ListColumn {
    double itemAt;
    double amountCentreAt;
};
constexpr ListColumn kLeftColumn{100, 2.5};
constexpr ListColumn kRightColumn{1.97, 1.11};
constexpr double kItemHeadingCentreAt = 6;   // left column
constexpr double kItemHeadingEndsAt = 1.38;  // right column

constexpr double kHeaderTop = 100;
constexpr double kBottomRoom = 400;  // a column is full when a row reaches this far above the page's foot
constexpr double kDividerGap = 10;
constexpr double kAfterDivider = 3;
constexpr int kItemsPerGroup = 5;

constexpr std::string_view kCheckBox = "[   ]";
constexpr std::size_t kItemField = 28;
constexpr std::size_t kShownItem = 26;

// Positions kept as whole twips, as the page's rows are placed.
double Whole(double twips) { return std::nearbyint(twips); }

// A blank line in the current font, without the page flow of a paragraph.
void SkipLine(ui::PrintDocument& doc) { doc.CurrentY += doc.LineHeight(); }

// The item line: the check box, then the item in a field of 28 characters.
// A long item shows its first 26 characters after three blanks, whole.
std::string ItemLine(const ShoppingList& list, int row) {
    std::string text = list.Row(row).item;
    if (const auto line = list.LineAtRow(row)) {
        const std::string item = ItemOfLine(list.EntryLines()[static_cast<std::size_t>(*line)]);
        if (item.size() > kShownItem) text = "   " + item.substr(0, kShownItem);
    }
    if (text.size() < kItemField) text.resize(kItemField, ' ');
    return std::string(kCheckBox) + text;
}

class ListLayout {
public:
    ListLayout(ui::PrintDocument& doc, const printing::PrintFontSettings& font, std::string_view familyName,
               std::string_view dateBoxText, const ListPrintOptions& options)
        : doc_(doc),
          font_(font),
          familyName_(familyName),
          dateLine_(ShoppingDateLine(dateBoxText)),
          options_(options) {}

    void Run(const ShoppingList& list) {
        printing::StartPrintout(doc_, font_);
        PrintPageHeader();
        const double firstRowTop = Whole(doc_.CurrentY);
        // Every row the grid shows: after a heading sort an empty row may
        // stand above items, which still print.
        for (int r = 1; r < list.Rows(); ++r) {
            if (state_ == Column::RightStarts) {
                doc_.CurrentY = firstRowTop;
                state_ = Column::Right;
            }
            if (basic::Trim(list.Row(r).item).empty()) continue;
            PrintRow(list, r);
        }
        printing::EndPrintout(doc_, font_);
    }

private:
    enum class Column { Left, RightStarts, Right };

    bool inLeft() const { return state_ == Column::Left; }
    const ListColumn& column() const { return inLeft() ? kLeftColumn : kRightColumn; }

    void PrintRow(const ShoppingList& list, int r) {
        const double w = doc_.PageWidth();
        const double rowTop = Whole(doc_.CurrentY);
        const double itemX = Whole(w / column().itemAt);
        WriteAt(doc_, itemX, ItemLine(list, r));
        const std::string& amount = list.Row(r).amount;
        if (!amount.empty()) {
            doc_.CurrentY = rowTop;
            WriteCentred(doc_, w / column().amountCentreAt, amount);
        }
        if (doc_.CurrentY + doc_.LineHeight() >= doc_.PageHeight() - kBottomRoom) {
            ColumnFull(itemX);
            return;
        }
        if (++groupCount_ < kItemsPerGroup) return;
        doc_.CurrentY += kDividerGap;
        if (inLeft()) Divider(itemX, w / 2);
        else Divider(w / 2, w - 2);
        doc_.CurrentY += kAfterDivider;
        groupCount_ = 0;
    }

    void ColumnFull(double itemX) {
        if (inLeft()) {
            state_ = Column::RightStarts;
            // The left column's last divider ends at the column's edge, as every other one does.
            if (groupCount_ + 1 >= kItemsPerGroup) {
                doc_.CurrentY += kDividerGap;
                Divider(itemX, doc_.PageWidth() / 2);
            }
            groupCount_ = 0;
            PrintPageHeader();
            return;
        }
        doc_.NewPage();
        state_ = Column::Left;
        PrintPageHeader();
        groupCount_ = 0;
    }

    void Divider(double x1, double x2) {
        if (!options_.DividerLinesOff) doc_.DrawLine(x1, doc_.CurrentY, x2, doc_.CurrentY);
    }

    // The title, the date line and the headings at the top of a page; the
    // right column's headings, level with the left's, when it starts.
    void PrintPageHeader() {
        const double w = doc_.PageWidth();
        doc_.MarginLeft = doc_.MarginRight = doc_.MarginTop = doc_.MarginBottom = 0;
        doc_.TextColor = font_.PrintFontColor;
        doc_.CurrentY = kHeaderTop;
        if (inLeft()) {
            const std::string title =
                familyName_.empty() ? "Grocery Shopping List" : std::string(familyName_) + " Grocery Shopping List";
            doc_.font.size = font_.PrintFontSize + 2;
            WriteCentred(doc_, w / 2, title);
            doc_.font.size = font_.PrintFontSize - 2;
            // With the date off its line stays, so the headings keep their height.
            if (options_.PrintDateOff) SkipLine(doc_);
            else WriteCentred(doc_, w / 2, dateLine_);
            SkipLine(doc_);
            doc_.CurrentY += kDividerGap;
            doc_.font.size = font_.PrintFontSize;
            headingTop_ = Whole(doc_.CurrentY);
            WriteCentred(doc_, w / kItemHeadingCentreAt, "Grocery Items");
        } else {
            doc_.CurrentY = headingTop_;
            WriteAt(doc_, w / kItemHeadingEndsAt - doc_.TextWidth("Grocery Items"), "Grocery Items");
        }
        doc_.CurrentY = headingTop_;
        WriteCentred(doc_, w / column().amountCentreAt, AmountHeading);
        SkipLine(doc_);
        doc_.CurrentY += kDividerGap;
    }

    ui::PrintDocument& doc_;
    const printing::PrintFontSettings& font_;
    std::string_view familyName_;
    std::string dateLine_;
    ListPrintOptions options_;
    Column state_ = Column::Left;
    int groupCount_ = 0;
    double headingTop_ = 0;
};

// The worksheet's columns: the headings' left edges and the rules between them.
constexpr double kWorksheetHeadingsAt[] = {10, 2.65, 1.65, 1.128};
constexpr std::string_view kWorksheetHeadings[] = {"Grocery Item", "Amount", "Grocery Item", "Amount"};
// The pair at 2 and 1.99 makes a double rule between the two halves.
constexpr double kWorksheetRulesAt[] = {3.1, 2, 1.99, 1.2};
constexpr double kWorksheetEdge = 2;       // the frame's left and top, in from the paper's edges
constexpr double kWorksheetRightIn = 5;    // the frame's right, in from the paper's edge
constexpr double kWorksheetRuleGap = 20;   // around the title's and the headings' rules
constexpr double kWorksheetLineGap = 100;  // below each writing line's rule

}  // namespace

void LayoutShoppingList(ui::PrintDocument& doc, const printing::PrintFontSettings& font, const ShoppingList& list,
                        std::string_view familyName, std::string_view dateBoxText, const ListPrintOptions& options) {
    ListLayout(doc, font, familyName, dateBoxText, options).Run(list);
}

void LayoutListWorksheet(ui::PrintDocument& doc, const printing::PrintFontSettings& font) {
    printing::StartPrintout(doc, font);
    const double w = doc.PageWidth();
    const double h = doc.PageHeight();
    const double left = kWorksheetEdge;
    const double right = w - kWorksheetRightIn;
    auto rule = [&](double y) { doc.DrawLine(left, y, right, y); };
    double lastRuleY = Whole(h - 200);

    rule(kWorksheetEdge);
    doc.font.size = font.PrintFontSize + 2;
    WriteCentred(doc, w / 2, "Shopping List Worksheet");
    doc.CurrentY += kWorksheetRuleGap;
    rule(doc.CurrentY);
    doc.CurrentY += kWorksheetRuleGap;

    const double headY = doc.CurrentY;
    doc.font.size = font.PrintFontSize;
    for (std::size_t i = 0; i < std::size(kWorksheetHeadings); ++i) {
        doc.CurrentY = headY;
        WriteAt(doc, w / kWorksheetHeadingsAt[i], kWorksheetHeadings[i]);
    }
    doc.CurrentY += kWorksheetRuleGap;
    rule(doc.CurrentY);
    doc.CurrentY += kWorksheetLineGap;

    // Each writing line is one text line below the last; the last may
    // reach below the mark it was started above.
    while (doc.CurrentY < h - 400) {
        SkipLine(doc);
        rule(doc.CurrentY);
        lastRuleY = Whole(doc.CurrentY);
        doc.CurrentY += kWorksheetLineGap;
    }

    doc.DrawLine(left, kWorksheetEdge, left, lastRuleY);
    doc.DrawLine(right, kWorksheetEdge, right, lastRuleY);
    for (const double at : kWorksheetRulesAt) doc.DrawLine(w / at, headY - kWorksheetRuleGap, w / at, lastRuleY);
    printing::EndPrintout(doc, font);
}

}  // namespace shopping
