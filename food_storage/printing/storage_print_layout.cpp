#include "food_storage/printing/storage_print_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "platform/basic/text.h"
#include "printing/page_writing.h"

namespace food_storage {

namespace {

constexpr std::array<std::string_view, 12> MonthNames = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};

// A printed column: its heading's three words (the first column has two),
// where heading and cells are centred, and where the rule after it stands,
// each as the divisor of the page width. The rules' divisors are single
// precision, as forms printed by earlier versions placed them.
struct PrintColumn {
    std::array<std::string_view, 3> heading;
    double centreAt;
    float ruleAt;  // 0: no rule after it (the frame's right edge)
};

// clang-format off
constexpr std::array<PrintColumn, 8> EightColumns = {{
    {{"Storage", "Item", ""},        8,    3.48f},
    {{"Number", "In", "Family"},     3,    2.62f},
    {{"Amount", "Per", "Person"},    2.33, 2.08f},
    {{"Total", "Amount", "Needed"},  1.86, 1.67f},
    {{"Amount", "On", "Hand"},       1.53, 1.41f},
    {{"Last", "Action", "Date"},     1.31, 1.22f},
    {{"Last", "Action", "Added"},    1.16, 1.1f},
    {{"Last", "Action", "Used"},     1.05, 0},
}};
constexpr std::array<PrintColumn, 5> FiveColumns = {{
    {{"Storage", "Item", ""},        6,    2.89f},
    {{"Number", "In", "Family"},     2.4,  2.05f},
    {{"Amount", "Per", "Person"},    1.75, 1.53f},
    {{"Total", "Amount", "Needed"},  1.35, 1.21f},
    {{"Amount", "On", "Hand"},       1.1,  0},
}};
// clang-format on

// The rows after which a category block ends or its heading stands, by kind.
constexpr int BasicRuleRows[] = {1, 12, 13, 21, 22, 33, 34, 35, 39, 40, 53, 54};
constexpr int EmergencyRuleRows[] = {1, 10, 11, 12, 24, 25, 32, 33, 38, 39, 45, 46, 54};
constexpr int AdditionalRuleRows[] = {1, 16, 17, 32, 33, 41, 42, 46, 47};

std::span<const int> RuleRowsOf(StorageKind kind) {
    switch (kind) {
        case StorageKind::Basic: return BasicRuleRows;
        case StorageKind::Emergency: return EmergencyRuleRows;
        case StorageKind::Additional: return AdditionalRuleRows;
    }
    return {};
}

constexpr double ItemCellsAt = 40;     // column 1's cells start at W / 40
constexpr double BottomRoom = 400;     // a page takes rows until this far above its foot
constexpr double HeadingsRaise = 300;  // the headings start this far above the As-of line's end
constexpr double AfterHeadings = 20;
constexpr double RuleWidth = 15;  // twips
constexpr double FrameIn = 2;

// Whole twips, as the rows are placed.
double Whole(double twips) { return std::nearbyint(twips); }

class StorageLayout {
public:
    StorageLayout(ui::PrintDocument& doc, const printing::PrintFontSettings& font, StorageKind kind,
                  const StorageTable& table, std::string_view caption, basic::CalendarDate asOf,
                  const StoragePrintOptions& options)
        : doc_(doc),
          font_(font),
          kind_(kind),
          table_(table),
          title_(basic::Trim(caption)),
          asOfLine_(AsOfLine(asOf)),
          options_(options),
          columns_(PrintsFiveColumns(options.range) ? std::span<const PrintColumn>(FiveColumns)
                                                    : std::span<const PrintColumn>(EightColumns)) {}

    void Run() {
        printing::StartPrintout(doc_, font_);
        doc_.LineWidth = RuleWidth;
        doc_.CurrentY = 0;
        PageHead();
        for (int r = 1; r <= StorageRows; ++r) PrintRow(r);
        // The last page's frame reaches as far down as the first page's, so
        // every page of a longer form looks alike.
        ruleBottom_ = firstPageBottom_ >= 1 ? firstPageBottom_ : doc_.CurrentY;
        if (options_.GridLines) DrawColumnRules();
        printing::EndPrintout(doc_, font_);
    }

private:
    double W() const { return doc_.PageWidth(); }
    double H() const { return doc_.PageHeight(); }

    // The row's cell as the printout reads it: as the grid shows it, without
    // trailing blanks.
    std::string Cell(int row, std::size_t column) const {
        return basic::RTrim(ShownCell(kind_, table_, row, static_cast<int>(column)));
    }

    // Whether the row puts anything on the page: it is in the range and
    // one of its printed cells holds a text.
    bool Prints(int row) const {
        if (PrintsOnlyOnHandRows(options_.range) && Cell(row, OnHandColumn).empty()) return false;
        for (std::size_t c = 0; c < columns_.size(); ++c)
            if (!Cell(row, c).empty()) return true;
        return false;
    }

