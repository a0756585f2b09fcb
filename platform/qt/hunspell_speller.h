#pragma once
#include <filesystem>
#include <memory>

#include "platform/services/spelling.h"

class Hunspell;

namespace platform::qt {

// The program's dictionary: Hunspell's, read from `folder`/`language`.aff
// and .dic. When they cannot be read the speller has no dictionary.
class HunspellSpeller : public Speller {
public:
    explicit HunspellSpeller(const std::filesystem::path& folder = "/usr/share/hunspell",
                             const std::string& language = "en_US");
    ~HunspellSpeller() override;
    HunspellSpeller(const HunspellSpeller&) = delete;
    HunspellSpeller& operator=(const HunspellSpeller&) = delete;

    bool HasDictionary() const override { return hunspell_ != nullptr; }
    bool IsKnown(std::string_view word) override;
    std::vector<std::string> Suggest(std::string_view word) override;

private:
    std::string toDictionary(std::string_view word) const;

    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = false;
};

}  // namespace platform::qt
