// The food guide window as a whole: opening, the tables it shows, the
// choices between them, help and leaving.
#include "platform/ui/keys.h"
#include "printing/print_font.h"
#include "reference/food_guide/food_guide_help.h"
#include "reference/food_guide/food_guide_settings.h"
#include "reference/food_guide/foodg.h"
#include "shell/settings_files.h"
#include "shell/tests/help_file_check.h"
#include "shell/tests/program_fixture.h"

#include <set>

namespace food_guide {
namespace {

using platform::answer::No;
using platform::answer::Yes;

// The program on a scripted desktop, with the food guide one menu away.
class FoodgTest : public shell::testing::ProgramTest {
protected:
    FoodgTest() { RegisterFoodGuide(app()); }

    // The start window (started once), then the food guide by its menu.
    Foodg& open() {
        shell::Startfrm& start = app().loadedWindow<shell::Startfrm>() ? this->start() : startProgram();
        chooseMenu(start, "mRFG");
        Foodg* window = app().loadedWindow<Foodg>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }
    // The start window's record of the smaller screen display.
    void chooseSmallerScreen() { writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20)); }

    // The buttons and menu items that are disabled.
    static std::vector<std::string> disabledChoices(const Foodg& w) {
        std::vector<std::string> off;
        for (GuideTable table : GuideTables) {
            if (!w.ButtonOf(table).Enabled()) off.push_back(w.ButtonOf(table).name());
            if (!w.MenuItemOf(table).Enabled()) off.push_back(w.MenuItemOf(table).name());
        }
        return off;
    }
    static std::vector<std::string> headers(const Foodg& w) {
        std::vector<std::string> shown;
        for (int col = 0; col < w.VSGd1->Cols(); ++col) shown.push_back(w.VSGd1->TextMatrix(0, col));
        return shown;
    }
};

TEST_F(FoodgTest, RegistersItsRecordAndTopicWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    EXPECT_EQ(*app().settingsRecords.holder(shell::settings::KeyOf(FoodGuidePanelColorRecord)),
              "food guide panel colour");
    EXPECT_TRUE(shell::testing::HelpFileHolds(PANTRIVO_HELP_FILE, help::Topics));
}

TEST_F(FoodgTest, OpensOnTheDailyFoodGuideWithTheFocusOnExit) {
    Foodg& w = open();
    EXPECT_TRUE(w.Panel3D1->Visible());
    EXPECT_TRUE(w.VSGd1->Visible());
    EXPECT_EQ(w.Panel3D1->Caption(), "Daily Food Guide Requirements");
    EXPECT_EQ(w.state().Shown, GuideTable::FoodGuide);
    EXPECT_EQ(disabledChoices(w), (std::vector<std::string>{"Command2", "mOF"}));
    EXPECT_EQ(runtime().focusedControl(), w.Command1);
    EXPECT_FALSE(w.VSGd1->Highlight());
    EXPECT_EQ(w.VSGd1->TextMatrix(1, 1), "Adults - 2 servings\rChildren - 3 servings\rTeenages - 4 servings");
}

TEST_F(FoodgTest, InTheSmallerScreenDisplayTheTablesTakeTheirSizesFromTheLaidOutGrid) {
    chooseSmallerScreen();
    Foodg& w = open();
    ASSERT_TRUE(app().vars.smallerScreen());
    EXPECT_EQ(w.VSGd1->Width(), 8400);
    EXPECT_EQ(w.VSGd1->Height(), 5328) << "0.74 of the panel's 7200";
    const struct {
        ui::CommandButton* Foodg::*button;
        std::vector<int> widths;
        int rowHeight;
    } cases[] = {
        {&Foodg::Command2, {1680, 3360, 3360}, 1007},  // 0.189 of the height
        {&Foodg::Command3, {2520, 2520, 3360}, 266},   // 0.05 of the height
        {&Foodg::Command4, {1680, 3360, 3360}, 1124},  // 0.211 of the height
        {&Foodg::Command5, {1680, 2940, 3780}, 714},   // 0.085 of the width
        {&Foodg::Command6, {3780, 4620}, 1066},        // 0.2 of the height
    };
    for (const auto& c : cases) {
        runtime().userClick(*(w.*c.button));
        std::vector<int> widths;
        for (int col = 0; col < w.VSGd1->Cols(); ++col) widths.push_back(w.VSGd1->ColWidth(col));
        EXPECT_EQ(widths, c.widths) << w.Panel3D1->Caption();
        EXPECT_EQ(w.VSGd1->BodyRowHeight(), c.rowHeight) << w.Panel3D1->Caption();
    }
}

