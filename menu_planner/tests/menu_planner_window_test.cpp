// The menu planner window as a whole: opening from the start window, its
// caption, help, the clock, Esc and leaving.
#include "menu_planner/menu_planner_help.h"
#include "menu_planner/tests/menu_planner_fixture.h"
#include "shell/tests/help_file_check.h"

namespace menu_planner {
namespace {

class MenuPlannerWindowTest : public testing::MenuPlannerFixture {};

TEST_F(MenuPlannerWindowTest, RegistersItsRecordsAndTopicWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    EXPECT_TRUE(shell::testing::HelpFileHolds(PANTRIVO_HELP_FILE, help::Topics));
}

TEST_F(MenuPlannerWindowTest, TheStartWindowsButtonOpensItOnToday) {
    shell::Startfrm& start = startProgram();
    runtime().userClick(*start.SSCommand1[shell::Startfrm::MenuPlannerButton]);
    Zcalandar* w = app().loadedWindow<Zcalandar>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->MonthView1->Value(), (basic::CalendarDate{2004, 3, 5}));
    EXPECT_EQ(w->SSPanel4->Caption(), "March 5, 2004");
    EXPECT_EQ(w->SSPanel5->Caption(), "10:00 AM");
    EXPECT_FALSE(w->Combo1->Visible());
}

TEST_F(MenuPlannerWindowTest, TheCaptionCarriesTheFamilyNameOnce) {
    const struct {
        const char* family;
        const char* caption;
    } cases[] = {{"", "Pantrivo - Menu Planner"}, {"Smith", "Smith Pantrivo - Menu Planner"}};
    for (const auto& c : cases) {
        app().vars.FamilyName = c.family;
        Zcalandar& w = open();
        EXPECT_EQ(w.Caption(), c.caption);
        EXPECT_EQ(w.StatusBar1->Panel(1).text, c.caption);
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded());
    }
}

TEST_F(MenuPlannerWindowTest, TheClockFollowsTheProgramsClock) {
    Zcalandar& w = open();
    const struct {
        int hour, minute;
        const char* shown;
    } cases[] = {{0, 5, "12:05 AM"}, {9, 30, "9:30 AM"}, {12, 0, "12:00 PM"}, {23, 59, "11:59 PM"}};
    for (const auto& c : cases) {
        setToday({2004, 3, 5}, c.hour, c.minute);
        w.Timer1->userElapsed();
        EXPECT_EQ(w.SSPanel5->Caption(), c.shown);
    }
    // A stopped timer moves nothing.
    w.Timer1->setEnabled(false);
    setToday({2004, 3, 5}, 8, 0);
    w.Timer1->userElapsed();
    EXPECT_EQ(w.SSPanel5->Caption(), "11:59 PM");
}

TEST_F(MenuPlannerWindowTest, F1OpensItsTopic) {
    Zcalandar& w = open();
    runtime().userKeyDown(w, ui::keys::F1, 0);
    EXPECT_EQ(desktop.help.requests().back().topic, help::MenuPlanner);
}

TEST_F(MenuPlannerWindowTest, EscClosesAPanelThenLeaves) {
    Zcalandar& w = open();
    runtime().userClick(*w.Command4);
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.Panel3D3->Visible());
    EXPECT_TRUE(w.isLoaded());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(app().loadedWindow<Zcalandar>());
    EXPECT_TRUE(start().Visible());
}

TEST_F(MenuPlannerWindowTest, ATextColourIsAskedAboutOnLeavingAndKept) {
    Zcalandar& w = open();
    desktop.dialogs.expectColor(ui::Rgb(0, 0, 255));
    w.Toolbar2->userPressed(2);
    EXPECT_EQ(box(w, 5).ForeColor(), ui::Rgb(0, 0, 255));
    desktop.dialogs.expectMessage("Color Changes", platform::answer::Yes);
    runtime().userClick(*w.Command2);
    ASSERT_FALSE(w.isLoaded());
    Zcalandar& again = open();
    EXPECT_EQ(box(again, 5).ForeColor(), ui::Rgb(0, 0, 255));
}

}  // namespace
}  // namespace menu_planner
