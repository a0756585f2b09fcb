#pragma once
#include "platform/services/registry.h"

namespace platform::qt {

// The desktop's per-user settings (QSettings, in the user's configuration
// folder), one file per application key.
class QtRegistry : public Registry {
public:
    std::optional<std::string> GetSetting(const std::string& key, const std::string& section,
                                          const std::string& value) override;
};

}  // namespace platform::qt
