// The commands on whole lists: save, open, new list, delete a list file,
// clear the grid, and delete a row.
#include <filesystem>
#include <system_error>

#include "platform/basic/text.h"
#include "shell/hinfo1.h"
#include "shopping/list_dialog/list_file_dialog.h"
#include "shopping/shoplist.h"
#include "shopping/store/list_file.h"
#include "shopping/store/list_file_name.h"

namespace shopping {

namespace {

constexpr ui::OleColor PureRed = 255;

int Ask(shell::Application& app, const char* title, const std::string& text, platform::MsgIcon icon,
        platform::MsgButtons buttons, int defaultButton) {
    return app.dialogs().MessageBox({title, text, icon, buttons, defaultButton});
}

}  // namespace

Shoplist::SaveResult Shoplist::SaveListFile() {
    const auto date = ParseDateBoxText(Text1[DateBox]->Text());
    const auto name = date ? ListFileName(*date) : std::nullopt;
    if (!name) {
        // Without a date the list would have no name to be found by.
        app_.dialogs().MessageBox({"Error Message", "Invalid Date has been Entered!", platform::MsgIcon::Critical,
                                   platform::MsgButtons::OK, 1});
        Text1[DateBox]->SetFocus();
        return SaveResult::NoDate;
    }
    const auto path = app_.folder().Resolve(*name);
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        const std::string stem = name->substr(0, name->find('.'));
        app_.vars.MessageAnswer =
            Ask(app_, "Save .lst File", stem + ".lst\rThis file already already exists.\rDo you want to replace it?",
                platform::MsgIcon::Exclamation, platform::MsgButtons::YesNo, 2);
        if (app_.vars.MessageAnswer != platform::answer::Yes) return SaveResult::NotReplaced;
    }
    shell::BeginWait(app_);
    const bool written = shopping::SaveListFile(path, list_);
    shell::EndWait(app_);
    if (!written) {
        app_.dialogs().MessageBox({"Save .lst File",
                                   "The list could not be saved to " + *name +
                                       ".\rIt is still on the "
                                       "screen: check the disk and save it again.",
                                   platform::MsgIcon::Critical, platform::MsgButtons::OK, 1});
        return SaveResult::Failed;
    }
    setListChanged(false);
    return SaveResult::Saved;
}

void Shoplist::mOS_Click() {
    HideDatePicker();
    static_cast<void>(SaveListFile());
}

void Shoplist::AskSaveBeforeAction() {
    app_.vars.MessageAnswer = Ask(app_, "Grocery List", "Save changes made to Grocery Item Grid before this action?",
                                  platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1);
    if (app_.vars.MessageAnswer != platform::answer::Yes) return;
    const SaveResult saved = SaveListFile();
    // A list that was not written is not dropped by the action that asked.
    if (saved == SaveResult::Failed || saved == SaveResult::NoDate) app_.vars.MessageAnswer = platform::answer::Cancel;
}

bool Shoplist::ListMayBeReplaced() {
    auto& vars = app_.vars;
    vars.MessageAnswer = 0;
    if (state_.ListChanged) AskSaveBeforeAction();
    if (vars.MessageAnswer != platform::answer::Cancel) return true;
    vars.MessageAnswer = 0;
    return false;
}

