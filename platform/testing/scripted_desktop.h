#pragma once
#include <string>

#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_display.h"
#include "platform/testing/fake_printer.h"
#include "platform/testing/fake_volumes.h"
#include "platform/testing/headless_windows.h"
#include "platform/testing/memory_registry.h"
#include "platform/testing/recording_help.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_dialogs.h"
#include "platform/testing/scripted_spelling.h"

namespace platform::testing {

// A whole desktop without a screen, for tests: one small fake per role.
struct ScriptedDesktop {
    ScriptedDialogs dialogs;
    FakeClock clock;
    RecordingShell shell;
    FakeDisplay display;
    RecordingHelp help;
    MemoryRegistry registry;
    FakeSpeller speller;
    ScriptedSpellDialog spellDialog;
    HeadlessWindows windows{display};

    FakeVolumes volumes;
    FakePrinter printer;
    FakeClipboard clipboard;

    Services services() {
        return {dialogs, clock, shell, display, help, registry, speller, spellDialog, volumes, printer, clipboard};
    }
};

// Opens the menus above a menu item, as a user's mouse does, then chooses it.
void ChooseMenu(Runtime& runtime, ui::Form& form, const std::string& itemName, int index = -1);

}  // namespace platform::testing
