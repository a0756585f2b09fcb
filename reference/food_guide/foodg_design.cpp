// The food guide window's controls and menus, as designed for the smaller
// screen display; in full screen display the window scales them.
#include <utility>
#include <vector>

#include "platform/ui/design.h"
#include "reference/food_guide/foodg.h"
#include "shell/activity_window_design.h"

namespace food_guide {

using namespace ui::design;
using style::ButtonFont;

namespace {

using R = Row<Foodg>;
using M = MenuItem<Foodg>;
using S = Foodg;

// The long texts of the tables read best small.
const ui::Font GridFont{"Arial", 8.25};

constexpr int ButtonTop = 6410;
constexpr int ButtonHeight = 354;

R Button(ui::design::Member<S, ui::CommandButton*> member, int left, int width, const char* caption, int tab,
         void (S::*click)()) {
    return {member,
            {.parent = "Panel3D1",
             .rect = {left, ButtonTop, width, ButtonHeight},
             .caption = caption,
             .font = ButtonFont,
             .tabIndex = tab},
            {.click = click}};
}

std::vector<R> Controls() {
    shell::activity_design::Rows<S> d;
    shell::activity_design::AddFrame(d);
    d.rows.insert(
        d.rows.end(),
        {
            // Shown at the window's activation, once it is placed; the caption is the table's title.
            {UI_MEMBER(S, Panel3D1),
             {.rect = {1055, 622, 9830, 7200}, .font = style::TitleFont, .foreColor = style::Navy, .flags = Hidden}},
            {UI_MEMBER(S, VSGd1),
             {.parent = "Panel3D1",
              .rect = {700, 715, 8400, 5553},
              .font = GridFont,
              .tabIndex = 0,
              .accessibleName = "Food guide table"}},
            Button(UI_MEMBER(S, Command3), 575, 1800, "&Common Measures", 1, &S::Command3_Click),
            Button(UI_MEMBER(S, Command2), 2390, 1200, "&Food Guide", 2, &S::Command2_Click),
            Button(UI_MEMBER(S, Command6), 3600, 1830, "&Healthy Substitutes", 3, &S::Command6_Click),
            Button(UI_MEMBER(S, Command5), 5445, 1375, "&Helpful Hints", 4, &S::Command5_Click),
            Button(UI_MEMBER(S, Command4), 6845, 1190, "&Menu Ideas", 5, &S::Command4_Click),
            Button(UI_MEMBER(S, Command1), 8045, 1200, "E&xit", 6, &S::Command1_Click),
        });
    return std::move(d.rows);
}

// clang-format off
const M Menus[] = {
    {UI_MEMBER(S, mO), {.caption = "&Options"}},
    {UI_MEMBER(S, mOPC), {.parent = "mO", .caption = "Panel C&olor"}, &S::mOPC_Click},
    MenuRow{.name = "mO1", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOC), {.parent = "mO", .caption = "&Common Measures"}, &S::Command3_Click},
    {UI_MEMBER(S, mOF), {.parent = "mO", .caption = "&Food Guide"}, &S::Command2_Click},
    {UI_MEMBER(S, mOHS), {.parent = "mO", .caption = "Healthy &Substitutes"}, &S::Command6_Click},
    {UI_MEMBER(S, mOH), {.parent = "mO", .caption = "&Helpful Hints"}, &S::Command5_Click},
    {UI_MEMBER(S, mOM), {.parent = "mO", .caption = "&Menu Ideas"}, &S::Command4_Click},
    MenuRow{.name = "mO2", .parent = "mO", .caption = "-"},
    {UI_MEMBER(S, mOe), {.parent = "mO", .caption = "E&xit"}, &S::mOe_Click},
    {UI_MEMBER(S, mH), {.caption = "&Help"}},
};
// clang-format on

}  // namespace

void Foodg::design() {
    Build(*this, *this, Controls(), Menus);
    // The tables are read, never edited, sorted or scrolled sideways; long
    // texts and carriage returns break lines within a cell.
    VSGd1->setSortable(false);
    VSGd1->setWordWrap(true);
    VSGd1->setVerticalScrollOnly(true);
    StatusBar1->addPanel({});
}

}  // namespace food_guide
