#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "food_storage/store/storage_table.h"
#include "platform/basic/program_folder.h"
#include "platform/basic/quoted_line_file.h"

// The storage files of the program folder: one table file per kind (480
// quoted items, row by row, each cell as the grid shows it in the All view),
// the number in family shared by the kinds, and the default titles and
// amounts that come with the program.
namespace food_storage {

struct StorageFileNames {
    std::string_view table;           // "FdsB1.Fil", "EmerE1.Fil", "AddA1.Fil"
    std::string_view defaultTitles;   // "FdsB3.Fil", ...
    std::string_view defaultAmounts;  // "FdsB4.Fil", ...
};
StorageFileNames FileNamesOf(StorageKind kind);

inline constexpr std::string_view NumberInFamilyFileName = "FdsB2.Fil";

inline constexpr int StorageItems = StorageRows * StorageColumns;

// 480 cells of at most 20 characters are some 12 kilobytes; a far larger
// file is damaged and is not read.
inline constexpr std::uintmax_t MaxStorageFileBytes = 1 << 20;

// How a storage file was read.
using StorageRead = basic::FileRead;

// The items of a file: every quoted (or bare) item in order.
using StorageItemsRead = basic::QuotedItems;
StorageItemsRead ReadStorageItems(const basic::ProgramFolder& folder, std::string_view name);

// The table file's bytes: every cell of rows 1 to 60 as shown (ShownCell),
// a double quote, which the format cannot hold, written as a single quote
// and a line break as a blank: always 480 lines.
std::string EncodeStorageTable(StorageKind kind, const StorageTable& table);

// The table of a file's items, row by row as read; a short file leaves the
// cells after its last item empty, items past the 480th are ignored.
StorageTable TableOfItems(const std::vector<std::string>& items);
StorageTable DecodeStorageTable(std::string_view bytes);

// The number in family as the box shows it: the text as stored when it
// starts with a number above 0, otherwise "1".
std::string NumberInFamilyOfItems(const std::vector<std::string>& items);
std::string EncodeNumberInFamily(std::string_view numberInFamily);

struct LoadedStorage {
    StorageRead tableResult = StorageRead::Read;
    StorageTable table;
    std::string numberInFamily = "1";
};

// Reads the kind's table file and the number in family, then recomputes the
// totals needed for that number. Missing or damaged files give what can be
// read of them (an empty table, the number 1).
LoadedStorage LoadStorage(const basic::ProgramFolder& folder, StorageKind kind);

// Rewrites the kind's table file and the number in family file, each through
// a temporary file renamed over the old one, so a failure leaves the old file
// whole; false when either write failed (the caller keeps its table marked
// as changed then, and says so). The table is written as given: a save from
// the All view runs RebuildAllRows on it first.
[[nodiscard]] bool SaveStorage(const basic::ProgramFolder& folder, StorageKind kind, const StorageTable& table,
                               std::string_view numberInFamily);

// What the storage window edits: one kind's table, the number in family as
// typed, and whether either changed since it was loaded or saved.
struct StorageDocument {
    StorageKind kind = StorageKind::Emergency;
    StorageTable table;
    std::string numberInFamily = "1";
    bool changed = false;
};

// The window's save: from the All view the layout's marks are set again
// first; the changed mark is cleared only when both files were written, so a
// save that failed still asks to be saved on the way out. False on failure.
[[nodiscard]] bool SaveStorageDocument(const basic::ProgramFolder& folder, StorageDocument& document,
                                       bool fromAllView);

// Removes what interrupted saves of the storage files left in the folder.
void RemoveStorageLeftovers(const basic::ProgramFolder& folder);

}  // namespace food_storage
