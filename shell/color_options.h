#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/status_bar.h"
#include "shell/settings_files.h"

namespace shell {

class Application;

// A colour as a settings record keeps it: its decimal number, sign and all.
std::string ColorText(ui::OleColor color);
// The colour a record's text names (trailing blanks ignored): a whole number
// the windows take as a colour. Anything else is unusable.
std::optional<ui::OleColor> ColorFromText(std::string_view text);

// What one window's colour options work on.
struct PanelColorSet {
    settings::RecordRef record;  // where the panel colour is kept
    ui::OleColor fallback;       // for a record that names no colour
    std::string saveQuestion;    // asked on exit after a change
    // Colours the panels may not take because the text on them would vanish;
    // none for a window without the test.
    std::function<std::vector<ui::OleColor>()> conflicts;
};

// The panel colour of an activity window: applied from its record when the
// window loads, chosen by the user (the system default or a colour from the
// colour dialog), and saved only when the user says so on leaving. One
// engine for every window; each gives its own set.
class ColorOptions {
public:
    // panels: every control the panel colour recolours, the main panel first
    // (the colour dialog starts on its colour, and saving reads it).
    ColorOptions(Application& app, ui::Form& window, PanelColorSet set, std::vector<ui::Control*> panels,
                 ui::StatusBar* status);

    // The stored panel colour, or the fallback. The state below starts at 0
    // with each opening, as the engine is made with its window.
    void ApplyColors();
    // The "Panel Color" choice: Yes opens the colour dialog, No takes the
    // system default colour, Cancel changes nothing.
    void ChoosePanelColor();
    // Asks whether to keep the changed colours; Yes saves them. The answer
    // is left in MessageAnswer.
    void AskSaveColors();
    void SaveColors();

    // Set once a colour was changed in this opening of the window.
    bool ColorsChanged = false;
    // 1 after the user chose the system default colour.
    int PanelColorIsDefault = 0;
    // The window's other colour records (a grid's background and text),
    // written after the panel's when the user keeps the changes.
    std::function<void()> saveMore;

private:
    bool conflicts(ui::OleColor candidate) const;
    void applyToPanels(ui::OleColor color);
    void showStatus(const std::string& text);

    Application& app_;
    ui::Form& window_;
    PanelColorSet set_;
    std::vector<ui::Control*> panels_;
    ui::StatusBar* status_;
};

}  // namespace shell
