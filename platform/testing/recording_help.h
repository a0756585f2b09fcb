#pragma once
#include <vector>

#include "platform/services/help.h"

namespace platform::testing {

// Writes down what help the program asked for.
class RecordingHelp : public Help {
public:
    const std::vector<HelpRequest>& requests() const { return requests_; }
    void ShowHelp(const HelpRequest& request) override { requests_.push_back(request); }

private:
    std::vector<HelpRequest> requests_;
};

}  // namespace platform::testing
