#include "recipe_search/transfer/transfer_file.h"

#include <algorithm>

#include "platform/basic/text.h"

namespace recipe_search {

namespace {

constexpr char Quote = '"';
constexpr char Grave = '`';

std::string Item(std::string_view text) {
    std::string item(1, Quote);
    for (const char c : text) item += c == Quote ? Grave : c;
    return item + "\"\r\n";
}

// The editor's line an older file's line goes to.
int LineOfOldLine(int line) { return line < 7 ? line : line + 3; }

// A character a file name may hold on every volume a recipe may go to.
bool SafeInFileName(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) return false;
    return std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos;
}

}  // namespace

std::string EncodeTransferFile(const recipes::RecipeDraft& r) {
    std::string bytes = Item(r.type) + Item(r.name);
    for (std::size_t line = 0; line < r.amounts.size(); ++line)
        bytes += Item(r.amounts[line]) + Item(r.units[line]) + Item(r.ingredients[line]);
    bytes += Item(r.directions) + Item(r.ovenTemperature) + Item(r.cookingTime) + Item(r.yield) + Item(r.yieldUnit);
    return bytes;
}

std::vector<std::string> TransferItems(std::string_view bytes) {
    std::vector<std::string> items;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = bytes.find(Quote, at);
        if (open == std::string_view::npos) break;
        const std::size_t close = bytes.find(Quote, open + 1);
        if (close == std::string_view::npos) break;  // an item cut short is no item
        items.emplace_back(bytes.substr(open + 1, close - open - 1));
        at = close + 1;
    }
    return items;
}

std::optional<recipes::RecipeDraft> DecodeTransferFile(std::string_view bytes) {
    const std::vector<std::string> items = TransferItems(bytes);
    const bool older = items.size() < 60;
    const std::size_t needed = older ? OldTransferItemCount : TransferItemCount;
    if (items.size() < needed) return std::nullopt;
    recipes::RecipeDraft r;
    std::size_t next = 0;
    r.type = items[next++];
    r.name = items[next++];
    const int lines = older ? 14 : recipes::IngredientLineCount;
    for (int line = 0; line < lines; ++line) {
        const auto to = static_cast<std::size_t>(older ? LineOfOldLine(line) : line);
        r.amounts[to] = items[next++];
        r.units[to] = items[next++];
        r.ingredients[to] = items[next++];
    }
    r.directions = items[next++];
    std::replace(r.directions.begin(), r.directions.end(), Grave, Quote);
    r.ovenTemperature = items[next++];
    r.cookingTime = items[next++];
    r.yield = items[next++];
    r.yieldUnit = items[next++];
    return r;
}

std::string DefaultTransferFileName(std::string_view title) {
    std::string name;
    for (const char c : title.substr(0, std::min<std::size_t>(title.size(), 15))) {
        if (!SafeInFileName(c)) continue;
        name += c;
        name = basic::RTrim(name);
        if (name.size() == 8) break;
    }
    return name + ".rc1";
}

}  // namespace recipe_search