void Shoplist::ShowNoSavedLists() {
    app_.dialogs().MessageBox({"Open/Delete List Action", "Currently, there are No Saved Lists",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

void Shoplist::mOP_Click() {
    HideDatePicker();
    StatusBar1->setPanelText(1, "Open an Existing List");
    if (!ListMayBeReplaced()) {
        StatusBar1->setPanelText(1, Caption());
        return;
    }
    const ListFileChoice choice = AskForListFile(app_, ListDialogMode::Open);
    if (choice.kind == ListFileChoice::Kind::NoListFiles) ShowNoSavedLists();
    if (choice.kind == ListFileChoice::Kind::Chosen) OpenChosenList(choice.fileName);
    StatusBar1->setPanelText(1, Caption());
}

void Shoplist::OpenChosenList(const std::string& fileName) {
    list_.Clear();
    ShowList();
    if (!IsListFileName(fileName)) {
        app_.dialogs().MessageBox({"File Error", "An Invalid File has been Selected!", platform::MsgIcon::Critical,
                                   platform::MsgButtons::OK, 1});
        return;
    }
    shell::BeginWait(app_);
    if (const auto date = ListFileDate(fileName)) {
        Text1[DateBox]->setText(std::to_string(date->month) + "/" + basic::Right("0" + std::to_string(date->day), 2) +
                                "/" + basic::Right("0" + std::to_string(date->year % 100), 2));
    }
    const OpenedList opened = OpenListFile(app_.folder().Resolve(fileName), list_);
    state_.OrderOption = OrderOption::AsEntered;
    SSOption1[0]->setValue(true);
    ShowList();
    SetSaveGroup(true);
    setListChanged(false);
    shell::EndWait(app_);
    ReportListLinesRefused(opened.leftOut);
}

void Shoplist::ReportListLinesRefused(int refused) {
    if (refused <= 0) return;
    app_.dialogs().MessageBox({"Item Grid",
                               "The list holds more items than the Grocery Item Grid takes: the first " +
                                   std::to_string(MaxListLines) + " are shown, " + std::to_string(refused) +
                                   " were left out.",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

void Shoplist::mON_Click() {
    HideDatePicker();
    if (!ListMayBeReplaced()) return;
    Text1[DateBox]->setText(TodayText());
    list_.Clear();
    ShowList();
    setListChanged(false);
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    state_.OrderOption = OrderOption::AsEntered;
    SSOption1[0]->setValue(true);
    FocusExit();
}

void Shoplist::mODeLst_Click() {
    HideDatePicker();
    StatusBar1->setPanelText(1, "Delete an Existing List");
    const ListFileChoice choice = AskForListFile(app_, ListDialogMode::Delete);
    if (choice.kind == ListFileChoice::Kind::NoListFiles) ShowNoSavedLists();
    if (choice.kind == ListFileChoice::Kind::Chosen) {
        app_.vars.MessageAnswer = Ask(app_, "Delete File", "Do you Really want to Delete - \r" + choice.fileName + "?",
                                      platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 2);
        if (app_.vars.MessageAnswer == platform::answer::Yes) {
            std::error_code error;
            // A file already gone is as good as deleted.
            std::filesystem::remove(app_.folder().Resolve(choice.fileName), error);
        }
    }
    StatusBar1->setPanelText(1, Caption());
}

void Shoplist::mOCl_Click() {
    HideDatePicker();
    if (!ListMayBeReplaced()) return;
    auto& vars = app_.vars;
    vars.MessageAnswer = Ask(app_, "Clear Grid", "Do you really want To Clear the Grid?", platform::MsgIcon::Question,
                             platform::MsgButtons::YesNoCancel, 2);
    if (vars.MessageAnswer == platform::answer::Yes) {
        list_.Clear();
        ShowList();
        Grid1->setRow(1);
        Grid1->setCol(1);
        setListChanged(false);
    }
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    vars.MessageAnswer = 0;
}

void Shoplist::mODel_Click() {
    HideDatePicker();
    const int row = state_.CurrentRow;
    Grid1->setRow(row < 1 ? 1 : row);
    Grid1->setCol(0);
    state_.RowEditMark = false;
    Grid1->setHighlight(false);
    if (row < 1) return;
    const GridRow shown = list_.Row(row);
    state_.EntryText = basic::LTrim(shown.item);
    // The row shows red while the question is open.
    state_.RowShownForDeletion = row;
    for (int col = 0; col < 2; ++col) Grid1->setCellBackColor(row, col, PureRed);
    const std::string question =
        shown.item.empty() ? std::string("Delete This Row?")
                           : "Delete Item and Amount for - \r" + basic::LTrim(shown.item) + ", " + shown.amount + "?";
    auto& vars = app_.vars;
    vars.MessageAnswer =
        Ask(app_, "Delete Row", question, platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 2);
    for (int col = 0; col < 2; ++col) Grid1->setCellBackColor(row, col, std::nullopt);
    state_.RowShownForDeletion = 0;
    if (vars.MessageAnswer == platform::answer::Yes && list_.RemoveListLine(row)) {
        ShowList();
        setListChanged(true);
        offerRowDelete(false);
    }
    vars.MessageAnswer = 0;
}

}  // namespace shopping
