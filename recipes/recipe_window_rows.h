#pragma once
// What the recipe window's design tables share: the house fonts and
// colours, the main panel's geometry, the caption indexes, and the row
// builder. The window's own rows and each panel's rows use it.
#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/design.h"
#include "printing/preview_panel_design.h"
#include "recipes/recipe_window_controls.h"

namespace recipes::rows {

using ui::ComboStyle;
using namespace ui::design;
using C = Form5Controls;
using R = Row<Form5Controls>;

// The design tables are laid out by hand, a control to a row.
// clang-format off
inline const ui::Font LabelFont{"Arial", 8.25, true};
inline const ui::Font ButtonFont{"Arial", 8.25, true};
inline const ui::Font SmallButtonFont{"Arial", 6.75, true};
inline const ui::Font BoxFont{"Arial", 9};
inline const ui::Font OptionFont{"Arial", 8.25};
inline const ui::Font HeadingFont{"Arial", 8.25};
inline const ui::Font TitleFont{"Arial", 12, true};
inline const ui::Font PanelTitleFont{"Arial", 9.75, true};
inline constexpr ui::OleColor Navy = ui::Rgb(0, 0, 128);
inline constexpr ui::OleColor Maroon = ui::Rgb(128, 0, 0);

// The inside of a 12000 by 9000 twip window below its menu bar, with the
// desktop's usual frame.
inline constexpr int InsideWidth = 11880;
inline constexpr int InsideHeight = 8235;
inline constexpr int BarThickness = 420;
inline constexpr int StatusHeight = 300;

// The main panel, where the window's activation centres it between the bars.
inline constexpr Rect MainPanel{630, 555, 10680, 7290};
inline constexpr int Margin = 150;
inline constexpr int ContentWidth = MainPanel.width - 2 * Margin;

// The ingredient grid: two columns of ten lines, each line an amount, a
// unit and an ingredient box, close enough together that a pick list's
// button, right of its box, reaches over the next one.
inline constexpr int ColumnGap = 300;
inline constexpr int ColumnWidth = (ContentWidth - ColumnGap) / 2;
inline constexpr int AmountWidth = 600;
inline constexpr int UnitWidth = 1000;
inline constexpr int BoxGap = 30;
inline constexpr int UnitOffset = AmountWidth + BoxGap;
inline constexpr int IngredientOffset = UnitOffset + UnitWidth + BoxGap;
inline constexpr int IngredientWidth = ColumnWidth - IngredientOffset;
inline constexpr int RightColumn = Margin + ColumnWidth + ColumnGap;
inline constexpr int LineHeight = 315;
inline constexpr int LineSpacing = 360;
inline constexpr int PickListReach = 275;  // how far a pick list reaches right of its box
inline constexpr int LabelHeight = 240;
inline constexpr int OptionHeight = 225;
inline constexpr int LabelDrop = 45;  // a label beside a box sits this much lower, on the box's text line

// Rows from the top of the main panel.
inline constexpr int CommandRowTop = 180;
inline constexpr int CommandRowHeight = 495;
inline constexpr int ChoiceLabelTop = CommandRowTop + CommandRowHeight + 135;
inline constexpr int ChoiceBoxTop = ChoiceLabelTop + LabelHeight;
inline constexpr int ChoiceBoxHeight = 360;
inline constexpr int HeadingTop = ChoiceBoxTop + ChoiceBoxHeight + 120;
inline constexpr int FirstLineTop = HeadingTop + LabelHeight + 15;
inline constexpr int DirectionsLabelTop = FirstLineTop + 9 * LineSpacing + LineHeight + 135;
inline constexpr int DirectionsTop = DirectionsLabelTop + LabelHeight;
inline constexpr int DetailSpacing = 525;
inline constexpr int DirectionsHeight = 2 * DetailSpacing + LineHeight;

// The name box and the name list lie over the right column's ingredients;
// the type box and the mode title share their row.
inline constexpr int NameLeft = RightColumn + IngredientOffset;
inline constexpr int TypeWidth = IngredientWidth;
inline constexpr int TitleWidth = 3020;

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

inline int LineLeft(int line) { return line < C::LinesPerColumn ? Margin : RightColumn; }
inline int LineTop(int line) { return FirstLineTop + (line % C::LinesPerColumn) * LineSpacing; }

// The lines in the order Enter and Tab go through them: across the grid's
// row, then down to the next row.
inline std::vector<int> EnterOrder() {
    std::vector<int> lines;
    for (int row = 0; row < C::LinesPerColumn; ++row) {
        lines.push_back(row);
        lines.push_back(row + C::LinesPerColumn);
    }
    return lines;
}

// The rows of the design and the texts they point to, kept until built and
// bound. Each row names the member it fills, of the window's controls or of
// a panel's (Form5Controls derives from them all).
class Design {
public:
    const char* keep(std::string text) { return texts_.emplace_back(std::move(text)).c_str(); }
    int nextTab() { return tab_++; }
    // A tab stop after all the others.
    int lastTab() { return LastTabs + lastTab_++; }
    void add(R row) { rows_.push_back(std::move(row)); }
    void addPreviewPanel(const printing::PreviewPanelDesign& design) {
        for (const printing::PreviewPanelRow& row : printing::PreviewPanelRows(design, tab_)) add(WindowsToo(row));
    }
    void addPreviewPanelTop(const printing::PreviewPanelDesign& design) {
        for (const printing::PreviewPanelRow& row : printing::PreviewPanelTopRows(design, tab_)) add(WindowsToo(row));
    }

