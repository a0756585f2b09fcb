#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "shell/settings_files.h"

namespace shell {
class Application;
}

// The shopping list's own cookbook, apart from the recipe window's: the one
// Recipe Select reads, and the "Select Cook&book" menu that changes it.
namespace shopping {

inline constexpr int ListCookbookCount = 8;

// " 3" for cookbook 3: the number with a blank for its sign.
inline constexpr shell::settings::RecordRef ListCookbookRecord{shell::settings::GColor4, 11};
// The titles of cookbooks 1 to 8, which the recipe window keeps.
inline constexpr shell::settings::RecordRef ListCookbookTitleRecord(int cookbook) {
    return {shell::settings::GColor4, cookbook + 1};
}

// The program's state for the shopping list's cookbook (Application::state).
struct ListCookbookState {
    // 1 to 8; kept in ListCookbookRecord.
    std::int16_t ListCookbookNumber = 1;
    // Cookbooks 1 to 8, blanks trimmed, as read when the window loads.
    std::array<std::string, ListCookbookCount> CookbookTitles{};
    const std::string& title() const { return CookbookTitles[static_cast<std::size_t>(ListCookbookNumber - 1)]; }
};

ListCookbookState& ListCookbook(shell::Application& app);

// The window's loading: the cookbook number from its record and the titles.
// A record that is missing, empty or names no cookbook 1 to 8 gives
// cookbook 1, so Recipe Select always reads a cookbook that can exist.
void LoadListCookbook(shell::Application& app);

// The captions of the eight "Select Cook&book" items: "Cookbook #1 - " to
// "Cookbook #8 - " and the title as stored (unreadable records give none).
std::array<std::string, ListCookbookCount> CookbookMenuCaptions(shell::Application& app);

// Choosing cookbook n (1 to 8) from the menu: stores it in its record and in
// the state. The menu's check mark follows ListCookbookNumber.
void ChooseListCookbook(shell::Application& app, int n);

}  // namespace shopping
