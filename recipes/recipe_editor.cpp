// The editor's boxes: what they keep of what is typed, where Enter goes,
// which pick list each opens, and the mark of a changed recipe.
#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/recipe_window.h"
#include "recipes/typed_text.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr ui::OleColor Highlight = ui::colors::Yellow;

// Where Enter in an ingredient box goes: down the left column's line, then
// the right column's beside it ("line 0, line 10, line 1, line 11 ...").
int NextLineInGridOrder(int line) { return line <= 9 ? line + 10 : line - 9; }

}  // namespace

void Form5::wireEditor() {
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        Text1[i]->onChange = [this, line] { Text1_Change(line); };
        Text1[i]->onGotFocus = [this, line] { lineBox_GotFocus(*Text1[static_cast<std::size_t>(line)], line); };
        Text4[i]->onGotFocus = [this, line] { lineBox_GotFocus(*Text4[static_cast<std::size_t>(line)], line); };
        Text5[i]->onGotFocus = [this, line] { lineBox_GotFocus(*Text5[static_cast<std::size_t>(line)], line); };
        Text1[i]->onKeyDown = [this, line](int& key, int shift) {
            if (!openPickList(key, shift, {Combo3})) editorKey(key, *Text4[static_cast<std::size_t>(line)]);
        };
        Text4[i]->onKeyDown = [this, line](int& key, int shift) {
            if (!openPickList(key, shift, {Combo5, Combo6})) editorKey(key, *Text5[static_cast<std::size_t>(line)]);
        };
        Text5[i]->onKeyDown = [this, line](int& key, int) { Text5_KeyDown(key, line); };
        for (ui::TextBox* box : {Text4[i], Text5[i]}) box->onChange = [this, box] { filterBox(*box); };
    }
    for (ui::TextBox* box : {Text3, Text6, Text7}) {
        box->onChange = [this, box] { filterBox(*box); };
        box->onGotFocus = [this, box] { box_GotFocus(*box, true); };
    }
    Text2->onChange = [this] { Text2_Change(); };
    Text2->onGotFocus = [this] { box_GotFocus(*Text2, true); };
    Text3->onKeyDown = [this](int& key, int) { editorKey(key, *Text7); };
    Text7->onKeyDown = [this](int& key, int) { editorKey(key, *Text6); };
    Text6->onKeyDown = [this](int& key, int) { editorKey(key, *Combo4); };
    Text8->onChange = [this] { filterBox(*Text8); };
    Text8->onGotFocus = [this] { Text8_GotFocus(); };
    Text8->onKeyDown = [this](int& key, int) { Text8_KeyDown(key); };
    Combo4->onChange = [this] { filterYieldUnit(); };
    Combo4->onGotFocus = [this] { box_GotFocus(*Combo4, false); };
    Combo4->onClick = [this] { MarkRecipeChanged(); };
    Combo4->onKeyDown = [this](int& key, int) {
        if (key == ui::keys::Return) state_.CurrentLine = 0;
        editorKey(key, *Text1[0]);
    };
    for (ui::Control* box : editorBoxes()) {
        if (box == Combo1 || box == Combo2) continue;
        box->onLostFocus = [this, box] { box->setBackColor(Text11->BackColor()); };
    }
    for (ui::TextBox* box : allLineBoxes())
        box->onKeyPress = [](int& key) {
            if (key == ui::keys::Return) key = 0;
        };
    for (ui::TextBox* box : {Text3, Text6, Text7, Text8})
        box->onKeyPress = [](int& key) {
            if (key == ui::keys::Return) key = 0;
        };
    Combo3->onClick = [this] { Combo3_Click(); };
    Combo5->onClick = [this] { unitList_Click(*Combo5); };
    Combo6->onClick = [this] { unitList_Click(*Combo6); };
    List1->onClick = [this] { List1_Click(); };
}