    template <class M>
    void label(M member, int index, const char* parent, Rect rect, const char* caption) {
        add({member, {.index = index, .parent = parent, .rect = rect, .caption = caption, .font = LabelFont,
                      .foreColor = Navy, .flags = Transparent}});
    }
    // A label that shows a value, looking like a box that cannot be typed in.
    template <class M>
    void valueLabel(M member, const char* parent, Rect rect) {
        add({member, {.parent = parent, .rect = rect, .font = BoxFont, .foreColor = ui::colors::WindowText,
                      .backColor = ui::colors::WindowBackground}});
    }
    template <class M>
    void button(M member, int index, const char* parent, Rect rect, const char* caption, unsigned flags = None) {
        add({member, {.index = index, .parent = parent, .rect = rect, .caption = caption, .font = ButtonFont,
                      .tabIndex = nextTab(), .flags = flags}});
    }
    // A tab stop taken now for a control added later; -1 for the next one.
    template <class M>
    void box(M member, int index, const char* parent, Rect rect, int maxLength, const char* spoken,
             unsigned flags = None, int tab = -1) {
        add({member, {.index = index, .parent = parent, .rect = rect, .font = BoxFont,
                      .tabIndex = tab < 0 ? nextTab() : tab, .flags = flags, .maxLength = maxLength,
                      .accessibleName = spoken}});
    }
    template <class M>
    void combo(M member, int index, const char* parent, Rect rect, ComboStyle style, const char* spoken,
               unsigned flags = None, int tab = -1, int shownLength = 0) {
        add({member, {.index = index, .parent = parent, .rect = rect, .font = BoxFont,
                      .tabIndex = tab < 0 ? nextTab() : tab, .flags = flags, .comboStyle = style,
                      .accessibleName = spoken, .shownLength = shownLength}});
    }
    // A panel that opens over the window and is hidden until then.
    template <class M>
    void sidePanel(M member, const char* parent, Rect rect, const char* caption) {
        add({member, {.parent = parent, .rect = rect, .caption = caption, .font = PanelTitleFont,
                      .foreColor = Navy, .flags = Hidden}});
    }

    const std::vector<R>& rows() const { return rows_; }

private:
    // The print preview binds its own members to its rows (PrintPreviewPanel);
    // the window holds the panel and its buttons as well.
    static R WindowsToo(const printing::PreviewPanelRow& panelRow) {
        constexpr auto panel = UI_MEMBER(PreviewControls, SSPanel80);
        constexpr auto buttons = UI_MEMBER(PreviewControls, SSCommand80);
        const ControlRow& row = panelRow.row();
        const std::string_view name = row.name;
        if (name == panel.name) return {panel, row};
        if (name == buttons.name) return {buttons, row};
        return row;
    }

    std::vector<R> rows_;
    std::deque<std::string> texts_;
    static constexpr int LastTabs = 1000;
    int tab_ = 0;
    int lastTab_ = 0;
};

// clang-format on

// The side panels, the print panels and the search panels add their rows
// after the main panel's, in this order: the Tab order follows it.
void AddSidePanels(Design& d);
void AddPrintPanels(Design& d);
void AddSearchPanels(Design& d);

}  // namespace recipes::rows
