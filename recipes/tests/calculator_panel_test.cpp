#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/keys.h"
#include "recipes/amount_scaling.h"
#include "recipes/recipe_window.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "shell/tests/program_fixture.h"

namespace recipes {
namespace {

using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

// --- the rules

TEST(AmountScalingTest, AmountsAreCutToTwoDecimalsThenSnappedToKitchenDecimals) {
    struct Case {
        const char* amount;
        float factor;
        const char* text;
    };
    const Case cases[] = {
        {".34", .5f, ".125"},  // .17: below .2 it is an eighth, not a sixth or a third
        {"1", 1.05f, "1"},     {"2.9", 1, "3"},    {"1.86", 1, "2"},    {".1", .5f, ""},
        {"", 3, ""},           {"-1", 2, ""},      {"1", 1.3f, "1.33"},  // 1.30 lands on the bound of a third
        {"1.7", 1, "1.67"},    {"1.8", 1, "1.75"}, {".12", 1, ".125"},  {".25", 1, ".25"},
        {"1.5", 2 / 3.f, "1"}, {"1", 999, "999"},  {"999", 1, "999"},   {"998.7", 1, "998.67"},
    };
    for (const auto& c : cases) {
        const auto scaled = ScaleAmount(c.amount, c.factor);
        ASSERT_TRUE(scaled) << c.amount;
        EXPECT_EQ(scaled->text, c.text) << c.amount << " x " << c.factor;
    }
    EXPECT_DOUBLE_EQ(ScaleAmount(".34", .5f)->scaled, .17);
}

TEST(AmountScalingTest, AnAmountOfAThousandOrMoreIsNoAmount) {
    // 999.999 would be written "1,000.00", which reads back as 1.
    for (const auto& [amount, factor] : std::vector<std::pair<const char*, float>>{
             {"2", 500}, {"2.002", 499.5f}, {"999.9", 1}, {"5000", 1}, {"1E+30", 1E+30f}})
        EXPECT_FALSE(ScaleAmount(amount, factor)) << amount << " x " << factor;
}

TEST(AmountScalingTest, OnlyAPositiveFactorScales) {
    EXPECT_FALSE(ScaleFactor(0, 2));
    EXPECT_FALSE(ScaleFactor(-2, 2));
    EXPECT_FALSE(ScaleFactor(1E-40, 999));  // no single-precision number holds it
    EXPECT_EQ(ScaleFactor(4, 2), .5f);
    EXPECT_EQ(ScaleFactor(3, 1), 1 / 3.f);
}

TEST(AmountScalingTest, AKitchenFractionYieldCountsByItsValue) {
    const std::pair<const char*, double> cases[] = {
        {"1 1/2", 1.5}, {"3/4", .75}, {" 2 1/4 ", 2.25}, {"12", 12},  {".5", .5}, {"", 0},
        {"abc", 0},     {"4-6", 4},   {"1/0", 1},        {"1 1", 11},  // blanks aside, a plain number as ever
        {"1e2", 1},     {"4d 6", 4},                                   // no exponents: the letter ends the number
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(YieldValue(text), value) << text;
}

TEST(AmountScalingTest, TheYieldUnitFollowsTheYield) {
    struct Case {
        const char* unit;
        double yield;
        const char* result;
    };
    const Case cases[] = {
        {"Pieces", 1, "Piece"},
        {"Piece", 12, "Pieces"},
        {"Pieces", 12, "Pieces"},
        {"Cakes", 0, "Cake"},
        {"Serving(s)", 1, "Serving(s)"},
        {"Cake(s)", 5, "Cake(s)"},
        {"Dozen", 3, "Dozen"},
        {"dozen", 3, "dozen"},
        {"cup", 2, "cups"},
        {"s", 1, "s"},
        {"", 5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(YieldUnitFor(c.unit, c.yield), c.result) << c.unit << " " << c.yield;
}

TEST(AmountScalingTest, UnitsTurnSingularOrPlural) {
    struct Case {
        const char* unit;
        double amount;
        std::optional<std::string> result;  // nullopt: the box is left alone
    };
    const Case cases[] = {
        {"cup", 3, "cups"},
        {"cups", .5, "cup"},
        {"cups", 0, "cup"},  // a line without an amount
        {"cup", 1.05, std::nullopt},
        {"cup", 1.1, std::nullopt},
        {"cups   ", .5, "cup"},
        {"cup  ", 1, std::nullopt},
        {"lb.", 3, "lbs."},
        {"lbs.", 1, "lb."},
        {"Tbsp.", 2, "Tbsps."},
        {"pkgs.", 1, "pkg."},
        // The pick lists' own forms, where adding or dropping an "s" would go wrong.
        {"dash", 2, "dashes"},
        {"dashes", 1, "dash"},
        {"dashes", 2, std::nullopt},
        // Units of the user's own.
        {"cupful", 2, "cupfuls"},
        {"handful.", 2, "handfuls."},
        {"teaspoons", .5, "teaspoon"},
        {"abcdefghi", 2, "abcdefghis"},
        {"abcdefghij", 2, std::nullopt},  // would not fit the record's 10 characters
        {"Dozen", 2, std::nullopt},
        {"WHOLE", .5, std::nullopt},
        {"Large", 2, std::nullopt},
        {"medium", 2, std::nullopt},
        {"small", 2, std::nullopt},
        {"", 2, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(UnitFor(c.unit, c.amount), c.result) << c.unit << " " << c.amount;
}

// --- the calculator in the recipe window

class CalculatorTest : public shell::testing::ProgramTest {
protected:
    CalculatorTest() { RegisterRecipeFile(app()); }

    // A bread of the given yield with no lines yet.
    static RecordBytes bread(std::string_view yield, std::string_view yieldUnit) {
        RecordBytes record;
        record.put(2004, 5, yield).put(2029, 11, yieldUnit);
        return record;
    }

    // The bread as the only recipe of cookbook 1, shown in view mode.
    Form5& show(const std::string& record) {
        writeFile("Recipe2.db1", record);
        writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1)}));
        chooseMenu(startProgram(), "mRF");
        Form5& w = *app().loadedWindow<Form5>();
        runtime().userActivated(w);
        desktop.dialogs.expectMessage("Recipe Files");  // View starts on the first type, which has no recipes
        runtime().userClick(*w.Command2);
        const auto& types = w.Combo1->items();
        w.Combo1->userChose(static_cast<int>(std::find(types.begin(), types.end(), "Breads") - types.begin()));
        w.Combo2->userChose(0);
        return w;
    }

    // Keys as the user strikes them in the new-yield box.
    void type(Form5& w, const std::string& keys) {
        for (const char c : keys) {
            const int code = c == '.' ? 190 : std::toupper(static_cast<unsigned char>(c));
            runtime().userKeyDown(w, code, 0);
            if (runtime().userKeyPress(w, c) != 0) w.Text9->userEdited(w.Text9->Text() + c);
            runtime().userKeyUp(w, code, 0);
        }
    }

    void calculate(Form5& w, const std::string& newYield) {
        w.Text9->userEdited("");
        type(w, newYield);
        runtime().userClick(*w.Command9);
    }

    // What a calculation may change.
    static std::vector<std::string> recipeTexts(const Form5& w) {
        std::vector<std::string> texts{w.Text6->Text(), w.Combo4->Text(), w.Label20->Caption()};
        for (std::size_t i = 0; i < w.Text1.size(); ++i)
            texts.insert(texts.end(), {w.Text1[i]->Text(), w.Text4[i]->Text(), w.state().AmountText[i]});
        return texts;
    }
};

// Every command that would replace or store the recipe, and whether it is enabled.
std::vector<bool> RecipeCommandsEnabled(const Form5& w) {
    std::vector<bool> enabled;
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             w.Command2, w.Command4, w.Command5, w.Command6, w.Command25, w.Command7, w.Command8})
        enabled.push_back(c->Enabled());
    for (const ui::Menu* m : {w.mOSpell, w.mOCr, w.mOV, w.mODel, w.mOMo, w.mOSa, w.mOP, w.mOCal, w.mOCo1})
        enabled.push_back(m->Enabled());
    for (int button : {3, 4, 5}) enabled.push_back(w.Toolbar2->Button(button).enabled);
    return enabled;
}

TEST_F(CalculatorTest, ThePanelOpensOverTheRecipeAndItsCloseButtonOrEscGivesTheCommandsBack) {
    Form5& w = show(bread("4", "Pieces").line(1, ".34", "cups", "sugar"));
    const std::vector<bool> viewing = RecipeCommandsEnabled(w);
    ASSERT_TRUE(w.Command8->Enabled());
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Close", [&] { runtime().userClick(*w.Command10); }},
        {"Esc", [&] { runtime().userKeyPress(w, ui::keys::Escape); }},
    };
    for (const auto& [way, close] : ways) {
        runtime().userClick(*w.Command8);
        ASSERT_TRUE(w.SSPanel5->Visible()) << way;
        EXPECT_EQ(w.SSPanel4->Caption(), "Calculate Amts.");
        EXPECT_EQ(w.Label20->Caption(), "4");
        EXPECT_EQ(w.Label21->Caption(), "Pieces");
        EXPECT_EQ(w.Label24->Caption(), "Pieces");
        EXPECT_EQ(w.Text9->Text(), "");
        EXPECT_EQ(runtime().focusedControl(), w.Text9);
        EXPECT_EQ(RecipeCommandsEnabled(w), std::vector<bool>(viewing.size(), false)) << way;
        EXPECT_TRUE(w.Command1->Enabled()) << "Create stays: it resets the editor and hides the panel";

        close();
        EXPECT_FALSE(w.SSPanel5->Visible()) << way;
        EXPECT_NE(app().loadedWindow<Form5>(), nullptr) << way;
        EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
        EXPECT_EQ(RecipeCommandsEnabled(w), viewing) << way;
        EXPECT_TRUE(w.mOCB->Enabled());
        EXPECT_TRUE(w.mOCBTle->Enabled());
        EXPECT_FALSE(w.state().AmountsRecalculated);
    }
    chooseMenu(w, "mOCal");
    EXPECT_TRUE(w.SSPanel5->Visible()) << "the menu item opens it too";
}

