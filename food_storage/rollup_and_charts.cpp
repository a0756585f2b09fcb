// The basic kind's rollup of how much of each category's need is on hand,
// its bar chart, and the chart of a category view.
#include <algorithm>
#include <cmath>

#include "food_storage/rollup_values.h"
#include "food_storage/storage_categories.h"
#include "food_storage/storage_window.h"
#include "food_storage/store/storage_amounts.h"

namespace food_storage {

namespace {

int Twips(double value) { return static_cast<int>(std::lround(value)); }

// The category chart's height and top, as parts of the main panel's height.
struct ChartPlace {
    double height;
    double top;
};
constexpr ChartPlace ChartPlaces[] = {{0.275, 0.526}, {0.35, 0.428}, {0.275, 0.525}, {0.6, 0.2},
                                      {0.5, 0.3},     {0.215, 0.59}, {0.6, 0.2}};

}  // namespace

void Form24::mR_Click() {
    if (state_.RollupShown) {
        Command3_Click();
        return;
    }
    if (!state_.allView()) Command3D1_Click(0);
    ShowRollupGrid();
    setRollupTabStops(false);
    Panel3D2->setCaption("Percent of Basic Food Storage You Have For " + Text2->Text());
    Panel3D2->setVisible(true);
    state_.RollupShown = true;
    Command3->SetFocus();
}

void Form24::Command3_Click() {
    Panel3D2->setVisible(false);
    state_.RollupShown = false;
    setRollupTabStops(true);
    focusExit();
}

void Form24::setRollupTabStops(bool on) {
    for (ui::Control* control : Command3D1) control->setTabStop(on);
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{Command1, Command2, Command4, Command5, Command6, Text1, Text2, Grid1})
        control->setTabStop(on);
}

void Form24::Command7_Click() {
    const bool horizontal = !state_.RollupHorizontal;
    state_.RollupHorizontal = horizontal;
    Command7->setCaption(horizontal ? "&Vertical" : "Hori&zontal");
    chart2_->setHorizontal(horizontal);
}

void Form24::ShowRollupGrid() {
    const int width = Twips(Grid1->Width() * 0.16);
    Grid2->setCols(4);
    Grid2->setRows(1);
    static constexpr const char* headings[] = {"Item", "Need", "On Hand", "% of Need"};
    static constexpr ui::CellAlignment alignments[] = {ui::CellAlignment::Left, ui::CellAlignment::Center,
                                                       ui::CellAlignment::Center, ui::CellAlignment::Right};
    for (int c = 0; c < 4; ++c) {
        Grid2->setColWidth(c, width);
        Grid2->setTextMatrix(0, c, headings[c]);
        Grid2->setHeaderAlignment(c, ui::CellAlignment::Center);
        Grid2->setColAlignment(c, alignments[c]);
    }
    std::vector<ChartBar> bars;
    for (int row : RollupRows) {
        const RollupLine line = RollupLineOf(state_.document.table, row);
        Grid2->AddRow({line.item, line.need, line.onHand, line.percent});
        bars.push_back({line.percentValue, line.item});
    }
    chart2_->Draw(bars, 100);
    chart2_->panel().setVisible(true);
}

void Form24::ShowCategoryChart() {
    // The eighth category (the basic kind's "&Misc.") has no need to chart.
    if (!Command3D1[8]->Enabled()) return;
    if (state_.ChartCategory >= 1 && state_.ChartCategory <= 7) {
        const ChartPlace place = ChartPlaces[state_.ChartCategory - 1];
        BarChart& chart = *chart1_;
        const int top = Twips(Panel3D1->Height() * place.top);
        // Within the grid's area, so the boxes below stay in view.
        const int room = Panel3D4->Top() + Panel3D4->Height() - top;
        chart.panel().setTop(top);
        chart.panel().setHeight(std::max(std::min(Twips(Panel3D1->Height() * place.height), room), 600));
    }
    const StorageTable& table = state_.document.table;
    const int first = state_.CategoryFirstRow;
    const double need = ReadKitchenAmount(table.Cell(first, TotalNeededColumn)).value;
    const double onHand = ReadKitchenAmount(table.Cell(first, OnHandColumn)).value;
    const CategoryChartValues values = CategoryChartOf(need, onHand);
    chart1_->Draw({{values.onHand, values.onHandLabel}, {values.stillNeeded, values.needLabel}}, 0);
}

}  // namespace food_storage
