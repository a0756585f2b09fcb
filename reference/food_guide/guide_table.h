#pragma once
#include <array>
#include <string>
#include <vector>

namespace food_guide {

// The guide's five reference tables, in the order of their builders.
enum class GuideTable { FoodGuide, CommonMeasures, MenuIdeas, KitchenHints, Substitutions };
inline constexpr std::array<GuideTable, 5> GuideTables{GuideTable::FoodGuide, GuideTable::CommonMeasures,
                                                       GuideTable::MenuIdeas, GuideTable::KitchenHints,
                                                       GuideTable::Substitutions};

// One fixed table: its title, the header row and the data rows, with the
// columns' widths and the data rows' height as fractions of the grid's size.
// A cell of several lines holds them joined by a carriage return alone.
struct GuideTableText {
    std::string title;
    std::vector<std::string> headers;  // one a column
    std::vector<double> widths;        // of the grid's width, one a column
    double rowHeight = 0;              // of the grid's height, or of its width below
    bool rowHeightFollowsWidth = false;
    std::vector<std::vector<std::string>> rows;  // data rows 1 to n, a cell a column
};

// The table's texts, made once.
const GuideTableText& TableText(GuideTable table);

// The lines of a cell, joined by a carriage return.
std::string Lines(std::initializer_list<const char*> lines);

// Each table's texts, in a file of its own.
GuideTableText DailyRequirementsText();
GuideTableText CommonMeasuresText();
GuideTableText MenuIdeasText();
GuideTableText KitchenHintsText();
GuideTableText SubstitutionsText();

}  // namespace food_guide
