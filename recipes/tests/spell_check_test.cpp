// The spell check of the recipe in the editor, with a scripted spell dialog.
#include "recipes/recipe_window.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::SpellAction;

constexpr const char* Reached = "Spelling Check has been canceled or has reached the end of your entries";
constexpr const char* NothingFound = "Spelling Check did not change or did not find any misspelled words!";

class SpellCheckTest : public testing::RecipeWindowFixture {
protected:
    // A new bread in the editor with these ingredient lines and directions.
    Form5& recipe(const std::map<int, std::string>& lines, const std::string& directions) {
        Form5& w = open();
        desktop.dialogs.expectMessage("Recipe Files");
        runtime().userClick(*w.Command1);
        desktop.dialogs.expectMessage("Recipe Files");
        chooseType(w, "Breads");
        runtime().userFocused(*w.Text8);
        w.Text8->userEdited("Test Bread");
        for (const auto& [line, text] : lines) w.Text5[static_cast<std::size_t>(line)]->setText(text);
        w.Text2->setText(directions);
        return w;
    }
    // Runs the check; the closing message reads `closing`.
    void check(Form5& w, const char* closing) {
        desktop.dialogs.expectMessage("Spelling Check");
        ASSERT_TRUE(w.Command25->Enabled());
        runtime().userClick(*w.Command25);
        EXPECT_EQ(desktop.dialogs.messages().back().text, closing);
        EXPECT_FALSE(w.state().SpellCheckRunning);
        EXPECT_EQ(w.state().SpellFieldIndex, 0);
    }
    std::string line(Form5& w, int i) { return w.Text5[static_cast<std::size_t>(i)]->Text(); }
};

TEST_F(SpellCheckTest, ARecipeWithoutUnknownWordsChangesNothing) {
    Form5& w = recipe({{0, "flour"}, {4, "warm water"}}, "Mix and knead.");
    w.state().RecipeChanged = false;
    check(w, NothingFound);
    EXPECT_FALSE(w.state().RecipeChanged);
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
}

TEST_F(SpellCheckTest, OneCorrectionMarksTheRecipeChangedAndEmptyLinesAreSkipped) {
    Form5& w = recipe({}, "Bake untill golden.");
    desktop.spellDialog.expect("untill", SpellAction::Change, "until", true);
    w.state().RecipeChanged = false;
    w.Command6->setEnabled(false);
    check(w, Reached);
    EXPECT_EQ(w.Text2->Text(), "Bake until golden.");
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_TRUE(w.Command6->Enabled());
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests()[0].topic, 5050);
    EXPECT_EQ(desktop.spellDialog.questions()[0].suggestions.front(), "until") << "the program's pair first";
}

TEST_F(SpellCheckTest, ChangeAllOnALineCarriesEveryPairOnToTheLaterFieldsAsWholeWords) {
    Form5& w = recipe({{1, "teh flour"},
                       {3, "2 tomatoe"},
                       {4, "Teh tomatoes"},
                       {5, "mix teh sauce"},
                       {6, "tehn teh, teh teh"},
                       {7, "i like it"}},
                      "Add teh tomatoe.");
    desktop.speller.misspell("tomatoe", {"tomato"});
    desktop.spellDialog.expect("teh", SpellAction::Ignore);
    desktop.spellDialog.expect("tomatoe", SpellAction::ChangeAll, "tomato");
    desktop.spellDialog.expect("teh", SpellAction::Ignore);  // the one before a comma, which the pass left
    desktop.spellDialog.expect("tomatoe", SpellAction::Change, "tomato");  // before a full stop, likewise
    check(w, Reached);
    EXPECT_EQ(line(w, 1), "teh flour") << "before the line of the Change All";
    EXPECT_EQ(line(w, 3), "2 tomato");
    EXPECT_EQ(line(w, 4), "The tomatoes");
    EXPECT_EQ(line(w, 5), "mix the sauce");
    EXPECT_EQ(line(w, 6), "tehn teh, the the") << "whole words between blanks only";
    EXPECT_EQ(line(w, 7), "I like it") << "the correction keeps its capital";
    EXPECT_EQ(w.Text2->Text(), "Add the tomato.");
    EXPECT_FALSE(w.state().ChangeAllPending);
}

