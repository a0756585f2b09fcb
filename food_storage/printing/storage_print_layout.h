#pragma once
#include <string>
#include <string_view>

#include "food_storage/printing/storage_print_options.h"
#include "food_storage/store/storage_table.h"
#include "platform/basic/calendar_date.h"
#include "platform/ui/print_document.h"
#include "printing/print_font.h"

// The storage table on paper: the window's caption as the title, the "As of"
// line and three-line column headings on every page, one line per table row
// in five or eight columns, and with grid lines a page frame, column rules
// and rules under the category blocks.
namespace food_storage {

// "As of  " and the date as "mmmm dd, yyyy" ("As of  December 08, 2004").
std::string AsOfLine(basic::CalendarDate date);

// Lays the table out as a new document, replacing what doc held: every cell
// as the grid shows it in the All view, read afresh from the table each time,
// so a change of range never prints what an earlier one left. The title is
// the window's caption without its outer blanks; asOf is today's date.
void LayoutStorageTable(ui::PrintDocument& doc, const printing::PrintFontSettings& font, StorageKind kind,
                        const StorageTable& table, std::string_view caption, basic::CalendarDate asOf,
                        const StoragePrintOptions& options);

}  // namespace food_storage
