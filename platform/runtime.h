#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/basic/program_folder.h"
#include "platform/services.h"
#include "platform/ui/form_host.h"
#include "platform/window_system.h"

namespace platform {

// The running program's side of the desktop: which forms are loaded, which
// one is active, where the focus is, and how user input becomes events.
// Every event handler runs through raise(), which contains its failures.
// Front ends and test drivers report input that any control takes through
// the user* functions here; what only one kind takes (a list's choice, a
// grid's cell) goes to the control itself (ui::ListBox::userChose).
class Runtime final : public ui::FormHost {
public:
    Runtime(Services services, WindowSystem& windows, basic::ProgramFolder folder);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    const Services& services() const { return services_; }
    WindowSystem& windows() { return windows_; }
    const basic::ProgramFolder& folder() const { return folder_; }

    // --- ui::FormHost: what a window's code asks
    ui::TextExtent measureText(const ui::Font& font, std::string_view text) override;
    ui::FrameMetrics frameMetrics() const override;
    ui::TextExtent maximizedSize(const ui::Form& form) override;
    ui::Control* focusedControl() const override { return focus_; }
    void setFocus(ui::Control& control) override;
    void setFocus(ui::Form& form) override;
    void show(ui::Form& form) override;
    void showModal(ui::Form& form) override;
    void hide(ui::Form& form) override;
    bool unload(ui::Form& form, ui::UnloadMode mode = ui::UnloadMode::Code) override;
    void popupMenu(ui::Form& form, ui::Menu& menu) override;
    void forget(ui::Form& form) override;
    bool raise(const ui::EventSource& source, const std::function<void()>& handler) override;
    std::vector<ui::Volume> volumes() override;
    void setCurrentFolder(const std::filesystem::path& root, const std::filesystem::path& folder) override;
    const ui::PrintMetrics& printMetrics() override { return services_.printer; }
    basic::CalendarDate today() override;

    void load(ui::Form& form);
    void doEvents();
    // Ends the program at once: every form goes without its unload questions.
    void end();
    bool ended() const { return ended_; }

    // The program's help file, which F1 opens at the window's help context.
    void setHelpFile(std::filesystem::path file) { helpFile_ = std::move(file); }
    const std::filesystem::path& helpFile() const { return helpFile_; }

    ui::Form* activeForm() const { return active_; }
    const std::vector<ui::Form*>& loadedForms() const { return loaded_; }

    // --- what the user does (front end or test driver)
    // A window of the program became the active one.
    void userActivated(ui::Form& form);
    // The focus moved to a control by the user's hand.
    void userFocused(ui::Control& control) override;
    // A mouse click: focus first (a focus handler may disable the control
    // and so cancel the click), then the click.
    void userClick(ui::Control& control);
    void userDoubleClick(ui::Control& control);
    // Opens a menu or chooses an item (disabled ones do nothing).
    void userMenu(ui::Menu& menu);
    // A key went down; returns true when a handler swallowed it, it pressed
    // the default or cancel button, or Enter opened a folder list's marked folder.
    bool userKeyDown(ui::Form& form, int keyCode, int shift);
    // A character typed; returns the character to use, 0 when swallowed.
    int userKeyPress(ui::Form& form, int keyAscii);
    void userKeyUp(ui::Form& form, int keyCode, int shift);
    void userMouseUp(ui::Form& form, ui::Control* control, int button, int shift, double x, double y);
    // The close box: returns false when the window refused to close.
    bool userClose(ui::Form& form);
    // The user resized, moved, maximised, minimised or restored a window
    // (outer size and position in twips).
    void userResized(ui::Form& form, int width, int height);
    void userMoved(ui::Form& form, int left, int top);
    void userChangedState(ui::Form& form, ui::WindowState state);
    // The desktop's frame around windows turned out other than assumed: the
    // inside of every window changed.
    void frameChanged();

private:
    void activate(ui::Form& form);
    ui::Control* focusIn(ui::Form& form) const;
    void reportFailure(const ui::EventSource& source, const std::string& reason);

    Services services_;
    WindowSystem& windows_;
    basic::ProgramFolder folder_;
    std::vector<ui::Form*> loaded_;
    ui::Form* active_ = nullptr;
    ui::Control* focus_ = nullptr;
    bool ended_ = false;
    // Each volume's current folder by its root, kept while the program runs.
    std::map<std::filesystem::path, std::filesystem::path> currentFolders_;
    std::filesystem::path helpFile_;
};

}  // namespace platform
