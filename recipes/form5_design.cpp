// The recipe window's controls and menus, as designed for the smaller screen
// display; in full screen display the window scales them.
#include <array>
#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "platform/ui/design.h"
#include "printing/preview_panel_design.h"
#include "recipes/form5_controls.h"
#include "recipes/store/recipe_index_entry.h"

namespace recipes {

using ui::ComboStyle;
using ui::ControlKind;
using namespace ui::design;

// The design tables are laid out by hand, a control to a row.
// clang-format off
namespace {

using C = Form5Controls;

const ui::Font LabelFont{"Arial", 8.25, true};
const ui::Font ButtonFont{"Arial", 8.25, true};
const ui::Font SmallButtonFont{"Arial", 6.75, true};
const ui::Font BoxFont{"Arial", 9};
const ui::Font OptionFont{"Arial", 8.25};
const ui::Font HeadingFont{"Arial", 8.25};
const ui::Font TitleFont{"Arial", 12, true};
const ui::Font PanelTitleFont{"Arial", 9.75, true};
constexpr ui::OleColor Navy = ui::Rgb(0, 0, 128);
constexpr ui::OleColor Maroon = ui::Rgb(128, 0, 0);

// The inside of a 12000 by 9000 twip window below its menu bar, with the
// desktop's usual frame.
constexpr int InsideWidth = 11880;
constexpr int InsideHeight = 8235;
constexpr int BarThickness = 420;
constexpr int StatusHeight = 300;

// The main panel, where the window's activation centres it between the bars.
constexpr Rect MainPanel{630, 555, 10680, 7290};
constexpr int Margin = 150;
constexpr int ContentWidth = MainPanel.width - 2 * Margin;

// The ingredient grid: two columns of ten lines, each line an amount, a
// unit and an ingredient box, close enough together that a pick list's
// button, right of its box, reaches over the next one.
constexpr int ColumnGap = 300;
constexpr int ColumnWidth = (ContentWidth - ColumnGap) / 2;
constexpr int AmountWidth = 600;
constexpr int UnitWidth = 1000;
constexpr int BoxGap = 30;
constexpr int UnitOffset = AmountWidth + BoxGap;
constexpr int IngredientOffset = UnitOffset + UnitWidth + BoxGap;
constexpr int IngredientWidth = ColumnWidth - IngredientOffset;
constexpr int RightColumn = Margin + ColumnWidth + ColumnGap;
constexpr int LineHeight = 315;
constexpr int LineSpacing = 360;
constexpr int PickListReach = 275;  // how far a pick list reaches right of its box
constexpr int LabelHeight = 240;
constexpr int OptionHeight = 225;
constexpr int LabelDrop = 45;  // a label beside a box sits this much lower, on the box's text line

// Rows from the top of the main panel.
constexpr int CommandRowTop = 180;
constexpr int CommandRowHeight = 495;
constexpr int ChoiceLabelTop = CommandRowTop + CommandRowHeight + 135;
constexpr int ChoiceBoxTop = ChoiceLabelTop + LabelHeight;
constexpr int ChoiceBoxHeight = 360;
constexpr int HeadingTop = ChoiceBoxTop + ChoiceBoxHeight + 120;
constexpr int FirstLineTop = HeadingTop + LabelHeight + 15;
constexpr int DirectionsLabelTop = FirstLineTop + 9 * LineSpacing + LineHeight + 135;
constexpr int DirectionsTop = DirectionsLabelTop + LabelHeight;
constexpr int DetailSpacing = 525;
constexpr int DirectionsHeight = 2 * DetailSpacing + LineHeight;

// The name box and the name list lie over the right column's ingredients;
// the type box and the mode title share their row.
constexpr int NameLeft = RightColumn + IngredientOffset;
constexpr int TypeWidth = IngredientWidth;
constexpr int TitleWidth = 3020;

// Indexes of Label1, the captions without a name of their own.
enum Label1Index {
    NameCaption = 0,
    FirstHeading = 1,  // amount, unit and ingredient over the left column, then over the right one
    DirectionsCaption = 7,
    LengthCaption = 8,
    OvenCaption = 9,
    CookingTimeCaption = 10,
    YieldCaption = 11,
    CurrentNameCaption = 12,
    NewNameCaption = 13,
    CurrentYieldCaption = 14,
    NewYieldCaption = 15,
    CalculatorNote = 16,
    SearchWordsCaption = 17,
    FirstTitleCaption = 18,  // one for each cookbook
};

// Indexes of Label81, the captions of the recipe picks.
enum Label81Index {
    PageOneCaption = 0,
    TopCaption = 1,
    BottomCaption = 2,
    FirstNextPageCaption = 3,  // pages two to five
    FirstTypeCaption = 7,      // one for each slot
    FirstRecipeCaption = 17,   // one for each slot
};

static_assert(FirstTitleCaption + C::CookbookCount == std::tuple_size_v<decltype(C::Label1)>);
static_assert(FirstRecipeCaption + C::PickSlotCount == std::tuple_size_v<decltype(C::Label81)>);

int LineLeft(int line) { return line < C::LinesPerColumn ? Margin : RightColumn; }
int LineTop(int line) { return FirstLineTop + (line % C::LinesPerColumn) * LineSpacing; }

// The lines in the order Enter and Tab go through them: across the grid's
// row, then down to the next row.
std::vector<int> EnterOrder() {
    std::vector<int> lines;
    for (int row = 0; row < C::LinesPerColumn; ++row) {
        lines.push_back(row);
        lines.push_back(row + C::LinesPerColumn);
    }
    return lines;
}

// The rows of the design and the texts they point to, kept until built.
class Design {
public:
    const char* keep(std::string text) { return texts_.emplace_back(std::move(text)).c_str(); }
    int nextTab() { return tab_++; }
    // A tab stop after all the others.
    int lastTab() { return LastTabs + lastTab_++; }
    void add(const ControlRow& row) { rows_.push_back(row); }
    void addPreviewPanel(const printing::PreviewPanelDesign& design) {
        printing::AddPreviewPanelRows(rows_, design, tab_);
    }
    void addPreviewPanelTop(const printing::PreviewPanelDesign& design) {
        printing::AddPreviewPanelTopRows(rows_, design, tab_);
    }

