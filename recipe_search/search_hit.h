#pragma once
#include <string>

namespace recipe_search {

// One recipe a search found: its type (1-22) and its index entry as the
// lists show it (the name, blanks to character 52, the record number).
struct SearchHit {
    int type = 0;
    std::string entry;

    bool operator==(const SearchHit&) const = default;
};

}  // namespace recipe_search
