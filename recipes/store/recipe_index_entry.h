#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An entry of a type's index file: the recipe name (right-trimmed, at most
// 41 characters), blanks up to and including character 52, then the record
// number in the data file from character 53 on: "Apple Crisp", 41 blanks,
// "7". Names need not be unique; the record number tells entries apart.
namespace recipes {

inline constexpr int RecipeNameWidth = 41;
inline constexpr int IndexRecordLength = 60;
// The record number is read from this character (a blank) on.
inline constexpr int EntryNumberFrom = 52;

// The name as an entry keeps it: cut to 41 characters, right-trimmed.
std::string RecipeNameAsStored(std::string_view name);

std::string MakeIndexEntry(std::string_view name, long recordNumber);

// The record number an entry points at: the number read from character 52
// on. nullopt when that is no whole number from 1 to 30000, so a damaged
// entry can never stand for another recipe.
std::optional<long> EntryRecordNumber(std::string_view entry);

// The name part of an entry (characters 1-52), right-trimmed.
std::string EntryName(std::string_view entry);

}  // namespace recipes

namespace recipes {

// An entry read from an index file, with the record it points at.
struct IndexEntry {
    std::string text;
    long recordNumber = 0;

    bool operator==(const IndexEntry&) const = default;
};

// Entries in the order the recipe lists show them: alphabetical without
// regard to letter case; equal texts keep their order.
void SortForList(std::vector<IndexEntry>& entries);

}  // namespace recipes
