// The backup window as its openers show it and the user goes through it:
// the texts of each family and direction, the drive and folder lists, a
// cookbook backed up to a folder and restored from it, and the endings.
#include "backup/backup1.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "backup/store/tests/backup_test_disks.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/path_text.h"
#include "platform/ui/keys.h"
#include "recipes/store/recipe_file_state.h"
#include "shell/backup_handover.h"
#include "shell/tests/program_fixture.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::OK;
using platform::answer::Yes;

class BackupWindowTest : public shell::testing::ProgramTest {
protected:
    BackupWindowTest() {
        RegisterBackup(app());
        fs::create_directories(stick / "backups");
        desktop.volumes.addDrive("STICK", stick);
        startProgram();
    }

    // The opener's hand-over, then the window shown modally; `inside` is
    // what the user does while it is open.
    void open(int code, int restoreMode, const std::function<void(Backup1&)>& inside, int year = 0) {
        app().vars.BackupFamily = static_cast<std::int16_t>(code);
        app().vars.RestoreMode = static_cast<std::int16_t>(restoreMode);
        app().vars.BackupYear = year;
        bool shown = false;
        desktop.windows.onModal("Backup1", [&](ui::Form& form) {
            shown = true;
            inside(static_cast<Backup1&>(form));
        });
        ASSERT_TRUE(app().showBackupWindow());
        EXPECT_TRUE(shown);
    }

    template <class Box>
    void choose(Box& box, const std::string& text) {
        for (int i = 0; i < box.ListCount(); ++i)
            if (box.List(i) == text) return box.userChose(i);
        ADD_FAILURE() << "not listed: " << text;
    }
    void openFolder(Backup1& w, const fs::path& path) {
        for (int i = 0; i < w.Dir1->ListCount(); ++i)
            if (w.Dir1->List(i) == path.string()) return w.Dir1->userOpenedFolder(i);
        ADD_FAILURE() << "not listed: " << path;
    }
    // The stick's backup folder, chosen through both lists.
    void chooseBackupFolder(Backup1& w) {
        choose(*w.Drive1, "STICK");
        openFolder(w, stick / "backups");
    }
    std::string cookbookFiles(int cookbook) const {
        std::string all;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".db" + std::to_string(cookbook))) all += name + "=" + bytesOf(name) + "|";
        }
        return all;
    }
    const platform::MessageBoxRequest& lastMessage() const { return desktop.dialogs.messages().back(); }

    basic::testing::TestFolder drives;  // where the other volumes lie
    fs::path stick = drives.path() / "stick";
};

