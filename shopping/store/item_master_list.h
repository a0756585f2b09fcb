#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"
#include "platform/basic/quoted_line_file.h"

// The item master list "LISTNAME.Fil": every grocery item the user has
// added, offered again in the item drop-down. One quoted item a line, in the
// order the items were added.
namespace shopping {

inline constexpr std::string_view ItemMasterFileName = "LISTNAME.Fil";
inline constexpr int MasterListCapacity = 9000;
// 9000 items of the item box's 25 characters are some 300 kilobytes.
inline constexpr std::uintmax_t MaxItemMasterFileBytes = 2 << 20;

enum class MasterCheck {
    Found,  // the list holds the item already (a blank text always counts as held)
    Added,
    Full,   // the list holds MasterListCapacity items: not added
};

class ItemMasterList {
public:
    ItemMasterList() = default;
    // Items as read: up to MasterListCapacity of them are kept.
    explicit ItemMasterList(std::vector<std::string> items);

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }

    // Whether an item equal to text is held: both with trailing blanks
    // removed and case ignored; leading blanks count. Quotes, which no item
    // holds, are left out of text.
    bool Holds(std::string_view text) const;

    // Adds text (double quotes left out, otherwise as typed) as the last
    // item when the list does not hold it; the one empty item a deletion of
    // the last item leaves is replaced.
    MasterCheck CheckMasterItem(std::string_view text);
    // Adds text (quotes left out) as the last item, held or not: Added or Full.
    MasterCheck AppendMasterItem(std::string_view text);

    // Removes the first item equal to text but for case (blanks count); the
    // last item removed leaves one empty item. False when none matched.
    bool DeleteMasterItem(std::string_view text);

private:
    std::vector<std::string> items_;
};

// The items of the file's bytes, each trimmed, double quotes left out.
std::vector<std::string> DecodeItemMasterList(std::string_view bytes);
std::string EncodeItemMasterList(const ItemMasterList& list);

struct LoadedMasterList {
    basic::FileRead result = basic::FileRead::Read;
    ItemMasterList list;
    // Items past MasterListCapacity, not kept.
    int leftOut = 0;
};

// Reads "LISTNAME.Fil" of the folder; a missing or unreadable file is an
// empty list.
LoadedMasterList LoadMasterItems(const basic::ProgramFolder& folder);

// Rewrites "LISTNAME.Fil" whole through a temporary file, so a failure
// leaves the old file whole; false when it failed.
[[nodiscard]] bool WriteMasterItems(const basic::ProgramFolder& folder, const ItemMasterList& list);

}  // namespace shopping
