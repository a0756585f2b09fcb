// The ingredient copy option dialog's controls, as designed.
#include "platform/ui/design.h"
#include "recipes/printing/copyfrm1.h"

namespace printing {

using namespace ui::design;

void Copyfrm1::design() {
    using C = Copyfrm1;
    // Plain and a little smaller than the house's, so the options' captions fit their designed width.
    static const ui::Font OptionFont{"Arial", 7.8};
    // clang-format off
    static const Row<Copyfrm1> controls[] = {
        {UI_MEMBER(C, Label1), {.rect = {ContentLeft + 3570, 1140, 285, 225}, .backColor = ui::colors::ButtonFace,
         .flags = Hidden}},
        {UI_MEMBER(C, SSPanel1), {.rect = {0, 0, InsideWidth, InsideHeight}}},
        {UI_MEMBER(C, SSFrame1), {.parent = "SSPanel1", .rect = {ContentLeft + 135, 180, 2955, 1110},
         .caption = "Select Ingredient Copy Option", .font = style::LabelFont}},
        // Two columns is chosen as the dialog is laid out, before any handler listens.
        {UI_MEMBER(C, SSOption1), {.index = TwoColumns, .parent = "SSFrame1", .rect = {195, 240, 2670, 375},
         .caption = "Copy Ingredients in Two Columns", .font = OptionFont, .tabIndex = 0, .flags = Checked},
         {.click = &C::SSOption1_Click}},
        {UI_MEMBER(C, SSOption1), {.index = OneColumn, .parent = "SSFrame1", .rect = {210, 590, 2655, 375},
         .caption = "Copy Ingredients in One Column", .font = OptionFont, .tabIndex = 1},
         {.click = &C::SSOption1_Click}},
        {UI_MEMBER(C, SSCommand1), {.parent = "SSPanel1", .rect = {ContentLeft + 3210, 570, 1125, 375},
         .caption = "&OK", .font = style::ButtonFont, .tabIndex = 2, .flags = DefaultButton},
         {.click = &C::SSCommand1_Click}},
    };
    // clang-format on
    Build(*this, *this, controls);
}

}  // namespace printing
