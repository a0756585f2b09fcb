// The menu planner as a person sees it: opened over the start window with
// three months on its calendar and a day's menu, on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QTest>
#include <QToolButton>

#include "app/tests/program_on_screen.h"
#include "menu_planner/menu_planner_window.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

class MenuPlannerOnScreen : public app_testing::ProgramOnScreen {
protected:
    MenuPlannerOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        // Three months side by side, week numbers shown, today marked.
        std::string options(9 * 20, '\0');
        for (int value : {2, 0, 1, 1}) {
            std::string record{static_cast<char>(value), '\0'};
            record.resize(20, '\0');
            options += record;
        }
        basic::testing::WriteBytes(folder / "SWR2.BMP", options);
        basic::testing::WriteBytes(folder / "Menu1.Fil", "\"Oatmeal\"\r\n\"Pancakes\"\r\n\"Toast\"\r\n");
        menu_planner::RegisterMenuPlanner(app);
    }
};

TEST_F(MenuPlannerOnScreen, ShowsThreeMonthsAndTheDaysMenu) {
    // Today's menu, saved before the window opens.
    const basic::CalendarDate today = runtime.today();
    menu_planner::DayMenuRecord day;
    day.entries[0] = "Pancakes";
    day.entries[1] = "Orange juice";
    day.entries[7] = "Tomato soup";
    day.entries[8] = "Cheese sandwich";
    day.entries[14] = "Roast chicken";
    day.entries[15] = "Mashed potatoes";
    day.entries[16] = "Green beans";
    ASSERT_TRUE(
        menu_planner::SaveDayMenu(basic::ProgramFolder(folder.path()), today.year, menu_planner::DayKey(today), day));

    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    runtime.userMenu(*app.window<shell::Startfrm>().mRMenu);
    menu_planner::Zcalandar* planner = app.loadedWindow<menu_planner::Zcalandar>();
    ASSERT_NE(planner, nullptr);
    QWidget* window = windows.windowOf(*planner);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Menu Planner");
    EXPECT_EQ(planner->Text1[14]->Text(), "Roast chicken");

    int months = 0;
    for (auto* calendar : window->findChildren<QCalendarWidget*>())
        if (calendar->isVisible()) ++months;
    EXPECT_EQ(months, 3);
    int pictures = 0;
    for (auto* button : window->findChildren<QToolButton*>())
        if (!button->icon().isNull()) ++pictures;
    EXPECT_GE(pictures, 49 + 9) << "the toolbars' buttons show their pictures";

    // The breakfast list beside the first box.
    runtime.userFocused(*planner->Text1[2]);
    QApplication::processEvents();
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    EXPECT_TRUE(windows.grab(*planner).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/menu-planner-window.png"));

    auto shoot = [&](const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(windows.grab(*planner).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name)) << name;
    };
    runtime.userMenu(*planner->mOCal);
    ASSERT_TRUE(planner->SSPanel6->Visible());
    shoot("menu-planner-calendar-options.png");
    runtime.userClick(*planner->Command14);
    runtime.userClick(*planner->Command4);
    ASSERT_TRUE(planner->Panel3D3->Visible());
    shoot("menu-planner-edit-lists.png");
    runtime.userClick(*planner->Command11);

    // A week's range in the Print/View panel's grid.
    runtime.userClick(*planner->Command7);
    menu_planner::PrintViewPanel& view = planner->printView();
    ASSERT_TRUE(view.isOpen());
    runtime.userClick(*view.SSOption1[1]);
    view.Combo5->userEdited("6");
    runtime.userClick(*view.Command5);
    ASSERT_TRUE(view.Grid1->Visible());
    EXPECT_EQ(view.Grid1->Rows(), 8);
    shoot("menu-planner-range-view.png");
    runtime.userClick(*view.Command6);
    ASSERT_TRUE(planner->preview().isOpen());
    shoot("menu-planner-print-preview.png");
}

}  // namespace
