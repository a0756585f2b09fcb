#pragma once
#include <string>
#include <string_view>

#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"

namespace printing {

// Puts a copy's text on the clipboard and tells the user, in a message titled
// "Copy Option", that it went there (copiedMessage) or that the thing named
// ("list", "table") could not be copied; false when the clipboard did not
// take it.
bool PutTextOnClipboard(platform::Clipboard& clipboard, platform::Dialogs& dialogs, const std::string& text,
                        std::string_view copiedMessage, std::string_view what);

}  // namespace printing
