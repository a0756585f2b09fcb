#include "food_storage/store/storage_amounts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"

namespace food_storage {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The digits at pos, and pos moved past them; false when there are none.
bool ReadDigits(std::string_view text, std::size_t& pos, std::string& digits) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    digits.assign(text.substr(start, pos - start));
    return pos > start;
}

double ToDouble(const std::string& digits) {
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return std::isfinite(value) ? value : 0;
}

// "n/d" at pos, with d above 0: its value, and pos moved past it.
bool ReadFraction(std::string_view text, std::size_t& pos, double& value) {
    std::size_t at = pos;
    std::string numerator;
    std::string denominator;
    if (!ReadDigits(text, at, numerator) || at >= text.size() || text[at] != '/') return false;
    ++at;
    if (!ReadDigits(text, at, denominator)) return false;
    const double d = ToDouble(denominator);
    if (!(d > 0)) return false;
    value = ToDouble(numerator) / d;
    pos = at;
    return true;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

// A blank and the unit after an amount's number, or nothing when it has none.
std::string UnitSuffix(std::string_view amount) {
    const std::string unit = ReadKitchenAmount(amount).unit;
    return unit.empty() ? std::string() : " " + unit;
}

// In single precision, as the table has always counted; a number beyond its
// range (only a damaged file holds one) is held at the largest.
float AmountOf(std::string_view cell) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(ReadKitchenAmount(cell).value, -largest, largest));
}

bool InRange(int row, int first, int last) { return row >= first && row <= last; }

// Groups whose first row carries the sum of the rows under it.
bool HasTotalRow(StorageKind kind, RowGroup group) {
    switch (kind) {
        case StorageKind::Basic: return group.first != 34 && group.first < 54;
        case StorageKind::Additional: return group.first < 33;
        case StorageKind::Emergency: return false;
    }
    return false;
}

}  // namespace

KitchenAmount ReadKitchenAmount(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    std::size_t pos = 0;
    const bool negative = pos < trimmed.size() && trimmed[pos] == '-';
    if (negative || (pos < trimmed.size() && trimmed[pos] == '+')) ++pos;

    KitchenAmount amount;
    double value = 0;
    bool found = ReadFraction(trimmed, pos, value);
    if (!found) {
        std::string whole;
        std::string decimals;
        const bool hasWhole = ReadDigits(trimmed, pos, whole);
        bool hasPoint = false;
        if (pos < trimmed.size() && trimmed[pos] == '.') {
            std::size_t at = pos + 1;
            if (ReadDigits(trimmed, at, decimals) || hasWhole) {
                pos = at;
                hasPoint = true;
            }
        }
        found = hasWhole || !decimals.empty();
        if (found) {
            value = ToDouble((whole.empty() ? "0" : whole) + (decimals.empty() ? "" : "." + decimals));
            // A whole number may be followed by a fraction: "2 1/2".
            double part = 0;
            std::size_t at = SkipBlanks(trimmed, pos);
            if (!hasPoint && at > pos && ReadFraction(trimmed, at, part)) {
                value += part;
                pos = at;
            }
        }
    }
    if (!found) {
        amount.unit = std::string(trimmed);
        return amount;
    }
    amount.value = negative ? -value : value;
    amount.unit = std::string(TrimBlanks(trimmed.substr(pos)));
    return amount;
}

std::string SingleText(float value) {
    if (value == 0) return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    return std::string(buffer, result.ptr);
}

std::string StrForm(float value) { return value < 0 ? SingleText(value) : " " + SingleText(value); }

std::string CarryUnit(std::string_view oldAmount, std::string_view typed) {
    const std::string text = basic::LTrim(typed);
    const KitchenAmount entered = ReadKitchenAmount(text);
    if (!entered.unit.empty()) return text;
    return basic::RTrim(text) + UnitSuffix(oldAmount);
}

