// The month calendar: its day, its settings and the width that follows
// them, today by the program's clock, and the events a user's clicks and
// keys raise.
#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"
#include "platform/ui/design.h"

namespace ui::testing {
namespace {

using basic::CalendarDate;
using Log = std::vector<std::string>;

std::string Text(const CalendarDate& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

platform::LocalTime NoonOf(const CalendarDate& d) {
    return std::chrono::duration_cast<platform::LocalTime>(std::chrono::days(d.serial()) + std::chrono::hours(12));
}

class MonthViewTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
    SampleForm form{rt};
    MonthView* calendar = nullptr;

    MonthViewTest() {
        desk.desktop.clock.setNow(NoonOf({2004, 4, 12}));
        calendar = &form.add<MonthView>("MonthView1");
        calendar->onGotFocus = [this] { form.log.push_back("GotFocus"); };
        calendar->onDateClick = [this](const CalendarDate& d) { form.log.push_back("DateClick " + Text(d)); };
        calendar->onSelChange = [this](const CalendarDate& start, const CalendarDate& end, bool&) {
            form.log.push_back("SelChange " + Text(start) + "-" + Text(end) + " value " + Text(calendar->Value()));
        };
        form.Show();
        form.ok->SetFocus();
        form.log.clear();
    }
};

TEST_F(MonthViewTest, ANewCalendarShowsTodayByTheProgramsClock) {
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 4, 12}));
    EXPECT_EQ(calendar->Today(), (CalendarDate{2004, 4, 12}));
    desk.desktop.clock.setNow(NoonOf({2004, 12, 31}) + std::chrono::hours(11));  // an hour before midnight
    EXPECT_EQ(calendar->Today(), (CalendarDate{2004, 12, 31}));
    desk.desktop.clock.setNow(NoonOf({1969, 12, 31}));  // before 1970 the days count down
    EXPECT_EQ(calendar->Today(), (CalendarDate{1969, 12, 31}));
}

TEST_F(MonthViewTest, SettingsOutsideTheirRangeAreIgnored) {
    calendar->setMonthColumns(3);
    calendar->setMonthColumns(0);
    calendar->setMonthColumns(4);
    EXPECT_EQ(calendar->MonthColumns(), 3);
    calendar->setStartOfWeek(7);
    calendar->setStartOfWeek(0);
    calendar->setStartOfWeek(8);
    EXPECT_EQ(calendar->StartOfWeek(), 7) << "Saturday";
    calendar->setValue({2004, 2, 30});
    calendar->setValue({2005, 2, 29});
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 4, 12}));
    calendar->setValue({2004, 2, 29});
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 2, 29}));
    EXPECT_TRUE(form.log.empty()) << "the program's settings raise nothing";
}

TEST_F(MonthViewTest, TheWidthFollowsTheMonthsAndWeekNumbersShownSoAWindowCanCentreIt) {
    calendar->Move(500, 200, 100, 2600);
    EXPECT_EQ(calendar->Width(), MonthView::MonthWidth);
    EXPECT_EQ(calendar->Height(), 2600);
    calendar->setMonthColumns(3);
    EXPECT_EQ(calendar->Width(), 3 * MonthView::MonthWidth);
    calendar->setShowWeekNumbers(true);
    EXPECT_EQ(calendar->Width(), 3 * (MonthView::MonthWidth + MonthView::WeekNumbersWidth));
    calendar->setMonthColumns(1);
    EXPECT_EQ(calendar->Width(), MonthView::MonthWidth + MonthView::WeekNumbersWidth);
    EXPECT_EQ(calendar->Left(), 500);
}

TEST_F(MonthViewTest, AClickFocusesChoosesTheDayThenRaisesDateClick) {
    calendar->userClickedDate({2004, 4, 20});
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus", "SelChange 4/20/2004-4/20/2004 value 4/20/2004",
                             "DateClick 4/20/2004"}));
    // A click on the day already chosen moves nothing.
    form.log.clear();
    calendar->userClickedDate({2004, 4, 20});
    EXPECT_EQ(form.log, (Log{"DateClick 4/20/2004"}));
    // The keys move the day without a click.
    form.log.clear();
    EXPECT_TRUE(calendar->userMovedDate({2004, 4, 21}));
    EXPECT_EQ(form.log, (Log{"SelChange 4/21/2004-4/21/2004 value 4/21/2004"}));
}

TEST_F(MonthViewTest, ACancelledSelChangeKeepsTheOldDayAndNoClickFollows) {
    calendar->onSelChange = [](const CalendarDate&, const CalendarDate&, bool& cancel) { cancel = true; };
    calendar->userClickedDate({2004, 4, 20});
    EXPECT_FALSE(calendar->userMovedDate({2004, 4, 22}));
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 4, 12}));
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus"}));
}

TEST_F(MonthViewTest, AHiddenOrDisabledCalendarTakesNoClicks) {
    calendar->setEnabled(false);
    calendar->userClickedDate({2004, 4, 20});
    calendar->setEnabled(true);
    calendar->setVisible(false);
    EXPECT_FALSE(calendar->userMovedDate({2004, 4, 20}));
    calendar->setVisible(true);
    calendar->userClickedDate({2004, 13, 1});
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 4, 12}));
}

TEST_F(MonthViewTest, ADesignRowMakesACalendar) {
    const design::ControlRow rows[] = {
        {.kind = ControlKind::MonthView, .name = "MonthView2", .rect = {120, 60, 10, 2400}}};
    design::Build(form, rows);
    auto& built = form.control<MonthView>("MonthView2");
    EXPECT_EQ(built.Width(), MonthView::MonthWidth);
    EXPECT_EQ(built.Height(), 2400);
}

}  // namespace
}  // namespace ui::testing
