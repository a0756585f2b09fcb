#pragma once
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "shopping/list_dialog/list_file_dialog.h"

namespace shell {
class Application;
}

namespace shopping {

// What the shopping list window and the list file dialog hand each other:
// the window sets the mode before showing the dialog and reads the choice
// after it has closed.
struct ListDialogHandOver {
    ListDialogMode mode = ListDialogMode::Open;
    ListFileChoice choice;
};

// The list file dialog: the saved list files of the program folder, a name
// box and OK / Cancel. It checks that the name chosen is a listed list file
// and hands it back; it opens and deletes nothing itself. Made anew at every
// showing, so the list is read from disk each time.
class Open1 : public ui::Form {
public:
    explicit Open1(shell::Application& app);

    void Form_Load();
    void Form_Activate();
    void Text2_Click();
    void File1_Click();
    void File1_DblClick();
    void Combo4_Change();
    void Command1_Click();
    void Command2_Click();

    ui::Label* Label9 = nullptr;            // "File name:"
    ui::TextBox* Text2 = nullptr;           // the file name, "*.lst" at first
    ui::FileListBox* File1 = nullptr;       // the program folder's "*.lst" files
    ui::Label* Label11 = nullptr;           // "List files of type:"
    ui::ComboBox* Combo4 = nullptr;         // "*.lst", its only entry and text
    ui::CommandButton* Command1 = nullptr;  // "OK", also Enter
    ui::CommandButton* Command2 = nullptr;  // "Cancel", also Esc

    static constexpr const char* Pattern = "*.lst";
    // The inside as designed, the dialog's size in smaller screen display.
    static constexpr int InsideWidth = 4260;
    static constexpr int InsideHeight = 3165;

private:
    void design();
    ListDialogHandOver& handOver();
    void choose(ListFileChoice::Kind kind, std::string fileName = {});

    shell::Application& app_;
};

}  // namespace shopping
