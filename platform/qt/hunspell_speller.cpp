#include "platform/qt/hunspell_speller.h"

#include <hunspell.hxx>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "platform/basic/cp1252.h"
#include "platform/program_location.h"

namespace platform::qt {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Edits (a letter put in, left out, changed, or two swapped) between two
// words, in any case.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) && Lower(a[i - 2]) == Lower(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// Whether a kitchen word is a likely meaning of the misspelling: Hunspell
// also offers words that merely share some letters ("thyme" for "teh"),
// which must not stand before the dictionary's right answer.
bool IsNear(std::string_view misspelt, std::string_view kitchenWord) {
    const std::size_t allowed = misspelt.size() <= 4 ? 1 : 2;
    return EditDistance(misspelt, kitchenWord) <= allowed;
}

}  // namespace

HunspellSpeller::HunspellSpeller()
    : HunspellSpeller("/usr/share/hunspell", "en_US", BundledDataFolder(ExecutableFolder()) / KitchenWordsFile) {}

HunspellSpeller::HunspellSpeller(const std::filesystem::path& folder, const std::string& language,
                                 const std::filesystem::path& kitchenWords)
    : aff_(folder / (language + ".aff")), dic_(folder / (language + ".dic")), kitchenWords_(kitchenWords) {}

bool HunspellSpeller::HasDictionary() const {
    load();
    return hunspell_ != nullptr;
}

void HunspellSpeller::load() const {
    if (loaded_) return;
    loaded_ = true;
    if (!IsFile(aff_) || !IsFile(dic_)) return;
    try {
        hunspell_ = std::make_unique<Hunspell>(aff_.c_str(), dic_.c_str());
        utf8_ = hunspell_->get_dict_encoding() == "UTF-8";
    } catch (...) {
        // An unreadable dictionary is a missing one: the check goes on with the program's own pairs.
        hunspell_.reset();
        return;
    }
    if (!IsFile(kitchenWords_)) return;  // the plain dictionary still checks
    try {
        hunspell_->add_dic(kitchenWords_.c_str());
        kitchen_ = std::make_unique<Hunspell>(aff_.c_str(), kitchenWords_.c_str());
    } catch (...) {
        kitchen_.reset();
    }
}

HunspellSpeller::~HunspellSpeller() = default;

std::string HunspellSpeller::toDictionary(std::string_view word) const {
    return utf8_ ? basic::Cp1252ToUtf8(word) : std::string(word);
}

bool HunspellSpeller::IsKnown(std::string_view word) {
    load();
    if (!hunspell_) return false;
    return hunspell_->spell(toDictionary(word));
}

std::vector<std::string> HunspellSpeller::Suggest(std::string_view word) {
    std::vector<std::string> suggestions;
    load();
    if (!hunspell_) return suggestions;
    const std::string asked = toDictionary(word);
    auto offer = [&](const std::string& s) {
        const std::string text = utf8_ ? basic::Utf8ToCp1252(s) : s;
        // A suggestion Windows-1252 cannot hold would not go back into the recipe as it reads.
        if (utf8_ && basic::Cp1252ToUtf8(text) != s) return;
        if (std::find(suggestions.begin(), suggestions.end(), text) == suggestions.end()) suggestions.push_back(text);
    };
    // A recipe's "suger" is sugar rather than the dictionary's first guess, auger.
    if (kitchen_)
        for (const std::string& s : kitchen_->suggest(asked))
            if (IsNear(asked, s)) offer(s);
    for (const std::string& s : hunspell_->suggest(asked)) offer(s);
    return suggestions;
}

}  // namespace platform::qt
