#pragma once
#include <array>
#include <optional>
#include <string>

#include "platform/ui/print_document.h"
#include "printing/print_font.h"
#include "recipes/store/cookbook_reader.h"

// Up to ten recipes of a cookbook, two to a page: the picks of the recipe
// window's Select Additional Recipes panel.
namespace printing {

inline constexpr int PickSlotCount = 10;

// One pick slot: the type box's text and the recipe box's text, the index
// entry of the recipe (name, blank fill, record number).
struct RecipePick {
    std::string type;
    std::string entry;
};
// Slots 0 and 1 are page one's top and bottom half, 2 and 3 the next
// page's, and so on.
using RecipePicks = std::array<RecipePick, PickSlotCount>;

// Lays the picked recipes out as a new document, replacing what doc held,
// each read from the cookbook's data file: even slots in the top half of a
// page, odd slots in the bottom half. Page one always exists; a later pair
// of slots gets a page when either of them holds a recipe. A slot whose
// entry has no record number, or points past the data file's end, is left
// out as if empty. Gives the layout code (top or bottom half) of the last
// recipe laid out, nullopt when there was none.
std::optional<int> LayoutSelectedRecipes(ui::PrintDocument& doc, const PrintFontSettings& font,
                                         const recipes::CookbookReader& cookbook, const RecipePicks& picks,
                                         int amountFormat);

}  // namespace printing
