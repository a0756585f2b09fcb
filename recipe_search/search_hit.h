#pragma once
#include <string>

namespace recipe_search {

// One recipe a search found: its type (1-22), its index entry as the result
// grid shows it (the name, blanks to character 52, the record number) and the
// record the entry points at, which opening the hit reads. The shown text may
// have lost the name's leading blanks, so the record is never read back from it.
struct SearchHit {
    int type = 0;
    std::string entry;
    long recordNumber = 0;

    bool operator==(const SearchHit&) const = default;
};

}  // namespace recipe_search
