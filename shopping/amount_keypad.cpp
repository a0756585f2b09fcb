// The amount keypad: digits, unit words chosen singular or plural by the
// amount, and the keys that enter the amount on the chosen row or clear it.
#include <array>
#include <string_view>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "shell/hinfo1.h"
#include "shopping/shoplist.h"

namespace shopping {

namespace {

// The unit keys' words for one and for more. The longer box and loaf keys
// are measured as "Box(s)" and "Loaf(s)" would be.
struct UnitWords {
    std::string_view one;
    std::string_view more;
};
constexpr std::array<UnitWords, Shoplist::UnitKeyCount> Units{{
    {"Bag", "Bags"},
    {"Bottle", "Bottles"},
    {"Box", "Boxes"},
    {"Can", "Cans"},
    {"Carton", "Cartons"},
    {"Dozen", "Dozen"},
    {"Gallon", "Gallons"},
    {"Loaf", "Loafes"},
    {"Liter", "Liters"},
    {"Ounce", "Ounces"},
    {"Package", "Packages"},
    {"Pint", "Pints"},
    {"Pound", "Pounds"},
    {"Quart", "Quarts"},
}};

// More than a five-digit amount: a unit word is already there.
constexpr long ComposedLength = 4;

}  // namespace

void Shoplist::CoverKeypad(bool covered) {
    state_.KeypadCovered = covered;
    SSPanel4->setVisible(covered);
    // Covered keys take no focus either, so the keyboard reaches them only with a row chosen.
    SSPanel3->setEnabled(!covered);
    for (ui::CommandButton* key : SSCommand1) key->setEnabled(!covered);
}

void Shoplist::SSCommand2_Click(int index) {
    HideDatePicker();
    ui::TextBox& box = *Text1[AmountBox];
    if (!(basic::Val(box.Text()) > 0) || basic::Len(box.Text()) > ComposedLength) box.setText("");
    box.setText(box.Text() + static_cast<char>('0' + index));
    box.setSelStart(static_cast<int>(box.Text().size()));
    box.SetFocus();
}

void Shoplist::SSCommand3_Click(int index) {
    HideDatePicker();
    ui::TextBox& box = *Text1[AmountBox];
    if (basic::Len(box.Text()) > ComposedLength) box.setText("");
    const UnitWords& unit = Units[static_cast<std::size_t>(index)];
    box.setText(box.Text() + " " + std::string(basic::Val(box.Text()) < 2 ? unit.one : unit.more));
    box.setSelStart(static_cast<int>(box.Text().size()));
    box.SetFocus();
}

void Shoplist::SSCommand1_Click(int index) {
    HideDatePicker();
    if (index == EnterAmountKey) {
        shell::BeginWait(app_);
        // An empty box takes the row's amount away.
        if (list_.StoreAmountAtRow(state_.CurrentRow, Text1[AmountBox]->Text()) == ListEdit::Done) {
            ShowList();
            setListChanged(true);
        }
        Grid1->setCol(0);
        state_.EntryText = basic::LTrim(list_.Row(state_.CurrentRow).item);
        shell::EndWait(app_);
    }
    Text1[AmountBox]->setText("");
    Text1[AmountBox]->SetFocus();
    if (state_.CurrentRow < 1) state_.CurrentRow = 1;
    Grid1->setRow(state_.CurrentRow);
}

}  // namespace shopping
