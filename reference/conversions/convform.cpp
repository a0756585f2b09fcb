// The conversion window: its making, loading, activation, keys, leaving and
// registration.
#include "reference/conversions/convform.h"

#include <cmath>
#include <utility>
#include <vector>

#include "platform/ui/keys.h"
#include "printing/print_font.h"
#include "reference/conversions/conversions_help.h"
#include "shell/grid_colors.h"
#include "shell/settings_files.h"
#include "shell/toolbar_picture.h"

namespace conversions {

namespace {
int Twips(double value) { return static_cast<int>(std::lround(value)); }
// A vertical scroll bar and the grid's borders, in twips.
constexpr int GridScrollBarRoom = 330;
}  // namespace

Convform::Convform(shell::Application& app) : shell::ActivityWindow(app, "Convform") {
    setCaption("Pantrivo - Food Measurement Guide");
    design();
    namespace pictures = shell::pictures;
    std::vector<ui::Control*> popUpControls{Image1,   Panel3D3, Frame3D2, Frame3D1, Frame1, Frame3D4,
                                            Frame3D5, Label1,   Label2,   Label3,   Label4};
    for (ui::OptionButton* option : Option3D1)
        if (option) popUpControls.push_back(option);
    setUpActivity({
        .background = *Image1,
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"Single Entry", pictures::SingleEntry},
                        {"Multiple Entry", pictures::MultipleEntry},
                        {"Help", pictures::Help},
                        {"Exit", pictures::Exit}},
        // The window has no panel colour of its own: the engine gets no panels to colour.
        .colors = {shell::settings::SharedGridBackgroundRecord, ui::colors::ButtonFace, "", {}},
        .colorPanels = {},
        .options = *mO,
        .popUpControls = std::move(popUpControls),
        .help = *mH,
    });
    wireEvents();
}

Convform::~Convform() = default;

void Convform::wireEvents() {
    Toolbar2->onButtonClick = [this](int button) { Toolbar2_ButtonClick(button); };
    StatusBar1->onPanelClick = [this](int panel) {
        if (panel == 2) Toolbar1->setVisible(true);
        if (panel == 3) {
            Toolbar2->setVisible(true);
            Toolbar3->setVisible(true);
        }
        if (panel == 2 || panel == 3) StatusBar1->setPanelVisible(panel, false);
    };
    // Proportional resizing puts the controls back at their scaled design places.
    onResize = [this] {
        if (Visible()) placeControls();
    };
}

// --- loading

void Convform::Form_Load() {
    topToolbar().disable({shell::TopButton::FoodMeasurementGuide});
    Panel3D3->setBackColor(Frame1->BackColor());
    ResetConversion();
    Text1->setText("");
    Grid1->setCols(2);
    Grid1->setRows(2);
    for (int col = 0; col < 2; ++col) {
        Grid1->setColAlignment(col, ui::CellAlignment::Center);
        Grid1->setHeaderAlignment(col, ui::CellAlignment::Center);
    }
    for (ui::Control* box : std::initializer_list<ui::Control*>{Panel3D1, Text1, Text2})
        box->setBackColor(Text3->BackColor());
    // The grid looks as the shopping list's colour options left the grids every window shares.
    shell::ApplyGridBackground(app_, shell::settings::SharedGridBackgroundRecord, {Grid1});
    shell::ApplyGridTextColor(app_, shell::settings::SharedGridTextColorRecord, {Grid1});
    printing::PrintFontSettings& font = app_.state<printing::PrintFontSettings>();
    font.PrintFontUnderline = font.PrintFontStrikethru = false;
}

// --- activation

void Convform::placeMainPanel() {
    const double startHeight = app_.vars.StartHeight;
    const double startWidth = app_.vars.StartWidth;
    if (Toolbar1->Visible()) {
        const double free = (startHeight - Panel3D3->Height() - StatusBar1->Height() / 2.0) / 2;
        Panel3D3->setTop(Twips(Toolbar1->Top() + Toolbar1->Height() + (free - Toolbar1->Height()) / 2 - 30));
    } else {
        Panel3D3->setTop(Twips(startHeight / 2 - Panel3D3->Height() / 2.0 - 360));
    }
    Panel3D3->setLeft(Twips(startWidth / 2 - Panel3D3->Width() / 2.0 - 30));
}

void Convform::placeControls() {
    placeMainPanel();
    sizeBackground();
    // The columns share the room a vertical scroll bar leaves, so a long table never scrolls sideways.
    const double room = Grid1->Width() - GridScrollBarRoom;
    Grid1->setColWidth(0, Twips(room * 0.492));
    Grid1->setColWidth(1, Twips(room * 0.508));
}

void Convform::Form_Activate() {
    topToolbar().Restore();
    Panel3D3->setVisible(true);
    // A conversion chosen before the reset no longer shows as chosen.
    if (ui::OptionButton* chosen = state_.SelectedConversion == NoConversion
                                       ? nullptr
                                       : Option3D1[static_cast<std::size_t>(state_.SelectedConversion)])
        chosen->setValue(false);
    ResetConversion();
    // Hundredths, and the menu's check mark with it.
    state_.RoundingMode = static_cast<int>(RoundingMode::Hundredths);
    UncheckRoundingMenus();
    mORHun->setChecked(true);
    Text1->setText("");
    if (Command2->Visible()) Command2->SetFocus();
}

// --- keys and leaving

int Convform::helpTopic() const { return help::MeasurementGuide; }

void Convform::Form_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Escape) return;
    keyCode = 0;
    if (resultsShown()) Panel3D2->setVisible(false);
    else ExitWindow();
}

void Convform::Form_Unload() { ResetConversion(); }

void Convform::Command2_Click() { ExitWindow(); }
void Convform::mOex_Click() { ExitWindow(); }
void Convform::Command2_GotFocus() { state_.ExitButtonLeft = false; }
void Convform::Command2_LostFocus() { state_.ExitButtonLeft = true; }
void Convform::Command1_Click() { Panel3D2->setVisible(false); }

void Convform::Toolbar2_ButtonClick(int button) {
    switch (button) {
        case SingleEntryButton: mOS_Click(); break;
        case MultipleEntryButton: mODo_Click(); break;
        case HelpButton: ShowHelp(); break;
        case ExitButton: ExitWindow(); break;
        default: break;
    }
}

void RegisterConversions(shell::Application& app) {
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::MeasurementGuide, &Convform::mOex_Click);
}

}  // namespace conversions
