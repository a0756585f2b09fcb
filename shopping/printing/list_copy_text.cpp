#include "shopping/printing/list_copy_text.h"

#include "platform/basic/text.h"
#include "printing/clipboard_text.h"
#include "shopping/printing/shopping_date_text.h"

namespace shopping {

namespace {

const std::string CrLf = "\r\n";
// The heading and the item lines end in a carriage return alone: lists
// copied by earlier versions had them so, and pasted lists keep that look.
const std::string Cr = "\r";
constexpr double ItemColumnWidth = 2400;

}  // namespace

std::string ShoppingListCopyText(const ShoppingList& list, std::string_view dateBoxText,
                                 const printing::TextMeasure& windowFont) {
    std::string text = "Shopping List" + CrLf + ShoppingDateLine(dateBoxText) + CrLf + CrLf;
    text += std::string(10, ' ') + "Grocery Items" + std::string(16, ' ') + std::string(AmountHeading) + Cr;
    for (int r = 1; r < list.Rows(); ++r) {
        const GridRow& row = list.Row(r);
        if (basic::Trim(row.item).empty()) continue;
        // Without a font to measure in nothing can be lined up.
        const std::string item = windowFont.metrics ? windowFont.Fill(row.item, ItemColumnWidth) : row.item;
        text += item + "\t" + row.amount + Cr;
    }
    return text;
}

bool PutListOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text) {
    return printing::PutTextOnClipboard(clipboard, dialogs, text, "Data has been copied to the Windows Clipboard.",
                                        "list");
}

}  // namespace shopping
