// Pantrivo: the program starts with its start window and ends when the
// start window's Exit ends it or the last window closes.
#include <QApplication>
#include <QIcon>
#include <optional>

#include "backup/backup1.h"
#include "backup/store/restore_commit.h"
#include "food_storage/storage_window.h"
#include "menu_planner/menu_planner_window.h"
#include "platform/basic/folder_lock.h"
#include "platform/data_move.h"
#include "platform/program_location.h"
#include "platform/qt/first_paint.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/runtime.h"
#include "recipes/recipe_window.h"
#include "reference/conversions/convform.h"
#include "reference/food_guide/foodg.h"
#include "shell/application.h"
#include "shopping/shoplist.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Pantrivo");
    QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends

    const auto exe = platform::ExecutableFolder();
    const auto folder =
        platform::ChooseProgramFolder(exe, platform::UserDataFolder(), platform::InstalledDataFolder(exe));
    // Decoding the large icon is a good part of the start-up: the start
    // window shows first, and takes its icon a moment later.
    if (const auto icon = platform::ProgramIconFile(exe)) {
        platform::qt::RunAfterFirstPaint(
            qtApp, [file = QString::fromStdString(icon->string())] { QApplication::setWindowIcon(QIcon(file)); });
    }
    QApplication::setDesktopFileName("pantrivo");  // Wayland shows the desktop entry's icon
    platform::qt::QtServices services;
    // Two copies on one data folder would each rewrite the recipe lists from
    // what they had read and so drop each other's recipes: the second ends.
    std::optional<basic::FolderLock> folderLock;
    if (basic::FolderLock::Take(folder, folderLock) == basic::FolderLock::Result::HeldByAnother) {
        services.dialogs.MessageBox({"Pantrivo",
                                     "Pantrivo is already running with the same data folder.\rPlease use the "
                                     "copy that is open. This copy ends now, so that the two cannot write over "
                                     "each other's recipes.",
                                     platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
        return 0;
    }
    // A restore cut off while it replaced the data files is run to its end
    // (or back) before anything reads them, so no window sees a mix.
    backup::FinishInterruptedRestore(basic::ProgramFolder(folder));
    // Files an earlier version kept beside the program come along before the
    // start-up makes its settings files; the user learns once where they are now.
    const auto earlier = platform::TakeOverEarlierData(exe, folder);
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime(services.services(), windows, basic::ProgramFolder(folder));
    shell::Application app(runtime);
    // Each subsystem makes its windows reachable from the start window.
    recipes::RegisterRecipeFile(app);
    shopping::RegisterShoppingList(app);
    menu_planner::RegisterMenuPlanner(app);
    food_storage::RegisterFoodStorage(app);
    conversions::RegisterConversions(app);
    food_guide::RegisterFoodGuide(app);
    backup::RegisterBackup(app);
    platform::qt::ExitWhenFirstShownIfAsked(qtApp);
    app.Start();
    if (runtime.ended()) return 0;
    if (earlier) platform::TellWhereDataLives(services.services().dialogs, *earlier);
    return QApplication::exec();
}
