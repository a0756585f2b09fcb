// Days of the calendar: which exist, their weekdays and counting days across
// month, year and leap-day ends.
#include "platform/basic/calendar_date.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(CalendarDate, OnlyDaysThatExistAreValid) {
    EXPECT_TRUE((CalendarDate{2004, 2, 29}.valid()));
    EXPECT_FALSE((CalendarDate{2005, 2, 29}.valid()));
    EXPECT_FALSE((CalendarDate{1900, 2, 29}.valid()));
    EXPECT_TRUE((CalendarDate{2000, 2, 29}.valid()));
    EXPECT_FALSE((CalendarDate{2004, 4, 31}.valid()));
    EXPECT_FALSE((CalendarDate{2004, 13, 1}.valid()));
    EXPECT_FALSE((CalendarDate{2004, 0, 1}.valid()));
    EXPECT_FALSE((CalendarDate{99, 1, 1}.valid()));
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 12), 31);
    EXPECT_EQ(DaysInMonth(2004, 13), 0);
}

TEST(CalendarDate, WeekdaysCountFromSunday) {
    EXPECT_EQ((CalendarDate{2004, 4, 11}.weekday()), 1) << "a Sunday";
    EXPECT_EQ((CalendarDate{2004, 4, 5}.weekday()), 2) << "a Monday";
    EXPECT_EQ((CalendarDate{2004, 4, 17}.weekday()), 7) << "a Saturday";
}

TEST(CalendarDate, AddingDaysFollowsMonthYearAndLeapDayEnds) {
    EXPECT_EQ((CalendarDate{2004, 2, 28}.addDays(1)), (CalendarDate{2004, 2, 29}));
    EXPECT_EQ((CalendarDate{2004, 12, 31}.addDays(1)), (CalendarDate{2005, 1, 1}));
    EXPECT_EQ((CalendarDate{2005, 3, 1}.addDays(-1)), (CalendarDate{2005, 2, 28}));
    EXPECT_EQ((CalendarDate{1970, 1, 1}.serial()), 0);
    EXPECT_EQ(CalendarDate::FromSerial(-1), (CalendarDate{1969, 12, 31}));
    EXPECT_LT((CalendarDate{2004, 4, 30}), (CalendarDate{2004, 5, 1}));
}

}  // namespace
}  // namespace basic
