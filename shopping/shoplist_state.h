#pragma once
#include <array>
#include <string>

#include "shell/grid_background_selector.h"
#include "shopping/select/select_host.h"
#include "shopping/store/shopping_list.h"

namespace shopping {

// What the print preview shows: the list, or the blank worksheet.
enum class PreviewMode { List, Worksheet };

// What the shopping list window knows between events, apart from what its
// boxes show. The window keeps it here, never in its controls' captions or
// enabled states; tests read it. A variable the window's documents name
// keeps its name here (ListChanged, CurrentRow).
struct ShoplistState {
    // --- the list on screen
    bool ListChanged = false;  // the list differs from its file
    shopping::OrderOption OrderOption = shopping::OrderOption::AsEntered;
    int CurrentRow = 0;     // the grid row the entry boxes and the keypad work on (1 on)
    int CurrentCol = 0;     // column of the last chosen cell: 0 item, 1 amount
    std::string EntryText;  // text of the chosen cell, or the item that replaces a row's
    // A grid row was chosen: the next item entered replaces that row's item.
    bool RowEditMark = false;
    bool RowDeleteOffered = false;  // "&Delete Item from Grid" can be chosen
    bool SaveGroupOn = true;        // Save, Clear Grid and Copy can be chosen
    // The row whose cells are red while the question before deleting it is open.
    int RowShownForDeletion = 0;

    // --- colours
    bool ColorsChanged = false;                 // the grid's text colour or background changed in this opening
    shell::GridBackgroundState gridBackground;  // what the Grid Background Selector chose

    // --- panels over the main panel
    SelectScreen OpenScreen = SelectScreen::None;
    PreviewMode Preview = PreviewMode::List;
    bool DatePickerShown = false;  // the shopping date's calendar is open
    bool KeypadCovered = true;     // the amount keys wait for a row to be chosen

    // --- the print options of the list
    bool PrintDividerLines = true;  // a divider line under every fifth item
    bool PrintDateOnEachPage = true;

    // 9 right after "E&xit" unloaded the window, for the Options popup.
    int ClosedByExit = 0;
};

}  // namespace shopping
