// The item grid: it shows the list model's rows; every edit goes through the
// model, which knows which line each row shows, also after a heading sort.
#include "platform/basic/text.h"
#include "shell/hinfo1.h"
#include "shopping/shoplist.h"

namespace shopping {

void Shoplist::SetUpItemGrid() {
    Grid1->setCols(2);
    for (int col = 0; col < 2; ++col) Grid1->setHeaderAlignment(col, ui::CellAlignment::Center);
    Grid1->setColAlignment(1, ui::CellAlignment::Center);
    Grid1->setSelectionMode(ui::GridSelection::Cell);
}

void Shoplist::ShowList() {
    Grid1->setRows(list_.Rows());
    Grid1->setTextMatrix(0, 0, list_.ItemHeading());
    Grid1->setTextMatrix(0, 1, std::string(AmountHeading));
    for (int r = 1; r < list_.Rows(); ++r) {
        const GridRow& row = list_.Row(r);
        Grid1->setTextMatrix(r, 0, row.item);
        Grid1->setTextMatrix(r, 1, row.amount);
    }
    state_.ListChanged = list_.ListChanged();
}

void Shoplist::FillItemGrid() {
    shell::BeginWait(app_);
    list_.FillItemGrid();
    ShowList();
    shell::EndWait(app_);
}

void Shoplist::setListChanged(bool changed) {
    state_.ListChanged = changed;
    list_.SetListChanged(changed);
}

void Shoplist::ShowListFull() {
    app_.dialogs().MessageBox({"Item Grid",
                               "The Grocery Item Grid is full: a list holds at most " + std::to_string(MaxListLines) +
                                   " items.\rNothing more was added.",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

void Shoplist::SSOption1_Click(int index) {
    HideDatePicker();
    CoverKeypad(true);
    Text1[AmountBox]->setBackColor(Text2->BackColor());
    Text1[AmountBox]->setText("");
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    state_.OrderOption = index == 1 ? OrderOption::Alphabetically : OrderOption::AsEntered;
    shell::BeginWait(app_);
    list_.SetOrderOption(state_.OrderOption);
    ShowList();
    shell::EndWait(app_);
}

void Shoplist::AskItemBeforeAmount() {
    app_.dialogs().MessageBox({"Item Grid", "Please, enter an Item before any Amounts.", platform::MsgIcon::Information,
                               platform::MsgButtons::OK, 1});
    for (int r = 1; r < list_.Rows(); ++r) {
        if (!list_.Row(r).item.empty()) continue;
        Grid1->setRow(r);
        Grid1->setCol(0);
        state_.RowEditMark = true;
        Grid1->setHighlight(true);
        return;
    }
}

// A row with an item was chosen for its amount: the keypad opens on it.
void Shoplist::ShowAmountRow(int row) {
    Label1->setCaption("Amount of " + basic::LTrim(list_.Row(row).item));
    CoverKeypad(false);
    Text1[AmountBox]->setText(list_.Row(row).amount);
    state_.RowEditMark = true;
    Grid1->setHighlight(true);
    Text1[AmountBox]->SetFocus();
}

void Shoplist::Grid1_SelectCell(int row, int col) {
    HideDatePicker();
    state_.CurrentCol = col;
    state_.CurrentRow = row < 1 ? 1 : row;
    const GridRow& shown = list_.Row(state_.CurrentRow);
    state_.EntryText = basic::LTrim(col == 1 ? shown.amount : shown.item);
    if (col == 1) Text1[ItemBox]->setText("");
    if (basic::Trim(Text1[ItemBox]->Text()).empty()) {
        if (col == 1) {
            if (shown.item.empty()) {
                AskItemBeforeAmount();
                Text1[ItemBox]->SetFocus();
            } else {
                ShowAmountRow(state_.CurrentRow);
            }
        } else {
            state_.RowEditMark = true;
            Grid1->setHighlight(true);
            Text1[ItemBox]->SetFocus();
            if (!shown.item.empty()) offerRowDelete(true);
        }
    } else if (col == 0) {
        // An item was typed and a row picked for it: it takes that row's item.
        state_.EntryText = basic::LTrim(Text1[ItemBox]->Text());
        if (list_.StoreEntryAtRow(state_.CurrentRow, state_.EntryText) == ListEdit::ListFull) {
            ShowListFull();
        } else {
            ShowList();
            setListChanged(true);
            CheckMasterItem(Text1[ItemBox]->Text());
            Text1[ItemBox]->setText("");
            FocusExit();
        }
    }
    shell::EndWait(app_);
}

void Shoplist::Grid1_AfterSort(int col) {
    // The model sorts its rows as the grid did and keeps which line each shows.
    list_.SortRows(col, Grid1->SortedAscending(), Grid1->Col());
    ShowList();
    FocusExit();
}

std::string Shoplist::Grid1_BeforeScrollTip(int row) {
    return " Row " + std::to_string(row) + ": " + list_.Row(row).item + " ";
}

void Shoplist::Grid1_GotFocus() {
    const int row = Grid1->Row();
    const bool onItem = row >= 1 && Grid1->Col() == 0 && !basic::RTrim(list_.Row(row).item).empty();
    offerRowDelete(onItem && state_.RowEditMark);
}

void Shoplist::offerRowDelete(bool offered) {
    state_.RowDeleteOffered = offered;
    Command1[DeleteRowButton]->setEnabled(offered);
    mODel->setEnabled(offered);
}

}  // namespace shopping
