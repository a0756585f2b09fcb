#pragma once
#include <cstdint>
#include <string>

#include "platform/basic/variant.h"

namespace shell {

// The variables the windows of several subsystems share: the start window's
// and the hand-over values between windows. They start empty or zero with
// each program. A subsystem keeps variables of its own in its own state
// (Application::state).
// The display modes as DisplayMode holds them (and the settings file's record
// records them): the full screen, or a smaller window of 12000 by 9000 twips.
inline constexpr std::int16_t FullScreenDisplay = 0;
inline constexpr std::int16_t SmallerScreenDisplay = 9;

struct ModuleState {
    std::int16_t DisplayMode = FullScreenDisplay;
    bool smallerScreen() const { return DisplayMode == SmallerScreenDisplay; }
    // At most 15 characters as the program writes it.
    std::string FamilyName;
    // The start window's size in twips. 32 bits: a maximised window on a
    // large screen is wider than a 16-bit value holds.
    std::int32_t StartWidth = 0;
    std::int32_t StartHeight = 0;
    // A colour value, or a text naming a picture ("WP" and a number).
    basic::Variant MainBackground;
    // The answer a prompting procedure leaves its caller: 6 Yes, 7 No,
    // 2 Cancel, 4 Retry, 0 none pending.
    int MessageAnswer = 0;
    // Shared switch of the list file dialog and the print options.
    std::int16_t OptionSwitch = 0;
    // Storage table of the food storage window: 0 basic, 1 emergency, 2 additional.
    std::int16_t StorageKind = 0;
    // Set by the window that opens the backup window: which family of files
    // and which direction (even codes back up, odd codes restore), whether it
    // opens for restoring (99) and, from the menu planner, the year. The
    // backup window sets the first two back to 0 when it closes.
    std::int16_t BackupFamily = 0;
    std::int16_t RestoreMode = 0;
    std::int32_t BackupYear = 0;
};

}  // namespace shell
