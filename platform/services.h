#pragma once

#include "platform/services/clipboard.h"
#include "platform/services/clock.h"
#include "platform/services/desktop_shell.h"
#include "platform/services/dialogs.h"
#include "platform/services/display.h"
#include "platform/services/help.h"
#include "platform/services/printer.h"
#include "platform/services/registry.h"
#include "platform/services/spelling.h"
#include "platform/services/volumes.h"

namespace platform {

// Everything the program asks of the desktop beyond its own windows, one
// small role each. The real desktop and the tests' scripted one fill it.
struct Services {
    Dialogs& dialogs;
    Clock& clock;
    DesktopShell& shell;
    Display& display;
    Help& help;
    Registry& registry;
    Speller& speller;
    SpellDialog& spellDialog;
    Volumes& volumes;
    Printer& printer;
    Clipboard& clipboard;
};

}  // namespace platform