TEST_F(CalculatorTest, ARecipeWithoutAYieldHasNothingToScale) {
    Form5& w = show(bread("", "").line(1, "1", "cup", "milk"));
    for (const int mode : {0, 1}) {
        w.state().mode = mode == 1 ? RecipeMode::Modify : RecipeMode::View;
        desktop.dialogs.expectMessage("Calculate Serving Information");
        runtime().userClick(*w.Command8);
        EXPECT_EQ(desktop.dialogs.messages().back().text,
                  "There is no current Serving Information\rto perform new calculations on!");
        EXPECT_FALSE(w.SSPanel5->Visible());
        EXPECT_EQ(w.SSPanel4->Caption(), mode == 1 ? "Modify Recipe" : "View Recipe");
        if (mode == 1) {
            EXPECT_EQ(runtime().focusedControl(), w.Text1[0]);
        }
    }
}

TEST_F(CalculatorTest, HalvingTheYieldTurnsAThirdCupIntoAnEighth) {
    // .34 x 2/4 = .17; its fraction part is below .2, so it snaps to .125.
    for (const auto& [mode, shown] : {std::pair{0, "1/8"}, std::pair{1, ".125"}}) {
        Form5& w = show(bread("4", "Serving(s)").line(1, ".34", "cups", "sugar").line(2, "2", "cups", "flour"));
        w.state().mode = mode == 1 ? RecipeMode::Modify : RecipeMode::View;
        runtime().userClick(*w.Command8);
        calculate(w, "2");
        EXPECT_EQ(w.Text1[0]->Text(), shown) << mode;
        EXPECT_EQ(w.state().AmountText[0], ".125");
        EXPECT_EQ(w.Text4[0]->Text(), "cup");
        EXPECT_EQ(w.Text1[1]->Text(), "1");
        EXPECT_EQ(w.Text4[1]->Text(), "cup");
        EXPECT_EQ(w.Text6->Text(), "2");
        EXPECT_EQ(w.Label20->Caption(), "2");
        EXPECT_EQ(w.Combo4->Text(), "Serving(s)");
        EXPECT_TRUE(w.state().AmountsRecalculated);
        EXPECT_FALSE(w.Command6->Enabled()) << "no Save while the panel is open";
        EXPECT_FALSE(w.mOSpell->Enabled());

        // The next calculation starts from the snapped amounts and the new yield.
        calculate(w, "4");
        EXPECT_EQ(w.state().AmountText[0], ".25");
        EXPECT_EQ(w.Text1[0]->Text(), mode == 0 ? "1/4" : ".25");

        runtime().userClick(*w.Command10);
        EXPECT_EQ(w.SSPanel4->Caption(), mode == 1 ? "Modify Recipe" : "View Recipe");
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{w.Command6, w.Command25})
            EXPECT_TRUE(c->Enabled()) << c->name();
        EXPECT_TRUE(w.mOSa->Enabled());
        EXPECT_TRUE(w.mOSpell->Enabled());
        w.state().AmountsRecalculated = false;  // the next recipe is shown without a save question
        w.Unload();
    }
}

