#pragma once
#include <array>
#include <optional>
#include <string>

#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_table.h"

// The category buttons of each storage kind: their captions and the table
// rows each shows. Index 0 is the All view.
namespace food_storage {

inline constexpr int CategoryButtons = 9;

// The caption of each button; null for a button the kind hides.
std::array<const char*, CategoryButtons> CategoryCaptions(StorageKind kind);

// The rows a category shows; nothing for a button the kind hides.
std::optional<RowGroup> CategoryRange(StorageKind kind, int category);

// The last category of the kind ("&Misc." or "Othe&r").
int LastCategory(StorageKind kind);

}  // namespace food_storage
