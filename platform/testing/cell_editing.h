#pragma once
#include <string>

#include "platform/ui/grid.h"

namespace platform::testing {

// Types text into a cell of an editable grid as a user does (F2, the text,
// Enter); false when the grid refused the start or the text. A refused text
// leaves the cell being edited, as it leaves the editor open on the screen.
inline bool EditCell(ui::Grid& grid, int row, int col, const std::string& text) {
    return grid.userBeganEdit(row, col) && grid.userEditedCell(text);
}

}  // namespace platform::testing
