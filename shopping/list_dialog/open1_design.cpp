// The list file dialog's controls, as designed.
#include "platform/ui/design.h"
#include "shopping/list_dialog/open1.h"

namespace shopping {

using namespace ui::design;
using style::BoxFont;
using style::LabelFont;

void Open1::design() {
    // clang-format off
    static const Row<Open1> controls[] = {
        {UI_MEMBER(Open1, Label9), {.rect = {180, 130, 1440, 240}, .caption = "File name:", .font = LabelFont}},
        {UI_MEMBER(Open1, Text2), {.rect = {200, 370, 2400, 330}, .font = BoxFont, .tabIndex = 0, .maxLength = 12,
         .accessibleName = "File name"}, {.click = &Open1::Text2_Click}},
        {UI_MEMBER(Open1, File1), {.rect = {200, 790, 2400, 1500}, .font = BoxFont, .tabIndex = 1,
         .accessibleName = "Files"}, {.click = &Open1::File1_Click, .dblClick = &Open1::File1_DblClick}},
        {UI_MEMBER(Open1, Label11), {.rect = {200, 2380, 1800, 240}, .caption = "List files of type:", .font = LabelFont}},
        {UI_MEMBER(Open1, Combo4), {.rect = {200, 2620, 2400, 315}, .font = BoxFont, .tabIndex = 2,
         .accessibleName = "List files of type"}, {.click = &Open1::Combo4_Change, .change = &Open1::Combo4_Change}},
        {UI_MEMBER(Open1, Command1), {.rect = {2880, 370, 1200, 375}, .caption = "OK", .font = LabelFont,
         .tabIndex = 3, .flags = DefaultButton}, {.click = &Open1::Command1_Click}},
        {UI_MEMBER(Open1, Command2), {.rect = {2880, 820, 1200, 375}, .caption = "Cancel", .font = LabelFont,
         .tabIndex = 4, .flags = CancelButton}, {.click = &Open1::Command2_Click}},
    };
    // clang-format on
    Build(*this, *this, controls);

    File1->setPattern(Pattern);
    Combo4->AddItem(Pattern);
    Combo4->setText(Pattern);
    Text2->setText(Pattern);
}

}  // namespace shopping
