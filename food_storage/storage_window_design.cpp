// The food storage window's controls and menus, as designed for the smaller
// screen display; in full screen display the window scales them.
#include <vector>

#include "food_storage/storage_window.h"
#include "platform/ui/design.h"
#include "shell/activity_window_design.h"

namespace food_storage {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;

namespace {

using R = Row<Form24>;
using M = MenuItem<Form24>;
using S = Form24;

constexpr Rect MainPanel{630, 555, 10680, 7290};

constexpr int Margin = 120;
constexpr int InnerWidth = MainPanel.width - 2 * Margin;
constexpr int CategoryTop = 100;
constexpr int CategoryHeight = 360;
constexpr int GridTop = 560;
constexpr int GridHeight = 4500;
constexpr int EntryTop = GridTop + GridHeight + 120;
constexpr int EntryHeight = 720;
constexpr int ButtonTop = EntryTop + EntryHeight + 200;
constexpr int ButtonHeight = 400;
constexpr int BoxHeight = 315;

// The rollup over the main panel's work.
constexpr Rect RollupPanel{300, 250, MainPanel.width - 600, MainPanel.height - 500};

using Rows = shell::activity_design::Rows<S>;

void AddBars(Rows& d) {
    shell::activity_design::AddFrame(d);
    d.add({UI_MEMBER(S, Label4), {.backColor = ui::colors::ButtonFace, .flags = Hidden}});
    d.add({UI_MEMBER(S, Text3),
           {.rect = {0, 0, 600, BoxHeight}, .backColor = ui::colors::WindowBackground, .flags = Hidden}});
    d.add({UI_MEMBER(S, Panel3D1), {.rect = MainPanel, .flags = Hidden}});
}

void AddCategoryButtons(Rows& d) {
    constexpr int gap = 60;
    constexpr int width = (InnerWidth - 8 * gap) / 9;
    // The captions are the kind's own, set when the window loads.
    for (int i = 0; i < 9; ++i)
        d.add({UI_MEMBER(S, Command3D1),
               {.index = i,
                .parent = "Panel3D1",
                .rect = {Margin + i * (width + gap), CategoryTop, width, CategoryHeight},
                .caption = i == 0 ? "&All" : "",
                .font = ButtonFont,
                .tabIndex = d.nextTab()},
               {.click = &S::Command3D1_Click}});
}

void AddGrid(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D4), {.parent = "Panel3D1", .rect = {Margin, GridTop, InnerWidth, GridHeight}}});
    d.add({UI_MEMBER(S, Grid1),
           {.parent = "Panel3D4",
            .rect = {0, 0, InnerWidth, GridHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .accessibleName = "Storage items"}});
    d.add({UI_MEMBER(S, MonthView1),
           {.parent = "Panel3D4",
            .rect = {InnerWidth - 3300, 700, 3000, 2300},
            .tabIndex = d.nextTab(),
            .flags = Hidden,
            .accessibleName = "Last action date"}});
}

