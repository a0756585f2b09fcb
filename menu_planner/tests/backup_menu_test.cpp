// The menu planner's Utilities menu: the year it hands the backup window,
// the save question before it, and today's menu read again after a restore.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "menu_planner/store/year_menu_file.h"
#include "menu_planner/tests/menu_planner_fixture.h"
#include "platform/testing/file_size_limit.h"
#include "shell/backup_handover.h"
#include "shell/tests/fake_backup_window.h"

namespace menu_planner {
namespace {

using platform::answer::No;
using platform::answer::Yes;
using Showing = shell::testing::FakeBackupWindow::Showing;

constexpr std::int16_t YearBackup = shell::backup_family::MenuYearBackup;
constexpr std::int16_t YearRestore = shell::backup_family::MenuYearRestore;

// The captions of a menu bar or of a menu's items, in order.
template <class Items>
std::vector<std::string> Captions(const Items& items) {
    std::vector<std::string> captions;
    for (const auto& item : items) captions.push_back(item->Caption());
    return captions;
}

class PlannerBackupTest : public testing::MenuPlannerFixture {
protected:
    bool backupOffered(Zcalandar& w) {
        runtime().userMenu(*w.mU);
        return w.mUB->Enabled();
    }
    void chooseDay(Zcalandar& w, const basic::CalendarDate& date) { w.MonthView1->userClickedDate(date); }
    // A day's menu as the restore writes it, its first entry given.
    void writeDay(const basic::CalendarDate& date, const std::string& first) {
        DayMenuRecord record;
        record.entries[0] = first;
        record.inUse = true;
        ASSERT_TRUE(SaveDayMenu(basic::ProgramFolder(folder.path()), date.year, DayKey(date), record));
    }
    std::string entryOnDisk(const basic::CalendarDate& date, int index) {
        return ReadDayMenu(basic::ProgramFolder(folder.path()), date.year, DayKey(date))
            .record.entries[static_cast<std::size_t>(index)];
    }

