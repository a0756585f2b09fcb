// The rows of the panels that open over the recipe: the current names, the
// search options, the amount calculator, the rename panel, the cookbook
// titles and the conversion notice.
#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window_rows.h"

namespace recipes::rows {

// clang-format off
namespace {

using Calculator = CalculatorControls;
using Rename = RenameControls;
using S = SearchControls;
using Titles = TitlesControls;

// Side panels over the main panel, each hidden until its command opens it.
void AddRecipeNames(Design& d) {
    d.sidePanel(UI_MEMBER(C, SSPanel3), "Panel3D1", {NameLeft, HeadingTop, IngredientWidth, 3870},
                "Current Recipe Names");
    d.add({UI_MEMBER(C, List1), {.parent = "SSPanel3", .rect = {60, 390, IngredientWidth - 120, 3420},
                                 .font = BoxFont, .tabIndex = d.nextTab(), .flags = Sorted,
                                 .accessibleName = "Current recipe names", .shownLength = EntryNumberFrom}});
}

void AddSearchOptions(Design& d) {
    constexpr int width = 3900;
    d.sidePanel(UI_MEMBER(S, SSPanel6), "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop, width, 2220},
                "Search Options");
    d.button(UI_MEMBER(S, Command11), -1, "SSPanel6", {300, 480, width - 600, 405}, "Search by &Recipe");
    d.button(UI_MEMBER(S, Command12), -1, "SSPanel6", {300, 1005, width - 600, 405}, "Search by &Ingredient");
    d.button(UI_MEMBER(S, Command18), -1, "SSPanel6", {300, 1530, width - 600, 405}, "Ca&ncel");
}

void AddAmountCalculator(Design& d) {
    constexpr int top = DirectionsLabelTop - 105;
    d.sidePanel(UI_MEMBER(Calculator, SSPanel5), "Panel3D1",
                {Margin, top, ContentWidth, MainPanel.height - Margin - top},
                "Recipe Amount Calculator");
    constexpr int valueLeft = 2100, valueWidth = 900, unitLeft = 3090, unitWidth = 1800;
    d.label(UI_MEMBER(C, Label1), CurrentYieldCaption, "SSPanel5", {300, 480 + LabelDrop, 1700, LabelHeight},
            "Current Yield Is:");
    d.valueLabel(UI_MEMBER(Calculator, Label20), "SSPanel5", {valueLeft, 480, valueWidth, LineHeight});
    d.valueLabel(UI_MEMBER(Calculator, Label21), "SSPanel5", {unitLeft, 480, unitWidth, LineHeight});
    d.label(UI_MEMBER(C, Label1), NewYieldCaption, "SSPanel5", {300, 900 + LabelDrop, 1700, LabelHeight},
            "Change Yield To:");
    d.box(UI_MEMBER(Calculator, Text9), -1, "SSPanel5", {valueLeft, 900, valueWidth, LineHeight}, 5, "New yield");
    d.valueLabel(UI_MEMBER(Calculator, Label24), "SSPanel5", {unitLeft, 900, unitWidth, LineHeight});
    d.button(UI_MEMBER(Calculator, Command9), -1, "SSPanel5", {300, 1320, 2700, 405}, "Calculate New &Amounts");
    d.button(UI_MEMBER(Calculator, Command10), -1, "SSPanel5", {3090, 1320, 1800, 405}, "&Close");
    d.add({UI_MEMBER(C, Label1),
           {.index = CalculatorNote, .parent = "SSPanel5", .rect = {5250, 480, ContentWidth - 5250 - 300, 1245},
            .caption = "Note: Unless you save the Recipe after making these changes the Amount and Yield Information "
                       "will remain the same as originally displayed, the next time you view this Recipe.",
            .font = LabelFont, .foreColor = Maroon, .flags = Transparent}});
}

void AddRename(Design& d) {
    constexpr int width = 6600;
    constexpr int boxLeft = 2550;
    d.sidePanel(UI_MEMBER(Rename, SSPanel10), "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop, width, 2400},
                "\rRecipe Name Change");
    d.label(UI_MEMBER(C, Label1), CurrentNameCaption, "SSPanel10", {300, 660 + LabelDrop, 2200, LabelHeight},
            "Current Recipe Name:");
    d.box(UI_MEMBER(Rename, Text15), -1, "SSPanel10", {boxLeft, 660, width - boxLeft - 300, LineHeight}, 0,
          "Current recipe name", Locked);
    d.label(UI_MEMBER(C, Label1), NewNameCaption, "SSPanel10", {300, 1110 + LabelDrop, 2200, LabelHeight},
            "Change Recipe Name To:");
    d.box(UI_MEMBER(Rename, Text16), -1, "SSPanel10", {boxLeft, 1110, width - boxLeft - 300, LineHeight}, 40,
          "New recipe name");
    constexpr int saveWidth = 2700, cancelWidth = 1200, buttonGap = 150;
    constexpr int buttonsLeft = (width - saveWidth - buttonGap - cancelWidth) / 2;
    d.button(UI_MEMBER(Rename, Command23), -1, "SSPanel10", {buttonsLeft, 1710, saveWidth, 405},
             "Save Changed Recipe Name");
    d.button(UI_MEMBER(Rename, Command24), -1, "SSPanel10",
             {buttonsLeft + saveWidth + buttonGap, 1710, cancelWidth, 405}, "Cancel");
}

void AddCookbookTitles(Design& d) {
    constexpr int width = 6000, rowSpacing = 405, firstRow = 540, boxLeft = 1950;
    d.sidePanel(UI_MEMBER(Titles, SSPanel12), "Panel3D1", {(MainPanel.width - width) / 2, HeadingTop, width, 4500},
                "Cookbook Titles");
    for (int i = 0; i < C::CookbookCount; ++i) {
        const int top = firstRow + i * rowSpacing;
        d.label(UI_MEMBER(C, Label1), FirstTitleCaption + i, "SSPanel12",
                {300, top + LabelDrop, boxLeft - 350, LabelHeight},
                d.keep("Cookbook # " + std::to_string(i + 1) + " -"));
        d.box(UI_MEMBER(Titles, Text17), i, "SSPanel12", {boxLeft, top, width - boxLeft - 300, LineHeight}, 30,
              d.keep("Title of cookbook " + std::to_string(i + 1)));
    }
    constexpr int buttonsTop = firstRow + C::CookbookCount * rowSpacing + 165;
    d.button(UI_MEMBER(Titles, SSCommand3), -1, "SSPanel12", {boxLeft, buttonsTop, 1200, 405}, "&Close");
    d.button(UI_MEMBER(Titles, SSCommand4), -1, "SSPanel12",
             {boxLeft + 1350, buttonsTop, width - boxLeft - 1350 - 300, 405},
             "&Save Changes and Close");
}

void AddConversionNotice(Design& d) {
    constexpr int width = 6000;
    d.sidePanel(UI_MEMBER(C, SSPanel11), "Panel3D1", {(MainPanel.width - width) / 2, FirstLineTop + 600, width, 1800},
                "");
    d.add({UI_MEMBER(C, Label11),
           {.parent = "SSPanel11", .rect = {300, 240, width - 600, 720},
            .caption = "Recipe function has found an older recipe data base Converion to New Database is in Progress",
            .font = PanelTitleFont, .foreColor = Navy, .flags = Transparent}});
    d.add({UI_MEMBER(C, ProgressBar1), {.parent = "SSPanel11", .rect = {300, 1140, width - 600, LineHeight}}});
}

// clang-format on
}  // namespace

void AddSidePanels(Design& d) {
    AddRecipeNames(d);
    AddSearchOptions(d);
    AddAmountCalculator(d);
    AddRename(d);
    AddCookbookTitles(d);
    AddConversionNotice(d);
}

}  // namespace recipes::rows
