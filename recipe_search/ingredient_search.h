#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "recipe_search/search_hit.h"
#include "recipes/store/cookbook_reader.h"

namespace recipe_search {

enum class IngredientMode { FirstWordOnly, AllWords, AnyWord };

// Up to three search words as the boxes hold them, and how they combine.
struct IngredientQuery {
    std::array<std::string, 3> boxes;
    IngredientMode mode = IngredientMode::FirstWordOnly;
};

// Moves the words up so that no box before a filled one is blank: blanks in
// box 1 and words in boxes 2 and 3 end as words in boxes 1 and 2, so no word
// is lost. A box is blank when it holds no character but blanks.
void CompactBoxes(std::array<std::string, 3>& boxes);

// How many words a search uses: 3 when boxes 2 and 3 hold text, 2 when only
// box 2 does, else 1 (blanks count as text here).
int WordCount(const std::array<std::string, 3>& boxes);

// The recipes of one type (1-22) whose ingredient lines hold the words,
// alphabetically. Words and lines are compared in capitals; the first word
// keeps a trailing blank (it then matches only at a word's end), the others
// are trimmed. The data file is read on as many threads (0: one for each
// core of the machine, for a large file); the hits are the same for any.
std::vector<SearchHit> SearchTypeByIngredient(const recipes::CookbookReader& cookbook, int type,
                                              const IngredientQuery& query, unsigned threads = 0);

// The same over all 22 types in list order, with the words as typed and each
// line tested with a blank on either side, so a blank typed before or after a
// word ties it to a word's start or end. Reads the data file once.
std::vector<SearchHit> SearchAllByIngredient(const recipes::CookbookReader& cookbook, const IngredientQuery& query,
                                             unsigned threads = 0);

}  // namespace recipe_search
