#pragma once
#include <QAbstractTableModel>

namespace ui {
class Grid;
}

namespace platform::qt {

// The grid's body rows as table rows (table row r is the grid's row r + 1),
// read from the grid each time they are painted. The counts it reports are
// those it last announced, so that Qt never sees them change unannounced.
class GridCells final : public QAbstractTableModel {
public:
    GridCells(const ui::Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols_; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Announces the rows that came or went since the last time (a column
    // count that changed starts afresh), and has every cell painted again.
    void catchUp();

private:
    const ui::Grid& grid_;
    int rows_ = 0;
    int cols_ = 0;
};

}  // namespace platform::qt
