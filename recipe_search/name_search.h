#pragma once
#include <string_view>
#include <vector>

#include "recipe_search/search_hit.h"
#include "recipes/store/cookbook_reader.h"

namespace recipe_search {

// The recipes whose name holds the phrase (already upper-cased; blanks
// count), type by type in list order and alphabetically within a type. The
// name is tested with one blank in front, so a phrase starting with a blank
// matches only at the start of a word; only the name's columns are looked
// at, so a digit never matches a record number. A single blank lists every
// recipe of the cookbook. The index files are read on as many threads (0: one
// for each core of the machine, for a large cookbook); the hits are the same
// for any.
std::vector<SearchHit> SearchByName(const recipes::CookbookReader& cookbook, std::string_view phrase,
                                    unsigned threads = 0);

}  // namespace recipe_search
