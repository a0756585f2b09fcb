#include "shopping/list_dialog/list_file_dialog.h"

#include "shell/application.h"
#include "shopping/list_dialog/open1.h"

namespace shopping {

ListFileChoice AskForListFile(shell::Application& app, ListDialogMode mode) {
    ListDialogHandOver& hand = app.state<ListDialogHandOver>();
    hand.mode = mode;
    // Closed by its frame's close box, the dialog counts as cancelled.
    hand.choice = {};
    app.window<Open1>().ShowModal();
    return hand.choice;
}

}  // namespace shopping
