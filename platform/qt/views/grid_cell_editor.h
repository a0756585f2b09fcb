#pragma once
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

class QLineEdit;
class QTableView;

namespace ui {
class Grid;
}

namespace platform::qt {

// The in-place editor of an editable grid: a line over the cell, named for
// a screen reader by its column's heading. F2, Enter or a typed character
// starts it (the view says when); Enter keeps the text, Esc drops it, Tab and
// Shift+Tab keep it and go on to the next or previous editable cell (past
// the last, out of the grid), and leaving the cell keeps it too. The grid
// decides: it may refuse a start or a text, and a refused text stays in the
// editor for the user to mend. Table row r is the grid's row r + 1.
class GridCellEditor final : public QStyledItemDelegate {
public:
    // Hands one of the user's inputs to the grid; false when the form is gone.
    using Report = std::function<bool(const std::function<void()>& input)>;

    GridCellEditor(ui::Grid& grid, QTableView& table, Report report);

    // Starts editing a cell, the text replaced by typed when the user started
    // by typing; false when the grid refused.
    bool begin(const QModelIndex& at, const QString& typed = {});
    // Closes an editor whose editing the program ended (rows taken away).
    void catchUp();
    bool editing() const { return !editor_.isNull(); }

    // Tab past the last editable cell (or Shift+Tab before the first) leaves the grid.
    std::function<void(bool backwards)> onTabOut;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& at) const override;
    void setEditorData(QWidget* editor, const QModelIndex& at) const override;
    // The text goes to the grid when the user finishes, not when Qt asks.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void destroyEditor(QWidget* editor, const QModelIndex& at) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Finish { Keep, Drop, Next, Previous, Leave };
    void finish(Finish how);
    void close();

    ui::Grid& grid_;
    QTableView& table_;
    Report report_;
    mutable QPointer<QLineEdit> editor_;
    // The editor given the cell's text already.
    mutable QPointer<QLineEdit> filled_;
    bool finishing_ = false;
};

}  // namespace platform::qt
