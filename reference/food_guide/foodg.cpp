// The food guide window: its making, loading, activation, leaving and registration.
#include "reference/food_guide/foodg.h"

#include <cmath>

#include "printing/print_font.h"
#include "reference/food_guide/food_guide_help.h"
#include "reference/food_guide/food_guide_settings.h"
#include "reference/food_guide/guide_grid.h"
#include "reference/food_guide/guide_layout.h"
#include "shell/grid_colors.h"
#include "shell/settings_files.h"
#include "shell/toolbar_picture.h"

namespace food_guide {

Foodg::Foodg(shell::Application& app) : shell::ActivityWindow(app, "Foodg") {
    setCaption("Pantrivo - Food Guide");
    design();
    namespace pictures = shell::pictures;
    setUpActivity({
        .background = *Image1,
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"Panel Color", pictures::PanelColor}, {"Help", pictures::Help}, {"Exit", pictures::Exit}},
        .colors = {FoodGuidePanelColorRecord, ui::colors::ButtonFace, "Save changes made to Panel Color?", {}},
        .colorPanels = {Panel3D1},
        .options = *mO,
        .popUpControls = {Image1, Panel3D1, VSGd1, Command1, Command2, Command3, Command4, Command5, Command6},
        .help = *mH,
    });
    Toolbar2->onButtonClick = [this](int button) { Toolbar2_ButtonClick(button); };
    VSGd1->onScrollTip = [this](int row) { return VSGd1_RowCaption(row); };
}

std::string Foodg::windowCaption() const {
    const std::string own = "Pantrivo - Food Guide";
    return app_.vars.FamilyName.empty() ? own : app_.vars.FamilyName + " " + own;
}

int Foodg::helpTopic() const { return help::FoodGuide; }

// --- loading

void Foodg::Form_Load() {
    state_ = FoodgState();
    topToolbar().disable({shell::TopButton::FoodGuide});
    setCaption(windowCaption());
    // The grid looks as the colour options left the grids every window shares.
    shell::ApplyGridBackground(app_, shell::settings::SharedGridBackgroundRecord, {VSGd1});
    shell::ApplyGridTextColor(app_, shell::settings::SharedGridTextColorRecord, {VSGd1});
    BuildTable(GuideTable::FoodGuide);
    // The printouts opened after this window start without these effects.
    printing::PrintFontSettings& font = app_.state<printing::PrintFontSettings>();
    font.PrintFontUnderline = font.PrintFontStrikethru = false;
}

// --- activation

void Foodg::placeControls() {
    const PanelPlacement place{
        .startWidth = static_cast<double>(app_.vars.StartWidth),
        .startHeight = static_cast<double>(app_.vars.StartHeight),
        .panelWidth = static_cast<double>(Panel3D1->Width()),
        .panelHeight = static_cast<double>(Panel3D1->Height()),
        .topBarShown = Toolbar1->Visible(),
        .topBarTop = static_cast<double>(Toolbar1->Top()),
        .topBarHeight = static_cast<double>(Toolbar1->Height()),
        .statusHeight = static_cast<double>(StatusBar1->Height()),
    };
    Panel3D1->setTop(static_cast<int>(std::lrint(GuidePanelTop(place))));
    Panel3D1->setLeft(static_cast<int>(std::lrint(GuidePanelLeft(place))));
    VSGd1->setHeight(FractionOf(Panel3D1->Height(), GridShareOfPanel));
    sizeBackground();
}

// Each activation shows the daily food guide again, whatever was shown before.
// The panel shows first, so that the focus can go to "E&xit".
void Foodg::Form_Activate() {
    topToolbar().Restore();
    Panel3D1->setVisible(true);
    Command2_Click();
}

// --- leaving

void Foodg::Command1_Click() { mOe_Click(); }

void Foodg::mOe_Click() { ExitWindow(); }

void Foodg::Form_Unload() { state_ = FoodgState(); }

// --- registration

void RegisterFoodGuide(shell::Application& app) {
    app.claimSettingsRecords(FoodGuideSettingsRecords);
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::FoodGuide, &Foodg::mOe_Click);
}

}  // namespace food_guide
