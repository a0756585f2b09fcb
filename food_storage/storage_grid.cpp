// The storage grid and the category buttons: the headings, the rows of the
// view shown, and the switch between the All view and a category's review.
#include "food_storage/storage_categories.h"
#include "food_storage/storage_window.h"
#include "shell/hinfo1.h"

namespace food_storage {

namespace {

// Each heading's lines, joined by a carriage return alone.
constexpr const char* Headings[StorageColumns] = {
    " \rStorage\rItem",
    " \rNumber\rIn\rFamily",
    "Approx.\rAmount\rPer\rPerson",
    " \rTotal\rAmount\rNeeded",
    " \rAmount\rOn\rHand",
    "Last\rAction\rDate\r(mm/dd/yy)",
    "Last\rAction\rAmount\rAdded",
    "Last\rAction\rAmount\rUsed",
};

}  // namespace

void Form24::WriteHeadings() {
    Grid1->setCols(StorageColumns);
    if (Grid1->Rows() < 1) Grid1->setRows(1);
    for (int c = 0; c < StorageColumns; ++c) {
        Grid1->setTextMatrix(0, c, Headings[c]);
        Grid1->setHeaderAlignment(c, ui::CellAlignment::Center);
        Grid1->setColAlignment(c, c == TitleColumn ? ui::CellAlignment::Left : ui::CellAlignment::Center);
    }
}

void Form24::FillCategoryRows() {
    const int first = state_.CategoryFirstRow;
    const int last = state_.CategoryLastRow;
    Grid1->setRows(1 + last - first + 1);
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < StorageColumns; ++c)
            Grid1->setTextMatrix(r - first + 1, c, ShownCell(kind(), state_.document.table, r, c));
    }
}

void Form24::showTable() {
    const int row = Grid1->Row();
    const int col = Grid1->Col();
    FillCategoryRows();
    if (row < Grid1->Rows()) Grid1->setRow(row);
    Grid1->setCol(col);
}

void Form24::SetCategoryRange(int category) {
    if (const auto range = CategoryRange(kind(), category)) {
        state_.CategoryFirstRow = range->first;
        state_.CategoryLastRow = range->last;
    }
}

void Form24::ShowCategoryButtons() {
    for (std::size_t i = 0; i < Command3D1.size(); ++i)
        Command3D1[i]->setEnabled(static_cast<int>(i) != state_.CurrentCategory);
}

void Form24::setAllViewControls(bool enabled) {
    Command6->setEnabled(enabled);
    mOS->setEnabled(enabled);
    Text2->setEnabled(enabled);
    for (ui::Control* control : std::initializer_list<ui::Control*>{Command1, Command4, Command5})
        control->setEnabled(enabled);
    for (ui::Menu* item : {mOClr, mOAA, mOID, mOPrt}) item->setEnabled(enabled);
}

void Form24::Command3D1_Click(int index) {
    if (index > 0 && state_.document.changed) {
        const int answer = app_.dialogs().MessageBox(
            {"Food Storage",
             "These button are for review only!\rSave changes made to Food Storage data before this action?",
             platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
        if (answer == platform::answer::Cancel) return;
        if (answer == platform::answer::Yes) {
            shell::BeginWait(app_);
            const bool saved = SaveStorageFile();
            shell::EndWait(app_);
            // What could not be written stays in the All view, still to be saved.
            if (!saved) return;
        } else {
            LoadStorageFile();
        }
    }
    state_.document.changed = state_.document.changed && index == 0;
    shell::BeginWait(app_);
    HideDatePicker();
    state_.CurrentCategory = index;
    ShowCategoryButtons();
    setAllViewControls(index == 0);
    SetCategoryRange(index);
    FillCategoryRows();
    state_.InputArmed = false;
    Text1->setText("");
    Grid1->setRow(1);
    Grid1->setCol(0);
    if (kind() == StorageKind::Basic && index >= 1 && index <= 7) {
        chart1_->panel().setVisible(false);
        state_.ChartCategory = index;
        ShowCategoryChart();
        state_.ChartCategory = 0;
        chart1_->panel().setVisible(true);
    } else {
        chart1_->panel().setVisible(false);
    }
    focusExit();
    shell::EndWait(app_);
}

std::string Form24::Grid1_RowCaption(int row) {
    const std::string title = row >= 0 && row < Grid1->Rows() ? Grid1->TextMatrix(row, TitleColumn) : "";
    return " Row " + std::to_string(row) + ": " + title + " ";
}

}  // namespace food_storage
