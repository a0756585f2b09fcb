// Choosing a table: the buttons, the Options menu's items and the side toolbar.
#include "reference/food_guide/foodg.h"
#include "reference/food_guide/guide_grid.h"

namespace food_guide {

void Foodg::Command2_Click() { ShowTable(GuideTable::FoodGuide); }
void Foodg::Command3_Click() { ShowTable(GuideTable::CommonMeasures); }
void Foodg::Command4_Click() { ShowTable(GuideTable::MenuIdeas); }
void Foodg::Command5_Click() { ShowTable(GuideTable::KitchenHints); }
void Foodg::Command6_Click() { ShowTable(GuideTable::Substitutions); }

ui::CommandButton& Foodg::ButtonOf(GuideTable table) const {
    switch (table) {
        case GuideTable::CommonMeasures: return *Command3;
        case GuideTable::MenuIdeas: return *Command4;
        case GuideTable::KitchenHints: return *Command5;
        case GuideTable::Substitutions: return *Command6;
        default: return *Command2;
    }
}

ui::Menu& Foodg::MenuItemOf(GuideTable table) const {
    switch (table) {
        case GuideTable::CommonMeasures: return *mOC;
        case GuideTable::MenuIdeas: return *mOM;
        case GuideTable::KitchenHints: return *mOH;
        case GuideTable::Substitutions: return *mOHS;
        default: return *mOF;
    }
}

void Foodg::ShowTable(GuideTable table) {
    ResetTableView();
    BuildTable(table);
    ButtonOf(table).setEnabled(false);
    MenuItemOf(table).setEnabled(false);
    VSGd1->setVisible(true);
}

void Foodg::ResetTableView() {
    VSGd1->setVisible(false);
    for (GuideTable table : GuideTables) {
        ButtonOf(table).setEnabled(true);
        MenuItemOf(table).setEnabled(true);
    }
    if (Command1->Enabled()) Command1->SetFocus();
}

void Foodg::BuildTable(GuideTable table) {
    const GuideTableText& text = TableText(table);
    Panel3D1->setCaption(text.title);
    FillGuideGrid(*VSGd1, text);
    state_.Shown = table;
}

std::string Foodg::VSGd1_RowCaption(int row) const { return RowCaption(*VSGd1, row); }

void Foodg::mOPC_Click() { colors().ChoosePanelColor(); }

void Foodg::Toolbar2_ButtonClick(int button) {
    switch (button) {
        case PanelColorButton: mOPC_Click(); break;
        case HelpButton: ShowHelp(); break;
        case ExitButton: mOe_Click(); break;
        default: break;
    }
}

}  // namespace food_guide
