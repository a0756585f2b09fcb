// Saving, opening, clearing and deleting lists, byte for byte.
#include <filesystem>

#include "shopping/tests/shoplist_fixture.h"

namespace shopping {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

class ListCommandsTest : public testing::ShoplistFixture {
protected:
    // Milk with 2 Gallon(s), and Bread without an amount.
    Shoplist& openWithMilkAndBread() {
        Shoplist& w = open();
        addItem(w, "Milk");
        addItem(w, "Bread");
        enterAmount(w, 1, "2 Gallon(s)");
        return w;
    }
    static std::string milkAndBreadFile() {
        std::vector<std::string> lines{"  Milk", "2 Gallon(s)", "  Bread", ""};
        lines.resize(30);
        return quotedLines(lines);
    }
};

TEST_F(ListCommandsTest, SavingWritesTheDatesFileOfQuotedPairsForEveryRow) {
    Shoplist& w = openWithMilkAndBread();
    type(*w.Text1[Shoplist::DateBox], "12/8/04");
    runtime().userClick(*w.Command1[Shoplist::SaveButton]);
    EXPECT_EQ(bytesOf("08Dec04.Lst"), milkAndBreadFile());
    EXPECT_FALSE(w.state().ListChanged);
}

TEST_F(ListCommandsTest, SavingAgainAsksBeforeReplacingAndNoKeepsTheFile) {
    writeFile("08Dec04.Lst", quotedLines({"  Eggs", ""}));
    Shoplist& w = openWithMilkAndBread();
    desktop.dialogs.expectMessage("Save .lst File", No);
    runtime().userClick(*w.Command1[Shoplist::SaveButton]);
    const auto& asked = desktop.dialogs.messages().back();
    EXPECT_EQ(asked.text, "08Dec04.lst\rThis file already already exists.\rDo you want to replace it?");
    EXPECT_EQ(asked.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(asked.defaultButton, 2) << "No is preselected";
    EXPECT_EQ(bytesOf("08Dec04.Lst"), quotedLines({"  Eggs", ""}));
    EXPECT_TRUE(w.state().ListChanged);

    desktop.dialogs.expectMessage("Save .lst File", Yes);
    runtime().userClick(*w.Command1[Shoplist::SaveButton]);
    EXPECT_EQ(bytesOf("08Dec04.Lst"), milkAndBreadFile());
}

TEST_F(ListCommandsTest, OpeningTheFileShowsItsListAndDate) {
    writeFile("08Dec04.Lst", milkAndBreadFile());
    Shoplist& w = open();
    type(*w.Text1[Shoplist::DateBox], "1/5/05");
    w.OpenChosenList("08Dec04.Lst");
    EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "12/08/04");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Grocery Items = 2");
    EXPECT_EQ(w.list().EntryLines(), (std::vector<std::string>{"Milk                          2 Gallon(s)", "Bread"}));
    EXPECT_EQ(w.Grid1->TextMatrix(1, 1), "2 Gallon(s)");
    EXPECT_FALSE(w.state().ListChanged);
    EXPECT_TRUE(w.Command1[Shoplist::SaveButton]->Enabled());
}

TEST_F(ListCommandsTest, ANameThatIsNoListFileIsRefusedAndTheGridStaysEmpty) {
    writeFile("Milk.Lst", milkAndBreadFile());
    Shoplist& w = openWithMilkAndBread();
    desktop.dialogs.expectMessage("File Error");
    w.OpenChosenList("Milk.Lst");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "An Invalid File has been Selected!");
    EXPECT_EQ(w.list().LineCount(), 0);
}

// Damaged files open without a crash, with what can be read of them.
TEST_F(ListCommandsTest, DamagedListFilesOpenWithWhatTheyHold) {
    const struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty", "", {}},
        {"odd",
         quotedLines({"  Milk", "2 Gallon(s)", "  Bread"}),
         {"Milk                          2 Gallon(s)", "Bread"}},
        {"long line", "\"" + std::string(100000, 'x') + "\"\r\n\"\"\r\n", {std::string(30, 'x')}},
    };
    Shoplist& w = open();
    for (const auto& c : cases) {
        writeFile("05Jan05.Lst", c.bytes);
        w.OpenChosenList("05Jan05.Lst");
        EXPECT_EQ(w.list().EntryLines(), c.lines) << c.what;
        EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "1/05/05") << c.what;
    }
    // Bytes no list file holds still open, and the grid shows what the list took from them.
    for (const std::string& bytes : {std::string("\"  Milk\r\n\"2 Gal"), std::string("\0\xff\x01\"\r\n", 6)}) {
        writeFile("05Jan05.Lst", bytes);
        w.OpenChosenList("05Jan05.Lst");
        EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Grocery Items = " + std::to_string(w.list().LineCount()));
        EXPECT_FALSE(w.state().ListChanged);
    }
}

