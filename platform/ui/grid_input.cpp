// The user's side of a grid: presses, keys and header clicks, each raising
// the grid's events through its form's host.
#include "platform/ui/grid.h"
#include "platform/ui/keys.h"

namespace ui {

void Grid::userChoseCell(int row, int col) {
    if (!bodyCell(row, col) || !focusByUser()) return;
    moveTo(row, col);
    // Where in the cell the press was is not known here.
    if (onMouseDown) raise("MouseDown", [&] { onMouseDown(mouse::Left, 0, 0.0, 0.0); });
    if (!usable()) return;
    if (onSelectCell) raise("SelectCell", [&] { onSelectCell(row, col); });
    if (!usable()) return;
    raise("Click", onClick);
}

void Grid::userChoseCellByKey(int row, int col) {
    if (!usable() || !bodyCell(row, col)) return;
    moveTo(row, col);
    if (onSelectCell) raise("SelectCell", [&] { onSelectCell(row, col); });
    if (!usable()) return;
    raise("Click", onClick);
}

void Grid::userDoubleClickedCell(int row, int col) {
    if (!usable() || !bodyCell(row, col)) return;
    moveTo(row, col);
    raise("DblClick", onDblClick);
}

void Grid::userMovedCell(int row, int col) {
    if (!usable() || !bodyCell(row, col)) return;
    moveTo(row, col);
    raise("Click", onClick);
}

void Grid::userSortedColumn(int col) {
    if (!usable() || !sortable_ || col < 0 || col >= Cols()) return;
    const bool ascending = !(SortedCol() == col && SortedAscending());
    if (onBeforeSort) raise("BeforeSort", [&] { onBeforeSort(col); });
    Sort(col, ascending);
    if (onAfterSort) raise("AfterSort", [&] { onAfterSort(col); });
}

std::string Grid::scrollTipFor(int row) {
    std::string tip;
    if (onScrollTip) raise("ScrollTip", [&] { tip = onScrollTip(row); });
    return tip;
}

}  // namespace ui