TEST_F(BackupWindowTest, CaptionTextsAndMenuFollowTheFamilyAndDirection) {
    app().state<recipes::RecipeFileState>().CookbookNumber = 3;
    struct Case {
        int code;
        int restoreMode;
        int year;
        const char* caption;
        const char* action;
    };
    const Case cases[] = {
        {0, 0, 0, "Backup Recipes from Cookbook #3", "&Make Backup"},
        {1, 99, 0, "Restore Recipes from Cookbook #3 from Backup Media", "&Restore Recipes from Cookbook #3"},
        {16, 0, 0, "Backup Emergency Files", "&Make Backup"},
        {19, 99, 0, "Restore Additional Files from Backup Media", "&Restore Additional Files"},
        {34, 0, 2004, "Backup 2004 Menu Planner File", "&Make Backup"},
        {35, 99, 2004, "Restore 2004 Menu Planner File from Backup Media", "&Restore 2004 Menu Planner File"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        open(
            c.code, c.restoreMode,
            [&](Backup1& w) {
                const bool restoring = c.restoreMode == 99;
                EXPECT_EQ(w.Caption(), c.caption);
                EXPECT_EQ(w.SSCommand2->Caption(), c.action);
                EXPECT_EQ(w.Label1->Caption(), InstructionText(w.state().family, restoring));
                // The restore's three paragraphs begin higher (the window grew to full screen size).
                if (restoring) EXPECT_LT(w.Label1->Top(), 100);
                else EXPECT_GT(w.Label1->Top(), 233);
                EXPECT_EQ(w.mOM->Visible(), !restoring);
                EXPECT_EQ(w.mOR->Visible(), restoring);
                EXPECT_EQ(w.Label5->Caption(), "C:");
                EXPECT_FALSE(w.SSCommand2->Enabled()) << "nothing chosen yet";
                EXPECT_FALSE(w.SSPanel2->Visible());
                EXPECT_FALSE(w.ProgressBar1->Visible());
                runtime().userClick(*w.SSCommand1);
            },
            c.year);
    }
}

TEST_F(BackupWindowTest, OnlyAFolderOtherThanTheProgramFolderOffersTheAction) {
    fs::create_directories(folder / "sub");
    fs::create_directory_symlink(folder.path(), stick / "program");
    open(0, 0, [&](Backup1& w) {
        chooseBackupFolder(w);
        EXPECT_EQ(w.Label5->Caption(), (stick / "backups").string());
        EXPECT_EQ(w.Label5->Left(), w.Label4->Left() + w.Label4->Width() + 30);
        EXPECT_TRUE(w.SSCommand2->Enabled());
        EXPECT_TRUE(w.mOM->Enabled());
        // Back on the program's drive, whose current folder is the program folder.
        choose(*w.Drive1, "C:");
        EXPECT_EQ(w.Label5->Caption(), folder.path().string());
        EXPECT_FALSE(w.SSCommand2->Enabled());
        EXPECT_FALSE(w.mOM->Enabled());
        openFolder(w, folder / "sub");
        EXPECT_TRUE(w.SSCommand2->Enabled()) << "a folder below the program folder is another folder";
        openFolder(w, folder.path());
        EXPECT_FALSE(w.SSCommand2->Enabled());
        // A link to the program folder is the program folder.
        choose(*w.Drive1, "STICK");
        openFolder(w, stick);
        openFolder(w, stick / "program");
        EXPECT_EQ(w.Label5->Caption(), (stick / "program").string());
        EXPECT_FALSE(w.SSCommand2->Enabled());
        runtime().userClick(*w.SSCommand1);
    });
}

TEST_F(BackupWindowTest, ADriveThatCannotBeReadIsReportedAndTheListsReturnToTheProgramDrive) {
    desktop.volumes.addDrive("A:", drives.path() / "no disk");
    open(1, 99, [&](Backup1& w) {
        chooseBackupFolder(w);
        ASSERT_TRUE(w.mOR->Enabled());
        desktop.dialogs.expectMessage("Device/Drive Error");
        choose(*w.Drive1, "A:");
        EXPECT_EQ(lastMessage().text, "Device/Drive is Unavailable!");
        EXPECT_EQ(lastMessage().icon, platform::MsgIcon::Critical);
        EXPECT_EQ(w.Drive1->Drive(), "C:");
        EXPECT_EQ(w.Dir1->Path(), folder.path().string()) << "the folders follow the drive back";
        EXPECT_EQ(w.Label5->Caption(), folder.path().string());
        EXPECT_FALSE(w.SSCommand2->Enabled());
        EXPECT_FALSE(w.mOR->Enabled());
        runtime().userClick(*w.SSCommand1);
    });
}

TEST_F(BackupWindowTest, ACookbookBacksUpToTheChosenFolderOnceTheUserAgrees) {
    testing::MakeCookbook(folder.path(), 1, 5, 5);
    basic::testing::WriteBytes(stick / "backups" / "Recipe2.bk1", "an older backup");
    open(0, 0, [&](Backup1& w) {
        chooseBackupFolder(w);
        desktop.dialogs.expectMessage("Delete Files", Yes);
        runtime().userClick(*w.SSCommand2);
        const auto& question = desktop.dialogs.messages().at(0);
        EXPECT_EQ(question.text, "This utility will first Delete all existing Recipe files\rlocated in Path: " +
                                     (stick / "backups").string() + "\r\rProceed?");
        EXPECT_EQ(question.buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(question.defaultButton, 2) << "No preselected";
        EXPECT_EQ(w.state().BackupPath, (stick / "backups").string() + "/");
        EXPECT_TRUE(w.SSPanel2->Visible());
        EXPECT_EQ(w.SSPanel2->Caption(), "Backup Complete");
        EXPECT_FALSE(w.ProgressBar1->Visible());
        EXPECT_FALSE(w.SSCommand2->Enabled()) << "another backup needs a new choice";
        EXPECT_FALSE(w.mOM->Enabled());
        EXPECT_FALSE(desktop.display.busy());
        runtime().userClick(*w.SSCommand1);
    });
    EXPECT_EQ(desktop.dialogs.messages().size(), 1u);
    EXPECT_TRUE(fs::exists(stick / "backups" / "DiskInfo.bk1"));
    EXPECT_TRUE(fs::exists(stick / "backups" / "Appenfil.db1"));
    EXPECT_EQ(fs::file_size(stick / "backups" / "Recipe2.bk1"), fs::file_size(folder / "Recipe2.db1"));
}

TEST_F(BackupWindowTest, EachFamilyBacksUpItsOwnFilesOnly) {
    for (const char* name : {"FdsB1.Fil", "FdsB2.Fil", "FdsB3.Fil", "FdsB4.Fil", "EmerE1.Fil", "EmerE3.Fil",
                             "EmerE4.Fil", "AddA1.Fil", "AddA3.Fil", "AddA4.Fil"})
        writeFile(name, std::string("\"") + name + "\"\r\n");
    writeFile(" 2004.Mnu", std::string(431 * menu_planner::DayRecordLength, '\0'));
    const struct {
        int code;
        std::vector<std::string> copies;
    } cases[] = {
        {14, {"FdsB1.Fds", "FdsB2.Fds", "FdsB3.Fds", "FdsB4.Fds"}},
        {16, {"EmerE1.EmE", "EmerE3.EmE", "EmerE4.EmE"}},
        {18, {"AddA1.AdA", "AddA3.AdA", "AddA4.AdA"}},
        {34, {" 2004.Mb1", "Disk2004.Mbk"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        fs::remove_all(stick / "backups");
        fs::create_directories(stick / "backups");
        open(
            c.code, 0,
            [&](Backup1& w) {
                chooseBackupFolder(w);
                desktop.dialogs.expectMessage("Delete Files", Yes);
                runtime().userClick(*w.SSCommand2);
                EXPECT_EQ(w.SSPanel2->Caption(), "Backup Complete");
                EXPECT_TRUE(w.SSCommand2->Enabled()) << "only a cookbook backup turns the action off";
                EXPECT_TRUE(w.mOM->Enabled());
                runtime().userClick(*w.SSCommand1);
            },
            2004);
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(stick / "backups")) found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, c.copies);
    }
}

TEST_F(BackupWindowTest, NoOrCancelAtTheQuestionDeletesNothing) {
    testing::MakeCookbook(folder.path(), 1, 5, 5);
    basic::testing::WriteBytes(stick / "backups" / "Recipe2.bk1", "an older backup");
    for (const int answer : {No, Cancel}) {
        open(0, 0, [&](Backup1& w) {
            chooseBackupFolder(w);
            desktop.dialogs.expectMessage("Delete Files", answer);
            runtime().userMenu(*w.mOM);
            EXPECT_FALSE(w.SSPanel2->Visible());
            EXPECT_FALSE(w.ProgressBar1->Visible());
            EXPECT_TRUE(w.SSCommand2->Enabled()) << "the user may still agree";
            runtime().userClick(*w.SSCommand1);
        });
    }
    EXPECT_EQ(basic::testing::ReadBytes(stick / "backups" / "Recipe2.bk1"), "an older backup");
    EXPECT_FALSE(fs::exists(stick / "backups" / "DiskInfo.bk1"));
}

TEST_F(BackupWindowTest, ARestoreBringsBackTheCookbookAsItWasBackedUp) {
    app().state<recipes::RecipeFileState>().CookbookNumber = 2;
    testing::MakeCookbook(folder.path(), 2, 12, 12);
    const std::string backedUp = cookbookFiles(2);
    open(0, 0, [&](Backup1& w) {
        chooseBackupFolder(w);
        desktop.dialogs.expectMessage("Delete Files", Yes);
        runtime().userClick(*w.SSCommand2);
        runtime().userClick(*w.SSCommand1);
    });
    testing::MakeCookbook(folder.path(), 2, 3, 3);
    ASSERT_NE(cookbookFiles(2), backedUp);

    open(1, 99, [&](Backup1& w) {
        EXPECT_EQ(w.SSCommand2->Caption(), "&Restore Recipes from Cookbook #2");
        chooseBackupFolder(w);
        desktop.dialogs.expectMessage("Delete Files", Yes);
        runtime().userMenu(*w.mOR);
        EXPECT_EQ(w.SSPanel2->Caption(), "Restoration Completed");
        EXPECT_FALSE(w.SSCommand2->Enabled());
        EXPECT_FALSE(w.mOR->Enabled());
        EXPECT_FALSE(w.ProgressBar1->Visible());
        runtime().userClick(*w.SSCommand1);
    });
    EXPECT_EQ(cookbookFiles(2), backedUp);
}

TEST_F(BackupWindowTest, DecliningAYearsRestoreTurnsTheActionOffACookbooksLeavesItOn) {
    testing::MakeCookbook(folder.path(), 1, 4, 4);
    writeFile(" 2004.Mnu", std::string(431 * menu_planner::DayRecordLength, '\0'));
    for (const int code : {0, 34}) {
        open(
            code, 0,
            [&](Backup1& w) {
                chooseBackupFolder(w);
                desktop.dialogs.expectMessage("Delete Files", Yes);
                runtime().userClick(*w.SSCommand2);
                runtime().userClick(*w.SSCommand1);
            },
            2004);
    }
    const struct {
        int code;
        bool offered;
    } cases[] = {{1, true}, {35, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        open(
            c.code, 99,
            [&](Backup1& w) {
                chooseBackupFolder(w);
                desktop.dialogs.expectMessage("Delete Files", No);
                runtime().userClick(*w.SSCommand2);
                EXPECT_EQ(w.SSPanel2->Caption(), "Nothing Restored");
                EXPECT_EQ(w.SSCommand2->Enabled(), c.offered);
                EXPECT_EQ(w.mOR->Enabled(), c.offered);
                runtime().userClick(*w.SSCommand1);
            },
            2004);
    }
}

TEST_F(BackupWindowTest, ARestoreWithoutABackupAtThePathNamesItAndChangesNothing) {
    testing::MakeCookbook(folder.path(), 1, 4, 4);
    const std::string before = cookbookFiles(1);
    open(1, 99, [&](Backup1& w) {
        chooseBackupFolder(w);
        desktop.dialogs.expectMessage("Disk Error");
        runtime().userClick(*w.SSCommand2);
        EXPECT_NE(w.SSPanel2->Caption(), "Restoration Completed");
        EXPECT_TRUE(w.SSCommand2->Enabled()) << "another disk may be tried at once";
        runtime().userClick(*w.SSCommand1);
    });
    EXPECT_EQ(cookbookFiles(1), before);
}

TEST_F(BackupWindowTest, FilesThatCannotBeBackedUpAreNamedBeforeTheQuestionAndNeverCalledComplete) {
    // A menu planner year without its file; basic food storage never saved.
    for (const int code : {34, 14}) {
        SCOPED_TRACE(code);
        open(
            code, 0,
            [&](Backup1& w) {
                chooseBackupFolder(w);
                desktop.dialogs.expectMessage("Disk Error");
                runtime().userClick(*w.SSCommand2);
                EXPECT_EQ(lastMessage().icon, platform::MsgIcon::Critical);
                EXPECT_EQ(w.SSPanel2->Caption(), "Backup Failed");
                runtime().userClick(*w.SSCommand1);
            },
            2004);
    }
    EXPECT_EQ(desktop.dialogs.messageCount("Delete Files"), 0);
    EXPECT_TRUE(fs::is_empty(stick / "backups"));
}

TEST_F(BackupWindowTest, ATargetGoneAfterItWasChosenAsksAgainOrTerminates) {
    testing::MakeCookbook(folder.path(), 1, 5, 5);
    for (const int answer : {Cancel, OK}) {
        fs::create_directories(stick / "backups");
        open(0, 0, [&](Backup1& w) {
            chooseBackupFolder(w);
            fs::remove_all(stick / "backups");  // the disk taken out
            desktop.dialogs.expectMessage("Delete Files", Yes);
            desktop.dialogs.expectMessage("Disk Error", answer);
            runtime().userClick(*w.SSCommand2);
            EXPECT_EQ(lastMessage().text,
                      "Unable to access Disk or Disk is Full!\rMake sure Disk is in Drive and Not Write Protected!");
            if (answer == Cancel) {
                EXPECT_EQ(w.SSPanel2->Caption(), "Backup Terminated by User");
                EXPECT_TRUE(w.SSCommand2->Enabled()) << "the choice stands: the disk may be put back";
                EXPECT_TRUE(w.mOM->Enabled());
            } else {
                EXPECT_FALSE(w.SSPanel2->Visible()) << "no outcome: the user chooses again";
                EXPECT_EQ(w.Drive1->Drive(), "C:");
                EXPECT_FALSE(w.SSCommand2->Enabled()) << "the program's folder is chosen";
                EXPECT_FALSE(w.mOM->Enabled());
            }
            runtime().userClick(*w.SSCommand1);
        });
    }
}

TEST_F(BackupWindowTest, ExitItsMenuItemAndTheCloseBoxAllEndTheHandOver) {
    const std::function<void(Backup1&)> endings[] = {
        [&](Backup1& w) { runtime().userClick(*w.SSCommand1); },
        [&](Backup1& w) { runtime().userMenu(*w.mOE); },
        [&](Backup1& w) { EXPECT_TRUE(runtime().userClose(w)); },
        [&](Backup1& w) { EXPECT_TRUE(runtime().userKeyDown(w, ui::keys::Escape, 0)); },
        [&](Backup1& w) {
            // The right button over the strip pops up the Options menu.
            desktop.windows.expectPopupChoice("mOE");
            runtime().userMouseUp(w, w.Label3, ui::mouse::Right, 0, 10, 10);
        },
    };
    for (const auto& end : endings) {
        open(17, 99, [&](Backup1& w) {
            EXPECT_EQ(runtime().focusedControl(), w.Drive1) << "the keyboard starts on the drives";
            chooseBackupFolder(w);
            end(w);
            EXPECT_FALSE(w.isLoaded());
        });
        EXPECT_EQ(app().vars.BackupFamily, 0);
        EXPECT_EQ(app().vars.RestoreMode, 0);
    }
    // Each opening starts afresh from the hand-over.
    open(0, 0, [&](Backup1& w) {
        EXPECT_EQ(w.Caption(), "Backup Recipes from Cookbook #1");
        EXPECT_FALSE(w.SSCommand2->Enabled());
        runtime().userClick(*w.SSCommand1);
    });
}

TEST_F(BackupWindowTest, FullScreenSizeAndPlaceFollowTheStartWindow) {
    const shell::Startfrm& s = start();
    open(14, 0, [&](Backup1& w) {
        EXPECT_EQ(w.Height(), static_cast<int>(std::lround(s.Height() * 0.712)));
        EXPECT_EQ(w.Width(), static_cast<int>(std::lround(s.Width() * 0.6)));
        EXPECT_EQ(w.Left(), static_cast<int>(std::lround(s.Left() + app().vars.StartWidth / 2.0 - w.Width() / 2.0)));
        EXPECT_EQ(w.Top(),
                  static_cast<int>(std::lround(s.Top() + app().vars.StartHeight / 2.0 - w.Height() / 2.0 + 415)));
        EXPECT_EQ(w.Image1->Left(), 60);
        EXPECT_EQ(w.Image1->Width(), w.Width() - 215);
        EXPECT_EQ(w.Image1->Height(), w.Height() - 815);
        EXPECT_TRUE(w.elasticResize());
        runtime().userClick(*w.SSCommand1);
    });
}

// The windows that open the backup window name its families by the shell's
// codes; each must be the family, and the direction, this window takes it for.
TEST(BackupHandOverTest, TheOpenersCodesAreTheFamiliesTheWindowWorksOn) {
    namespace code = shell::backup_family;
    const struct {
        std::int16_t code;
        FamilyKind kind;
        bool restores;
    } cases[] = {
        {code::CookbookBackup, FamilyKind::Cookbook, false},
        {code::CookbookRestore, FamilyKind::Cookbook, true},
        {code::BasicStorageBackup, FamilyKind::BasicStorage, false},
        {code::BasicStorageRestore, FamilyKind::BasicStorage, true},
        {code::EmergencyStorageBackup, FamilyKind::EmergencyStorage, false},
        {code::EmergencyStorageRestore, FamilyKind::EmergencyStorage, true},
        {code::AdditionalStorageBackup, FamilyKind::AdditionalStorage, false},
        {code::AdditionalStorageRestore, FamilyKind::AdditionalStorage, true},
        {code::MenuYearBackup, FamilyKind::MenuYear, false},
        {code::MenuYearRestore, FamilyKind::MenuYear, true},
    };
    for (const auto& c : cases) {
        const Family family = FamilyOf(c.code, 3, 2004);
        EXPECT_EQ(family.kind, c.kind) << c.code;
        EXPECT_EQ(family.restores, c.restores) << c.code;
        EXPECT_EQ(code::Restores(c.code), c.restores) << c.code;
    }
}

}  // namespace
}  // namespace backup
