// A month calendar: one calendar widget for each month shown, side by side,
// the first showing the month the user paged to and the others the months
// after it. A click on a day, Enter or Space on the chosen one, and the keys
// that move the chosen day go to the runtime as the model's events; paging
// through months is the view's own and raises nothing.
#include <QApplication>
#include <QCalendarWidget>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QTableView>
#include <QTextCharFormat>
#include <algorithm>
#include <array>
#include <utility>

#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/month_view.h"

namespace platform::qt {

namespace {

QDate ToQDate(const basic::CalendarDate& d) { return QDate(d.year, d.month, d.day); }
basic::CalendarDate FromQDate(QDate d) { return {d.year(), d.month(), d.day()}; }

// 1 Sunday to 7 Saturday, as the model counts.
Qt::DayOfWeek ToQtDay(int weekday) { return weekday == 1 ? Qt::Sunday : static_cast<Qt::DayOfWeek>(weekday - 1); }

// Months counted from year 0, so that paging is plain arithmetic.
int MonthIndex(int year, int month) { return year * 12 + month - 1; }

class MonthViewView final : public ControlView {
public:
    MonthViewView(Runtime& runtime, ui::MonthView& model, QWidget& parent)
        : ControlView(runtime, model, *new QWidget(&parent)), model_(model) {
        auto* row = new QHBoxLayout(&widget());
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        widget().setFocusPolicy(Qt::StrongFocus);
        for (std::size_t i = 0; i < calendars_.size(); ++i) {
            auto* calendar = new QCalendarWidget(&widget());
            calendar->setObjectName(QStringLiteral("month%1").arg(i + 1));
            calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
            row->addWidget(calendar);
            calendars_[i] = calendar;
            days_[i] = calendar->findChild<QTableView*>();
            if (days_[i]) days_[i]->installEventFilter(this);
            const int at = static_cast<int>(i);
            connect(calendar, &QCalendarWidget::selectionChanged, this, [this, calendar] {
                if (!applying_) moved(calendar->selectedDate());
            });
            connect(calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
                if (!applying_) clicked(date);
            });
            connect(calendar, &QCalendarWidget::currentPageChanged, this, [this, at](int year, int month) {
                if (applying_) return;
                firstMonth_ = MonthIndex(year, month) - at;
                show();
            });
        }
        firstMonth_ = MonthIndex(model_.Value().year, model_.Value().month);
    }

    // The calendar that shows the chosen day.
    QCalendarWidget* holder() const {
        const int at = MonthIndex(model_.Value().year, model_.Value().month) - firstMonth_;
        return at >= 0 && at < model_.MonthColumns() ? calendars_[static_cast<std::size_t>(at)] : calendars_[0];
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto part = std::find(days_.begin(), days_.end(), watched);
        if (part == days_.end()) return ControlView::eventFilter(watched, event);
        if (event->type() == QEvent::Resize) fitDayNames(*calendars_[static_cast<std::size_t>(part - days_.begin())]);
        // The days of each month are where the focus lies: entering them is entering the calendar.
        if (event->type() == QEvent::FocusIn) return ControlView::eventFilter(&widget(), event);
        if (event->type() != QEvent::KeyPress) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain || (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter && key.key() != Qt::Key_Space))
            return false;
        const basic::CalendarDate date = model_.Value();
        report([&] { model_.userClickedDate(date); }, [this] { show(); });
        return true;
    }

private:
    void applyValue() override { show(); }
    void applyStyle() override { show(); }
    void applyColors() override {}

    void showAccessibleName(const QString& name) override {
        widget().setAccessibleName(name);
        for (std::size_t i = 0; i < calendars_.size(); ++i) {
            const QString part = calendars_.size() > 1 && model_.MonthColumns() > 1
                                     ? QStringLiteral("%1, month %2").arg(name).arg(i + 1)
                                     : name;
            calendars_[i]->setAccessibleName(part);
            if (days_[i]) days_[i]->setAccessibleName(part);
        }
    }

