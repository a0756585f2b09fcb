#pragma once
#include <string_view>

#include "platform/ui/print_document.h"
#include "printing/print_font.h"
#include "shopping/store/shopping_list.h"

// The shopping list on paper: the list in two columns, an empty check box
// before every item, a divider under every fifth item and the header on every
// page; and the blank worksheet to write a list on by hand.
namespace shopping {

// The preview's two print options, as their boxes leave them.
struct ListPrintOptions {
    bool DividerLinesOff = false;  // "Print Divider Lines (Every 5 Items)" unchecked
    bool PrintDateOff = false;     // "Print  Date on each page" unchecked: the date line stays, empty
};

// Lays the list out as a new document, replacing what doc held: the rows
// of the grid in the grid's order, rows without an item left out. The
// header names the family (when there is one) and the shopping date box's
// text as a long date.
void LayoutShoppingList(ui::PrintDocument& doc, const printing::PrintFontSettings& font, const ShoppingList& list,
                        std::string_view familyName, std::string_view dateBoxText, const ListPrintOptions& options);

// Lays the blank "Shopping List Worksheet" out as a new document: one page
// of ruled lines in four columns, whatever the font.
void LayoutListWorksheet(ui::PrintDocument& doc, const printing::PrintFontSettings& font);

}  // namespace shopping
