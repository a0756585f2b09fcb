// The recipe window as a person sees it: opened over the start window, a
// type and a recipe chosen, on the offscreen screen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/tests/program_on_screen.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "recipes/recipe_window.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "shell/application.h"
#include "shell/settings_files.h"
#include "shell/startfrm.h"

namespace {

using recipes::testing::EntryText;
using recipes::testing::IndexFileBytes;
using recipes::testing::RecordBytes;

class RecipeWindowOnScreen : public app_testing::ProgramOnScreen {
protected:
    RecipeWindowOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        basic::testing::WriteBytes(folder / "Recipe2.db1",
                                   std::string(RecordBytes()
                                                   .line(1, "1.5", "cups", "flour")
                                                   .line(2, ".34", "cup", "sugar")
                                                   .line(3, "2", "", "eggs")
                                                   .line(11, ".125", "tsp.", "salt")
                                                   .directions("Mix everything, knead for ten minutes and bake.")
                                                   .put(1100, 4, "350")
                                                   .put(2004, 5, "12")
                                                   .put(2009, 20, "25 minutes")
                                                   .put(2029, 11, "Dozen")));
        basic::testing::WriteBytes(folder / "Breanfil.db1", IndexFileBytes({EntryText("Dinner Rolls", 1)}));
        recipes::RegisterRecipeFile(app);
    }
    // The recipe window, active, on a type with a recipe, so that no
    // message waits for an answer; nullptr when it did not open.
    recipes::Form5* openOnBreads() {
        app.Start();
        runtime.userMenu(*app.window<shell::Startfrm>().mRF);
        recipes::Form5* recipe = app.loadedWindow<recipes::Form5>();
        if (!recipe || !QTest::qWaitForWindowActive(windows.windowOf(*recipe))) return nullptr;
        recipe->Combo1->setText("Breads");
        return recipe;
    }
};

class RecipeWindowInEachDisplayMode : public RecipeWindowOnScreen, public ::testing::WithParamInterface<bool> {};

TEST_P(RecipeWindowInEachDisplayMode, OpensOverTheStartWindowAndShowsARecipe) {
    const bool smaller = GetParam();
    if (smaller) {
        ASSERT_TRUE(
            shell::settings::WriteText(basic::ProgramFolder(folder.path()), shell::settings::DisplayModeRecord, "Yes"));
    }
    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    runtime.userMenu(*app.window<shell::Startfrm>().mRF);
    recipes::Form5* recipe = app.loadedWindow<recipes::Form5>();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Recipe File - Cookbook #1 - ");
    const shell::Startfrm& startForm = app.window<shell::Startfrm>();
    EXPECT_EQ(recipe->Width(), startForm.Width());
    EXPECT_EQ(recipe->Height(), startForm.Height());
    // Maximised or not, the start window's outer size is the recipe window's.
    EXPECT_EQ(window->frameGeometry(), start->frameGeometry()) << "it covers the start window exactly";
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << "the window fits the screen: " << window->frameGeometry().width() << "x" << window->frameGeometry().height()
        << " in " << screen.width() << "x" << screen.height();

    // The type, View and the recipe, as a user would (the type first, so
    // that no message about a type without recipes waits for an answer).
    for (int i = 0; i < recipe->Combo1->ListCount(); ++i)
        if (recipe->Combo1->List(i) == "Breads") recipe->Combo1->setText("Breads");
    runtime.userMenu(*recipe->mOV);
    QApplication::processEvents();
    ASSERT_EQ(recipe->Combo2->ListCount(), 1);
    recipe->Combo2->userChose(0);
    QApplication::processEvents();
    EXPECT_EQ(recipe->Text1[0]->Text(), "1 1/2");
    EXPECT_EQ(recipe->Text1[1]->Text(), "1/3");

    int pictures = 0;
    for (auto* button : window->findChildren<QToolButton*>())
        if (!button->icon().isNull()) ++pictures;
    EXPECT_GE(pictures, 49 + 8) << "every toolbar button shows its picture";

    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    const QImage shot = windows.grab(*recipe);
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(
        shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + (smaller ? "/recipe-window-smaller.png" : "/recipe-window.png")));
}

