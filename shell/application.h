#pragma once
#include "platform/runtime.h"
#include "shell/module_state.h"
#include "shell/window_slot.h"

namespace shell {

class Startfrm;
class About1;

// The activities the start window opens, each in a window of its own.
enum class Activity { RecipeFile, FoodGuide, MeasurementGuide, MenuPlanner, ShoppingList, FoodStorage };

// One running program: the desktop it runs on, the shared variables and its
// windows. Every test makes its own on its own folder.
class Application {
public:
    explicit Application(platform::Runtime& runtime);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    platform::Runtime& runtime() { return runtime_; }
    platform::Dialogs& dialogs() { return runtime_.services().dialogs; }
    platform::Clock& clock() { return runtime_.services().clock; }
    platform::DesktopShell& desktopShell() { return runtime_.services().shell; }
    platform::Display& display() { return runtime_.services().display; }
    const basic::ProgramFolder& folder() const { return runtime_.folder(); }
    ModuleState vars;

    Startfrm& startfrm();
    About1& about1();

    // Creates and shows the start window.
    void Start();
    // Shows an activity window (without blocking); false when this build
    // has no such window yet.
    bool ShowActivity(Activity activity);
    bool isFoodStorageOpen() const;

private:
    platform::Runtime& runtime_;
    WindowSlot<Startfrm> startfrm_;
    WindowSlot<About1> about1_;
};

}  // namespace shell
