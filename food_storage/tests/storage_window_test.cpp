// The food storage window as a whole: opening for each kind, saving, and
// leaving.
#include <filesystem>

#include "food_storage/storage_help.h"
#include "food_storage/tests/storage_fixture.h"
#include "shell/tests/help_file_check.h"

namespace food_storage {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

class StorageWindowTest : public testing::StorageFixture {};

TEST_F(StorageWindowTest, RegistersItsRecordsAndTopicWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    EXPECT_TRUE(shell::testing::HelpFileHolds(PANTRIVO_HELP_FILE, help::Topics));
}

TEST_F(StorageWindowTest, EmergencyStorageOpensTheEmergencyKindInTheAllView) {
    Form24& w = open();
    EXPECT_EQ(w.kind(), StorageKind::Emergency);
    EXPECT_EQ(w.Caption(), "Pantrivo - Emergency Storage");
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Pantrivo - Emergency Storage");
    EXPECT_EQ(w.Grid1->Rows(), 61);
    EXPECT_EQ(w.Grid1->TextMatrix(0, 5), "Last\rAction\rDate\r(mm/dd/yy)");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), " \rStorage\rItem");
    EXPECT_FALSE(w.Command3D1[0]->Enabled());
    EXPECT_EQ(w.Command3D1[7]->Caption(), "Pe&rs.");
    EXPECT_FALSE(w.mR->Visible());
    EXPECT_EQ(w.Text2->Text(), "1");
    EXPECT_EQ(runtime().focusedControl(), w.Command2);
    EXPECT_EQ(app().vars.StorageKind, 1);
    runtime().userClick(*w.Command2);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(app().vars.StorageKind, 0);
}

TEST_F(StorageWindowTest, EachKindHasItsCaptionWithAndWithoutAFamilyName) {
    const struct {
        StorageKind kind;
        const char* family;
        const char* caption;
    } cases[] = {
        {StorageKind::Basic, "", "Pantrivo - Basic Food Storage"},
        {StorageKind::Emergency, "Smith", "Smith Pantrivo - Emergency Storage"},
        {StorageKind::Additional, "", "Additional Storage [Could substitute for some sugar, fat, or lentils]"},
        {StorageKind::Additional, "Smith",
         "Smith Pantrivo - Additional Storage [Could substitute for some sugar, fat, or lentils]"},
    };
    for (const auto& c : cases) {
        app().vars.FamilyName = c.family;
        Form24& w = open(c.kind);
        EXPECT_EQ(w.Caption(), c.caption);
        EXPECT_EQ(w.mR->Visible(), c.kind == StorageKind::Basic);
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded());
    }
}

TEST_F(StorageWindowTest, SavingTheEmergencyKindWithNoFilesWritesTheMarkedTable) {
    Form24& w = open();
    runtime().userClick(*w.Command6);
    const auto lines = linesOf("EmerE1.Fil");
    ASSERT_EQ(lines.size(), 480u);
    for (int line = 2; line <= 8; ++line) EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], "\"*\"") << line;
    EXPECT_EQ(lines[0], "\"\"");
    EXPECT_EQ(bytesOf("FdsB2.Fil"), "\"1\"\r\n");
    EXPECT_FALSE(w.state().document.changed);
    // The marks show in the grid at once.
    EXPECT_EQ(w.Grid1->TextMatrix(1, 3), "*");
}

TEST_F(StorageWindowTest, ASaveThatFailsIsReportedAndStillAskedForOnLeaving) {
    // A folder where the table file belongs: the new file cannot take its place.
    std::filesystem::create_directory(folder / "EmerE1.Fil");
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    ASSERT_TRUE(w.state().document.changed);
    desktop.dialogs.expectMessage("Food Storage");
    runtime().userClick(*w.Command6);
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(w.state().document.changed);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "EmerE1.Fil"));

    // Leaving asks; the save fails again, and the window stays with its table.
    desktop.dialogs.expectMessage("Food Storage", Yes);
    desktop.dialogs.expectMessage("Food Storage");
    runtime().userClick(*w.Command2);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans");
}

TEST_F(StorageWindowTest, LeavingWithChangesAsksAndCancelKeepsEverything) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Food Storage", Cancel);
    runtime().userClick(*w.Command2);
    const auto& asked = desktop.dialogs.messages().back();
    EXPECT_EQ(asked.text, "Save changes made to Food Storage data before exiting?");
    EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans");

    desktop.dialogs.expectMessage("Food Storage", No);
    runtime().userClick(*w.Command2);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_FALSE(exists("EmerE1.Fil"));

    Form24& again = open();
    EXPECT_EQ(again.Grid1->TextMatrix(2, 0), "");
}

TEST_F(StorageWindowTest, SavedDataComesBackOnTheNextOpening) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    enterFamily(w, "3");
    desktop.dialogs.expectMessage("Food Storage", Yes);
    runtime().userClick(*w.Command2);
    ASSERT_FALSE(w.isLoaded());
    EXPECT_EQ(bytesOf("FdsB2.Fil"), "\"3\"\r\n");
    Form24& again = open();
    EXPECT_EQ(again.Grid1->TextMatrix(2, 0), "Beans");
    EXPECT_EQ(again.Text2->Text(), "3");
}

TEST_F(StorageWindowTest, HelpOpensTheFoodStorageTopic) {
    Form24& w = open();
    pressKey(w, ui::keys::F1);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests()[0].topic, help::FoodStorage);
}

TEST_F(StorageWindowTest, EscClosesTheRollupFirstThenLeaves) {
    Form24& w = open(StorageKind::Basic);
    runtime().userMenu(*w.mR);
    ASSERT_TRUE(w.Panel3D2->Visible());
    EXPECT_FALSE(w.Grid1->TabStop());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.Panel3D2->Visible());
    EXPECT_TRUE(w.Grid1->TabStop());
    EXPECT_TRUE(w.Command3D1[3]->TabStop());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.isLoaded());
}

}  // namespace
}  // namespace food_storage
