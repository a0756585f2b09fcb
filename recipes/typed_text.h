#pragma once
#include <string>
#include <string_view>

// What the recipe editor's boxes keep of what the user typed or pasted.
namespace recipes {

// Control characters are dropped but the tab, which is text like any other
// (line breaks stay in a box of several lines); the double quote too where a
// box drops it, since it would end an item of a transfer file early; the
// rest is cut to the box's limit (0: none).
std::string CleanTyped(std::string_view text, int maxLength, bool multiLine, bool dropQuotes);

struct FilteredAmount {
    std::string text;
    // A fraction was typed ('/' or '\'): the user is told to type decimals.
    bool fractionTyped = false;
};

// An amount keeps digits and its first decimal point only: "1.2.3" is "1.23",
// "1/2" is "12".
FilteredAmount FilterAmount(std::string_view text, int maxLength);

}  // namespace recipes