TEST_F(FoodgTest, EachChoiceShowsItsTableAndDisablesOnlyItself) {
    Foodg& w = open();
    const struct {
        ui::Menu* Foodg::*menu;
        ui::CommandButton* Foodg::*button;
        GuideTable table;
        const char* title;
        int rows;
        std::vector<std::string> headers;
    } cases[] = {
        {&Foodg::mOC, &Foodg::Command3, GuideTable::CommonMeasures, "Common Measures of Food", 28,
         {"Size", "Cups or Amount", "Servings"}},
        {&Foodg::mOM, &Foodg::Command4, GuideTable::MenuIdeas, "Suggested Menu Ideas", 19,
         {"Meal", "Suggested Menu", "Suggested Menu"}},
        {&Foodg::mOH, &Foodg::Command5, GuideTable::KitchenHints, "Helpful Kitchen Hints", 31,
         {"Hint Number", "Hint Action", "Helpful Hint"}},
        {&Foodg::mOHS, &Foodg::Command6, GuideTable::Substitutions, "Healthy Recipe Substitutions", 10,
         {"When your Recipe calls for:", "Use:"}},
        {&Foodg::mOF, &Foodg::Command2, GuideTable::FoodGuide, "Daily Food Guide Requirements", 6,
         {"Food Group", "Daily Requirements", "Approximate Portion Size for One Serving"}},
    };
    auto expectShown = [&](const auto& c, const char* how) {
        EXPECT_EQ(w.Panel3D1->Caption(), c.title) << how;
        EXPECT_EQ(w.state().Shown, c.table) << how;
        EXPECT_EQ(w.VSGd1->Rows(), c.rows) << c.title;
        EXPECT_EQ(headers(w), c.headers) << c.title;
        EXPECT_TRUE(w.VSGd1->Visible()) << c.title;
        EXPECT_EQ(disabledChoices(w), (std::vector<std::string>{(w.*c.button)->name(), (w.*c.menu)->name()}))
            << c.title;
        EXPECT_EQ(runtime().focusedControl(), w.Command1) << c.title;
    };
    // By the menu, then back by the button from the table before.
    const auto* previous = &cases[std::size(cases) - 1];
    for (const auto& c : cases) {
        runtime().userMenu(*(w.*c.menu));
        expectShown(c, "menu");
        runtime().userClick(*(w.*previous->button));
        expectShown(*previous, "button");
        runtime().userClick(*(w.*c.button));
        expectShown(c, "button");
        previous = &c;
    }
}

TEST_F(FoodgTest, NothingOfTheTableBeforeRemainsAndAHeaderClickDoesNotReorder) {
    Foodg& w = open();
    runtime().userClick(*w.Command5);
    runtime().userClick(*w.Command6);
    EXPECT_EQ(w.VSGd1->Cols(), 2);
    EXPECT_EQ(w.VSGd1->TextMatrix(10, 0), "");
    EXPECT_EQ(w.VSGd1->TextMatrix(1, 2), "");
    runtime().userClick(*w.Command4);
    w.VSGd1->userSortedColumn(0);
    EXPECT_EQ(w.VSGd1->TextMatrix(1, 0), "Breakfast");
    EXPECT_EQ(w.VSGd1->TextMatrix(18, 0), "Dinner");
}

TEST_F(FoodgTest, AnActivationShowsTheDailyFoodGuideAgain) {
    Foodg& w = open();
    runtime().userClick(*w.Command4);
    ASSERT_EQ(w.state().Shown, GuideTable::MenuIdeas);
    // The start window's "&Food Guide" brings the open window forward.
    runtime().userActivated(start());
    chooseMenu(start(), "mRFG");
    runtime().userActivated(w);
    EXPECT_EQ(app().loadedWindow<Foodg>(), &w);
    EXPECT_EQ(w.state().Shown, GuideTable::FoodGuide);
    EXPECT_EQ(disabledChoices(w), (std::vector<std::string>{"Command2", "mOF"}));
}

