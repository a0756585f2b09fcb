#include "reference/food_guide/guide_table.h"

namespace food_guide {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string cell;
    for (const char* line : lines) {
        if (!cell.empty()) cell += '\r';
        cell += line;
    }
    return cell;
}

const GuideTableText& TableText(GuideTable table) {
    static const std::array<GuideTableText, GuideTables.size()> texts{
        DailyRequirementsText(), CommonMeasuresText(), MenuIdeasText(), KitchenHintsText(), SubstitutionsText(),
    };
    return texts[static_cast<std::size_t>(table)];
}

}  // namespace food_guide
