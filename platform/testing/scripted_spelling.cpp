#include "platform/testing/scripted_spelling.h"

#include <gtest/gtest.h>

#include "platform/basic/text.h"

namespace platform::testing {

void FakeSpeller::misspell(const std::string& word, std::vector<std::string> suggestions) {
    unknown_[basic::UCase(word)] = std::move(suggestions);
}

bool FakeSpeller::IsKnown(std::string_view word) { return !unknown_.contains(basic::UCase(word)); }

std::vector<std::string> FakeSpeller::Suggest(std::string_view word) {
    const auto found = unknown_.find(basic::UCase(word));
    return found == unknown_.end() ? std::vector<std::string>{} : found->second;
}

ScriptedSpellDialog::~ScriptedSpellDialog() {
    for (const auto& e : expected_) ADD_FAILURE() << "spell dialog never asked about \"" << e.word << "\"";
}

void ScriptedSpellDialog::expect(std::string word, SpellAction action, std::string replacement, bool pressesHelp) {
    expected_.push_back({std::move(word), {action, std::move(replacement)}, pressesHelp});
}

SpellAnswer ScriptedSpellDialog::Ask(const SpellQuestion& question, const std::function<void()>& help) {
    questions_.push_back(question);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected spell dialog about \"" << question.word << "\" in: " << question.text;
        return {SpellAction::Cancel, {}};
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(e.word, question.word) << "spell dialog in: " << question.text;
    if (e.pressesHelp && help) help();
    return e.answer;
}

}  // namespace platform::testing
