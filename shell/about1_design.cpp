// The About box's controls and menus, as designed.
#include "platform/ui/design.h"
#include "shell/about1.h"
#include "shell/maker.h"

namespace shell {

using ui::ControlKind;
using namespace ui::design;

void About1::design() {
    static const ui::Font TextFont{"Arial", 9, true};
    static const ui::Font LinkFont{"Arial", 9, true, false, true};
    // clang-format off
    static const ControlRow controls[] = {
        {.kind = ControlKind::Image, .name = "Image2"},
        {.kind = ControlKind::Label, .name = "Label1", .rect = {300, 240, 4000, 1800}, .font = TextFont,
         .foreColor = ui::Rgb(0, 0, 128), .flags = AutoSize},
        {.kind = ControlKind::Label, .name = "Label4", .rect = {300, 2760, 900, 260}, .caption = "Web Site:",
         .font = TextFont},
        {.kind = ControlKind::Label, .name = "Label5", .rect = {1200, 2760, 2400, 260}, .caption = MakerWebSiteName,
         .font = LinkFont, .foreColor = ui::Rgb(0, 0, 255)},
        {.kind = ControlKind::CommandButton, .name = "Command1", .rect = {3360, 3180, 1260, 420}, .caption = "OK",
         .flags = DefaultButton | CancelButton},
        {.kind = ControlKind::Label, .name = "Label2", .backColor = ui::colors::ButtonFace, .flags = Hidden},
    };
    // clang-format on
    static const MenuRow menus[] = {
        {"mO", nullptr, "Opt", -1, Hidden},  // only ever a popup
        {"mOOK", "mO", "OK"},
    };
    Build(*this, controls, menus);

    Bind(*this, Image2, "Image2");
    Bind(*this, Label1, "Label1");
    Bind(*this, Label4, "Label4");
    Bind(*this, Label5, "Label5");
    Bind(*this, Command1, "Command1");
    Bind(*this, Label2, "Label2");
    Bind(*this, mO, "mO");
    Bind(*this, mOOK, "mOOK");
}

}  // namespace shell
