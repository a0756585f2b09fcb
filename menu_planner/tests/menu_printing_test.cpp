// The window's Print/View panel, its print preview and the day's copy, as
// the window wires them.
#include "menu_planner/store/year_menu_file.h"
#include "menu_planner/tests/menu_planner_fixture.h"

namespace menu_planner {
namespace {

using platform::answer::Cancel;
using platform::answer::Yes;

class MenuPrintingTest : public testing::MenuPlannerFixture {
protected:
    void saveDay(const basic::CalendarDate& date, const std::string& breakfast) {
        DayMenuRecord record;
        record.entries[0] = breakfast;
        ASSERT_TRUE(SaveDayMenu(basic::ProgramFolder(folder.path()), date.year, DayKey(date), record));
    }
};

TEST_F(MenuPrintingTest, PrintViewAsksAboutChangesThenCoversTheDay) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    desktop.dialogs.expectMessage("Menu Planner", Cancel);
    runtime().userClick(*w.Command7);
    EXPECT_FALSE(w.printView().isOpen()) << "Cancel leaves the window as it was";

    desktop.dialogs.expectMessage("Menu Planner", Yes);
    runtime().userClick(*w.Command7);
    ASSERT_TRUE(w.printView().isOpen());
    EXPECT_FALSE(box(w, 0).TabStop());
    EXPECT_FALSE(w.mOCal->Enabled());
    EXPECT_EQ(bytesOf(" 2004.Mnu").substr(36400, 32), entryBytes("Eggs"));

    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.printView().isOpen());
    EXPECT_TRUE(box(w, 0).TabStop());
    EXPECT_TRUE(w.mOCal->Enabled());
    EXPECT_EQ(box(w, 0).Text(), "Eggs") << "the day loaded again";
}

TEST_F(MenuPrintingTest, ARangeFrom20DecemberReadsJanuaryFromTheNextYearsFile) {
    setToday({2004, 12, 20});
    saveDay({2004, 12, 20}, "Waffles");
    Zcalandar& w = open();
    runtime().userClick(*w.Command7);
    runtime().userClick(*w.printView().SSOption1[1]);
    w.printView().Combo5->userEdited("31");
    runtime().userClick(*w.printView().Command5);
    ui::Grid& grid = *w.printView().Grid1;
    ASSERT_TRUE(grid.Visible());
    ASSERT_EQ(grid.Rows(), 33);
    EXPECT_EQ(grid.TextMatrix(1, 0), "Mon - Dec 20, 2004");
    EXPECT_EQ(grid.TextMatrix(13, 1), "No menu items were found");
    EXPECT_TRUE(w.mOV->Checked());
    EXPECT_FALSE(w.mOS->Enabled());
    runtime().userClick(*w.printView().Command13);
    EXPECT_FALSE(w.mOV->Checked());
    EXPECT_TRUE(w.mOS->Enabled());
}

TEST_F(MenuPrintingTest, ThePreviewOpensOnASavedDayAndTheSideButtonsOnlySound) {
    Zcalandar& w = open();
    runtime().userClick(*w.Command7);
    desktop.dialogs.expectMessage("Print");
    runtime().userClick(*w.printView().Command6);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "There are no Entries to print.");
    EXPECT_FALSE(w.preview().isOpen());
    // Closing the panel loads the calendar's day again, as saved meanwhile.
    saveDay({2004, 3, 5}, "Pancakes");
    runtime().userClick(*w.printView().Command13);
    runtime().userClick(*w.Command7);
    runtime().userClick(*w.printView().Command6);
    ASSERT_TRUE(w.preview().isOpen());
    EXPECT_GT(w.preview().document().PageCount(), 0);
    EXPECT_FALSE(w.mO->Enabled());
    const int beeps = desktop.display.beeps();
    w.Toolbar2->userPressed(4);
    EXPECT_EQ(desktop.display.beeps(), beeps + 1);
    runtime().userKeyDown(w, ui::keys::F1, 0);
    EXPECT_EQ(desktop.help.requests().back().topic, shell::topics::PrintPreview);

    // Esc: the preview, then the Print/View panel, then the window.
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().isOpen());
    EXPECT_TRUE(w.mO->Enabled());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.printView().isOpen());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(app().loadedWindow<Zcalandar>());
}

TEST_F(MenuPrintingTest, ThePreviewKeepsItsWidthOnEveryActivation) {
    Zcalandar& w = open();
    const int width = w.preview().SSPanel80->Width();
    for (int i = 0; i < 3; ++i) runtime().userActivated(w);
    EXPECT_EQ(w.preview().SSPanel80->Width(), width);
}

TEST_F(MenuPrintingTest, TheDaysCopyGoesToTheClipboard) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    desktop.dialogs.expectMessage("Copy Option");
    runtime().userMenu(*w.mECopy);
    EXPECT_NE(desktop.clipboard.text.find("Eggs"), std::string::npos);
}

}  // namespace
}  // namespace menu_planner
