#pragma once
#include <string>
#include <string_view>

// One line of the shopping list as the list keeps it: the item alone, or the
// item padded with blanks to ItemWidth characters followed by the amount.
namespace shopping {

inline constexpr int ItemWidth = 30;
// An amount longer than this would make the line too long for the sorted
// copy (SortedLineWidth); the entry box allows 20, a file may hold more.
inline constexpr int AmountWidth = 30;
inline constexpr int SortedLineWidth = ItemWidth + AmountWidth;

// An item and its amount as they come in (from a file, a pick list or a
// box), before they are made into a line.
struct ListEntry {
    std::string item;
    std::string amount;

    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// Double quotes cannot be stored: the list files put every item between
// quotes, and one inside would end it early.
std::string WithoutQuotes(std::string_view text);

// The item as the list keeps it: quotes left out, blanks trimmed from both
// ends, at most ItemWidth characters.
std::string ItemText(std::string_view text);
// The amount likewise, at most AmountWidth characters.
std::string AmountText(std::string_view text);

// The line for an item and an amount, both taken through ItemText and
// AmountText; the item alone when the amount is empty.
std::string MakeListLine(std::string_view item, std::string_view amount);

// The parts of a line: its first ItemWidth characters and the rest, trimmed.
std::string ItemOfLine(std::string_view line);
std::string AmountOfLine(std::string_view line);

// The sorted copy's line for entry `index` of the list: the line padded to
// SortedLineWidth characters, then the index as decimal digits.
std::string SortedListLine(std::string_view line, int index);

}  // namespace shopping
