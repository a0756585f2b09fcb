#include "platform/basic/text.h"

#include <algorithm>

namespace basic {

namespace {

std::string_view TrimLeft(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : s.substr(first);
}

std::string_view TrimRight(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

std::size_t Count(long n) { return n < 0 ? 0 : static_cast<std::size_t>(n); }

}  // namespace

std::string Trim(std::string_view s) { return std::string(TrimRight(TrimLeft(s))); }
std::string LTrim(std::string_view s) { return std::string(TrimLeft(s)); }
std::string RTrim(std::string_view s) { return std::string(TrimRight(s)); }

std::string Left(std::string_view s, long n) { return std::string(s.substr(0, std::min(Count(n), s.size()))); }

std::string Right(std::string_view s, long n) {
    const std::size_t count = std::min(Count(n), s.size());
    return std::string(s.substr(s.size() - count));
}

std::string Mid(std::string_view s, long start, long length) {
    const std::size_t from = Count(start < 1 ? 0 : start - 1);
    if (from >= s.size()) return {};
    return std::string(s.substr(from, Count(length)));
}

std::string Mid(std::string_view s, long start) { return Mid(s, start, Len(s)); }

long Len(std::string_view s) { return static_cast<long>(s.size()); }

char LowerChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

std::string UCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), UpperChar);
    return out;
}

std::string LCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), LowerChar);
    return out;
}

long InStr(std::string_view hay, std::string_view needle) { return InStr(1, hay, needle); }

long InStr(long start, std::string_view hay, std::string_view needle) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start) > hay.size() + 1) return 0;
    if (needle.empty()) return start;
    const auto found = hay.find(needle, static_cast<std::size_t>(start - 1));
    return found == std::string_view::npos ? 0 : static_cast<long>(found) + 1;
}

std::string Space(long n) { return std::string(Count(n), ' '); }

std::string String(long n, char ch) { return std::string(Count(n), ch); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

bool LessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperChar(x)) < static_cast<unsigned char>(UpperChar(y));
    });
}

std::string RemoveControlCharacters(std::string_view s) {
    std::string kept;
    kept.reserve(s.size());
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte != 127) kept += c;
    }
    return kept;
}

}  // namespace basic
