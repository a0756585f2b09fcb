#pragma once
#include <string>

#include "food_storage/store/storage_table.h"
#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "printing/text_measure.h"

namespace food_storage {

// The table as clipboard text, every line ending in CR alone: three heading
// lines, then one line per row with a storage item, each cell as the grid
// shows it (a mark counts as empty) filled with blanks to its column's stop
// in the measure's font (the window's own). Without a font to measure in a
// single blank separates the cells.
std::string StorageCopyText(StorageKind kind, const StorageTable& table, const printing::TextMeasure& windowFont);

// Puts the text on the clipboard and tells the user whether it went there;
// false when the clipboard did not take it.
bool PutStorageOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text);

}  // namespace food_storage
