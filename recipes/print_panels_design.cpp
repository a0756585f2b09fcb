// The rows of the print preview's panel and of the recipe picks over it.
#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window_rows.h"

namespace recipes::rows {

// clang-format off
namespace {

using Picks = PicksControls;
using Preview = PreviewControls;

// The print preview's panel: the common controls down its left side and the
// page beside them, then the recipe window's own print options.
void AddPrintPreview(Design& d) {
    d.addPreviewPanel(RecipePreviewDesign);
    static constexpr const char* layouts[] = {"Full Page Printout (2 Column Ingred.)",
                                              "Full Page Printout (1 Column Ingred.)", "Top Half of Page Printout",
                                              "Bottom Half of Page Printout"};
    for (int i = 0; i < 4; ++i)
        d.add({UI_MEMBER(Preview, SSOption83),
               {.index = i, .parent = "SSFrame80", .parentIndex = printing::PrintOptionsFrame,
                .rect = {150, 250 + i * 230, 3000, OptionHeight}, .caption = layouts[i], .font = OptionFont,
                .tabIndex = d.nextTab(), .flags = i == 0 ? Checked : None}});
    d.add({UI_MEMBER(Preview, Frame2),
           {.parent = "SSPanel80", .rect = {195, 1835, 3240, 560}, .font = LabelFont, .foreColor = Navy}});
    static constexpr const char* amounts[] = {"Print Amounts as Fractions (1/4)", "Print Amounts as Decimals (.25)"};
    for (int i = 0; i < 2; ++i)
        d.add({UI_MEMBER(Preview, SSOption80),
               {.index = i, .parent = "Frame2", .rect = {150, 60 + i * 230, 3000, OptionHeight},
                .caption = amounts[i], .font = OptionFont, .tabIndex = d.nextTab(), .flags = i == 0 ? Checked : None}});
    d.addPreviewPanelTop(RecipePreviewDesign);
}

// Up to ten more recipes to print, two to a page, over the whole preview.
void AddRecipePicks(Design& d) {
    d.sidePanel(UI_MEMBER(Picks, SSPanel13), "SSPanel80", {0, 0, 9570, 7200}, "Select Additional Recipes");
    d.label(UI_MEMBER(Picks, Label81), PageOneCaption, "SSPanel13", {160, 500, 2000, LabelHeight}, "Page One Recipes:");
    d.label(UI_MEMBER(Picks, Label81), TopCaption, "SSPanel13", {2900, 500, 1000, LabelHeight}, "Top");
    d.label(UI_MEMBER(Picks, Label81), BottomCaption, "SSPanel13", {7000, 500, 1000, LabelHeight}, "Bottom");
    for (int page = 1; page < C::PickSlotCount / 2; ++page)
        d.label(UI_MEMBER(Picks, Label81), FirstNextPageCaption + page - 1, "SSPanel13",
                {160, 500 + page * 1200, 2000, LabelHeight}, "Next Page Recipes:");
    for (int slot = 0; slot < C::PickSlotCount; ++slot) {
        const bool top = slot % 2 == 0;
        const int listLeft = top ? 2175 : 6200;
        const int captionLeft = top ? 945 : 5000;
        const int typeTop = 800 + (slot / 2) * 1200;
        const std::string where = "page " + std::to_string(slot / 2 + 1) + (top ? ", top" : ", bottom");
        d.label(UI_MEMBER(Picks, Label81), FirstTypeCaption + slot, "SSPanel13",
                {captionLeft, typeTop + LabelDrop, 1100, LabelHeight}, "Type:");
        d.combo(UI_MEMBER(Picks, Combo8), slot, "SSPanel13", {listLeft, typeTop, 2800, 315}, ComboStyle::DropDownCombo,
                d.keep("Recipe type, " + where));
        d.label(UI_MEMBER(Picks, Label81), FirstRecipeCaption + slot, "SSPanel13",
                {captionLeft, typeTop + 400 + LabelDrop, 1100, LabelHeight}, "Recipe:");
        d.combo(UI_MEMBER(Picks, Combo9), slot, "SSPanel13", {listLeft, typeTop + 400, 2800, 315},
                ComboStyle::DropDownList, d.keep("Recipe, " + where), None, -1, EntryNumberFrom);
    }
    d.button(UI_MEMBER(Picks, SSCommand5), -1, "SSPanel13", {2000, 6630, 2200, 405}, "&Print Preview");
    d.button(UI_MEMBER(Picks, SSCommand6), -1, "SSPanel13", {5300, 6630, 2200, 405}, "&Cancel");
}

// clang-format on
}  // namespace

void AddPrintPanels(Design& d) {
    AddPrintPreview(d);
    AddRecipePicks(d);
}

}  // namespace recipes::rows
