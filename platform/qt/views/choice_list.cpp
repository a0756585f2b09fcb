#include "platform/qt/views/choice_list.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <utility>

#include "platform/qt/qt_text.h"

namespace platform::qt {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) chosen(row);
    });
}

void ChoiceList::showEntries(const std::vector<std::string>& entries, int chosen) {
    const QScopedValueRollback<bool> showing(showing_, true);
    entries_.update(
        entries, [this](int at) { delete takeItem(at); },
        [this](int at, const std::string& entry) { insertItem(at, ToQt(entry)); });
    showChoice(chosen);
}

void ChoiceList::showChoice(int chosen) {
    if (chosen == currentRow()) return;
    const QScopedValueRollback<bool> showing(showing_, true);
    // An entry outside the list clears the choice and the highlight.
    setCurrentRow(chosen);
}

// Qt makes the first entry current when the focus enters a list without a
// choice: in a file list that would choose a file the user never picked.
// The list stays without one until a click or a key moves the choice.
void ChoiceList::focusInEvent(QFocusEvent* event) {
    const int before = currentRow();
    const QScopedValueRollback<bool> showing(showing_, true);
    QListWidget::focusInEvent(event);
    if (before < 0 && currentRow() >= 0) setCurrentRow(-1);
}

// A new entry is chosen as the button goes down; the chosen one pressed
// again counts once the button comes up on it, unless that ends a double click.
void ChoiceList::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const bool again = event->button() == Qt::LeftButton && pressed.isValid() && pressed.row() == before;
    pressedAgain_ = again ? before : -1;
}

void ChoiceList::mouseDoubleClickEvent(QMouseEvent* event) {
    pressedAgain_ = -1;
    QListWidget::mouseDoubleClickEvent(event);
}

void ChoiceList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const int row = std::exchange(pressedAgain_, -1);
    if (row >= 0 && event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).row() == row) chosen(row);
}

void ChoiceList::chosen(int row) {
    if (!showing_ && onChosen) onChosen(row);
}

}  // namespace platform::qt
