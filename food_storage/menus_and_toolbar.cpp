// The menus and the side toolbar, which lead to the window's commands, and
// the colour options.
#include "food_storage/storage_settings.h"
#include "food_storage/storage_window.h"
#include "printing/print_font.h"
#include "shell/grid_colors.h"

namespace food_storage {

namespace {

// The side toolbar's buttons, by number.
enum SideButton {
    GridBackgroundButton = 1,
    GridTextColorButton = 2,
    PanelColorButton = 3,
    ClearButton = 4,
    CopyButton = 5,
    PrintSideButton = 6,
    HelpSideButton = 7,
    ExitSideButton = 8,
};

}  // namespace

void Form24::mO_Click() { mOPrt->setEnabled(Command1->Enabled()); }

void Form24::Toolbar2_ButtonClick(int button) {
    // While the print preview is open the side buttons only sound.
    if (preview_->isOpen()) {
        app_.display().Beep();
        return;
    }
    switch (button) {
        case GridBackgroundButton: mOGB_Click(); break;
        case GridTextColorButton: mOGF_Click(); break;
        case PanelColorButton: mOCol_Click(); break;
        case ClearButton:
            // Clearing belongs to the All view, as its menu item does.
            if (state_.allView()) mOClr_Click();
            break;
        case CopyButton: mOCopy_Click(); break;
        case PrintSideButton:
            if (Command1->Enabled()) mOPrt_Click();
            break;
        case HelpSideButton: mH_Click(); break;
        case ExitSideButton: mOex_Click(); break;
        default: break;
    }
}

// --- colours

void Form24::mOCol_Click() {
    HideDatePicker();
    colors().ChoosePanelColor();
    // The rollup and the charts keep the main panel's colour.
    Panel3D2->setBackColor(Panel3D1->BackColor());
    chart1_->setBackColor(Panel3D1->BackColor());
    chart2_->setBackColor(Panel3D1->BackColor());
}

void Form24::mOGF_Click() {
    HideDatePicker();
    const auto chosen = app_.dialogs().ChooseColor(Grid1->ForeColor());
    if (!chosen) return;
    Grid1->setForeColor(*chosen);
    Grid2->setForeColor(*chosen);
    state_.ColorsChanged = true;
    app_.state<printing::PrintFontSettings>().PrintFontColor = *chosen;
}

void Form24::mOGB_Click() {
    HideDatePicker();
    selector_->ShowOrClose();
}

void Form24::wireGridBackgroundSelector() {
    selector_ = std::make_unique<shell::GridBackgroundSelector>(
        app_, *this,
        shell::GridBackgroundSetup{.record = StorageGridBackgroundRecord,
                                   .grid = *Grid1,
                                   .mainPanel = *Panel3D1,
                                   .defaultColor = *Text3,
                                   .status = *StatusBar1,
                                   .state = state_.gridBackground,
                                   .design = {.top = 300, .firstTab = 1000},
                                   .onColorsChanged = [this] { state_.ColorsChanged = true; },
                                   .beforeShowing =
                                       [this] {
                                           if (state_.RollupShown) Command3_Click();
                                       }});
    // Kept with the panel colour, in one question: the background, then the text colour.
    colors().saveMore = [this] {
        selector_->SaveBackground();
        // A colour that cannot be kept is not worth stopping the window's close for.
        static_cast<void>(shell::settings::WriteText(app_.folder(), StorageGridTextColorRecord,
                                                     shell::ColorText(Grid1->ForeColor())));
    };
}

}  // namespace food_storage
