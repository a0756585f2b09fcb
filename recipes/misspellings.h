#pragma once
#include <array>
#include <string_view>

namespace recipes {

struct Misspelling {
    std::string_view word;
    std::string_view correction;
};

// Common misspellings and their corrections, which the spell check finds
// and offers first. Some stand for two words, and one pair stands twice.
extern const std::array<Misspelling, 243> MisspellingTable;

}  // namespace recipes