std::vector<ui::TextBox*> Form5::allLineBoxes() {
    std::vector<ui::TextBox*> boxes;
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        boxes.insert(boxes.end(), {Text1[i], Text4[i], Text5[i]});
    }
    return boxes;
}

// --- what the boxes keep

bool Form5::userIsEditing() const { return state_.showingRecipe == 0 && state_.editing(); }

void Form5::Text1_Change(int line) {
    ui::TextBox& box = *Text1[static_cast<std::size_t>(line)];
    if (!userIsEditing()) return;
    const FilteredAmount amount = FilterAmount(box.Text(), box.MaxLength());
    if (amount.text != box.Text()) {
        box.setText(amount.text);  // runs this again with the kept text
        if (amount.fractionTyped)
            app_.dialogs().MessageBox(
                {"Amount Input Instructions",
                 "Create and Modify Recipe information:\r\rSince the program can calculate new yields, please enter "
                 "amounts\ras whole and/or decimal numbers, thus 1 1/2 should be entered as:\r1.5,  1/8 = .125, 1/4 = "
                 ".25, 1/3 = .33, 2/3 = .67 and so forth.\r\r(NOTE: You still can print & view recipes with/or without "
                 "fractions!)",
                 MsgIcon::Information, MsgButtons::OK, 1});
        return;
    }
    // The amount saved is always the one shown, however the text changed.
    state_.AmountText[static_cast<std::size_t>(line)] = box.Text();
    MarkRecipeChanged();
}

void Form5::filterBox(ui::TextBox& box) {
    if (state_.showingRecipe != 0) return;
    const std::string kept = CleanTyped(box.Text(), box.MaxLength(), box.MultiLine(), true);
    if (kept != box.Text()) {
        box.setText(kept);
        return;
    }
    if (userIsEditing()) MarkRecipeChanged();
}

void Form5::filterYieldUnit() {
    if (state_.showingRecipe != 0) return;
    const std::string kept = CleanTyped(Combo4->Text(), 0, false, true);
    if (kept != Combo4->Text()) {
        Combo4->setText(kept);
        return;
    }
    if (userIsEditing()) MarkRecipeChanged();
}

void Form5::Text2_Change() {
    if (state_.showingRecipe == 0) {
        const std::string kept = CleanTyped(Text2->Text(), Text2->MaxLength(), true, false);
        if (kept != Text2->Text()) {
            Text2->setText(kept);
            return;
        }
        if (userIsEditing()) MarkRecipeChanged();
    }
    showDirectionsLength();
}

void Form5::MarkRecipeChanged() {
    state_.RecipeChanged = true;
    applyAvailability();
}

// --- entering and leaving the boxes

bool Form5::refuseEntry() {
    if (!state_.editing()) {
        RecipeFunctionPrompt();
        return true;
    }
    if (state_.creating() && Text8->Text().empty()) {
        RequireRecipeName();
        return true;
    }
    return false;
}

void Form5::enterBox(ui::Control& box, ui::ComboBox* ownList, bool hidesNames) {
    box.setBackColor(Highlight);
    if (hidesNames) SSPanel3->setVisible(false);
    for (ui::ComboBox* list : {Combo3, Combo5, Combo6})
        if (list != ownList) list->setVisible(false);
    CloseSearchOptions();
}

void Form5::box_GotFocus(ui::Control& box, bool hidesNames) {
    if (refuseEntry()) return;
    enterBox(box, nullptr, hidesNames);
}

void Form5::lineBox_GotFocus(ui::TextBox& box, int line) {
    if (refuseEntry()) return;
    state_.CurrentLine = line;
    const auto i = static_cast<std::size_t>(line);
    if (&box == Text1[i]) {
        enterBox(box, Combo3, true);
        showPickList(*Combo3, box);
    } else if (&box == Text4[i]) {
        // A line of more than one takes the plural units.
        ui::ComboBox& units = basic::Val(Text1[i]->Text()) > 1 ? *Combo6 : *Combo5;
        enterBox(box, &units, true);
        showPickList(units, box);
    } else {
        enterBox(box, nullptr, true);
    }
}

