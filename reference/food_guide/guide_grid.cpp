#include "reference/food_guide/guide_grid.h"

#include <cmath>

namespace food_guide {

int FractionOf(int twips, double fraction) { return static_cast<int>(std::lrint(twips * fraction)); }

void FillGuideGrid(ui::Grid& grid, const GuideTableText& table) {
    const int rows = static_cast<int>(table.rows.size());
    const int cols = static_cast<int>(table.headers.size());
    grid.setRows(rows + 1);
    grid.setCols(cols);
    grid.setHighlight(false);
    for (int col = 0; col < cols; ++col) {
        grid.setColWidth(col, FractionOf(grid.Width(), table.widths[static_cast<std::size_t>(col)]));
        grid.setHeaderAlignment(col, ui::CellAlignment::Center);
        // Every cell lies left, the hint numbers too.
        grid.setColAlignment(col, ui::CellAlignment::Left);
    }
    const int rowBase = table.rowHeightFollowsWidth ? grid.Width() : grid.Height();
    grid.setBodyRowHeight(FractionOf(rowBase, table.rowHeight));
    for (int col = 0; col < cols; ++col) {
        grid.setTextMatrix(0, col, table.headers[static_cast<std::size_t>(col)]);
        for (int row = 1; row <= rows; ++row)
            grid.setTextMatrix(row, col, table.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)]);
    }
}

std::string RowCaption(const ui::Grid& grid, int row) {
    return " Row " + std::to_string(row) + ": " + grid.TextMatrix(row, 0) + " ";
}

}  // namespace food_guide
