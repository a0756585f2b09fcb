// The food storage window as a person sees it: the basic kind with a few
// items, a category's chart and the rollup, on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTest>

#include "app/tests/program_on_screen.h"
#include "food_storage/storage_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

class FoodStorageOnScreen : public app_testing::ProgramOnScreen {
protected:
    FoodStorageOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        // A basic table: the Grains total row and two items, Salt, and the number in family.
        std::string table;
        for (int row = 1; row <= 60; ++row) {
            for (int col = 0; col < 8; ++col) {
                std::string cell;
                if (row == 1)
                    cell =
                        std::vector<std::string>{"Grains", " 4", "100 lbs", " 400 lbs", "250 lbs", "*", "*", "*"}[col];
                if (row == 2)
                    cell = std::vector<std::string>{"Wheat", "*", "*", "*", "150 lbs", "11/02/04", "50", ""}[col];
                if (row == 3)
                    cell = std::vector<std::string>{"Rice", "*", "*", "*", "100 lbs", "10/15/04", "", "20"}[col];
                if (row == 34)
                    cell =
                        std::vector<std::string>{"Salt", " 4", "8 lbs", " 32 lbs", "12 lbs", "09/01/04", "12", ""}[col];
                table += "\"" + cell + "\"\r\n";
            }
        }
        basic::testing::WriteBytes(folder / "FdsB1.Fil", table);
        basic::testing::WriteBytes(folder / "FdsB2.Fil", "\"4\"\r\n");
        food_storage::RegisterFoodStorage(app);
    }
};

TEST_F(FoodStorageOnScreen, ShowsTheTableACategoryChartAndTheRollup) {
    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    // The emergency kind, as the start window opens it.
    runtime.userMenu(*app.window<shell::Startfrm>().mREmerg);
    food_storage::Form24* storage = app.loadedWindow<food_storage::Form24>();
    ASSERT_NE(storage, nullptr);
    QWidget* window = windows.windowOf(*storage);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Emergency Storage");
    EXPECT_EQ(window->frameGeometry(), start->frameGeometry()) << "it covers the start window exactly";
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    auto shoot = [&](const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(windows.grab(*storage).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name)) << name;
    };
    storage->Grid1->userChoseCell(2, 0);
    shoot("food-storage-emergency.png");
    runtime.userClick(*storage->Command2);
    ASSERT_FALSE(storage->isLoaded());

    // The basic kind shares the window and has the charts.
    app.vars.StorageKind = 0;
    app.window<food_storage::Form24>().Show();
    storage = app.loadedWindow<food_storage::Form24>();
    ASSERT_NE(storage, nullptr);
    window = windows.windowOf(*storage);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(storage->Grid1->TextMatrix(1, 4), "250 lbs");
    shoot("food-storage-basic.png");

    runtime.userClick(*storage->Command3D1[1]);
    ASSERT_TRUE(storage->categoryChart().panel().Visible());
    shoot("food-storage-grains-chart.png");
    runtime.userClick(*storage->Command3D1[4]);
    shoot("food-storage-salt-chart.png");

    runtime.userMenu(*storage->mR);
    ASSERT_TRUE(storage->Panel3D2->Visible());
    shoot("food-storage-rollup.png");
    runtime.userClick(*storage->Command7);
    shoot("food-storage-rollup-horizontal.png");
    runtime.userClick(*storage->Command3);

    runtime.userClick(*storage->Command3D1[0]);
    runtime.userClick(*storage->Command1);
    ASSERT_TRUE(storage->preview().isOpen());
    shoot("food-storage-print-preview.png");
}

// The arrow keys only move about the grid; a click or Enter on a cell arms
// the input box for it and takes the focus there.
TEST_F(FoodStorageOnScreen, TheArrowKeysMoveAboutTheGridWithoutOpeningTheInputBox) {
    app.vars.StorageKind = 0;
    app.Start();
    app.window<food_storage::Form24>().Show();
    food_storage::Form24* storage = app.loadedWindow<food_storage::Form24>();
    ASSERT_NE(storage, nullptr);
    QWidget* window = windows.windowOf(*storage);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* grid = window->findChild<QTableView*>("Grid1");
    ASSERT_NE(grid, nullptr);
    QApplication::processEvents();
    for (int i = 0; i < 40 && runtime.focusedControl() != storage->Grid1; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(runtime.focusedControl(), storage->Grid1);
    auto moveAbout = [&] {
        for (const auto key :
             {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_Home}) {
            QTest::keyClick(grid, key);
            QApplication::processEvents();
            EXPECT_FALSE(storage->state().InputArmed) << "key " << key;
            EXPECT_EQ(runtime.focusedControl(), storage->Grid1) << "key " << key;
        }
    };
    moveAbout();
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(storage->state().InputArmed) << "Enter opens the input box";
    EXPECT_EQ(runtime.focusedControl(), storage->Text1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(runtime.focusedControl(), storage->Grid1);
    moveAbout();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualRect(grid->model()->index(1, 4)).center());
    EXPECT_TRUE(storage->state().InputArmed) << "a click opens the input box";
    EXPECT_EQ(runtime.focusedControl(), storage->Text1);
    EXPECT_EQ(storage->Grid1->Row(), 2);
}

}  // namespace