TEST_F(SpellCheckTest, EveryChangeAllPairOfTheWindowsLifeIsCarriedOnInALaterPass) {
    Form5& w = recipe({{0, "onoin"}, {2, "garlick"}, {3, "onoin garlick"}}, "");
    desktop.speller.misspell("onoin");
    desktop.speller.misspell("garlick");
    desktop.spellDialog.expect("onoin", SpellAction::ChangeAll, "onion");
    desktop.spellDialog.expect("garlick", SpellAction::Cancel);
    check(w, Reached);
    EXPECT_EQ(line(w, 3), "onion garlick");

    w.Text5[4]->setText("onoin");
    desktop.spellDialog.expect("garlick", SpellAction::ChangeAll, "garlic");
    check(w, Reached);
    EXPECT_EQ(line(w, 3), "onion garlic");
    EXPECT_EQ(line(w, 4), "onion") << "the first pass's pair goes on too";
}

TEST_F(SpellCheckTest, ACancelOnLineFiveLeavesTheRestUnchecked) {
    Form5& w = recipe({{5, "tomatoe"}, {6, "tomatoe"}, {19, "tomatoe"}}, "tomatoe");
    desktop.speller.misspell("tomatoe");
    desktop.spellDialog.expect("tomatoe", SpellAction::Cancel);
    check(w, Reached);
    EXPECT_EQ(desktop.spellDialog.questions().size(), 1u);
    EXPECT_EQ(w.Text5[5]->MaxLength(), 35);
}

TEST_F(SpellCheckTest, CorrectedTextsAreCutToTheirBoxesWidths) {
    const std::string directions = std::string(984, 'x') + " tehn.";  // 990 characters
    Form5& w = recipe({{0, std::string(30, 'y') + " abc"}}, directions);
    desktop.speller.misspell("abc");
    desktop.speller.misspell("tehn");
    desktop.spellDialog.expect("abc", SpellAction::Change, "abcdefghijklm");
    desktop.spellDialog.expect("tehn", SpellAction::Change, "thenthenthenthe");  // 1003 characters
    check(w, Reached);
    EXPECT_EQ(line(w, 0), std::string(30, 'y') + " abcd");
    EXPECT_EQ(w.Text5[0]->MaxLength(), 35);
    EXPECT_EQ(w.Text2->Text(), directions.substr(0, 985) + "thenthenthenthe");
    EXPECT_EQ(w.Text2->Text().size(), 1000u);
    EXPECT_EQ(w.Text2->MaxLength(), 1000);
}

TEST_F(SpellCheckTest, TheProgramsPairsEnterOncePerWindowLoad) {
    Form5& w = recipe({}, "");
    EXPECT_EQ(w.VSSpell1->ReplacementCount(), 243);
    w.ResetAfterCookbookChange();  // loading again, as a change of cookbook does
    EXPECT_EQ(w.VSSpell1->ReplacementCount(), 243);
    EXPECT_EQ(w.VSSpell1->ReplacementWord(0), "ABBOUT");
    EXPECT_EQ(w.VSSpell1->ReplacementEntry(242).correction, "your");
}

TEST_F(SpellCheckTest, WithoutADictionaryThePairsAloneAreFoundAndTheUserIsTold) {
    desktop.speller.removeDictionary();
    Form5& w = recipe({{0, "qwzx hte"}}, "");
    desktop.dialogs.expectMessage("Spelling Check");  // the missing dictionary
    desktop.spellDialog.expect("hte", SpellAction::Change, "the");
    check(w, Reached);
    EXPECT_EQ(line(w, 0), "qwzx the");
}

}  // namespace
}  // namespace recipes
