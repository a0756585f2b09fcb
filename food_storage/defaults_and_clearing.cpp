// "&Item Defaults", "&Approx. Amts." and "&Clear Last Action Columns": the
// commands of the All view that replace or empty whole columns.
#include "food_storage/storage_window.h"
#include "food_storage/store/storage_defaults.h"

namespace food_storage {

void Form24::Command4_Click() {
    HideDatePicker();
    const int answer = app_.dialogs().MessageBox({"Default Setting", "Replace Item Titles with Default Titles?",
                                                  platform::MsgIcon::Question, platform::MsgButtons::YesNo, 2});
    if (answer != platform::answer::Yes) return;
    // A missing file changes nothing, without a message.
    static_cast<void>(LoadDefaultTitles(app_.folder(), kind(), state_.document.table));
    state_.document.changed = true;
    showTable();
}

void Form24::Command5_Click() {
    HideDatePicker();
    const int answer =
        app_.dialogs().MessageBox({"Default Setting", "Replace Approximate Amount Per Person\rwith Default Amounts?",
                                   platform::MsgIcon::Question, platform::MsgButtons::YesNo, 2});
    if (answer != platform::answer::Yes) return;
    static_cast<void>(LoadDefaultAmounts(app_.folder(), kind(), state_.document.table, Text2->Text()));
    state_.document.changed = true;
    showTable();
}

void Form24::mOAA_Click() { Command5_Click(); }

void Form24::mOID_Click() { Command4_Click(); }

void Form24::mOClr_Click() {
    HideDatePicker();
    StatusBar1->setPanelText(1, "Clear Last Action Columns");
    const int answer =
        app_.dialogs().MessageBox({"Delete Data", "Delete All Last Action Data,\r(Last 3 Columns of Data)?",
                                   platform::MsgIcon::None, platform::MsgButtons::YesNoCancel, 2});
    if (answer == platform::answer::Yes) {
        ClearLastActionColumns(state_.document.table);
        state_.document.changed = true;
        showTable();
    }
    StatusBar1->setPanelText(1, Caption());
}

}  // namespace food_storage
