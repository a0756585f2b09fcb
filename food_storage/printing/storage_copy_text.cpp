#include "food_storage/printing/storage_copy_text.h"

#include <array>

#include "platform/basic/text.h"
#include "printing/clipboard_text.h"

namespace food_storage {

namespace {

// Every line ends in a carriage return alone, as tables copied by earlier
// versions did.
const std::string Cr = "\r";

const std::string HeadingLines =
    "Storage" + std::string(19, ' ') + "Number  Amount     Total" + std::string(10, ' ') +
    "Amount         Last              Last       Last" + Cr + "Item" + std::string(25, ' ') + "In" +
    std::string(11, ' ') + "Per" + std::string(12, ' ') + "Amount     On" + std::string(17, ' ') +
    "Action          Amount  Amount" + Cr + std::string(32, ' ') +
    "Family   Person       Needed      Hand             Date             Added    Used" + Cr;

// Where the line is filled to after columns 0 to 6, in twips from its start.
constexpr std::array<double, 7> ColumnStops = {2200, 2600, 3600, 4800, 6000, 7300, 8100};

// A line never needs more blanks than this to reach the last stop.
constexpr int MostBlanks = 200;

// Blanks, one at a time, until the line reaches the stop. A font whose blank
// adds no width, or a measure that fails, ends the filling at once.
void FillTo(std::string& line, double stop, const printing::TextMeasure& windowFont) {
    if (!windowFont.metrics) {
        line += ' ';
        return;
    }
    double width = windowFont.Width(line);
    for (int added = 0; added < MostBlanks && width < stop; ++added) {
        line += ' ';
        const double wider = windowFont.Width(line);
        if (!(wider > width)) break;
        width = wider;
    }
}

// The cell as the grid holds it; the mark counts as empty.
std::string CopiedCell(StorageKind kind, const StorageTable& table, int row, int column) {
    std::string cell = ShownCell(kind, table, row, column);
    if (IsMark(cell)) cell.clear();
    return cell;
}

}  // namespace

std::string StorageCopyText(StorageKind kind, const StorageTable& table, const printing::TextMeasure& windowFont) {
    std::string text = HeadingLines;
    for (int r = 1; r <= StorageRows; ++r) {
        const std::string title = CopiedCell(kind, table, r, TitleColumn);
        if (basic::Trim(title).empty()) continue;
        std::string line;
        for (int c = 0; c < AmountUsedColumn; ++c) {
            line += CopiedCell(kind, table, r, c);
            FillTo(line, ColumnStops[static_cast<std::size_t>(c)], windowFont);
        }
        text += line + CopiedCell(kind, table, r, AmountUsedColumn) + Cr;
    }
    return text;
}

bool PutStorageOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text) {
    return printing::PutTextOnClipboard(clipboard, dialogs, text, "Data has been copied to the Windows Clipboard.",
                                        "table");
}

}  // namespace food_storage