void Form5::showPickList(ui::ComboBox& list, const ui::Control& box) {
    list.Move(box.Left(), box.Top(), box.Width() + 275, list.Height());
    list.setVisible(true);
}

void Form5::Text8_GotFocus() {
    if (!state_.editing()) {
        RecipeFunctionPrompt();
        return;
    }
    Text8->setBackColor(Highlight);
    if (Combo1->Text().empty()) {
        RequireRecipeType();
        return;
    }
    SSPanel3->setVisible(true);
    app_.runtime().doEvents();
    state_.AmountsRecalculated = false;
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
}

void Form5::RequireRecipeName() {
    if (state_.SuppressNextPrompt) {
        state_.SuppressNextPrompt = false;
        return;
    }
    CloseSearchOptions();
    app_.dialogs().MessageBox(
        {"Enter Recipe Name", "Please Enter Recipe Name First", MsgIcon::Information, MsgButtons::OK, 1});
    Text8->SetFocus();
}

void Form5::List1_Click() {
    app_.dialogs().MessageBox({"Current Recipe Names", "This list is used to display existing Recipes Only!",
                               MsgIcon::Information, MsgButtons::OK, 1});
    Text8->SetFocus();
}

// --- keys

// Only a change of a box's text marks the recipe changed (the boxes' Change
// handlers); keys that change nothing (Tab, Alt, Esc, arrows) never do.
void Form5::editorKey(int& key, ui::Control& next) {
    if (key == ui::keys::Return) next.SetFocus();
}

// Alt+Down opens the box's pick list, as it opens a drop-down box's own.
bool Form5::openPickList(int key, int shift, std::initializer_list<ui::ComboBox*> lists) {
    if (key != ui::keys::Down || (shift & ui::shiftmask::Alt) == 0) return false;
    for (ui::ComboBox* list : lists)
        if (list->Visible()) list->ShowDropDown();
    return true;
}

void Form5::Text5_KeyDown(int& key, int line) {
    if (key != ui::keys::Return) return;
    if (line == IngredientLineCount - 1) {
        Text2->SetFocus();
        return;
    }
    state_.CurrentLine = NextLineInGridOrder(line);
    Text1[static_cast<std::size_t>(state_.CurrentLine)]->SetFocus();
}

void Form5::Text8_KeyDown(int& key) {
    if (key != ui::keys::Return) return;
    if (Text8->Text().empty()) {
        app_.dialogs().MessageBox(
            {"Enter Recipe Name", "Please Enter Recipe Name First", MsgIcon::Information, MsgButtons::OK, 1});
        Text8->SetFocus();
        return;
    }
    Text1[0]->SetFocus();
}

// --- pick lists

void Form5::Combo3_Click() {
    const int at = Combo3->ListIndex();
    if (at < 0) return;
    const auto line = static_cast<std::size_t>(state_.CurrentLine);
    // "1/3" enters 0.34: the number with a zero before its point.
    const std::string value = basic::CStr(basic::Val(FractionValueText[static_cast<std::size_t>(at)]));
    Text1[line]->setText(value);
    state_.AmountText[line] = value;
    MarkRecipeChanged();
    Text4[line]->SetFocus();
}

void Form5::unitList_Click(ui::ComboBox& list) {
    if (list.ListIndex() < 0) return;
    const auto line = static_cast<std::size_t>(state_.CurrentLine);
    Text4[line]->setText(list.Text());
    MarkRecipeChanged();
    Text5[line]->SetFocus();
}

void Form5::showDirectionsLength() {
    const long length = basic::Len(Text2->Text());
    Label13->setCaption(std::to_string(length));
    // Near the field's end the length shows in red.
    Label13->setForeColor(length > 950 ? ui::colors::PureRed : ui::colors::Black);
}

}  // namespace recipes