TEST_F(CalculatorTest, TripledUnitsTakeTheirPluralAndComeBackSingular) {
    Form5& w = show(bread("1", "Dozen")
                        .line(1, "1", "lb.", "butter")
                        .line(2, "1", "dash", "salt")
                        .line(3, "1", "cup", "milk")
                        .line(4, "1", "Tbsp.", "yeast")
                        .line(5, "", "cups", "water")
                        .line(6, "1", "whole", "egg"));
    runtime().userClick(*w.Command8);
    calculate(w, "3");
    const char* tripled[][2] = {{"3", "lbs."},   {"3", "dashes"}, {"3", "cups"},
                                {"3", "Tbsps."}, {"", "cup"},     {"3", "whole"}};
    for (std::size_t i = 0; i < std::size(tripled); ++i) {
        EXPECT_EQ(w.Text1[i]->Text(), tripled[i][0]) << i;
        EXPECT_EQ(w.Text4[i]->Text(), tripled[i][1]) << i;
    }
    EXPECT_EQ(w.Combo4->Text(), "Dozen");
    calculate(w, "1");
    const char* back[] = {"lb.", "dash", "cup", "Tbsp.", "cup", "whole"};
    for (std::size_t i = 0; i < std::size(back); ++i) EXPECT_EQ(w.Text4[i]->Text(), back[i]) << i;
    EXPECT_EQ(w.Text1[0]->Text(), "1");
}

