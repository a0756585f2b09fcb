#include "recipe_search/name_search.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "platform/basic/parallel_record_scan.h"
#include "platform/basic/text.h"
#include "recipes/store/index_entries.h"
#include "recipes/store/recipe_lists.h"

namespace recipe_search {

namespace {

// A thread of its own only for a cookbook of this many records or more: each
// has about one entry, and a thread reads some 2000 entries in the time it
// takes to start.
constexpr long kMinRecordsPerThread = 2048;

// The phrase as it is looked for in a name: one blank, then the entry's first
// 52 characters upper-cased. Runs for every entry of the cookbook, so the name
// is never copied: only where a character upper-cases to the phrase's first
// is the rest compared.
class NamePhrase {
public:
    explicit NamePhrase(std::string_view phrase) : phrase_(phrase) {
        if (phrase.empty()) return;
        for (int c = 0; c < 256; ++c)
            if (basic::UpperChar(static_cast<char>(c)) == phrase.front()) firstChars_ += static_cast<char>(c);
    }

    bool HeldBy(std::string_view entry) const {
        if (phrase_.empty()) return true;
        const auto name = entry.substr(0, std::min(entry.size(), static_cast<std::size_t>(recipes::EntryNumberFrom)));
        if (phrase_.front() == ' ' && RestFrom(name, 0)) return true;  // the blank in front of the name
        for (const char first : firstChars_)
            for (auto at = name.find(first); at != std::string_view::npos; at = name.find(first, at + 1))
                if (RestFrom(name, at + 1)) return true;
        return false;
    }

private:
    // Whether the phrase after its first character is the name from at on.
    bool RestFrom(std::string_view name, std::size_t at) const {
        const std::size_t rest = phrase_.size() - 1;
        if (name.size() - at < rest) return false;
        for (std::size_t j = 0; j < rest; ++j)
            if (basic::UpperChar(name[at + j]) != phrase_[j + 1]) return false;
        return true;
    }

    std::string_view phrase_;
    std::string firstChars_;
};

// The hits of one type, alphabetically. Only the entries found are copied.
std::vector<SearchHit> HitsOfType(const recipes::CookbookReader& cookbook, int type, long dataRecords,
                                  const NamePhrase& looked) {
    std::vector<recipes::IndexEntry> found;
    recipes::IndexEntryReader reader(cookbook, type, dataRecords);
    for (recipes::IndexEntryView entry; reader.Next(entry);)
        if (looked.HeldBy(entry.text)) found.push_back({std::string(entry.text), entry.recordNumber});
    // Sorting only the hits keeps the list's order among them, for less work.
    recipes::SortForList(found);
    std::vector<SearchHit> hits;
    hits.reserve(found.size());
    for (const recipes::IndexEntry& entry : found) hits.push_back({type, basic::LTrim(entry.text), entry.recordNumber});
    return hits;
}

}  // namespace

std::vector<SearchHit> SearchByName(const recipes::CookbookReader& cookbook, std::string_view phrase,
                                    unsigned threads) {
    const NamePhrase looked(phrase);
    const long dataRecords = cookbook.RecordCount();
    std::array<std::vector<SearchHit>, recipes::RecipeTypeCount> hitsOfType;
    // The threads take one type after another; each type's hits have their
    // own place, so they come out in the same order on any number of threads.
    basic::ForEachItem(recipes::RecipeTypeCount, basic::ThreadsFor(threads, dataRecords, kMinRecordsPerThread),
                       [&](unsigned, long t) {
                           const int type = static_cast<int>(t) + 1;
                           hitsOfType[static_cast<std::size_t>(t)] = HitsOfType(cookbook, type, dataRecords, looked);
                           return true;
                       });
    std::vector<SearchHit> hits;
    for (auto& ofType : hitsOfType) std::move(ofType.begin(), ofType.end(), std::back_inserter(hits));
    return hits;
}

}  // namespace recipe_search
