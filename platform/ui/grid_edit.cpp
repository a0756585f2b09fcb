// Editing a grid's cells in place: which cells the user may edit, the order
// Tab goes through them, and the user's edits, each raising the grid's
// events through its form's host.
#include "platform/ui/grid.h"
#include "platform/ui/keys.h"

namespace ui {

void Grid::setEditable(bool on) {
    if (on == editable_) return;
    editable_ = on;
    if (!on) editing_.reset();
    changed(Property::Style);
}

bool Grid::CellEditable(int row, int col) const { return editable_ && bodyCell(row, col) && ColEditable(col); }

std::optional<GridCell> Grid::NextEditableCell(int row, int col, bool backwards) const {
    const long cols = Cols();
    const long first = static_cast<long>(FixedRows()) * cols;
    const long end = static_cast<long>(Rows()) * cols;
    const long step = backwards ? -1 : 1;
    for (long at = static_cast<long>(row) * cols + col + step; at >= first && at < end; at += step) {
        const GridCell cell{static_cast<int>(at / cols), static_cast<int>(at % cols)};
        if (CellEditable(cell.row, cell.col)) return cell;
    }
    return std::nullopt;
}

bool Grid::takesKey(int keyCode) const {
    if (editing_) return keyCode == keys::Return || keyCode == keys::Escape;
    return keyCode == keys::Return && CellEditable(Row(), Col());
}

bool Grid::userBeganEdit(int row, int col) {
    if (!CellEditable(row, col) || !focusByUser()) return false;
    editing_.reset();
    moveTo(row, col);
    bool cancel = false;
    if (onBeforeEdit && !raise("BeforeEdit", [&] { onBeforeEdit(row, col, cancel); })) cancel = true;
    // The handler may have taken the grid, or the cell's editability, away.
    if (cancel || !usable() || !CellEditable(row, col)) return false;
    editing_ = GridCell{row, col};
    return true;
}

bool Grid::userEditedCell(const std::string& text) {
    if (!editing_) return false;
    const GridCell cell = *editing_;
    if (text == TextMatrix(cell.row, cell.col)) {
        editing_.reset();
        return true;
    }
    std::string kept = text;
    bool cancel = false;
    // A handler that fails refuses the text: the cell keeps what it had.
    if (onEditCell && !raise("EditCell", [&] { onEditCell(cell.row, cell.col, kept, cancel); })) cancel = true;
    if (cancel) return false;
    // The handler may have ended the editing itself (rows taken away).
    if (editing_ != cell) return false;
    editing_.reset();
    setTextMatrix(cell.row, cell.col, kept);
    return true;
}

}  // namespace ui
