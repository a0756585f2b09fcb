// The drive, folder and file lists on the screen: they show the model's
// entries, and the user's choices and double clicks reach it as its events.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class FileListViewsTest : public QtFormTest {
protected:
    FileListViewsTest() {
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        QDir(folder.path()).mkpath("disk/Pies/Apple");
        QDir(folder.path()).mkpath("disk/Pies/cherry");
        for (const char* name : {"b.rc1", "A.RC1", "c.txt"}) {
            QFile file(folder.path() + "/disk/Pies/" + name);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        pies = folder.path().toStdString() + "/disk/Pies";
        drives = &form->add<ui::DriveListBox>("Drive1");
        drives->Move(240, 600, 1800, 330);
        dirs = &form->add<ui::DirListBox>("Dir1");
        dirs->Move(240, 1080, 1800, 1500);
        files = &form->add<ui::FileListBox>("File1");
        files->Move(2160, 600, 1800, 1500);
        files->setPattern("*.rc1");
        EXPECT_TRUE(dirs->setPath(pies));
        EXPECT_TRUE(files->setPath(pies));
        drives->onChange = [this] { form->log.push_back("Drive1.Change " + drives->Drive()); };
        dirs->onChange = [this] { form->log.push_back("Dir1.Change " + dirs->Path()); };
        files->onClick = [this] { form->log.push_back("File1.Click " + files->FileName()); };
        files->onDblClick = [this] { form->log.push_back("File1.DblClick " + files->FileName()); };
    }

    QListWidget* list(const char* name) const { return widget<QListWidget>(name); }
    static QPoint entryAt(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

    std::string pies;
    ui::DriveListBox* drives;
    ui::DirListBox* dirs;
    ui::FileListBox* files;
};

TEST_F(FileListViewsTest, DriveListShowsTheDrivesAndTheUsersChoiceRaisesChange) {
    showWithFocusIn(*files);
    auto* combo = widget<QComboBox>("Drive1");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), drives->ListCount());
    EXPECT_EQ(combo->itemText(0), "C:");
    EXPECT_EQ(combo->currentIndex(), 0);
    if (drives->ListCount() < 2) GTEST_SKIP() << "one volume only on this machine";
    emit combo->activated(1);
    EXPECT_EQ(drives->ListIndex(), 1);
    EXPECT_EQ(form->log, (Log{"Drive1.Change " + drives->List(1)}));
}

TEST_F(FileListViewsTest, FolderListIsIndentedAndADoubleClickOpensAFolder) {
    showWithFocusIn(*files);
    QListWidget* shown = list("Dir1");
    ASSERT_NE(shown, nullptr);
    const int count = shown->count();
    ASSERT_EQ(count, dirs->ListCount());
    EXPECT_EQ(shown->item(count - 2)->text().trimmed(), "Apple");
    EXPECT_EQ(shown->item(count - 1)->text(), QString(2 * dirs->Level(count - 1), ' ') + "cherry");
    EXPECT_EQ(shown->currentRow(), count - 3);

    DoubleClick(shown->viewport(), entryAt(shown, count - 1));
    EXPECT_EQ(dirs->Path(), pies + "/cherry");
    EXPECT_EQ(form->log, (Log{"Dir1.Change " + pies + "/cherry"}));
}

TEST_F(FileListViewsTest, FileListShowsMatchesAndReportsClickAndDoubleClick) {
    showWithFocusIn(*drives);
    QListWidget* shown = list("File1");
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->count(), 2);
    EXPECT_EQ(shown->item(0)->text(), "A.RC1");
    EXPECT_EQ(shown->item(1)->text(), "b.rc1");
    DoubleClick(shown->viewport(), entryAt(shown, 1));
    EXPECT_EQ(form->log, (Log{"File1.Click b.rc1", "File1.DblClick b.rc1"}));
}

TEST_F(FileListViewsTest, TabbingIntoTheFileListChoosesNoFileUntilAKeyMovesTheChoice) {
    dirs->setTabIndex(50);
    files->setTabIndex(51);
    showWithFocusIn(*dirs);
    QListWidget* shown = list("File1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(runtime.focusedControl(), files);
    EXPECT_EQ(files->ListIndex(), -1);
    EXPECT_EQ(shown->currentRow(), -1);
    EXPECT_TRUE(form->log.empty()) << "no file chosen by entering the list";

    QTest::keyClick(shown, Qt::Key_Down);
    QTest::keyClick(shown, Qt::Key_Down);
    EXPECT_EQ(form->log, (Log{"File1.Click A.RC1", "File1.Click b.rc1"}));

    // Back into the list: the file chosen stays the chosen one.
    form->log.clear();
    QTest::keyClick(shown, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(files->ListIndex(), 1);
    EXPECT_TRUE(form->log.empty());
}

TEST_F(FileListViewsTest, EnterOnAMarkedFolderOpensItAsADoubleClickDoes) {
    showWithFocusIn(*dirs);
    QListWidget* shown = list("Dir1");
    const int count = shown->count();
    QTest::keyClick(shown, Qt::Key_Down);  // marks Apple, opens nothing
    EXPECT_EQ(dirs->ListIndex(), count - 2);
    EXPECT_EQ(dirs->Path(), pies);
    QTest::keyClick(shown, Qt::Key_Return);
    EXPECT_EQ(dirs->Path(), pies + "/Apple");
    EXPECT_EQ(form->log, (Log{"Dir1.Change " + pies + "/Apple"}));
}

}  // namespace
}  // namespace platform::qt::testing
