// The menus and the side toolbar, which lead to the day's commands, the
// panels and the colours.
#include "menu_planner/menu_planner_settings.h"
#include "menu_planner/menu_planner_window.h"
#include "printing/print_font.h"

namespace menu_planner {

namespace {

// The side toolbar's buttons, by number.
enum SideButton {
    PanelColorButton = 1,
    TextColorButton = 2,
    EditListsButton = 3,
    ClearEntriesButton = 4,
    CopyButton = 5,
    PrintButton = 6,
    CalendarOptionsButton = 7,
    HelpButton = 8,
    ExitButton = 9,
};

}  // namespace

void Zcalandar::Toolbar2_ButtonClick(int button) {
    // While the print preview is open the side buttons only sound.
    if (preview_->isOpen()) {
        app_.display().Beep();
        return;
    }
    switch (button) {
        case PanelColorButton: mOC_Click(); break;
        case TextColorButton: mOTC_Click(); break;
        case EditListsButton: mOV_Click(); break;
        case ClearEntriesButton: mOClr_Click(); break;
        case CopyButton: mECopy_Click(); break;
        case PrintButton: mOP_Click(); break;
        case CalendarOptionsButton:
            if (state_.OptionsOpen) Command14_Click();
            else mOCal_Click();
            break;
        case HelpButton: mH_Click(); break;
        case ExitButton: mOe_Click(); break;
        default: break;
    }
}

void Zcalandar::mOC_Click() { colors().ChoosePanelColor(); }

void Zcalandar::mOTC_Click() {
    const auto chosen = app_.dialogs().ChooseColor(Text1[0]->ForeColor());
    if (!chosen) return;
    for (ui::TextBox* box : Text1) box->setForeColor(*chosen);
    app_.state<printing::PrintFontSettings>().PrintFontColor = *chosen;
    state_.ColorsChanged = true;
    // Asked about with the panel colour on leaving, and kept with it.
    colors().ColorsChanged = true;
    colors().saveMore = [this] {
        // A colour that cannot be kept is not worth stopping the window's close for.
        static_cast<void>(
            shell::settings::WriteText(app_.folder(), TextColorRecord, shell::ColorText(Text1[0]->ForeColor())));
    };
}

void Zcalandar::mOV_Click() {
    if (Command4->Enabled()) Command4_Click();
}

void Zcalandar::mOClr_Click() { Command3_Click(); }

void Zcalandar::mOS_Click() { Command1_Click(); }

}  // namespace menu_planner
