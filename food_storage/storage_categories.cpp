#include "food_storage/storage_categories.h"

namespace food_storage {

std::array<const char*, CategoryButtons> CategoryCaptions(StorageKind kind) {
    switch (kind) {
        case StorageKind::Basic:
            return {"&All", "&Grains", "&Dairy", "S&ugar", "Sal&t", "&Fats", "&Legumes", "&Water", "&Misc."};
        case StorageKind::Emergency:
            return {"&All", "&Food", "&Water", "&Equip.", "&Bedding", "&Clothing", "Fuel/&L.", "Pe&rs.", "&Misc."};
        case StorageKind::Additional:
            return {"&All", "&Meats", "&F/V", "&Misc.", "&Water", "&Equip.", "Othe&r", nullptr, nullptr};
    }
    return {};
}

std::optional<RowGroup> CategoryRange(StorageKind kind, int category) {
    static constexpr std::array<RowGroup, CategoryButtons> basic{
        {{1, 60}, {1, 12}, {13, 21}, {22, 33}, {34, 34}, {35, 39}, {40, 53}, {54, 54}, {55, 60}}};
    static constexpr std::array<RowGroup, CategoryButtons> emergency{
        {{1, 60}, {1, 10}, {11, 11}, {12, 24}, {25, 32}, {33, 38}, {39, 45}, {46, 54}, {55, 60}}};
    static constexpr std::array<RowGroup, 7> additional{
        {{1, 60}, {1, 16}, {17, 32}, {33, 41}, {42, 46}, {47, 54}, {55, 60}}};
    if (category < 0) return std::nullopt;
    const auto at = static_cast<std::size_t>(category);
    switch (kind) {
        case StorageKind::Basic:
            if (at < basic.size()) return basic[at];
            break;
        case StorageKind::Emergency:
            if (at < emergency.size()) return emergency[at];
            break;
        case StorageKind::Additional:
            if (at < additional.size()) return additional[at];
            break;
    }
    return std::nullopt;
}

int LastCategory(StorageKind kind) { return kind == StorageKind::Additional ? 6 : 8; }

}  // namespace food_storage
