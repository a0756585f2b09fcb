#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "recipes/store/recipe_index_entry.h"

// The records of a type's index file, raw: 60 bytes each, a record string of
// one entry. Kept raw so that a rewrite puts back every record it does not
// mean to change exactly as it was, damaged ones included.
namespace recipes::index_file {

// One entry for each record of the data file at most: a larger file is
// damaged, and is neither read whole nor rewritten.
inline constexpr long MaxRecords = 30000;
inline constexpr std::uintmax_t MaxFileBytes = static_cast<std::uintmax_t>(MaxRecords) * IndexRecordLength;

// True when the file is larger than any index can be.
bool TooLarge(const std::filesystem::path& path);

// Every record from record 1 to the end of the file; a missing file is
// created empty. nullopt when the file cannot be opened or is too large.
std::optional<std::vector<std::string>> ReadRecords(const std::filesystem::path& path);
// The same without creating a missing file, which reads as no records.
std::optional<std::vector<std::string>> ReadExistingRecords(const std::filesystem::path& path);

// The text of a record, zero bytes read as blanks; nullopt when its length
// overruns the record.
std::optional<std::string> EntryText(const std::string& record);

// The record holding entry; nullopt when the entry is too long for one.
std::optional<std::string> RecordOf(const std::string& entry);

// Replaces the file by these records through a temporary file beside it, so
// a failure at any point leaves the old index or the new one, whole.
[[nodiscard]] bool Rewrite(const std::filesystem::path& path, const std::vector<std::string>& records);

}  // namespace recipes::index_file