    // "Mon" where a column has room for the widest short day name, "M" where
    // it has not, rather than a row of cut-off names.
    void fitDayNames(QCalendarWidget& calendar) const {
        const auto at =
            static_cast<std::size_t>(std::find(calendars_.begin(), calendars_.end(), &calendar) - calendars_.begin());
        QTableView* days = at < days_.size() ? days_[at] : nullptr;
        if (!days) return;
        const int columns = calendar.verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 7 : 8;
        const QFontMetrics metrics(days->font());
        int widest = 0;
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            widest = std::max(widest, metrics.horizontalAdvance(QLocale().dayName(day, QLocale::ShortFormat)));
        const bool roomy = widest + metrics.averageCharWidth() <= days->contentsRect().width() / columns;
        const auto format = roomy ? QCalendarWidget::ShortDayNames : QCalendarWidget::SingleLetterDayNames;
        if (calendar.horizontalHeaderFormat() != format) calendar.setHorizontalHeaderFormat(format);
    }

    void moved(QDate date) {
        const basic::CalendarDate day = FromQDate(date);
        report([&] { refused_ = model_.userMovedDate(day) ? QDate() : date; }, [this] { show(); });
    }

    void clicked(QDate date) {
        // A move SelChange cancelled is not clicked after all.
        if (date == std::exchange(refused_, QDate())) return;
        const basic::CalendarDate day = FromQDate(date);
        report([&] { model_.userClickedDate(day); }, [this] { show(); });
    }

    // The months, the chosen day, the week numbers, the first weekday and
    // today's mark as the model has them; the months shown stay where the
    // user paged to while they hold the chosen day.
    void show() {
        const basic::CalendarDate value = model_.Value();
        const int columns = model_.MonthColumns();
        const int chosen = MonthIndex(value.year, value.month);
        if (chosen < firstMonth_ || chosen >= firstMonth_ + columns) firstMonth_ = chosen;
        const bool hadFocus = widget().isAncestorOf(QApplication::focusWidget());
        applying_ = true;
        QTextCharFormat todayMark;
        todayMark.setFontWeight(QFont::Bold);
        todayMark.setFontUnderline(true);
        const QDate today = ToQDate(model_.Today());
        for (std::size_t i = 0; i < calendars_.size(); ++i) {
            QCalendarWidget& calendar = *calendars_[i];
            const int month = firstMonth_ + static_cast<int>(i);
            calendar.setVisible(static_cast<int>(i) < columns);
            calendar.setFirstDayOfWeek(ToQtDay(model_.StartOfWeek()));
            calendar.setVerticalHeaderFormat(model_.ShowWeekNumbers() ? QCalendarWidget::ISOWeekNumbers
                                                                      : QCalendarWidget::NoVerticalHeader);
            fitDayNames(calendar);
            calendar.setDateTextFormat(QDate(), QTextCharFormat());
            if (model_.ShowToday() && today.isValid()) calendar.setDateTextFormat(today, todayMark);
            calendar.setSelectedDate(ToQDate(value));
            calendar.setCurrentPage(month / 12, month % 12 + 1);
        }
        QCalendarWidget* holding = holder();
        widget().setFocusProxy(holding);
        // Tab reaches the month with the chosen day alone, then leaves the calendar.
        for (std::size_t i = 0; i < calendars_.size(); ++i)
            if (days_[i]) days_[i]->setFocusPolicy(calendars_[i] == holding ? Qt::StrongFocus : Qt::ClickFocus);
        applying_ = false;
        if (hadFocus && days_[0]) holding->setFocus(Qt::OtherFocusReason);
        const QString spoken = QLocale().toString(ToQDate(value), QLocale::LongFormat);
        for (QTableView* days : days_)
            if (days) days->setAccessibleDescription(spoken);
    }

    ui::MonthView& model_;
    std::array<QCalendarWidget*, 3> calendars_{};
    std::array<QTableView*, 3> days_{};
    int firstMonth_ = 0;
    bool applying_ = false;
    // A day the program refused to move to, whose click then means nothing.
    QDate refused_;
};

}  // namespace

std::unique_ptr<ControlView> MakeMonthViewView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<MonthViewView>(runtime, static_cast<ui::MonthView&>(control), parent);
}

}  // namespace platform::qt
