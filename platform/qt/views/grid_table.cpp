#include "platform/qt/views/grid_table.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

namespace platform::qt {

namespace {

// The keys that move the current cell.
bool MovesCell(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: return true;
        default: return false;
    }
}

}  // namespace

GridTable::GridTable(QWidget* parent) : QTableView(parent) {
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows of one height need no measuring, however many there are.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    fitRowHeight();
}

void GridTable::setBodyRowHeight(int pixels) {
    if (pixels == bodyRowHeight_) return;
    bodyRowHeight_ = pixels;
    fitRowHeight();
}

void GridTable::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !at.isValid()) return;
    // The second press of a double click is no press of its own: the
    // double click follows it.
    const bool second = at == lastPressed_ && sinceLastPress_.isValid() &&
                        sinceLastPress_.elapsed() < QApplication::styleHints()->mouseDoubleClickInterval();
    lastPressed_ = at;
    sinceLastPress_.start();
    if (!second && onPressed) onPressed(at);
}

void GridTable::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    sinceLastPress_.invalidate();
}

void GridTable::keyPressEvent(QKeyEvent* event) {
    if (currentIndex().isValid() && onEditKey && onEditKey(currentIndex(), *event)) {
        event->accept();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((enter || event->key() == Qt::Key_Space) && plain) {
        const QModelIndex at = currentIndex();
        if (at.isValid() && enter && onEnter) onEnter(at);
        if (at.isValid() && !enter && onSpace) onSpace(at);
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    // A key that stays on the current row (the only one, or the last)
    // chooses it too: the program may have made it current, not the user.
    if (after.isValid() && (after != before || MovesCell(*event)) && onMoved) onMoved(after);
}

void GridTable::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
}

void GridTable::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitRowHeight();
}

void GridTable::fitRowHeight() {
    verticalHeader()->setDefaultSectionSize(bodyRowHeight_ > 0 ? bodyRowHeight_ : fontMetrics().height() + 4);
}

}  // namespace platform::qt
