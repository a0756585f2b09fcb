// The ingredient copy option dialog's controls, as designed.
#include "platform/ui/design.h"
#include "recipes/printing/copyfrm1.h"

namespace printing {

using ui::ControlKind;
using namespace ui::design;

void Copyfrm1::design() {
    static const ui::Font TextFont{"Arial", 8.25, true};
    // Plain, so the options' captions fit their designed width.
    static const ui::Font OptionFont{"Arial", 7.8};
    // clang-format off
    static const ControlRow controls[] = {
        {.kind = ControlKind::Label, .name = "Label1", .rect = {ContentLeft + 3570, 1140, 285, 225}, .backColor = ui::colors::ButtonFace,
         .flags = Hidden},
        {.kind = ControlKind::Panel, .name = "SSPanel1", .rect = {0, 0, InsideWidth, InsideHeight}},
        {.kind = ControlKind::Frame, .name = "SSFrame1", .parent = "SSPanel1", .rect = {ContentLeft + 135, 180, 2955, 1110},
         .caption = "Select Ingredient Copy Option", .font = TextFont},
        {.kind = ControlKind::OptionButton, .name = "SSOption1", .index = 0, .parent = "SSFrame1",
         .rect = {195, 240, 2670, 375}, .caption = "Copy Ingredients in Two Columns", .font = OptionFont, .tabIndex = 0},
        {.kind = ControlKind::OptionButton, .name = "SSOption1", .index = 1, .parent = "SSFrame1",
         .rect = {210, 590, 2655, 375}, .caption = "Copy Ingredients in One Column", .font = OptionFont, .tabIndex = 1},
        {.kind = ControlKind::CommandButton, .name = "SSCommand1", .parent = "SSPanel1", .rect = {ContentLeft + 3210, 570, 1125, 375},
         .caption = "&OK", .font = TextFont, .tabIndex = 2, .flags = DefaultButton},
    };
    // clang-format on
    Build(*this, controls);

    Bind(*this, Label1, "Label1");
    Bind(*this, SSPanel1, "SSPanel1");
    Bind(*this, SSFrame1, "SSFrame1");
    Bind(*this, SSOption1, "SSOption1");
    Bind(*this, SSCommand1, "SSCommand1");
}

}  // namespace printing
