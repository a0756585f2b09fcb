// The transfer dialog's controls, as designed.
#include "platform/ui/design.h"
#include "recipe_search/transfer/importfrm.h"

namespace recipe_search {

using ui::ControlKind;
using namespace ui::design;

void Importfrm::design() {
    static const ui::Font LabelFont{"Arial", 8.25, true};
    static const ui::Font BoxFont{"Arial", 9};
    // clang-format off
    static const ControlRow controls[] = {
        {.kind = ControlKind::Label, .name = "Label9", .rect = {180, 130, 1440, 240}, .caption = "File name:", .font = LabelFont},
        {.kind = ControlKind::TextBox, .name = "Text2", .rect = {200, 360, 2200, 330}, .font = BoxFont, .tabIndex = 8,
         .flags = Locked, .accessibleName = "File name"},
        {.kind = ControlKind::FileListBox, .name = "File1", .rect = {200, 900, 2205, 1260}, .font = BoxFont, .tabIndex = 3,
         .accessibleName = "Files"},
        {.kind = ControlKind::Label, .name = "Label11", .rect = {200, 2260, 1440, 240}, .caption = "List files of type:",
         .font = LabelFont},
        {.kind = ControlKind::ComboBox, .name = "Combo4", .rect = {200, 2500, 2200, 315}, .font = BoxFont, .tabIndex = 4,
         .accessibleName = "List files of type"},
        {.kind = ControlKind::Label, .name = "Label5", .rect = {195, 2910, 1440, 240}, .caption = "Path:", .font = LabelFont},
        {.kind = ControlKind::Label, .name = "Label6", .rect = {195, 3135, 2355, 600}, .font = BoxFont, .flags = WordWrap},
        {.kind = ControlKind::CommandButton, .name = "Command1", .rect = {3000, 115, 2000, 375}, .caption = "&Import Recipe",
         .font = LabelFont, .tabIndex = 0},
        {.kind = ControlKind::CommandButton, .name = "Command2", .rect = {3000, 545, 2000, 375}, .caption = "&Cancel",
         .font = LabelFont, .tabIndex = 1, .flags = CancelButton},
        {.kind = ControlKind::Label, .name = "Label3", .rect = {2610, 960, 675, 240}, .caption = "Type:", .font = LabelFont},
        {.kind = ControlKind::TextBox, .name = "Text1", .rect = {2610, 1200, 2700, 330}, .font = BoxFont, .tabIndex = 5,
         .flags = Locked, .accessibleName = "Recipe type"},
        {.kind = ControlKind::Label, .name = "Label2", .rect = {2610, 1575, 840, 240}, .caption = "Recipe:", .font = LabelFont},
        {.kind = ControlKind::TextBox, .name = "Text3", .rect = {2610, 1815, 2700, 330}, .font = BoxFont, .tabIndex = 6,
         .flags = Locked, .accessibleName = "Recipe"},
        {.kind = ControlKind::Label, .name = "Label1", .rect = {2610, 2260, 1440, 240}, .caption = "Drives:", .font = LabelFont},
        {.kind = ControlKind::DriveListBox, .name = "Drive1", .rect = {2610, 2500, 2445, 315}, .font = BoxFont, .tabIndex = 2,
         .accessibleName = "Drives"},
        {.kind = ControlKind::Label, .name = "Label4", .rect = {2610, 2865, 1440, 240}, .caption = "Folder:", .font = LabelFont},
        {.kind = ControlKind::DirListBox, .name = "Dir1", .rect = {2610, 3100, 2850, 1215}, .font = BoxFont, .tabIndex = 7,
         .accessibleName = "Folders"},
    };
    // clang-format on
    Build(*this, controls);

    Bind(*this, Label9, "Label9");
    Bind(*this, Text2, "Text2");
    Bind(*this, File1, "File1");
    Bind(*this, Label11, "Label11");
    Bind(*this, Combo4, "Combo4");
    Bind(*this, Label5, "Label5");
    Bind(*this, Label6, "Label6");
    Bind(*this, Command1, "Command1");
    Bind(*this, Command2, "Command2");
    Bind(*this, Label3, "Label3");
    Bind(*this, Text1, "Text1");
    Bind(*this, Label2, "Label2");
    Bind(*this, Text3, "Text3");
    Bind(*this, Label1, "Label1");
    Bind(*this, Drive1, "Drive1");
    Bind(*this, Label4, "Label4");
    Bind(*this, Dir1, "Dir1");

    File1->setPattern(Pattern);
    Combo4->AddItem(Pattern);
    Combo4->setText(Pattern);
}

}  // namespace recipe_search