TEST_F(CalculatorTest, NewYieldsOutsideHalfTo999AreRefusedAndChangeNothing) {
    Form5& w = show(bread("4", "Dozen").line(1, ".34", "cups", "sugar"));
    runtime().userClick(*w.Command8);
    const std::vector<std::string> before = recipeTexts(w);
    for (const char* refused : {"1000", "0.4", ".", ""}) {
        desktop.dialogs.expectMessage("Yield Entry Error");
        calculate(w, refused);
        EXPECT_EQ(desktop.dialogs.messages().back().text, "New Yield Amounts can only be between .5 and 999.");
        EXPECT_EQ(w.Text9->Text(), "") << refused;
        EXPECT_EQ(runtime().focusedControl(), w.Text9);
        EXPECT_EQ(recipeTexts(w), before) << refused;
        EXPECT_FALSE(w.state().AmountsRecalculated) << refused;
    }
    // The bounds themselves are taken; Enter in the box calculates too.
    for (const char* accepted : {".5", "999"}) {
        w.Text9->userEdited("");
        type(w, accepted);
        EXPECT_FALSE(runtime().userKeyDown(w, ui::keys::Return, 0));
        EXPECT_EQ(runtime().userKeyPress(w, ui::keys::Return), 0) << "the Enter character is dropped";
        EXPECT_EQ(w.Text6->Text(), accepted);
        EXPECT_TRUE(w.state().AmountsRecalculated);
    }
}

