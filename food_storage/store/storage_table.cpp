#include "food_storage/store/storage_table.h"

#include <cassert>
#include <cstddef>

#include "platform/basic/text.h"

namespace food_storage {

namespace {

enum class RowRole {
    Total,         // a category's need and the sum of its items: no last action
    Item,          // under a total row: no need of its own
    Heading,       // names its category only
    NoLastAction,  // everything but the last-action columns
    Plain,         // every column
};

bool InRange(int row, int first, int last) { return row >= first && row <= last; }

RowRole RoleOf(StorageKind kind, int row) {
    switch (kind) {
        case StorageKind::Basic:
            if (row == 1 || row == 13 || row == 22 || row == 35 || row == 40) return RowRole::Total;
            if (InRange(row, 2, 12) || InRange(row, 14, 21) || InRange(row, 23, 33) || InRange(row, 36, 39) ||
                InRange(row, 41, 53))
                return RowRole::Item;
            return RowRole::Plain;
        case StorageKind::Emergency:
            if (row == 1 || row == 12 || row == 25 || row == 33 || row == 39 || row == 46) return RowRole::Heading;
            return RowRole::Plain;
        case StorageKind::Additional:
            if (row == 1 || row == 17) return RowRole::Total;
            if (InRange(row, 2, 16) || InRange(row, 18, 32)) return RowRole::Item;
            if (row == 33 || row == 47) return RowRole::Heading;
            if (row == 42) return RowRole::NoLastAction;
            return RowRole::Plain;
    }
    return RowRole::Plain;
}

bool IsLastActionColumn(int column) { return column >= LastActionDateColumn && column <= AmountUsedColumn; }

bool IsNeedColumn(int column) { return column >= NumberInFamilyColumn && column <= TotalNeededColumn; }

}  // namespace

std::string& StorageTable::Cell(int row, int column) {
    assert(row >= 1 && row <= StorageRows && column >= 0 && column < StorageColumns);
    return cells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

const std::string& StorageTable::Cell(int row, int column) const {
    assert(row >= 1 && row <= StorageRows && column >= 0 && column < StorageColumns);
    return cells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

bool IsLayoutMarked(StorageKind kind, int row, int column) {
    switch (RoleOf(kind, row)) {
        case RowRole::Total:
        case RowRole::NoLastAction: return IsLastActionColumn(column);
        case RowRole::Item: return IsNeedColumn(column);
        case RowRole::Heading: return column != TitleColumn;
        case RowRole::Plain: return false;
    }
    return false;
}

void RebuildAllRows(StorageKind kind, StorageTable& table) {
    for (int r = 1; r <= StorageRows; ++r) {
        for (int c = 0; c < StorageColumns; ++c) {
            if (IsLayoutMarked(kind, r, c)) table.Cell(r, c) = StorageRowMark;
        }
    }
}

bool IsMark(std::string_view cell) { return basic::Trim(cell) == StorageRowMark; }

std::string IndentTitle(std::string_view title) { return "    " + basic::LTrim(title); }

std::string ShownTitle(StorageKind kind, const StorageTable& table, int row) {
    const std::string& stored = table.Cell(row, TitleColumn);
    if (kind == StorageKind::Emergency) return stored;
    std::string title = basic::LTrim(stored);
    if (title.empty()) return title;
    bool indented = IsMark(table.Cell(row, NumberInFamilyColumn));
    if (kind == StorageKind::Additional && row >= 33) indented = row != 33 && row != 42 && row != 47;
    return indented ? IndentTitle(title) : title;
}

std::string ShownCell(StorageKind kind, const StorageTable& table, int row, int column) {
    if (column == TitleColumn) return ShownTitle(kind, table, row);
    return basic::LTrim(table.Cell(row, column));
}

}  // namespace food_storage
