#pragma once
#include <array>
#include <string>
#include <string_view>

// The storage window's table: 60 rows of 8 text cells for one storage kind,
// with the fixed row layout of that kind (which cells a row does not use)
// and the way the grid shows each cell.
namespace food_storage {

// The kinds, numbered as the window's kind code.
enum class StorageKind { Basic = 0, Emergency = 1, Additional = 2 };

inline constexpr int StorageRows = 60;
inline constexpr int StorageColumns = 8;

// A cell holding this is not used in its row: no entry, not cleared, not summed.
inline constexpr std::string_view StorageRowMark = "*";

// The table's (and grid's) columns.
enum StorageColumn {
    TitleColumn = 0,
    NumberInFamilyColumn = 1,
    AmountPerPersonColumn = 2,
    TotalNeededColumn = 3,
    OnHandColumn = 4,
    LastActionDateColumn = 5,
    AmountAddedColumn = 6,
    AmountUsedColumn = 7,
};

class StorageTable {
public:
    // Rows 1 to 60, columns 0 to 7; anything else is a programming error.
    std::string& Cell(int row, int column);
    const std::string& Cell(int row, int column) const;

    bool operator==(const StorageTable&) const = default;

private:
    std::array<std::array<std::string, StorageColumns>, StorageRows> cells_;
};

// Whether the kind's row layout leaves the cell unused (marks it "*").
bool IsLayoutMarked(StorageKind kind, int row, int column);

// Sets the marks of the kind's layout; cells the layout uses stay as they are.
void RebuildAllRows(StorageKind kind, StorageTable& table);

bool IsMark(std::string_view cell);

// Four blanks, then the title without its leading blanks.
std::string IndentTitle(std::string_view title);

// The title of a row as the grid shows it. Emergency titles are shown as
// stored; the other kinds show an item row's title indented (one whose
// number in family holds the mark; for the additional kind also the rows
// under its Misc., Water and Equip. headings and the Other rows), and every
// other title without leading blanks. Loading and category views use this
// one rule, so a title looks the same in both.
std::string ShownTitle(StorageKind kind, const StorageTable& table, int row);

// Any cell as the grid shows it: the title as above, other cells without
// leading blanks (the table keeps numbers with the blank of their Str form).
std::string ShownCell(StorageKind kind, const StorageTable& table, int row, int column);

}  // namespace food_storage
