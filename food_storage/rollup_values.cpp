#include "food_storage/rollup_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "food_storage/store/storage_amounts.h"

namespace food_storage {

namespace {

std::string WithoutLeadingBlanks(const std::string& text) {
    const auto start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::string Tenths(double fraction) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f%%", fraction * 100);
    return buffer;
}

}  // namespace

RollupLine RollupLineOf(const StorageTable& table, int row) {
    RollupLine line;
    const std::string title = ShownTitle(StorageKind::Basic, table, row);
    line.item = row == 13 || row == 54 ? title.substr(0, 5) : WithoutLeadingBlanks(title);
    line.need = ShownCell(StorageKind::Basic, table, row, TotalNeededColumn);
    if (line.need.empty()) line.need = "0";
    const auto need = static_cast<float>(ReadKitchenAmount(line.need).value);
    const double onHand = std::round(ReadKitchenAmount(table.Cell(row, OnHandColumn)).value);
    line.onHand = std::to_string(static_cast<long long>(onHand));
    const auto held = static_cast<float>(onHand);
    // A need of 0 with something on hand counts as all of it covered.
    float ratio = held > 0 && need <= 0 ? 1.0f : (need > 0 ? held / need : 0.0f);
    if (ratio > 0 && ratio < 0.01f) ratio = 0.01f;
    line.percentValue = held > 0 ? std::round(static_cast<double>(ratio) * 100) : 0;
    line.percent = "        " + std::to_string(static_cast<long long>(line.percentValue)) + "%";
    return line;
}

CategoryChartValues CategoryChartOf(double need, double onHand) {
    CategoryChartValues chart;
    chart.stillNeeded = std::max(need - onHand, 0.0);
    chart.onHand = onHand > need ? need : onHand;
    double first = 0;
    double second = 1;
    if (need > 0) {
        first = (onHand > need ? onHand : chart.onHand) / need;
        second = chart.stillNeeded / need;
    }
    chart.onHandLabel = "On Hand (" + Tenths(first) + ")";
    chart.needLabel = "Need (" + Tenths(second) + ")";
    return chart;
}

}  // namespace food_storage
