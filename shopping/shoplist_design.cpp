// The shopping list window's controls and menus, as designed for the smaller
// screen display; in full screen display the window scales them.
#include <vector>

#include "platform/ui/design.h"
#include "shell/activity_window_design.h"
#include "shopping/shoplist.h"

namespace shopping {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;

namespace {

using R = Row<Shoplist>;
using M = MenuItem<Shoplist>;
using S = Shoplist;

// The main panel, which the window's activation centres between the bars.
constexpr Rect MainPanel{630, 555, 10680, 7290};

constexpr int Margin = 150;
constexpr int GridWidth = 5400;
constexpr int RightLeft = Margin + GridWidth + 150;               // the entry area and the keypad
constexpr int RightWidth = MainPanel.width - RightLeft - Margin;  // 4830
constexpr int Inner = 120;                                        // a panel's own margin
constexpr int InnerWidth = RightWidth - 2 * Inner;
constexpr int HalfWidth = (InnerWidth - 90) / 2;
constexpr int BoxHeight = 315;
constexpr int LabelHeight = 240;

// The amount keys: digits three across like a telephone's, the units three
// across beside them.
constexpr int KeyHeight = 300;
constexpr int KeyStep = 330;
constexpr int DigitWidth = 330;
constexpr int UnitLeft = 3 * (DigitWidth + 30) + 90;
constexpr int UnitWidth = (InnerWidth - UnitLeft - 60 - 2 * 30) / 3;

const ui::Font KeyFont{"Arial", 8.25, true};
// The amount panel's title names the row's item: larger, so it reads as the panel's heading.
const ui::Font AmountTitleFont{"Arial", 9.75, true};

constexpr const char* UnitCaptions[S::UnitKeyCount] = {"Bag(s)",     "Bottle(s)", "Box(es)",  "Can(s)",   "Carton(s)",
                                                       "Dozen",      "Gallon(s)", "Loaf(es)", "Liter(s)", "Ounce(s)",
                                                       "Package(s)", "Pint(s)",   "Pound(s)", "Quart(s)"};

using Rows = shell::activity_design::Rows<S>;

void AddBars(Rows& d) {
    shell::activity_design::AddFrame(d);
    d.add({UI_MEMBER(S, Label3), {.backColor = ui::colors::ButtonFace, .flags = Hidden}});
    d.add({UI_MEMBER(S, Text2),
           {.rect = {0, 0, 600, BoxHeight}, .backColor = ui::colors::WindowBackground, .flags = Hidden}});
    // Shown at the window's activation, once it is placed.
    d.add({UI_MEMBER(S, Panel3D1), {.rect = MainPanel, .flags = Hidden}});
}

void AddGrid(Rows& d) {
    d.add({UI_MEMBER(S, Grid1),
           {.parent = "Panel3D1",
            .rect = {Margin, Margin, GridWidth, 6090},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .accessibleName = "Grocery items"}});
    d.add({UI_MEMBER(S, Panel3D5), {.parent = "Panel3D1", .rect = {Margin, 6330, GridWidth, 420}}});
    d.add({UI_MEMBER(S, Label7),
           {.parent = "Panel3D5",
            .rect = {Inner, 105, 1650, LabelHeight},
            .caption = "Item Grid Display:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent}});
    d.add({UI_MEMBER(S, SSOption1),
           {.index = 0,
            .parent = "Panel3D5",
            .rect = {1800, 95, 1800, LabelHeight},
            .caption = "&As  Entered/Saved",
            .font = OptionFont,
            .tabIndex = d.nextTab(),
            .flags = Checked},
           {.click = &S::SSOption1_Click}});
    d.add({UI_MEMBER(S, SSOption1),
           {.index = 1,
            .parent = "Panel3D5",
            .rect = {3700, 95, 1600, LabelHeight},
            .caption = "&Alphabetically",
            .font = OptionFont,
            .tabIndex = d.nextTab()},
           {.click = &S::SSOption1_Click}});
}

R EntryButton(S::Command index, Rect rect, const char* caption, unsigned flags, const char* parent, int tab) {
    return {UI_MEMBER(S, Command1),
            {.index = index,
             .parent = parent,
             .rect = rect,
             .caption = caption,
             .font = ButtonFont,
             .tabIndex = tab,
             .flags = flags},
            {.click = &S::Command1_Click, .gotFocus = &S::Command1_GotFocus}};
}

void AddEntryArea(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D6), {.parent = "Panel3D1", .rect = {RightLeft, Margin, RightWidth, 2685}}});
    d.add({UI_MEMBER(S, Label4),
           {.parent = "Panel3D6",
            .rect = {Inner, 90, InnerWidth, LabelHeight},
            .caption = "Grocery Item:  Type an Item or Select it from Your List:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent}});
    const Events<S> boxEvents{.click = &S::Text1_Click,
                              .dblClick = &S::Text1_DblClick,
                              .change = &S::Text1_Change,
                              .gotFocus = &S::Text1_GotFocus,
                              .lostFocus = &S::Text1_LostFocus,
                              .keyDown = &S::Text1_KeyDown,
                              .keyPress = &S::Text1_KeyPress};
    d.add({UI_MEMBER(S, Text1),
           {.index = S::ItemBox,
            .parent = "Panel3D6",
            .rect = {Inner, 360, HalfWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 25,
            .accessibleName = "Grocery item"},
           boxEvents});
    d.add({UI_MEMBER(S, Combo1),
           {.parent = "Panel3D6",
            .rect = {Inner + HalfWidth + 90, 360, HalfWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .flags = Sorted,
            .comboStyle = ui::ComboStyle::DropDownCombo,
            .accessibleName = "Your grocery items"},
           {.click = &S::Combo1_Click, .gotFocus = &S::Combo1_GotFocus, .keyDown = &S::Combo1_KeyDown}});
    d.add(EntryButton(S::AddItemButton, {Inner, 780, HalfWidth, 400}, "&Add to Item Grid", Disabled, "Panel3D6",
                      d.nextTab()));
    d.add(EntryButton(S::DeleteMasterItemButton, {Inner + HalfWidth + 90, 780, HalfWidth, 400}, "&Delete Item fm File",
                      Disabled, "Panel3D6", d.nextTab()));
    d.add(EntryButton(S::QuickSelectButton, {Inner, 1260, HalfWidth, 400}, "&Quick Select", None, "Panel3D6",
                      d.nextTab()));
    d.add(EntryButton(S::RecipeSelectButton, {Inner + HalfWidth + 90, 1260, HalfWidth, 400}, "&Recipe Select", None,
                      "Panel3D6", d.nextTab()));
    d.add({UI_MEMBER(S, Label6),
           {.parent = "Panel3D6",
            .rect = {Inner, 1770, InnerWidth, 2 * LabelHeight},
            .caption = "The Projected Date For This Shopping Trip:  Please Select Desired Date:",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | WordWrap}});
    d.add({UI_MEMBER(S, Text1),
           {.index = S::DateBox,
            .parent = "Panel3D6",
            .rect = {Inner, 2250, 1500, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 12,
            .accessibleName = "The Projected Date For This Shopping Trip"},
           boxEvents});
}

void AddKeypad(Rows& d) {
    d.add({UI_MEMBER(S, SSPanel2), {.parent = "Panel3D1", .rect = {RightLeft, 2940, RightWidth, 3300}}});
    d.add({UI_MEMBER(S, Label1),
           {.parent = "SSPanel2",
            .rect = {Inner, 60, InnerWidth, 270},
            .caption = "Amount Entry Panel",
            .font = AmountTitleFont,
            .foreColor = Navy,
            .flags = Transparent}});
    d.add({UI_MEMBER(S, Label5),
           {.parent = "SSPanel2",
            .rect = {Inner, 345, InnerWidth, 2 * LabelHeight},
            .caption = "The Amount Desired: Enter Amount (i.e. 1 Dozen, 2 Packages, etc.):",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = Transparent | WordWrap}});
    d.add({UI_MEMBER(S, Text1),
           {.index = S::AmountBox,
            .parent = "SSPanel2",
            .rect = {Inner, 840, InnerWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = d.nextTab(),
            .maxLength = 20,
            .accessibleName = "The Amount Desired"},
           {.click = &S::Text1_Click,
            .change = &S::Text1_Change,
            .gotFocus = &S::Text1_GotFocus,
            .keyDown = &S::Text1_KeyDown,
            .keyPress = &S::Text1_KeyPress}});
    d.add({UI_MEMBER(S, SSPanel3), {.parent = "SSPanel2", .rect = {Inner, 1230, InnerWidth, 1590}}});
    // 1 2 3 / 4 5 6 / 7 8 9 / 0
    for (int digit = 0; digit < 10; ++digit) {
        const int place = digit == 0 ? 10 : digit - 1;
        static const char* const captions[] = {"&0", "&1", "&2", "&3", "&4", "&5", "&6", "&7", "&8", "&9"};
        d.add({UI_MEMBER(S, SSCommand2),
               {.index = digit,
                .parent = "SSPanel3",
                .rect = {60 + (place % 3) * (DigitWidth + 30), 90 + (place / 3) * KeyStep + 30, DigitWidth, KeyHeight},
                .caption = captions[digit],
                .font = KeyFont,
                .tabIndex = d.nextTab()},
               {.click = &S::SSCommand2_Click}});
    }
    for (int unit = 0; unit < S::UnitKeyCount; ++unit)
        d.add({UI_MEMBER(S, SSCommand3),
               {.index = unit,
                .parent = "SSPanel3",
                .rect = {UnitLeft + (unit % 3) * (UnitWidth + 30), 90 + (unit / 3) * 290, UnitWidth, 270},
                .caption = UnitCaptions[unit],
                .font = KeyFont,
                .tabIndex = d.nextTab()},
               {.click = &S::SSCommand3_Click}});
    d.add({UI_MEMBER(S, SSCommand1),
           {.index = S::EnterAmountKey,
            .parent = "SSPanel2",
            .rect = {Inner, 2865, HalfWidth, 360},
            .caption = "Enter Amount on Item Grid",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::SSCommand1_Click}});
    d.add({UI_MEMBER(S, SSCommand1),
           {.index = S::ClearAmountKey,
            .parent = "SSPanel2",
            .rect = {Inner + HalfWidth + 90, 2865, HalfWidth, 360},
            .caption = "Clear The Amount",
            .font = ButtonFont,
            .tabIndex = d.nextTab()},
           {.click = &S::SSCommand1_Click}});
    // Over the keys, until a row is chosen for its amount.
    d.add({UI_MEMBER(S, SSPanel4),
           {.parent = "SSPanel2",
            .rect = {Inner, 1230, InnerWidth, 1995},
            .caption = "Click the Amount cell of an item in the grid to enter its amount here.",
            .font = LabelFont,
            .foreColor = Navy,
            .flags = WordWrap}});
}

void AddCommandRow(Rows& d) {
    d.add({UI_MEMBER(S, Panel3D7), {.parent = "Panel3D1", .rect = {RightLeft, 6330, RightWidth, 810}}});
    // Two rows: the list's own commands, then printing and leaving.
    struct Button {
        S::Command index;
        const char* caption;
        int column;
        int row;
        int span;  // columns it takes
        unsigned flags;
    };
    static constexpr Button buttons[] = {
        {S::SaveButton, "&Save", 0, 0, 1, None},   {S::ClearGridButton, "&Clear Grid", 1, 0, 1, None},
        {S::PrintButton, "&Print", 2, 0, 1, None}, {S::DeleteRowButton, "&Delete Item from Grid", 0, 1, 2, Disabled},
        {S::ExitButton, "E&xit", 2, 1, 1, None},
    };
    constexpr int width = (RightWidth - 2 * 90 - 2 * 60) / 3;
    for (const Button& b : buttons)
        d.add(EntryButton(b.index,
                          {90 + b.column * (width + 60), 60 + b.row * 360, b.span * width + (b.span - 1) * 60, 330},
                          b.caption, b.flags, "Panel3D7", d.nextTab()));
}

// clang-format off
const M Menus[] = {
    {UI_MEMBER(S, mO), {.caption = "&Options"}, &S::mO_Click},
    {UI_MEMBER(S, mOCB), {.parent = "mO", .caption = "Select Cook&book", .flags = Disabled}},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&1", .index = 1}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&2", .index = 2}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&3", .index = 3}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&4", .index = 4}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&5", .index = 5}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&6", .index = 6}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&7", .index = 7}, &S::mOCB1_Click},
    {UI_MEMBER(S, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&8", .index = 8}, &S::mOCB1_Click},
    MenuRow{.name = "mO12", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mON), {.parent = "mO", .caption = "&New Shopping List"}, &S::mON_Click},
    {UI_MEMBER(S, mOP), {.parent = "mO", .caption = "&Open an Existing List"}, &S::mOP_Click},
    {UI_MEMBER(S, mODeLst), {.parent = "mO", .caption = "Delete an &Existing List"}, &S::mODeLst_Click},
    MenuRow{.name = "mO4", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOBC), {.parent = "mO", .caption = "Grid &Background Selector"}, &S::mOBC_Click},
    {UI_MEMBER(S, mOTC), {.parent = "mO", .caption = "Grid &Text  Color"}, &S::mOTC_Click},
    {UI_MEMBER(S, mOC), {.parent = "mO", .caption = "Panel &Color"}, &S::mOC_Click},
    MenuRow{.name = "mO1", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOSel), {.parent = "mO", .caption = "&Quick Select"}, &S::mOSel_Click},
    {UI_MEMBER(S, mOR), {.parent = "mO", .caption = "&Recipe Select"}, &S::mOR_Click},
    {UI_MEMBER(S, mODel), {.parent = "mO", .caption = "&Delete Item from Grid", .flags = Disabled}, &S::mODel_Click},
    {UI_MEMBER(S, mOCl), {.parent = "mO", .caption = "&Clear Grid"}, &S::mOCl_Click},
    MenuRow{.name = "mO3", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOW), {.parent = "mO", .caption = "Print &Worksheet"}, &S::mOW_Click},
    MenuRow{.name = "mO5", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOCopy), {.parent = "mO", .caption = "Cop&y", .flags = Hidden}, &S::mECopy_Click},
    {UI_MEMBER(S, mOPrt), {.parent = "mO", .caption = "&Print"}, &S::mOPrt_Click},
    {UI_MEMBER(S, mOS), {.parent = "mO", .caption = "&Save"}, &S::mOS_Click},
    MenuRow{.name = "mO2", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOex), {.parent = "mO", .caption = "E&xit"}, &S::mOex_Click},
    {UI_MEMBER(S, mE), {.caption = "&Edit"}, &S::mE_Click},
    {UI_MEMBER(S, mECopy), {.parent = "mE", .caption = "&Copy", .flags = Disabled}, &S::mECopy_Click},
    {UI_MEMBER(S, mH), {.caption = "&Help"}},
};
// clang-format on

}  // namespace

// Each screen covers the main panel's work while it is open.
const SelectPanelDesign QuickSelectDesign{"Panel3D1", {60, 60, MainPanel.width - 120, MainPanel.height - 120}};
const SelectPanelDesign RecipeSelectDesign{"Panel3D1", {60, 60, MainPanel.width - 120, MainPanel.height - 120}};

const printing::PreviewPanelDesign ShoppingPreviewDesign =
    printing::ListPreviewDesign("Panel3D1", MainPanel.width, "Print all Gridlines with data");

void Shoplist::design() {
    Rows d;
    AddBars(d);
    AddGrid(d);
    AddEntryArea(d);
    AddKeypad(d);
    AddCommandRow(d);
    // The calendar opens over the amount panel, below the date box.
    d.add({UI_MEMBER(S, MonthView1),
           {.parent = "Panel3D1",
            .rect = {RightLeft + Inner, 2790, 3000, 2300},
            .tabIndex = d.nextTab(),
            .flags = Hidden,
            .accessibleName = "Shopping date"}});
    // The select screens over the window's own controls; they bind their rows themselves.
    for (const QuickSelectRow& row : QuickSelectRows(QuickSelectDesign, d.tab)) d.add(row.row());
    for (const RecipeSelectRow& row : RecipeSelectRows(RecipeSelectDesign, d.tab)) d.add(row.row());
    Build(*this, *this, d.rows, Menus);

    // The print preview over everything, its own controls bound by the panel,
    // the list's own print options in its "Print Options" frame.
    int tab = d.tab;
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelRows(ShoppingPreviewDesign, tab));
    const Rect options = ShoppingPreviewDesign.optionsFrame;
    auto printOption = [&](Member<S, ui::CheckBox*> member, int top, const char* caption, void (S::*click)()) {
        return R{
            member, printing::PrintOptionCheck({150, top, options.width - 300, 270}, caption, tab), {.click = click}};
    };
    const std::vector<R> printOptions{
        printOption(UI_MEMBER(S, SSCheck80), 255, "Print Divider Lines (Every 5 Items)", &S::SSCheck80_Click),
        printOption(UI_MEMBER(S, SSCheck81), 540, "Print  Date on each page", &S::SSCheck81_Click),
    };
    Build(*this, *this, printOptions);
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelTopRows(ShoppingPreviewDesign, tab));

    StatusBar1->addPanel({});
    StatusBar1->addPanel({.text = "Click to Restore Top Toolbar", .visible = false, .width = 2700});
    StatusBar1->addPanel({.text = "Click to Restore Side Toolbars", .visible = false, .width = 2700});
}

}  // namespace shopping
