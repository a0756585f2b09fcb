// The start window as a person sees it: a real Qt window on the offscreen screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

class StartWindowOnScreen : public ::testing::Test {
protected:
    StartWindowOnScreen() {
        std::filesystem::copy_file(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "StartEmblem.jpg",
                                   folder / "StartEmblem.jpg");
    }
    ~StartWindowOnScreen() override {
        if (!runtime.ended()) runtime.end();
    }

    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
};

TEST_F(StartWindowOnScreen, ShowsCaptionButtonsAndMenus) {
    app.Start();
    QWidget* window = windows.windowOf(app.window<shell::Startfrm>());
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

    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    const QImage shot = windows.grab(app.window<shell::Startfrm>());
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/start-window.png"));

    runtime.end();
    EXPECT_TRUE(runtime.loadedForms().empty());
}

}  // namespace