    void label(const char* name, int index, const char* parent, Rect rect, const char* caption) {
        add({.kind = ControlKind::Label, .name = name, .index = index, .parent = parent, .rect = rect,
             .caption = caption, .font = LabelFont, .foreColor = Navy, .flags = Transparent});
    }
    // A label that shows a value, looking like a box that cannot be typed in.
    void valueLabel(const char* name, const char* parent, Rect rect) {
        add({.kind = ControlKind::Label, .name = name, .parent = parent, .rect = rect, .font = BoxFont,
             .foreColor = ui::colors::WindowText, .backColor = ui::colors::WindowBackground});
    }
    void button(const char* name, int index, const char* parent, Rect rect, const char* caption,
                unsigned flags = None) {
        add({.kind = ControlKind::CommandButton, .name = name, .index = index, .parent = parent, .rect = rect,
             .caption = caption, .font = ButtonFont, .tabIndex = nextTab(), .flags = flags});
    }
    // A tab stop taken now for a control added later; -1 for the next one.
    void box(const char* name, int index, const char* parent, Rect rect, int maxLength, const char* spoken,
             unsigned flags = None, int tab = -1) {
        add({.kind = ControlKind::TextBox, .name = name, .index = index, .parent = parent, .rect = rect,
             .font = BoxFont, .tabIndex = tab < 0 ? nextTab() : tab, .flags = flags, .maxLength = maxLength,
             .accessibleName = spoken});
    }
    void combo(const char* name, int index, const char* parent, Rect rect, ComboStyle style, const char* spoken,
               unsigned flags = None, int tab = -1, int shownLength = 0) {
        add({.kind = ControlKind::ComboBox, .name = name, .index = index, .parent = parent, .rect = rect,
             .font = BoxFont, .tabIndex = tab < 0 ? nextTab() : tab, .flags = flags, .comboStyle = style,
             .accessibleName = spoken, .shownLength = shownLength});
    }
    // A panel that opens over the window and is hidden until then.
    void sidePanel(const char* name, const char* parent, Rect rect, const char* caption) {
        add({.kind = ControlKind::Panel, .name = name, .parent = parent, .rect = rect, .caption = caption,
             .font = PanelTitleFont, .foreColor = Navy, .flags = Hidden});
    }

