// The help viewer on screen: what it shows for each request, following
// links, Back and Forward, finding words, and the files it cannot show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "platform/qt/help_viewer.h"
#include "platform/qt/qt_help.h"

namespace platform::qt::testing {
namespace {

namespace fs = std::filesystem;

const char* const SmallHelp =
    "# 1 Contents\n"
    "- [Program Overview](#1000)\n"
    "- [Recipe File](#3030)\n"
    "\n"
    "# 1000 Program Overview\n"
    "Pantrivo is for the **home kitchen**.\n"
    "See [Recipe File](#3030) or [a lost page](#4242).\n"
    "\n"
    "# 3030 Recipe File\n"
    "Choose a cookbook, then a recipe.\n"
    "Flour, sugar and more flour.\n";

class HelpViewerTest : public ::testing::Test {
protected:
    HelpViewerTest() { write("Pantrivo.hlp", SmallHelp); }
    ~HelpViewerTest() override {
        if (help_.viewer()) help_.viewer()->close();
    }

    void write(const char* name, const QByteArray& bytes) {
        QFile file(QDir(dir_.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    HelpViewer& ask(HelpCommand command, int topic = 0, const char* file = "Pantrivo.hlp") {
        help_.ShowHelp({file, command, topic});
        QCoreApplication::processEvents();
        EXPECT_NE(help_.viewer(), nullptr);
        return *help_.viewer();
    }

    template <class W>
    W* part(const char* name) {
        auto* found = help_.viewer()->findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString shownText() { return part<QTextBrowser>("HelpText")->toPlainText().trimmed(); }
    QStringList contents() {
        QStringList titles;
        auto* list = part<QListWidget>("HelpContents");
        for (int i = 0; i < list->count(); ++i) titles << list->item(i)->text();
        return titles;
    }
    void click(const char* button) { QTest::mouseClick(part<QToolButton>(button), Qt::LeftButton); }
    bool enabled(const char* button) { return part<QToolButton>(button)->isEnabled(); }
    // Follows the n-th link of the topic shown by keyboard, as a reader without a mouse does.
    void followLink(int n) {
        auto* browser = part<QTextBrowser>("HelpText");
        for (int i = 0; i < n; ++i) QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
    }

    QTemporaryDir dir_;
    QtHelp help_{fs::path(dir_.path().toStdString())};
};

TEST_F(HelpViewerTest, ContentsOpenBesideTheProgramAtTheFirstTopicWithEveryTitleInFileOrder) {
    HelpViewer& viewer = ask(HelpCommand::Contents);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), "Pantrivo Help");
    EXPECT_FALSE(viewer.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_EQ(contents(), (QStringList{"Contents", "Program Overview", "Recipe File"}));
    EXPECT_EQ(part<QTabWidget>("HelpTabs")->currentWidget(), part<QListWidget>("HelpContents"));
    EXPECT_EQ(part<QListWidget>("HelpContents")->currentRow(), 0);
    EXPECT_EQ(viewer.currentTopic(), 1);
    EXPECT_TRUE(shownText().startsWith("Contents\nProgram Overview\nRecipe File")) << shownText().toStdString();

    for (const char* name : {"HelpContentsButton", "HelpBack", "HelpForward", "HelpFind", "HelpFindNext",
                             "HelpContents", "HelpSearchResults", "HelpText", "HelpTabs", "HelpStatus"})
        EXPECT_FALSE(part<QWidget>(name)->accessibleName().isEmpty()) << name;
}

TEST_F(HelpViewerTest, ATopicOpensAtItsTextAndLinksBackAndForwardMoveThroughWhatWasRead) {
    HelpViewer& viewer = ask(HelpCommand::Topic, 3030);
    EXPECT_EQ(viewer.currentTopic(), 3030);
    EXPECT_EQ(shownText().toStdString(), "Recipe File\nChoose a cookbook, then a recipe. Flour, sugar and more flour.");
    EXPECT_EQ(part<QListWidget>("HelpContents")->currentItem()->text(), "Recipe File");
    EXPECT_FALSE(enabled("HelpBack"));

    // The program asks again: the one window shows the new topic.
    EXPECT_EQ(&ask(HelpCommand::Topic, 1000), &viewer);
    EXPECT_TRUE(shownText().startsWith("Program Overview\nPantrivo is for the home kitchen."))
        << shownText().toStdString();
    followLink(1);
    EXPECT_EQ(viewer.currentTopic(), 3030);
    EXPECT_TRUE(enabled("HelpBack"));
    EXPECT_FALSE(enabled("HelpForward"));

    click("HelpBack");
    EXPECT_EQ(viewer.currentTopic(), 1000);
    click("HelpBack");
    EXPECT_EQ(viewer.currentTopic(), 3030);
    EXPECT_FALSE(enabled("HelpBack"));
    click("HelpForward");
    click("HelpForward");
    EXPECT_EQ(viewer.currentTopic(), 3030);
    EXPECT_FALSE(enabled("HelpForward"));

    // A topic chosen from the contents after Back drops what lay ahead.
    click("HelpBack");
    part<QListWidget>("HelpContents")->setCurrentRow(0);
    EXPECT_EQ(viewer.currentTopic(), 1);
    EXPECT_FALSE(enabled("HelpForward"));
    click("HelpBack");
    EXPECT_EQ(viewer.currentTopic(), 1000);
}

TEST_F(HelpViewerTest, ATopicNotInTheFileIsSaidInTheWindowAndBackReturnsToTheLastTopic) {
    HelpViewer& viewer = ask(HelpCommand::Topic, 1000);
    followLink(2);  // to topic 4242, which the file lacks
    EXPECT_EQ(viewer.currentTopic(), std::nullopt);
    EXPECT_TRUE(shownText().contains("Help topic 4242 is not in Pantrivo.hlp.")) << shownText().toStdString();
    EXPECT_EQ(part<QListWidget>("HelpContents")->currentItem(), nullptr);
    click("HelpBack");
    EXPECT_EQ(viewer.currentTopic(), 1000);

    ask(HelpCommand::Topic, 77);
    EXPECT_TRUE(shownText().contains("Help topic 77 is not in Pantrivo.hlp.")) << shownText().toStdString();
    EXPECT_EQ(contents().size(), 3);
    click("HelpContentsButton");
    EXPECT_EQ(viewer.currentTopic(), 1);
}

TEST_F(HelpViewerTest, AFileThatCannotBeShownIsSaidInTheWindowAndTheNextRequestReadsItAgain) {
    struct Case {
        const char* name;  // as the program asks for it
        const char* says;
    };
    QDir(dir_.path()).mkdir("Folder.hlp");
    write("Noise.hlp", QByteArray("\x00\xFF\x89PNG\r\n\x1A\n#\n# x\n", 16).repeated(500));
    const Case cases[] = {
        {"Missing.hlp", "The help file Missing.hlp was not found."},
        {"Folder.hlp", "The help file Folder.hlp could not be read."},
        {"Noise.hlp", "The help file Noise.hlp has no topics."},
    };
    for (const Case& c : cases) {
        HelpViewer& viewer = ask(HelpCommand::Topic, 1000, c.name);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_TRUE(shownText().contains(c.says)) << c.name << ": " << shownText().toStdString();
        EXPECT_TRUE(contents().isEmpty()) << c.name;
        EXPECT_FALSE(enabled("HelpBack")) << c.name;
        EXPECT_FALSE(enabled("HelpContentsButton")) << c.name;
    }
    ask(HelpCommand::Contents, 0, "Missing.hlp");
    EXPECT_TRUE(shownText().contains("Pantrivo looks for it in " + dir_.path())) << shownText().toStdString();

    // Put in place, and named in other letters, it is found.
    write("MISSING.HLP", SmallHelp);
    EXPECT_EQ(ask(HelpCommand::Topic, 3030, "Missing.hlp").currentTopic(), 3030);
}

TEST_F(HelpViewerTest, FindMarksTheWordsInTheTopicAndListsEveryTopicThatHoldsThem) {
    HelpViewer& viewer = ask(HelpCommand::Topic, 3030);
    auto* find = part<QLineEdit>("HelpFind");
    auto* browser = part<QTextBrowser>("HelpText");
    QTest::keyClicks(find, "FLOUR");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(browser->extraSelections().size(), 2);
    EXPECT_EQ(browser->textCursor().selectedText(), "Flour");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().selectedText(), "flour");
    EXPECT_GT(browser->textCursor().position(), browser->toPlainText().indexOf("more"));
    EXPECT_TRUE(part<QStatusBar>("HelpStatus")->currentMessage().contains("2 places"))
        << part<QStatusBar>("HelpStatus")->currentMessage().toStdString();

    // Not in the topic shown: the topics that hold it are listed, and one opens at the words.
    find->clear();
    EXPECT_TRUE(browser->extraSelections().isEmpty());
    click("HelpContentsButton");
    QTest::keyClicks(find, "cookbook");
    QTest::keyClick(find, Qt::Key_Return);
    auto* found = part<QListWidget>("HelpSearchResults");
    EXPECT_EQ(part<QTabWidget>("HelpTabs")->currentWidget(), found);
    ASSERT_EQ(found->count(), 1);
    EXPECT_EQ(found->item(0)->text(), "Recipe File");
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, found->visualItemRect(found->item(0)).center());
    EXPECT_EQ(viewer.currentTopic(), 3030);
    EXPECT_EQ(browser->textCursor().selectedText(), "cookbook");

    find->setText("saffron");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(found->count(), 0);
    EXPECT_TRUE(part<QStatusBar>("HelpStatus")->currentMessage().contains("is not in the help"));
}

TEST(HelpViewerScreenshot, TheShippedHelpLooksFinished) {
    QtHelp help(fs::path(PANTRIVO_HELP_FILE).parent_path());
    help.ShowHelp({"Pantrivo.hlp", HelpCommand::Topic, 1010});
    HelpViewer& viewer = *help.viewer();
    viewer.findChild<QLineEdit*>("HelpFind")->setText("Exit");
    viewer.find("Exit");
    QCoreApplication::processEvents();
    const QImage shot = viewer.grab().toImage();
    ASSERT_TRUE(QDir().mkpath(PANTRIVO_SCREENSHOT_DIR));
    EXPECT_TRUE(shot.save(PANTRIVO_SCREENSHOT_DIR "/help-viewer.png"));
    EXPECT_EQ(viewer.currentTopic(), 1010);
    EXPECT_GT(viewer.findChild<QListWidget*>("HelpContents")->count(), 5);

    help.ShowHelp({"Missing.hlp", HelpCommand::Contents, 0});
    QCoreApplication::processEvents();
    EXPECT_TRUE(viewer.grab().toImage().save(PANTRIVO_SCREENSHOT_DIR "/help-viewer-missing-file.png"));
    viewer.close();
}

}  // namespace
}  // namespace platform::qt::testing
