#pragma once
#include <utility>
#include <vector>

#include "platform/ui/design.h"
#include "platform/ui/design_style.h"

// What every activity window is designed in: a 12000 by 9000 twip window
// whose inside below the menu bar holds the background picture, the top
// tool bar, a side tool bar on either side and the status bar, with the
// window's main panel between them.
namespace shell::activity_design {

inline constexpr int InsideWidth = 11880;
inline constexpr int InsideHeight = 8235;
inline constexpr int BarThickness = 420;
inline constexpr int StatusHeight = 300;

// A window's rows as its design adds them, with the tab order counted.
template <class Window>
struct Rows {
    std::vector<ui::design::Row<Window>> rows;
    int tab = 0;
    void add(ui::design::Row<Window> row) { rows.push_back(std::move(row)); }
    int nextTab() { return tab++; }
};

// The background picture first, so that everything lies over it, then the
// three tool bars and the status bar.
template <class Window>
void AddFrame(Rows<Window>& d) {
    constexpr int sideHeight = InsideHeight - BarThickness - StatusHeight;
    d.add({UI_MEMBER(Window, Image1), {.rect = {0, 0, InsideWidth, InsideHeight}}});
    d.add({UI_MEMBER(Window, Toolbar1), {.rect = {0, 0, InsideWidth, BarThickness}}});
    d.add(
        {UI_MEMBER(Window, Toolbar2), {.rect = {0, BarThickness, BarThickness, sideHeight}, .align = ui::Align::Left}});
    d.add({UI_MEMBER(Window, Toolbar3),
           {.rect = {InsideWidth - BarThickness, BarThickness, BarThickness, sideHeight}, .align = ui::Align::Right}});
    d.add(
        {UI_MEMBER(Window, StatusBar1),
         {.rect = {0, InsideHeight - StatusHeight, InsideWidth, StatusHeight}, .font = ui::design::style::LabelFont}});
}

}  // namespace shell::activity_design
