// The real desktop's spell check: Hunspell's dictionary and the word dialog.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/spell_checker.h"
#include "platform/testing/test_folder.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

TEST(HunspellSpellerTest, FlagsAMisspellingAndSuggestsItsCorrection) {
    if (!std::filesystem::exists("/usr/share/hunspell/en_US.dic")) GTEST_SKIP() << "no en_US dictionary installed";
    HunspellSpeller speller;
    ASSERT_TRUE(speller.HasDictionary());
    EXPECT_FALSE(speller.IsKnown("tomatoe"));
    EXPECT_TRUE(speller.IsKnown("tomato"));
    EXPECT_TRUE(speller.IsKnown("Tomatoes"));
    const auto suggestions = speller.Suggest("tomatoe");
    EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "tomato"), suggestions.end());
}

TEST(HunspellSpellerTest, WithoutItsFilesTheSpellerHasNoDictionaryAndKnowsNoWord) {
    HunspellSpeller speller("/nonexistent/dictionaries");
    EXPECT_FALSE(speller.HasDictionary());
    EXPECT_FALSE(speller.IsKnown("tomato"));
    EXPECT_TRUE(speller.Suggest("tomatoe").empty());
}

TEST(HunspellSpellerTest, TheDictionaryIsReadOnTheFirstQuestionNotWhenTheProgramStarts) {
    if (!std::filesystem::exists("/usr/share/hunspell/en_US.dic")) GTEST_SKIP() << "no en_US dictionary installed";
    basic::testing::TestFolder folder;
    HunspellSpeller speller(folder.path());
    // The files arrive after the speller was made: it has not looked for them yet.
    for (const char* file : {"en_US.aff", "en_US.dic"})
        std::filesystem::copy_file(std::filesystem::path("/usr/share/hunspell") / file, folder / file);
    EXPECT_TRUE(speller.IsKnown("tomato"));
    EXPECT_TRUE(speller.HasDictionary());
    // Read once: the files going away later changes nothing.
    std::filesystem::remove(folder / "en_US.dic");
    EXPECT_FALSE(speller.IsKnown("tomatoe"));
    EXPECT_TRUE(speller.HasDictionary());
}

// The English dictionary with the program's kitchen words added.
class KitchenWordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(Dictionaries / "en_US.dic")) GTEST_SKIP() << "no en_US dictionary installed";
    }
    static inline const std::filesystem::path Dictionaries = "/usr/share/hunspell";
    HunspellSpeller speller{Dictionaries, "en_US", PANTRIVO_KITCHEN_WORDS};
};

TEST_F(KitchenWordsTest, AKitchenWordIsOfferedBeforeTheDictionarysFirstGuess) {
    ASSERT_TRUE(speller.HasDictionary());
    const struct {
        const char* typed;
        const char* first;
    } cases[] = {
        {"suger", "sugar"},           // the dictionary alone offers auger first
        {"Suger", "Sugar"},           // in the case it was typed
        {"flowr", "flour"},           // not flower
        {"chedder", "cheddar"},       //
        {"tablspoon", "tablespoon"},  //
        {"teh", "the"},               // a kitchen word that only shares letters (thyme) does not come first
        {"recieve", "receive"},       // nor does one for a word far from the kitchen
    };
    for (const auto& c : cases) {
        const auto suggestions = speller.Suggest(c.typed);
        ASSERT_FALSE(suggestions.empty()) << c.typed;
        EXPECT_EQ(suggestions.front(), c.first) << c.typed;
    }
    // The dictionary's own suggestions still follow.
    const auto sugar = speller.Suggest("suger");
    EXPECT_NE(std::find(sugar.begin(), sugar.end(), "auger"), sugar.end());
    EXPECT_EQ(std::count(sugar.begin(), sugar.end(), "sugar"), 1) << "offered once";
    // Kitchen words the dictionary lacks are known words now.
    EXPECT_TRUE(speller.IsKnown("parmesan"));
    EXPECT_TRUE(speller.IsKnown("panko"));
}

TEST_F(KitchenWordsTest, WithoutTheKitchenWordsTheDictionaryStillChecks) {
    HunspellSpeller plain(Dictionaries, "en_US", "/nonexistent/Kitchen.dic");
    ASSERT_TRUE(plain.HasDictionary());
    EXPECT_TRUE(plain.IsKnown("sugar"));
    EXPECT_FALSE(plain.IsKnown("suger"));
    const auto suggestions = plain.Suggest("suger");
    EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "sugar"), suggestions.end());
    EXPECT_FALSE(plain.IsKnown("panko"));
}

