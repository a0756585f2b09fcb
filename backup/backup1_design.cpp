// The backup window's controls and menu, as designed.
#include "backup/backup1.h"
#include "platform/ui/design.h"

namespace backup {

using namespace ui::design;
using style::BoxFont;
using style::ButtonFont;
using style::LabelFont;

namespace {
// The status line is read at a glance from across the desk.
const ui::Font StatusFont{"Arial", 13.5, true};
}  // namespace

void Backup1::design() {
    using B = Backup1;
    // clang-format off
    static const Row<Backup1> controls[] = {
        {UI_MEMBER(B, Image1), {.rect = {60, 0, 7010, 6168}}},
        {UI_MEMBER(B, SSPanel1), {.rect = {330, 350, 6465, 5485}}},
        {UI_MEMBER(B, Label3), {.parent = "SSPanel1", .rect = {0, 0, 6450, 316}}},
        {UI_MEMBER(B, Label1), {.parent = "SSPanel1", .rect = {150, 233, 6210, 1314}, .font = style::OptionFont,
         .foreColor = style::Navy, .flags = Transparent | WordWrap}},
        {UI_MEMBER(B, Label4), {.parent = "SSPanel1", .rect = {1305, 1547, 405, 233}, .caption = "Path:",
         .font = LabelFont, .flags = Transparent | AutoSize}},
        {UI_MEMBER(B, Label5), {.parent = "SSPanel1", .rect = {1740, 1547, 0, 216}, .font = LabelFont,
         .flags = Transparent | AutoSize}},
        {UI_MEMBER(B, Label2), {.index = 0, .parent = "SSPanel1", .rect = {330, 1931, 1455, 216}, .caption = "Drives:",
         .font = LabelFont, .flags = Transparent}},
        {UI_MEMBER(B, Drive1), {.parent = "SSPanel1", .rect = {1830, 1885, 2850, 315}, .font = BoxFont, .tabIndex = 0,
         .accessibleName = "Drives"}, {.change = &B::Drive1_Change}},
        {UI_MEMBER(B, Label2), {.index = 1, .parent = "SSPanel1", .rect = {330, 2301, 1455, 216}, .caption = "Folders:",
         .font = LabelFont, .flags = Transparent}},
        {UI_MEMBER(B, Dir1), {.parent = "SSPanel1", .rect = {1830, 2280, 2850, 1215}, .font = BoxFont, .tabIndex = 1,
         .accessibleName = "Folders"}, {.change = &B::Dir1_Change}},
        {UI_MEMBER(B, SSPanel2), {.parent = "SSPanel1", .rect = {90, 3694, 6300, 450}, .font = StatusFont,
         .foreColor = style::Navy, .flags = Hidden}},
        {UI_MEMBER(B, ProgressBar1), {.parent = "SSPanel1", .rect = {575, 4185, 5355, 405}, .flags = Hidden,
         .accessibleName = "Progress"}},
        {UI_MEMBER(B, SSCommand2), {.parent = "SSPanel1", .rect = {300, 4770, 2800, 516}, .caption = "&Make Backup",
         .font = ButtonFont, .tabIndex = 2, .flags = Disabled}, {.click = &B::SSCommand2_Click}},
        {UI_MEMBER(B, SSCommand1), {.parent = "SSPanel1", .rect = {3390, 4770, 2805, 516}, .caption = "E&xit",
         .font = ButtonFont, .tabIndex = 3, .flags = CancelButton}, {.click = &B::SSCommand1_Click}},
        {UI_MEMBER(B, Label6), {.rect = {6585, 416, 165, 549}, .backColor = ui::colors::ButtonFace, .flags = Hidden}},
    };
    static const MenuItem<Backup1> menus[] = {
        {UI_MEMBER(B, mO), {.caption = "&Options"}},
        {UI_MEMBER(B, mOM), {.parent = "mO", .caption = "&Make Backup Disk", .flags = Disabled}, &B::mOM_Click},
        {UI_MEMBER(B, mOR), {.parent = "mO", .caption = "&Restore Files from Disk", .flags = Disabled}, &B::mOR_Click},
        MenuRow{.parent = "mO", .caption = "-"},
        {UI_MEMBER(B, mOE), {.parent = "mO", .caption = "E&xit"}, &B::mOE_Click},
    };
    // clang-format on
    Build(*this, *this, controls, menus);
}

}  // namespace backup
