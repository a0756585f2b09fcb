#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "shell/application.h"

namespace shell::testing {

// Stands in for the backup window: notes what each showing was handed and,
// as the real one does, sets the family and direction back to 0 as it
// closes. What `whileOpen` does happens while it is open (a restore
// rewriting the data files, say).
class FakeBackupWindow {
public:
    struct Showing {
        std::int16_t family = 0;
        std::int16_t restoreMode = 0;
        std::int32_t year = 0;
        bool operator==(const Showing&) const = default;
    };

    explicit FakeBackupWindow(Application& app) : app_(app) {
        app.registerBackupWindow([this] { show(); });
    }

    std::vector<Showing> shown;
    std::function<void()> whileOpen;

private:
    void show() {
        ModuleState& vars = app_.vars;
        shown.push_back({vars.BackupFamily, vars.RestoreMode, vars.BackupYear});
        if (whileOpen) whileOpen();
        vars.BackupFamily = vars.RestoreMode = 0;
    }

    Application& app_;
};

}  // namespace shell::testing
