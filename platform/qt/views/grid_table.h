#pragma once
#include <QElapsedTimer>
#include <QPersistentModelIndex>
#include <QTableView>
#include <functional>

class QKeyEvent;

namespace platform::qt {

// The grid's table widget and its keyboard and mouse: reports the user's
// presses, arrow-key moves, Space and Enter, as table rows and columns. Tab
// leaves it, as it leaves every other control.
class GridTable final : public QTableView {
public:
    explicit GridTable(QWidget* parent);

    std::function<void(const QModelIndex&)> onPressed;
    std::function<void(const QModelIndex&)> onMoved;
    // Space on the current cell: the keyboard's press.
    std::function<void(const QModelIndex&)> onSpace;
    // Enter on the current cell, which the form's own keys let through.
    std::function<void(const QModelIndex&)> onEnter;
    // A key on the current cell that may start editing it; true when it was taken for that.
    std::function<bool(const QModelIndex&, const QKeyEvent&)> onEditKey;

    // Tab past the last editable cell: on to the next control, as Tab goes.
    void tabOut(bool backwards) { focusNextPrevChild(!backwards); }

    // Pixels; 0 fits one line of the font.
    void setBodyRowHeight(int pixels);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Qt makes the first cell current when the focus enters a table that
    // has none: a row the user never chose.
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitRowHeight();

    int bodyRowHeight_ = 0;  // pixels; 0 fits one line of the font

    QPersistentModelIndex lastPressed_;
    QElapsedTimer sinceLastPress_;
};

}  // namespace platform::qt
