// The recipe window's two result grids: the shared grid colours and the Options popup.
#include "recipes/tests/recipe_window_fixture.h"
#include "shell/settings_files.h"

namespace recipes {
namespace {

namespace settings = shell::settings;

class RecipeGridsTest : public testing::RecipeWindowFixture {
protected:
    void store(settings::RecordRef record, const std::string& text) {
        ASSERT_TRUE(settings::WriteText(app().folder(), record, text));
    }
};

TEST_F(RecipeGridsTest, TheResultGridsTakeTheSharedGridBackgroundAndTextColour) {
    // A picture of the name in another case than the record's, as the folder holds it.
    writePicture("WP3.jpg");
    const struct {
        const char* background;
        const char* text;
        ui::OleColor back;
        const char* picture;  // "" for none
        ui::OleColor fore;
    } cases[] = {
        {"", "", ui::colors::WindowBackground, "", ui::colors::Black},
        {"Default  ", "junk", ui::colors::WindowBackground, "", ui::colors::Black},
        {"255", "16711680", ui::colors::PureRed, "", ui::colors::PureBlue},
        {"-2147483633", "-2147483640", ui::colors::ButtonFace, "", ui::colors::WindowText},
        {"12x", "", ui::colors::WindowBackground, "", ui::colors::Black},
        {"wp3 ", "65280", ui::colors::WindowBackground, "WP3.jpg", ui::Rgb(0, 255, 0)},
        {"WP9", "", ui::colors::WindowBackground, "", ui::colors::Black},  // no such picture: as laid out
    };
    for (const auto& c : cases) {
        store(settings::SharedGridBackgroundRecord, c.background);
        store(settings::SharedGridTextColorRecord, c.text);
        Form5& w = open();
        for (ui::Grid* grid : {w.Grid1, w.Grid2}) {
            EXPECT_EQ(grid->BackColor(), c.back) << c.background;
            EXPECT_EQ(grid->picture().filename().string(), c.picture) << c.background;
            EXPECT_EQ(grid->ForeColor(), c.fore) << c.text;
        }
        w.Unload();
    }
}

TEST_F(RecipeGridsTest, TheRightButtonOverEitherResultGridPopsUpTheOptionsMenu) {
    for (const bool second : {false, true}) {
        Form5& w = open();
        ui::Grid* grid = second ? w.Grid2 : w.Grid1;
        runtime().userMouseUp(w, grid, 1, 0, 5, 5);  // the left button: no menu
        ASSERT_NE(app().loadedWindow<Form5>(), nullptr);
        desktop.windows.expectPopupChoice("mOe");
        runtime().userMouseUp(w, grid, 2, 0, 5, 5);
        EXPECT_EQ(app().loadedWindow<Form5>(), nullptr) << (second ? "Grid2" : "Grid1");
    }
}

}  // namespace
}  // namespace recipes
