// The start window and the About box as a person sees them: real Qt windows on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/about1.h"
#include "shell/application.h"
#include "shell/settings_files.h"
#include "shell/startfrm.h"

namespace {

class StartWindowOnScreen : public ::testing::Test {
protected:
    StartWindowOnScreen() {
        for (const char* picture : {"StartEmblem.jpg", "WP10.jpg"})
            std::filesystem::copy_file(std::filesystem::path(PANTRIVO_PICTURE_DIR) / picture, folder / picture);
    }
    ~StartWindowOnScreen() override {
        if (!runtime.ended()) runtime.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Started and on the screen, where the window learns the desktop's frame.
    QWidget* startOnScreen() {
        app.Start();
        QWidget* window = windows.windowOf(app.window<shell::Startfrm>());
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
    void save(const QImage& shot, const char* name) {
        QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name));
    }

    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
};

TEST_F(StartWindowOnScreen, ShowsCaptionButtonsAndMenus) {
    QWidget* window = startOnScreen();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Pantrivo");

    QSet<QString> buttons;
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->isVisible()) buttons.insert(button->text());
    for (const char* caption : {"&Recipe File", "&Food Guide", "Food &Meas. Guide", "Menu &Planner",
                                "&Shopping List Maker", "&Emergency Storage", "&Help", "&Web Site", "E&xit"})
        EXPECT_TRUE(buttons.contains(caption)) << caption;

    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    ASSERT_NE(mainWindow, nullptr);
    QStringList menus;
    for (QAction* action : mainWindow->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&Options", "&Recipe Files", "&Help"}));

    // Full screen display: the whole window, frame and all, fills the screen's free area.
    EXPECT_EQ(window->frameGeometry(), window->screen()->availableGeometry());
    save(windows.grab(app.window<shell::Startfrm>()), "start-window.png");

    runtime.end();
    EXPECT_TRUE(runtime.loadedForms().empty());
}

TEST_F(StartWindowOnScreen, SmallerScreenDisplayIsEightHundredBySixHundredPixelsOutside) {
    ASSERT_TRUE(
        shell::settings::WriteText(basic::ProgramFolder(folder.path()), shell::settings::DisplayModeRecord, "Yes"));
    QWidget* window = startOnScreen();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600)) << "12000 by 9000 twips, frame included";
    EXPECT_EQ(app.window<shell::Startfrm>().Width(), 12000);
    EXPECT_EQ(app.window<shell::Startfrm>().Height(), 9000);
    save(windows.grab(app.window<shell::Startfrm>()), "start-window-smaller.png");
}

TEST_F(StartWindowOnScreen, AltAndAMenuTitlesLetterOpenTheMenuNotTheButtonOfThatLetter) {
    QWidget* window = startOnScreen();
    ASSERT_NE(window, nullptr);
    const auto loaded = runtime.loadedForms().size();
    auto* bar = static_cast<QMainWindow*>(window)->menuBar();
    QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), bar->actions()[1]->menu());
    QApplication::activePopupWidget()->close();
    QTest::qWait(200);  // a button's shortcut would click it a moment later
    EXPECT_EQ(runtime.loadedForms().size(), loaded) << "the Recipe File button opened nothing";
    auto* recipeFile = window->findChild<QPushButton*>("SSCommand1(0)");
    ASSERT_NE(recipeFile, nullptr);
    EXPECT_FALSE(recipeFile->hasFocus());
}

TEST_F(StartWindowOnScreen, TheAboutBoxIsADialogThatShowsItsWholeText) {
    ASSERT_NE(startOnScreen(), nullptr);
    shell::About1& about = app.window<shell::About1>();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = windows.windowOf(about);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        EXPECT_EQ(box->windowType(), Qt::Dialog);
        EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        auto* text = box->findChild<QLabel*>("Label1");
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(QRect(QPoint(), text->size()).contains(QRect(QPoint(), text->sizeHint())))
            << "needs " << text->sizeHint().width() << "x" << text->sizeHint().height() << ", has " << text->width()
            << "x" << text->height();
        save(windows.grab(about), "about-box.png");
        checked = true;
        about.Unload();
    });
    about.ShowModal();
    EXPECT_TRUE(checked);
}

}  // namespace
