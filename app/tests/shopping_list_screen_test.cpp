// The shopping list window as a person sees it: opened over the start
// window with a list of a few items, on the offscreen screen.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "app/tests/program_on_screen.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "shell/application.h"
#include "shell/startfrm.h"
#include "shopping/shoplist.h"

namespace {

class ShoppingListOnScreen : public app_testing::ProgramOnScreen {
protected:
    ShoppingListOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        basic::testing::WriteBytes(folder / "LISTNAME.Fil", "\"Milk\"\r\n\"Margarine\"\r\n\"Bread\"\r\n");
        for (int k = 1; k <= 16; ++k) {
            const std::string picture = "WP" + std::to_string(k) + ".jpg";
            std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / picture, folder / picture);
        }
        recipes::RecipeRecord bread;
        const char* const ingredients[] = {"Cornmeal", "Flour", "Baking powder", "Milk", "Eggs"};
        const char* const amounts[] = {"1", "1", "4", "1", "2"};
        const char* const units[] = {"cup", "cup", "tsp", "cup", ""};
        for (std::size_t i = 0; i < std::size(ingredients); ++i) {
            bread.ingredients[i] = ingredients[i];
            bread.amounts[i] = amounts[i];
            bread.units[i] = units[i];
        }
        bread.marker = "Full1";
        static_cast<void>(recipes::RecipeStore(basic::ProgramFolder(folder.path()), 1)
                              .SaveNew(recipes::RecipeTypeNumber("Breads").value(), "Corn Bread", bread));
        shopping::RegisterShoppingList(app);
    }
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
    list->HideDatePicker();

    // The panels that open over the main panel, one at a time.
    auto shoot = [&](const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(windows.grab(*list).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name)) << name;
    };
    runtime.userMenu(*list->mOSel);
    ASSERT_TRUE(list->quickSelect().isOpen());
    runtime.userClick(*list->quickSelect().SSCheck1[2]);
    shoot("shopping-list-quick-select.png");
    runtime.userMenu(*list->mOSel);
    runtime.userMenu(*list->mOR);
    shopping::RecipeSelectPanel& recipe = list->recipeSelect();
    ASSERT_TRUE(recipe.isOpen());
    const auto& types = recipe.Combo2->items();
    recipe.Combo2->userChose(static_cast<int>(std::find(types.begin(), types.end(), "Breads") - types.begin()));
    ASSERT_EQ(recipe.Combo3->ListCount(), 1);
    recipe.Combo3->userChose(0);
    runtime.userClick(*recipe.SSCheck2[1]);
    shoot("shopping-list-recipe-select.png");
    runtime.userMenu(*list->mOR);
    runtime.userMenu(*list->mOBC);
    ASSERT_TRUE(list->gridBackgroundSelector().isOpen());
    runtime.userClick(*list->gridBackgroundSelector().Image3[5]);
    shoot("shopping-list-grid-background.png");
    runtime.userClick(*list->gridBackgroundSelector().Command16[shell::GridBackgroundSelector::UseAbove]);
    shoot("shopping-list-grid-picture.png");

    runtime.userClick(*list->Command1[shopping::Shoplist::PrintButton]);
    ASSERT_TRUE(list->preview().isOpen());
    EXPECT_TRUE(list->SSCheck80->Visible() && list->SSCheck81->Visible());
    shoot("shopping-list-print-preview.png");

    // The list through the real printing path, to a PDF of one page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString(PANTRIVO_SCREENSHOT_DIR) + "/shopping-list.pdf";
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(platform::qt::PrintDocumentTo(printer, list->preview().document()));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), 1);
}

}  // namespace
