#pragma once
#include "food_storage/printing/storage_print_options.h"
#include "food_storage/store/storage_files.h"
#include "shell/grid_background_selector.h"

namespace food_storage {

// What the food storage window knows between events, apart from what its
// boxes show; tests read it. Names the window's documents use are kept.
struct StorageWindowState {
    // The kind's table, the number in family last taken with Enter, and
    // whether either changed since loading or saving (StorageChanged).
    StorageDocument document;

    // --- the view: 0 All, 1 to 8 a category, with the table rows it shows
    int CurrentCategory = 0;
    int CategoryFirstRow = 1;
    int CategoryLastRow = StorageRows;

    // --- entry
    int EntryColumn = 0;  // column of the cell chosen for input; also the click guard
    int EntryRow = 0;
    bool InputArmed = false;       // the input box waits for the entry of the chosen cell
    bool DatePickerShown = false;  // the calendar of the last action's date
    bool EntryGuard = false;       // loading or booking: the boxes' handlers stay idle

    // --- rollup and charts (basic kind)
    bool RollupShown = false;
    bool RollupHorizontal = false;
    int ChartCategory = 0;  // the category the chart is placed for; 0 draws in place

    // --- the print preview's range and options
    StoragePrintOptions print;

    // --- colours
    bool ColorsChanged = false;
    shell::GridBackgroundState gridBackground;

    // 9 right after "E&xit" unloaded the window, for the Options popup.
    int ClosedByExit = 0;

    bool allView() const { return CurrentCategory == 0; }
};

}  // namespace food_storage
