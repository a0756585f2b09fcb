// The rows of the two search panels, which take the main panel's place.
#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window_rows.h"

namespace recipes::rows {

// clang-format off
namespace {

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

// clang-format on
}  // namespace

void AddSearchPanels(Design& d) {
    AddNameSearch(d);
    AddIngredientSearch(d);
}

void BindSearchPanels(const ui::Form& form, Form5Controls& c) {
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
}

}  // namespace recipes::rows
