// The rows of the Recipe Select screen: the type and recipe lists, the
// ingredient boxes in two columns and the three exits.
#include "recipes/store/recipe_index_entry.h"
#include "shopping/select/recipe_select_panel.h"

namespace shopping {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;
using P = RecipeSelectPanel;

namespace {

constexpr int Margin = 240;
constexpr int TitleHeight = 420;
constexpr int LineHeight = 315;
constexpr int LabelDrop = 45;  // a caption's text level with its box's
constexpr int BoxHeight = 255;
constexpr int RowHeight = 285;
constexpr int ButtonHeight = 405;
constexpr int ButtonGap = 75;
constexpr int ButtonWidth = 7200;
constexpr int TypeWidth = 3300;
// The recipe list's entries carry their record number past the name; the bold
// font is the list's own, so the chosen recipe stands out.
const ui::Font RecipeListFont{"Arial", 9, true};

}  // namespace

std::vector<RecipeSelectRow> RecipeSelectRows(const SelectPanelDesign& d, int& tab) {
    std::vector<RecipeSelectRow> rows;
    const int width = d.panel.width, height = d.panel.height;
    rows.push_back({UI_MEMBER(P, SSPanel5), ScreenRow(d, "Recipe Select Screen")});

    auto label = [&](int index, Rect rect, const char* caption) {
        rows.push_back(ControlRow{.kind = ui::ControlKind::Label,
                                  .name = "Label2",
                                  .index = index,
                                  .parent = "SSPanel5",
                                  .rect = rect,
                                  .caption = caption,
                                  .font = LabelFont,
                                  .foreColor = Navy,
                                  .flags = Transparent});
    };
    const int top = TitleHeight + 60;
    label(1, {Margin, top + LabelDrop, 600, BoxHeight}, "Type:");
    const int typeLeft = Margin + 660;
    rows.push_back({UI_MEMBER(P, Combo2),
                    {.parent = "SSPanel5",
                     .rect = {typeLeft, top, TypeWidth, LineHeight},
                     .font = BoxFont,
                     .tabIndex = tab++,
                     .flags = Sorted,
                     .comboStyle = ui::ComboStyle::DropDownList,
                     .accessibleName = "Recipe type"},
                    {.click = &P::Combo2_Click}});
    const int recipeLabelLeft = typeLeft + TypeWidth + 240;
    label(2, {recipeLabelLeft, top + LabelDrop, 840, BoxHeight}, "Recipe:");
    const int recipeLeft = recipeLabelLeft + 900;
    rows.push_back({UI_MEMBER(P, Combo3),
                    {.parent = "SSPanel5",
                     .rect = {recipeLeft, top, width - recipeLeft - Margin, LineHeight},
                     .font = RecipeListFont,
                     .tabIndex = tab++,
                     .flags = Sorted,
                     .comboStyle = ui::ComboStyle::DropDownList,
                     .accessibleName = "Recipe",
                     .shownLength = recipes::EntryNumberFrom},
                    {.click = &P::Combo3_Click, .gotFocus = &P::Combo3_GotFocus}});

    const int labelTop = top + LineHeight + 180;
    rows.push_back({UI_MEMBER(P, Label8),
                    {.parent = "SSPanel5",
                     .rect = {Margin, labelTop, width - 2 * Margin, BoxHeight},
                     .font = LabelFont,
                     .foreColor = Navy,
                     .flags = Hidden | Transparent}});
    // The boxes fill the left column first, ten to a column.
    const int boxesTop = labelTop + BoxHeight + 60;
    const int columnWidth = (width - 2 * Margin) / 2;
    for (int i = 0; i < P::BoxCount; ++i)
        rows.push_back(
            {UI_MEMBER(P, SSCheck2),
             {.index = i,
              .parent = "SSPanel5",
              .rect = {Margin + (i / 10) * columnWidth, boxesTop + (i % 10) * RowHeight, columnWidth - 120, BoxHeight},
              .font = OptionFont,
              .tabIndex = tab++,
              .flags = Hidden},
             {.click = &P::SSCheck2_Click}});

    const int buttonsLeft = (width - ButtonWidth) / 2;
    auto button = [&](int index, int row, const char* caption, unsigned flags) {
        rows.push_back({UI_MEMBER(P, Command1),
                        {.index = index,
                         .parent = "SSPanel5",
                         .rect = {buttonsLeft, height - Margin - (3 - row) * ButtonHeight - (2 - row) * ButtonGap,
                                  ButtonWidth, ButtonHeight},
                         .caption = caption,
                         .font = ButtonFont,
                         .tabIndex = tab++,
                         .flags = flags},
                        {.click = &P::Command1_Click}});
    };
    button(AddIngredientNamesButton, 0, "E&xit and Add All Checked Selections to Item Grid", Disabled);
    button(AddWithAmountsButton, 1, "E&xit and Add All Checked Selections And Amount Needed to Item Grid", Disabled);
    button(LeaveRecipeSelectButton, 2, "E&xit Without Adding Checked Selections to Item Grid", None);
    return rows;
}

void AddRecipeSelectRows(std::vector<ControlRow>& rows, const SelectPanelDesign& d, int& tab) {
    for (const RecipeSelectRow& row : RecipeSelectRows(d, tab)) rows.push_back(row.row());
}

}  // namespace shopping
