#include "platform/qt/hunspell_speller.h"

#include <hunspell.hxx>

#include "platform/basic/cp1252.h"

namespace platform::qt {

HunspellSpeller::HunspellSpeller(const std::filesystem::path& folder, const std::string& language) {
    const auto aff = folder / (language + ".aff");
    const auto dic = folder / (language + ".dic");
    std::error_code error;
    if (!std::filesystem::is_regular_file(aff, error) || !std::filesystem::is_regular_file(dic, error)) return;
    try {
        hunspell_ = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
        utf8_ = hunspell_->get_dict_encoding() == "UTF-8";
    } catch (...) {
        // An unreadable dictionary is a missing one: the check goes on with the program's own pairs.
        hunspell_.reset();
    }
}

HunspellSpeller::~HunspellSpeller() = default;

std::string HunspellSpeller::toDictionary(std::string_view word) const {
    return utf8_ ? basic::Cp1252ToUtf8(word) : std::string(word);
}

bool HunspellSpeller::IsKnown(std::string_view word) {
    if (!hunspell_) return false;
    return hunspell_->spell(toDictionary(word));
}

std::vector<std::string> HunspellSpeller::Suggest(std::string_view word) {
    std::vector<std::string> suggestions;
    if (!hunspell_) return suggestions;
    for (const std::string& s : hunspell_->suggest(toDictionary(word))) {
        const std::string text = utf8_ ? basic::Utf8ToCp1252(s) : s;
        // A suggestion Windows-1252 cannot hold would not go back into the recipe as it reads.
        if (utf8_ && basic::Cp1252ToUtf8(text) != s) continue;
        suggestions.push_back(text);
    }
    return suggestions;
}

}  // namespace platform::qt
