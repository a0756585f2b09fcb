#pragma once
#include <functional>
#include <string>

#include "platform/basic/calendar_date.h"
#include "platform/ui/control.h"

namespace ui {

// A month calendar: one to three months side by side, one chosen day (its
// Value). Its width follows what it shows, so that a window can centre it;
// its height is the one it was given.
class MonthView : public Control {
public:
    MonthView(Form& f, std::string name, int index, Control* container);

    bool canHoldFocus() const override { return true; }

    // The chosen day; today's when the calendar is made. A day that does not
    // exist is ignored. Setting it raises no event.
    const basic::CalendarDate& Value() const { return value_; }
    void setValue(const basic::CalendarDate& date);

    // Months shown side by side, 1 to 3; other numbers are ignored.
    int MonthColumns() const { return monthColumns_; }
    void setMonthColumns(int columns);
    // A column of week numbers before each month.
    bool ShowWeekNumbers() const { return showWeekNumbers_; }
    void setShowWeekNumbers(bool on);
    // The weekday each row starts with, 1 Sunday to 7 Saturday; others are ignored.
    int StartOfWeek() const { return startOfWeek_; }
    void setStartOfWeek(int weekday);
    // Whether today's date is marked.
    bool ShowToday() const { return showToday_; }
    void setShowToday(bool on);
    // Today, by the program's clock.
    basic::CalendarDate Today() const;

    // The width of one month, and what a column of week numbers adds to it.
    static constexpr int MonthWidth = 3300;
    static constexpr int WeekNumbersWidth = 330;

    // The user clicked a day (or pressed Enter or Space on the chosen one).
    std::function<void(const basic::CalendarDate& date)> onDateClick;
    // The user moved the chosen day; the Value is already the new day, and
    // setting cancel puts the old one back.
    std::function<void(const basic::CalendarDate& start, const basic::CalendarDate& end, bool& cancel)> onSelChange;

    // --- what the user does (front end or test driver)
    // A click on a day (or Enter or Space on one): focus first, as a click;
    // then the day is chosen as by userMovedDate, and DateClick follows
    // unless SelChange cancelled the move.
    void userClickedDate(const basic::CalendarDate& date);
    // The keys or the month buttons moved the chosen day: the Value becomes
    // the day and SelChange is raised; a cancel puts the old day back. False
    // when the day was refused.
    bool userMovedDate(const basic::CalendarDate& date);

protected:
    void adjustSize(int& width, int& height) const override;

private:
    // The width follows the months and week numbers shown.
    void refit();

    basic::CalendarDate value_;
    int monthColumns_ = 1;
    bool showWeekNumbers_ = false;
    int startOfWeek_ = 1;
    bool showToday_ = true;
};

}  // namespace ui
