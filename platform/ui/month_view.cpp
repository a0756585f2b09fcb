#include "platform/ui/month_view.h"

#include "platform/ui/form.h"

namespace ui {

MonthView::MonthView(Form& f, std::string name, int index, Control* container)
    : Control(f, ControlKind::MonthView, std::move(name), index, container), value_(f.host().today()) {
    setBackColor(colors::WindowBackground);
    setForeColor(colors::WindowText);
    refit();
}

basic::CalendarDate MonthView::Today() const { return form().host().today(); }

void MonthView::setValue(const basic::CalendarDate& date) {
    if (!date.valid() || date == value_) return;
    value_ = date;
    changed(Property::Value);
}

void MonthView::setMonthColumns(int columns) {
    if (columns < 1 || columns > 3 || columns == monthColumns_) return;
    monthColumns_ = columns;
    changed(Property::Style);
    refit();
}

void MonthView::setShowWeekNumbers(bool on) {
    if (on == showWeekNumbers_) return;
    showWeekNumbers_ = on;
    changed(Property::Style);
    refit();
}

void MonthView::setStartOfWeek(int weekday) {
    if (weekday < 1 || weekday > 7 || weekday == startOfWeek_) return;
    startOfWeek_ = weekday;
    changed(Property::Style);
}

void MonthView::setShowToday(bool on) {
    if (on == showToday_) return;
    showToday_ = on;
    changed(Property::Style);
}

void MonthView::adjustSize(int& width, int& /*height*/) const {
    width = monthColumns_ * (MonthWidth + (showWeekNumbers_ ? WeekNumbersWidth : 0));
}

void MonthView::refit() { Move(Left(), Top(), Width(), Height()); }

bool MonthView::userMovedDate(const basic::CalendarDate& date) {
    if (!usable() || !date.valid()) return false;
    const basic::CalendarDate before = value_;
    if (date == before) return true;
    setValue(date);
    bool cancel = false;
    if (onSelChange) raise("SelChange", [&] { onSelChange(date, date, cancel); });
    if (!cancel) return true;
    setValue(before);
    return false;
}

void MonthView::userClickedDate(const basic::CalendarDate& date) {
    if (!date.valid() || !focusByUser()) return;
    // A focus handler may have hidden the calendar: no click then.
    if (!userMovedDate(date)) return;
    if (onDateClick) raise("DateClick", [&] { onDateClick(date); });
}

}  // namespace ui
