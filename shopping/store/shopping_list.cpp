#include "shopping/store/shopping_list.h"

#include <algorithm>
#include <numeric>

#include "platform/basic/text.h"

namespace shopping {

namespace {

// The grid's item cell shows two blanks, then the line's first 26 characters.
constexpr long ShownItemWidth = 26;

GridRow RowOf(std::string_view line) {
    return {"  " + basic::Trim(basic::Left(line, ShownItemWidth)), AmountOfLine(line)};
}

bool Blank(std::string_view cell) { return basic::Trim(cell).empty(); }

}  // namespace

ShoppingList::ShoppingList() { ShowEmptyGrid(MinGridRows); }

const GridRow& ShoppingList::Row(int r) const {
    static const GridRow empty;
    return r >= 1 && r < Rows() ? rows_[static_cast<std::size_t>(r)] : empty;
}

std::optional<int> ShoppingList::LineAtRow(int r) const {
    return r >= 1 && r < Rows() ? rowLines_[static_cast<std::size_t>(r)] : std::nullopt;
}

void ShoppingList::ShowEmptyGrid(int rows) {
    rows_.assign(static_cast<std::size_t>(rows), GridRow{});
    rowLines_.assign(static_cast<std::size_t>(rows), std::nullopt);
    rows_.front() = {std::string(ItemHeadingAtSetUp), std::string(AmountHeading)};
}

void ShoppingList::SetRowCount(int rows) {
    const auto count = static_cast<std::size_t>(rows);
    rows_.resize(count);
    rowLines_.resize(count);
}

void ShoppingList::SetOrderOption(OrderOption order) {
    order_ = order;
    FillItemGrid();
}

ListEdit ShoppingList::AppendItem(std::string_view item, std::string_view amount) {
    if (ItemText(item).empty()) return ListEdit::NoItem;
    if (LineCount() >= MaxListLines) return ListEdit::ListFull;
    lines_.push_back(MakeListLine(item, amount));
    RebuildSortedList();
    return ListEdit::Done;
}

ListEdit ShoppingList::StoreEntryAtRow(int row, std::string_view entryText) {
    const std::string item = ItemText(entryText);
    if (item.empty()) return ListEdit::NoItem;
    const auto line = LineAtRow(std::max(row, 1));
    if (!line) return AppendItem(item);
    auto& stored = lines_[static_cast<std::size_t>(*line)];
    stored = MakeListLine(item, AmountOfLine(stored));
    RebuildSortedList();
    return ListEdit::Done;
}

ListEdit ShoppingList::StoreAmountAtRow(int row, std::string_view amount) {
    const auto line = LineAtRow(std::max(row, 1));
    if (!line) return ListEdit::NoItem;
    auto& stored = lines_[static_cast<std::size_t>(*line)];
    stored = MakeListLine(ItemOfLine(stored), amount);
    RebuildSortedList();
    return ListEdit::Done;
}

bool ShoppingList::RemoveListLine(int row) {
    const auto line = LineAtRow(row);
    if (!line) return false;
    lines_.erase(lines_.begin() + *line);
    RebuildSortedList();
    return true;
}

int ShoppingList::ReplaceLines(const std::vector<ListEntry>& entries) {
    lines_.clear();
    int leftOut = 0;
    for (const auto& entry : entries) {
        if (ItemText(entry.item).empty()) continue;
        if (LineCount() >= MaxListLines) ++leftOut;
        else lines_.push_back(MakeListLine(entry.item, entry.amount));
    }
    RebuildSortedList();
    return leftOut;
}

void ShoppingList::Clear() {
    lines_.clear();
    sortedLines_.clear();
    sortedIndex_.clear();
    ShowEmptyGrid(ClearedGridRows);
    listChanged_ = false;
}

void ShoppingList::RebuildSortedList() {
    // Sorted as a sorted list box adds them one by one: case ignored, a line
    // equal to an earlier one but for case after it.
    std::vector<std::string> sorted;
    sorted.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) sorted.push_back(SortedListLine(lines_[i], static_cast<int>(i)));
    std::vector<int> order(lines_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return basic::LessNoCase(sorted[static_cast<std::size_t>(a)], sorted[static_cast<std::size_t>(b)]);
    });
    sortedLines_.clear();
    sortedIndex_ = order;
    for (const int i : order) sortedLines_.push_back(std::move(sorted[static_cast<std::size_t>(i)]));
    FillItemGrid();
}

void ShoppingList::FillItemGrid() {
    const int count = LineCount();
    ShowEmptyGrid(count >= MinGridRows ? count + 1 : MinGridRows);
    rows_.front().item = "Grocery Items = " + std::to_string(count);
    const bool sorted = order_ == OrderOption::Alphabetically;
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int line = sorted ? sortedIndex_[at] : i;
        // The sorted copy's line shows the same cells as the line it copies.
        rows_[at + 1] = RowOf(lines_[static_cast<std::size_t>(line)]);
        rowLines_[at + 1] = line;
    }
    listChanged_ = count > 0;
}

void ShoppingList::SortRows(int col, bool ascending, int currentCol) {
    if (col != 0 && col != 1) return;
    const auto cell = [col](const GridRow& row) -> const std::string& { return col == 0 ? row.item : row.amount; };
    std::vector<std::size_t> order(rows_.size() - 1);
    std::iota(order.begin(), order.end(), std::size_t{1});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string& x = cell(rows_[a]);
        const std::string& y = cell(rows_[b]);
        return ascending ? basic::LessNoCase(x, y) : basic::LessNoCase(y, x);
    });
    std::vector<GridRow> rows{rows_.front()};
    std::vector<std::optional<int>> rowLines{std::nullopt};
    for (const std::size_t r : order) {
        rows.push_back(std::move(rows_[r]));
        rowLines.push_back(rowLines_[r]);
    }
    if (ascending) {
        listChanged_ = true;
        std::size_t keepFrom = 1;
        if (currentCol == 1) {
            while (keepFrom < rows.size() && Blank(rows[keepFrom].item)) ++keepFrom;
        }
        std::vector<GridRow> kept{rows.front()};
        std::vector<std::optional<int>> keptLines{std::nullopt};
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const bool removed = r < keepFrom || (currentCol != 1 && Blank(rows[r].item));
            if (removed) continue;
            kept.push_back(std::move(rows[r]));
            keptLines.push_back(rowLines[r]);
        }
        rows = std::move(kept);
        rowLines = std::move(keptLines);
    }
    rows_ = std::move(rows);
    rowLines_ = std::move(rowLines);
    if (Rows() < MinGridRows) SetRowCount(MinGridRows);
}

}  // namespace shopping
