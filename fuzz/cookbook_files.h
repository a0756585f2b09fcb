#pragma once
#include <optional>
#include <string>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "recipes/store/cookbook_reader.h"

// What the cookbook targets check a cookbook's files against, read straight
// from the files rather than through the store that wrote them.
namespace fuzz {

// The record numbers 1-30000 that an entry of any of the cookbook's 22 index
// files names, past the end of the data file too (a missing index names
// none); nullopt when an index cannot be read.
std::optional<std::vector<bool>> NamedRecords(const recipes::CookbookReader& cookbook);

// The raw 60-byte records of the type's index file; none when it is missing.
std::vector<std::string> IndexRecords(const recipes::CookbookReader& cookbook, int type);

// True when every file in the folder is the cookbook's data file, one of its
// index files or one of the other names given.
bool OnlyCookbookFiles(const ScratchFolder& folder, const recipes::CookbookReader& cookbook,
                       const std::vector<std::string>& others);

}  // namespace fuzz
