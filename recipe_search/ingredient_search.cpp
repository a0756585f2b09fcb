#include "recipe_search/ingredient_search.h"

#include <algorithm>
#include <cstring>

#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace recipe_search {

namespace {

using recipes::RecipeRecordLength;

bool IsBlank(const std::string& text) { return basic::Trim(text).empty(); }

enum class Scope { OneType, AllTypes };

struct Words {
    std::vector<std::string> words;
    // Each word without its blanks: what a line holding the word must hold.
    std::vector<std::string> cores;
    IngredientMode mode;
    Scope scope;
};

Words WordsOf(const IngredientQuery& query, Scope scope) {
    Words w{{}, {}, query.mode, scope};
    const int count = query.mode == IngredientMode::FirstWordOnly ? 1 : WordCount(query.boxes);
    for (int i = 0; i < count; ++i) {
        const std::string& box = query.boxes[static_cast<std::size_t>(i)];
        // A word is one line's text: it never spans two.
        std::string word = basic::RemoveControlCharacters(box);
        if (scope == Scope::AllTypes) w.words.push_back(basic::UCase(word));
        else w.words.push_back(basic::UCase(i == 0 ? basic::LTrim(word) : basic::Trim(word)));
        w.cores.push_back(basic::Trim(w.words.back()));
    }
    return w;
}

// The ingredient lines of one record as the search tests them, all in one
// buffer: each line upper-cased without its trailing blanks, with a blank
// after it (and one before it for the all-types search), the lines split by
// a byte no word holds. One search of the whole buffer then tests all 20
// lines at once. Runs for every record of the cookbook: nothing allocated.
class TestedLines {
public:
    TestedLines(std::string_view recordBytes, Scope scope) {
        constexpr int width = recipes::field::IngredientWidth;
        for (int line = 0; line < recipes::IngredientLineCount; ++line) {
            const char* field = recordBytes.data() + recipes::field::IngredientsAt + width * line;
            int length = width;
            while (length > 0 && (field[length - 1] == ' ' || field[length - 1] == '\0')) --length;
            if (scope == Scope::AllTypes) text_[size_++] = ' ';
            for (int i = 0; i < length; ++i) text_[size_++] = field[i] == '\0' ? ' ' : basic::UpperChar(field[i]);
            text_[size_++] = ' ';
            text_[size_++] = '\n';
        }
    }
    bool holds(std::string_view word) const {
        return word.empty() || std::string_view(text_.data(), size_).find(word) != std::string_view::npos;
    }

private:
    std::array<char, recipes::IngredientLineCount*(recipes::field::IngredientWidth + 3)> text_;
    std::size_t size_ = 0;
};

// Whether the record's ingredient fields hold the core of a word anywhere,
// in any case: when not, no line holds the word. Quick, and most records
// of a cookbook fail here, so few need their lines built.
bool MayHold(std::string_view region, std::string_view core) {
    if (core.empty()) return true;
    const char variants[] = {core.front(), basic::LowerChar(core.front())};
    const int count = variants[0] == variants[1] ? 1 : 2;
    const char* end = region.data() + region.size();
    for (int v = 0; v < count; ++v) {
        for (const char* at = region.data(); at < end; ++at) {
            at = static_cast<const char*>(std::memchr(at, variants[v], static_cast<std::size_t>(end - at)));
            if (!at || static_cast<std::size_t>(end - at) < core.size()) break;
            bool same = true;
            for (std::size_t j = 1; j < core.size() && same; ++j)
                same = (at[j] == '\0' ? ' ' : basic::UpperChar(at[j])) == core[j];
            if (same) return true;
        }
    }
    return false;
}

// Whether a recipe's ingredient lines hold the words as the mode asks.
bool Matches(std::string_view recordBytes, const Words& w) {
    const std::string_view region = recordBytes.substr(recipes::field::IngredientsAt,
                                                       recipes::field::IngredientWidth * recipes::IngredientLineCount);
    const std::size_t tried = w.mode == IngredientMode::FirstWordOnly ? 1 : w.cores.size();
    bool anyMay = false;
    for (std::size_t i = 0; i < tried; ++i) {
        const bool may = MayHold(region, w.cores[i]);
        if (!may && w.mode != IngredientMode::AnyWord) return false;
        anyMay = anyMay || may;
    }
    if (!anyMay) return false;
    const TestedLines lines(recordBytes, w.scope);
    auto found = [&](const std::string& word) { return lines.holds(word); };
    switch (w.mode) {
        case IngredientMode::FirstWordOnly: return found(w.words.front());
        case IngredientMode::AllWords: return std::all_of(w.words.begin(), w.words.end(), found);
        case IngredientMode::AnyWord: return std::any_of(w.words.begin(), w.words.end(), found);
    }
    return false;
}

// Decides the records the types' entries point at, reading the data file
// once from its start in large blocks, so the whole cookbook costs about one
// read of the file. The entries' texts wait in one buffer meanwhile.
std::vector<SearchHit> Search(const recipes::CookbookReader& cookbook, int firstType, int lastType,
                              const Words& words) {
    struct Entry {
        int type;
        long number;
        std::size_t at;
        std::size_t length;
    };
    std::vector<Entry> entries;
    std::string texts;
    // Each record has about one entry: room for them all up front.
    const auto records = static_cast<std::size_t>(std::clamp(cookbook.RecordCount(), 0L, recipes::MaxRecipeRecords));
    entries.reserve(records);
    texts.reserve(records * recipes::IndexRecordLength);
    std::vector<char> wanted(static_cast<std::size_t>(recipes::MaxRecipeRecords) + 1, 0);
    long last = 0;
    for (int type = firstType; type <= lastType; ++type) {
        cookbook.VisitIndex(type, [&](std::string_view text, long number) {
            entries.push_back({type, number, texts.size(), text.size()});
            texts += text;
            wanted[static_cast<std::size_t>(number)] = 1;
            last = std::max(last, number);
        });
    }
    std::vector<char> matches(wanted.size(), 0);
    if (const auto file = basic::RandomAccessFile::Open(cookbook.DataFilePath(), RecipeRecordLength)) {
        constexpr long kBlock = 512;
        std::string block;
        for (long first = 1; first <= last; first += kBlock) {
            const long count = std::min(kBlock, last - first + 1);
            file->GetBlockInto(first, count, block);
            for (long i = 0; i < count; ++i) {
                const auto k = static_cast<std::size_t>(first + i);
                if (!wanted[k]) continue;
                const std::string_view record(block.data() + i * RecipeRecordLength, RecipeRecordLength);
                matches[k] = Matches(record, words) ? 1 : 0;
            }
        }
    }
    std::vector<SearchHit> hits;
    for (const Entry& e : entries)
        if (matches[static_cast<std::size_t>(e.number)])
            hits.push_back({e.type, texts.substr(e.at, e.length), e.number});
    // Each type's hits alphabetically, as the lists show them: the same order
    // as sorting every entry first, for less work.
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) {
        if (a.type != b.type) return a.type < b.type;
        return basic::LessNoCase(a.entry, b.entry);
    });
    return hits;
}

}  // namespace

void CompactBoxes(std::array<std::string, 3>& boxes) {
    std::vector<std::string> words;
    for (const std::string& box : boxes)
        if (!IsBlank(box)) words.push_back(box);
    if (words.empty()) return;  // nothing to move: the boxes stay as typed
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = i < words.size() ? words[i] : std::string();
}

int WordCount(const std::array<std::string, 3>& boxes) {
    if (!boxes[1].empty() && !boxes[2].empty()) return 3;
    if (!boxes[1].empty()) return 2;
    return 1;
}

std::vector<SearchHit> SearchTypeByIngredient(const recipes::CookbookReader& cookbook, int type,
                                              const IngredientQuery& query) {
    if (recipes::RecipeTypeName(type).empty()) return {};
    return Search(cookbook, type, type, WordsOf(query, Scope::OneType));
}

std::vector<SearchHit> SearchAllByIngredient(const recipes::CookbookReader& cookbook, const IngredientQuery& query) {
    return Search(cookbook, 1, recipes::RecipeTypeCount, WordsOf(query, Scope::AllTypes));
}

}  // namespace recipe_search
