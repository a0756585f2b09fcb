#pragma once
#include <array>
#include <string>

#include "backup/store/backup_family.h"
#include "backup/store/outcome.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace shell {
class Application;
}

namespace backup {

// What the backup window holds while it is open: the family and direction
// its opener handed over (fixed until it closes), the folder chosen, and
// whether the action is offered.
struct Backup1State {
    Family family;
    bool restoreMode = false;
    int cookbook = 1;
    int year = 0;
    // The chosen folder with a trailing "/", taken when the action starts.
    std::string BackupPath;
    // The action button and the mode's menu item: only a folder other than
    // the program folder offers it.
    bool actionAvailable = false;
    // A step is running: the window does not close under it.
    bool running = false;
};

// The backup window: the user picks a drive and folder, and the window
// backs up or restores the family of files its opener named, reporting in a
// status line and a progress bar. Modal; made afresh at every opening.
class Backup1 : public ui::Form {
public:
    explicit Backup1(shell::Application& app);

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Drive1_Change();
    void Dir1_Change();
    void SSCommand2_Click();
    void SSCommand1_Click();
    void mOM_Click();
    void mOR_Click();
    void mOE_Click();

    const Backup1State& state() const { return state_; }

    ui::Image* Image1 = nullptr;              // the background picture behind the panel
    ui::Panel* SSPanel1 = nullptr;            // holds every control below but Label6
    ui::Label* Label3 = nullptr;              // a strip across the top of the panel
    ui::Label* Label1 = nullptr;              // the instruction text
    ui::Label* Label4 = nullptr;              // "Path:"
    ui::Label* Label5 = nullptr;              // the chosen drive or folder, as wide as its text
    std::array<ui::Label*, 2> Label2{};       // "Drives:", "Folders:"
    ui::DriveListBox* Drive1 = nullptr;       // the volumes
    ui::DirListBox* Dir1 = nullptr;           // the folders of the chosen volume
    ui::Panel* SSPanel2 = nullptr;            // the status line, hidden until a step reports
    ui::ProgressBar* ProgressBar1 = nullptr;  // a step's progress, hidden until a step shows it
    ui::CommandButton* SSCommand2 = nullptr;  // "&Make Backup" or "&Restore " + the family title
    ui::CommandButton* SSCommand1 = nullptr;  // "E&xit", also Esc
    ui::Label* Label6 = nullptr;              // never shown: holds the window's default colour
    ui::Menu* mO = nullptr;                   // "&Options", also the right-click popup
    ui::Menu* mOM = nullptr;                  // Options > "&Make Backup Disk" (backup only)
    ui::Menu* mOR = nullptr;                  // Options > "&Restore Files from Disk" (restore only)
    ui::Menu* mOE = nullptr;                  // Options > "E&xit"

private:
    friend class WindowUser;
    void design();
    void applyBackground();
    void showPath(const std::string& text);
    // The action is offered for any folder but the program folder.
    void offerActionForFolder();
    void setActionAvailable(bool available);
    void backToProgramDrive();
    void runBackup();
    void runRestore();
    // The family's step, run with the window as its user.
    Outcome backupStep();
    Outcome restoreStep();

    shell::Application& app_;
    Backup1State state_;
};

// Makes the backup window the one the activity windows show modally.
void RegisterBackup(shell::Application& app);

}  // namespace backup
