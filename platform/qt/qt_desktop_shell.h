#pragma once
#include "platform/services/desktop_shell.h"

namespace platform::qt {

// Opens web addresses and files with the desktop's default programs.
class QtDesktopShell : public DesktopShell {
public:
    int ShellOpen(const ShellOpenRequest& request) override;
};

}  // namespace platform::qt
