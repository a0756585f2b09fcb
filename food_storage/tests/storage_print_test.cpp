// "&Print" and "&Copy" of the storage window: the preview with the table's
// print range and options, and the table on the clipboard.
#include "food_storage/tests/storage_fixture.h"
#include "shell/help_menu.h"

namespace food_storage {
namespace {

class StoragePrintTest : public testing::StorageFixture {};

TEST_F(StoragePrintTest, WithoutAmountsOnHandOnlyTheCompleteFormPrints) {
    Form24& w = open();
    EXPECT_EQ(w.state().print.range, StoragePrintRange::CompleteAllColumns);
    enterCell(w, 2, 0, "Beans");
    enterCell(w, 2, 6, "12");
    runtime().userClick(*w.Command1);
    runtime().userClick(*w.SSOption83[0]);
    EXPECT_EQ(w.state().print.range, StoragePrintRange::OnHandFiveColumns);
    runtime().userClick(*w.preview().SSCommand80[printing::CancelButton]);
    ASSERT_FALSE(w.preview().isOpen());

    enterCell(w, 2, 7, "12");
    runtime().userClick(*w.Command1);
    ASSERT_TRUE(w.preview().isOpen());
    EXPECT_FALSE(w.SSOption83[0]->Enabled());
    EXPECT_FALSE(w.SSOption83[1]->Enabled());
    EXPECT_TRUE(w.SSOption83[3]->Value());
    EXPECT_EQ(w.state().print.range, StoragePrintRange::CompleteAllColumns);
    EXPECT_FALSE(w.mO->Enabled());
    EXPECT_GE(w.preview().document().PageCount(), 1);
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Print");
}

TEST_F(StoragePrintTest, AmountsOnHandOfferEveryRangeAndEachOptionRendersAgain) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    enterCell(w, 2, 6, "12");
    runtime().userClick(*w.Command1);
    ASSERT_TRUE(w.preview().isOpen());
    EXPECT_TRUE(w.SSOption83[0]->Enabled());
    const int allColumnsPages = w.preview().document().PageCount();
    runtime().userClick(*w.SSOption83[0]);
    EXPECT_EQ(w.state().print.range, StoragePrintRange::OnHandFiveColumns);
    EXPECT_LE(w.preview().document().PageCount(), allColumnsPages);
    runtime().userClick(*w.SSCheck81);
    EXPECT_FALSE(w.state().print.GridLines);
    runtime().userClick(*w.SSCheck80);
    EXPECT_FALSE(w.state().print.AsOfDate);
}

TEST_F(StoragePrintTest, WhileThePreviewIsOpenHelpEscAndTheSideButtonsKeepToIt) {
    Form24& w = open();
    runtime().userClick(*w.Command1);
    ASSERT_TRUE(w.preview().isOpen());
    pressKey(w, ui::keys::F1);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests()[0].topic, shell::topics::PrintPreview);
    w.Toolbar2->userPressed(8);
    EXPECT_EQ(desktop.display.beeps(), 1);
    EXPECT_TRUE(w.isLoaded());

    runtime().userClick(*w.preview().SSCommand1);  // Enlarge
    ASSERT_TRUE(w.preview().enlarged());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().enlarged());
    EXPECT_TRUE(w.preview().isOpen());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().isOpen());
    EXPECT_TRUE(w.mO->Enabled());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.isLoaded());
}

TEST_F(StoragePrintTest, CopyPutsTheTableOnTheClipboard) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Copy Option");
    runtime().userMenu(*w.mOCopy);
    EXPECT_NE(desktop.clipboard.text.find("Beans"), std::string::npos);

    // A clipboard that refuses is reported, not taken for success.
    desktop.clipboard.refuses = true;
    desktop.clipboard.text.clear();
    desktop.dialogs.expectMessage("Copy Option");
    w.Toolbar2->userPressed(5);
    EXPECT_NE(desktop.dialogs.messages().back().text.find("could not be copied"), std::string::npos);
}

}  // namespace
}  // namespace food_storage
