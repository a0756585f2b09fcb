// The recipe window's controls and menus, as designed for the smaller screen
// display; in full screen display the window scales them.
#include <iterator>

#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window_rows.h"

namespace recipes {

using namespace rows;

// clang-format off
namespace {

void AddBars(Design& d) {
    d.add({UI_MEMBER(C, Image1), {.rect = {0, 0, InsideWidth, InsideHeight}}});
    d.add({UI_MEMBER(C, Text11), {.rect = {0, 0, AmountWidth, LineHeight}, .tabIndex = d.nextTab(), .flags = Hidden}});
    constexpr int sideHeight = InsideHeight - BarThickness - StatusHeight;
    d.add({UI_MEMBER(C, Toolbar1), {.rect = {0, 0, InsideWidth, BarThickness}}});
    d.add({UI_MEMBER(C, Toolbar2), {.rect = {0, BarThickness, BarThickness, sideHeight}, .align = ui::Align::Left}});
    d.add({UI_MEMBER(C, Toolbar3),
           {.rect = {InsideWidth - BarThickness, BarThickness, BarThickness, sideHeight}, .align = ui::Align::Right}});
    d.add({UI_MEMBER(C, StatusBar1), {.rect = {0, InsideHeight - StatusHeight, InsideWidth, StatusHeight},
                                      .font = LabelFont}});
    // Shown at the window's activation, once it is placed.
    d.add({UI_MEMBER(C, Panel3D1), {.rect = MainPanel, .flags = Hidden}});
}

// The command buttons in one row, each as wide as its caption needs, the
// room left shared out between them.
void AddCommandRow(Design& d) {
    struct Command {
        Member<C, ui::CommandButton*> button;
        const char* caption;
        int width;
        unsigned flags;
    };
    static constexpr Command commands[] = {
        {UI_MEMBER(C, Command1), "&Create", 810, None},
        {UI_MEMBER(C, Command2), "&View", 690, None},
        {UI_MEMBER(C, Command5), "&Modify", 840, Disabled},
        {UI_MEMBER(C, Command6), "&Save", 720, Disabled},
        {UI_MEMBER(C, Command4), "&Delete", 810, Disabled},
        {UI_MEMBER(C, Command8), "C&alculate", 1050, Disabled},
        {UI_MEMBER(C, Command7), "&Print", 690, Disabled},
        {UI_MEMBER(C, Command25), "S&pelling Check", 1500, Disabled},
        {UI_MEMBER(C, Command16), "S&earch", 870, None},
        {UI_MEMBER(C, Command3), "E&xit", 600, None},
    };
    constexpr int inset = 75;
    d.add({UI_MEMBER(C, SSPanel1),
           {.parent = "Panel3D1", .rect = {Margin, CommandRowTop, ContentWidth, CommandRowHeight}}});
    int widths = 0;
    for (const Command& c : commands) widths += c.width;
    constexpr int count = static_cast<int>(std::size(commands));
    const int gap = (ContentWidth - 2 * inset - widths) / (count - 1);
    int left = inset;
    for (const Command& c : commands) {
        d.button(c.button, -1, "SSPanel1", {left, inset - 15, c.width, CommandRowHeight - 2 * inset + 30}, c.caption,
                 c.flags);
        left += c.width + gap;
    }
}

// The tab stops of the recipe name list and box, which come after the type
// in the Tab order but are added after the ingredient boxes, so that the
// open list lies over them.
struct NameTabs {
    int list;
    int box;
};

NameTabs AddChoiceRow(Design& d) {
    d.label(UI_MEMBER(C, Label25), -1, "Panel3D1", {Margin, ChoiceLabelTop, TypeWidth, LabelHeight}, "Type:");
    d.combo(UI_MEMBER(C, Combo1), -1, "Panel3D1", {Margin, ChoiceBoxTop, TypeWidth, ChoiceBoxHeight},
            ComboStyle::DropDownCombo, "Recipe type", Sorted);
    d.add({UI_MEMBER(C, SSPanel4),
           {.parent = "Panel3D1",
            .rect = {(MainPanel.width - TitleWidth) / 2, ChoiceLabelTop, TitleWidth, LabelHeight + ChoiceBoxHeight},
            .caption = "Recipe Files", .font = TitleFont, .foreColor = Navy}});
    d.label(UI_MEMBER(C, Label1), NameCaption, "Panel3D1", {NameLeft, ChoiceLabelTop, IngredientWidth, LabelHeight},
            "Recipe Name:");
    const int list = d.nextTab();
    return {list, d.nextTab()};
}

void AddNameBoxes(Design& d, NameTabs tabs) {
    // The name box lies over the name list's text line.
    const Rect name{NameLeft, ChoiceBoxTop, IngredientWidth, ChoiceBoxHeight};
    // Its entries are index entries: the record number past the name never shows.
    d.combo(UI_MEMBER(C, Combo2), -1, "Panel3D1", name, ComboStyle::SimpleCombo, "Recipe names", Sorted, tabs.list,
            EntryNumberFrom);
    d.box(UI_MEMBER(C, Text8), -1, "Panel3D1", name, 40, "Recipe name", None, tabs.box);
}

void AddIngredientGrid(Design& d) {
    static constexpr const char* headings[] = {"Amount", "Unit", "Ingredient"};
    for (int column = 0; column < 2; ++column) {
        const int left = column == 0 ? Margin : RightColumn;
        const int offsets[] = {0, UnitOffset, IngredientOffset};
        const int widths[] = {AmountWidth, UnitWidth, IngredientWidth};
        for (int i = 0; i < 3; ++i)
            d.add({UI_MEMBER(C, Label1),
                   {.index = FirstHeading + 3 * column + i, .parent = "Panel3D1",
                    .rect = {left + offsets[i], HeadingTop, widths[i], LabelHeight}, .caption = headings[i],
                    .font = HeadingFont, .foreColor = Navy, .flags = Transparent}});
    }
    // Enter and Tab go through the lines across the grid's rows; the boxes
    // are made a column of the grid at a time, so that each pick list lies
    // above the boxes right of its own and below its own: its button shows
    // over the next box, the rest of it stays behind the box it serves. The
    // window moves the lists to the line being typed. The mouse and Alt+Down
    // open them: Tab passes them by.
    std::array<int, C::LineCount> tabs{};
    for (const int line : EnterOrder()) {
        tabs[static_cast<std::size_t>(line)] = d.nextTab();
        d.nextTab();
        d.nextTab();
    }
    const auto boxes = [&](auto member, int offset, int width, int maxLength, const char* spoken, int tab) {
        for (int line = 0; line < C::LineCount; ++line)
            d.box(member, line, "Panel3D1", {LineLeft(line) + offset, LineTop(line), width, LineHeight}, maxLength,
                  d.keep(std::string(spoken) + ", line " + std::to_string(line + 1)), None,
                  tabs[static_cast<std::size_t>(line)] + tab);
    };
    const int top = LineTop(0);
    const auto pickList = [&](Member<C, ui::ComboBox*> list, int left, int width, const char* spoken) {
        d.add({list, {.parent = "Panel3D1", .rect = {left, top, width + PickListReach, LineHeight}, .font = BoxFont,
                      .tabIndex = d.lastTab(), .flags = Hidden, .comboStyle = ComboStyle::DropDownList,
                      .accessibleName = spoken}});
    };
    boxes(UI_MEMBER(C, Text5), IngredientOffset, IngredientWidth, 35, "Ingredient", 2);
    pickList(UI_MEMBER(C, Combo5), Margin + UnitOffset, UnitWidth, "Units, singular");
    pickList(UI_MEMBER(C, Combo6), Margin + UnitOffset, UnitWidth, "Units, plural");
    boxes(UI_MEMBER(C, Text4), UnitOffset, UnitWidth, 10, "Unit", 1);
    pickList(UI_MEMBER(C, Combo3), Margin, AmountWidth, "Fractions");
    boxes(UI_MEMBER(C, Text1), 0, AmountWidth, 7, "Amount", 0);
}

// Directions under the left column; oven temperature, cooking time and
// yield under the right one, in the order Enter goes through them.
void AddDirectionsAndDetails(Design& d) {
    constexpr int lengthWidth = 600;
    constexpr int lengthCaptionWidth = 1900;
    d.label(UI_MEMBER(C, Label1), DirectionsCaption, "Panel3D1", {Margin, DirectionsLabelTop, 1500, LabelHeight},
            "Directions:");
    d.label(UI_MEMBER(C, Label1), LengthCaption, "Panel3D1",
            {Margin + ColumnWidth - lengthWidth - lengthCaptionWidth, DirectionsLabelTop, lengthCaptionWidth,
             LabelHeight},
            "Length (Max. = 1000) :");
    d.add({UI_MEMBER(C, Label13),
           {.parent = "Panel3D1",
            .rect = {Margin + ColumnWidth - lengthWidth, DirectionsLabelTop, lengthWidth, LabelHeight},
            .font = LabelFont, .foreColor = ui::colors::Black, .flags = Transparent}});
    d.box(UI_MEMBER(C, Text2), -1, "Panel3D1", {Margin, DirectionsTop, ColumnWidth, DirectionsHeight}, 1000,
          "Directions", MultiLine);

    const int boxLeft = RightColumn + IngredientOffset;
    const auto caption = [&](int index, int row, const char* text) {
        d.label(UI_MEMBER(C, Label1), index, "Panel3D1",
                {RightColumn, DirectionsTop + row * DetailSpacing + LabelDrop, IngredientOffset, LabelHeight}, text);
    };
    const auto rowTop = [](int row) { return DirectionsTop + row * DetailSpacing; };
    caption(OvenCaption, 0, "Oven Temp.:");
    caption(CookingTimeCaption, 1, "Cooking Time:");
    caption(YieldCaption, 2, "Yield:");
    constexpr int shortWidth = 750;
    d.box(UI_MEMBER(C, Text3), -1, "Panel3D1", {boxLeft, rowTop(0), shortWidth, LineHeight}, 4, "Oven temperature");
    d.box(UI_MEMBER(C, Text7), -1, "Panel3D1", {boxLeft, rowTop(1), IngredientWidth, LineHeight}, 20, "Cooking time");
    d.box(UI_MEMBER(C, Text6), -1, "Panel3D1", {boxLeft, rowTop(2), shortWidth, LineHeight}, 5, "Yield");
    constexpr int unitLeft = shortWidth + 90;
    d.combo(UI_MEMBER(C, Combo4), -1, "Panel3D1",
            {boxLeft + unitLeft, rowTop(2), IngredientWidth - unitLeft, LineHeight},
            ComboStyle::DropDownCombo, "Yield unit", Sorted);
}

// The menus, top to bottom; "-" is a separator line.
const MenuItem<C> Menus[] = {
    {UI_MEMBER(C, mO), {.caption = "&Options"}},
    {UI_MEMBER(C, mOC), {.parent = "mO", .caption = "Panel C&olor"}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOCB), {.parent = "mO", .caption = "Select Cook&book"}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&1", .index = 1}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&2", .index = 2}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&3", .index = 3}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&4", .index = 4}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&5", .index = 5}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&6", .index = 6}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&7", .index = 7}},
    {UI_MEMBER(C, mOCB1).from(1), {.parent = "mOCB", .caption = "Cookbook #&8", .index = 8}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOCBTle), {.parent = "mO", .caption = "Cookbook &Titles"}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOsr), {.parent = "mO", .caption = "Searc&h"}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOCr), {.parent = "mO", .caption = "&Create Recipe"}},
    {UI_MEMBER(C, mO1), {.parent = "mO", .caption = "-"}},
    {UI_MEMBER(C, mOV), {.parent = "mO", .caption = "&View Recipe"}},
    {UI_MEMBER(C, mOMo), {.parent = "mO", .caption = "&Modify Recipe", .flags = Disabled}},
    {UI_MEMBER(C, mOChange), {.parent = "mO", .caption = "Change Recipe &Name", .flags = Disabled}},
    {UI_MEMBER(C, mO2), {.parent = "mO", .caption = "-"}},
    {UI_MEMBER(C, mODel), {.parent = "mO", .caption = "&Delete Recipe", .flags = Disabled}},
    {UI_MEMBER(C, mO3), {.parent = "mO", .caption = "-"}},
    {UI_MEMBER(C, mOCal), {.parent = "mO", .caption = "C&alculate Amounts", .flags = Disabled}},
    {UI_MEMBER(C, mO8), {.parent = "mO", .caption = "-"}},
    // Offered only while the menu pops up at the mouse.
    {UI_MEMBER(C, mOCopy), {.parent = "mO", .caption = "Cop&y", .flags = Hidden}},
    {UI_MEMBER(C, mOP), {.parent = "mO", .caption = "&Print", .flags = Disabled}},
    {UI_MEMBER(C, mOSa), {.parent = "mO", .caption = "&Save", .flags = Disabled}},
    {UI_MEMBER(C, mOSpell), {.parent = "mO", .caption = "Spelling Chec&k", .flags = Disabled}},
    {UI_MEMBER(C, mO4), {.parent = "mO", .caption = "-"}},
    {UI_MEMBER(C, mOW), {.parent = "mO", .caption = "Print &Worksheet"}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOex), {.parent = "mO", .caption = "&Export Recipe", .flags = Disabled}},
    {UI_MEMBER(C, mOIm), {.parent = "mO", .caption = "&Import Recipe", .flags = Disabled}},
    MenuRow{.parent = "mO", .caption = "-"},
    {UI_MEMBER(C, mOe), {.parent = "mO", .caption = "E&xit"}},
    {UI_MEMBER(C, mEdit), {.caption = "&Edit"}},
    {UI_MEMBER(C, mOCo1), {.parent = "mEdit", .caption = "&Copy", .flags = Disabled}},
    {UI_MEMBER(C, mU), {.caption = "&Utilities"}},
    {UI_MEMBER(C, mUB), {.parent = "mU", .caption = "&Backup Recipes to Disk"}},
    {UI_MEMBER(C, mUR), {.parent = "mU", .caption = "&Restore Recipes from Disk"}},
    {UI_MEMBER(C, mH), {.caption = "&Help"}},
};

