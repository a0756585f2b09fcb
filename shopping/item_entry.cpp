// Item entry: the item box with its completion from the master list, the
// master list's drop-down, and the shopping date's box and calendar.
#include "platform/basic/atomic_write.h"
#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "shell/hinfo1.h"
#include "shopping/shoplist.h"
#include "shopping/store/list_file_name.h"

namespace shopping {

namespace {

// The box being typed in.
constexpr ui::OleColor Yellow = ui::Rgb(255, 255, 0);
constexpr char Quote = '"';

bool DateCharacter(char c) { return c >= '/' && c <= '9'; }

// The date box's checks: at most 8 characters, month and day in range, a
// two-digit year, and a day that exists (2/30/04 does not).
bool AcceptedDate(const std::string& s) {
    const long slash = basic::InStr(s, "/");
    if (basic::Len(s) > 8) return false;
    if (basic::Val(basic::Mid(s, slash + 1, 2)) > 31) return false;
    if (basic::Val(basic::Right(s, 3)) > 99) return false;
    if (!(basic::Val(s) > 0)) return false;
    if (basic::Val(basic::Left(s, 2)) > 12) return false;
    return ParseDateBoxText(s).has_value();
}

}  // namespace

std::string DateBoxText(const basic::CalendarDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
           basic::Right("0" + std::to_string(date.year % 100), 2);
}

// --- the master list

void Shoplist::LoadMasterItems() {
    const auto file = app_.folder().Resolve(ItemMasterFileName);
    // A rewrite a crash cut short leaves its temporary file beside the list.
    basic::RemoveLeftoverTemporaries(file);
    master_ = shopping::LoadMasterItems(app_.folder()).list;
    FillMasterCombo();
    Text1[ItemBox]->setText("");
}

void Shoplist::FillMasterCombo() {
    Combo1->Clear();
    for (const std::string& item : master_.Items()) Combo1->AddItem(item);
}

void Shoplist::setMasterButtons(bool deleteItem, bool addItem) {
    Command1[DeleteMasterItemButton]->setEnabled(deleteItem);
    Command1[AddItemButton]->setEnabled(addItem);
}

void Shoplist::CheckMasterItem(const std::string& text) {
    setMasterButtons(false, false);
    if (text.empty()) return;
    const MasterCheck check = master_.CheckMasterItem(text);
    if (check == MasterCheck::Found) return;
    if (check == MasterCheck::Added) {
        // A list that cannot be written keeps the item for this opening.
        static_cast<void>(WriteMasterItems(app_.folder(), master_));
        FillMasterCombo();
    }
    Text1[ItemBox]->setText("");
}

void Shoplist::DeleteMasterItem() {
    if (master_.Count() == 0) return;
    const bool removed = master_.DeleteMasterItem(Text1[ItemBox]->Text());
    Text1[ItemBox]->setText("");
    if (removed) {
        static_cast<void>(WriteMasterItems(app_.folder(), master_));
        FillMasterCombo();
    }
    setMasterButtons(false, false);
}

void Shoplist::AddTypedItem() {
    const std::string item = basic::LTrim(Text1[ItemBox]->Text());
    if (item.empty()) return;
    if (list_.AppendItem(item) == ListEdit::ListFull) {
        ShowListFull();
        return;
    }
    CheckMasterItem(Text1[ItemBox]->Text());
    Text1[ItemBox]->setText("");
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    ShowList();
    setListChanged(true);
    FocusExit();
}

bool Shoplist::ReplaceRowItem(const std::string& text) {
    state_.EntryText = basic::LTrim(text);
    if (list_.StoreEntryAtRow(state_.CurrentRow, state_.EntryText) == ListEdit::ListFull) {
        ShowListFull();
        return false;
    }
    ShowList();
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    return true;
}

// --- the drop-down

void Shoplist::Combo1_Click() {
    if (Combo1->Text().empty()) return;
    if (state_.RowEditMark) {
        if (!ReplaceRowItem(Combo1->Text())) return;
        FocusExit();
        setListChanged(true);
        return;
    }
    Text1[ItemBox]->setText(Combo1->Text());
    Text1[ItemBox]->setBackColor(Yellow);
    Combo1->setText("");
    setMasterButtons(true, true);
}

void Shoplist::Combo1_DropDown() { Command1[DeleteMasterItemButton]->setEnabled(false); }

void Shoplist::Combo1_GotFocus() {
    HideDatePicker();
    CoverKeypad(true);
    Text1[AmountBox]->setBackColor(Text2->BackColor());
    if (Grid1->Col() > 0) {
        state_.RowEditMark = false;
        Grid1->setHighlight(false);
        Grid1->setCol(0);
    }
    Command1[DeleteMasterItemButton]->setEnabled(false);
}

void Shoplist::Combo1_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Return) return;
    keyCode = 0;
    Text1[ItemBox]->setText(Combo1->Text());
    CheckMasterItem(Text1[ItemBox]->Text());
}

// --- the entry boxes