// The fraction and unit lists' buttons show just right of their boxes, over
// the next box, and take the click there.
TEST_P(RecipeWindowInEachDisplayMode, ThePickListsButtonsShowBesideTheirBoxesAndOpenOnAClick) {
    const bool smaller = GetParam();
    if (smaller) {
        ASSERT_TRUE(
            shell::settings::WriteText(basic::ProgramFolder(folder.path()), shell::settings::DisplayModeRecord, "Yes"));
    }
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);
    const auto widget = [&](const char* name) { return window->findChild<QWidget*>(name); };
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);  // Create
    QTest::keyClicks(widget("Text8"), "Scones");
    QTest::keyClick(widget("Text8"), Qt::Key_Return);
    QApplication::processEvents();

    const struct {
        const char* box;
        const char* list;
        int entry;
    } lines[] = {{"Text1(0)", "Combo3", 10}, {"Text4(0)", "Combo6", 0}};
    for (const auto& line : lines) {
        SCOPED_TRACE(line.list);
        QWidget* box = widget(line.box);
        auto* list = qobject_cast<QComboBox*>(widget(line.list));
        ASSERT_TRUE(box && list);
        ASSERT_TRUE(list->isVisible());
        // The strip of the list right of its box is the list, not the next box.
        const QRect strip(box->geometry().right() + 1, box->y(), list->geometry().right() - box->geometry().right(),
                          box->height());
        ASSERT_GT(strip.width(), 8) << "the button shows beside the box";
        QWidget* hit = box->parentWidget()->childAt(strip.center());
        EXPECT_TRUE(hit == list || list->isAncestorOf(hit)) << (hit ? hit->objectName().toStdString() : "nothing");
        EXPECT_EQ(box->parentWidget()->childAt(box->geometry().center()), box) << "the box stays in front of it";

        QTest::mouseClick(list, Qt::LeftButton, {}, list->mapFrom(box->parentWidget(), strip.center()));
        EXPECT_TRUE(list->view()->isVisible()) << "a click on the button opens the list";
        QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
        EXPECT_TRUE(windows.grab(*recipe).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/recipe-" + line.list +
                                               (smaller ? "-smaller.png" : ".png")));
        list->hidePopup();
        // An entry chosen: "1 1/2" takes the plural units; a unit, the ingredient.
        (line.list == std::string("Combo3") ? *recipe->Combo3 : *recipe->Combo6).userChose(line.entry);
        QApplication::processEvents();
    }
}

// Alt+Down in an amount or unit box opens its list, as in a drop-down box;
// the menu bar takes no part in it.
TEST_F(RecipeWindowOnScreen, AltDownInAnAmountOrUnitBoxOpensItsPickList) {
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);
    const auto widget = [&](const char* name) { return window->findChild<QWidget*>(name); };
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);  // Create
    QTest::keyClicks(widget("Text8"), "Scones");
    QTest::keyClick(widget("Text8"), Qt::Key_Return);
    QTest::keyClicks(widget("Text1(0)"), "2");
    QApplication::processEvents();

    const struct {
        const char* box;
        const char* list;
    } lines[] = {{"Text1(0)", "Combo3"}, {"Text4(0)", "Combo6"}};
    for (const auto& line : lines) {
        SCOPED_TRACE(line.list);
        QWidget* box = widget(line.box);
        auto* list = qobject_cast<QComboBox*>(widget(line.list));
        ASSERT_TRUE(box && list);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), box) << QApplication::focusWidget()->objectName().toStdString();
        ASSERT_TRUE(list->isVisible());
        QTest::keyClick(window->windowHandle(), Qt::Key_Down, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_TRUE(list->view()->isVisible()) << "Alt+Down opens the list";
        EXPECT_EQ(window->findChild<QMenuBar*>()->activeAction(), nullptr) << "the menu bar stays closed";
        list->hidePopup();
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
    }
}

TEST_F(RecipeWindowOnScreen, ARecipeTypedWithTheKeyboardIsSaved) {
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);

    auto widget = [&](const char* name) {
        QWidget* found = window->findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);  // Create
    QApplication::processEvents();
    QTest::keyClicks(widget("Text8"), "Soda \"Bread\"");
    QTest::keyClick(widget("Text8"), Qt::Key_Return);
    QTest::keyClicks(widget("Text1(0)"), "2.5");
    QTest::keyClick(widget("Text1(0)"), Qt::Key_Return);
    QTest::keyClicks(widget("Text4(0)"), "cups");
    QTest::keyClick(widget("Text4(0)"), Qt::Key_Return);
    QTest::keyClicks(widget("Text5(0)"), "buttermilk");
    QApplication::processEvents();
    QTest::mouseClick(widget("Command6"), Qt::LeftButton);  // Save
    QApplication::processEvents();

    const std::string bytes = basic::testing::ReadBytes(folder / "Recipe2.db1");
    ASSERT_EQ(bytes.size(), 2u * 2045);
    const std::string saved = bytes.substr(2045);
    EXPECT_EQ(saved.substr(0, 5), "2.5  ");
    EXPECT_EQ(saved.substr(1104, 10), "cups      ");
    EXPECT_EQ(saved.substr(1304, 10), "buttermilk");
    EXPECT_NE(basic::testing::ReadBytes(folder / "Breanfil.db1").find("Soda Bread"), std::string::npos);
}