// The word list: kitchen vocabulary, each word spelt right (the English
// dictionary knows it, or it is one of the few kitchen words it lacks), in
// order and once, under a count that says how many there are.
TEST_F(KitchenWordsTest, TheWordListIsCorrectlySpeltKitchenVocabulary) {
    std::ifstream in(PANTRIVO_KITCHEN_WORDS);
    ASSERT_TRUE(in) << PANTRIVO_KITCHEN_WORDS;
    std::string countLine;
    std::getline(in, countLine);
    std::vector<std::string> words;
    for (std::string word; std::getline(in, word);) words.push_back(word);
    EXPECT_EQ(countLine, std::to_string(words.size()));
    EXPECT_GE(words.size(), 300u);
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end()), words.end()) << "a word stands twice";

    const std::set<std::string> lackedByTheDictionary{"alfredo",  "bok",        "bundt",      "cannellini", "chipotle",
                                                      "choy",     "deglaze",    "deglazed",   "fraiche",    "gruyere",
                                                      "hoisin",   "mascarpone", "mein",       "pancetta",   "panko",
                                                      "parmesan", "pkgs",       "springform", "zested"};
    HunspellSpeller plain(Dictionaries, "en_US");
    for (const std::string& word : words) {
        EXPECT_FALSE(word.empty());
        EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << word;
        EXPECT_TRUE(plain.IsKnown(word) || lackedByTheDictionary.contains(word)) << word << " is misspelt";
    }
    for (const char* core : {"sugar", "flour", "butter", "egg", "cup", "tsp", "tablespoon", "ounce", "bake", "simmer",
                             "whisk", "preheat", "cinnamon", "vanilla", "oregano"})
        EXPECT_TRUE(std::binary_search(words.begin(), words.end(), core)) << core;
}

// What the user sees: the spell dialog offers the kitchen word, and Enter takes it.
TEST_F(KitchenWordsTest, EnterOnTheFirstOfferWritesTheKitchenWord) {
    QtServices desktop;
    const Services services{desktop.dialogs, desktop.clock,    desktop.shell,    desktop.display,
                            desktop.help,    desktop.registry, speller,          desktop.spellDialog,
                            desktop.volumes, desktop.printer,  desktop.clipboard};
    SpellChecker checker(services);
    checker.setText("1 cup suger");
    QString offered;
    WhenTheDialogOpens([&](QWidget& shown) {
        auto* edit = shown.findChild<QLineEdit*>("changeTo");
        offered = edit->text();
        QTest::keyClick(edit, Qt::Key_Return);
    });
    checker.CheckText();
    EXPECT_EQ(offered, "sugar");
    EXPECT_EQ(checker.Text(), "1 cup sugar");
}

TEST(QtSpellDialogTest, TheUserPicksASuggestionAsksForHelpAndAnswers) {
    QtSpellDialog dialog;
    const SpellQuestion question{"tomatoe", "2 tomatoe, diced", {"tomato", "tomatoes"}};
    int helpCalls = 0;
    QString title;
    QString firstOffer;
    QString heard;
    WhenTheDialogOpens([&](QWidget& shown) {
        title = shown.windowTitle();
        firstOffer = shown.findChild<QLineEdit*>("changeTo")->text();
        heard = shown.findChild<QPushButton*>("changeAll")->accessibleName();
        shown.findChild<QListWidget*>("suggestions")->setCurrentRow(1);
        QTest::mouseClick(shown.findChild<QPushButton*>("help"), Qt::LeftButton);
        ASSERT_TRUE(shown.isVisible()) << "help leaves the dialog open";
        QTest::mouseClick(shown.findChild<QPushButton*>("changeAll"), Qt::LeftButton);
    });
    const SpellAnswer answer = dialog.Ask(question, [&] { ++helpCalls; });
    EXPECT_EQ(title, "Spelling Check");
    EXPECT_EQ(firstOffer, "tomato");
    EXPECT_EQ(heard, "Change All");
    EXPECT_EQ(helpCalls, 1);
    EXPECT_EQ(answer.action, SpellAction::ChangeAll);
    EXPECT_EQ(answer.replacement, "tomatoes");

    WhenTheDialogOpens([](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Ask(question, {}).action, SpellAction::Cancel);

    // Without suggestions the word itself stands ready to be edited.
    WhenTheDialogOpens([](QWidget& shown) {
        auto* edit = shown.findChild<QLineEdit*>("changeTo");
        edit->setText("tomato");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    const SpellAnswer typed = dialog.Ask({"tomatoe", "tomatoe", {}}, {});
    EXPECT_EQ(typed.action, SpellAction::Change);
    EXPECT_EQ(typed.replacement, "tomato");
}

}  // namespace
}  // namespace platform::qt::testing
