#pragma once
#include "platform/ui/design.h"

namespace shopping {

// Where the window puts a select screen: the container it lies in and its
// place there (twips). The screen lays its controls out in that place; it
// covers the window's entry area, grid and buttons while it is shown.
struct SelectPanelDesign {
    const char* parent = nullptr;
    ui::design::Rect panel;
};

// The screen's own panel: its caption as a title, hidden until it opens.
inline ui::design::ControlRow ScreenRow(const SelectPanelDesign& design, const char* caption) {
    using namespace ui::design::style;
    return {.parent = design.parent,
            .rect = design.panel,
            .caption = caption,
            .font = PanelTitleFont,
            .foreColor = Navy,
            .flags = ui::design::Hidden};
}

// The place each screen needs at least, so that every caption shows whole.
inline constexpr int QuickSelectMinWidth = 11400;
inline constexpr int QuickSelectMinHeight = 5900;
inline constexpr int RecipeSelectMinWidth = 10800;
inline constexpr int RecipeSelectMinHeight = 5700;

}  // namespace shopping
