// The backup window as a person sees it, for a backup and for a restore
// (the longer text): every caption whole, the lists and buttons in reach.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "app/tests/cut_off_captions.h"
#include "backup/backup1.h"
#include "backup/window_user.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"

namespace {

using app_testing::CutOffCaptions;

TEST(BackupWindowOnScreen, BothDirectionsShowEveryCaptionWhole) {
    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
    backup::RegisterBackup(app);
    app.Start();

    for (const bool restoring : {false, true}) {
        SCOPED_TRACE(restoring ? "restore" : "backup");
        app.vars.BackupFamily = restoring ? 1 : 0;
        app.vars.RestoreMode = restoring ? 99 : 0;
        auto& window = app.window<backup::Backup1>();
        QImage shot;
        // Once the modal window is up: its captions, its picture, then Exit.
        QTimer::singleShot(0, [&] {
            QWidget* shown = windows.windowOf(window);
            if (!shown || !QTest::qWaitForWindowExposed(shown)) {
                ADD_FAILURE() << "the window was not shown";
            } else {
                QApplication::processEvents();
                EXPECT_EQ(CutOffCaptions(*shown), QStringList{});
                shot = windows.grab(window);
                // The longest outcome and a step half way, as a step shows them.
                backup::WindowUser user(app, window);
                user.Status("Backup Terminated by User");
                user.Progress(50, 100);
                QApplication::processEvents();
                EXPECT_EQ(CutOffCaptions(*shown), QStringList{});
                // A screen reader hears the outcome itself, not a name over it.
                const auto* status = shown->findChild<QWidget*>(QStringLiteral("SSPanel2"));
                EXPECT_EQ(status ? status->accessibleName() : QString(), QStringLiteral("Backup Terminated by User"));
                QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
                if (!restoring)
                    windows.grab(window).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/backup-window-status.png");
            }
            runtime.userClick(*window.SSCommand1);
        });
        ASSERT_TRUE(app.showBackupWindow());
        ASSERT_FALSE(shot.isNull());
        QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
        const QString name = restoring ? "/backup-window-restore.png" : "/backup-window.png";
        EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + name));
    }
    runtime.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// By keyboard alone: Tab goes drives, folders, the action once it is
// offered, Exit; the arrow keys and Enter open a folder; Esc closes. Each
// stop is named for a screen reader.
TEST(BackupWindowOnScreen, WorksByKeyboardAlone) {
    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
    backup::RegisterBackup(app);
    app.Start();
    app.vars.BackupFamily = 14;
    app.vars.RestoreMode = 0;
    auto& window = app.window<backup::Backup1>();

    QTimer::singleShot(0, [&] {
        QWidget* shown = windows.windowOf(window);
        if (!shown || !QTest::qWaitForWindowActive(shown)) {
            ADD_FAILURE() << "the window was not shown";
            runtime.userClick(*window.SSCommand1);
            return;
        }
        QApplication::processEvents();
        auto key = [](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k);
            QApplication::processEvents();
        };
        auto heard = [] {
            return QApplication::focusWidget() ? QApplication::focusWidget()->accessibleName() : QString();
        };
        EXPECT_EQ(runtime.focusedControl(), window.Drive1);
        EXPECT_EQ(heard(), "Drives");
        key(Qt::Key_Tab);
        EXPECT_EQ(runtime.focusedControl(), window.Dir1);
        EXPECT_EQ(heard(), "Folders");
        // The program folder is marked: the arrow marks the folder above, Enter opens it.
        key(Qt::Key_Up);
        key(Qt::Key_Return);
        EXPECT_EQ(window.Dir1->Path(), folder.path().parent_path().string());
        EXPECT_TRUE(window.SSCommand2->Enabled());
        key(Qt::Key_Tab);
        EXPECT_EQ(runtime.focusedControl(), window.SSCommand2);
        EXPECT_EQ(heard(), "Make Backup");
        key(Qt::Key_Tab);
        EXPECT_EQ(runtime.focusedControl(), window.SSCommand1);
        EXPECT_EQ(heard(), "Exit");
        key(Qt::Key_Tab);
        EXPECT_EQ(runtime.focusedControl(), window.Drive1) << "round again to the drives";
        key(Qt::Key_Escape);
        if (window.isLoaded()) {
            ADD_FAILURE() << "Esc left the window open";
            runtime.userClick(*window.SSCommand1);
        }
    });
    ASSERT_TRUE(app.showBackupWindow());
    EXPECT_EQ(app.vars.BackupFamily, 0);
    runtime.end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
