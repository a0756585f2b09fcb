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
    d.add({.kind = ControlKind::Image, .name = "Image1", .rect = {0, 0, InsideWidth, InsideHeight}});
    d.add({.kind = ControlKind::TextBox, .name = "Text11", .rect = {0, 0, AmountWidth, LineHeight},
           .tabIndex = d.nextTab(), .flags = Hidden});
    constexpr int sideHeight = InsideHeight - BarThickness - StatusHeight;
    d.add({.kind = ControlKind::Toolbar, .name = "Toolbar1", .rect = {0, 0, InsideWidth, BarThickness}});
    d.add({.kind = ControlKind::Toolbar, .name = "Toolbar2", .rect = {0, BarThickness, BarThickness, sideHeight},
           .align = ui::Align::Left});
    d.add({.kind = ControlKind::Toolbar, .name = "Toolbar3",
           .rect = {InsideWidth - BarThickness, BarThickness, BarThickness, sideHeight}, .align = ui::Align::Right});
    d.add({.kind = ControlKind::StatusBar, .name = "StatusBar1",
           .rect = {0, InsideHeight - StatusHeight, InsideWidth, StatusHeight}, .font = LabelFont});
    // Shown at the window's activation, once it is placed.
    d.add({.kind = ControlKind::Panel, .name = "Panel3D1", .rect = MainPanel, .flags = Hidden});
}

