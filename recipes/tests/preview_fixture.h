#pragma once
#include <string>

#include "printing/print_font.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes::testing {

// The recipe window with a recipe on view, for the print preview and the
// recipe picks over it.
class RecipePrintingTest : public RecipeWindowFixture {
protected:
    // Egg Nog on view, ready to print.
    Form5& showEggNog() {
        writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1.5", "cups", "milk")) +
                                     std::string(RecordBytes().line(1, "2", "", "eggs")));
        writeFile("Appenfil.db1", IndexFileBytes({EntryText("Egg Nog", 1), EntryText("Punch", 2)}));
        Form5& w = open();
        runtime().userClick(*w.Command2);
        choose(*w.Combo2, EntryText("Egg Nog", 1));
        return w;
    }
    printing::PrintFontSettings& font() { return app().state<printing::PrintFontSettings>(); }
};

}  // namespace recipes::testing
