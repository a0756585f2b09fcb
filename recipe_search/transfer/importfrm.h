#pragma once
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "recipe_search/transfer/transfer_hand_over.h"

namespace shell {
class Application;
}

namespace recipe_search {

// The transfer dialog: the drive, folder and file lists through which the
// recipe window picks the ".rc1" file a recipe is exported to or imported
// from. On export it shows the recipe and proposes a file name, and asks
// before replacing a listed file; on import it shows the type and name read
// from the file clicked. Made anew at every showing, so the lists are read
// from disk each time.
class Importfrm : public ui::Form {
public:
    explicit Importfrm(shell::Application& app);

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Combo4_Change();
    void Text2_Change();
    void displayBox_GotFocus(ui::TextBox& box);
    void PreviewTransferFile();
    // False when the user said No to replacing a listed file.
    bool AskReplaceFile();
    void ShowDisplayOnlyMessage();
    void ShowDeviceUnavailable();

    ui::Label* Label9 = nullptr;            // "File name:"
    ui::TextBox* Text2 = nullptr;           // the file name (display only)
    ui::FileListBox* File1 = nullptr;       // the folder's "*.rc1" files
    ui::Label* Label11 = nullptr;           // "List files of type:"
    ui::ComboBox* Combo4 = nullptr;         // "*.rc1", its only entry
    ui::Label* Label5 = nullptr;            // "Path:"
    ui::Label* Label6 = nullptr;            // the current folder, ending in "/"
    ui::CommandButton* Command1 = nullptr;  // OK: "&Import Recipe" or "&Export Recipe"
    ui::CommandButton* Command2 = nullptr;  // "&Cancel", also Esc
    ui::Label* Label3 = nullptr;            // "Type:"
    ui::TextBox* Text1 = nullptr;           // the recipe type (display only)
    ui::Label* Label2 = nullptr;            // "Recipe:"
    ui::TextBox* Text3 = nullptr;           // the recipe name (display only)
    ui::Label* Label1 = nullptr;            // "Drives:"
    ui::DriveListBox* Drive1 = nullptr;     // the volumes
    ui::Label* Label4 = nullptr;            // "Folder:"
    ui::DirListBox* Dir1 = nullptr;         // the folders of the chosen volume

    static constexpr const char* Pattern = "*.rc1";

private:
    void design();
    bool exporting() const { return mode_ == TransferHandOver::Export; }
    TransferHandOver& handOver();
    // Label6 and the file list follow the folder list; false when the
    // folder cannot be listed.
    bool showFolderFiles();
    void backToProgramDrive();
    // Import: a drive or folder change drops the file chosen before.
    void forgetChosenFile();
    void makeProgramFolderCurrent();

    shell::Application& app_;
    std::int16_t mode_ = TransferHandOver::Import;
    // The listed file the user agreed to replace: its name as it is on disk,
    // which may differ in case from the name box.
    std::string replacedFile_;
};

}  // namespace recipe_search