void AddBoxes(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D5), {.parent = "Panel3D1", .rect = {Margin, EntryTop, 3600, EntryHeight}}});
    d.add({UI_MEMBER(S, Label1),
           {.parent = "Panel3D5",
            .rect = {120, 60, 3360, 240},
            .caption = "Input Box:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent}});
    d.add({UI_MEMBER(S, Text1),
           {.parent = "Panel3D5",
            .rect = {120, 330, 3360, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 20,
            .accessibleName = "Input Box"},
           {.click = &S::Text1_Click,
            .change = &S::Text1_Change,
            .lostFocus = &S::Text1_LostFocus,
            .keyPress = &S::Text1_KeyPress}});
    d.add({UI_MEMBER(S, Panel3D6), {.parent = "Panel3D1", .rect = {Margin + 3720, EntryTop, 2100, EntryHeight}}});
    d.add({UI_MEMBER(S, Label2),
           {.parent = "Panel3D6",
            .rect = {120, 60, 1860, 240},
            .caption = "Number in Family:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent}});
    d.add({UI_MEMBER(S, Text2),
           {.parent = "Panel3D6",
            .rect = {120, 330, 900, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 3,
            .accessibleName = "Number in Family"},
           {.change = &S::Text2_Change,
            .gotFocus = &S::Text2_GotFocus,
            .lostFocus = &S::Text2_LostFocus,
            .keyDown = &S::Text2_KeyDown,
            .keyPress = &S::Text2_KeyPress}});
}

void AddCommands(Rows& d) {
    constexpr int gap = 135;
    constexpr int width = (InnerWidth - 4 * gap) / 5;
    const auto button = [&](Member<S, ui::CommandButton*> member, int place, const char* caption, void (S::*click)()) {
        return R{member,
                 {.parent = "Panel3D1",
                  .rect = {Margin + place * (width + gap), ButtonTop, width, ButtonHeight},
                  .caption = caption,
                  .font = ButtonFont,
                  .tabIndex = d.nextTab()},
                 {.click = click}};
    };
    d.add(button(UI_MEMBER(S, Command1), 0, "&Print", &S::Command1_Click));
    d.add(button(UI_MEMBER(S, Command4), 1, "&Item Defaults", &S::Command4_Click));
    d.add(button(UI_MEMBER(S, Command5), 2, "&Approx. Amts.", &S::Command5_Click));
    d.add(button(UI_MEMBER(S, Command6), 3, "&Save", &S::Command6_Click));
    d.add(button(UI_MEMBER(S, Command2), 4, "E&xit", &S::Command2_Click));
}

void AddRollup(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D2),
           {.parent = "Panel3D1",
            .rect = RollupPanel,
            .caption = "Percent of Basic Food Storage You Have For ",
            .font = style::PanelTitleFont,
            .foreColor = Navy,
            .flags = Hidden}});
    d.add({UI_MEMBER(S, Grid2),
           {.parent = "Panel3D2",
            .rect = {150, 450, 7000, 2500},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .accessibleName = "Rollup of the basic categories"}});
    d.add({UI_MEMBER(S, Command7),
           {.parent = "Panel3D2",
            .rect = {7400, 600, RollupPanel.width - 7600, ButtonHeight},
            .caption = "Hori&zontal",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::Command7_Click}});
    d.add({UI_MEMBER(S, Command3),
           {.parent = "Panel3D2",
            .rect = {7400, 1150, RollupPanel.width - 7600, ButtonHeight},
            .caption = "&Close",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::Command3_Click}});
}

// clang-format off
const M Menus[] = {
    {UI_MEMBER(S, mO), {.caption = "&Options"}, &S::mO_Click},
    {UI_MEMBER(S, mOGB), {.parent = "mO", .caption = "Grid &Background Selector"}, &S::mOGB_Click},
    {UI_MEMBER(S, mOGF), {.parent = "mO", .caption = "Grid &Text  Color"}, &S::mOGF_Click},
    {UI_MEMBER(S, mOCol), {.parent = "mO", .caption = "Panel C&olor"}, &S::mOCol_Click},
    MenuRow{.name = "mO1", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOAA), {.parent = "mO", .caption = "&Approximate Amounts"}, &S::mOAA_Click},
    {UI_MEMBER(S, mOClr), {.parent = "mO", .caption = "&Clear Last Action Columns"}, &S::mOClr_Click},
    {UI_MEMBER(S, mOID), {.parent = "mO", .caption = "&Item Defaults"}, &S::mOID_Click},
    MenuRow{.name = "mO2", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOCop), {.parent = "mO", .caption = "Cop&y", .flags = Hidden}, &S::mOCopy_Click},
    {UI_MEMBER(S, mOPrt), {.parent = "mO", .caption = "&Print"}, &S::mOPrt_Click},
    {UI_MEMBER(S, mOS), {.parent = "mO", .caption = "&Save"}, &S::mOS_Click},
    MenuRow{.name = "mO3", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOex), {.parent = "mO", .caption = "E&xit"}, &S::mOex_Click},
    {UI_MEMBER(S, mE), {.caption = "&Edit"}},
    {UI_MEMBER(S, mOCopy), {.parent = "mE", .caption = "&Copy"}, &S::mOCopy_Click},
    {UI_MEMBER(S, mR), {.caption = "&Rollup", .flags = Hidden}, &S::mR_Click},
    {UI_MEMBER(S, mU), {.caption = "&Utilities"}},
    {UI_MEMBER(S, mUB), {.parent = "mU", .caption = "&Backup Files to Disk"}, &S::mUB_Click},
    {UI_MEMBER(S, mUR), {.parent = "mU", .caption = "&Restore Files from Disk"}, &S::mUR_Click},
    {UI_MEMBER(S, mH), {.caption = "&Help"}},
};
// clang-format on

}  // namespace

