// The transfer dialog's controls, as designed.
#include "platform/ui/design.h"
#include "recipe_search/transfer/importfrm.h"

namespace recipe_search {

using namespace ui::design;
using style::BoxFont;
using style::LabelFont;

void Importfrm::design() {
    using I = Importfrm;
    // clang-format off
    static const Row<Importfrm> controls[] = {
        {UI_MEMBER(I, Label9), {.rect = {180, 130, 1440, 240}, .caption = "File name:", .font = LabelFont}},
        {UI_MEMBER(I, Text2), {.rect = {200, 360, 2200, 330}, .font = BoxFont, .tabIndex = 8, .flags = Locked,
         .accessibleName = "File name"}, {.change = &I::Text2_Change}},
        {UI_MEMBER(I, File1), {.rect = {200, 900, 2205, 1260}, .font = BoxFont, .tabIndex = 3, .accessibleName = "Files"},
         {.click = &I::File1_Click, .dblClick = &I::File1_DblClick}},
        {UI_MEMBER(I, Label11), {.rect = {200, 2260, 1440, 240}, .caption = "List files of type:", .font = LabelFont}},
        {UI_MEMBER(I, Combo4), {.rect = {200, 2500, 2200, 315}, .font = BoxFont, .tabIndex = 4,
         .accessibleName = "List files of type"}, {.click = &I::Combo4_Change, .change = &I::Combo4_Change}},
        {UI_MEMBER(I, Label5), {.rect = {195, 2910, 1440, 240}, .caption = "Path:", .font = LabelFont}},
        {UI_MEMBER(I, Label6), {.rect = {195, 3135, 2355, 600}, .font = BoxFont, .flags = WordWrap}},
        {UI_MEMBER(I, Command1), {.rect = {3000, 115, 2000, 375}, .caption = "&Import Recipe", .font = LabelFont,
         .tabIndex = 0}, {.click = &I::Command1_Click}},
        {UI_MEMBER(I, Command2), {.rect = {3000, 545, 2000, 375}, .caption = "&Cancel", .font = LabelFont,
         .tabIndex = 1, .flags = CancelButton}, {.click = &I::Command2_Click}},
        {UI_MEMBER(I, Label3), {.rect = {2610, 960, 675, 240}, .caption = "Type:", .font = LabelFont}},
        {UI_MEMBER(I, Text1), {.rect = {2610, 1200, 2700, 330}, .font = BoxFont, .tabIndex = 5, .flags = Locked,
         .accessibleName = "Recipe type"}},
        {UI_MEMBER(I, Label2), {.rect = {2610, 1575, 840, 240}, .caption = "Recipe:", .font = LabelFont}},
        {UI_MEMBER(I, Text3), {.rect = {2610, 1815, 2700, 330}, .font = BoxFont, .tabIndex = 6, .flags = Locked,
         .accessibleName = "Recipe"}},
        {UI_MEMBER(I, Label1), {.rect = {2610, 2260, 1440, 240}, .caption = "Drives:", .font = LabelFont}},
        {UI_MEMBER(I, Drive1), {.rect = {2610, 2500, 2445, 315}, .font = BoxFont, .tabIndex = 2,
         .accessibleName = "Drives"}, {.change = &I::Drive1_Change}},
        {UI_MEMBER(I, Label4), {.rect = {2610, 2865, 1440, 240}, .caption = "Folder:", .font = LabelFont}},
        {UI_MEMBER(I, Dir1), {.rect = {2610, 3100, 2850, 1215}, .font = BoxFont, .tabIndex = 7,
         .accessibleName = "Folders"}, {.change = &I::Dir1_Change}},
    };
    // clang-format on
    Build(*this, *this, controls);

    File1->setPattern(Pattern);
    Combo4->AddItem(Pattern);
    Combo4->setText(Pattern);
}

}  // namespace recipe_search