TEST_F(CalculatorTest, AFailedCalculationChangesNothing) {
    struct Case {
        const char* why;
        std::string record;
        const char* newYield;
    };
    const Case cases[] = {
        {"old yield 0", bread("0", "Pieces").line(1, "1", "cup", "milk"), "2"},
        {"old yield not a number", bread("x", "Pieces").line(1, "1", "cup", "milk"), "2"},
        {"old yield negative", bread("-2", "Pieces").line(1, "1", "cup", "milk"), "2"},
        // Line 1 alone would scale; line 2 reaches 1000, so line 1 must stay as well.
        {"amount of 1000", bread("1", "Pieces").line(1, "1", "cup", "milk").line(2, "2", "lbs.", "flour"), "500"},
        {"amount written 1,000.00", bread("2", "Pieces").line(1, "1", "cup", "milk").line(3, "2.002", "oz.", "salt"),
         "999"},
    };
    for (const auto& c : cases) {
        Form5& w = show(c.record);
        runtime().userClick(*w.Command8);
        type(w, c.newYield);
        const std::vector<std::string> before = recipeTexts(w);
        desktop.dialogs.expectMessage("Amount Calculator Error");
        runtime().userClick(*w.Command9);
        EXPECT_EQ(desktop.dialogs.messages().back().text,
                  "A calculation Error has occured! Most likely an incorreect number was used for the Recipe Yield or "
                  "the amount boxes contain an inappropriate number or the maximun amount limit of 999 was exceeded")
            << c.why;
        EXPECT_EQ(recipeTexts(w), before) << c.why;
        EXPECT_FALSE(w.state().AmountsRecalculated) << c.why;
        EXPECT_TRUE(w.SSPanel5->Visible());
        w.Unload();
    }
}

TEST_F(CalculatorTest, AFailureAfterACalculationKeepsItsResultToSave) {
    Form5& w = show(bread("1", "Pieces").line(1, "2", "cups", "flour"));
    runtime().userClick(*w.Command8);
    calculate(w, "2");
    ASSERT_EQ(w.Text1[0]->Text(), "4");
    const std::vector<std::string> calculated = recipeTexts(w);
    desktop.dialogs.expectMessage("Amount Calculator Error");
    calculate(w, "999");  // 4 x 999/2 is 1998
    EXPECT_EQ(recipeTexts(w), calculated);
    EXPECT_TRUE(w.state().AmountsRecalculated) << "the first result is still unsaved";
    runtime().userClick(*w.Command10);
    EXPECT_TRUE(w.Command6->Enabled());
}

TEST_F(CalculatorTest, The999AmountLimitIsReachable) {
    Form5& w = show(bread("1", "Pieces").line(1, "1", "cup", "milk"));
    runtime().userClick(*w.Command8);
    calculate(w, "999");
    EXPECT_EQ(w.Text1[0]->Text(), "999");
    EXPECT_EQ(w.state().AmountText[0], "999");
    EXPECT_EQ(w.Text4[0]->Text(), "cups");
}

TEST_F(CalculatorTest, AYieldOfOneAndAHalfIsDoubledByThree) {
    Form5& w = show(bread("1 1/2", "Loaf(s)").line(1, "1", "cup", "milk"));
    runtime().userClick(*w.Command8);
    calculate(w, "3");
    EXPECT_EQ(w.Text1[0]->Text(), "2");
    EXPECT_EQ(w.Text4[0]->Text(), "cups");
    EXPECT_EQ(w.Text6->Text(), "3");
}

