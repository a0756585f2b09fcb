// The Print/View panel: the day or a range of days in the grid, or on to the print preview.
#include "menu_planner/views/print_view_panel.h"

#include <algorithm>
#include <cmath>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/hinfo1.h"

namespace menu_planner {

namespace {

enum ViewChoice { CurrentDateOnly = 0, CurrentDatePlus = 1 };
constexpr double ColumnShares[] = {0.18, 0.27, 0.27, 0.27};
constexpr const char* Heads[] = {"Day", "Breakfast", "Lunch", "Dinner"};

void Inform(shell::Application& app, const char* title, const char* text) {
    app.dialogs().MessageBox({title, text, platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

// The number a day count begins with, rounded; 0 for a text that begins with none.
int LeadingCount(const std::string& text) {
    const double value = basic::Val(text);
    if (!std::isfinite(value) || value > 1e6) return 1000000;
    if (value < -1e6) return -1000000;
    return static_cast<int>(std::lround(value));
}

}  // namespace

PrintViewPanel::PrintViewPanel(shell::Application& app, ui::Form& window, const PrintViewDesign& design,
                               PrintViewHost host)
    : app_(app), host_(std::move(host)) {
    // The window built the panel's rows among its own; the same rows bind them here.
    int tab = 0;
    ui::design::BindBuilt(window, *this, PrintViewRows(design, tab));
    FillDayCounts();
}

void PrintViewPanel::FillDayCounts() {
    Combo5->Clear();
    for (int n = 1; n <= MostFollowingDays; ++n) Combo5->AddItem(std::to_string(n));
}

void PrintViewPanel::Open() {
    open_ = true;
    Grid1->setVisible(false);
    SSPanel3->setVisible(true);
    SSPanel3->SetFocus();
}

bool PrintViewPanel::currentDateOnly() const { return !SSOption1[CurrentDatePlus]->Value(); }

int PrintViewPanel::followingDays() const { return Combo5->Text().empty() ? 0 : LeadingCount(Combo5->Text()); }

void PrintViewPanel::setUpGrid() {
    Grid1->setVisible(false);
    Grid1->setRows(1);
    Grid1->setRows(2);
    Grid1->setCols(4);
    const int width = Grid1->Width();
    for (int c = 0; c < 4; ++c) {
        Grid1->setColWidth(c, static_cast<int>(std::lround(width * ColumnShares[c])));
        Grid1->setColAlignment(c, c == 0 ? ui::CellAlignment::Center : ui::CellAlignment::Left);
        Grid1->setHeaderAlignment(c, ui::CellAlignment::Center);
        Grid1->setTextMatrix(0, c, Heads[c]);
    }
}

void PrintViewPanel::fillRow(int row, const DayViewRow& day) {
    if (row >= Grid1->Rows()) Grid1->setRows(row + 1);
    Grid1->setTextMatrix(row, 0, day.dayText);
    for (int meal = 0; meal < 3; ++meal) Grid1->setTextMatrix(row, meal + 1, day.meals[static_cast<std::size_t>(meal)]);
    Grid1->setRowHeight(row, DayRowHeight(day, host_.mainPanelHeight()));
}

void PrintViewPanel::ViewCurrentDate() {
    setUpGrid();
    const auto day = host_.loadedDay();
    const auto rows = day ? ReadDayRows(app_.folder(), *day, 0) : std::vector<DayViewRow>{};
    if (rows.empty() || !rows.front().saved) {
        if (!rows.empty()) Grid1->setTextMatrix(1, 0, rows.front().dayText);
        Inform(app_, "View", "There are no enteries to view.");
    } else {
        fillRow(1, rows.front());
        Grid1->setVisible(true);
    }
    SSPanel3->SetFocus();
    host_.viewShown();
}

void PrintViewPanel::ViewDateRange() {
    if (Combo5->Text().empty()) Combo5->setText("1");
    setUpGrid();
    const auto day = host_.loadedDay();
    const auto rows = day ? ReadDayRows(app_.folder(), *day, followingDays()) : std::vector<DayViewRow>{};
    bool found = false;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        fillRow(static_cast<int>(k) + 1, rows[k]);
        found = found || rows[k].saved;
    }
    if (rows.empty()) Grid1->setRows(1);
    SSPanel3->SetFocus();
    if (!found) {
        Inform(app_, "View", "There are no enteries to view.");
        return;
    }
    Grid1->setVisible(true);
    host_.viewShown();
}

void PrintViewPanel::Command5_Click() {
    if (currentDateOnly()) {
        if (boxesBlank()) {
            Inform(app_, "Print", "There are no Entries to view.");
            return;
        }
        ViewCurrentDate();
    } else {
        ViewDateRange();
    }
    shell::EndWait(app_);
}

bool PrintViewPanel::boxesBlank() const {
    const auto boxes = host_.entryTexts();
    return std::all_of(boxes.begin(), boxes.end(), [](const std::string& t) { return basic::Trim(t).empty(); });
}

void PrintViewPanel::Command6_Click() {
    if (currentDateOnly() && boxesBlank()) {
        Inform(app_, "Print", "There are no Entries to print.");
        return;
    }
    host_.print();
}

void PrintViewPanel::RenderPrintout(ui::PrintDocument& doc, const printing::PrintFontSettings& font,
                                    const MenuPrintSetup& setup) {
    const auto day = host_.loadedDay();
    if (!day) return;
    if (!currentDateOnly()) {
        LayoutDateRange(doc, font, app_.folder(), *day, followingDays(), setup);
        return;
    }
    if (!LayoutCurrentDate(doc, font, app_.folder(), *day, setup))
        Inform(app_, "Print", "There are no Entries to print.");
}

void PrintViewPanel::Command13_Click() {
    open_ = false;
    SSPanel3->setVisible(false);
    host_.closed();
}

void PrintViewPanel::SSOption1_Click(int index) {
    Combo5->setEnabled(index == CurrentDatePlus);
    if (!Grid1->Visible()) return;
    if (index == CurrentDatePlus) shell::BeginWait(app_);
    Command5_Click();
}

void PrintViewPanel::Combo5_Change() {
    if (LeadingCount(Combo5->Text()) > MostFollowingDays) Combo5->setText(std::to_string(MostFollowingDays));
}

void PrintViewPanel::Combo5_Click() {
    if (Grid1->Visible()) Command5_Click();
}

}  // namespace menu_planner
