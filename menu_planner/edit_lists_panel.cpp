// "Edit  Lists": the three meal lists, one at a time, to add entries to and
// delete them from. Every change writes the list's file at once and shows in
// its pick list.
#include "menu_planner/menu_planner_window.h"
#include "platform/ui/keys.h"

namespace menu_planner {

namespace {

constexpr ui::OleColor Yellow = ui::Rgb(255, 255, 0);

struct ListNames {
    const char* caption;
    const char* item;
};

ListNames NamesOf(EditList list) {
    switch (list) {
        case EditList::Lunch: return {"Edit Lunch List", "Lunch Item"};
        case EditList::Dinner: return {"Edit Dinner List", "Dinner Item"};
        default: return {"Edit Breakfast List", "Breakfast Item"};
    }
}

std::string Instructions(const std::string& item) {
    return "To Add a New " + item + ":\rType New " + item +
           " and then\rPress the Enter Key.\r\rTo Delete an Existing " + item + ":\rFirst select " + item +
           " from Drop-Down list.\rThen Click Delete Command Button";
}

}  // namespace

void Zcalandar::setDayTabStops(bool on) {
    for (ui::TextBox* box : Text1) box->setTabStop(on);
    for (ui::CommandButton* button : {Command1, Command2, Command3, Command4, Command7}) button->setTabStop(on);
}

void Zcalandar::Command4_Click() {
    StatusBar1->setPanelText(1, "Edit Lists");
    HideItemLists();
    Panel3D3->setVisible(true);
    for (ui::CommandButton* button : {Command10, Command8, Command9}) button->setTabStop(true);
    setDayTabStops(false);
    openEditList(EditList::Breakfast);
    mOCal->setEnabled(false);
    Command8->SetFocus();
}

void Zcalandar::Command10_Click() { openEditList(EditList::Breakfast); }
void Zcalandar::Command8_Click() { openEditList(EditList::Lunch); }
void Zcalandar::Command9_Click() { openEditList(EditList::Dinner); }

void Zcalandar::openEditList(EditList list) {
    Command12->setEnabled(false);
    Text2->setText({});
    Command10->setEnabled(list != EditList::Breakfast);
    Command8->setEnabled(list != EditList::Lunch);
    Command9->setEnabled(list != EditList::Dinner);
    const ListNames names = NamesOf(list);
    Panel3D3->setCaption(names.caption);
    Label4->setCaption(Instructions(names.item));
    state_.EditListOpen = list;
    showMealList(static_cast<Meal>(list));
}

void Zcalandar::Combo4_Click() {
    Text2->setText(Combo4->Text());
    Text2->setBackColor(Yellow);
    Command12->setEnabled(true);
    Command12->SetFocus();
}

void Zcalandar::Combo4_DropDown() {
    if (!Panel3D3->Visible()) return;
    Command12->setEnabled(false);
    Text2->setText({});
}

void Zcalandar::Text2_Change() {
    if (Text2->Text().find('"') != std::string::npos) Text2->setText(WithoutQuotes(Text2->Text()));
}

void Zcalandar::Text2_GotFocus() { Text2->setBackColor(Yellow); }
void Zcalandar::Text2_LostFocus() { Text2->setBackColor(Text3->BackColor()); }

void Zcalandar::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return || keyAscii == '"') keyAscii = 0;
}

void Zcalandar::Text2_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Return || Text2->Text().empty() || state_.EditListOpen == EditList::None) return;
    const Meal meal = static_cast<Meal>(state_.EditListOpen);
    switch (state_.list(meal).AddTyped(Text2->Text())) {
        case ListAdd::Added:
            showMealList(meal);
            saveMealList(meal);
            break;
        case ListAdd::Duplicate:
            app_.dialogs().MessageBox(
                {"Edit Routine", "Entry already exists!", platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
            break;
        case ListAdd::Full:
            app_.dialogs().MessageBox({"Edit Routine",
                                       "The list holds " + std::to_string(MealListCapacity) +
                                           " entries, as many as it can.\rPlease delete one before adding another.",
                                       platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
            break;
        case ListAdd::TooShort: break;
    }
    Text2->setText({});
    Command12->setEnabled(false);
}

void Zcalandar::Command12_Click() {
    if (Text2->Text().empty() || state_.EditListOpen == EditList::None) return;
    const Meal meal = static_cast<Meal>(state_.EditListOpen);
    if (state_.list(meal).Count() == 0) return;
    // The last entry goes too: the list is then empty, as is its file.
    const bool deleted = state_.list(meal).Delete(Text2->Text());
    Text2->setText({});
    showMealList(meal);
    if (deleted) saveMealList(meal);
    Text2->setBackColor(Text3->BackColor());
    Command12->setEnabled(false);
    Command11->SetFocus();
}

void Zcalandar::Command11_Click() {
    setDayTabStops(true);
    for (ui::CommandButton* button : {Command10, Command8, Command9}) button->setTabStop(false);
    Panel3D3->setVisible(false);
    state_.EditListOpen = EditList::None;
    mOCal->setEnabled(true);
    StatusBar1->setPanelText(1, windowCaption());
    if (Command4->Enabled()) Command4->SetFocus();
}

}  // namespace menu_planner
