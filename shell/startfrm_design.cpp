// The start window's controls and menus, as designed.
#include "platform/ui/design.h"
#include "shell/maker.h"
#include "shell/startfrm.h"

namespace shell {

using namespace ui::design;

namespace {

using R = Row<Startfrm>;
using M = MenuItem<Startfrm>;

// The start window's own: its title and version stand large on the panel.
constexpr ui::OleColor TitleBlue = ui::Rgb(0, 0, 160);
const ui::Font TitleFont{"Arial", 30, true};
const ui::Font VersionFont{"Arial", 14, true};

// The panel's buttons: three columns of three, 1800 by 885 twips each.
constexpr int Column1 = 500, Column2 = 2800, Column3 = 5100;
constexpr int Row1 = 1553, Row2 = 2723, Row3 = 3878;
constexpr int ButtonWidth = 1800, ButtonHeight = 885;

R PanelButton(Startfrm::Button index, int left, int top, const char* caption) {
    return {UI_MEMBER(Startfrm, SSCommand1),
            {.index = index,
             .parent = "Panel3D7",
             .rect = {left, top, ButtonWidth, ButtonHeight},
             .caption = caption,
             .font = style::TextFont,
             .tabIndex = index + 1},
            {.click = &Startfrm::SSCommand1_Click}};
}

}  // namespace

void Startfrm::design() {
    // clang-format off
    static const R controls[] = {
        {UI_MEMBER(Startfrm, Label1), {.backColor = ui::colors::ButtonFace, .flags = Hidden}},
        // Shown once centred, at activation.
        {UI_MEMBER(Startfrm, Panel3D7), {.rect = {2300, 1540, 7400, 5160}, .flags = Hidden}},
        {UI_MEMBER(Startfrm, Image2), {.parent = "Panel3D7", .rect = {500, 240, 1050, 1050}}},
        {UI_MEMBER(Startfrm, Label3), {.parent = "Panel3D7", .rect = {1800, 200, 5100, 780},
         .caption = ProductName, .font = TitleFont, .foreColor = TitleBlue, .flags = Transparent}},
        {UI_MEMBER(Startfrm, Label2), {.parent = "Panel3D7", .rect = {1830, 960, 5000, 420},
         .caption = ProductVersion, .font = VersionFont, .foreColor = TitleBlue, .flags = Transparent}},
        PanelButton(RecipeFileButton, Column1, Row1, "&Recipe File"),
        PanelButton(FoodGuideButton, Column2, Row1, "&Food Guide"),
        PanelButton(MeasurementGuideButton, Column3, Row1, "Food &Meas. Guide"),
        PanelButton(MenuPlannerButton, Column1, Row2, "Menu &Planner"),
        PanelButton(ShoppingListButton, Column2, Row2, "&Shopping List Maker"),
        PanelButton(WebSiteButton, Column2, Row3, "&Web Site"),
        PanelButton(HelpButton, Column1, Row3, "&Help"),
        PanelButton(ExitButton, Column3, Row3, "E&xit"),
        PanelButton(EmergencyStorageButton, Column3, Row2, "&Emergency Storage"),
        {UI_MEMBER(Startfrm, Command1), {.rect = {-100, -104, 90, 90}, .tabIndex = 0}},
    };
    static const M menus[] = {
        {UI_MEMBER(Startfrm, mO), {.caption = "&Options"}, &Startfrm::mO_Click},
        {UI_MEMBER(Startfrm, mOBC), {.parent = "mO", .caption = "&Background Color"}, &Startfrm::mOBC_Click},
        {UI_MEMBER(Startfrm, mOP), {.parent = "mO", .caption = "&Program Display"}, &Startfrm::mOP_Click},
        {UI_MEMBER(Startfrm, mOPF), {.parent = "mOP", .caption = "&Full Screen Display"}, &Startfrm::mOPF_Click},
        {UI_MEMBER(Startfrm, mOPS), {.parent = "mOP", .caption = "&Smaller Screen Display"}, &Startfrm::mOPS_Click},
        MenuRow{.parent = "mO", .caption = "-"},
        {UI_MEMBER(Startfrm, mON), {.parent = "mO", .caption = "&Family Name"}, &Startfrm::mON_Click},
        MenuRow{.parent = "mO", .caption = "-"},
        {UI_MEMBER(Startfrm, mOe), {.parent = "mO", .caption = "E&xit"}, &Startfrm::mOe_Click},
        {UI_MEMBER(Startfrm, mR), {.caption = "&Recipe Files"}},
        {UI_MEMBER(Startfrm, mRF), {.parent = "mR", .caption = "&Recipe File"}, &Startfrm::mRF_Click},
        MenuRow{.parent = "mR", .caption = "-"},
        {UI_MEMBER(Startfrm, mRFG), {.parent = "mR", .caption = "&Food Guide"}, &Startfrm::mRFG_Click},
        MenuRow{.parent = "mR", .caption = "-"},
        {UI_MEMBER(Startfrm, mRC), {.parent = "mR", .caption = "Food &Measurement Guide"}, &Startfrm::mRC_Click},
        MenuRow{.parent = "mR", .caption = "-"},
        {UI_MEMBER(Startfrm, mRMenu), {.parent = "mR", .caption = "Menu &Planner"}, &Startfrm::mRMenu_Click},
        MenuRow{.parent = "mR", .caption = "-"},
        {UI_MEMBER(Startfrm, mRS), {.parent = "mR", .caption = "&Shopping List Maker"}, &Startfrm::mRS_Click},
        MenuRow{.parent = "mR", .caption = "-"},
        {UI_MEMBER(Startfrm, mREmerg), {.parent = "mR", .caption = "&Emergency Storage"}, &Startfrm::mREmerg_Click},
        {UI_MEMBER(Startfrm, mH), {.caption = "&Help"}},
        {UI_MEMBER(Startfrm, mHCont), {.parent = "mH", .caption = "&Help Contents"}, &Startfrm::mHCont_Click},
        {UI_MEMBER(Startfrm, mHI), {.parent = "mH", .caption = "&Program Overview"}, &Startfrm::mHI_Click},
        MenuRow{.parent = "mH", .caption = "-"},
        {UI_MEMBER(Startfrm, mHA), {.parent = "mH", .caption = "&About Pantrivo"}, &Startfrm::mHA_Click},
        MenuRow{.parent = "mH", .caption = "-"},
        {UI_MEMBER(Startfrm, mHWeb), {.parent = "mH", .caption = MakerWebSiteMenuCaption}, &Startfrm::mHWeb_Click},
    };
    // clang-format on
    Build(*this, *this, controls, menus);
}

}  // namespace shell
