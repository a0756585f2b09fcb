#include "recipes/recipe_help.h"
#include "recipes/recipe_settings.h"
#include "recipes/recipe_window.h"

#include "platform/basic/text.h"
#include "shell/settings_files.h"
#include "shell/toolbar_picture.h"

namespace recipes {

namespace {

constexpr ui::OleColor LightGrey = ui::Rgb(192, 192, 192);
// Panel colours the window's dark blue and red texts would vanish on.
constexpr ui::OleColor Navy = ui::Rgb(0, 0, 128);
constexpr ui::OleColor Maroon = ui::Rgb(128, 0, 0);

}  // namespace

Form5::Form5(shell::Application& app) : shell::ActivityWindow(app, "Form5") {
    design();
    namespace pictures = shell::pictures;
    std::vector<ui::Control*> popUpControls{
        Image1,   Grid1,    Grid2,    Label20,  Label21,   Label24,   Label25,   Label32,   Panel3D1,  SSPanel1,
        SSPanel2, SSPanel3, SSPanel4, SSPanel5, SSPanel7,  Command1,  Command2,  Command3,  Command4,  Command5,
        Command6, Command7, Command8, Command9, Command10, Command13, Command14, Command15, Command16, Command17};
    popUpControls.insert(popUpControls.end(), Label1.begin(), Label1.end());
    setUpActivity({
        .background = *Image1,
        // The background picture takes the start window's size when loading and at each activation.
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"Panel Color", pictures::PanelColor},
                        {"Search", pictures::Search},
                        {"Delete File", pictures::Delete},
                        {"Copy", pictures::Copy},
                        {"Print", pictures::Print},
                        {"Print Worksheet", pictures::Worksheet},
                        {"Help", pictures::Help},
                        {"Exit", pictures::Exit}},
        .colors = {RecipePanelColorRecord, LightGrey, "Save changes made to Panel Color?",
                   [this] {
                       return std::vector<ui::OleColor>{Label25->ForeColor(), Navy, ui::colors::PureBlue, Maroon,
                                                        ui::colors::PureRed};
                   }},
        .colorPanels = {Panel3D1, SSPanel1, SSPanel2, SSPanel3, SSPanel4, SSPanel5, SSPanel6, SSPanel8, SSPanel10,
                        SSPanel11, SSPanel12, SSPanel13, Frame1},
        .options = *mO,
        .popUpControls = std::move(popUpControls),
        .help = *mH,
    });
    wireEvents();
    preview_.wire();
}

void Form5::design() {
    BuildForm5(*this);
    BindForm5(*this, *this);
}

void Form5::wireEvents() {
    onResize = [this] { Form_Resize(); };
    onKeyPress = [this](int& key) { Form_KeyPress(key); };

    mO->onClick = [this] { mO_Click(); };
    mOC->onClick = [this] { mOC_Click(); };
    for (int n = 1; n <= CookbookCount; ++n)
        mOCB1[static_cast<std::size_t>(n - 1)]->onClick = [this, n] { mOCB1_Click(n); };
    mOCr->onClick = [this] { mOCr_Click(); };
    mOV->onClick = [this] { mOV_Click(); };
    mOSa->onClick = [this] { mOSa_Click(); };
    mOex->onClick = [this] { mOex_Click(); };
    mOIm->onClick = [this] { mOIm_Click(); };
    mOe->onClick = [this] { mOe_Click(); };
    mU->onClick = [this] { mU_Click(); };
    mUB->onClick = [this] { mUB_Click(); };
    mUR->onClick = [this] { mUR_Click(); };

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
    Command6->onClick = [this] { Command6_Click(); };
    Command4->onClick = [this] { Command4_Click(); };
    Command5->onClick = [this] { Command5_Click(); };
    mOMo->onClick = [this] { mOMo_Click(); };
    mODel->onClick = [this] { mODel_Click(); };
    wireEditor();
    search_.wire();

    Combo1->onClick = [this] {
        if (!state_.showingType) Combo1_Click();
    };
    Combo1->onGotFocus = [this] { Combo1_GotFocus(); };
    Combo1->onKeyDown = [this](int& key, int shift) { Combo1_KeyDown(key, shift); };
    Combo1->onKeyPress = [this](int& key) { Combo1_KeyPress(key); };
    Combo1->onKeyUp = [this](int& key, int shift) { Combo1_KeyUp(key, shift); };
    Combo2->onClick = [this] { Combo2_Click(); };
    Combo2->onGotFocus = [this] { Combo2_GotFocus(); };
    Combo2->onKeyUp = [this](int& key, int shift) { Combo2_KeyUp(key, shift); };
    Combo2->onLostFocus = [this] { Combo2_LostFocus(); };

    Toolbar2->onButtonClick = [this](int button) { Toolbar2_ButtonClick(button); };
    rename_.wire();
    calculator_.wire();
    titles_.wire();
    wireSpelling();
    wireCopy();
}

std::optional<int> Form5::typeNumber() const { return RecipeTypeNumber(Combo1->Text()); }

RecipeStore Form5::store() { return RecipeStore(app_.folder(), file().CookbookNumber); }

void RegisterRecipeFile(shell::Application& app) {
    app.claimSettingsRecords(RecipeSettingsRecords);
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::RecipeFile, &Form5::mOe_Click);
}

}  // namespace recipes
