#pragma once
#include <string>

#include "platform/ui/grid.h"
#include "reference/food_guide/guide_table.h"

namespace food_guide {

// A size in twips as a fraction of another, to the nearest whole twip
// (halves to the even one).
int FractionOf(int twips, double fraction);

// Shapes the grid for a table and fills it: the rows and columns it needs,
// no highlight, the columns' widths and the data rows' height from the
// grid's size now, the headers centred, then the cells column by column.
// Nothing of the table shown before remains.
void FillGuideGrid(ui::Grid& grid, const GuideTableText& table);

// The tip beside the scroll box while the user drags it with row at the
// top: " Row ", the row, ": ", the row's first cell and a blank.
std::string RowCaption(const ui::Grid& grid, int row);

}  // namespace food_guide
