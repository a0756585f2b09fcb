// The shopping list window as a whole: opening, help, Esc and leaving.
#include "shell/settings_files.h"
#include "shell/tests/help_file_check.h"
#include "shopping/shopping_help.h"
#include "shopping/shopping_settings.h"
#include "shopping/store/list_file.h"
#include "shopping/tests/shoplist_fixture.h"

namespace shopping {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

class ShoplistWindowTest : public testing::ShoplistFixture {};

TEST_F(ShoplistWindowTest, RegistersItsRecordsAndTopicsWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    EXPECT_TRUE(shell::testing::HelpFileHolds(PANTRIVO_HELP_FILE, help::Topics));
}

TEST_F(ShoplistWindowTest, TheCaptionCarriesTheFamilyName) {
    const struct {
        const char* family;
        const char* caption;
    } cases[] = {{"", "Pantrivo - Shopping List Maker"}, {"Smith", "Smith Pantrivo - Shopping List Maker"}};
    for (const auto& c : cases) {
        app().vars.FamilyName = c.family;
        Shoplist& w = open();
        EXPECT_EQ(w.Caption(), c.caption);
        EXPECT_EQ(w.StatusBar1->Panel(1).text, c.caption);
        runtime().userClick(*w.Command1[Shoplist::ExitButton]);
        ASSERT_FALSE(w.isLoaded());
    }
}

TEST_F(ShoplistWindowTest, TheFirstActivationOfAnEmptyListOffersNeitherSaveNorClear) {
    Shoplist& w = open();
    EXPECT_FALSE(w.Command1[Shoplist::SaveButton]->Enabled());
    EXPECT_FALSE(w.Command1[Shoplist::ClearGridButton]->Enabled());
    EXPECT_FALSE(w.mOS->Enabled());
    EXPECT_FALSE(w.mOCl->Enabled());
    EXPECT_FALSE(w.Toolbar2->Button(7).enabled);
    EXPECT_EQ(runtime().focusedControl(), w.Command1[Shoplist::ExitButton]);
    EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "12/8/04");
    EXPECT_EQ(w.Grid1->Rows(), 16);
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Grocery Item");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 1), "Amount to Purchase");

    // A change offers them again on the next button's focus.
    addItem(w, "Milk");
    EXPECT_TRUE(w.Command1[Shoplist::SaveButton]->Enabled());
    EXPECT_TRUE(w.mOS->Enabled());
}

TEST_F(ShoplistWindowTest, F1OpensTheTopicOfWhatIsShown) {
    Shoplist& w = open();
    auto f1 = [&] {
        runtime().userKeyDown(w, ui::keys::F1, 0);
        return desktop.help.requests().back().topic;
    };
    EXPECT_EQ(f1(), help::ShoppingList);
    runtime().userMenu(*w.mOSel);
    EXPECT_EQ(f1(), help::QuickSelect);
    runtime().userMenu(*w.mOSel);
    runtime().userMenu(*w.mOW);
    EXPECT_EQ(f1(), shell::topics::PrintPreview);
}

TEST_F(ShoplistWindowTest, EscClosesTheEnlargedPreviewInStepsThenLeaves) {
    Shoplist& w = open();
    runtime().userMenu(*w.mOW);
    runtime().userClick(*w.preview().SSCommand1);
    ASSERT_TRUE(w.preview().enlarged());

    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().enlarged());
    EXPECT_TRUE(w.preview().isOpen());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().isOpen());
    EXPECT_TRUE(w.isLoaded());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(start().Visible());
}

TEST_F(ShoplistWindowTest, EscWithTheCalendarOpenOnlyHidesIt) {
    Shoplist& w = open();
    runtime().userClick(*w.Text1[Shoplist::DateBox]);
    ASSERT_TRUE(w.MonthView1->Visible());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.MonthView1->Visible());
    EXPECT_TRUE(w.isLoaded());
}

TEST_F(ShoplistWindowTest, WhileASelectScreenIsOpenTheListMenusWaitButTheToolbarWorks) {
    Shoplist& w = open();
    addItem(w, "Milk");
    runtime().userMenu(*w.mOSel);
    for (ui::Menu* item : {w.mOCl, w.mON, w.mOP, w.mODeLst, w.mOPrt, w.mOS, w.mOBC, w.mOTC, w.mOC, w.mOR})
        EXPECT_FALSE(item->Enabled()) << item->name();
    EXPECT_TRUE(w.mOSel->Checked());

    desktop.dialogs.expectMessage("Grocery List", No);
    w.Toolbar2->userPressed(1);  // New Shopping List
    EXPECT_EQ(w.list().LineCount(), 0);

    runtime().userMenu(*w.mOSel);
    for (ui::Menu* item : {w.mON, w.mOP, w.mODeLst, w.mOPrt, w.mOBC, w.mOTC, w.mOC, w.mOR, w.mOSel})
        EXPECT_TRUE(item->Enabled()) << item->name();
    EXPECT_FALSE(w.mOSel->Checked());
}

TEST_F(ShoplistWindowTest, EditOffersCopyOnlyWithAnItemInTheFirstRow) {
    Shoplist& w = open();
    runtime().userMenu(*w.mE);
    EXPECT_FALSE(w.mECopy->Enabled());
    addItem(w, "Milk");
    runtime().userMenu(*w.mE);
    EXPECT_TRUE(w.mECopy->Enabled());
}

