#include "menu_planner/printing/menu_print_layout.h"

#include <algorithm>
#include <array>

#include "menu_planner/printing/menu_dates.h"
#include "menu_planner/store/year_menu_file.h"
#include "printing/page_writing.h"

namespace menu_planner {

using printing::WriteAt;
using printing::WriteCentred;

namespace {

// Positions across the page are fractions of its width, so the printout
// follows the paper and orientation of the page setup.
constexpr double kBreakfastHeadAt = 6.5;
constexpr double kLunchHeadAt = 2.05;
constexpr double kDinnerHeadAt = 1.22;
constexpr double kLunchAt = 2.95;
constexpr double kDinnerAt = 1.5;
constexpr double kFirstColumnLineAt = 3.04;
constexpr double kSecondColumnLineAt = 1.52;

constexpr double kLeftX = 30;
constexpr double kEdge = 2;  // rules and the frame, in from the paper's edges
constexpr double kGap = 10;
constexpr double kThinPen = 15;
constexpr double kThickPen = 30;
constexpr double kColumnLinesFrom = 200;  // a block head above this is no head (none printed yet)
constexpr double kDayRoom = 1200;         // a day block starts on a new page this near the page's foot
constexpr double kRowRoom = 700;          // a day runs on to a new page when a row ends this near the foot
constexpr double kFooterUp = 200;
constexpr double kFooterMostSize = 10;
constexpr int kRows = 7;

constexpr std::string_view kNoMenuItems = "No menu items were found for this date.";

class MenuLayout {
public:
    MenuLayout(ui::PrintDocument& doc, const printing::PrintFontSettings& font, const basic::ProgramFolder& folder,
               const MenuPrintSetup& setup)
        : doc_(doc), font_(font), folder_(folder), setup_(setup) {}

    bool CurrentDate(const basic::CalendarDate& day) {
        Start();
        const LoadedDay loaded = ReadDayMenu(folder_, day.year, DayKey(day));
        if (loaded.result != DayRead::InUse) {
            printing::EndPrintout(doc_, font_);
            return false;
        }
        heading_ = LongDayText(day);
        // The block's top rule in the same pen as every other day block's.
        doc_.LineWidth = kThickPen;
        PrintTableHeader();
        for (int r = 0; r < kRows; ++r) PrintRow(loaded.record, r);
        marks_.printedBottom = doc_.CurrentY;
        marks_.columnsBottom = marks_.printedBottom;
        if (setup_.GridLinesOn) {
            DrawColumnLines();
            DrawPageFrame();
        }
        printing::EndPrintout(doc_, font_);
        return true;
    }

    void DateRange(const basic::CalendarDate& start, int followingDays) {
        Start();
        marks_.printedBottom = doc_.CurrentY;
        for (int k = 0; k <= std::min(followingDays, MostFollowingDays); ++k) {
            continued_ = false;
            const basic::CalendarDate day = start.addDays(k);
            heading_ = LongDayText(day);
            const LoadedDay loaded = ReadDayMenu(folder_, day.year, DayKey(day));
            if (loaded.result == DayRead::InUse) SavedDay(loaded.record);
            else UnsavedDay();
            if (setup_.GridLinesOn) DrawPageFrame();
        }
        if (doc_.PageCount() > 1) PrintFooter();
        printing::EndPrintout(doc_, font_);
    }

private:
    // Vertical positions on the current page, in twips.
    struct Marks {
        double blockTop = 0;       // where the next day block starts
        double columnsTop = 0;     // the column lines start below the day's heading
        double printedBottom = 0;  // the bottom of what is printed, where the page frame ends
        double columnsBottom = 0;  // the column lines end here
    };

    double W() const { return doc_.PageWidth(); }
    double H() const { return doc_.PageHeight(); }

    void Start() {
        printing::StartPrintout(doc_, font_);
        PrintPageHeader();
    }

    void Rule(double y) {
        if (setup_.GridLinesOn) doc_.DrawLine(kEdge, y, W() - kEdge, y);
    }

    void PrintPageHeader() {
        doc_.CurrentY = 0;
        doc_.TextColor = font_.PrintFontColor;
        const std::string title = setup_.familyName.empty() ? "Menu Planner" : setup_.familyName + " Menu Planner";
        doc_.font.size = font_.PrintFontSize + 2;
        WriteCentred(doc_, W() / 2, title);
        doc_.font.size = font_.PrintFontSize - 2;
        // With the date off its line stays, empty, so every page keeps its height.
        if (setup_.PrintDateOn) WriteCentred(doc_, W() / 2, "Printed on " + MonthDayYearText(setup_.printedOn));
        else doc_.CurrentY += doc_.LineHeight();
        doc_.CurrentY += kGap;
        marks_.blockTop = doc_.CurrentY;
        doc_.font.size = font_.PrintFontSize;
    }

    // The day's heading and the meals' heads, between rules.
    void PrintTableHeader() {
        doc_.CurrentY = marks_.blockTop;
        Rule(doc_.CurrentY);
        doc_.LineWidth = kThinPen;
        WriteAt(doc_, kLeftX, " " + heading_ + (continued_ ? " [Continued]" : ""));
        doc_.CurrentY += kGap;
        Rule(doc_.CurrentY);
        marks_.columnsTop = doc_.CurrentY;
        doc_.CurrentY += kGap;
        rowTop_ = doc_.CurrentY;
        WriteCentred(doc_, W() / kBreakfastHeadAt, "Breakfast");
        doc_.CurrentY = rowTop_;
        WriteCentred(doc_, W() / kLunchHeadAt, "Lunch");
        doc_.CurrentY = rowTop_;
        WriteCentred(doc_, W() / kDinnerHeadAt, "Dinner");
        doc_.CurrentY += kGap;
        Rule(doc_.CurrentY);
        doc_.CurrentY += kGap;
        rowTop_ = doc_.CurrentY;
        marks_.printedBottom = doc_.CurrentY;
    }

