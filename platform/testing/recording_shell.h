#pragma once
#include <vector>

#include "platform/services/desktop_shell.h"

namespace platform::testing {

// Writes down what the program asked the desktop to open; every request succeeds.
class RecordingShell : public DesktopShell {
public:
    const std::vector<ShellOpenRequest>& calls() const { return calls_; }

    int ShellOpen(const ShellOpenRequest& request) override {
        calls_.push_back(request);
        return 42;
    }

private:
    std::vector<ShellOpenRequest> calls_;
};

}  // namespace platform::testing
