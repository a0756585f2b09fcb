// A month calendar on the screen: one calendar widget a month, side by
// side; the model's settings show on each; a click on a day, the arrow keys
// and Enter reach the model as its events; Tab enters and leaves it, and a
// screen reader hears its name and the chosen day.
#include <QApplication>
#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>

#include "platform/qt/qt_text.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using basic::CalendarDate;
using Log = std::vector<std::string>;

std::string Text(const CalendarDate& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

class MonthViewViewTest : public QtFormTest {
protected:
    MonthViewViewTest() {
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        calendar = &form->add<ui::MonthView>("MonthView1");
        calendar->Move(240, 600, 0, 2600);
        calendar->setValue({2004, 4, 12});
        calendar->setAccessibleName("Shopping date");
        calendar->onGotFocus = [this] { form->log.push_back("GotFocus"); };
        calendar->onDateClick = [this](const CalendarDate& d) { form->log.push_back("DateClick " + Text(d)); };
        calendar->onSelChange = [this](const CalendarDate&, const CalendarDate& end, bool&) {
            form->log.push_back("SelChange " + Text(end));
        };
    }

    QCalendarWidget* month(int n) const {
        return window()->findChild<QCalendarWidget*>(QStringLiteral("month%1").arg(n));
    }
    QTableView* days(int n) const { return month(n)->findChild<QTableView*>(); }
    // Where a day of the month the calendar shows lies (the 20th shows once in any month's page).
    QPoint dayAt(int n, int day) const {
        QAbstractItemModel& cells = *days(n)->model();
        for (int row = 0; row < cells.rowCount(); ++row)
            for (int col = 0; col < cells.columnCount(); ++col)
                if (cells.index(row, col).data().toString() == QString::number(day))
                    return days(n)->visualRect(cells.index(row, col)).center();
        return {};
    }

    ui::MonthView* calendar;
};

TEST_F(MonthViewViewTest, MonthsShowSideBySideWithTheModelsSettings) {
    calendar->setMonthColumns(3);
    calendar->setShowWeekNumbers(true);
    calendar->setStartOfWeek(2);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    ASSERT_NE(month(1), nullptr);
    EXPECT_EQ(widget("MonthView1")->width(), ToPixels(calendar->Width()));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(month(n)->isVisible());
        EXPECT_EQ(month(n)->monthShown(), 3 + n) << "April, May, June";
        EXPECT_EQ(month(n)->firstDayOfWeek(), Qt::Monday);
        EXPECT_EQ(month(n)->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    }
    EXPECT_EQ(month(1)->selectedDate(), QDate(2004, 4, 12));

    calendar->setMonthColumns(1);
    calendar->setShowWeekNumbers(false);
    calendar->setStartOfWeek(1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(month(2)->isVisible());
    EXPECT_EQ(month(1)->firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(month(1)->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    const QDate today(calendar->Today().year, calendar->Today().month, calendar->Today().day);
    EXPECT_TRUE(month(1)->dateTextFormat(today).font().bold()) << "today is marked";
    calendar->setShowToday(false);
    EXPECT_FALSE(month(1)->dateTextFormat(today).font().bold());
}

TEST_F(MonthViewViewTest, DayNamesShortenToOneLetterWhereTheirColumnsHaveNoRoom) {
    calendar->Move(240, 600, 7000, 2600);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    EXPECT_EQ(month(1)->horizontalHeaderFormat(), QCalendarWidget::ShortDayNames) << "one wide month";

    calendar->setFont({.name = "Arial", .size = 14, .bold = true});
    calendar->setMonthColumns(3);
    calendar->setShowWeekNumbers(true);
    QCoreApplication::processEvents();
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(month(n)->horizontalHeaderFormat(), QCalendarWidget::SingleLetterDayNames) << "large type, narrow";

    calendar->setFont({});
    calendar->setMonthColumns(1);
    calendar->setShowWeekNumbers(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(month(1)->horizontalHeaderFormat(), QCalendarWidget::ShortDayNames) << "room again";
}

TEST_F(MonthViewViewTest, AClickOnADayChoosesItAndRaisesDateClick) {
    calendar->setMonthColumns(2);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    QTest::mouseClick(days(2)->viewport(), Qt::LeftButton, Qt::NoModifier, dayAt(2, 20));
    EXPECT_EQ(form->log, (Log{"GotFocus", "SelChange 5/20/2004", "DateClick 5/20/2004"}));
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 5, 20}));
    EXPECT_EQ(month(1)->monthShown(), 4) << "the months stay where they were";

    // A move the program cancels puts the old day back, and is no click.
    form->log.clear();
    calendar->onSelChange = [](const CalendarDate&, const CalendarDate&, bool& cancel) { cancel = true; };
    QTest::mouseClick(days(1)->viewport(), Qt::LeftButton, Qt::NoModifier, dayAt(1, 20));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->log.empty());
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 5, 20}));
    EXPECT_EQ(month(2)->selectedDate(), QDate(2004, 5, 20));
}

TEST_F(MonthViewViewTest, TheKeyboardMovesTheDayEnterOrSpaceClicksItAndTabLeaves) {
    // A form whose Enter presses no default button.
    form->ok->setDefault(false);
    for (const auto& control : form->controls()) control->setTabIndex(50);
    form->shelf->setTabIndex(0);
    calendar->setTabIndex(1);
    form->ok->setTabIndex(2);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(runtime.focusedControl(), calendar);
    EXPECT_EQ(calendar->Value(), (CalendarDate{2004, 4, 12})) << "entering chooses nothing";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form->log, (Log{"GotFocus", "SelChange 4/13/2004", "DateClick 4/13/2004", "DateClick 4/13/2004"}));

    const QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus->accessibleName(), "Shopping date");
    EXPECT_EQ(focus->accessibleDescription(), QLocale().toString(QDate(2004, 4, 13), QLocale::LongFormat));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(runtime.focusedControl(), form->ok) << "Tab leaves the calendar";
}

}  // namespace
}  // namespace platform::qt::testing