    const std::vector<ControlRow>& rows() const { return rows_; }

private:
    std::vector<ControlRow> rows_;
    std::deque<std::string> texts_;
    static constexpr int LastTabs = 1000;
    int tab_ = 0;
    int lastTab_ = 0;
};

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

// Side panels over the main panel, each hidden until its command opens it.
void AddRecipeNames(Design& d) {
    d.sidePanel("SSPanel3", "Panel3D1", {NameLeft, HeadingTop, IngredientWidth, 3870}, "Current Recipe Names");
    d.add({.kind = ControlKind::ListBox, .name = "List1", .parent = "SSPanel3",
           .rect = {60, 390, IngredientWidth - 120, 3420}, .font = BoxFont, .tabIndex = d.nextTab(),
           .flags = Sorted, .accessibleName = "Current recipe names", .shownLength = EntryNumberFrom});
}

void AddSearchOptions(Design& d) {
    constexpr int width = 3900;
    d.sidePanel("SSPanel6", "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop, width, 2220}, "Search Options");
    d.button("Command11", -1, "SSPanel6", {300, 480, width - 600, 405}, "Search by &Recipe");
    d.button("Command12", -1, "SSPanel6", {300, 1005, width - 600, 405}, "Search by &Ingredient");
    d.button("Command18", -1, "SSPanel6", {300, 1530, width - 600, 405}, "Ca&ncel");
}

void AddAmountCalculator(Design& d) {
    constexpr int top = DirectionsLabelTop - 105;
    d.sidePanel("SSPanel5", "Panel3D1", {Margin, top, ContentWidth, MainPanel.height - Margin - top},
                "Recipe Amount Calculator");
    constexpr int valueLeft = 2100, valueWidth = 900, unitLeft = 3090, unitWidth = 1800;
    d.label("Label1", CurrentYieldCaption, "SSPanel5", {300, 480 + LabelDrop, 1700, LabelHeight},
            "Current Yield Is:");
    d.valueLabel("Label20", "SSPanel5", {valueLeft, 480, valueWidth, LineHeight});
    d.valueLabel("Label21", "SSPanel5", {unitLeft, 480, unitWidth, LineHeight});
    d.label("Label1", NewYieldCaption, "SSPanel5", {300, 900 + LabelDrop, 1700, LabelHeight}, "Change Yield To:");
    d.box("Text9", -1, "SSPanel5", {valueLeft, 900, valueWidth, LineHeight}, 5, "New yield");
    d.valueLabel("Label24", "SSPanel5", {unitLeft, 900, unitWidth, LineHeight});
    d.button("Command9", -1, "SSPanel5", {300, 1320, 2700, 405}, "Calculate New &Amounts");
    d.button("Command10", -1, "SSPanel5", {3090, 1320, 1800, 405}, "&Close");
    d.add({.kind = ControlKind::Label, .name = "Label1", .index = CalculatorNote, .parent = "SSPanel5",
           .rect = {5250, 480, ContentWidth - 5250 - 300, 1245},
           .caption = "Note: Unless you save the Recipe after making these changes the Amount and Yield Information "
                      "will remain the same as originally displayed, the next time you view this Recipe.",
           .font = LabelFont, .foreColor = Maroon, .flags = Transparent});
}

void AddRename(Design& d) {
    constexpr int width = 6600;
    constexpr int boxLeft = 2550;
    d.sidePanel("SSPanel10", "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop, width, 2400},
                "\rRecipe Name Change");
    d.label("Label1", CurrentNameCaption, "SSPanel10", {300, 660 + LabelDrop, 2200, LabelHeight},
            "Current Recipe Name:");
    d.box("Text15", -1, "SSPanel10", {boxLeft, 660, width - boxLeft - 300, LineHeight}, 0, "Current recipe name",
          Locked);
    d.label("Label1", NewNameCaption, "SSPanel10", {300, 1110 + LabelDrop, 2200, LabelHeight},
            "Change Recipe Name To:");
    d.box("Text16", -1, "SSPanel10", {boxLeft, 1110, width - boxLeft - 300, LineHeight}, 40, "New recipe name");
    constexpr int saveWidth = 2700, cancelWidth = 1200, buttonGap = 150;
    constexpr int buttonsLeft = (width - saveWidth - buttonGap - cancelWidth) / 2;
    d.button("Command23", -1, "SSPanel10", {buttonsLeft, 1710, saveWidth, 405}, "Save Changed Recipe Name");
    d.button("Command24", -1, "SSPanel10", {buttonsLeft + saveWidth + buttonGap, 1710, cancelWidth, 405}, "Cancel");
}

void AddCookbookTitles(Design& d) {
    constexpr int width = 6000, rowSpacing = 405, firstRow = 540, boxLeft = 1950;
    d.sidePanel("SSPanel12", "Panel3D1", {(MainPanel.width - width) / 2, HeadingTop, width, 4500}, "Cookbook Titles");
    for (int i = 0; i < C::CookbookCount; ++i) {
        const int top = firstRow + i * rowSpacing;
        d.label("Label1", FirstTitleCaption + i, "SSPanel12", {300, top + LabelDrop, boxLeft - 350, LabelHeight},
                d.keep("Cookbook # " + std::to_string(i + 1) + " -"));
        d.box("Text17", i, "SSPanel12", {boxLeft, top, width - boxLeft - 300, LineHeight}, 30,
              d.keep("Title of cookbook " + std::to_string(i + 1)));
    }
    constexpr int buttonsTop = firstRow + C::CookbookCount * rowSpacing + 165;
    d.button("SSCommand3", -1, "SSPanel12", {boxLeft, buttonsTop, 1200, 405}, "&Close");
    d.button("SSCommand4", -1, "SSPanel12", {boxLeft + 1350, buttonsTop, width - boxLeft - 1350 - 300, 405},
             "&Save Changes and Close");
}

void AddConversionNotice(Design& d) {
    constexpr int width = 6000;
    d.sidePanel("SSPanel11", "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop + 600, width, 1800}, "");
    d.add({.kind = ControlKind::Label, .name = "Label11", .parent = "SSPanel11", .rect = {300, 240, width - 600, 720},
           .caption = "Recipe function has found an older recipe data base Converion to New Database is in Progress",
           .font = PanelTitleFont, .foreColor = Navy, .flags = Transparent});
    d.add({.kind = ControlKind::ProgressBar, .name = "ProgressBar1", .parent = "SSPanel11",
           .rect = {300, 1140, width - 600, LineHeight}});
}

// The print preview's panel: the common controls down its left side and the
// page beside them, then the recipe window's own print options.
void AddPrintPreview(Design& d) {
    d.addPreviewPanel(RecipePreviewDesign);
    static constexpr const char* layouts[] = {"Full Page Printout (2 Column Ingred.)",
                                              "Full Page Printout (1 Column Ingred.)", "Top Half of Page Printout",
                                              "Bottom Half of Page Printout"};
    for (int i = 0; i < 4; ++i)
        d.add({.kind = ControlKind::OptionButton, .name = "SSOption83", .index = i, .parent = "SSFrame80",
               .parentIndex = printing::PrintOptionsFrame, .rect = {150, 250 + i * 230, 3000, OptionHeight},
               .caption = layouts[i], .font = OptionFont, .tabIndex = d.nextTab(), .flags = i == 0 ? Checked : None});
    d.add({.kind = ControlKind::Frame, .name = "Frame2", .parent = "SSPanel80", .rect = {195, 1835, 3240, 560},
           .font = LabelFont, .foreColor = Navy});
    static constexpr const char* amounts[] = {"Print Amounts as Fractions (1/4)", "Print Amounts as Decimals (.25)"};
    for (int i = 0; i < 2; ++i)
        d.add({.kind = ControlKind::OptionButton, .name = "SSOption80", .index = i, .parent = "Frame2",
               .rect = {150, 60 + i * 230, 3000, OptionHeight}, .caption = amounts[i], .font = OptionFont,
               .tabIndex = d.nextTab(), .flags = i == 0 ? Checked : None});
    d.addPreviewPanelTop(RecipePreviewDesign);
}

// Up to ten more recipes to print, two to a page, over the whole preview.
void AddRecipePicks(Design& d) {
    d.sidePanel("SSPanel13", "SSPanel80", {0, 0, 9570, 7200}, "Select Additional Recipes");
    d.label("Label81", PageOneCaption, "SSPanel13", {160, 500, 2000, LabelHeight}, "Page One Recipes:");
    d.label("Label81", TopCaption, "SSPanel13", {2900, 500, 1000, LabelHeight}, "Top");
    d.label("Label81", BottomCaption, "SSPanel13", {7000, 500, 1000, LabelHeight}, "Bottom");
    for (int page = 1; page < C::PickSlotCount / 2; ++page)
        d.label("Label81", FirstNextPageCaption + page - 1, "SSPanel13", {160, 500 + page * 1200, 2000, LabelHeight},
                "Next Page Recipes:");
    for (int slot = 0; slot < C::PickSlotCount; ++slot) {
        const bool top = slot % 2 == 0;
        const int listLeft = top ? 2175 : 6200;
        const int captionLeft = top ? 945 : 5000;
        const int typeTop = 800 + (slot / 2) * 1200;
        const std::string where = "page " + std::to_string(slot / 2 + 1) + (top ? ", top" : ", bottom");
        d.label("Label81", FirstTypeCaption + slot, "SSPanel13", {captionLeft, typeTop + LabelDrop, 1100, LabelHeight},
                "Type:");
        d.combo("Combo8", slot, "SSPanel13", {listLeft, typeTop, 2800, 315}, ComboStyle::DropDownCombo,
                d.keep("Recipe type, " + where));
        d.label("Label81", FirstRecipeCaption + slot, "SSPanel13",
                {captionLeft, typeTop + 400 + LabelDrop, 1100, LabelHeight}, "Recipe:");
        d.combo("Combo9", slot, "SSPanel13", {listLeft, typeTop + 400, 2800, 315}, ComboStyle::DropDownList,
                d.keep("Recipe, " + where), None, -1, EntryNumberFrom);
    }
    d.button("SSCommand5", -1, "SSPanel13", {2000, 6630, 2200, 405}, "&Print Preview");
    d.button("SSCommand6", -1, "SSPanel13", {5300, 6630, 2200, 405}, "&Cancel");
}

// The search panels take the main panel's place: the words above, the
// buttons under them, the count of matches under those and the results
// below, where a notice shows instead when nothing matched.
constexpr int SearchMargin = 600;

struct SearchResults {
    const char* grid;
    const char* spoken;  // what a screen reader calls the grid
    const char* buttons[4][2];  // name and caption
    const char* count;
    const char* noMatch;
    const char* noMatchCaption;
};

void AddSearchResults(Design& d, const char* parent, int top, const SearchResults& results) {
    constexpr int gap = 200;
    constexpr int buttonWidth = (MainPanel.width - 2 * SearchMargin - 3 * gap) / 4;
    for (int i = 0; i < 4; ++i)
        d.button(results.buttons[i][0], -1, parent, {SearchMargin + i * (buttonWidth + gap), top, buttonWidth, 405},
                 results.buttons[i][1]);
    constexpr int countWidth = 6000;
    d.add({.kind = ControlKind::Label, .name = results.count, .parent = parent,
           .rect = {(MainPanel.width - countWidth) / 2, top + 600, countWidth, LabelHeight}, .font = LabelFont,
           .foreColor = Navy, .flags = Transparent | Hidden});
    constexpr int noticeWidth = 5400, noticeHeight = 600;
    const int resultsTop = top + 960;
    // The results take the room below; the notice shows there instead when nothing matched.
    d.add({.kind = ControlKind::Grid, .name = results.grid, .parent = parent,
           .rect = {SearchMargin, resultsTop, MainPanel.width - 2 * SearchMargin,
                    MainPanel.height - resultsTop - SearchMargin},
           .font = BoxFont, .tabIndex = d.nextTab(), .flags = Hidden, .accessibleName = results.spoken});
    const int noticeTop = resultsTop + (MainPanel.height - resultsTop - noticeHeight) / 2;
    d.add({.kind = ControlKind::Panel, .name = results.noMatch, .parent = parent,
           .rect = {(MainPanel.width - noticeWidth) / 2, noticeTop, noticeWidth, noticeHeight},
           .caption = results.noMatchCaption, .font = PanelTitleFont, .foreColor = Maroon,
           .flags = Hidden});
}

void AddNameSearch(Design& d) {
    d.sidePanel("SSPanel2", nullptr, MainPanel, "Search Files by Recipe");
    constexpr int boxLeft = 3300;
    d.label("Label1", SearchWordsCaption, "SSPanel2", {SearchMargin, 660 + LabelDrop, 2600, LabelHeight},
            "Enter Search Word(s):");
    d.box("Text10", -1, "SSPanel2", {boxLeft, 660, MainPanel.width - boxLeft - SearchMargin, LineHeight}, 0,
          "Search words");
    AddSearchResults(d, "SSPanel2", 1140,
                     {"Grid1", "Recipes found by name",
                      {{"Command14", "&Search"},
                       {"Command17", "View &All Recipes"},
                       {"Command15", "&View Selected Recipe"},
                       {"Command13", "&Close"}},
                      "Label32",
                      "SSPanel7",
                      "No Matching Recipes were found!"});
}

void AddIngredientSearch(Design& d) {
    d.sidePanel("SSPanel8", nullptr, MainPanel, "Search Recipes by Ingredient");
    constexpr int boxLeft = 3300, boxWidth = 3900, optionalLeft = boxLeft + boxWidth + 120;
    d.label("Label4", -1, "SSPanel8", {SearchMargin, 660 + LabelDrop, 2600, LabelHeight},
            "Enter Search Ingredient(s) -");
    d.box("Text12", -1, "SSPanel8", {boxLeft, 660, boxWidth, LineHeight}, 35, "First search ingredient");
    d.box("Text13", -1, "SSPanel8", {boxLeft, 1050, boxWidth, LineHeight}, 35, "Second search ingredient");
    d.box("Text14", -1, "SSPanel8", {boxLeft, 1440, boxWidth, LineHeight}, 35, "Third search ingredient");
    d.label("Label8", -1, "SSPanel8", {optionalLeft, 1050 + LabelDrop, 1200, LabelHeight}, "(Optional)");
    d.label("Label9", -1, "SSPanel8", {optionalLeft, 1440 + LabelDrop, 1200, LabelHeight}, "(Optional)");
    // The two options between all and any of the words go into the frame.
    d.add({.kind = ControlKind::Frame, .name = "Frame1", .parent = "SSPanel8",
           .rect = {SearchMargin, 1950, 4500, 960}, .caption = "Multi-Ingredient Options", .font = LabelFont,
           .foreColor = Navy});
    const char* options[] = {"Must contain All Ingredients", "At least One of the Ingredients"};
    for (int i = 0; i < 2; ++i)
        d.add({.kind = ControlKind::OptionButton, .name = "SSOption1", .index = i, .parent = "Frame1",
               .rect = {240, 300 + 300 * i, 4100, 270}, .caption = options[i], .font = LabelFont,
               .tabIndex = d.nextTab()});
    d.label("Label3", -1, "SSPanel8", {5400, 2070, 4200, LabelHeight}, "Select Type of Recipe - If Desired -");
    d.combo("Combo7", -1, "SSPanel8", {5400, 2340, 3600, 360}, ComboStyle::DropDownCombo, "Recipe type to search",
            Sorted);
    AddSearchResults(d, "SSPanel8", 3150,
                     {"Grid2", "Recipes found by ingredient",
                      {{"Command19", "&Search By Type"},
                       {"Command22", "Search &All Recipes"},
                       {"Command20", "&View Selected Recipe"},
                       {"Command21", "&Close"}},
                      "Label7",
                      "SSPanel9",
                      "No Matching Ingredients were found!"});
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
    AddRecipeNames(d);
    AddSearchOptions(d);
    AddAmountCalculator(d);
    AddRename(d);
    AddCookbookTitles(d);
    AddConversionNotice(d);
    AddPrintPreview(d);
    AddRecipePicks(d);
    AddNameSearch(d);
    AddIngredientSearch(d);
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
    Bind(form, c.SSPanel3, "SSPanel3");
    Bind(form, c.List1, "List1");
    Bind(form, c.SSPanel6, "SSPanel6");
    Bind(form, c.Command11, "Command11");
    Bind(form, c.Command12, "Command12");
    Bind(form, c.Command18, "Command18");
    Bind(form, c.SSPanel5, "SSPanel5");
    Bind(form, c.Label20, "Label20");
    Bind(form, c.Label21, "Label21");
    Bind(form, c.Text9, "Text9");
    Bind(form, c.Label24, "Label24");
    Bind(form, c.Command9, "Command9");
    Bind(form, c.Command10, "Command10");
    Bind(form, c.SSPanel10, "SSPanel10");
    Bind(form, c.Text15, "Text15");
    Bind(form, c.Text16, "Text16");
    Bind(form, c.Command23, "Command23");
    Bind(form, c.Command24, "Command24");
    Bind(form, c.SSPanel12, "SSPanel12");
    Bind(form, c.Text17, "Text17");
    Bind(form, c.SSCommand3, "SSCommand3");
    Bind(form, c.SSCommand4, "SSCommand4");
    Bind(form, c.SSPanel11, "SSPanel11");
    Bind(form, c.Label11, "Label11");
    Bind(form, c.ProgressBar1, "ProgressBar1");
    Bind(form, c.SSPanel80, "SSPanel80");
    Bind(form, c.SSCommand80, "SSCommand80");
    Bind(form, c.Frame2, "Frame2");
    Bind(form, c.SSOption83, "SSOption83");
    Bind(form, c.SSOption80, "SSOption80");
    Bind(form, c.SSPanel13, "SSPanel13");
    Bind(form, c.Combo8, "Combo8");
    Bind(form, c.Combo9, "Combo9");
    Bind(form, c.Label81, "Label81");
    Bind(form, c.SSCommand5, "SSCommand5");
    Bind(form, c.SSCommand6, "SSCommand6");
    Bind(form, c.SSPanel2, "SSPanel2");
    Bind(form, c.Text10, "Text10");
    Bind(form, c.Command14, "Command14");
    Bind(form, c.Command17, "Command17");
    Bind(form, c.Command15, "Command15");
    Bind(form, c.Command13, "Command13");
    Bind(form, c.Label32, "Label32");
    Bind(form, c.Grid1, "Grid1");
    Bind(form, c.Grid2, "Grid2");
    Bind(form, c.SSPanel7, "SSPanel7");
    Bind(form, c.SSPanel8, "SSPanel8");
    Bind(form, c.Label4, "Label4");
    Bind(form, c.Text12, "Text12");
    Bind(form, c.Text13, "Text13");
    Bind(form, c.Text14, "Text14");
    Bind(form, c.Label8, "Label8");
    Bind(form, c.Label9, "Label9");
    Bind(form, c.Frame1, "Frame1");
    Bind(form, c.SSOption1, "SSOption1");
    Bind(form, c.Label3, "Label3");
    Bind(form, c.Combo7, "Combo7");
    Bind(form, c.Command19, "Command19");
    Bind(form, c.Command22, "Command22");
    Bind(form, c.Command20, "Command20");
    Bind(form, c.Command21, "Command21");
    Bind(form, c.Label7, "Label7");
    Bind(form, c.SSPanel9, "SSPanel9");

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
}

}  // namespace recipes
