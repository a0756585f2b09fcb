// The rows of the two search panels, which take the main panel's place.
#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window_rows.h"

namespace recipes::rows {

// clang-format off
namespace {

using S = SearchControls;

// The search panels take the main panel's place: the words above, the
// buttons under them, the count of matches under those and the results
// below, where a notice shows instead when nothing matched.
constexpr int SearchMargin = 600;

struct SearchResults {
    struct Button {
        Member<S, ui::CommandButton*> button;
        const char* caption;
    };
    Member<S, ui::Grid*> grid;
    const char* spoken;  // what a screen reader calls the grid
    Button buttons[4];
    Member<S, ui::Label*> count;
    Member<S, ui::Panel*> noMatch;
    const char* noMatchCaption;
};

void AddSearchResults(Design& d, const char* parent, int top, const SearchResults& results) {
    constexpr int gap = 200;
    constexpr int buttonWidth = (MainPanel.width - 2 * SearchMargin - 3 * gap) / 4;
    for (int i = 0; i < 4; ++i)
        d.button(results.buttons[i].button, -1, parent,
                 {SearchMargin + i * (buttonWidth + gap), top, buttonWidth, 405}, results.buttons[i].caption);
    constexpr int countWidth = 6000;
    d.add({results.count, {.parent = parent,
                           .rect = {(MainPanel.width - countWidth) / 2, top + 600, countWidth, LabelHeight},
                           .font = LabelFont, .foreColor = Navy, .flags = Transparent | Hidden}});
    constexpr int noticeWidth = 5400, noticeHeight = 600;
    const int resultsTop = top + 960;
    // The results take the room below; the notice shows there instead when nothing matched.
    d.add({results.grid, {.parent = parent,
                          .rect = {SearchMargin, resultsTop, MainPanel.width - 2 * SearchMargin,
                                   MainPanel.height - resultsTop - SearchMargin},
                          .font = BoxFont, .tabIndex = d.nextTab(), .flags = Hidden,
                          .accessibleName = results.spoken}});
    const int noticeTop = resultsTop + (MainPanel.height - resultsTop - noticeHeight) / 2;
    d.add({results.noMatch, {.parent = parent,
                             .rect = {(MainPanel.width - noticeWidth) / 2, noticeTop, noticeWidth, noticeHeight},
                             .caption = results.noMatchCaption, .font = PanelTitleFont, .foreColor = Maroon,
                             .flags = Hidden}});
}

void AddNameSearch(Design& d) {
    d.sidePanel(UI_MEMBER(S, SSPanel2), nullptr, MainPanel, "Search Files by Recipe");
    constexpr int boxLeft = 3300;
    d.label(UI_MEMBER(C, Label1), SearchWordsCaption, "SSPanel2", {SearchMargin, 660 + LabelDrop, 2600, LabelHeight},
            "Enter Search Word(s):");
    d.box(UI_MEMBER(S, Text10), -1, "SSPanel2", {boxLeft, 660, MainPanel.width - boxLeft - SearchMargin, LineHeight}, 0,
          "Search words");
    AddSearchResults(d, "SSPanel2", 1140,
                     {UI_MEMBER(S, Grid1), "Recipes found by name",
                      {{UI_MEMBER(S, Command14), "&Search"},
                       {UI_MEMBER(S, Command17), "View &All Recipes"},
                       {UI_MEMBER(S, Command15), "&View Selected Recipe"},
                       {UI_MEMBER(S, Command13), "&Close"}},
                      UI_MEMBER(S, Label32),
                      UI_MEMBER(S, SSPanel7),
                      "No Matching Recipes were found!"});
}

void AddIngredientSearch(Design& d) {
    d.sidePanel(UI_MEMBER(S, SSPanel8), nullptr, MainPanel, "Search Recipes by Ingredient");
    constexpr int boxLeft = 3300, boxWidth = 3900, optionalLeft = boxLeft + boxWidth + 120;
    d.label(UI_MEMBER(S, Label4), -1, "SSPanel8", {SearchMargin, 660 + LabelDrop, 2600, LabelHeight},
            "Enter Search Ingredient(s) -");
    d.box(UI_MEMBER(S, Text12), -1, "SSPanel8", {boxLeft, 660, boxWidth, LineHeight}, 35, "First search ingredient");
    d.box(UI_MEMBER(S, Text13), -1, "SSPanel8", {boxLeft, 1050, boxWidth, LineHeight}, 35, "Second search ingredient");
    d.box(UI_MEMBER(S, Text14), -1, "SSPanel8", {boxLeft, 1440, boxWidth, LineHeight}, 35, "Third search ingredient");
    d.label(UI_MEMBER(S, Label8), -1, "SSPanel8", {optionalLeft, 1050 + LabelDrop, 1200, LabelHeight}, "(Optional)");
    d.label(UI_MEMBER(S, Label9), -1, "SSPanel8", {optionalLeft, 1440 + LabelDrop, 1200, LabelHeight}, "(Optional)");
    // The two options between all and any of the words go into the frame.
    d.add({UI_MEMBER(S, Frame1), {.parent = "SSPanel8", .rect = {SearchMargin, 1950, 4500, 960},
                                  .caption = "Multi-Ingredient Options", .font = LabelFont, .foreColor = Navy}});
    const char* options[] = {"Must contain All Ingredients", "At least One of the Ingredients"};
    for (int i = 0; i < 2; ++i)
        d.add({UI_MEMBER(S, SSOption1), {.index = i, .parent = "Frame1", .rect = {240, 300 + 300 * i, 4100, 270},
                                         .caption = options[i], .font = LabelFont, .tabIndex = d.nextTab()}});
    d.label(UI_MEMBER(S, Label3), -1, "SSPanel8", {5400, 2070, 4200, LabelHeight},
            "Select Type of Recipe - If Desired -");
    d.combo(UI_MEMBER(S, Combo7), -1, "SSPanel8", {5400, 2340, 3600, 360}, ComboStyle::DropDownCombo,
            "Recipe type to search", Sorted);
    AddSearchResults(d, "SSPanel8", 3150,
                     {UI_MEMBER(S, Grid2), "Recipes found by ingredient",
                      {{UI_MEMBER(S, Command19), "&Search By Type"},
                       {UI_MEMBER(S, Command22), "Search &All Recipes"},
                       {UI_MEMBER(S, Command20), "&View Selected Recipe"},
                       {UI_MEMBER(S, Command21), "&Close"}},
                      UI_MEMBER(S, Label7),
                      UI_MEMBER(S, SSPanel9),
                      "No Matching Ingredients were found!"});
}

// clang-format on
}  // namespace

void AddSearchPanels(Design& d) {
    AddNameSearch(d);
    AddIngredientSearch(d);
}

}  // namespace recipes::rows
