#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/services/spelling.h"

namespace platform::testing {

// A dictionary for tests: it knows every word but those a test calls
// misspelled, and can be missing altogether.
class FakeSpeller : public Speller {
public:
    void misspell(const std::string& word, std::vector<std::string> suggestions = {});
    void removeDictionary() { hasDictionary_ = false; }

    bool HasDictionary() const override { return hasDictionary_; }
    bool IsKnown(std::string_view word) override;
    std::vector<std::string> Suggest(std::string_view word) override;

private:
    bool hasDictionary_ = true;
    std::map<std::string, std::vector<std::string>> unknown_;  // by word in capitals
};

// The spell dialog for tests: each word it is asked about must have been
// scripted, in order, with the user's answer; an unexpected word, or a
// scripted one never asked, fails the test.
class ScriptedSpellDialog : public SpellDialog {
public:
    ScriptedSpellDialog() = default;
    ~ScriptedSpellDialog() override;
    ScriptedSpellDialog(const ScriptedSpellDialog&) = delete;
    ScriptedSpellDialog& operator=(const ScriptedSpellDialog&) = delete;

    // The user answers the dialog about `word` with `action`, after pressing
    // Help first when `pressesHelp`.
    void expect(std::string word, SpellAction action, std::string replacement = {}, bool pressesHelp = false);
    bool scriptDone() const { return expected_.empty(); }
    // What the dialog was asked, in order.
    const std::vector<SpellQuestion>& questions() const { return questions_; }

    SpellAnswer Ask(const SpellQuestion& question, const std::function<void()>& help) override;

private:
    struct Expected {
        std::string word;
        SpellAnswer answer;
        bool pressesHelp;
    };
    std::deque<Expected> expected_;
    std::vector<SpellQuestion> questions_;
};

}  // namespace platform::testing
