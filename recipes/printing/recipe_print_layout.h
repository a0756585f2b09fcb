#pragma once
#include <string>
#include <string_view>

#include "platform/ui/print_document.h"
#include "printing/print_font.h"
#include "recipes/printing/recipe_page.h"
#include "recipes/store/recipe_draft.h"

// The printout of the recipe on screen: a full page with the ingredients in
// two columns or one, or the top or bottom half of a page.
namespace printing {

struct RecipePrintOptions {
    int PrintOption = FullPageTwoColumns;   // RecipePrintLayoutCode
    int AmountFormat = AmountsAsFractions;  // AmountPrintStyleCode
};

// FractionDecimalTable: the decimal text of a kitchen fraction ("1/8" gives
// ".125"), matched exactly; "" for a fraction not in the table.
std::string_view FractionDecimalText(std::string_view fraction);

// A kitchen fraction amount as decimals: "1 1/2" gives "1.5", "3/4" ".75",
// "10 1/8" "10.125"; an amount without a fraction, or with one not in the
// table, is kept as it is. Blanks around the amount are dropped.
std::string AmountAsDecimals(std::string_view amountText);

// The amount an amount box prints, by what the box holds (stored decimals
// while modifying, kitchen fractions otherwise) and the amount format,
// without blanks around it.
std::string PrintedAmount(std::string_view boxText, bool modifyMode, int amountFormat);

// Lays the recipe on screen out as a new document, replacing what doc held.
// The record number at the end of the name entry never prints. The date is
// the day of printing as mm-dd-yyyy, printed in the full page's footer.
void LayoutRecipe(ui::PrintDocument& doc, const PrintFontSettings& font, const recipes::RecipeDraft& recipe,
                  const RecipePrintOptions& options, std::string_view printedOnDate);

}  // namespace printing
