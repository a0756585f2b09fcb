// The start window's controls and menus, as designed.
#include "platform/ui/design.h"
#include "shell/maker.h"
#include "shell/startfrm.h"

namespace shell {

using ui::ControlKind;
using namespace ui::design;

namespace {

constexpr ui::OleColor TitleBlue = ui::Rgb(0, 0, 160);
const ui::Font TitleFont{"Arial", 30, true};
const ui::Font VersionFont{"Arial", 14, true};
const ui::Font ButtonFont{"Arial", 9, true};

// The panel's buttons: three columns of three, 1800 by 885 twips each.
constexpr int Column1 = 500, Column2 = 2800, Column3 = 5100;
constexpr int Row1 = 1553, Row2 = 2723, Row3 = 3878;
constexpr int ButtonWidth = 1800, ButtonHeight = 885;

ControlRow PanelButton(Startfrm::Button index, int left, int top, const char* caption) {
    return {.kind = ControlKind::CommandButton,
            .name = "SSCommand1",
            .index = index,
            .parent = "Panel3D7",
            .rect = {left, top, ButtonWidth, ButtonHeight},
            .caption = caption,
            .font = ButtonFont,
            .tabIndex = index + 1};
}

}  // namespace

void Startfrm::design() {
    // clang-format off
    static const ControlRow controls[] = {
        {.kind = ControlKind::Label, .name = "Label1", .backColor = ui::colors::ButtonFace, .flags = Hidden},
        // Shown once centred, at activation.
        {.kind = ControlKind::Panel, .name = "Panel3D7", .rect = {2300, 1540, 7400, 5160}, .flags = Hidden},
        {.kind = ControlKind::Image, .name = "Image2", .parent = "Panel3D7", .rect = {500, 240, 1050, 1050}},
        {.kind = ControlKind::Label, .name = "Label3", .parent = "Panel3D7", .rect = {1800, 200, 5100, 780},
         .caption = ProductName, .font = TitleFont, .foreColor = TitleBlue, .flags = Transparent},
        {.kind = ControlKind::Label, .name = "Label2", .parent = "Panel3D7", .rect = {1830, 960, 5000, 420},
         .caption = ProductVersion, .font = VersionFont, .foreColor = TitleBlue, .flags = Transparent},
        PanelButton(RecipeFileButton, Column1, Row1, "&Recipe File"),
        PanelButton(FoodGuideButton, Column2, Row1, "&Food Guide"),
        PanelButton(MeasurementGuideButton, Column3, Row1, "Food &Meas. Guide"),
        PanelButton(MenuPlannerButton, Column1, Row2, "Menu &Planner"),
        PanelButton(ShoppingListButton, Column2, Row2, "&Shopping List Maker"),
        PanelButton(WebSiteButton, Column2, Row3, "&Web Site"),
        PanelButton(HelpButton, Column1, Row3, "&Help"),
        PanelButton(ExitButton, Column3, Row3, "E&xit"),
        PanelButton(EmergencyStorageButton, Column3, Row2, "&Emergency Storage"),
        {.kind = ControlKind::CommandButton, .name = "Command1", .rect = {-100, -104, 90, 90}, .tabIndex = 0},
    };
    // clang-format on
    static const MenuRow menus[] = {
        {"mO", nullptr, "&Options"},
        {"mOBC", "mO", "&Background Color"},
        {"mOP", "mO", "&Program Display"},
        {"mOPF", "mOP", "&Full Screen Display"},
        {"mOPS", "mOP", "&Smaller Screen Display"},
        {"", "mO", "-"},
        {"mON", "mO", "&Family Name"},
        {"", "mO", "-"},
        {"mOe", "mO", "E&xit"},
        {"mR", nullptr, "&Recipe Files"},
        {"mRF", "mR", "&Recipe File"},
        {"", "mR", "-"},
        {"mRFG", "mR", "&Food Guide"},
        {"", "mR", "-"},
        {"mRC", "mR", "Food &Measurement Guide"},
        {"", "mR", "-"},
        {"mRMenu", "mR", "Menu &Planner"},
        {"", "mR", "-"},
        {"mRS", "mR", "&Shopping List Maker"},
        {"", "mR", "-"},
        {"mREmerg", "mR", "&Emergency Storage"},
        {"mH", nullptr, "&Help"},
        {"mHCont", "mH", "&Help Contents"},
        {"mHI", "mH", "&Program Overview"},
        {"", "mH", "-"},
        {"mHA", "mH", "&About Pantrivo"},
        {"", "mH", "-"},
        {"mHWeb", "mH", MakerWebSiteMenuCaption},
    };
    Build(*this, controls, menus);

    Bind(*this, Label1, "Label1");
    Bind(*this, Panel3D7, "Panel3D7");
    Bind(*this, Image2, "Image2");
    Bind(*this, Label3, "Label3");
    Bind(*this, Label2, "Label2");
    Bind(*this, SSCommand1, "SSCommand1");
    Bind(*this, Command1, "Command1");
    Bind(*this, mO, "mO");
    Bind(*this, mOBC, "mOBC");
    Bind(*this, mOP, "mOP");
    Bind(*this, mOPF, "mOPF");
    Bind(*this, mOPS, "mOPS");
    Bind(*this, mON, "mON");
    Bind(*this, mOe, "mOe");
    Bind(*this, mR, "mR");
    Bind(*this, mRF, "mRF");
    Bind(*this, mRFG, "mRFG");
    Bind(*this, mRC, "mRC");
    Bind(*this, mRMenu, "mRMenu");
    Bind(*this, mRS, "mRS");
    Bind(*this, mREmerg, "mREmerg");
    Bind(*this, mH, "mH");
    Bind(*this, mHCont, "mHCont");
    Bind(*this, mHI, "mHI");
    Bind(*this, mHA, "mHA");
    Bind(*this, mHWeb, "mHWeb");
}

}  // namespace shell
