// The spell check component: which words it asks about, what the answers do
// to the text, and the events it raises while it runs.
#include "platform/spell_checker.h"

#include <gtest/gtest.h>

#include "platform/testing/scripted_desktop.h"

namespace platform {
namespace {

TEST(CorrectionInCaseTest, KeepsTheCorrectionsOwnCapitalsAndTheFoundWordsFirstOne) {
    struct Case {
        const char* correction;
        const char* pairWord;
        const char* found;
        const char* expected;
    };
    const Case cases[] = {
        {"the", "teh", "teh", "the"}, {"the", "teh", "Teh", "The"},         {"the", "teh", "TEH", "The"},
        {"I", "i", "i", "I"},         {"a lot", "alot", "Alot", "A lot"},   {"The", "Teh", "teh", "the"},
        {"THE", "TEH", "teh", "the"}, {"McCoy", "mccoy", "mccoy", "McCoy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectionInCase(c.correction, c.pairWord, c.found), c.expected)
            << c.correction << " for " << c.found << " by the pair " << c.pairWord;
}

class SpellCheckerTest : public ::testing::Test {
protected:
    SpellCheckerTest() {
        checker.onBadWord = [this] {
            log.push_back("bad " + checker.Text().substr(static_cast<std::size_t>(checker.BadWordStart()),
                                                         static_cast<std::size_t>(checker.BadWordLength())));
        };
        checker.onActionChosen = [this](int action) { log.push_back("action " + std::to_string(action)); };
        checker.onTextChanged = [this] { log.push_back("changed " + checker.Text()); };
        checker.onHelp = [this] { log.push_back("help"); };
        checker.onCheckEnded = [this](int cancel) { log.push_back("ended " + std::to_string(cancel)); };
    }
    std::string check(const std::string& text) {
        checker.setText(text);
        checker.CheckText();
        return checker.Text();
    }

    testing::ScriptedDesktop desktop;
    Services services = desktop.services();
    SpellChecker checker{services};
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(SpellCheckerTest, AsksAboutUnknownWordsAndThePairsWordsOfferingThePairsCorrectionFirst) {
    desktop.speller.misspell("tomatoe", {"tomato", "tomatoes"});
    checker.AddReplacement("teh", "the");
    checker.AddReplacement("withe", "with");  // a word of its own, and still taken as the misspelling
    desktop.spellDialog.expect("Teh", SpellAction::Change, "The", true);
    desktop.spellDialog.expect("tomatoe", SpellAction::Change, "tomato");
    desktop.spellDialog.expect("withe", SpellAction::Ignore);

    EXPECT_EQ(check("Teh tomatoe withe 2nd I salt."), "The tomato withe 2nd I salt.");
    const auto& asked = desktop.spellDialog.questions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].suggestions, std::vector<std::string>{"The"}) << "in the found word's case";
    EXPECT_EQ(asked[1].suggestions, (std::vector<std::string>{"tomato", "tomatoes"}));
    EXPECT_EQ(log, (Log{"bad Teh", "help", "action 0", "changed The tomatoe withe 2nd I salt.", "bad tomatoe",
                        "action 0", "changed The tomato withe 2nd I salt.", "bad withe", "action 2", "ended 0"}));
    EXPECT_EQ(checker.ChangeCount(), 2);
}

TEST_F(SpellCheckerTest, ChangeAllChangesTheRestOfTheTextAndJoinsTheListIgnoreAllLastsBeyondTheText) {
    desktop.speller.misspell("onoin");
    desktop.speller.misspell("garlick");
    desktop.spellDialog.expect("Onoin", SpellAction::ChangeAll, "Onion");
    desktop.spellDialog.expect("garlick", SpellAction::IgnoreAll);
    EXPECT_EQ(check("Onoin, garlick, onoin and ONOIN garlick"), "Onion, garlick, onion and Onion garlick");
    ASSERT_EQ(checker.ReplacementCount(), 1);
    EXPECT_EQ(checker.ReplacementWord(0), "ONOIN");
    EXPECT_EQ(checker.ReplacementEntry(0).correction, "Onion");

    // The next text: the ignored word stays ignored; Change All was for that text alone.
    desktop.spellDialog.expect("onoin", SpellAction::Cancel);
    log.clear();
    EXPECT_EQ(check("garlick onoin onoin"), "garlick onoin onoin");
    EXPECT_EQ(log, (Log{"bad onoin", "action 4", "ended -1"}));
}

TEST_F(SpellCheckerTest, APairOfTwoWordsIsFoundAcrossBlanksAndAWordWrittenAsItsCorrectionIsNot) {
    checker.AddReplacement("their are", "there are");
    checker.AddReplacement("i", "I");
    desktop.spellDialog.expect("Their  are", SpellAction::Change, "There are");
    desktop.spellDialog.expect("i", SpellAction::Change, "I");
    EXPECT_EQ(check("I know. Their  are two, their, are not; i think"),
              "I know. There are two, their, are not; I think");
}

TEST_F(SpellCheckerTest, WithoutADictionaryOnlyThePairsAreFoundAndTheUserIsToldOnce) {
    desktop.speller.removeDictionary();
    checker.AddReplacement("teh", "the");
    desktop.dialogs.expectMessage("Spelling Check");
    desktop.spellDialog.expect("teh", SpellAction::Change, "the");
    EXPECT_EQ(check("qwzx teh"), "qwzx the");
    SpellChecker another{services};
    another.setText("qwzx");
    another.CheckText();  // no second message
    EXPECT_EQ(desktop.dialogs.messageCount("Spelling Check"), 1);
}

}  // namespace
}  // namespace platform