TEST_F(FoodgTest, TheScrollTipNamesTheRowAndItsFirstCell) {
    Foodg& w = open();
    EXPECT_EQ(w.VSGd1->scrollTipFor(5), " Row 5:   ");
    EXPECT_EQ(w.VSGd1->scrollTipFor(1), " Row 1: Milk ");
    runtime().userClick(*w.Command5);
    EXPECT_EQ(w.VSGd1->scrollTipFor(12), " Row 12:  12 ");
}

TEST_F(FoodgTest, TheCaptionCarriesTheFamilyName) {
    const struct {
        const char* family;
        const char* caption;
    } cases[] = {{"", "Pantrivo - Food Guide"}, {"Smith", "Smith Pantrivo - Food Guide"}};
    for (const auto& c : cases) {
        app().vars.FamilyName = c.family;
        Foodg& w = open();
        EXPECT_EQ(w.Caption(), c.caption);
        EXPECT_EQ(w.StatusBar1->Panel(1).text, c.caption);
        runtime().userClick(*w.Command1);
        ASSERT_FALSE(w.isLoaded());
        EXPECT_TRUE(start().Visible());
    }
}

TEST_F(FoodgTest, LoadingTurnsTheSharedPrintFontsEffectsOff) {
    auto& font = app().state<printing::PrintFontSettings>();
    font.PrintFontUnderline = font.PrintFontStrikethru = font.PrintFontBold = true;
    open();
    EXPECT_FALSE(font.PrintFontUnderline);
    EXPECT_FALSE(font.PrintFontStrikethru);
    EXPECT_TRUE(font.PrintFontBold) << "the rest of the print font stays";
}

TEST_F(FoodgTest, ExitAsksAboutAChangedPanelColourOnceAndClosesEitherWay) {
    for (const int answer : {Yes, No}) {
        Foodg& w = open();
        desktop.dialogs.expectMessage("Panel Color", No);  // the system default colour
        runtime().userMenu(*w.mOPC);
        ASSERT_TRUE(w.colors().ColorsChanged);
        desktop.dialogs.expectMessage("Color Changes", answer);
        w.Toolbar2->userPressed(Foodg::ExitButton);
        EXPECT_FALSE(w.isLoaded());
        EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes made to Panel Color?");
        EXPECT_EQ(shell::settings::ReadText(app().folder(), FoodGuidePanelColorRecord) == "Default", answer == Yes);

        // Reopened, the window starts unchanged: exit asks nothing.
        const std::size_t asked = desktop.dialogs.messages().size();
        Foodg& again = open();
        runtime().userMenu(*again.mOe);
        EXPECT_FALSE(again.isLoaded());
        EXPECT_EQ(desktop.dialogs.messages().size(), asked);
        writeFile("GColor2.Fil", "");
    }
}

TEST_F(FoodgTest, KeysHelpAndTheSideToolbar) {
    Foodg& w = open();
    runtime().userKeyDown(w, ui::keys::F1, 0);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests().back().topic, help::FoodGuide);
    w.Toolbar2->userPressed(Foodg::HelpButton);
    EXPECT_EQ(desktop.help.requests().back().topic, help::FoodGuide);
    // Esc is no key of this window's.
    runtime().userKeyDown(w, ui::keys::Escape, 0);
    runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_TRUE(w.isLoaded());

    // Every control takes the focus in turn, each with a name a screen reader says.
    std::set<int> tabs;
    for (ui::Control* control : std::initializer_list<ui::Control*>{w.VSGd1, w.Command1, w.Command2, w.Command3,
                                                                    w.Command4, w.Command5, w.Command6}) {
        EXPECT_TRUE(control->canHoldFocus()) << control->name();
        EXPECT_TRUE(tabs.insert(control->TabIndex()).second) << control->name();
    }
    EXPECT_FALSE(w.VSGd1->AccessibleName().empty());
}

}  // namespace
}  // namespace food_guide
