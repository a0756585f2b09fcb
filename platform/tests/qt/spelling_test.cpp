// The real desktop's spell check: Hunspell's dictionary and the word dialog.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

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
