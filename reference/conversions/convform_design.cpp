// The conversion window's controls and menus, as designed for the smaller
// screen display; in full screen display the window scales them.
#include "platform/ui/design.h"
#include "reference/conversions/convform.h"
#include "shell/activity_window_design.h"

namespace conversions {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;

namespace {

using R = Row<Convform>;
using M = MenuItem<Convform>;
using S = Convform;

// The main panel, which the window's activation centres between the bars.
constexpr Rect MainPanel{960, 918, 9825, 7300};
constexpr int OptionHeight = 322;
constexpr int OptionTop = 240;  // the first row of options below a frame's caption

using Rows = shell::activity_design::Rows<S>;

void AddBars(Rows& d) {
    shell::activity_design::AddFrame(d);
    d.add(
        {UI_MEMBER(S, Text3), {.rect = {0, 0, 600, 338}, .backColor = ui::colors::WindowBackground, .flags = Hidden}});
    // Shown at the window's activation, once it is placed.
    d.add({UI_MEMBER(S, Panel3D3), {.rect = MainPanel, .flags = Hidden}});
}

// The amount line: amount, unit, result and its unit; the ending amount in
// multiple entry; the Exit button first in the tab order.
void AddAmountLine(Rows& d) {
    d.add({UI_MEMBER(S, Command2),
           {.parent = "Panel3D3",
            .rect = {8530, 300, 930, 402},
            .caption = "E&xit",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::Command2_Click, .gotFocus = &S::Command2_GotFocus, .lostFocus = &S::Command2_LostFocus}});
    d.add({UI_MEMBER(S, Label1),
           {.parent = "Panel3D3",
            .rect = {225, 300, 1080, 434},
            .caption = "Conversion Amount:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | WordWrap}});
    d.add({UI_MEMBER(S, Text1),
           {.parent = "Panel3D3",
            .rect = {1350, 360, 1400, 338},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 10,
            .accessibleName = "Conversion amount"},
           {.gotFocus = &S::Text1_GotFocus, .keyDown = &S::Text1_KeyDown}});
    d.add({UI_MEMBER(S, Label2),
           {.parent = "Panel3D3",
            .rect = {2805, 430, 0, 240},
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | AutoSize}});
    d.add({UI_MEMBER(S, Label4),
           {.parent = "Panel3D3",
            .rect = {3590, 300, 720, 434},
            .caption = "Ending Amount:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | WordWrap | Hidden}});
    d.add({UI_MEMBER(S, Text2),
           {.parent = "Panel3D3",
            .rect = {4320, 360, 1400, 338},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .flags = Hidden,
            .maxLength = 10,
            .accessibleName = "Ending amount"},
           {.gotFocus = &S::Text2_GotFocus}});
    d.add({UI_MEMBER(S, Panel3D1),
           {.parent = "Panel3D3", .rect = {4815, 360, 1400, 338}, .font = BoxFont, .flags = Hidden}});
    d.add({UI_MEMBER(S, Label3),
           {.parent = "Panel3D3",
            .rect = {6285, 451, 0, 240},
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | AutoSize}});
}

// One group of conversions: its frame, and its option buttons column by column.
struct Group {
    Member<S, ui::Frame*> frame;
    const char* name;
    ConversionGroup group;
    Rect rect;
    int columnWidth;
};

// clang-format off
const Group Groups[] = {
    {UI_MEMBER(S, Frame3D2), "Frame3D2", ConversionGroup::WeightsAndMeasures, {225, 720, 9390, 1605}, 2300},
    {UI_MEMBER(S, Frame3D1), "Frame3D1", ConversionGroup::CanSizes, {230, 2330, 2315, 1915}, 2150},
    {UI_MEMBER(S, Frame1), "Frame1", ConversionGroup::Temperature, {2575, 2330, 7035, 633}, 3450},
    {UI_MEMBER(S, Frame3D4), "Frame3D4", ConversionGroup::EasyEquivalents, {2575, 2930, 7035, 1315}, 3450},
    {UI_MEMBER(S, Frame3D5), "Frame3D5", ConversionGroup::HowMuchHowMany, {225, 4260, 9390, 2830}, 4600},
};
// clang-format on

void AddGroups(Rows& d) {
    for (const Group& g : Groups) {
        d.add({g.frame,
               {.parent = "Panel3D3",
                .rect = g.rect,
                .caption = GroupCaption(g.group),
                .font = LabelFont,
                .foreColor = Navy}});
        int column = -1;
        int row = 0;
        for (const ConversionEntry& e : Conversions()) {
            if (e.group != g.group) continue;
            if (e.column != column) {
                column = e.column;
                row = 0;
            }
            d.add({UI_MEMBER(S, Option3D1),
                   {.index = e.index,
                    .parent = g.name,
                    .rect = {120 + column * g.columnWidth, OptionTop + row * OptionHeight, g.columnWidth - 60,
                             OptionHeight},
                    .caption = e.caption,
                    .font = OptionFont,
                    .tabIndex = d.nextTab()},
                   {.click = &S::Option3D1_Click}});
            ++row;
        }
    }
}

void AddResultsPanel(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D2),
           {.parent = "Panel3D3",
            .rect = {(MainPanel.width - 6255) / 2, 1200, 6255, 4860},
            .caption = "   Amount Converted                 =                Converted Amount     ",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Hidden}});
    d.add({UI_MEMBER(S, Grid1),
           {.parent = "Panel3D2",
            .rect = {210, 386, 5850, 3894},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .accessibleName = "Amounts and their converted amounts"}});
    d.add({UI_MEMBER(S, Command1),
           {.parent = "Panel3D2",
            .rect = {2690, 4355, 900, 322},
            .caption = "&Close",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::Command1_Click}});
}

// clang-format off
const M Menus[] = {
    {UI_MEMBER(S, mO), {.caption = "&Options"}},
    {UI_MEMBER(S, mOS), {.parent = "mO", .caption = "&Single Entry", .flags = Checked}, &S::mOS_Click},
    {UI_MEMBER(S, mODo), {.parent = "mO", .caption = "&Multiple Entry"}, &S::mODo_Click},
    MenuRow{.name = "mO1", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOR), {.parent = "mO", .caption = "&Round Off Number"}},
    {UI_MEMBER(S, mORNo), {.parent = "mOR", .caption = "&No Rounding"}, &S::mORNo_Click},
    {UI_MEMBER(S, mORTen), {.parent = "mOR", .caption = "&1/10th"}, &S::mORTen_Click},
    {UI_MEMBER(S, mORHun), {.parent = "mOR", .caption = "1/100&th", .flags = Checked}, &S::mORHun_Click},
    {UI_MEMBER(S, mORThou), {.parent = "mOR", .caption = "1/1000t&h"}, &S::mORThou_Click},
    {UI_MEMBER(S, mORNum), {.parent = "mOR", .caption = "&Whole Number"}, &S::mORNum_Click},
    MenuRow{.name = "mO2", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOex), {.parent = "mO", .caption = "E&xit"}, &S::mOex_Click},
    {UI_MEMBER(S, mH), {.caption = "&Help"}},
};
// clang-format on

}  // namespace

void Convform::design() {
    Rows d;
    AddBars(d);
    AddAmountLine(d);
    AddGroups(d);
    AddResultsPanel(d);
    Build(*this, *this, d.rows, Menus);

    StatusBar1->addPanel({});
    StatusBar1->addPanel({.text = "Click to Restore Top Toolbar", .visible = false, .width = 2700});
    StatusBar1->addPanel({.text = "Click to Restore Side Toolbars", .visible = false, .width = 2700});
}

}  // namespace conversions
