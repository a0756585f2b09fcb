// The shopping list window as a person sees it: opened over the start
// window with a list of a few items, on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/startfrm.h"
#include "shopping/shoplist.h"

namespace {

class ShoppingListOnScreen : public ::testing::Test {
protected:
    ShoppingListOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        basic::testing::WriteBytes(folder / "LISTNAME.Fil", "\"Milk\"\r\n\"Margarine\"\r\n\"Bread\"\r\n");
        shopping::RegisterShoppingList(app);
    }
    ~ShoppingListOnScreen() override {
        if (!runtime.ended()) runtime.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
};

TEST_F(ShoppingListOnScreen, OpensOverTheStartWindowWithItsList) {
    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    runtime.userMenu(*app.window<shell::Startfrm>().mRS);
    shopping::Shoplist* list = app.loadedWindow<shopping::Shoplist>();
    ASSERT_NE(list, nullptr);
    QWidget* window = windows.windowOf(*list);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Shopping List Maker");
    EXPECT_EQ(window->frameGeometry(), start->frameGeometry()) << "it covers the start window exactly";

    list->AddSelections({{"Milk", "2 Gallon(s)"}, {"Bread", ""}, {"Eggs", "1 Dozen"}, {"Apples", "3 Pounds"}}, false);
    // A row chosen for its amount opens the keypad.
    list->Grid1->userChoseCell(2, 1);
    QApplication::processEvents();
    EXPECT_EQ(list->Label1->Caption(), "Amount of Bread");
    EXPECT_EQ(list->Grid1->TextMatrix(0, 0), "Grocery Items = 4");

    int pictures = 0;
    for (auto* button : window->findChildren<QToolButton*>())
        if (!button->icon().isNull()) ++pictures;
    EXPECT_GE(pictures, 49 + 9) << "the toolbars' buttons show their pictures";

    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    const QImage shot = windows.grab(*list);
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/shopping-list-window.png"));

    // The calendar opens under the date box.
    runtime.userClick(*list->Text1[shopping::Shoplist::DateBox]);
    QApplication::processEvents();
    EXPECT_TRUE(windows.grab(*list).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/shopping-list-calendar.png"));
}

}  // namespace
