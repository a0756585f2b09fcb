// The food guide as a person sees it: opened over the start window, each
// table in its grid, chosen by mouse and by keyboard, on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTest>

#include "app/tests/program_on_screen.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "reference/food_guide/foodg.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

class FoodGuideOnScreen : public app_testing::ProgramOnScreen {
protected:
    FoodGuideOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        food_guide::RegisterFoodGuide(app);
    }

    void shoot(food_guide::Foodg& guide, const char* name) {
        QApplication::processEvents();
        QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
        EXPECT_TRUE(windows.grab(guide).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name)) << name;
    }
};

TEST_F(FoodGuideOnScreen, ShowsEachTableInItsGridAndSwitchesByKeyboard) {
    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    runtime.userMenu(*app.window<shell::Startfrm>().mRFG);
    food_guide::Foodg* guide = app.loadedWindow<food_guide::Foodg>();
    ASSERT_NE(guide, nullptr);
    QWidget* window = windows.windowOf(*guide);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Food Guide");
    EXPECT_EQ(window->frameGeometry(), start->frameGeometry()) << "it covers the start window exactly";
    EXPECT_EQ(guide->state().Shown, food_guide::GuideTable::FoodGuide);
    shoot(*guide, "food-guide-daily-requirements.png");

    // The grid's rows are as high as the table asks, and it never scrolls sideways.
    QTableView* table = window->findChild<QTableView*>();
    ASSERT_NE(table, nullptr);
    QApplication::processEvents();
    EXPECT_GT(table->rowHeight(0), 3 * table->fontMetrics().height()) << "room for a cell of several lines";
    EXPECT_EQ(table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    auto lastColumnFits = [&] {
        const int last = table->model()->columnCount() - 1;
        return table->columnViewportPosition(last) + table->columnWidth(last) <= table->viewport()->width();
    };
    EXPECT_TRUE(lastColumnFits());
    EXPECT_TRUE(table->wordWrap());

    // Alt and a button's underlined letter choose its table.
    const struct {
        Qt::Key key;
        food_guide::GuideTable table;
        const char* shot;
    } keys[] = {
        {Qt::Key_M, food_guide::GuideTable::MenuIdeas, "food-guide-menu-ideas.png"},
        {Qt::Key_C, food_guide::GuideTable::CommonMeasures, "food-guide-common-measures.png"},
    };
    for (const auto& k : keys) {
        QTest::keyClick(window, k.key, Qt::AltModifier);
        // A button's access key presses it a moment later, as a click shows.
        EXPECT_TRUE(QTest::qWaitFor([&] { return guide->state().Shown == k.table; })) << k.shot;
        shoot(*guide, k.shot);
    }
    runtime.userClick(*guide->Command5);
    shoot(*guide, "food-guide-kitchen-hints.png");
    EXPECT_TRUE(lastColumnFits()) << "no hint is hidden under the scroll bar";
    runtime.userClick(*guide->Command6);
    shoot(*guide, "food-guide-substitutions.png");
}

}  // namespace
