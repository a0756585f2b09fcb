#pragma once
#include <optional>
#include <string>

namespace platform {

// The per-user settings store other programs of the desktop share, read by
// application key, section and value name.
class Registry {
public:
    virtual ~Registry() = default;
    // nullopt when nothing is stored there.
    virtual std::optional<std::string> GetSetting(const std::string& key, const std::string& section,
                                                  const std::string& value) = 0;
};

}  // namespace platform
