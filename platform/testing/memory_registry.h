#pragma once
#include <map>
#include <string>
#include <tuple>

#include "platform/services/registry.h"

namespace platform::testing {

// A settings store that lives as long as the test.
class MemoryRegistry : public Registry {
public:
    void set(const std::string& key, const std::string& section, const std::string& value, std::string text) {
        values_[{key, section, value}] = std::move(text);
    }
    int reads() const { return reads_; }

    std::optional<std::string> GetSetting(const std::string& key, const std::string& section,
                                          const std::string& value) override {
        ++reads_;
        const auto found = values_.find({key, section, value});
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    int reads_ = 0;
};

}  // namespace platform::testing