    void PageHead() {
        const double w = W();
        doc_.font.size = font_.PrintFontSize + 2;
        printing::WriteAt(doc_, w / 2 - doc_.TextWidth(title_) / 2, title_);
        doc_.font.size = font_.PrintFontSize;
        AsOf();
        ColumnHeadings();
        if (options_.GridLines) doc_.DrawLine(FrameIn, doc_.CurrentY, w - FrameIn, doc_.CurrentY);
        doc_.CurrentY += AfterHeadings;
    }

    // With the date off its line stays, empty, so the headings keep their place.
    void AsOf() {
        const double w = W();
        if (options_.AsOfDate) printing::WriteAt(doc_, w / 2 - doc_.TextWidth(asOfLine_) / 2, asOfLine_);
        else doc_.Paragraph("");
        ruleTop_ = doc_.CurrentY;
        if (options_.GridLines) doc_.DrawLine(1, doc_.CurrentY, w, doc_.CurrentY);
    }

    void ColumnHeadings() {
        doc_.CurrentY -= HeadingsRaise;
        std::array<double, 4> wordY{};
        for (double& y : wordY) {
            doc_.Paragraph("");
            y = doc_.CurrentY;
        }
        for (const PrintColumn& column : columns_) {
            for (std::size_t k = 0; k < column.heading.size(); ++k) {
                if (column.heading[k].empty()) continue;
                doc_.CurrentY = wordY[k];
                printing::WriteCentred(doc_, W() / column.centreAt, column.heading[k]);
            }
        }
        doc_.CurrentY = wordY[3];
    }

    void PrintRow(int row) {
        // Only a row that prints breaks the page, so no page ends the form
        // with its headings alone.
        if (!Prints(row)) return;
        if (doc_.CurrentY > H() - BottomRoom || doc_.CurrentY + doc_.LineHeight() > H()) BreakPage();
        const double rowY = Whole(doc_.CurrentY);
        // The next row starts below the lowest cell, so a cell that wrapped
        // is never printed over.
        double rowEnd = rowY;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const std::string text = Cell(row, c);
            if (text.empty()) continue;
            doc_.CurrentY = rowY;
            if (c == 0) printing::WriteAt(doc_, W() / ItemCellsAt, text);
            else printing::WriteCentred(doc_, W() / columns_[c].centreAt, text);
            rowEnd = std::max(rowEnd, doc_.CurrentY);
        }
        doc_.CurrentY = rowEnd;
        ruleBottom_ = rowEnd;
        if (options_.GridLines && doc_.CurrentY < H() - BottomRoom) CategoryRule(row);
    }

    void BreakPage() {
        ruleBottom_ = doc_.CurrentY;
        if (firstPageBottom_ == 0) firstPageBottom_ = ruleBottom_;
        if (options_.GridLines) DrawColumnRules();
        doc_.NewPage();
        doc_.CurrentY = 0;
        PageHead();
    }

    void CategoryRule(int row) {
        for (const int ruled : RuleRowsOf(kind_)) {
            if (ruled != row) continue;
            doc_.DrawLine(FrameIn, doc_.CurrentY, W() - FrameIn, doc_.CurrentY);
            return;
        }
    }

    // The page frame and the rules between the columns, from under the As-of
    // line down to the page's last row.
    void DrawColumnRules() {
        const double w = W();
        const double bottom = ruleBottom_;
        doc_.DrawLine(FrameIn, FrameIn, w - FrameIn, FrameIn);
        doc_.DrawLine(FrameIn, FrameIn, FrameIn, bottom);
        doc_.DrawLine(w - FrameIn, FrameIn, w - FrameIn, bottom);
        doc_.DrawLine(FrameIn, bottom, w - FrameIn, bottom);
        for (const PrintColumn& column : columns_) {
            if (column.ruleAt == 0) continue;
            const double x = static_cast<float>(w) / column.ruleAt;
            doc_.DrawLine(x, ruleTop_, x, bottom);
        }
    }

    ui::PrintDocument& doc_;
    const printing::PrintFontSettings& font_;
    StorageKind kind_;
    const StorageTable& table_;
    std::string title_;
    std::string asOfLine_;
    StoragePrintOptions options_;
    std::span<const PrintColumn> columns_;
    double ruleTop_ = 0;
    double ruleBottom_ = 0;
    double firstPageBottom_ = 0;
};

}  // namespace

std::string AsOfLine(basic::CalendarDate date) {
    const std::size_t month = date.month >= 1 && date.month <= 12 ? static_cast<std::size_t>(date.month - 1) : 0;
    const std::string day = (date.day < 10 ? "0" : "") + std::to_string(date.day);
    return "As of  " + std::string(MonthNames[month]) + " " + day + ", " + std::to_string(date.year);
}

void LayoutStorageTable(ui::PrintDocument& doc, const printing::PrintFontSettings& font, StorageKind kind,
                        const StorageTable& table, std::string_view caption, basic::CalendarDate asOf,
                        const StoragePrintOptions& options) {
    StorageLayout(doc, font, kind, table, caption, asOf, options).Run();
}

}  // namespace food_storage
