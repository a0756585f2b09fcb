// The menu planner window's controls and menus, as designed for the smaller
// screen display; in full screen display the window scales them.
#include <vector>

#include "menu_planner/menu_planner_window.h"
#include "platform/ui/design.h"
#include "shell/activity_window_design.h"

namespace menu_planner {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::HeadingFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;
using style::PanelTitleFont;

namespace {

using R = Row<Zcalandar>;
using M = MenuItem<Zcalandar>;
using Z = Zcalandar;

using shell::activity_design::BarThickness;
using shell::activity_design::InsideWidth;
// The main panel fills the room between the side toolbars, so that three
// months with their week numbers fit side by side.
constexpr Rect MainPanel{BarThickness, 540, InsideWidth - 2 * BarThickness, 7290};

constexpr int Margin = 60;
constexpr int CaptionTop = 60;
constexpr int CaptionHeight = 375;
constexpr int CalendarPanelTop = CaptionTop + CaptionHeight + 45;
constexpr int CalendarPanelHeight = 2640;
constexpr int HeadsTop = CalendarPanelTop + CalendarPanelHeight + 60;
constexpr int HeadsHeight = 300;
constexpr int BoxesTop = HeadsTop + HeadsHeight + 60;
constexpr int BoxWidth = 2700;
constexpr int PickListWidth = 2955;
constexpr int BoxHeight = 315;
constexpr int BoxStep = 345;
constexpr int ColumnStep = 3480;
constexpr int FirstColumn = (MainPanel.width - 2 * ColumnStep - PickListWidth) / 2;
constexpr int ButtonsTop = BoxesTop + Z::LinesPerMeal * BoxStep + 90;
constexpr int ButtonHeight = 420;
// The day's area, which the panels cover while they are open.
constexpr Rect DayArea{Margin, HeadsTop, MainPanel.width - 2 * Margin, ButtonsTop + ButtonHeight + 60 - HeadsTop};

constexpr int ColumnLeft(int meal) { return FirstColumn + meal * ColumnStep; }

using Rows = shell::activity_design::Rows<Z>;

void AddBars(Rows& d) {
    shell::activity_design::AddFrame(d);
    d.add({UI_MEMBER(Z, Label2), {.backColor = ui::colors::ButtonFace, .flags = Hidden}});
    d.add({UI_MEMBER(Z, Text3),
           {.rect = {0, 0, 600, BoxHeight}, .backColor = ui::colors::WindowBackground, .flags = Hidden}});
    d.add({UI_MEMBER(Z, Timer1), {.accessibleName = "Clock"}});
    // Shown at the window's activation, once it is placed.
    d.add({UI_MEMBER(Z, Panel3D1), {.rect = MainPanel, .caption = "Menu Planner", .flags = Hidden}});
}

void AddCalendar(Rows& d) {
    d.add({UI_MEMBER(Z, SSPanel4),
           {.parent = "Panel3D1",
            .rect = {Margin, CaptionTop, 3300, CaptionHeight},
            .font = PanelTitleFont,
            .foreColor = Navy,
            .accessibleName = "Day planned"}});
    d.add({UI_MEMBER(Z, SSPanel5),
           {.parent = "Panel3D1",
            .rect = {MainPanel.width - Margin - 1800, CaptionTop, 1800, CaptionHeight},
            .font = PanelTitleFont,
            .foreColor = Navy,
            .accessibleName = "Time"}});
    d.add(
        {UI_MEMBER(Z, SSPanel1),
         {.parent = "Panel3D1", .rect = {Margin, CalendarPanelTop, MainPanel.width - 2 * Margin, CalendarPanelHeight}},
         {.click = &Z::SSPanel1_Click}});
    d.add({UI_MEMBER(Z, MonthView1),
           {.parent = "SSPanel1",
            .rect = {0, 60, 0, CalendarPanelHeight - 120},
            .tabIndex = 40,
            .accessibleName = "Day to plan"}});
}

void AddEntries(Rows& d) {
    d.add({UI_MEMBER(Z, SSPanel2), {.parent = "Panel3D1", .rect = {Margin, HeadsTop, DayArea.width, HeadsHeight}}});
    static constexpr const char* heads[] = {"Breakfast", "Lunch", "Dinner"};
    for (int meal = 0; meal < 3; ++meal)
        d.add({UI_MEMBER(Z, Label1),
               {.index = meal,
                .parent = "SSPanel2",
                .rect = {ColumnLeft(meal) - Margin, 30, BoxWidth, 240},
                .caption = heads[meal],
                .font = LabelFont,
                .foreColor = Navy,
                .flags = Transparent}});
    // The pick lists lie under the boxes, so only their buttons show beside them.
    static constexpr const char* lists[] = {"Breakfast items", "Lunch items", "Dinner items"};
    d.add({UI_MEMBER(Z, Combo1),
           {.parent = "Panel3D1",
            .rect = {ColumnLeft(0), BoxesTop, PickListWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = 30,
            .flags = Hidden | Sorted,
            .accessibleName = lists[0]},
           {.click = &Z::Combo1_Click}});
    d.add({UI_MEMBER(Z, Combo2),
           {.parent = "Panel3D1",
            .rect = {ColumnLeft(1), BoxesTop, PickListWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = 31,
            .flags = Hidden | Sorted,
            .accessibleName = lists[1]},
           {.click = &Z::Combo2_Click}});
    d.add({UI_MEMBER(Z, Combo3),
           {.parent = "Panel3D1",
            .rect = {ColumnLeft(2), BoxesTop, PickListWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = 32,
            .flags = Hidden | Sorted,
            .accessibleName = lists[2]},
           {.click = &Z::Combo3_Click}});
    static constexpr const char* names[] = {
        "Breakfast line 1", "Breakfast line 2", "Breakfast line 3", "Breakfast line 4", "Breakfast line 5",
        "Breakfast line 6", "Breakfast line 7", "Lunch line 1",     "Lunch line 2",     "Lunch line 3",
        "Lunch line 4",     "Lunch line 5",     "Lunch line 6",     "Lunch line 7",     "Dinner line 1",
        "Dinner line 2",    "Dinner line 3",    "Dinner line 4",    "Dinner line 5",    "Dinner line 6",
        "Dinner line 7"};
    for (int box = 0; box < Z::BoxCount; ++box)
        d.add({UI_MEMBER(Z, Text1),
               {.index = box,
                .parent = "Panel3D1",
                .rect = {ColumnLeft(box / Z::LinesPerMeal), BoxesTop + (box % Z::LinesPerMeal) * BoxStep, BoxWidth,
                         BoxHeight},
                .font = BoxFont,
                .tabIndex = 1 + box,
                .maxLength = 30,
                .accessibleName = names[box]},
               {.click = &Z::Text1_Click,
                .change = &Z::Text1_Change,
                .gotFocus = &Z::Text1_GotFocus,
                .lostFocus = &Z::Text1_LostFocus,
                .keyDown = &Z::Text1_KeyDown,
                .keyPress = &Z::Text1_KeyPress}});
    // One row, left to right; E&xit first in the keyboard order.
    struct Button {
        Member<Z, ui::CommandButton*> member;
        const char* caption;
        int tab;
        void (Z::*click)();
    };
    const Button buttons[] = {
        {UI_MEMBER(Z, Command3), "&Clear Entries", 22, &Z::Command3_Click},
        {UI_MEMBER(Z, Command4), "&Edit Lists", 23, &Z::Command4_Click},
        {UI_MEMBER(Z, Command7), "&Print/View", 24, &Z::Command7_Click},
        {UI_MEMBER(Z, Command1), "&Save", 25, &Z::Command1_Click},
        {UI_MEMBER(Z, Command2), "E&xit", 0, &Z::Command2_Click},
    };
    constexpr int width = 1800;
    constexpr int gap = (MainPanel.width - 2 * Margin - 5 * width) / 6;
    for (int i = 0; i < 5; ++i) {
        const Button& b = buttons[i];
        d.add({b.member,
               {.parent = "Panel3D1",
                .rect = {Margin + gap + i * (width + gap), ButtonsTop, width, ButtonHeight},
                .caption = b.caption,
                .font = ButtonFont,
                .tabIndex = b.tab},
               {.click = b.click}});
    }
}

void AddOptionsPanel(Rows& d) {
    d.add({UI_MEMBER(Z, SSPanel6),
           {.parent = "Panel3D1", .rect = DayArea, .caption = "Calendar Display Options", .flags = Hidden}});
    struct Frame {
        const char* caption;
        Rect rect;
    };
    constexpr int frameTop = 330;
    constexpr int frameWidth = (DayArea.width - 5 * 120) / 4;
    static constexpr Frame frames[] = {
        {"Number of Months to Display", {120, frameTop, frameWidth, 1260}},
        {"Display the Week Numbers", {240 + frameWidth, frameTop, frameWidth, 960}},
        {"Start Week With", {360 + 2 * frameWidth, frameTop, frameWidth, 2310}},
        {"Display Today's Date", {480 + 3 * frameWidth, frameTop, frameWidth, 960}},
    };
    for (int i = 0; i < 4; ++i)
        d.add({UI_MEMBER(Z, SSFrame6),
               {.index = i,
                .parent = "SSPanel6",
                .rect = frames[i].rect,
                .caption = frames[i].caption,
                .font = LabelFont,
                .foreColor = Navy}});
    auto option = [&](auto member, int frame, int index, const char* caption, void (Z::*click)(int)) {
        d.add({member,
               {.index = index,
                .parent = "SSFrame6",
                .parentIndex = frame,
                .rect = {150, 300 + index * 285, frameWidth - 300, 255},
                .caption = caption,
                .font = OptionFont,
                .tabIndex = 60 + d.nextTab()},
               {.click = click}});
    };
    static constexpr const char* months[] = {"One Month (1)", "Two Months (2)", "Three Months (3)"};
    for (int i = 0; i < 3; ++i) option(UI_MEMBER(Z, SSOption2), 0, i, months[i], &Z::SSOption2_Click);
    static constexpr const char* weeks[] = {"Yes (Display)", "No (Don't Display)"};
    for (int i = 0; i < 2; ++i) option(UI_MEMBER(Z, SSOption3), 1, i, weeks[i], &Z::SSOption3_Click);
    static constexpr const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) option(UI_MEMBER(Z, SSOption4), 2, i, days[i], &Z::SSOption4_Click);
    static constexpr const char* today[] = {"No", "Yes"};
    for (int i = 0; i < 2; ++i) option(UI_MEMBER(Z, SSOption5), 3, i, today[i], &Z::SSOption5_Click);
    d.add({UI_MEMBER(Z, Command14),
           {.parent = "SSPanel6",
            .rect = {DayArea.width - 120 - 1800, DayArea.height - 120 - ButtonHeight, 1800, ButtonHeight},
            .caption = "&Close",
            .font = ButtonFont,
            .tabIndex = 60 + d.nextTab()},
           {.click = &Z::Command14_Click}});
}

void AddEditListsPanel(Rows& d) {
    constexpr int width = 7200;
    d.add({UI_MEMBER(Z, Panel3D3),
           {.parent = "Panel3D1",
            .rect = {(MainPanel.width - width) / 2, DayArea.top, width, DayArea.height},
            .caption = "Edit  Lists",
            .flags = Hidden}});
    constexpr int listButtonWidth = 2100;
    auto button = [&](Member<Z, ui::CommandButton*> member, Rect rect, const char* caption, void (Z::*click)(),
                      unsigned flags) {
        d.add({member,
               {.parent = "Panel3D3",
                .rect = rect,
                .caption = caption,
                .font = ButtonFont,
                .tabIndex = 80 + d.nextTab(),
                .flags = flags},
               {.click = click}});
    };
    button(UI_MEMBER(Z, Command10), {150, 360, listButtonWidth, 375}, "&Breakfast List", &Z::Command10_Click, None);
    button(UI_MEMBER(Z, Command8), {150, 810, listButtonWidth, 375}, "&Lunch List", &Z::Command8_Click, None);
    button(UI_MEMBER(Z, Command9), {150, 1260, listButtonWidth, 375}, "&Dinner List", &Z::Command9_Click, None);
    constexpr int right = 150 + listButtonWidth + 240;
    constexpr int rightWidth = width - right - 150;
    d.add({UI_MEMBER(Z, Combo4),
           {.parent = "Panel3D3",
            .rect = {right, 360, rightWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = 80 + d.nextTab(),
            .flags = Sorted,
            .accessibleName = "Entries of the list"},
           {.click = &Z::Combo4_Click}});
    d.add({UI_MEMBER(Z, Text2),
           {.parent = "Panel3D3",
            .rect = {right, 810, rightWidth, BoxHeight},
            .font = BoxFont,
            .tabIndex = 80 + d.nextTab(),
            .maxLength = 30,
            .accessibleName = "New entry, or the entry to delete"},
           {.change = &Z::Text2_Change,
            .gotFocus = &Z::Text2_GotFocus,
            .lostFocus = &Z::Text2_LostFocus,
            .keyDown = &Z::Text2_KeyDown,
            .keyPress = &Z::Text2_KeyPress}});
    d.add({UI_MEMBER(Z, Label4),
           {.parent = "Panel3D3",
            .rect = {right, 1260, rightWidth, 1650},
            .font = HeadingFont,
            .foreColor = Navy,
            .flags = Transparent | WordWrap}});
    constexpr int bottom = DayArea.height - 120 - ButtonHeight;
    button(UI_MEMBER(Z, Command12), {150, bottom - ButtonHeight - 60, listButtonWidth, ButtonHeight}, "&Delete",
           &Z::Command12_Click, Disabled);
    button(UI_MEMBER(Z, Command11), {150, bottom, listButtonWidth, ButtonHeight}, "&Close", &Z::Command11_Click, None);
}

// clang-format off
const M Menus[] = {
    {UI_MEMBER(Z, mO), {.caption = "&Options"}},
    {UI_MEMBER(Z, mOC), {.parent = "mO", .caption = "Panel C&olor"}, &Z::mOC_Click},
    {UI_MEMBER(Z, mOTC), {.parent = "mO", .caption = "&Text Color"}, &Z::mOTC_Click},
    MenuRow{.name = "mO1", .parent = "mO", .caption = "-"},
    {UI_MEMBER(Z, mOV), {.parent = "mO", .caption = "&Edit Lists"}, &Z::mOV_Click},
    {UI_MEMBER(Z, mOClr), {.parent = "mO", .caption = "&Clear Entries"}, &Z::mOClr_Click},
    MenuRow{.name = "mO2", .parent = "mO", .caption = "-"},
    {UI_MEMBER(Z, mOCopy), {.parent = "mO", .caption = "&Copy", .flags = Hidden}, &Z::mECopy_Click},
    {UI_MEMBER(Z, mOP), {.parent = "mO", .caption = "&Print"}, &Z::mOP_Click},
    {UI_MEMBER(Z, mOS), {.parent = "mO", .caption = "&Save"}, &Z::mOS_Click},
    MenuRow{.name = "mO3", .parent = "mO", .caption = "-"},
    {UI_MEMBER(Z, mOCal), {.parent = "mO", .caption = "Calendar &Display Options"}, &Z::mOCal_Click},
    MenuRow{.name = "mO4", .parent = "mO", .caption = "-"},
    {UI_MEMBER(Z, mOe), {.parent = "mO", .caption = "E&xit"}, &Z::mOe_Click},
    {UI_MEMBER(Z, mE), {.caption = "&Edit"}},
    {UI_MEMBER(Z, mECopy), {.parent = "mE", .caption = "&Copy"}, &Z::mECopy_Click},
    {UI_MEMBER(Z, mU), {.caption = "&Utilities"}, &Z::mU_Click},
    {UI_MEMBER(Z, mUB), {.parent = "mU", .caption = "&Backup Selected Year File to Disk"}, &Z::mUB_Click},
    {UI_MEMBER(Z, mUR), {.parent = "mU", .caption = "&Restore Selected Year File from Disk"}, &Z::mUR_Click},
    {UI_MEMBER(Z, mH), {.caption = "&Help"}},
};
// clang-format on

}  // namespace

const PrintViewDesign MenuPrintViewDesign{"Panel3D1", DayArea};

const printing::PreviewPanelDesign MenuPreviewDesign =
    printing::ListPreviewDesign("Panel3D1", MainPanel.width, "Current Date will be printed");

void Zcalandar::design() {
    Rows d;
    AddBars(d);
    AddCalendar(d);
    AddEntries(d);
    AddOptionsPanel(d);
    AddEditListsPanel(d);
    Build(*this, *this, d.rows, Menus);

    // The Print/View panel over the day's area, its own controls bound by the panel.
    int tab = 200;
    BuildUnbound<PrintViewPanel>(*this, PrintViewRows(MenuPrintViewDesign, tab));
    // The print preview over everything, with the menus' own print options.
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelRows(MenuPreviewDesign, tab));
    const Rect options = MenuPreviewDesign.optionsFrame;
    auto printOption = [&](Member<Z, ui::CheckBox*> member, int top, const char* caption, void (Z::*click)()) {
        return R{
            member, printing::PrintOptionCheck({150, top, options.width - 300, 270}, caption, tab), {.click = click}};
    };
    const std::vector<R> printOptions{
        printOption(UI_MEMBER(Z, Check82), 255, "Print Date on each page", &Z::Check82_Click),
        printOption(UI_MEMBER(Z, Check83), 540, "Print Grid Lines", &Z::Check83_Click),
    };
    Build(*this, *this, printOptions);
    BuildUnbound<printing::PrintPreviewPanel>(*this, printing::PreviewPanelTopRows(MenuPreviewDesign, tab));

    StatusBar1->addPanel({});
    StatusBar1->addPanel({.text = "Click to Restore Top Toolbar", .visible = false, .width = 2700});
    StatusBar1->addPanel({.text = "Click to Restore Side Toolbars", .visible = false, .width = 2700});
}

}  // namespace menu_planner
