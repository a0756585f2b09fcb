#include "shopping/store/list_line.h"

#include <algorithm>

#include "platform/basic/text.h"

namespace shopping {

namespace {

std::string PaddedTo(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.resize(width, ' ');
    return padded;
}

// Trimmed, cut, and trimmed again: the cut may end on a blank.
std::string Fitted(std::string_view text, long width) {
    return basic::RTrim(basic::Left(basic::Trim(WithoutQuotes(text)), width));
}

}  // namespace

std::string WithoutQuotes(std::string_view text) {
    std::string out(text);
    std::erase(out, '"');
    return out;
}

std::string ItemText(std::string_view text) { return Fitted(text, ItemWidth); }
std::string AmountText(std::string_view text) { return Fitted(text, AmountWidth); }

std::string MakeListLine(std::string_view item, std::string_view amount) {
    const std::string fittedItem = ItemText(item);
    const std::string fittedAmount = AmountText(amount);
    if (fittedAmount.empty()) return fittedItem;
    return PaddedTo(fittedItem, ItemWidth) + fittedAmount;
}

std::string ItemOfLine(std::string_view line) { return basic::Trim(basic::Left(line, ItemWidth)); }
std::string AmountOfLine(std::string_view line) { return basic::Trim(basic::Mid(line, ItemWidth + 1)); }

std::string SortedListLine(std::string_view line, int index) {
    return PaddedTo(line, SortedLineWidth) + std::to_string(index);
}

}  // namespace shopping
