#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "food_storage/store/storage_table.h"
#include "platform/basic/program_folder.h"

// The default titles and amounts per person that come with the program, and
// the clearing of the last-action columns.
namespace food_storage {

// The rows whose amount per person the default amounts file holds, in the
// file's order.
std::span<const int> DefaultAmountRows(StorageKind kind);

// Titles of rows 1 to 60 in order; a short list replaces only the rows it
// has; items past the 60th are ignored. The titles are kept as read: the
// grid shows them by the kind's title rule.
void PutDefaultTitles(const std::vector<std::string>& titles, StorageTable& table);

// The amounts per person of the kind's amount rows, without leading blanks,
// then the totals needed for numberInFamily.
void PutDefaultAmounts(StorageKind kind, const std::vector<std::string>& amounts, StorageTable& table,
                       std::string_view numberInFamily);

// Both read from the kind's default file; a missing or unreadable file
// changes nothing. False when the file gave nothing.
bool LoadDefaultTitles(const basic::ProgramFolder& folder, StorageKind kind, StorageTable& table);
bool LoadDefaultAmounts(const basic::ProgramFolder& folder, StorageKind kind, StorageTable& table,
                        std::string_view numberInFamily);

// Empties the date, added and used cells of every row whose date cell is not
// marked; marked cells stay.
void ClearLastActionColumns(StorageTable& table);

}  // namespace food_storage
