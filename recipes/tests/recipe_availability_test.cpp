#include "recipes/recipe_availability.h"

#include <gtest/gtest.h>

namespace recipes {
namespace {

using Mode = RecipeMode;

// Commands listed by their initials, so a row of the table reads at a glance:
// C create (button and menu item), c the create button alone, V view, M modify, D delete, A calculate, P print, p print
// side button, S save, K spelling check, Y copy menu, y copy side button, I import, E export, N rename.
RecipeCommands Enabled(const char* initials) {
    RecipeCommands c;
    for (const char* i = initials; *i; ++i) {
        switch (*i) {
            case 'C': c.create = c.createMenu = true; break;
            case 'c': c.create = true; break;
            case 'V': c.view = true; break;
            case 'M': c.modify = true; break;
            case 'D': c.deleteRecipe = true; break;
            case 'A': c.calculate = true; break;
            case 'P': c.print = true; break;
            case 'p': c.printSide = true; break;
            case 'S': c.save = true; break;
            case 'K': c.spellCheck = true; break;
            case 'Y': c.copyMenu = true; break;
            case 'y': c.copySide = true; break;
            case 'I': c.importRecipe = true; break;
            case 'E': c.exportRecipe = true; break;
            case 'N': c.rename = true; break;
        }
    }
    return c;
}

TEST(RecipeAvailabilityTest, EachStateOffersItsCommands) {
    const struct {
        const char* state;
        AvailabilityInputs in;
        const char* enabled;
    } cases[] = {
        {"just loaded", {}, "CV"},
        {"create mode", {Mode::Create}, "VI"},
        {"create mode, first keystroke", {Mode::Create, false, true, true}, "VSKI"},
        {"view mode, nothing chosen", {Mode::View}, "CE"},
        {"view mode, recipe chosen", {Mode::View, true, false, true}, "CMDAPpYyEN"},
        {"view mode, chosen, no name to print under", {Mode::View, true, false, false}, "CMDAPYEN"},
        {"modify by the button", {Mode::Modify, true, false, true, true}, "CDAPpKyE"},
        {"modify from the menu", {Mode::Modify, true, false, true, false}, "CDAPpyE"},
        {"modify, first edit", {Mode::Modify, true, true, true, false}, "CDAPpSKYyE"},
        // The calculator keeps its commands off until it closes, edits or not.
        {"calculator in view mode", {Mode::View, true, false, true, false, true}, "cEN"},
        {"calculator in modify mode", {Mode::Modify, true, false, true, true, true}, "cE"},
        {"calculator in modify mode, edited", {Mode::Modify, true, true, true, false, true}, "cE"},
    };
    for (const auto& c : cases) EXPECT_EQ(Availability(c.in), Enabled(c.enabled)) << c.state;
}

}  // namespace
}  // namespace recipes
