#pragma once
#include "backup/store/backup_user.h"

namespace shell {
class Application;
}

namespace backup {

class Backup1;

// The backup window as the user of a step: its prompts are the desktop's
// message boxes (the busy pointer off while one waits), its status line and
// progress bar show how the step goes, repainted as they change.
class WindowUser final : public BackupUser {
public:
    WindowUser(shell::Application& app, Backup1& window) : app_(app), window_(window) {}

    Answer Ask(const Prompt& prompt) override;
    void Status(std::string_view text) override;
    void Progress(long value, long maximum) override;

private:
    shell::Application& app_;
    Backup1& window_;
};

}  // namespace backup