// Index entries carry the record number past the name: it never shows, and
// a result chosen and opened with the keyboard shows the name from its start.
TEST_F(RecipeWindowOnScreen, NamesShowWithoutTheirRecordNumbersAndAResultOpensByKeyboard) {
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);
    runtime.userMenu(*recipe->mOV);
    recipe->Combo2->userChose(0);
    QApplication::processEvents();
    auto* nameLine = window->findChild<QWidget*>("Combo2")->findChild<QLineEdit*>();
    ASSERT_NE(nameLine, nullptr);
    EXPECT_EQ(nameLine->text(), "Dinner Rolls");
    EXPECT_EQ(window->findChild<QListWidget*>("List1")->item(0)->text(), "Dinner Rolls");
    EXPECT_EQ(recipe->Combo2->Text(), EntryText("Dinner Rolls", 1)) << "the window reads the record number";

    runtime.userClick(*recipe->Command16);  // Search
    runtime.userClick(*recipe->Command11);  // by name
    runtime.userClick(*recipe->Command17);  // all recipes
    QApplication::processEvents();
    auto* results = window->findChild<QTableView*>("Grid1");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->model()->index(0, 1).data().toString(), "Dinner Rolls");
    recipe->Grid1->SetFocus();
    QTest::keyClick(results, Qt::Key_Down);
    EXPECT_TRUE(recipe->Command15->Enabled()) << "a row chosen by keyboard can be viewed";
    QTest::keyClick(results, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(recipe->SSPanel2->Visible());
    EXPECT_EQ(recipe->Text1[0]->Text(), "1 1/2");
    EXPECT_EQ(nameLine->text(), "Dinner Rolls");
    EXPECT_EQ(nameLine->cursorPosition(), 0);
}

// In the ingredient search's results, Enter on a row chosen with the keys
// opens it, though Enter in the panel's boxes searches.
TEST_F(RecipeWindowOnScreen, AnIngredientResultChosenByKeyboardOpensOnEnter) {
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    QWidget* window = windows.windowOf(*recipe);
    runtime.userClick(*recipe->Command16);  // Search
    runtime.userClick(*recipe->Command12);  // by ingredient
    QApplication::processEvents();
    recipe->Combo7->setText("Breads");
    QWidget* word = window->findChild<QWidget*>("Text12");
    ASSERT_NE(word, nullptr);
    QTest::mouseClick(word, Qt::LeftButton);
    QTest::keyClicks(word, "flour");
    QTest::keyClick(word, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(recipe->Grid2->Rows(), 2) << "Enter in the box searched the type";

    auto* results = window->findChild<QTableView*>("Grid2");
    ASSERT_NE(results, nullptr);
    recipe->Grid2->SetFocus();
    QApplication::processEvents();
    QTest::keyClick(results, Qt::Key_Down);
    ASSERT_TRUE(recipe->Command20->Enabled()) << "a row chosen by keyboard can be viewed";
    QTest::keyClick(results, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(recipe->SSPanel8->Visible());
    EXPECT_EQ(recipe->state().CurrentRecordNumber, 1);
    EXPECT_EQ(recipe->Text1[0]->Text(), "1 1/2");
}

TEST_F(RecipeWindowOnScreen, ThePrintPreviewShowsTheRecipeAndPrintsItToPdf) {
    recipes::Form5* recipe = openOnBreads();
    ASSERT_NE(recipe, nullptr);
    runtime.userMenu(*recipe->mOV);
    recipe->Combo2->userChose(0);
    // Directions long enough for a second page in the one-column layout.
    runtime.userClick(*recipe->Command5);  // Modify
    runtime.userFocused(*recipe->Text2);
    std::string directions;
    for (int i = 0; i < 60; ++i) directions += "Knead the dough.\r\n";
    recipe->Text2->userEdited(directions.substr(0, 1000));
    runtime.userClick(*recipe->Command7);  // Print
    runtime.userClick(*recipe->SSOption83[1]);
    QApplication::processEvents();

    const ui::PrintDocument& document = recipe->preview().document();
    ASSERT_EQ(document.PageCount(), 2);
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    const QImage shot = windows.grab(*recipe);
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/recipe-print-preview.png"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString((folder / "recipe.pdf").string());
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(platform::qt::PrintDocumentTo(printer, document));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), 2);
}

INSTANTIATE_TEST_SUITE_P(DisplayModes, RecipeWindowInEachDisplayMode, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Smaller" : "FullScreen"; });

}  // namespace
