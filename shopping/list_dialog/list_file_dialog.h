#pragma once
#include <string>

namespace shell {
class Application;
}

// The list file dialog: the user picks one of the saved shopping list files
// of the program folder, to open it or to delete it. The dialog only checks
// the choice and hands the file name back; the caller opens or deletes.
namespace shopping {

enum class ListDialogMode { Open = 0, Delete = 1 };

struct ListFileChoice {
    enum class Kind {
        Chosen,       // fileName is the name as the file list shows it ("08Dec04.Lst")
        Cancelled,    // the user pressed Cancel
        NoListFiles,  // the folder holds no list file at all; the dialog closed at once
    };
    Kind kind = Kind::Cancelled;
    std::string fileName;
};

// Shows the dialog modally, centred over the start window, and waits for it.
ListFileChoice AskForListFile(shell::Application& app, ListDialogMode mode);

}  // namespace shopping