bool IsRecomputedRow(StorageKind kind, int row) {
    switch (kind) {
        case StorageKind::Basic:
            return row == 1 || row == 13 || row == 22 || row == 34 || row == 35 || row == 40 || InRange(row, 54, 60);
        case StorageKind::Emergency:
            return InRange(row, 1, 60) && row != 1 && row != 12 && row != 25 && row != 33 && row != 39 && row != 46;
        case StorageKind::Additional:
            return row == 1 || row == 17 || InRange(row, 34, 52) || InRange(row, 55, 60);
    }
    return false;
}

void ComputeTotalNeeded(StorageTable& table, int row, std::string_view numberInFamily) {
    const float n = AmountOf(numberInFamily);
    const std::string& amount = table.Cell(row, AmountPerPersonColumn);
    const float total = n * AmountOf(amount);
    const std::string unit = UnitSuffix(amount);
    table.Cell(row, NumberInFamilyColumn) = StrForm(n);
    table.Cell(row, TotalNeededColumn) = StrForm(total) + unit;
}

void RecomputeTotalsNeeded(StorageKind kind, StorageTable& table, std::string_view numberInFamily) {
    for (int r = 1; r <= StorageRows; ++r) {
        if (IsRecomputedRow(kind, r) && AmountOf(table.Cell(r, AmountPerPersonColumn)) > 0) {
            ComputeTotalNeeded(table, r, numberInFamily);
        }
    }
}

RowGroup GroupOfRow(StorageKind kind, int row) {
    if (row >= 55) return {row, row};
    static constexpr RowGroup basic[] = {{1, 12}, {13, 21}, {22, 33}, {34, 34}, {35, 39}, {40, 53}, {54, 54}};
    static constexpr RowGroup emergency[] = {{1, 10}, {11, 11}, {12, 24}, {25, 32}, {33, 38}, {39, 45}, {46, 54}};
    static constexpr RowGroup additional[] = {{1, 16}, {17, 32}, {33, 41}, {42, 46}, {47, 54}};
    const auto find = [row](const auto& groups) -> RowGroup {
        for (const RowGroup& group : groups) {
            if (InRange(row, group.first, group.last)) return group;
        }
        return {row, row};
    };
    switch (kind) {
        case StorageKind::Basic: return find(basic);
        case StorageKind::Emergency: return find(emergency);
        case StorageKind::Additional: return find(additional);
    }
    return {row, row};
}

void UpdateCategoryTotal(StorageTable& table, RowGroup group) {
    const bool singleRow = group.first == group.last;
    float sum = 0;
    for (int r = singleRow ? group.first : group.first + 1; r <= group.last; ++r) {
        sum += AmountOf(table.Cell(r, OnHandColumn));
    }
    const std::string unit = UnitSuffix(table.Cell(group.first, TotalNeededColumn));
    table.Cell(group.first, OnHandColumn) = SingleText(sum) + unit;
    // The item rows take the total row's unit, in the table too, so the next
    // save keeps it.
    for (int r = group.first + 1; r <= group.last; ++r) {
        std::string& onHand = table.Cell(r, OnHandColumn);
        if (!basic::Trim(onHand).empty()) onHand = basic::CStr(ReadKitchenAmount(onHand).value) + unit;
    }
    if (!(sum > 0)) table.Cell(group.first, OnHandColumn).clear();
}

bool BookAmount(StorageKind kind, StorageTable& table, int row, Booking booking) {
    const int column = booking == Booking::Added ? AmountAddedColumn : AmountUsedColumn;
    const float amount = AmountOf(table.Cell(row, column));
    if (!(amount > 0)) return false;

    const float before = AmountOf(table.Cell(row, OnHandColumn));
    const float onHand = booking == Booking::Added ? before + amount : before - amount;
    std::string& cell = table.Cell(row, OnHandColumn);
    cell = onHand > 0 ? SingleText(onHand) : std::string();
    if (kind == StorageKind::Emergency && onHand > 0) cell += UnitSuffix(table.Cell(row, TotalNeededColumn));

    const RowGroup group = GroupOfRow(kind, row);
    if (HasTotalRow(kind, group) || (kind == StorageKind::Basic && group.first == group.last)) {
        UpdateCategoryTotal(table, group);
    }
    table.Cell(row, booking == Booking::Added ? AmountUsedColumn : AmountAddedColumn).clear();
    return true;
}

}  // namespace food_storage
