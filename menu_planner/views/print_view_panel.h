#pragma once
#include <array>
#include <vector>

#include "menu_planner/printing/menu_print_layout.h"
#include "menu_planner/views/day_view_rows.h"
#include "menu_planner/views/print_view_host.h"
#include "platform/ui/controls.h"
#include "platform/ui/design.h"
#include "platform/ui/form.h"

namespace shell {
class Application;
}

namespace menu_planner {

class PrintViewPanel;
using PrintViewRow = ui::design::Row<PrintViewPanel>;

// Where the window puts the panel: the container and the place in it (twips).
struct PrintViewDesign {
    const char* parent = nullptr;
    ui::design::Rect panel;
};

// The Print/View panel: the day alone or the day and up to 31 following days,
// shown in a grid of one row a day, or handed to the window's print preview.
// The window lays the rows out among its own (PrintViewRows, with the
// panel's place), then makes one of these, which binds its members to them
// and handles their events.
class PrintViewPanel {
public:
    PrintViewPanel(shell::Application& app, ui::Form& window, const PrintViewDesign& design, PrintViewHost host);

    // "&Print/View", once the window has asked about unsaved entries: shows
    // the panel with the grid hidden and gives it the focus.
    void Open();
    bool isOpen() const { return open_; }
    // What the printout takes: "Current Date Only", or the day and the
    // number of following days that "Current Date plus the next" names
    // (0 for an empty or unreadable count).
    bool currentDateOnly() const;
    int followingDays() const;
    // The window's loading: the day counts "1" to "31" in the list.
    void FillDayCounts();

    // The window's print preview render: the layout of the panel's choice,
    // from the loaded day, as a new document. For the day alone with nothing
    // saved it says "There are no Entries to print.".
    void RenderPrintout(ui::PrintDocument& doc, const printing::PrintFontSettings& font, const MenuPrintSetup& setup);

    // The two views; each leaves the panel with the focus.
    void ViewCurrentDate();
    void ViewDateRange();

    // --- the panel's events
    void Command5_Click();   // "&View"
    void Command6_Click();   // "&Print": the entry check, then the window's print preview
    void Command13_Click();  // "&Close"
    void SSOption1_Click(int index);
    void Combo5_Change();
    void Combo5_Click();

    ui::Panel* SSPanel3 = nullptr;                 // the panel
    ui::Frame* SSFrame1 = nullptr;                 // "Select Menu to Print/View"
    std::array<ui::OptionButton*, 2> SSOption1{};  // "Current Date Only", "Current Date plus the next"
    ui::ComboBox* Combo5 = nullptr;                // the number of following days
    ui::Label* Label5 = nullptr;                   // "days"
    ui::CommandButton* Command5 = nullptr;         // "&View"
    ui::CommandButton* Command6 = nullptr;         // "&Print"
    ui::CommandButton* Command13 = nullptr;        // "&Close"
    ui::Grid* Grid1 = nullptr;                     // the view

private:
    bool boxesBlank() const;
    void setUpGrid();
    void fillRow(int row, const DayViewRow& day);

    shell::Application& app_;
    PrintViewHost host_;
    bool open_ = false;
};

// The panel's rows, laid out in the place the design gives, tab stops from tab on.
std::vector<PrintViewRow> PrintViewRows(const PrintViewDesign& design, int& tab);
void AddPrintViewRows(std::vector<ui::design::ControlRow>& rows, const PrintViewDesign& design, int& tab);

}  // namespace menu_planner
