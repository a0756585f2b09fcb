#include "printing/clipboard_text.h"

namespace printing {

bool PutTextOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text,
                        std::string_view copiedMessage, std::string_view what) {
    using platform::MsgButtons;
    using platform::MsgIcon;
    if (clipboard.SetText(text)) {
        dialogs.MessageBox({"Copy Option", std::string(copiedMessage), MsgIcon::Information, MsgButtons::OK, 1});
        return true;
    }
    // Another program may hold the clipboard open: the user can try again.
    dialogs.MessageBox({"Copy Option",
                        "The " + std::string(what) +
                            " could not be copied: the Windows Clipboard is in use or unavailable.\rPlease, try again.",
                        MsgIcon::Critical, MsgButtons::OK, 1});
    return false;
}

}  // namespace printing
