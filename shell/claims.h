#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Numbers the subsystems claim at start-up, as plugins do: settings records,
// help topics. A number belongs to one owner; a second owner's claim on it is
// refused and kept, so a test can show that no two windows share one.
template <class Key>
class Claims {
public:
    // False, and nothing changes, when another name holds the key already.
    // Claiming one's own key again (a subsystem registered twice) is harmless.
    bool claim(const Key& key, std::string_view name) {
        const auto [held, added] = claims_.try_emplace(key, name);
        if (added || held->second == name) return true;
        refused_.emplace_back(name);
        return false;
    }

    const std::map<Key, std::string>& all() const { return claims_; }
    // The name that holds a key, or nullptr.
    const std::string* holder(const Key& key) const {
        const auto found = claims_.find(key);
        return found == claims_.end() ? nullptr : &found->second;
    }
    // The names whose claim was refused, in order.
    const std::vector<std::string>& refused() const { return refused_; }

private:
    std::map<Key, std::string> claims_;
    std::vector<std::string> refused_;
};

}  // namespace shell
