#pragma once
#include "platform/services/help.h"

namespace platform::qt {

// The program's help viewer.
class QtHelp : public Help {
public:
    void ShowHelp(const HelpRequest& request) override;
};

}  // namespace platform::qt