    shell::testing::FakeBackupWindow backup{app()};
};

TEST_F(PlannerBackupTest, TheUtilitiesMenuStandsBeforeHelp) {
    Zcalandar& w = open();
    EXPECT_EQ(Captions(w.menus()), (std::vector<std::string>{"&Options", "&Edit", "&Utilities", "&Help"}));
    EXPECT_EQ(Captions(w.mU->items()), (std::vector<std::string>{"&Backup Selected Year File to Disk",
                                                                 "&Restore Selected Year File from Disk"}));
}

TEST_F(PlannerBackupTest, BackupIsOfferedOnceTheLoadedYearsFileHoldsADay) {
    writeDay({2003, 7, 4}, "Picnic");  // another year's file does not count
    Zcalandar& w = open();
    EXPECT_FALSE(backupOffered(w)) << "the year's file was just made, empty";
    EXPECT_TRUE(w.mUR->Enabled()) << "a restore is always offered";
    type(box(w, 0), "Eggs");
    runtime().userClick(*w.Command1);
    EXPECT_TRUE(backupOffered(w));

    chooseMenu(w, "mUB");
    EXPECT_EQ(backup.shown, (std::vector<Showing>{{YearBackup, 0, 2004}}));
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(PlannerBackupTest, TheYearHandedOverIsTheCalendarDaysYear) {
    writeDay({2005, 1, 1}, "Brunch");
    Zcalandar& w = open();
    chooseDay(w, {2005, 1, 1});
    ASSERT_EQ(box(w, 0).Text(), "Brunch");
    chooseMenu(w, "mUB");
    chooseMenu(w, "mUR");
    EXPECT_EQ(backup.shown, (std::vector<Showing>{{YearBackup, 0, 2005}, {YearRestore, shell::RestoreModeOn, 2005}}));
    EXPECT_EQ(app().vars.BackupFamily, 0);
}

TEST_F(PlannerBackupTest, ChangedEntriesAreAskedAboutAndTheDayShownAgainBeforeTheBackup) {
    const basic::CalendarDate today{2004, 3, 5};
    writeDay(today, "Eggs");
    Zcalandar& w = open();
    std::optional<std::string> savedWhileOpen;
    backup.whileOpen = [&] { savedWhileOpen = entryOnDisk(today, 1); };

    type(box(w, 1), "Toast");
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    chooseMenu(w, "mUB");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes/entries before next action?");
    EXPECT_EQ(savedWhileOpen, "Toast") << "saved before the backup window opens";
    EXPECT_FALSE(w.state().EntriesChanged);

    type(box(w, 2), "Jam");
    desktop.dialogs.expectMessage("Menu Planner", No);
    chooseMenu(w, "mUB");
    EXPECT_EQ(entryOnDisk(today, 2), "") << "No saves nothing";
    ASSERT_EQ(backup.shown.size(), 2u);
    // The boxes show the day as saved, not emptied: typing into them and
    // saving then cannot blank the entries they no longer showed.
    EXPECT_EQ(box(w, 0).Text(), "Eggs");
    EXPECT_EQ(box(w, 1).Text(), "Toast");
    EXPECT_EQ(box(w, 2).Text(), "");
    EXPECT_FALSE(w.state().EntriesChanged);
}

TEST_F(PlannerBackupTest, ARestoreShowsTodaysMenuFromTheRestoredFile) {
    const basic::CalendarDate today{2004, 3, 5};
    Zcalandar& w = open();
    chooseDay(w, {2004, 3, 20});
    backup.whileOpen = [&] {
        writeDay(today, "Pancakes");
        EXPECT_EQ(w.SSPanel4->Caption(), "March 20, 2004") << "the window waits while the backup window is open";
    };
    chooseMenu(w, "mUR");

    EXPECT_EQ(backup.shown, (std::vector<Showing>{{YearRestore, shell::RestoreModeOn, 2004}}));
    EXPECT_EQ(w.MonthView1->Value(), today) << "the calendar back on today";
    EXPECT_EQ(w.SSPanel4->Caption(), "March 5, 2004");
    EXPECT_EQ(box(w, 0).Text(), "Pancakes");
    EXPECT_TRUE(w.Command3->Enabled()) << "a saved day can be cleared";
    EXPECT_TRUE(w.Command2->Enabled());
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(PlannerBackupTest, ChangedEntriesAreAskedAboutBeforeARestore) {
    const basic::CalendarDate today{2004, 3, 5};
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    desktop.dialogs.expectMessage("Menu Planner");  // the entries could not be saved
    {
        basic::testing::FileSizeLimit diskFull(0);
        chooseMenu(w, "mUR");
    }
    EXPECT_TRUE(backup.shown.empty()) << "the entries the message keeps are not restored over";
    EXPECT_EQ(box(w, 0).Text(), "Eggs");
    EXPECT_TRUE(w.state().EntriesChanged);

    std::optional<std::string> savedWhileOpen;
    backup.whileOpen = [&] { savedWhileOpen = entryOnDisk(today, 0); };
    desktop.dialogs.expectMessage("Menu Planner", Yes);
    chooseMenu(w, "mUR");
    EXPECT_EQ(savedWhileOpen, "Eggs");
    EXPECT_EQ(box(w, 0).Text(), "Eggs") << "read again from the file";
}

class PlannerWithoutBackupTest : public testing::MenuPlannerFixture {};

TEST_F(PlannerWithoutBackupTest, WithoutABackupWindowTheItemsChangeNothing) {
    Zcalandar& w = open();
    type(box(w, 0), "Eggs");
    runtime().userClick(*w.Command1);
    w.MonthView1->userClickedDate({2004, 3, 20});
    type(box(w, 0), "Soup");
    desktop.dialogs.expectMessage("Menu Planner", No);
    chooseMenu(w, "mUB");
    chooseMenu(w, "mUR");
    EXPECT_EQ(w.SSPanel4->Caption(), "March 20, 2004") << "nothing was restored: the day stays";
    EXPECT_EQ(app().vars.BackupFamily, 0);
    EXPECT_EQ(app().vars.RestoreMode, 0);
    EXPECT_FALSE(desktop.display.busy());
}

}  // namespace
}  // namespace menu_planner
