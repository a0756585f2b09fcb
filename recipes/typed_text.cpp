#include "recipes/typed_text.h"

namespace recipes {

std::string CleanTyped(std::string_view text, int maxLength, bool multiLine, bool dropQuotes) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        const bool lineBreak = c == '\r' || c == '\n';
        if ((code < 32 || code == 127) && c != '\t' && !(multiLine && lineBreak)) continue;
        if (dropQuotes && c == '"') continue;
        kept += c;
    }
    if (maxLength > 0 && kept.size() > static_cast<std::size_t>(maxLength))
        kept.resize(static_cast<std::size_t>(maxLength));
    return kept;
}

FilteredAmount FilterAmount(std::string_view text, int maxLength) {
    FilteredAmount amount;
    bool point = false;
    for (const char c : text) {
        if (c == '/' || c == '\\') amount.fractionTyped = true;
        if (c >= '0' && c <= '9') {
            amount.text += c;
        } else if (c == '.' && !point) {
            amount.text += c;
            point = true;
        }
    }
    if (maxLength > 0 && amount.text.size() > static_cast<std::size_t>(maxLength))
        amount.text.resize(static_cast<std::size_t>(maxLength));
    return amount;
}

}  // namespace recipes