TEST_F(ShoplistWindowTest, PrintRefusesAnEmptyListWhileTheWorksheetAlwaysOpens) {
    Shoplist& w = open();
    desktop.dialogs.expectMessage("Print");
    runtime().userClick(*w.Command1[Shoplist::PrintButton]);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "There are currently No Entries to Print!");
    EXPECT_FALSE(w.preview().isOpen());

    runtime().userMenu(*w.mOW);
    EXPECT_TRUE(w.preview().isOpen());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Print worksheet");
    EXPECT_TRUE(w.mO->Enabled());
    runtime().userClick(*w.preview().SSCommand80[printing::CancelButton]);

    addItem(w, "Milk");
    runtime().userClick(*w.Command1[Shoplist::PrintButton]);
    EXPECT_TRUE(w.preview().isOpen());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Print");
    EXPECT_FALSE(w.mO->Enabled()) << "the Options menu waits while the list's preview is open";
    EXPECT_EQ(w.preview().Panel3D80[printing::FontSizeDisplay]->Caption(), " 12");
    runtime().userClick(*w.preview().SSCommand80[printing::CancelButton]);
    EXPECT_TRUE(w.mO->Enabled());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
}

TEST_F(ShoplistWindowTest, ASideToolbarClickWhileThePreviewIsOpenOnlyBeeps) {
    Shoplist& w = open();
    runtime().userMenu(*w.mOW);
    const int beeps = desktop.display.beeps();
    w.Toolbar2->userPressed(11);  // Exit
    EXPECT_EQ(desktop.display.beeps(), beeps + 1);
    EXPECT_TRUE(w.isLoaded());
}

// --- leaving

class ExitQuestionsTest : public testing::ShoplistFixture {
protected:
    Shoplist& openWithMilk() {
        Shoplist& w = open();
        addItem(w, "Milk");
        return w;
    }
};

TEST_F(ExitQuestionsTest, AnUnchangedListLeavesAtOnce) {
    Shoplist& w = open();
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(desktop.dialogs.messages().empty());
}

TEST_F(ExitQuestionsTest, YesSavesAndLeaves) {
    Shoplist& w = openWithMilk();
    desktop.dialogs.expectMessage("Grocery List", Yes);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(exists("08Dec04.Lst"));
    EXPECT_EQ(desktop.dialogs.messages().front().text, "Save changes made to Grocery Item Grid before exiting?");
}

TEST_F(ExitQuestionsTest, NoLeavesWithoutSavingAndCancelStays) {
    Shoplist& w = openWithMilk();
    desktop.dialogs.expectMessage("Grocery List", Cancel);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_TRUE(w.state().ListChanged);

    desktop.dialogs.expectMessage("Grocery List", No);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_FALSE(exists("08Dec04.Lst"));
}

TEST_F(ExitQuestionsTest, YesThenNoToReplacingLeavesTheOldFileAndStillCloses) {
    writeFile("08Dec04.Lst", quotedLines({"  Bread", ""}));
    Shoplist& w = openWithMilk();
    desktop.dialogs.expectMessage("Grocery List", Yes);
    desktop.dialogs.expectMessage("Save .lst File", No);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(bytesOf("08Dec04.Lst"), quotedLines({"  Bread", ""}));
}

TEST_F(ExitQuestionsTest, ChangedGridColoursAreSavedWithThePanelsOnYes) {
    Shoplist& w = open();
    desktop.dialogs.expectColor(ui::Rgb(0, 0, 128));
    runtime().userMenu(*w.mOTC);
    EXPECT_EQ(w.Grid1->ForeColor(), ui::Rgb(0, 0, 128));
    desktop.dialogs.expectMessage("Color Changes", Yes);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes made to Panel and or Text Color?");
    EXPECT_EQ(shell::settings::ReadText(app().folder(), shell::settings::SharedGridTextColorRecord),
              shell::ColorText(ui::Rgb(0, 0, 128)));
    EXPECT_EQ(shell::settings::ReadText(app().folder(), ShoppingPanelColorRecord), shell::ColorText(8421376));
}

TEST_F(ShoplistWindowTest, AMissingCookbookRecordGivesTheFirstCookbook) {
    Shoplist& w = open();
    EXPECT_EQ(ListCookbook(app()).ListCookbookNumber, 1);
    EXPECT_TRUE(w.mOCB1[0]->Checked());
    EXPECT_EQ(w.mOCB1[0]->Caption(), "Cookbook #1 - ");
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);

    ASSERT_TRUE(shell::settings::WriteText(app().folder(), ListCookbookRecord, " 3"));
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), ListCookbookTitleRecord(3), "Holidays"));
    Shoplist& again = open();
    EXPECT_EQ(ListCookbook(app()).ListCookbookNumber, 3);
    EXPECT_TRUE(again.mOCB1[2]->Checked());
    EXPECT_FALSE(again.mOCB1[0]->Checked());
    EXPECT_EQ(again.mOCB1[2]->Caption(), "Cookbook #3 - Holidays");
}

}  // namespace
}  // namespace shopping
