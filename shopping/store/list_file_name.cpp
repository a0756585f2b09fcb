#include "shopping/store/list_file_name.h"

#include <array>
#include <charconv>

#include "platform/basic/text.h"

namespace shopping {

namespace {

constexpr std::array<std::string_view, 12> MonthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int n) { return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)}; }

std::optional<int> Digits(std::string_view text, std::size_t minLength, std::size_t maxLength) {
    if (text.size() < minLength || text.size() > maxLength) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int FullYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

std::optional<basic::CalendarDate> ValidDate(int year, int month, int day) {
    const basic::CalendarDate date{year, month, day};
    if (!date.valid()) return std::nullopt;
    return date;
}

}  // namespace

std::optional<std::string> ListFileName(const basic::CalendarDate& date) {
    if (!date.valid()) return std::nullopt;
    return TwoDigits(date.day) + std::string(MonthAbbreviations[static_cast<std::size_t>(date.month - 1)]) +
           TwoDigits(date.year % 100) + ".Lst";
}

std::optional<basic::CalendarDate> ParseDateBoxText(std::string_view text) {
    const std::string trimmed = basic::Trim(text);
    const std::string_view s = trimmed;
    const auto first = s.find('/');
    const auto second = first == std::string_view::npos ? first : s.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto month = Digits(s.substr(0, first), 1, 2);
    const auto day = Digits(s.substr(first + 1, second - first - 1), 1, 2);
    const std::string_view yearText = s.substr(second + 1);
    const auto year = Digits(yearText, 2, 4);
    if (!month || !day || !year || yearText.size() == 3) return std::nullopt;
    return ValidDate(yearText.size() == 2 ? FullYear(*year) : *year, *month, *day);
}

std::optional<basic::CalendarDate> ListFileDate(std::string_view fileName) {
    const auto dot = fileName.find('.');
    if (dot != 7) return std::nullopt;
    const auto day = Digits(fileName.substr(0, 2), 2, 2);
    const auto year = Digits(fileName.substr(5, 2), 2, 2);
    if (!day || !year) return std::nullopt;
    for (std::size_t m = 0; m < MonthAbbreviations.size(); ++m)
        if (basic::EqualsNoCase(fileName.substr(2, 3), MonthAbbreviations[m]))
            return ValidDate(FullYear(*year), static_cast<int>(m) + 1, *day);
    return std::nullopt;
}

bool IsListFileName(std::string_view fileName) {
    const auto digits = fileName.find_first_not_of("0123456789");
    const std::string_view leading = fileName.substr(0, digits);
    const bool aboveZero = leading.find_first_not_of('0') != std::string_view::npos;
    return aboveZero && basic::EqualsNoCase(basic::Right(fileName, 4), ".LST");
}

}  // namespace shopping
