// The drive, folder and file lists: what they list from real temporary
// folders, case-blind matching and sorting, folders that cannot be read, and
// drives from the test's own volumes.
#include <gtest/gtest.h>

#include "platform/mounted_volumes.h"
#include "platform/tests/ui/sample_form.h"
#include "platform/ui/keys.h"

namespace ui::testing {
namespace {

using basic::testing::WriteBytes;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

std::string Text(const fs::path& p) { return p.generic_string(); }

class FileListsTest : public ::testing::Test {
protected:
    basic::testing::TestFolder disk;  // folders the lists read
    Desk desk;
    SampleForm form{desk.runtime};
    std::vector<std::string>& log = form.log;

    FileListsTest() {
        form.Show();
        log.clear();
    }

    fs::path folder(std::string_view name) {
        fs::create_directories(disk / name);
        return disk / name;
    }
};

TEST_F(FileListsTest, FileListShowsMatchingRegularFilesSortedWithoutRegardToCase) {
    const fs::path dir = folder("export");
    for (const char* name : {"pie.rc1", "APPLEPIE.RC1", "bread.Rc1", "notes.txt", "cake.rc1.bak", "rc1"})
        WriteBytes(dir / name, "x");
    fs::create_directory(dir / "folder.rc1");  // a folder is never a file
    // A name outside ASCII shows as Windows-1252 text.
    WriteBytes(dir / "cr\xC3\xA8me.rc1", "x");

    FileListBox& files = form.add<FileListBox>("File1");
    files.setPattern("*.rc1");
    ASSERT_TRUE(files.setPath(Text(dir)));
    EXPECT_EQ(files.items(), (Names{"APPLEPIE.RC1", "bread.Rc1", "cr\xE8me.rc1", "pie.rc1"}));
    EXPECT_EQ(files.Path(), Text(dir));
    EXPECT_EQ(files.FileName(), "");

    // Another pattern reads the folder again.
    files.setPattern("*.TXT");
    EXPECT_EQ(files.items(), (Names{"notes.txt"}));
}

TEST_F(FileListsTest, FileListChoiceRaisesClickAndSurvivesRefreshButNotAnotherFolder) {
    const fs::path a = folder("a"), b = folder("b");
    for (const char* name : {"one.rc1", "two.rc1"}) WriteBytes(a / name, "x");
    WriteBytes(b / "two.rc1", "x");
    FileListBox& files = form.add<FileListBox>("File1");
    files.setPattern("*.rc1");
    files.onClick = [&] { log.push_back("Click " + files.FileName()); };
    files.onDblClick = [&] { log.push_back("DblClick " + files.FileName()); };
    ASSERT_TRUE(files.setPath(Text(a)));

    files.userChose(1);
    desk.runtime.userDoubleClick(files);
    EXPECT_EQ(log, (Names{"Click two.rc1", "DblClick two.rc1"}));

    // A file written meanwhile shows after Refresh; the chosen one stays chosen.
    WriteBytes(a / "three.rc1", "x");
    ASSERT_TRUE(files.Refresh());
    EXPECT_EQ(files.items(), (Names{"one.rc1", "three.rc1", "two.rc1"}));
    EXPECT_EQ(files.FileName(), "two.rc1");

    ASSERT_TRUE(files.setPath(Text(b)));
    EXPECT_EQ(files.FileName(), "");
}

TEST_F(FileListsTest, ListsKeepTheirFolderWhenTheNewOneCannotBeRead) {
    const fs::path good = folder("good");
    fs::create_directory(good / "sub");
    WriteBytes(good / "pie.rc1", "x");
    WriteBytes(disk / "plain.rc1", "x");
    FileListBox& files = form.add<FileListBox>("File1");
    files.setPattern("*.rc1");
    DirListBox& dirs = form.add<DirListBox>("Dir1");
    dirs.onChange = [&] { log.push_back("Change " + dirs.Path()); };
    ASSERT_TRUE(files.setPath(Text(good)));
    ASSERT_TRUE(dirs.setPath(Text(good)));
    log.clear();

    for (const fs::path& bad : {disk / "missing", disk / "plain.rc1"}) {
        EXPECT_FALSE(files.setPath(Text(bad))) << bad;
        EXPECT_FALSE(dirs.setPath(Text(bad))) << bad;
        EXPECT_EQ(files.Path(), Text(good));
        EXPECT_EQ(files.items(), (Names{"pie.rc1"}));
        EXPECT_EQ(dirs.Path(), Text(good));
        EXPECT_EQ(dirs.EntryName(dirs.ListCount() - 1), "sub");
    }
    EXPECT_TRUE(log.empty());

    // A listed folder that went away empties the file list on Refresh.
    fs::remove_all(good);
    EXPECT_FALSE(files.Refresh());
    EXPECT_EQ(files.ListCount(), 0);
}

TEST_F(FileListsTest, FolderListShowsTheWayDownFromTheDriveRootThenSubfolders) {
    desk.desktop.volumes.addDrive("STICK", disk.path());
    const fs::path here = folder("Recipes/Soups");
    for (const char* sub : {"winter", "Autumn", "cold"}) fs::create_directory(here / sub);
    WriteBytes(here / "file.rc1", "x");
    DirListBox& dirs = form.add<DirListBox>("Dir1");
    dirs.onChange = [&] { log.push_back("Change"); };

    ASSERT_TRUE(dirs.setPath(Text(here) + "/"));  // a trailing "/" names the same folder
    EXPECT_EQ(dirs.Path(), Text(here));
    struct Row {
        std::string name;
        int level;
    };
    const Row expected[] = {{Text(disk.path()), 0}, {"Recipes", 1}, {"Soups", 2},
                            {"Autumn", 3},          {"cold", 3},    {"winter", 3}};
    ASSERT_EQ(dirs.ListCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(dirs.EntryName(i), expected[i].name) << i;
        EXPECT_EQ(dirs.Level(i), expected[i].level) << i;
    }
    EXPECT_EQ(dirs.List(1), Text(disk / "Recipes"));
    EXPECT_EQ(dirs.ListIndex(), 2);
    EXPECT_EQ(log, (Names{"Change"}));

    // The same path again is no change.
    ASSERT_TRUE(dirs.setPath(Text(here)));
    EXPECT_EQ(log, (Names{"Change"}));
}

TEST_F(FileListsTest, OpeningAFolderMakesItThePathOrReportsThatItCannotBeRead) {
    const fs::path top = folder("top");
    fs::create_directory(top / "inner");
    DirListBox& dirs = form.add<DirListBox>("Dir1");
    dirs.onChange = [&] { log.push_back("Change " + dirs.Path()); };
    dirs.onPathFailed = [&] { log.push_back("PathFailed " + dirs.Path()); };
    ASSERT_TRUE(dirs.setPath(Text(top)));
    log.clear();

    const int inner = dirs.ListCount() - 1;
    dirs.userOpenedFolder(inner);
    EXPECT_EQ(dirs.Path(), Text(top / "inner"));
    // The folder above, listed before the current one, leads back up.
    fs::remove_all(top / "inner");
    dirs.userOpenedFolder(dirs.ListIndex() - 1);
    EXPECT_EQ(dirs.Path(), Text(top));

    fs::create_directory(top / "gone");
    ASSERT_TRUE(dirs.Refresh());
    fs::remove(top / "gone");
    dirs.userOpenedFolder(dirs.ListCount() - 1);
    EXPECT_EQ(log, (Names{"Change " + Text(top / "inner"), "Change " + Text(top), "PathFailed " + Text(top)}));
}

TEST_F(FileListsTest, EnterInAFolderListOpensTheMarkedFolderNotTheDefaultButton) {
    const fs::path top = folder("top");
    fs::create_directory(top / "inner");
    DirListBox& dirs = form.add<DirListBox>("Dir1");
    dirs.onChange = [&] { log.push_back("Change " + dirs.Path()); };
    ASSERT_TRUE(dirs.setPath(Text(top)));
    dirs.userChose(dirs.ListCount() - 1);
    log.clear();

    EXPECT_TRUE(desk.runtime.userKeyDown(form, keys::Return, 0));
    EXPECT_EQ(dirs.Path(), Text(top / "inner"));
    EXPECT_EQ(log, (Names{"Change " + Text(top / "inner")})) << "OK is not pressed";
}

TEST_F(FileListsTest, DrivesComeFromTheVolumesWithTheProgramFolderFirst) {
    const fs::path stick = folder("stick");
    desk.desktop.volumes.addDrive("STICK", stick);
    desk.desktop.volumes.addDrive("EMPTYDRIVE", disk / "no disk");
    DriveListBox& drives = form.add<DriveListBox>("Drive1");
    drives.onChange = [&] { log.push_back("Change " + drives.Drive()); };

    ASSERT_EQ(drives.ListCount(), 3);
    EXPECT_EQ(drives.Drive(), "C:");
    EXPECT_EQ(drives.ListIndex(), 0);
    EXPECT_EQ(drives.CurrentFolderOf(0), desk.folder.path());
    EXPECT_EQ(drives.RootOf(1), stick);
    EXPECT_EQ(drives.List(2), "EMPTYDRIVE");
    EXPECT_TRUE(drives.Ready(0));
    EXPECT_TRUE(drives.Ready(1));
    EXPECT_FALSE(drives.Ready(2));

    EXPECT_TRUE(drives.setDrive("stick"));  // case ignored
    EXPECT_TRUE(drives.setDrive("STICK"));  // no change, no event
    EXPECT_FALSE(drives.setDrive("Z:"));
    EXPECT_EQ(drives.Drive(), "STICK");
    drives.userChose(0);
    EXPECT_EQ(log, (Names{"Change STICK", "Change C:"}));
    EXPECT_EQ(drives.DriveOf(stick / "deeper"), 1);
    EXPECT_EQ(drives.DriveOf(desk.folder.path()), 0);
}

TEST_F(FileListsTest, AVolumeInsideAnotherBelongsToTheChosenDriveThatHoldsIt) {
    // The home folder lies on the program's volume, as on most machines.
    desk.desktop.volumes.programRoot = disk.path();
    const fs::path home = folder("home");
    desk.desktop.volumes.addDrive("home", home);
    DriveListBox& drives = form.add<DriveListBox>("Drive1");
    EXPECT_EQ(drives.DriveOf(home / "pies"), 0) << "C: is chosen and holds it";
    EXPECT_TRUE(drives.setDrive("home"));
    EXPECT_EQ(drives.DriveOf(home / "pies"), 1);
    EXPECT_EQ(drives.DriveOf(disk.path()), 0) << "outside the chosen drive: the one holding it";
}

TEST_F(FileListsTest, EachDriveRemembersItsCurrentFolderForTheRestOfTheRun) {
    const fs::path stick = folder("stick");
    fs::create_directory(stick / "pies");
    desk.desktop.volumes.addDrive("STICK", stick);
    {
        SampleForm dialog{desk.runtime, "Importfrm"};
        DriveListBox& drives = dialog.add<DriveListBox>("Drive1");
        EXPECT_TRUE(drives.rememberFolder(stick / "pies"));
        EXPECT_FALSE(drives.rememberFolder("/"));  // on no listed drive
        EXPECT_EQ(drives.CurrentFolderOf(1), stick / "pies");
    }
    // A dialog made anew starts each drive where it was left.
    SampleForm again{desk.runtime, "Importfrm"};
    DriveListBox& drives = again.add<DriveListBox>("Drive1");
    EXPECT_EQ(drives.CurrentFolderOf(1), stick / "pies");
    EXPECT_EQ(drives.CurrentFolderOf(0), desk.folder.path());
}

TEST(MountedVolumesTest, ProgramVolumeThenHomeThenRemovableMountsByFolderName) {
    const std::string mounts =
        "/dev/sda1 / ext4 rw 0 0\n"
        "/dev/sda2 /opt ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/ann/MY\\040STICK vfat rw 0 0\n"
        "/dev/sdc1 /run/media/ann/CARD vfat rw 0 0\n"
        "/dev/sdd1 /mnt/backup ext4 rw 0 0\n"
        "/dev/sde1 /mediate ext4 rw 0 0\n";
    const auto volumes = platform::VolumesFromMounts(mounts, "/opt/pantrivo/", "/home/ann");
    struct Row {
        std::string name;
        fs::path root, current;
    };
    const Row expected[] = {
        {"C:", "/opt", "/opt/pantrivo"},
        {"ann", "/home/ann", "/home/ann"},
        {"MY STICK", "/media/ann/MY STICK", "/media/ann/MY STICK"},
        {"CARD", "/run/media/ann/CARD", "/run/media/ann/CARD"},
        {"backup", "/mnt/backup", "/mnt/backup"},
    };
    ASSERT_EQ(volumes.size(), std::size(expected));
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        EXPECT_EQ(volumes[i].name, expected[i].name) << i;
        EXPECT_EQ(volumes[i].root, expected[i].root) << i;
        EXPECT_EQ(volumes[i].current, expected[i].current) << i;
    }
    // A program kept on a removable volume lists that volume once, as C:.
    const auto onStick = platform::VolumesFromMounts(mounts, "/mnt/backup/pantrivo", "");
    ASSERT_EQ(onStick.size(), 3u);
    EXPECT_EQ(onStick[0].root, "/mnt/backup");
}

}  // namespace
}  // namespace ui::testing
