#include "shopping/printing/list_copy_text.h"

#include "platform/basic/text.h"
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
    using platform::MsgButtons;
    using platform::MsgIcon;
    if (clipboard.SetText(text)) {
        dialogs.MessageBox(
            {"Copy Option", "Data has been copied to the Windows Clipboard.", MsgIcon::Information, MsgButtons::OK, 1});
        return true;
    }
    // Another program may hold the clipboard open: the user can try again.
    dialogs.MessageBox({"Copy Option",
                        "The list could not be copied: the Windows Clipboard is in use or unavailable.\rPlease, "
                        "try again.",
                        MsgIcon::Critical, MsgButtons::OK, 1});
    return false;
}

}  // namespace shopping
