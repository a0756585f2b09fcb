#pragma once
#include "platform/services/dialogs.h"

namespace platform::qt {

// The desktop's message box, input box and colour dialog, through Qt.
class QtDialogs : public Dialogs {
public:
    int MessageBox(const MessageBoxRequest& request) override;
    std::string InputBox(const InputBoxRequest& request) override;
    std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) override;
    void ReportFailure(const HandlerFailure& failure) override;
};

}  // namespace platform::qt
