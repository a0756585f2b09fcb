#pragma once
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/design.h"
#include "platform/ui/form.h"
#include "shell/settings_files.h"

namespace shell {

class Application;

// What the user chose for a grid's background since the window opened; it
// decides what is saved.
enum class GridBackgroundChoice { Unchanged = 0, Color = 1, Default = 2, Picture = 3 };

// A window's grid background, kept in the window's state: both start afresh
// with each opening of the window.
struct GridBackgroundState {
    // As it will be saved: "WP" and a picture number, "Default", or a colour's number.
    std::string GridBackgroundValue;
    GridBackgroundChoice GridBackgroundKind = GridBackgroundChoice::Unchanged;
};

// Where the selector's panel lies in the window and what it says.
struct GridBackgroundSelectorDesign {
    int top = 0;                 // from the top of the window's main panel
    int thumbnailHeight = 1346;  // the sixteen pictures are 1200 twips wide
    const char* note = nullptr;  // under the buttons; none when null
    int firstTab = 0;            // the panel's tab stops go on from here
};

// What a window hands the selector: the grid, the record its choice is kept
// in, the controls the panel works with, and the window's own steps.
struct GridBackgroundSetup {
    settings::RecordRef record;
    ui::Grid& grid;
    ui::Control& mainPanel;           // holds the panel, which is centred on it
    const ui::Control& defaultColor;  // its back colour is the default background
    ui::StatusBar& status;            // the first panel says what is being chosen
    GridBackgroundState& state;       // the window's
    GridBackgroundSelectorDesign design;
    // Every choice the selector makes; the window asks about its colours on leaving.
    std::function<void()> onColorsChanged;
    // Before the panel shows: the window hides what would lie over it.
    std::function<void()> beforeShowing;
};

// The panel "Grid Background Selector": sixteen thumbnails of the pictures
// "WP1.jpg" to "WP16.jpg" of the program folder, a colour, or the default
// colour behind a window's grid. A thumbnail shows behind the grid at once,
// as a preview; "Use Above Background" takes it. Every choice goes into the
// window's grid background value, which is written only when the window's
// colours are saved. The window builds its own design, then makes one of
// these, which adds the panel's rows to the window and binds them.
class GridBackgroundSelector {
public:
    static constexpr int PictureCount = 16;
    enum Button { SelectColor = 0, UseDefault = 1, UseAbove = 2, CancelChoice = 3 };

    GridBackgroundSelector(Application& app, ui::Form& window, GridBackgroundSetup setup);

    // The window's loading: the grid takes the stored background, and the
    // value takes what was stored (an unusable record and "Default" as the
    // number of the system window colour).
    void ApplyBackground();
    // The window's colours are kept: the record takes the choice made since
    // the window opened; nothing when none was made.
    void SaveBackground();

    // The window's menu item "Grid &Background Selector": shows the panel,
    // or closes it when it is shown.
    void ShowOrClose();
    // Hides the panel and lets go of the thumbnails' pictures.
    void CloseBackgroundSelector();

    // --- the panel's events
    void Image3_Click(int index);
    void Command16_Click(int index);

    // Shown over the window, from ShowOrClose to the next close.
    bool isOpen() const { return open_; }
    // "WP" and the number of the thumbnail clicked last; empty before the first.
    const std::string& PickedPicture() const { return pickedPicture_; }

    ui::Panel* SSPanel6 = nullptr;
    std::array<ui::Image*, PictureCount> Image3{};  // the pictures, four rows of four
    ui::Image* Shape2 = nullptr;                    // the frame around the chosen picture
    ui::Label* Label20 = nullptr;                   // the note under the buttons, where there is one
    std::array<ui::CommandButton*, 4> Command16{};  // by Button

private:
    // The picture behind the grid, or none when it cannot be shown.
    void showOnGrid(const std::string& value);
    void frame(int index);
    void showCaption();

    Application& app_;
    ui::Form& window_;
    GridBackgroundSetup setup_;
    std::string pickedPicture_;
    bool open_ = false;
};

using GridBackgroundSelectorRow = ui::design::Row<GridBackgroundSelector>;
// The panel's rows, hidden, in the window's main panel.
std::vector<GridBackgroundSelectorRow> GridBackgroundSelectorRows(const ui::Control& mainPanel,
                                                                  const GridBackgroundSelectorDesign& design);

// The grid made again under a picture, so that no cell's own colour hides
// it: every row keeps its texts and data, the cells lose their own colours.
// A picture that cannot be shown leaves the grid without one.
void RedrawUnderPicture(ui::Grid& grid, const std::filesystem::path& picture);

}  // namespace shell
