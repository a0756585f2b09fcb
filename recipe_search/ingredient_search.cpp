#include "recipe_search/ingredient_search.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/basic/parallel_record_scan.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/store/index_entries.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace recipe_search {

namespace {

using recipes::RecipeRecordLength;

// A thread of its own only for this many records (1 MB) or more.
constexpr long kMinRecordsPerThread = 512;

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

// The records an entry of the type names, and the highest of them.
std::vector<char> NamedRecords(const recipes::CookbookReader& cookbook, int type, long dataRecords, long& highest) {
    std::vector<char> named(static_cast<std::size_t>(recipes::MaxRecipeRecords) + 1, 0);
    recipes::IndexEntryReader reader(cookbook, type, dataRecords);
    for (recipes::IndexEntryView entry; reader.Next(entry);) {
        named[static_cast<std::size_t>(entry.recordNumber)] = 1;
        highest = std::max(highest, entry.recordNumber);
    }
    return named;
}

// The entries of the type whose record matched, alphabetically.
std::vector<SearchHit> HitsOfType(const recipes::CookbookReader& cookbook, int type, long dataRecords,
                                  const std::vector<char>& matches) {
    std::vector<SearchHit> hits;
    recipes::IndexEntryReader reader(cookbook, type, dataRecords);
    for (recipes::IndexEntryView entry; reader.Next(entry);)
        if (matches[static_cast<std::size_t>(entry.recordNumber)])
            hits.push_back({type, std::string(entry.text), entry.recordNumber});
    // Sorting only the hits keeps the list's order among them, for less work.
    std::stable_sort(hits.begin(), hits.end(),
                     [](const SearchHit& a, const SearchHit& b) { return basic::LessNoCase(a.entry, b.entry); });
    return hits;
}

// One pass over the data file decides which records match, its blocks read
// and tested on several threads; then the types' entries naming those are
// the hits. Over all types nearly every record is named, so every record is
// tested; for one type only those its entries name. Each record's answer and
// each type's hits have their own place, so the hits come out the same
// whatever the number of threads.
std::vector<SearchHit> Search(const recipes::CookbookReader& cookbook, int firstType, int lastType, const Words& words,
                              unsigned threads) {
    const long dataRecords = std::min(cookbook.RecordCount(), recipes::MaxRecipeRecords);
    threads = basic::ThreadsFor(threads, dataRecords, kMinRecordsPerThread);
    long last = dataRecords;
    std::vector<char> named;
    if (firstType == lastType) {
        last = 0;
        named = NamedRecords(cookbook, firstType, dataRecords, last);
    }
    std::vector<char> matches(static_cast<std::size_t>(recipes::MaxRecipeRecords) + 1, 0);
    auto test = [&](const basic::RecordBlock& block) {
        for (long k = block.first; k < block.first + block.count; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (named.empty() || named[at]) matches[at] = Matches(block.record(k), words);
        }
        return true;
    };
    if (const auto file = basic::RandomAccessFile::Open(cookbook.DataFilePath(), RecipeRecordLength))
        basic::ScanRecords(*file, 1, last, threads, test);

    const auto typeCount = static_cast<std::size_t>(lastType - firstType + 1);
    std::vector<std::vector<SearchHit>> hitsOfType(typeCount);
    basic::ForEachItem(static_cast<long>(typeCount), threads, [&](unsigned, long t) {
        hitsOfType[static_cast<std::size_t>(t)] =
            HitsOfType(cookbook, firstType + static_cast<int>(t), dataRecords, matches);
        return true;
    });
    std::vector<SearchHit> hits;
    for (auto& ofType : hitsOfType) std::move(ofType.begin(), ofType.end(), std::back_inserter(hits));
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
                                              const IngredientQuery& query, unsigned threads) {
    if (recipes::RecipeTypeName(type).empty()) return {};
    return Search(cookbook, type, type, WordsOf(query, Scope::OneType), threads);
}

std::vector<SearchHit> SearchAllByIngredient(const recipes::CookbookReader& cookbook, const IngredientQuery& query,
                                             unsigned threads) {
    return Search(cookbook, 1, recipes::RecipeTypeCount, WordsOf(query, Scope::AllTypes), threads);
}

}  // namespace recipe_search
