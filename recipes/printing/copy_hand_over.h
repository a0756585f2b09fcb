#pragma once
#include <cstdint>

namespace printing {

// What the ingredient copy dialog hands back to the recipe window's copy:
// how the ingredient lines are laid out. The dialog starts every showing
// from two columns; closed without OK it leaves the option last clicked.
struct CopyHandOver {
    static constexpr std::int16_t TwoColumns = 1;
    static constexpr std::int16_t OneColumn = 2;

    std::int16_t IngredientCopyLayout = TwoColumns;
};

}  // namespace printing