TEST_F(CalculatorTest, TheYieldUnitFollowsTheTypedYield) {
    Form5& w = show(bread("1", "Pieces").line(1, "1", "cup", "milk"));
    runtime().userClick(*w.Command8);
    type(w, "1");
    EXPECT_EQ(w.Label24->Caption(), "Piece");
    EXPECT_EQ(w.Combo4->Text(), "Piece");
    type(w, "2");
    EXPECT_EQ(w.Text9->Text(), "12");
    EXPECT_EQ(w.Label24->Caption(), "Pieces");
    EXPECT_EQ(w.Combo4->Text(), "Pieces");
    // Only the last character is looked at: a letter or a slash is taken off again.
    for (const char* refused : {"x", "/", " "}) {
        type(w, refused);
        EXPECT_EQ(w.Text9->Text(), "12") << refused;
    }
    w.Text9->userEdited("x");
    runtime().userKeyUp(w, 'X', 0);
    EXPECT_EQ(w.Text9->Text(), "");
    runtime().userKeyUp(w, ui::keys::Backspace, 0);  // emptied by Backspace: a yield of 0
    EXPECT_EQ(w.Label24->Caption(), "Piece");

    runtime().userClick(*w.Command10);
    EXPECT_EQ(w.Combo4->Text(), "Piece") << "closing keeps the typed yield's unit";
    EXPECT_EQ(w.Text6->Text(), "1");
    EXPECT_FALSE(w.state().AmountsRecalculated);
}

TEST_F(CalculatorTest, SavingARecalculatedRecipeStoresItInItsOwnRecord) {
    Form5& w = show(bread("4", "Serving(s)").line(1, ".34", "cups", "sugar"));
    runtime().userClick(*w.Command8);
    calculate(w, "2");
    runtime().userClick(*w.Command10);
    runtime().userClick(*w.Command6);
    const std::string stored = record("Recipe2.db1", 2045, 1);
    EXPECT_EQ(stored.substr(0, 5), ".125 ");
    EXPECT_EQ(stored.substr(1104, 10), "cup       ");
    EXPECT_EQ(stored.substr(2004, 5), "2    ");
    EXPECT_EQ(bytesOf("Recipe2.db1").size(), 2045u) << "no new record";
    EXPECT_FALSE(w.state().AmountsRecalculated);
}

TEST_F(CalculatorTest, InModifyModeNothingReEnablesTheCommandsWhileThePanelIsOpen) {
    Form5& w = show(bread("4", "Pieces").line(1, "2", "cups", "flour"));
    runtime().userClick(*w.Command5);  // Modify
    runtime().userClick(*w.Command8);
    const std::vector<bool> allOff(RecipeCommandsEnabled(w).size(), false);
    ASSERT_EQ(RecipeCommandsEnabled(w), allOff);

    type(w, "8");
    EXPECT_EQ(w.Combo4->Text(), "Pieces");
    EXPECT_FALSE(w.state().RecipeChanged) << "typing the new yield is no edit of the recipe";
    EXPECT_EQ(RecipeCommandsEnabled(w), allOff) << "after typing the new yield";
    runtime().userFocused(*w.Text5[0]);
    w.Text5[0]->userEdited("rye flour");
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_EQ(RecipeCommandsEnabled(w), allOff) << "after an edit";
    runtime().userClick(*w.Command9);
    EXPECT_EQ(w.Text1[0]->Text(), "4");
    EXPECT_EQ(RecipeCommandsEnabled(w), allOff) << "after the calculator wrote its boxes";

    runtime().userClick(*w.Command10);
    EXPECT_TRUE(w.Command6->Enabled());
    EXPECT_TRUE(w.Command4->Enabled());
    EXPECT_TRUE(w.Command8->Enabled());
    EXPECT_FALSE(w.Command5->Enabled()) << "still in modify mode";
    runtime().userClick(*w.Command6);
    EXPECT_EQ(record("Recipe2.db1", 2045, 1).substr(1304, 9), "rye flour");
    EXPECT_EQ(record("Recipe2.db1", 2045, 1).substr(0, 5), "4    ");
}

}  // namespace
}  // namespace recipes
