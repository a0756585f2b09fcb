#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shopping/store/list_line.h"
#include "platform/basic/quoted_line_file.h"
#include "shopping/store/shopping_list.h"

// A shopping list's file: two quoted items for every grid row from 1 to the
// last, empty rows included: the item with two leading blanks, then the
// amount; an empty row gives two empty items.
namespace shopping {

// A list of MaxListLines lines is some 70 kilobytes; a far larger file is
// damaged and is not read.
inline constexpr std::uintmax_t MaxListFileBytes = 1 << 20;

// The bytes of the list's file, row by row as the grid shows them. Each item
// is written whole (up to ItemWidth characters), not cut to the grid's 26,
// so a list saved and opened again keeps its items.
std::string EncodeListFile(const ShoppingList& list);

// The entries a file's items give, two items an entry: the item without its
// leading blanks, cut to ItemWidth, and the amount trimmed. Pairs without an
// item are left out; a last item without its amount has none.
std::vector<ListEntry> DecodeListFile(std::string_view bytes);

struct OpenedList {
    basic::FileRead result = basic::FileRead::Read;
    // Entries left out because the list was full.
    int leftOut = 0;
};

// Opening a list: the list is cleared, then filled from the file in entry
// order and marked unchanged. A file that cannot be read leaves it cleared.
OpenedList OpenListFile(const std::filesystem::path& path, ShoppingList& list);

// Replaces the file with the list through a temporary file, so a failure
// leaves the old file whole; false when it failed.
[[nodiscard]] bool SaveListFile(const std::filesystem::path& path, const ShoppingList& list);

}  // namespace shopping