TEST_F(ListCommandsTest, AFileOfMoreItemsThanTheListTakesOpensItsFirstThousandAndSaysSo) {
    std::vector<std::string> lines;
    for (int i = 0; i <= MaxListLines; ++i) lines.insert(lines.end(), {"  Item " + std::to_string(i), ""});
    writeFile("08Dec04.Lst", quotedLines(lines));
    Shoplist& w = open();
    desktop.dialogs.expectMessage("Item Grid");
    w.OpenChosenList("08Dec04.Lst");
    EXPECT_EQ(w.list().LineCount(), MaxListLines);
    EXPECT_EQ(w.Grid1->TextMatrix(MaxListLines, 0), "  Item 999");
}

TEST_F(ListCommandsTest, AnItemLongerThanTheGridShowsKeepsItsTailInTheFile) {
    Shoplist& w = open();
    const std::string item = "Extra virgin olive oil, 1 lt";  // 28 characters
    w.AddSelections({{item, "1 Bottle"}}, false);
    EXPECT_EQ(w.Grid1->TextMatrix(1, 0), "  Extra virgin olive oil, 1");
    runtime().userClick(*w.Command1[Shoplist::SaveButton]);
    EXPECT_NE(bytesOf("08Dec04.Lst").find("\"  " + item + "\"\r\n\"1 Bottle\""), std::string::npos);
}

TEST_F(ListCommandsTest, SaveWithoutADateAsksForOneAndWritesNoFile) {
    Shoplist& w = openWithMilkAndBread();
    w.Text1[Shoplist::DateBox]->setText("");
    desktop.dialogs.expectMessage("Error Message");
    runtime().userMenu(*w.mOS);
    EXPECT_FALSE(exists(".Lst"));
    EXPECT_TRUE(w.state().ListChanged);
}

TEST_F(ListCommandsTest, AFailedWriteIsReportedAndTheListStaysChanged) {
    // A folder where the file would go cannot be replaced by it.
    std::filesystem::create_directory(folder.path() / "08Dec04.Lst");
    std::filesystem::create_directory(folder.path() / "08Dec04.Lst" / "keep");
    Shoplist& w = openWithMilkAndBread();
    desktop.dialogs.expectMessage("Save .lst File", Yes);
    desktop.dialogs.expectMessage("Save .lst File");
    runtime().userClick(*w.Command1[Shoplist::SaveButton]);
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Critical);
    EXPECT_TRUE(w.state().ListChanged);

    // Leaving with Yes to saving keeps the window, and the list, on screen.
    desktop.dialogs.expectMessage("Grocery List", Yes);
    desktop.dialogs.expectMessage("Save .lst File", Yes);
    desktop.dialogs.expectMessage("Save .lst File");
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.list().LineCount(), 2);
}

TEST_F(ListCommandsTest, ClearGridAsksToSaveFirstThenWhetherToClear) {
    Shoplist& w = openWithMilkAndBread();
    desktop.dialogs.expectMessage("Grocery List", No);
    desktop.dialogs.expectMessage("Clear Grid", No);
    runtime().userClick(*w.Command1[Shoplist::ClearGridButton]);
    EXPECT_EQ(w.list().LineCount(), 2);
    EXPECT_EQ(desktop.dialogs.messages().back().defaultButton, 2);

    desktop.dialogs.expectMessage("Grocery List", No);
    desktop.dialogs.expectMessage("Clear Grid", Yes);
    runtime().userClick(*w.Command1[Shoplist::ClearGridButton]);
    EXPECT_EQ(w.list().LineCount(), 0);
    EXPECT_EQ(w.Grid1->Rows(), 15);
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Grocery Item");
    EXPECT_FALSE(w.state().ListChanged);

    // Cancel to the first question ends the command.
    addItem(w, "Eggs");
    desktop.dialogs.expectMessage("Grocery List", Cancel);
    runtime().userClick(*w.Command1[Shoplist::ClearGridButton]);
    EXPECT_EQ(w.list().LineCount(), 1);
}

TEST_F(ListCommandsTest, ANewListOnAnUnchangedListClearsWithoutAQuestion) {
    writeFile("08Dec04.Lst", milkAndBreadFile());
    Shoplist& w = open();
    w.OpenChosenList("08Dec04.Lst");
    runtime().userMenu(*w.mON);
    EXPECT_EQ(w.list().LineCount(), 0);
    EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "12/8/04");
    EXPECT_TRUE(desktop.dialogs.messages().empty());
}

TEST_F(ListCommandsTest, DeletingARowShowsItRedWhileAskingAndNoKeepsIt) {
    Shoplist& w = openWithMilkAndBread();
    w.Grid1->userChoseCell(1, 0);
    desktop.dialogs.expectMessage("Delete Row", No);
    runtime().userClick(*w.Command1[Shoplist::DeleteRowButton]);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Delete Item and Amount for - \rMilk, 2 Gallon(s)?");
    EXPECT_EQ(w.Grid1->CellBackColor(1, 0), std::nullopt) << "the row has its colour back";
    EXPECT_EQ(w.list().LineCount(), 2);
}

}  // namespace
}  // namespace shopping
