#pragma once
#include <string>
#include <string_view>

#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "printing/text_measure.h"
#include "shopping/store/shopping_list.h"

namespace shopping {

// The list as clipboard text: "Shopping List", the shopping date as a long
// date and an empty line, each ending in CR LF; then the heading and one
// line per grid row with an item, each ending in CR alone: the item as the
// grid shows it, filled with blanks to 2400 twips in the measure's font (the
// window's own), a tab and the amount. Rows without an item are left out.
std::string ShoppingListCopyText(const ShoppingList& list, std::string_view dateBoxText,
                                 const printing::TextMeasure& windowFont);

// Puts the text on the clipboard and tells the user whether it went there;
// false when the clipboard did not take it.
bool PutListOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text);

}  // namespace shopping
