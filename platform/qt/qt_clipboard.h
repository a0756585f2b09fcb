#pragma once
#include "platform/services/clipboard.h"

namespace platform::qt {

// The desktop's clipboard. Needs a QApplication.
class QtClipboard : public Clipboard {
public:
    bool SetText(const std::string& text) override;
    bool SetPage(const ui::PrintDocument& document, int pageIndex) override;
};

}  // namespace platform::qt
