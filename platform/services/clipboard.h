#pragma once
#include <string>

#include "platform/ui/print_document.h"

namespace platform {

// The desktop's clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard and puts plain text on it (Windows-1252, lines
    // ending in CR LF); false when the clipboard did not take it.
    virtual bool SetText(const std::string& text) = 0;
    // Empties the clipboard and puts one page of a document on it as a
    // picture; false when the clipboard did not take it.
    virtual bool SetPage(const ui::PrintDocument& document, int pageIndex) = 0;
};

}  // namespace platform
