#pragma once
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_desktop_shell.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_display.h"
#include "platform/qt/qt_help.h"
#include "platform/qt/qt_registry.h"
#include "platform/services.h"

namespace platform::qt {

// The real desktop's services, one per role. Needs a QApplication.
struct QtServices {
    QtDialogs dialogs;
    QtClock clock;
    QtDesktopShell shell;
    QtDisplay display;
    QtHelp help;
    QtRegistry registry;

    Services services() { return {dialogs, clock, shell, display, help, registry}; }
};

}  // namespace platform::qt
