// The 21 entry boxes and the meal pick lists beside them: focus, keys, picks,
// and the entries the lists remember as the user moves on.
#include "menu_planner/menu_planner_window.h"
#include "platform/ui/keys.h"

namespace menu_planner {

namespace {

// The box that has the focus.
constexpr ui::OleColor Yellow = ui::Rgb(255, 255, 0);

}  // namespace

ui::ComboBox& Zcalandar::pickList(Meal meal) const {
    switch (meal) {
        case Meal::Lunch: return *Combo2;
        case Meal::Dinner: return *Combo3;
        case Meal::Breakfast: break;
    }
    return *Combo1;
}

void Zcalandar::HideItemLists() {
    for (ui::ComboBox* list : {Combo1, Combo2, Combo3}) list->setVisible(false);
}

void Zcalandar::Text1_GotFocus(int index) {
    if (state_.RememberPending) {
        state_.RememberPending = false;
        RememberBoxEntry();
    }
    ui::TextBox& box = *Text1[static_cast<std::size_t>(index)];
    box.setBackColor(Yellow);
    state_.CurrentBox = index;
    HideItemLists();
    state_.CurrentMeal = MealOfBox(index);
    ui::ComboBox& list = pickList(state_.CurrentMeal);
    list.setText(box.Text());
    list.Move(box.Left(), box.Top(), list.Width(), list.Height());
    list.setVisible(true);
}

void Zcalandar::Text1_LostFocus(int /*index*/) {
    for (ui::TextBox* box : Text1) box->setBackColor(Text3->BackColor());
}

void Zcalandar::Text1_Change(int index) {
    ui::TextBox& box = *Text1[static_cast<std::size_t>(index)];
    // A quote would end an entry early in the meal lists: it never enters, typed or pasted.
    if (box.Text().find('"') != std::string::npos) {
        box.setText(WithoutQuotes(box.Text()));
        return;
    }
    pickList(MealOfBox(index)).setText(box.Text());
}

void Zcalandar::Text1_Click(int /*index*/) {
    state_.RememberPending = true;
    if (SSPanel4->Caption().empty()) LockEntryBoxes();
}

void Zcalandar::Text1_KeyDown(int index, int& keyCode, int /*shift*/) {
    if (keyCode == ui::keys::Return) {
        state_.CurrentBox = index;
        state_.RememberPending = true;
        Text1[static_cast<std::size_t>((index + 1) % BoxCount)]->SetFocus();
    } else if (keyCode == ui::keys::Delete) {
        state_.EntriesChanged = true;
    }
}

void Zcalandar::Text1_KeyPress(int /*index*/, int& keyAscii) {
    if (keyAscii == ui::keys::Return) {
        keyAscii = 0;
        return;
    }
    if (keyAscii == '"') {
        keyAscii = 0;
        return;
    }
    state_.EntriesChanged = true;
    EnableDayCommands();
}

// A pick fills the box and moves on to the next, the last dinner line to the first breakfast line.
void Zcalandar::pick(ui::ComboBox& list) {
    ui::TextBox& box = *Text1[static_cast<std::size_t>(state_.CurrentBox)];
    box.setText(WithoutQuotes(list.Text()));
    state_.EntriesChanged = true;
    Text1[static_cast<std::size_t>((state_.CurrentBox + 1) % BoxCount)]->SetFocus();
    EnableDayCommands();
}

void Zcalandar::Combo1_Click() { pick(*Combo1); }
void Zcalandar::Combo2_Click() { pick(*Combo2); }
void Zcalandar::Combo3_Click() { pick(*Combo3); }

void Zcalandar::SSPanel1_Click() { HideItemLists(); }

void Zcalandar::RememberBoxEntry() {
    const std::string& text = Text1[static_cast<std::size_t>(state_.CurrentBox)]->Text();
    if (text.size() < 2) return;
    const Meal meal = MealOfBox(state_.CurrentBox);
    state_.CurrentMeal = meal;
    if (state_.list(meal).Remember(text) != ListAdd::Added) return;
    showMealList(meal);
    saveMealList(meal);
}

// --- the meal lists

void Zcalandar::LoadMealLists() {
    for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
        // A list that cannot be read is an empty one; the window opens all the same.
        state_.list(meal) = LoadMealList(app_.folder(), meal).list;
        showMealList(meal);
    }
}

void Zcalandar::showMealList(Meal meal) {
    ui::ComboBox& list = pickList(meal);
    const std::string text = list.Text();
    list.Clear();
    for (const std::string& item : state_.list(meal).Items()) list.AddItem(item);
    list.setText(text);
    if (state_.EditListOpen != static_cast<EditList>(meal)) return;
    Combo4->Clear();
    for (const std::string& item : state_.list(meal).Items()) Combo4->AddItem(item);
}

void Zcalandar::saveMealList(Meal meal) {
    if (SaveMealList(app_.folder(), meal, state_.list(meal))) return;
    app_.dialogs().MessageBox({"Edit Routine",
                               std::string("The list \"") + std::string(MealListFileName(meal)) +
                                   "\" could not be saved; it keeps its earlier entries.",
                               platform::MsgIcon::Exclamation, platform::MsgButtons::OK, 1});
}

}  // namespace menu_planner
