#pragma once
#include <cstdint>
#include <string>

namespace recipe_search {

// What the recipe window and the transfer dialog hand each other: the
// window sets the mode (and for an export the recipe's type and title)
// before showing the dialog, and reads the path or the cancel mark after.
struct TransferHandOver {
    static constexpr std::int16_t Import = 0;
    static constexpr std::int16_t Export = 1;
    static constexpr std::int16_t Cancelled = 9;

    std::int16_t TransferMode = Import;
    std::string TransferType;   // export: the type shown
    std::string TransferTitle;  // export: the chosen recipe entry, source of the default file name
    std::string TransferPath;   // the chosen file's folder, ending in "/", and its name
};

}  // namespace recipe_search
