// The day in the boxes: loading, saving, clearing and moving to another day,
// byte for byte in the year files.
#include "menu_planner/store/year_menu_file.h"
#include "menu_planner/tests/menu_planner_fixture.h"

namespace menu_planner {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

class DayMenuTest : public testing::MenuPlannerFixture {
protected:
    std::string yearFile(int year) { return YearMenuFileName(year); }
    void chooseDay(Zcalandar& w, const basic::CalendarDate& date) { w.MonthView1->userClickedDate(date); }
};

TEST_F(DayMenuTest, SavingADayWritesItsRecordAtItsKey) {
    Zcalandar& w = open();
    EXPECT_EQ(w.SSPanel4->Caption(), "March 5, 2004");
    ASSERT_TRUE(exists(" 2004.Mnu")) << "loading a day makes its year's file";
    EXPECT_EQ(bytesOf(" 2004.Mnu"), "");
    EXPECT_FALSE(w.Command3->Enabled()) << "nothing saved to clear";

    type(box(w, 0), "Eggs");
    type(box(w, 14), "Roast");
    EXPECT_TRUE(w.state().EntriesChanged);
    runtime().userClick(*w.Command1);
    EXPECT_FALSE(w.state().EntriesChanged);

    const std::string bytes = bytesOf(" 2004.Mnu");
    ASSERT_EQ(bytes.size(), 37082u);
    EXPECT_EQ(bytes.substr(36400, 32), entryBytes("Eggs"));
    EXPECT_EQ(bytes.substr(36400 + 32, 32), entryBytes(""));
    EXPECT_EQ(bytes.substr(36848, 32), entryBytes("Roast"));
    EXPECT_EQ(bytes.substr(37072, 10), "Full      ");
    EXPECT_EQ(bytes.substr(0, 36400), std::string(36400, '\0')) << "the days before stay unwritten";
}

TEST_F(DayMenuTest, SavingEmptyBoxesAsksAndNoWritesNothing) {
    Zcalandar& w = open();
    desktop.dialogs.expectMessage("Save", No);
    runtime().userClick(*w.Command1);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "There are currently No Entries to Save!\rSave anyway?");
    EXPECT_EQ(bytesOf(" 2004.Mnu"), "");

    desktop.dialogs.expectMessage("Save", Yes);
    runtime().userClick(*w.Command1);
    EXPECT_EQ(bytesOf(" 2004.Mnu").substr(37072, 10), "Full      ");
}

TEST_F(DayMenuTest, MovingFromTheYearsLastDayToTheNextYearSavesTheOldDay) {
    setToday({2004, 12, 31});
    Zcalandar& w = open();
    type(box(w, 7), "Soup");
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    chooseDay(w, {2005, 1, 1});
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes/entries before next action?");

    const std::string old = bytesOf(" 2004.Mnu");
    ASSERT_EQ(old.size(), FullYearFileBytes);
    EXPECT_EQ(old.substr(430 * 700 + 7 * 32, 32), entryBytes("Soup"));
    ASSERT_TRUE(exists(" 2005.Mnu"));
    EXPECT_EQ(bytesOf(" 2005.Mnu"), "");
    EXPECT_EQ(w.SSPanel4->Caption(), "January 1, 2005");
    EXPECT_EQ(w.state().LoadedYear, 2005);
    EXPECT_EQ(w.state().LoadedDayKey, 11);
    EXPECT_FALSE(w.state().EntriesChanged);
    EXPECT_EQ(box(w, 7).Text(), "");

    // Back to the saved day: its entries again.
    chooseDay(w, {2004, 12, 31});
    EXPECT_EQ(box(w, 7).Text(), "Soup");
    EXPECT_TRUE(w.Command3->Enabled());
}

TEST_F(DayMenuTest, AnsweringNoOnAMoveDiscardsTheChanges) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    desktop.dialogs.expectMessage("Menu Planner", No);
    chooseDay(w, {2004, 3, 6});
    EXPECT_EQ(bytesOf(" 2004.Mnu"), "");
    chooseDay(w, {2004, 3, 5});
    EXPECT_EQ(box(w, 0).Text(), "");
}

TEST_F(DayMenuTest, AFailedSaveIsToldAndTheEntriesStayChanged) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    // The year's file turned into something that cannot be written.
    std::filesystem::remove(folder / " 2004.Mnu");
    std::filesystem::create_directory(folder / " 2004.Mnu");

    desktop.dialogs.expectMessage("Menu Planner");
    runtime().userClick(*w.Command1);
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(w.state().EntriesChanged);
    EXPECT_EQ(box(w, 0).Text(), "Eggs");

    // Moving on: the old day stays, with its entries.
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    desktop.dialogs.expectMessage("Menu Planner");
    chooseDay(w, {2004, 3, 6});
    EXPECT_EQ(w.MonthView1->Value(), (basic::CalendarDate{2004, 3, 5}));
    EXPECT_EQ(box(w, 0).Text(), "Eggs");
    EXPECT_TRUE(w.state().EntriesChanged);

    // Leaving: the window stays open.
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    desktop.dialogs.expectMessage("Menu Planner");
    runtime().userClick(*w.Command2);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(box(w, 0).Text(), "Eggs");
}

TEST_F(DayMenuTest, ClearingEmptiesTheBoxesOnlyUntilSaved) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    runtime().userClick(*w.Command1);
    desktop.dialogs.expectMessage("Clear Entries", Yes);
    runtime().userClick(*w.Command3);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Clear all Entries for March 5, 2004?");
    EXPECT_EQ(box(w, 0).Text(), "");
    EXPECT_TRUE(w.state().EntriesChanged);

    desktop.dialogs.expectMessage("Menu Planner", No);
    runtime().userClick(*w.Command2);
    ASSERT_FALSE(w.isLoaded());
    EXPECT_EQ(bytesOf(" 2004.Mnu").substr(36400, 32), entryBytes("Eggs")) << "the record keeps its entries";

    Zcalandar& again = open();
    EXPECT_EQ(box(again, 0).Text(), "Eggs");
    desktop.dialogs.expectMessage("Clear Entries", Yes);
    runtime().userClick(*again.Command3);
    desktop.dialogs.expectMessage("Clear Entries");
    runtime().userClick(*again.Command3);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "There are currently No Entries to Clear!");
}

TEST_F(DayMenuTest, ExitWithChangesAsksAndCancelStays) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    desktop.dialogs.expectMessage("Menu Planner", Cancel);
    runtime().userClick(*w.Command2);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes/entries before next action or exiting?");
    EXPECT_TRUE(w.isLoaded());
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    runtime().userClick(*w.Command2);
    EXPECT_FALSE(app().loadedWindow<Zcalandar>());
    EXPECT_EQ(bytesOf(" 2004.Mnu").substr(36400, 32), entryBytes("Eggs"));
}

TEST_F(DayMenuTest, DamagedYearFilesOpenWithoutACrash) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"short", std::string(100, 'x')},
        {"binary bytes", std::string(36400, '\xFF') + std::string(682, '\0')},
        {"full but blank", std::string(36400, '\0') + std::string(672, ' ') + "Full      "},
    };
    for (const auto& c : cases) {
        writeFile(" 2004.Mnu", c.bytes);
        Zcalandar& w = open();
        EXPECT_EQ(w.SSPanel4->Caption(), "March 5, 2004") << c.what;
        for (int i = 0; i < Zcalandar::BoxCount; ++i) EXPECT_EQ(box(w, i).Text(), "") << c.what;
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded()) << c.what;
    }
}

}  // namespace
}  // namespace menu_planner
