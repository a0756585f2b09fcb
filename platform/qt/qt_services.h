#pragma once
#include "platform/mounted_volumes.h"
#include "platform/qt/hunspell_speller.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_desktop_shell.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_display.h"
#include "platform/qt/qt_help.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_registry.h"
#include "platform/qt/spell_dialog.h"
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
    HunspellSpeller speller;
    QtSpellDialog spellDialog;

    MountedVolumes volumes;
    QtPrinter printer;
    QtClipboard clipboard;

    Services services() {
        return {dialogs, clock, shell, display, help, registry, speller, spellDialog, volumes, printer, clipboard};
    }
};

}  // namespace platform::qt
