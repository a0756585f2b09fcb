// Entry into the storage grid: which cell a click chooses, the input box
// armed for it, the calendar of the last action's date, the number in
// family, and what an entry writes into the table.
#include "food_storage/last_action_date.h"
#include "food_storage/storage_window.h"
#include "food_storage/store/storage_amounts.h"
#include "platform/ui/keys.h"

namespace food_storage {

namespace {

constexpr ui::OleColor Yellow = ui::Rgb(255, 255, 0);

std::string WithoutLeadingBlanks(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string Trimmed(std::string_view text) {
    std::string t = WithoutLeadingBlanks(text);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

// Columns whose entries are numbers or dates: digits, "." and "/" only.
bool IsFilteredColumn(int col) { return col == 1 || (col >= 3 && col <= 7); }
bool IsAmountCharacter(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '/'; }

}  // namespace

// --- choosing a cell

void Form24::Grid1_SelectCell(int row, int col) {
    if (!state_.allView()) {
        WarnAllViewOnly();
        return;
    }
    if (row < 1 || row > StorageRows || col < 0 || col >= StorageColumns) return;
    if (col != LastActionDateColumn) HideDatePicker();
    StorageTable& table = state_.document.table;
    if (Trimmed(Grid1->TextMatrix(row, col)) == StorageRowMark) {
        Grid1->setCol(TitleColumn);
        return;
    }
    // The click after an amount per person only clears the guard.
    if (state_.EntryColumn >= 2 && state_.EntryColumn <= 4) {
        state_.EntryColumn = 0;
        return;
    }
    state_.EntryColumn = col;
    state_.EntryRow = row;
    const bool named = !WithoutLeadingBlanks(Grid1->TextMatrix(row, TitleColumn)).empty();
    switch (col) {
        case TitleColumn: break;
        case NumberInFamilyColumn:
            Grid1->setCol(TitleColumn);
            if (!named) WarnItemNameFirst();
            return;
        case AmountPerPersonColumn:
        case TotalNeededColumn:
        case AmountAddedColumn:
            Grid1->setCol(TitleColumn);
            if (named) {
                state_.EntryColumn = col == AmountAddedColumn ? AmountAddedColumn : AmountPerPersonColumn;
            } else {
                WarnItemNameFirst();
                state_.EntryColumn = 0;
            }
            break;
        case OnHandColumn: state_.EntryColumn = 0; break;
        case LastActionDateColumn: {
            Grid1->setCol(TitleColumn);
            if (!named) {
                WarnItemNameFirst();
                return;
            }
            Grid1->setCol(LastActionDateColumn);
            // A cell that holds no date leaves the calendar where it was.
            if (const auto date = ReadLastActionDate(table.Cell(row, LastActionDateColumn)))
                MonthView1->setValue(*date);
            MonthView1->setVisible(true);
            state_.DatePickerShown = true;
            break;
        }
        case AmountUsedColumn:
            Grid1->setCol(OnHandColumn);
            if (ReadKitchenAmount(table.Cell(row, OnHandColumn)).value <= 0) {
                Grid1->setCol(AmountUsedColumn);
                WarnNoOnHand();
                return;
            }
            break;
        default: break;
    }
    Grid1->setRow(state_.EntryRow);
    Grid1->setCol(state_.EntryColumn);
    HighlightInputBox();
}

void Form24::setEntryBoxColor(ui::TextBox& box, bool yellow) { box.setBackColor(yellow ? Yellow : Text3->BackColor()); }

void Form24::HighlightInputBox() {
    setEntryBoxColor(*Text1, true);
    Text1->setMaxLength(Grid1->Col() == TitleColumn ? 20 : 8);
    Text1->setSelStart(0);
    Text1->setSelLength(static_cast<int>(Text1->Text().size()));
    Grid1->setHighlight(true);
    state_.InputArmed = true;
    Text1->SetFocus();
}

void Form24::HideDatePicker() {
    MonthView1->setVisible(false);
    state_.DatePickerShown = false;
    Grid1->setHighlight(false);
}

// --- the input box

void Form24::Text1_Change() {
    if (state_.EntryGuard || !IsFilteredColumn(Grid1->Col())) return;
    const std::string& text = Text1->Text();
    std::string kept;
    for (char c : text)
        if (IsAmountCharacter(c)) kept += c;
    if (kept == text) return;
    Text1->setText(kept);
    Text1->setSelStart(static_cast<int>(kept.size()));
}

void Form24::Text1_Click() {
    if (Grid1->Highlight()) return;
    app_.dialogs().MessageBox({"Grid Entry Routine", "Please first select Grid location for input.",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    focusExit();
}

void Form24::Text1_KeyPress(int& keyAscii) {
    if (state_.EntryGuard || !state_.InputArmed) return;
    state_.EntryColumn = Grid1->Col();
    state_.EntryRow = Grid1->Row();
    if (keyAscii != ui::keys::Return) return;
    HideDatePicker();
    keyAscii = 0;
    Grid1->setRow(state_.EntryRow);
    Grid1->setCol(state_.EntryColumn);
    ApplyInputBoxEntry();
}

void Form24::Text1_LostFocus() {
    Text1->setText("");
    Grid1->setHighlight(false);
    setEntryBoxColor(*Text1, false);
    state_.InputArmed = false;
}

void Form24::ApplyInputBoxEntry() {
    const int row = Grid1->Row();
    const int col = Grid1->Col();
    if (row < 1 || row > StorageRows || col < 0 || col >= StorageColumns) return;
    StorageTable& table = state_.document.table;
    std::string text = Text1->Text();
    const KitchenAmount amount = ReadKitchenAmount(text);

    // An amount per person of nothing clears the row's need; a total row keeps its own.
    if (col == AmountPerPersonColumn && amount.value <= 0) {
        if (!IsMark(table.Cell(row, LastActionDateColumn))) {
            for (int c : {NumberInFamilyColumn, AmountPerPersonColumn, TotalNeededColumn}) table.Cell(row, c).clear();
            state_.document.changed = true;
            showTable();
        }
        Grid1->setCol(AmountPerPersonColumn);
        return;
    }
    if (!text.empty()) {
        if (col > AmountPerPersonColumn && amount.value < 0) {
            Grid1->SetFocus();
            return;
        }
        if (col > TitleColumn) text = WithoutLeadingBlanks(text);
    }
    // A typed date is taken only when it is one, and then as the calendar writes it.
    if (col == LastActionDateColumn && !text.empty()) {
        const auto date = ReadLastActionDate(text);
        if (!date) {
            app_.display().Beep();
            return;
        }
        text = LastActionDateText(*date);
    }
    if (col == AmountPerPersonColumn && IsMark(table.Cell(row, LastActionDateColumn)))
        text = CarryUnit(table.Cell(row, AmountPerPersonColumn), text);
    table.Cell(row, col) = text;
    state_.document.changed = true;

    if (col == AmountPerPersonColumn) {
        RecomputeTotalsNeeded(kind(), table, Text2->Text());
    } else if (col == AmountAddedColumn || col == AmountUsedColumn) {
        state_.EntryGuard = true;
        BookAmount(kind(), table, row, col == AmountAddedColumn ? Booking::Added : Booking::Used);
        state_.EntryGuard = false;
    }
    showTable();
    Grid1->setHighlight(false);
    state_.InputArmed = false;
    if (Command6->Enabled()) Command6->SetFocus();
    else Command3D1[0]->SetFocus();
}

// --- the calendar

void Form24::MonthView1_DateClick(const basic::CalendarDate& date) {
    state_.EntryGuard = true;
    Text1->setText(LastActionDateText(date));
    state_.EntryGuard = false;
    Grid1->setRow(state_.EntryRow);
    Grid1->setCol(state_.EntryColumn);
    ApplyInputBoxEntry();
    Text1->setText("");
    HideDatePicker();
}

// --- the number in family

void Form24::Text2_Change() {
    if (state_.EntryGuard) return;
    const std::string& text = Text2->Text();
    std::string kept;
    for (char c : text)
        if (c >= '0' && c <= '9') kept += c;
    if (kept == text) return;
    Text2->setText(kept);
    Text2->setSelStart(static_cast<int>(kept.size()));
}

void Form24::Text2_GotFocus() {
    HideDatePicker();
    Text2->setSelStart(0);
    Text2->setSelLength(static_cast<int>(Text2->Text().size()));
    setEntryBoxColor(*Text2, true);
}

void Form24::Text2_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Return) return;
    RecomputeTotalsNeeded(kind(), state_.document.table, Text2->Text());
    state_.document.changed = true;
    showTable();
}

void Form24::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return) keyAscii = 0;
}

void Form24::Text2_LostFocus() { setEntryBoxColor(*Text2, false); }

// --- the entry messages

void Form24::WarnAllViewOnly() {
    app_.dialogs().MessageBox({"Grid Entry", "These entries can only be entered or changed when All data is selected!",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    focusExit();
}

void Form24::WarnItemNameFirst() {
    setEntryBoxColor(*Text1, false);
    Grid1->setHighlight(true);
    app_.dialogs().MessageBox({"Food Storage Entry", "Please enter Storage Item Name First!",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    Grid1->setRow(state_.EntryRow);
    Grid1->setCol(TitleColumn);
    HighlightInputBox();
}

void Form24::WarnNoOnHand() {
    Text1->setText("");
    setEntryBoxColor(*Text1, false);
    Grid1->setHighlight(true);
    app_.dialogs().MessageBox({"Food Storage Entry",
                               "There is No Amount On Hand Total for this Storage Item\r"
                               "from which to Remove Amount Used!",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    Grid1->setHighlight(false);
    state_.InputArmed = false;
    focusExit();
}

void Form24::ResetStorageState() {
    state_.EntryColumn = state_.EntryRow = 0;
    state_.CurrentCategory = 0;
    state_.CategoryFirstRow = 1;
    state_.CategoryLastRow = StorageRows;
    state_.document.changed = false;
    state_.ChartCategory = 0;
    state_.InputArmed = false;
}

}  // namespace food_storage
