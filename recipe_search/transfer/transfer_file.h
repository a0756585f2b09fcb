#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recipes/store/recipe_draft.h"

// A single recipe as a ".rc1" transfer file: its items, one after another,
// each a double quote, the text, a double quote and CR LF. The current layout
// has 67 items (type, name, 20 lines of amount, unit and ingredient,
// directions, oven temperature, cooking time, yield, yield unit); the older
// one 49 (14 lines).
namespace recipe_search {

inline constexpr int TransferItemCount = 67;
inline constexpr int OldTransferItemCount = 49;
// A transfer file is a few kilobytes; anything far larger is no recipe.
inline constexpr std::uintmax_t MaxTransferFileBytes = 1 << 20;

// The file's bytes in the current layout. An item cannot hold a double
// quote, which would end it early: every double quote is written as a grave
// accent, in the directions (where reading turns it back) and in the other
// items alike.
std::string EncodeTransferFile(const recipes::RecipeDraft& recipe);

// Every item of a file, in order: what lies between each opening and closing
// double quote, line breaks included. Bytes outside items are skipped.
std::vector<std::string> TransferItems(std::string_view bytes);

// The recipe a file holds: fewer than 60 items is the older layout, whose 14
// lines fill the editor's lines 0-6 and 10-16. nullopt when the file has
// fewer items than its layout needs. Grave accents in the directions turn
// back into double quotes.
std::optional<recipes::RecipeDraft> DecodeTransferFile(std::string_view bytes);

// The name an export proposes: up to 8 characters of the title's first 15,
// blanks left out, then ".rc1". Characters no volume takes in a file name
// (path separators, ':', control characters and the like) are left out too,
// so the name never leads out of the chosen folder.
std::string DefaultTransferFileName(std::string_view title);

}  // namespace recipe_search
