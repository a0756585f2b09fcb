#pragma once
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <typeindex>
#include <unordered_map>

#include "platform/runtime.h"
#include "shell/activity.h"
#include "shell/claims.h"
#include "shell/help_menu.h"
#include "shell/module_state.h"
#include "shell/settings_files.h"

namespace shell {

// One running program: the desktop it runs on, the shared variables, its
// windows and the activities the subsystems registered. Every test makes its
// own on its own folder.
class Application {
public:
    explicit Application(platform::Runtime& runtime);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    platform::Runtime& runtime() { return runtime_; }
    const basic::ProgramFolder& folder() const { return runtime_.folder(); }
    platform::Dialogs& dialogs() { return runtime_.services().dialogs; }
    platform::Clock& clock() { return runtime_.services().clock; }
    platform::DesktopShell& desktopShell() { return runtime_.services().shell; }
    platform::Display& display() { return runtime_.services().display; }
    platform::Help& help() { return runtime_.services().help; }
    platform::Registry& registry() { return runtime_.services().registry; }

    // The variables the windows of several subsystems share.
    ModuleState vars;

    // The one window of its class, made on first use with this application;
    // a window that was unloaded is made afresh the next time.
    template <class Window>
    Window& window() {
        auto& slot = windows_[typeid(Window)];
        if (!slot || slot->wasUnloaded()) slot = std::make_unique<Window>(*this);
        return static_cast<Window&>(*slot);
    }
    // The window of its class when it is loaded, else nullptr.
    template <class Window>
    Window* loadedWindow() const {
        const auto found = windows_.find(typeid(Window));
        if (found == windows_.end() || !found->second->isLoaded()) return nullptr;
        return static_cast<Window*>(found->second.get());
    }

    // A subsystem's own variables, one object of each type per program,
    // made (value-initialised) on first use.
    template <class State>
    State& state() {
        auto& slot = states_[typeid(State)];
        if (!slot) slot = std::make_shared<State>();
        return *static_cast<State*>(slot.get());
    }

    // The settings records and help topics the subsystems claimed: the
    // shell's own from the start, each subsystem's when it registers.
    Claims<settings::RecordKey> settingsRecords;
    Claims<int> helpTopics;
    void claimSettingsRecords(std::span<const settings::RecordMapEntry> records);
    void claimHelpTopics(std::span<const HelpTopicEntry> topics);

    // A subsystem makes its activity reachable from the start window.
    void registerActivity(Activity activity, ActivityRegistration registration);
    // The usual registration: the activity is the one window of its class,
    // which leaves through its exit command `exit`, questions and all.
    template <class Window>
    void registerActivityWindow(Activity activity, void (Window::*exit)()) {
        registerActivity(activity, {[this] { window<Window>().Show(); },
                                    [this] { return loadedWindow<Window>() != nullptr; },
                                    [this, exit] {
                                        Window& open = window<Window>();
                                        (open.*exit)();
                                        return !open.isLoaded();
                                    }});
    }
    // Shows an activity's window; false when no subsystem registered it.
    bool showActivity(Activity activity);
    bool isActivityOpen(Activity activity) const;
    // Runs the exit path of every open activity window, in turn; false as
    // soon as one of them stays open.
    bool closeActivities();

    // The backup subsystem hands over how its window is shown modally; the
    // windows that back up their files set vars.BackupFamily, RestoreMode and
    // BackupYear first. False when no backup window was registered.
    void registerBackupWindow(std::function<void()> showModal);
    bool showBackupWindow();

    // Creates and shows the start window.
    void Start();

private:
    platform::Runtime& runtime_;
    std::map<Activity, ActivityRegistration> activities_;
    std::function<void()> showBackupWindow_;
    std::unordered_map<std::type_index, std::shared_ptr<void>> states_;
    // Declared last: windows go first, while everything they use is still there.
    std::unordered_map<std::type_index, std::unique_ptr<ui::Form>> windows_;
};

}  // namespace shell
