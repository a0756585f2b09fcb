#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "printing/text_measure.h"
#include "recipes/store/recipe_draft.h"

namespace printing {

// The recipe as clipboard text (Windows-1252, lines ending in CR LF): type,
// name, the ingredients in two columns (lines 1-10 left, 11-20 after a tab)
// or in one (CopyHandOver's layouts), directions, cooking and serving
// information. Columns are lined up with blanks to widths in the measure's font.
std::string RecipeCopyText(const recipes::RecipeDraft& recipe, std::int16_t layout, const TextMeasure& measure);

}  // namespace printing
