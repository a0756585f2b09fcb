#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "platform/services/spelling.h"

class Hunspell;

namespace platform::qt {

// The program's dictionary: Hunspell's, read from `folder`/`language`.aff
// and .dic, with the program's kitchen words added. When the dictionary
// cannot be read the speller has none; without the kitchen words it is the
// plain dictionary. The files are read on the first question, not at the
// program's start: most sessions never check a spelling.
class HunspellSpeller : public Speller {
public:
    // The desktop's English dictionary with the kitchen words the program
    // comes with (beside it in a build, in the data folder when installed).
    HunspellSpeller();
    explicit HunspellSpeller(const std::filesystem::path& folder, const std::string& language = "en_US",
                             const std::filesystem::path& kitchenWords = {});
    ~HunspellSpeller() override;
    HunspellSpeller(const HunspellSpeller&) = delete;
    HunspellSpeller& operator=(const HunspellSpeller&) = delete;

    bool HasDictionary() const override;
    bool IsKnown(std::string_view word) override;
    // Kitchen words close to the word first, then the dictionary's own.
    std::vector<std::string> Suggest(std::string_view word) override;

private:
    std::string toDictionary(std::string_view word) const;
    // Reads the dictionary the first time it is asked for.
    void load() const;

    std::filesystem::path aff_;
    std::filesystem::path dic_;
    std::filesystem::path kitchenWords_;
    mutable bool loaded_ = false;

    mutable std::unique_ptr<Hunspell> hunspell_;
    // The kitchen words alone, under the same affix rules: it finds which
    // of the words a misspelling is near.
    mutable std::unique_ptr<Hunspell> kitchen_;
    mutable bool utf8_ = false;
};

// The kitchen word list's file name, beside the help file.
inline constexpr const char* KitchenWordsFile = "Kitchen.dic";

}  // namespace platform::qt
