#include "platform/qt/views/grid_cells.h"

#include <QBrush>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/ui/grid.h"
#include "platform/ui/list_items.h"

namespace platform::qt {

namespace {

Qt::Alignment ToQtAlignment(ui::CellAlignment a) {
    switch (a) {
        case ui::CellAlignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::CellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A cell's or header's lines are parted by a carriage return, with or without a line feed.
QString WithLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

}  // namespace

QVariant GridCells::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole)
        return WithLineBreaks(ToQt(
            ui::EntryAsShown(grid_.TextMatrix(index.row() + 1, index.column()), grid_.ColShownLength(index.column()))));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQtAlignment(grid_.ColAlignment(index.column())));
    if (role == Qt::BackgroundRole) {
        if (const auto color = grid_.CellBackColor(index.row() + 1, index.column())) return QBrush(ToQColor(*color));
    }
    if (role == Qt::ForegroundRole) {
        if (const auto color = grid_.CellForeColor(index.row() + 1, index.column())) return QBrush(ToQColor(*color));
    }
    return {};
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return WithLineBreaks(ToQt(grid_.TextMatrix(0, section)));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQtAlignment(grid_.HeaderAlignment(section)));
    return {};
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return grid_.CellEditable(index.row() + 1, index.column()) ? flags | Qt::ItemIsEditable : flags;
}

void GridCells::catchUp() {
    const int rows = grid_.Rows() - grid_.FixedRows();
    const int cols = grid_.Cols();
    if (cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
        return;
    }
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

}  // namespace platform::qt