// All the window's rows, in the order they are built: later rows lie in front.
void AddRows(Design& d) {
    AddBars(d);
    AddCommandRow(d);
    const NameTabs nameTabs = AddChoiceRow(d);
    AddIngredientGrid(d);
    AddDirectionsAndDetails(d);
    AddNameBoxes(d, nameTabs);
    AddSidePanels(d);
    AddPrintPanels(d);
    AddSearchPanels(d);
}

// clang-format on
}  // namespace

// clang-format off
const printing::PreviewPanelDesign RecipePreviewDesign{
    .parent = "Panel3D1",
    .panel = {(MainPanel.width - 9570) / 2, 60, 9570, 7200},
    .preview = {3510, 90, 5970, 7060},
    .autoSizeButton = {7630, 129, 795, 226},
    .enlargeButton = {8630, 129, 750, 226},
    .rangeFrame = {195, 60, 3240, 540},
    .optionsFrame = {195, 615, 3240, 1200},
    .displayFrame = {195, 2430, 3240, 1140},
    .fontNameDisplay = {1090, 3660, 2325, 322},
    .fontSizeDisplay = {930, 4000, 585, 322},
    .sampleFrame = {195, 4290, 3240, 825},
    .buttons = {{{195, 5160, 1560, 403}, {1875, 5160, 1560, 405}, {195, 6730, 3240, 390}, {195, 5590, 3240, 360},
                 {195, 5975, 3240, 360}, {195, 6345, 3240, 360}}},
    .buttonCaptions = {"Printer &Font", "&Page Setup", "&Cancel", "C&opy Current Page", "&Select Additional Recipes",
                       "&Print"},
    .rangeCaption = "All Entries with Data Will Print",
};
// clang-format on

void BuildForm5(ui::Form& form) {
    Design d;
    AddRows(d);
    BuildUnbound<C>(form, d.rows(), Menus);

    // What the tables do not say: the panels of the status bar and how far
    // the conversion counts.
    auto& status = form.control<ui::StatusBar>("StatusBar1");
    status.addPanel({});
    status.addPanel({.text = "Click to Restore Top Toolbar", .visible = false, .width = 2700});
    status.addPanel({.text = "Click to Restore Side Toolbars", .visible = false, .width = 2700});
    form.control<ui::ProgressBar>("ProgressBar1").setRange(0, 30000);
    // The result grids' second column holds index entries: the record number past the name never shows.
    for (const char* name : {"Grid1", "Grid2"}) {
        auto& grid = form.control<ui::Grid>(name);
        grid.setCols(2);
        grid.setColShownLength(1, EntryNumberFrom);
    }
}

void BindForm5(ui::Form& form, Form5Controls& c) {
    Design d;
    AddRows(d);
    BindBuilt(form, c, d.rows(), Menus);
}

}  // namespace recipes
