#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace platform {

// A misspelled word (or two) and its correction, as they were added.
struct Replacement {
    std::string word;
    std::string correction;
};

// The correction as it replaces one found occurrence of a pair's word. The
// correction keeps its own capitals ("i" becomes "I"), but not capitals that
// only echo how the pair's word was found ("Teh" to "The" puts "the" for
// "teh"); a found word that starts with a capital, or a character without
// case, starts its correction with a capital.
std::string CorrectionInCase(std::string_view correction, std::string_view pairWord, std::string_view foundWord);

// The spell check a window holds: it checks one text at a time, asks the
// user about each unknown word in the spell dialog and raises its events
// while it runs. Words of its replacement list count as misspelled even
// where the dictionary knows them, and their corrections are offered first.
// All text is Windows-1252.
class SpellChecker {
public:
    explicit SpellChecker(const Services& services);

    // The text to check; after a check, the text as corrected.
    const std::string& Text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    // The unknown word last found: where it starts in the text (0 before
    // the first character) and how long it is.
    int BadWordStart() const { return badStart_; }
    int BadWordLength() const { return badLength_; }
    // Whether the user is asked about each unknown word; otherwise the
    // words are only reported.
    void setAskUser(bool ask) { askUser_ = ask; }
    // How many changes the check made to the text since the count was last
    // cleared; the next check starts it at 0.
    int ChangeCount() const { return changeCount_; }
    void ClearChangeCount() { changeCount_ = 0; }

    // The replacement list: the pairs added, with those the user chose with
    // Change All in the order chosen.
    void AddReplacement(std::string word, std::string correction);
    int ReplacementCount() const { return static_cast<int>(replacements_.size()); }
    // The misspelled word of entry i (from 0) in capitals, and its correction.
    std::string ReplacementWord(int i) const;
    const Replacement& ReplacementEntry(int i) const { return replacements_.at(static_cast<std::size_t>(i)); }

    // Checks the text; the events below come while it runs.
    void CheckText();

    std::function<void()> onBadWord;                 // BadWordStart and BadWordLength name it
    std::function<void(int action)> onActionChosen;  // a SpellAction's number
    std::function<void()> onTextChanged;             // ChangeCount went up
    std::function<void()> onHelp;                    // the dialog's Help button
    std::function<void(int cancel)> onCheckEnded;    // -1 when the user cancelled

private:
    struct Found {
        std::size_t start = 0;
        std::size_t length = 0;
        const Replacement* pair = nullptr;
    };
    Found pairAt(std::size_t start, std::size_t wordLength) const;
    std::vector<std::string> suggestionsFor(const std::string& found);
    void replace(const Found& at, const std::string& with);
    void tellIfDictionaryMissing();

    const Services& services_;
    std::string text_;
    int badStart_ = 0;
    int badLength_ = 0;
    bool askUser_ = true;
    int changeCount_ = 0;
    std::vector<Replacement> replacements_;
    // Words the user ignores for as long as the checker lives, in capitals.
    std::set<std::string> ignored_;
    // The Change All choices of the text being checked, by word in capitals.
    std::map<std::string, Replacement> changeAll_;
};

}  // namespace platform
