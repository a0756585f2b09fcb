// The transfer dialog as a person sees it, opened for an import on a folder
// that holds transfer files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "recipe_search/transfer/importfrm.h"
#include "recipes/recipe_window.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

TEST(TransferDialogOnScreen, ListsTheFolderTransferFilesAndPreviewsOne) {
    basic::testing::TestFolder folder;
    basic::testing::WriteBytes(folder / "EggNog.rc1", "\"Appetizers and beverages\"\r\n\"Egg Nog\"\r\n");
    basic::testing::WriteBytes(folder / "APPLEPIE.RC1", "\"Pies\"\r\n\"Apple Pie\"\r\n");
    basic::testing::WriteBytes(folder / "notes.txt", "not a recipe");
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
    recipes::RegisterRecipeFile(app);
    app.Start();

    auto& dialog = app.window<recipe_search::Importfrm>();
    QImage shot;
    QStringList listed;
    QTimer::singleShot(0, [&] {
        QWidget* window = windows.windowOf(dialog);
        if (!window || !QTest::qWaitForWindowExposed(window)) {
            ADD_FAILURE() << "the dialog was not shown";
        } else {
            for (int i = 0; i < dialog.File1->ListCount(); ++i) listed << QString::fromStdString(dialog.File1->List(i));
            dialog.File1->userChose(1);
            QApplication::processEvents();
            shot = windows.grab(dialog);
        }
        runtime.userClick(*dialog.Command2);
    });
    app.state<recipe_search::TransferHandOver>().TransferMode = recipe_search::TransferHandOver::Import;
    dialog.ShowModal();

    EXPECT_EQ(listed, (QStringList{"APPLEPIE.RC1", "EggNog.rc1"}));
    EXPECT_EQ(dialog.Text3->Text(), "Egg Nog");
    ASSERT_FALSE(shot.isNull());
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/transfer-dialog.png"));
    runtime.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