    // Row r (0 to 6) of the three meals; a row without entries takes no room.
    void PrintRow(const DayMenuRecord& record, int r) {
        const auto entry = [&](int meal) -> const std::string& {
            return record.entries[static_cast<std::size_t>(meal * kRows + r)];
        };
        if (!entry(0).empty()) WriteAt(doc_, kLeftX, " " + entry(0));
        if (!entry(1).empty()) {
            doc_.CurrentY = rowTop_;
            WriteAt(doc_, W() / kLunchAt, entry(1));
        }
        if (!entry(2).empty()) {
            doc_.CurrentY = rowTop_;
            WriteAt(doc_, W() / kDinnerAt, entry(2));
        }
        rowTop_ = doc_.CurrentY;
    }

    void DrawColumnLines() {
        if (marks_.columnsTop < kColumnLinesFrom) return;
        for (const double at : {kFirstColumnLineAt, kSecondColumnLineAt})
            doc_.DrawLine(W() / at, marks_.columnsTop, W() / at, marks_.columnsBottom);
        marks_.columnsTop = 0;
        marks_.columnsBottom = 0;
    }

    void DrawPageFrame() {
        const double w = W(), bottom = marks_.printedBottom;
        doc_.LineWidth = kThickPen;
        doc_.DrawLine(kEdge, kEdge, w - kEdge, kEdge);
        doc_.DrawLine(kEdge, kEdge, kEdge, bottom);
        doc_.DrawLine(w - kEdge, kEdge, w - kEdge, bottom);
        doc_.DrawLine(kEdge, bottom, w - kEdge, bottom);
        doc_.LineWidth = kThinPen;
    }

    // "Page n" near the page's foot, kept on its page.
    void PrintFooter() {
        doc_.font.size = std::min(doc_.font.size, kFooterMostSize);
        doc_.CurrentY = H() - kFooterUp;
        const double bottom = doc_.MarginBottom;
        doc_.MarginBottom = -doc_.LineHeight();
        WriteCentred(doc_, W() / 2, "Page " + std::to_string(doc_.PageCount()));
        doc_.MarginBottom = bottom;
    }

    void NextPage() {
        PrintFooter();
        doc_.NewPage();
        PrintPageHeader();
    }

    bool Near(double room) const { return marks_.printedBottom >= H() - room || doc_.CurrentY >= H() - room; }

    void SavedDay(const DayMenuRecord& record) {
        doc_.LineWidth = kThickPen;
        if (Near(kDayRoom)) {
            NextPage();
            marks_.printedBottom = doc_.CurrentY;
        }
        marks_.blockTop = marks_.printedBottom;
        PrintTableHeader();
        doc_.LineWidth = kThinPen;
        marks_.printedBottom = doc_.CurrentY;
        rowTop_ = doc_.CurrentY;
        for (int r = 0; r < kRows; ++r) {
            PrintRow(record, r);
            if (!Near(kRowRoom)) continue;
            marks_.printedBottom = std::max(marks_.printedBottom, doc_.CurrentY);
            marks_.columnsBottom = std::max(marks_.columnsBottom, doc_.CurrentY);
            if (setup_.GridLinesOn) {
                DrawColumnLines();
                DrawPageFrame();
            }
            NextPage();
            if (r < kRows - 1) {
                continued_ = true;
                doc_.LineWidth = kThickPen;
                PrintTableHeader();
                continued_ = false;
                doc_.LineWidth = kThinPen;
            } else {
                rowTop_ = doc_.CurrentY;
            }
            marks_.printedBottom = doc_.CurrentY;
        }
        marks_.printedBottom = std::max(marks_.printedBottom, doc_.CurrentY);
        marks_.columnsBottom = std::max(marks_.columnsBottom, doc_.CurrentY);
        doc_.CurrentY = rowTop_;
        if (setup_.GridLinesOn) DrawColumnLines();
    }

    void UnsavedDay() {
        doc_.LineWidth = kThickPen;
        doc_.CurrentY = marks_.printedBottom;
        Rule(doc_.CurrentY);
        if (doc_.CurrentY >= H() - kRowRoom) {
            NextPage();
            Rule(doc_.CurrentY);
            marks_.printedBottom = doc_.CurrentY;
        }
        doc_.CurrentY += kGap;
        rowTop_ = doc_.CurrentY;
        WriteAt(doc_, kLeftX, " " + heading_);
        doc_.CurrentY = rowTop_;
        WriteAt(doc_, W() / kLunchAt, kNoMenuItems);
        marks_.printedBottom = doc_.CurrentY;
    }

    ui::PrintDocument& doc_;
    const printing::PrintFontSettings& font_;
    const basic::ProgramFolder& folder_;
    const MenuPrintSetup& setup_;
    Marks marks_;
    double rowTop_ = 0;
    std::string heading_;
    bool continued_ = false;
};

}  // namespace

bool LayoutCurrentDate(ui::PrintDocument& doc, const printing::PrintFontSettings& font,
                       const basic::ProgramFolder& folder, const basic::CalendarDate& day,
                       const MenuPrintSetup& setup) {
    return MenuLayout(doc, font, folder, setup).CurrentDate(day);
}

void LayoutDateRange(ui::PrintDocument& doc, const printing::PrintFontSettings& font,
                     const basic::ProgramFolder& folder, const basic::CalendarDate& start, int followingDays,
                     const MenuPrintSetup& setup) {
    MenuLayout(doc, font, folder, setup).DateRange(start, followingDays);
}

}  // namespace menu_planner