const printing::PreviewPanelDesign StoragePreviewDesign{
    .parent = "Panel3D1",
    .panel = {245, 145, 9345, 7005},
    .preview = {3540, 105, 5730, 6825},
    .autoSizeButton = {7315, 88, 795, 204},
    .enlargeButton = {8315, 88, 750, 204},
    .rangeFrame = {195, 96, 3240, 613},
    .optionsFrame = {195, 735, 3240, 1500},
    .displayFrame = {195, 2272, 3240, 1090},
    .fontNameDisplay = {1090, 3437, 2325, 322},
    .fontSizeDisplay = {930, 3791, 585, 322},
    .sampleFrame = {195, 4130, 3240, 877},
    .buttons = {{{565, 5060, 2425, 360},
                 {565, 5430, 2425, 360},
                 {570, 6560, 2430, 375},
                 {570, 5800, 2430, 330},
                 {570, 6160, 2430, 360},
                 {}}},
    .buttonCaptions = {"Printer &Font", "&Page Setup", "&Cancel", "C&opy Current Page", "&Print", nullptr},
    .rangeCaption = "Select from Options Below",
    .enlargedLeft = 90,
    .enlargedMargin = 160,
    .autoSizeLetters = 76,
    .defaultFontSize = 14,
    .screenFontSetsSize = true,
};

void Form24::design() {
    Rows d;
    AddBars(d);
    AddCategoryButtons(d);
    AddGrid(d);
    AddBoxes(d);
    AddCommands(d);
    AddRollup(d);
    Build(*this, *this, d.rows, Menus);

    // The category chart beside the few rows a category view shows; its
    // height and top follow the category.
    chart1_ = std::make_unique<BarChart>(*this, "Chart2D1", "Panel3D1",
                                         Rect{MainPanel.width / 2, GridTop + 1500, MainPanel.width / 2 - 300, 2500}, 2,
                                         "Amount of the Need");
    chart2_ = std::make_unique<BarChart>(*this, "Chart2D2", "Panel3D2",
                                         Rect{150, 3100, RollupPanel.width - 300, RollupPanel.height - 3250}, 7,
                                         "Percentage");

    // The print preview over everything, its own controls bound by the panel,
    // the table's print options in its "Print Options" frame.
    int tab = d.tab;
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelRows(StoragePreviewDesign, tab));
    const Rect options = StoragePreviewDesign.optionsFrame;
    const auto optionRect = [&](int place) { return Rect{120, 200 + place * 215, options.width - 240, 225}; };
    std::vector<R> printOptions;
    for (int i = 0; i < 4; ++i)
        printOptions.push_back({UI_MEMBER(S, SSOption83),
                                {.index = i,
                                 .parent = "SSFrame80",
                                 .parentIndex = printing::PrintOptionsFrame,
                                 .rect = optionRect(i),
                                 // The captions are literals, so their views end in a null.
                                 .caption = StoragePrintRangeCaptions[static_cast<std::size_t>(i)].data(),
                                 .font = OptionFont,
                                 .tabIndex = tab++,
                                 .flags = i == 3 ? Checked : None},
                                {.click = &S::SSOption83_Click}});
    const auto check = [&](Member<S, ui::CheckBox*> member, int place, const char* caption, void (S::*click)()) {
        return R{member, printing::PrintOptionCheck(optionRect(place), caption, tab), {.click = click}};
    };
    printOptions.push_back(check(UI_MEMBER(S, SSCheck80), 4, "Print 'As of' date on each page", &S::SSCheck80_Click));
    printOptions.push_back(check(UI_MEMBER(S, SSCheck81), 5, "Print Grid Lines on each page", &S::SSCheck81_Click));
    Build(*this, *this, printOptions);
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelTopRows(StoragePreviewDesign, tab));

    StatusBar1->addPanel({});
    StatusBar1->addPanel({.text = "Click to Restore Top Toolbar", .visible = false, .width = 2700});
    StatusBar1->addPanel({.text = "Click to Restore Side Toolbars", .visible = false, .width = 2700});
}

}  // namespace food_storage
