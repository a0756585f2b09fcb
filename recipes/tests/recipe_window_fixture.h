#pragma once
#include <string>

#include "recipes/recipe_window.h"
#include "shell/tests/program_fixture.h"

namespace recipes::testing {

// The program on a scripted desktop with the recipe window one menu away.
class RecipeWindowFixture : public shell::testing::ProgramTest {
protected:
    RecipeWindowFixture() { RegisterRecipeFile(app()); }

    // The start window (started once), then the recipe window over it by
    // the start window's menu.
    Form5& open() {
        shell::Startfrm& start = app().loadedWindow<shell::Startfrm>() ? this->start() : startProgram();
        chooseMenu(start, "mRF");
        Form5* window = app().loadedWindow<Form5>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }
    // View Recipe, which starts on the first type: it has no recipes here.
    void view(Form5& w) {
        desktop.dialogs.expectMessage("Recipe Files");
        runtime().userClick(*w.Command2);
        EXPECT_EQ(desktop.dialogs.messages().back().text, "No Recipes for Appetizers and beverages were found!");
    }
    // The user picks the entry with this text from the box's list (a combo
    // box, a drive list or a file list).
    template <class Box>
    void choose(Box& box, const std::string& text) {
        int at = -1;
        for (int i = 0; i < box.ListCount() && at < 0; ++i)
            if (box.List(i) == text) at = i;
        ASSERT_GE(at, 0) << text;
        box.userChose(at);
    }
    void chooseType(Form5& w, const std::string& type) { choose(*w.Combo1, type); }
};

}  // namespace recipes::testing
