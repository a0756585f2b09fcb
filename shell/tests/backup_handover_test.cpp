#include "shell/backup_handover.h"

#include <vector>

#include "shell/tests/fake_backup_window.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

using Showing = FakeBackupWindow::Showing;
namespace family = backup_family;

class BackupHandoverTest : public ProgramTest {};

TEST_F(BackupHandoverTest, EachFamilyOpensTheWindowInItsDirection) {
    FakeBackupWindow backup(app());
    app().vars.BackupYear = 2004;
    const std::int16_t families[] = {family::CookbookBackup,          family::CookbookRestore,
                                     family::BasicStorageBackup,      family::BasicStorageRestore,
                                     family::EmergencyStorageBackup,  family::EmergencyStorageRestore,
                                     family::AdditionalStorageBackup, family::AdditionalStorageRestore,
                                     family::MenuYearBackup,          family::MenuYearRestore};
    std::vector<Showing> expected;
    for (const std::int16_t code : families) {
        EXPECT_TRUE(ShowBackupWindow(app(), code));
        expected.push_back({code, static_cast<std::int16_t>(code % 2 ? RestoreModeOn : 0), 2004});
    }
    EXPECT_EQ(backup.shown, expected);
    EXPECT_EQ(app().vars.BackupYear, 2004) << "the year is the opener's to set";
}

TEST_F(BackupHandoverTest, WithoutABackupWindowNothingIsHandedOver) {
    EXPECT_FALSE(ShowBackupWindow(app(), family::MenuYearRestore));
    EXPECT_EQ(app().vars.BackupFamily, 0);
    EXPECT_EQ(app().vars.RestoreMode, 0);
}

}  // namespace
}  // namespace shell::testing
