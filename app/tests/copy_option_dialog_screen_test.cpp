// The ingredient copy option dialog as a person sees it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "recipes/printing/copy_hand_over.h"
#include "recipes/printing/copyfrm1.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

TEST(CopyOptionDialogOnScreen, ShowsBothOptionsAndHandsBackTheChosenOne) {
    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
    app.Start();

    auto& dialog = app.window<printing::Copyfrm1>();
    QImage shot;
    QTimer::singleShot(0, [&] {
        QWidget* window = windows.windowOf(dialog);
        if (!window || !QTest::qWaitForWindowExposed(window)) {
            ADD_FAILURE() << "the dialog was not shown";
        } else {
            // A title bar shows the caption in a bold font between the
            // window's icon and its close button, each some 30 pixels.
            QFont title = QApplication::font();
            title.setBold(true);
            EXPECT_LE(QFontMetrics(title).horizontalAdvance(window->windowTitle()) + 2 * 30, window->width())
                << "the desktop shows the whole caption";
            runtime.userClick(*dialog.SSOption1[printing::Copyfrm1::OneColumn]);
            QApplication::processEvents();
            shot = windows.grab(dialog);
        }
        runtime.userClick(*dialog.SSCommand1);
    });
    dialog.ShowModal();

    EXPECT_EQ(app.state<printing::CopyHandOver>().IngredientCopyLayout, printing::CopyHandOver::OneColumn);
    ASSERT_FALSE(shot.isNull());
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
    EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/copy-option-dialog.png"));
    runtime.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