void Shoplist::showBoxFocus(ui::Control* focused) {
    for (ui::TextBox* box : Text1)
        if (box->BackColor() == Yellow) box->setBackColor(Text2->BackColor());
    if (focused) focused->setBackColor(Yellow);
}

void Shoplist::Text1_KeyPress(int index, int& keyAscii) {
    // A quote would end the item early in the list file; Enter is handled on its way down.
    if ((keyAscii == Quote && index != DateBox) || keyAscii == ui::keys::Return) keyAscii = 0;
}

void Shoplist::Text1_KeyUp(int index, int& /*keyCode*/, int /*shift*/) {
    if (index != ItemBox) return;
    const std::string typed = basic::UCase(basic::LTrim(Text1[ItemBox]->Text()));
    if (typed.empty()) return;
    for (const std::string& entry : Combo1->items()) {
        if (basic::UCase(basic::Left(entry, basic::Len(typed))) != typed) continue;
        Combo1->setText(entry);
        return;
    }
}

void Shoplist::Text1_KeyDown(int index, int& keyCode, int /*shift*/) {
    if (keyCode == ui::keys::Delete && state_.RowDeleteOffered) {
        mODel_Click();
        return;
    }
    if (keyCode != ui::keys::Return || Text1[static_cast<std::size_t>(index)]->Text().empty()) return;
    // Taken here: the focus may have moved on to a button, which Enter would press.
    if (index != DateBox) keyCode = 0;
    if (index == ItemBox) {
        if (!state_.RowEditMark) {
            AddTypedItem();
            return;
        }
        app_.display().Beep();
        if (ReplaceRowItem(Text1[ItemBox]->Text())) Text1[ItemBox]->setText("");
    } else if (index == AmountBox) {
        if (state_.CurrentRow < 1) state_.CurrentRow = 1;
        // An amount belongs to an item: a row without one gets none.
        if (list_.Row(state_.CurrentRow).item.empty()) {
            AskItemBeforeAmount();
            return;
        }
        SSCommand1_Click(EnterAmountKey);
        Grid1->setRow(state_.CurrentRow);
    }
}

void Shoplist::Text1_DblClick(int index) {
    if (index == ItemBox && !basic::Trim(Text1[ItemBox]->Text()).empty()) Command1_Click(AddItemButton);
}

void Shoplist::Text1_GotFocus(int index) {
    showBoxFocus(Text1[static_cast<std::size_t>(index)]);
    if (index != AmountBox) CoverKeypad(true);
    if (index == DateBox) {
        state_.RowEditMark = false;
        Grid1->setHighlight(false);
    }
    if (state_.CurrentRow < 1) state_.CurrentRow = 1;
}

void Shoplist::Text1_Click(int index) {
    if (index == DateBox) {
        MonthView1->setVisible(true);
        state_.DatePickerShown = true;
    } else if (index == AmountBox) {
        if (state_.CurrentRow < 1) state_.CurrentRow = 1;
        Grid1->setRow(state_.CurrentRow);
        Grid1->setCol(0);
        if (list_.Row(state_.CurrentRow).item.empty()) {
            AskItemBeforeAmount();
            Text1[ItemBox]->SetFocus();
        }
    }
}

void Shoplist::Text1_Change(int index) {
    ui::TextBox& box = *Text1[static_cast<std::size_t>(index)];
    const std::string text = box.Text();
    if (index != DateBox) {
        // Pasted quotes go too, wherever they stand.
        if (text.find(Quote) != std::string::npos) {
            box.setText(WithoutQuotes(text));
            box.setSelStart(static_cast<int>(box.Text().size()));
            return;
        }
        if (index == ItemBox) Command1[AddItemButton]->setEnabled(true);
        return;
    }
    if (text.empty()) return;
    if (!DateCharacter(text.back())) {
        box.setText(text.size() == 1 ? std::string() : text.substr(0, text.size() - 1));
        box.setSelStart(static_cast<int>(box.Text().size()));
        return;
    }
    const auto dash = text.find('-');
    if (const auto date = ParseDateBoxText(dash == std::string::npos ? text : text.substr(dash + 1)))
        MonthView1->setValue(*date);
}

void Shoplist::Text1_LostFocus(int index) {
    if (index != DateBox) return;
    if (AcceptedDate(Text1[DateBox]->Text())) return;
    app_.dialogs().MessageBox(
        {"Error Message", "Invalid Date has been Entered!", platform::MsgIcon::Critical, platform::MsgButtons::OK, 1});
    Text1[DateBox]->setText(TodayText());
    Text1[DateBox]->SetFocus();
}

// --- the calendar

void Shoplist::HideDatePicker() {
    MonthView1->setVisible(false);
    state_.DatePickerShown = false;
}

void Shoplist::MonthView1_DateClick(const basic::CalendarDate& date) {
    Text1[DateBox]->setText(DateBoxText(date));
    setListChanged(true);
    HideDatePicker();
    Text1[ItemBox]->SetFocus();
}

}  // namespace shopping
