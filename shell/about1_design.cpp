// The About box's controls and menus, as designed.
#include "platform/ui/design.h"
#include "shell/about1.h"
#include "shell/maker.h"

namespace shell {

using namespace ui::design;

void About1::design() {
    // clang-format off
    static const Row<About1> controls[] = {
        {UI_MEMBER(About1, Image2), {}},
        {UI_MEMBER(About1, Label1), {.rect = {300, 240, 4000, 1800}, .font = style::TextFont, .foreColor = style::Navy,
         .flags = AutoSize}},
        {UI_MEMBER(About1, Label4), {.rect = {300, 2760, 900, 260}, .caption = "Web Site:", .font = style::TextFont}},
        {UI_MEMBER(About1, Label5), {.rect = {1200, 2760, 2400, 260}, .caption = MakerWebSiteName,
         .font = style::LinkFont, .foreColor = style::LinkBlue}, {.click = &About1::Label5_Click}},
        {UI_MEMBER(About1, Command1), {.rect = {3360, 3180, 1260, 420}, .caption = "OK",
         .flags = DefaultButton | CancelButton}, {.click = &About1::Command1_Click, .keyDown = &About1::Command1_KeyDown}},
        {UI_MEMBER(About1, Label2), {.backColor = ui::colors::ButtonFace, .flags = Hidden}},
    };
    static const MenuItem<About1> menus[] = {
        {UI_MEMBER(About1, mO), {.caption = "Opt", .flags = Hidden}},  // only ever a popup
        {UI_MEMBER(About1, mOOK), {.parent = "mO", .caption = "OK"}, &About1::mOOK_Click},
    };
    // clang-format on
    Build(*this, *this, controls, menus);
}

}  // namespace shell
