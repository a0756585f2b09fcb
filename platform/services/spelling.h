#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The word list the spell check asks about. All words are Windows-1252.
class Speller {
public:
    virtual ~Speller() = default;

    // False when no dictionary could be read: then no word is known and
    // only the program's own misspellings are found.
    virtual bool HasDictionary() const = 0;
    virtual bool IsKnown(std::string_view word) = 0;
    // Likely corrections, best first.
    virtual std::vector<std::string> Suggest(std::string_view word) = 0;

    // True the first time it is asked while the dictionary is missing, so
    // the user hears of it once in a run of the program.
    bool TellMissingDictionaryOnce() {
        if (HasDictionary() || toldMissing_) return false;
        toldMissing_ = true;
        return true;
    }

private:
    bool toldMissing_ = false;
};

// The choices of the spell dialog; the numbers are the action codes the
// spell check's ActionChosen event reports.
enum class SpellAction { Change = 0, ChangeAll = 1, Ignore = 2, IgnoreAll = 3, Cancel = 4 };

struct SpellQuestion {
    std::string word;                      // as it stands in the text
    std::string text;                      // the whole text being checked
    std::vector<std::string> suggestions;  // best first
};

struct SpellAnswer {
    SpellAction action = SpellAction::Cancel;
    std::string replacement;  // for Change and Change All
};

// The modal dialog that asks about one unknown word. Its Help button calls
// help and leaves the dialog open.
class SpellDialog {
public:
    virtual ~SpellDialog() = default;
    virtual SpellAnswer Ask(const SpellQuestion& question, const std::function<void()>& help) = 0;
};

}  // namespace platform
