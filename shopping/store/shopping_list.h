#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shopping/store/list_line.h"

// The shopping list behind the item grid: the lines in entry order, their
// sorted copy, and the rows the grid shows. The window copies the rows to
// its grid; every edit names a row as the user sees it, and the model keeps
// which line each row shows, also after a heading sort has reordered them.
namespace shopping {

// The sorted copy ends each line with its entry index in three digits at
// most, so the list holds up to 1000 lines.
inline constexpr int MaxListLines = 1000;
// Rows of the grid, the heading row included: at least this many after a
// fill, and this many after a clear.
inline constexpr int MinGridRows = 16;
inline constexpr int ClearedGridRows = 15;

inline constexpr std::string_view ItemHeadingAtSetUp = "Grocery Item";
inline constexpr std::string_view AmountHeading = "Amount to Purchase";

enum class OrderOption { AsEntered = 0, Alphabetically = 1 };

enum class ListEdit {
    Done,
    ListFull,  // the list holds MaxListLines lines already: nothing added
    NoItem,    // no item: the text is empty without quotes and blanks, or the row shows none
};

// The two cells of a grid row as shown.
struct GridRow {
    std::string item;
    std::string amount;

    friend bool operator==(const GridRow&, const GridRow&) = default;
};

class ShoppingList {
public:
    // As the grid is set up: no lines, MinGridRows empty rows.
    ShoppingList();

    // The lines in entry order (index 0 first), and the sorted copy.
    const std::vector<std::string>& EntryLines() const { return lines_; }
    const std::vector<std::string>& SortedLines() const { return sortedLines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }

    // The grid: Rows() counts the heading row 0; Row(r) is row r (1 on),
    // an empty row past the last. LineAtRow(r) is the entry-order index of
    // the line row r shows, none for an empty row.
    int Rows() const { return static_cast<int>(rows_.size()); }
    const std::string& ItemHeading() const { return rows_.front().item; }
    const GridRow& Row(int r) const;
    std::optional<int> LineAtRow(int r) const;

    OrderOption Order() const { return order_; }
    // The order option: shows the lines in that order.
    void SetOrderOption(OrderOption order);

    // True when the list differs from its file: set by every fill while the
    // list holds a line, and by an ascending heading sort.
    bool ListChanged() const { return listChanged_; }
    void SetListChanged(bool changed) { listChanged_ = changed; }

    // Adds a line at the end.
    ListEdit AppendItem(std::string_view item, std::string_view amount = {});
    // Puts an item on a row (rows below 1 count as 1): on a row showing a
    // line, replaces that line's item and keeps its amount; on an empty row,
    // adds the item at the end.
    ListEdit StoreEntryAtRow(int row, std::string_view entryText);
    // Gives the line of a row a new amount (an empty one removes it). NoItem
    // for a row that shows no line.
    ListEdit StoreAmountAtRow(int row, std::string_view amount);
    // Removes the line a row shows and refills; false for an empty row.
    bool RemoveListLine(int row);
    // Replaces the whole list by these entries, entries without an item left
    // out; returns how many were left out because the list was full.
    int ReplaceLines(const std::vector<ListEntry>& entries);
    // No lines; ClearedGridRows empty rows under the set-up heading.
    void Clear();

    // Builds the sorted copy again from the lines, then FillItemGrid.
    void RebuildSortedList();
    // Shows every line in the chosen order, in at least MinGridRows rows.
    void FillItemGrid();

    // A heading sort: rows reordered by column col (0 item, 1 amount) as
    // the grid sorts, keeping which line each row shows. An ascending sort
    // marks the list changed and removes the empty rows it brought to the
    // top: with currentCol 1 only those above the first item, otherwise
    // every one. The grid keeps at least MinGridRows rows.
    void SortRows(int col, bool ascending, int currentCol);

private:
    // Rows empty rows under the set-up headings.
    void ShowEmptyGrid(int rows);
    void SetRowCount(int rows);

    std::vector<std::string> lines_;
    std::vector<std::string> sortedLines_;
    std::vector<int> sortedIndex_;  // the entry index of each sorted line
    std::vector<GridRow> rows_;     // row 0 is the heading
    std::vector<std::optional<int>> rowLines_;
    OrderOption order_ = OrderOption::AsEntered;
    bool listChanged_ = false;
};

}  // namespace shopping