// The command buttons in one row, each as wide as its caption needs, the
// room left shared out between them.
void AddCommandRow(Design& d) {
    struct Command {
        const char* name;
        const char* caption;
        int width;
        unsigned flags;
    };
    static constexpr Command commands[] = {
        {"Command1", "&Create", 810, None},          {"Command2", "&View", 690, None},
        {"Command5", "&Modify", 840, Disabled},      {"Command6", "&Save", 720, Disabled},
        {"Command4", "&Delete", 810, Disabled},      {"Command8", "C&alculate", 1050, Disabled},
        {"Command7", "&Print", 690, Disabled},       {"Command25", "S&pelling Check", 1500, Disabled},
        {"Command16", "S&earch", 870, None},         {"Command3", "E&xit", 600, None},
    };
    constexpr int inset = 75;
    d.add({.kind = ControlKind::Panel, .name = "SSPanel1", .parent = "Panel3D1",
           .rect = {Margin, CommandRowTop, ContentWidth, CommandRowHeight}});
    int widths = 0;
    for (const Command& c : commands) widths += c.width;
    constexpr int count = static_cast<int>(std::size(commands));
    const int gap = (ContentWidth - 2 * inset - widths) / (count - 1);
    int left = inset;
    for (const Command& c : commands) {
        d.button(c.name, -1, "SSPanel1", {left, inset - 15, c.width, CommandRowHeight - 2 * inset + 30}, c.caption,
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
    d.label("Label25", -1, "Panel3D1", {Margin, ChoiceLabelTop, TypeWidth, LabelHeight}, "Type:");
    d.combo("Combo1", -1, "Panel3D1", {Margin, ChoiceBoxTop, TypeWidth, ChoiceBoxHeight}, ComboStyle::DropDownCombo,
            "Recipe type", Sorted);
    d.add({.kind = ControlKind::Panel, .name = "SSPanel4", .parent = "Panel3D1",
           .rect = {(MainPanel.width - TitleWidth) / 2, ChoiceLabelTop, TitleWidth, LabelHeight + ChoiceBoxHeight},
           .caption = "Recipe Files", .font = TitleFont, .foreColor = Navy});
    d.label("Label1", NameCaption, "Panel3D1", {NameLeft, ChoiceLabelTop, IngredientWidth, LabelHeight},
            "Recipe Name:");
    const int list = d.nextTab();
    return {list, d.nextTab()};
}

void AddNameBoxes(Design& d, NameTabs tabs) {
    // The name box lies over the name list's text line.
    const Rect name{NameLeft, ChoiceBoxTop, IngredientWidth, ChoiceBoxHeight};
    // Its entries are index entries: the record number past the name never shows.
    d.combo("Combo2", -1, "Panel3D1", name, ComboStyle::SimpleCombo, "Recipe names", Sorted, tabs.list,
            EntryNumberFrom);
    d.box("Text8", -1, "Panel3D1", name, 40, "Recipe name", None, tabs.box);
}

void AddIngredientGrid(Design& d) {
    static constexpr const char* headings[] = {"Amount", "Unit", "Ingredient"};
    for (int column = 0; column < 2; ++column) {
        const int left = column == 0 ? Margin : RightColumn;
        const int offsets[] = {0, UnitOffset, IngredientOffset};
        const int widths[] = {AmountWidth, UnitWidth, IngredientWidth};
        for (int i = 0; i < 3; ++i)
            d.add({.kind = ControlKind::Label, .name = "Label1", .index = FirstHeading + 3 * column + i,
                   .parent = "Panel3D1", .rect = {left + offsets[i], HeadingTop, widths[i], LabelHeight},
                   .caption = headings[i], .font = HeadingFont, .foreColor = Navy, .flags = Transparent});
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
    const auto boxes = [&](const char* name, int offset, int width, int maxLength, const char* spoken, int tab) {
        for (int line = 0; line < C::LineCount; ++line)
            d.box(name, line, "Panel3D1", {LineLeft(line) + offset, LineTop(line), width, LineHeight}, maxLength,
                  d.keep(std::string(spoken) + ", line " + std::to_string(line + 1)), None,
                  tabs[static_cast<std::size_t>(line)] + tab);
    };
    const int top = LineTop(0);
    const auto pickList = [&](const char* name, int left, int width, const char* spoken) {
        d.add({.kind = ControlKind::ComboBox, .name = name, .parent = "Panel3D1",
               .rect = {left, top, width + PickListReach, LineHeight}, .font = BoxFont, .tabIndex = d.lastTab(),
               .flags = Hidden, .comboStyle = ComboStyle::DropDownList, .accessibleName = spoken});
    };
    boxes("Text5", IngredientOffset, IngredientWidth, 35, "Ingredient", 2);
    pickList("Combo5", Margin + UnitOffset, UnitWidth, "Units, singular");
    pickList("Combo6", Margin + UnitOffset, UnitWidth, "Units, plural");
    boxes("Text4", UnitOffset, UnitWidth, 10, "Unit", 1);
    pickList("Combo3", Margin, AmountWidth, "Fractions");
    boxes("Text1", 0, AmountWidth, 7, "Amount", 0);
}

// Directions under the left column; oven temperature, cooking time and
// yield under the right one, in the order Enter goes through them.
void AddDirectionsAndDetails(Design& d) {
    constexpr int lengthWidth = 600;
    constexpr int lengthCaptionWidth = 1900;
    d.label("Label1", DirectionsCaption, "Panel3D1", {Margin, DirectionsLabelTop, 1500, LabelHeight}, "Directions:");
    d.label("Label1", LengthCaption, "Panel3D1",
            {Margin + ColumnWidth - lengthWidth - lengthCaptionWidth, DirectionsLabelTop, lengthCaptionWidth,
             LabelHeight},
            "Length (Max. = 1000) :");
    d.add({.kind = ControlKind::Label, .name = "Label13", .parent = "Panel3D1",
           .rect = {Margin + ColumnWidth - lengthWidth, DirectionsLabelTop, lengthWidth, LabelHeight},
           .font = LabelFont, .foreColor = ui::colors::Black, .flags = Transparent});
    d.box("Text2", -1, "Panel3D1", {Margin, DirectionsTop, ColumnWidth, DirectionsHeight}, 1000, "Directions",
          MultiLine);

    const int boxLeft = RightColumn + IngredientOffset;
    const auto caption = [&](int index, int row, const char* text) {
        d.label("Label1", index, "Panel3D1",
                {RightColumn, DirectionsTop + row * DetailSpacing + LabelDrop, IngredientOffset, LabelHeight}, text);
    };
    const auto rowTop = [](int row) { return DirectionsTop + row * DetailSpacing; };
    caption(OvenCaption, 0, "Oven Temp.:");
    caption(CookingTimeCaption, 1, "Cooking Time:");
    caption(YieldCaption, 2, "Yield:");
    constexpr int shortWidth = 750;
    d.box("Text3", -1, "Panel3D1", {boxLeft, rowTop(0), shortWidth, LineHeight}, 4, "Oven temperature");
    d.box("Text7", -1, "Panel3D1", {boxLeft, rowTop(1), IngredientWidth, LineHeight}, 20, "Cooking time");
    d.box("Text6", -1, "Panel3D1", {boxLeft, rowTop(2), shortWidth, LineHeight}, 5, "Yield");
    constexpr int unitLeft = shortWidth + 90;
    d.combo("Combo4", -1, "Panel3D1", {boxLeft + unitLeft, rowTop(2), IngredientWidth - unitLeft, LineHeight},
            ComboStyle::DropDownCombo, "Yield unit", Sorted);
}

// The menus, top to bottom; "-" is a separator line.
constexpr MenuRow Menus[] = {
    {"mO", nullptr, "&Options"},
    {"mOC", "mO", "Panel C&olor"},
    {"", "mO", "-"},
    {"mOCB", "mO", "Select Cook&book"},
    {"mOCB1", "mOCB", "Cookbook #&1", 1},
    {"mOCB1", "mOCB", "Cookbook #&2", 2},
    {"mOCB1", "mOCB", "Cookbook #&3", 3},
    {"mOCB1", "mOCB", "Cookbook #&4", 4},
    {"mOCB1", "mOCB", "Cookbook #&5", 5},
    {"mOCB1", "mOCB", "Cookbook #&6", 6},
    {"mOCB1", "mOCB", "Cookbook #&7", 7},
    {"mOCB1", "mOCB", "Cookbook #&8", 8},
    {"", "mO", "-"},
    {"mOCBTle", "mO", "Cookbook &Titles"},
    {"", "mO", "-"},
    {"mOsr", "mO", "Searc&h"},
    {"", "mO", "-"},
    {"mOCr", "mO", "&Create Recipe"},
    {"mO1", "mO", "-"},
    {"mOV", "mO", "&View Recipe"},
    {"mOMo", "mO", "&Modify Recipe", -1, Disabled},
    {"mOChange", "mO", "Change Recipe &Name", -1, Disabled},
    {"mO2", "mO", "-"},
    {"mODel", "mO", "&Delete Recipe", -1, Disabled},
    {"mO3", "mO", "-"},
    {"mOCal", "mO", "C&alculate Amounts", -1, Disabled},
    {"mO8", "mO", "-"},
    // Offered only while the menu pops up at the mouse.
    {"mOCopy", "mO", "Cop&y", -1, Hidden},
    {"mOP", "mO", "&Print", -1, Disabled},
    {"mOSa", "mO", "&Save", -1, Disabled},
    {"mOSpell", "mO", "Spelling Chec&k", -1, Disabled},
    {"mO4", "mO", "-"},
    {"mOW", "mO", "Print &Worksheet"},
    {"", "mO", "-"},
    {"mOex", "mO", "&Export Recipe", -1, Disabled},
    {"mOIm", "mO", "&Import Recipe", -1, Disabled},
    {"", "mO", "-"},
    {"mOe", "mO", "E&xit"},
    {"mEdit", nullptr, "&Edit"},
    {"mOCo1", "mEdit", "&Copy", -1, Disabled},
    {"mU", nullptr, "&Utilities"},
    {"mUB", "mU", "&Backup Recipes to Disk"},
    {"mUR", "mU", "&Restore Recipes from Disk"},
    {"mH", nullptr, "&Help"},
};

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
    AddBars(d);
    AddCommandRow(d);
    const NameTabs nameTabs = AddChoiceRow(d);
    AddIngredientGrid(d);
    AddDirectionsAndDetails(d);
    AddNameBoxes(d, nameTabs);
    AddSidePanels(d);
    AddPrintPanels(d);
    AddSearchPanels(d);
    Build(form, d.rows(), Menus);

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

void BindForm5(const ui::Form& form, Form5Controls& c) {
    Bind(form, c.Image1, "Image1");
    Bind(form, c.Text11, "Text11");
    Bind(form, c.Toolbar1, "Toolbar1");
    Bind(form, c.Toolbar2, "Toolbar2");
    Bind(form, c.Toolbar3, "Toolbar3");
    Bind(form, c.StatusBar1, "StatusBar1");
    Bind(form, c.Panel3D1, "Panel3D1");
    Bind(form, c.Label25, "Label25");
    Bind(form, c.Combo1, "Combo1");
    Bind(form, c.SSPanel4, "SSPanel4");
    Bind(form, c.Combo2, "Combo2");
    Bind(form, c.Text8, "Text8");
    Bind(form, c.Label1, "Label1");
    Bind(form, c.SSPanel1, "SSPanel1");
    Bind(form, c.Command1, "Command1");
    Bind(form, c.Command2, "Command2");
    Bind(form, c.Command5, "Command5");
    Bind(form, c.Command6, "Command6");
    Bind(form, c.Command4, "Command4");
    Bind(form, c.Command8, "Command8");
    Bind(form, c.Command7, "Command7");
    Bind(form, c.Command25, "Command25");
    Bind(form, c.Command16, "Command16");
    Bind(form, c.Command3, "Command3");
    Bind(form, c.Text1, "Text1");
    Bind(form, c.Text4, "Text4");
    Bind(form, c.Text5, "Text5");
    Bind(form, c.Combo3, "Combo3");
    Bind(form, c.Combo5, "Combo5");
    Bind(form, c.Combo6, "Combo6");
    Bind(form, c.Text2, "Text2");
    Bind(form, c.Label13, "Label13");
    Bind(form, c.Text3, "Text3");
    Bind(form, c.Text7, "Text7");
    Bind(form, c.Text6, "Text6");
    Bind(form, c.Combo4, "Combo4");

    Bind(form, c.mO, "mO");
    Bind(form, c.mOC, "mOC");
    Bind(form, c.mOCB, "mOCB");
    Bind(form, c.mOCB1, "mOCB1", 1);
    Bind(form, c.mOCBTle, "mOCBTle");
    Bind(form, c.mOsr, "mOsr");
    Bind(form, c.mOCr, "mOCr");
    Bind(form, c.mO1, "mO1");
    Bind(form, c.mOV, "mOV");
    Bind(form, c.mOMo, "mOMo");
    Bind(form, c.mOChange, "mOChange");
    Bind(form, c.mO2, "mO2");
    Bind(form, c.mODel, "mODel");
    Bind(form, c.mO3, "mO3");
    Bind(form, c.mOCal, "mOCal");
    Bind(form, c.mO8, "mO8");
    Bind(form, c.mOCopy, "mOCopy");
    Bind(form, c.mOP, "mOP");
    Bind(form, c.mOSa, "mOSa");
    Bind(form, c.mOSpell, "mOSpell");
    Bind(form, c.mO4, "mO4");
    Bind(form, c.mOW, "mOW");
    Bind(form, c.mOex, "mOex");
    Bind(form, c.mOIm, "mOIm");
    Bind(form, c.mOe, "mOe");
    Bind(form, c.mEdit, "mEdit");
    Bind(form, c.mOCo1, "mOCo1");
    Bind(form, c.mU, "mU");
    Bind(form, c.mUB, "mUB");
    Bind(form, c.mUR, "mUR");
    Bind(form, c.mH, "mH");
    BindSidePanels(form, c);
    BindPrintPanels(form, c);
    BindSearchPanels(form, c);
}

}  // namespace recipes
