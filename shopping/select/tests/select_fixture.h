#pragma once
// A small window carrying both select screens over its main panel, with a
// host that appends to a shopping list model as the shopping list window does.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/design.h"
#include "shell/tests/program_fixture.h"
#include "shopping/select/quick_select_panel.h"
#include "shopping/select/recipe_select_panel.h"
#include "shopping/store/shopping_list.h"

namespace shopping::testing {

inline constexpr SelectPanelDesign QuickDesign{"Panel3D1", {60, 60, QuickSelectMinWidth, QuickSelectMinHeight}};
inline constexpr SelectPanelDesign RecipeDesign{"Panel3D1", {60, 60, RecipeSelectMinWidth, RecipeSelectMinHeight}};
inline const std::string WindowCaption = "Pantrivo - Shopping List Maker";

class SelectWindow : public ui::Form {
public:
    explicit SelectWindow(shell::Application& app) : ui::Form(app.runtime(), "Shoplist") {
        Move(0, 0, 12000, 9000);
        setCaption(WindowCaption);
        std::vector<ui::design::ControlRow> rows{
            {.kind = ui::ControlKind::Panel, .name = "Panel3D1", .rect = {0, 0, 11900, 8000}},
            {.kind = ui::ControlKind::CommandButton,
             .name = "Command1",
             .index = 0,
             .parent = "Panel3D1",
             .rect = {120, 7000, 1500, 405},
             .caption = "E&xit"},
        };
        int tab = 1;
        AddQuickSelectRows(rows, QuickDesign, tab);
        AddRecipeSelectRows(rows, RecipeDesign, tab);
        ui::design::Build(*this, rows);
        quick = std::make_unique<QuickSelectPanel>(app, *this, QuickDesign, host());
        recipe = std::make_unique<RecipeSelectPanel>(app, *this, RecipeDesign, host());
    }

    SelectHost host() {
        return {
            .addEntries =
                [this](const std::vector<ListEntry>& entries) {
                    int added = 0;
                    for (const ListEntry& entry : entries) {
                        if (list.AppendItem(entry.item, entry.amount) != ListEdit::Done) break;
                        ++added;
                    }
                    ++adds;
                    return added;
                },
            .screenShown =
                [this](SelectScreen screen, bool shown) {
                    screens.push_back((screen == SelectScreen::QuickSelect ? "Quick Select " : "Recipe Select ") +
                                      std::string(shown ? "shown" : "hidden"));
                },
            .hideDatePicker = [this] { ++datePickerHidden; },
            .showStatus = [this](const std::string& text) { status = text; },
        };
    }

    ShoppingList list;
    int adds = 0;
    std::vector<std::string> screens;
    int datePickerHidden = 0;
    std::string status;
    std::unique_ptr<QuickSelectPanel> quick;
    std::unique_ptr<RecipeSelectPanel> recipe;
};

// The controls on a screen whose caption does not show whole: a box's or
// frame's caption needs room for the box or the frame's edge besides.
inline std::vector<std::string> CutCaptions(platform::Runtime& runtime, const ui::Form& window,
                                            const ui::Control& screen) {
    std::vector<std::string> cut;
    for (const auto& control : window.controls()) {
        const ui::Control* c = control.get();
        bool onScreen = false;
        for (const ui::Control* up = c->container(); up; up = up->container()) onScreen |= up == &screen;
        if (!onScreen || c->Caption().empty()) continue;
        std::string shown = c->Caption();
        std::erase(shown, '&');
        const int room = c->kind() == ui::ControlKind::Label ? 0 : 300;
        if (runtime.measureText(c->font(), shown).width + room > c->Width()) cut.push_back(c->Caption());
        if (c->Left() + c->Width() > c->container()->Width() || c->Top() + c->Height() > c->container()->Height())
            cut.push_back(c->Caption() + " (outside its container)");
    }
    return cut;
}

class SelectTest : public shell::testing::ProgramTest {
protected:
    SelectTest() { window.Show(); }

    void click(ui::Control& control) { runtime().userClick(control); }

    std::vector<std::string> cutCaptions(const ui::Control& screen) { return CutCaptions(runtime(), window, screen); }

    SelectWindow window{app()};
    QuickSelectPanel& quick = *window.quick;
    RecipeSelectPanel& recipe = *window.recipe;
};

}  // namespace shopping::testing
