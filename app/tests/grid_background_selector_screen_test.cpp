// The grid background selector as a person sees it: the sixteen pictures
// over a list window, one of them chosen and shown behind the grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/grid_background_selector.h"

namespace {

// A window as bare as can carry the selector: its main panel, a grid of
// items and the box whose colour is the default background.
class ListForm : public ui::Form {
public:
    explicit ListForm(shell::Application& app) : ui::Form(app.runtime(), "ListForm") {
        setCaption("Shopping List");
        Move(0, 0, 12000, 9000);
        Panel3D1 = &add<ui::Panel>("Panel3D1");
        Panel3D1->Move(630, 555, 10680, 7290);
        Panel3D1->setBackColor(ui::Rgb(0, 128, 128));
        Grid1 = &add<ui::Grid>("Grid1", -1, Panel3D1);
        Grid1->Move(300, 300, 6000, 6600);
        Grid1->setCols(2);
        Grid1->setColWidth(0, 3600);
        Grid1->setColWidth(1, 2000);
        Grid1->setRows(20);
        Grid1->setTextMatrix(0, 0, "Grocery Items");
        Grid1->setTextMatrix(0, 1, "Amount");
        const char* items[][2] = {{"  Milk", "2 Gallon(s)"}, {"  Bread", ""}, {"  Eggs", "1 Dozen"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) Grid1->setTextMatrix(r + 1, c, items[r][c]);
        Text2 = &add<ui::TextBox>("Text2", -1, Panel3D1);
        Text2->setVisible(false);
        Text2->setBackColor(ui::colors::WindowBackground);
        StatusBar1 = &add<ui::StatusBar>("StatusBar1");
        StatusBar1->addPanel({});
        selector = std::make_unique<shell::GridBackgroundSelector>(
            app, *this,
            shell::GridBackgroundSetup{
                .record = shell::settings::SharedGridBackgroundRecord,
                .grid = *Grid1,
                .mainPanel = *Panel3D1,
                .defaultColor = *Text2,
                .status = *StatusBar1,
                .state = background,
                .design = {.top = 300,
                           .note = "(This Grid Background && Text Color will be used by Recipe File, Food Guides, "
                                   "Menu Planner and Conversions Grids)"},
                .onColorsChanged = {},
                .beforeShowing = {}});
    }

    ui::Panel* Panel3D1;
    ui::Grid* Grid1;
    ui::TextBox* Text2;
    ui::StatusBar* StatusBar1;
    shell::GridBackgroundState background;
    std::unique_ptr<shell::GridBackgroundSelector> selector;
};

TEST(GridBackgroundSelectorOnScreen, ShowsTheSixteenPicturesAndTheChosenOneBehindTheGrid) {
    basic::testing::TestFolder folder;
    for (int k = 1; k <= shell::GridBackgroundSelector::PictureCount; ++k) {
        const std::string name = "WP" + std::to_string(k) + ".jpg";
        std::filesystem::copy_file(std::filesystem::path(PANTRIVO_PICTURE_DIR) / name, folder / name);
    }
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};

    ListForm form(app);
    form.Show();
    QWidget* window = windows.windowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    form.selector->ShowOrClose();
    runtime.userClick(*form.selector->Image3[5]);
    QApplication::processEvents();
    const QImage open = windows.grab(form);
    form.selector->Command16_Click(shell::GridBackgroundSelector::UseAbove);
    QApplication::processEvents();
    const QImage chosen = windows.grab(form);

    EXPECT_EQ(form.background.GridBackgroundValue, "WP6");
    ASSERT_FALSE(open.isNull());
    ASSERT_FALSE(chosen.isNull());
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    EXPECT_TRUE(open.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/grid-background-selector.png"));
    EXPECT_TRUE(chosen.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/grid-background-chosen.png"));
    form.Unload();
    runtime.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
