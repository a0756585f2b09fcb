#pragma once
#include <string>
#include <string_view>

namespace shopping {

// The shopping date box's text as the printed list and the copy show it,
// "dddd, mmmm dd, yyyy" in English ("12/8/04" gives "Wednesday, December
// 08, 2004"); a text that is no date is shown as it stands.
std::string ShoppingDateLine(std::string_view dateBoxText);

}  // namespace shopping
