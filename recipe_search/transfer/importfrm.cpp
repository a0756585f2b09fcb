#include "recipe_search/transfer/importfrm.h"

#include <cmath>

#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"
#include "recipe_search/transfer/transfer_file.h"
#include "shell/application.h"
#include "shell/dialog_frame.h"
#include "shell/drive_folder_lists.h"
#include "shell/hinfo1.h"
#include "shell/startfrm.h"

namespace recipe_search {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

int Twips(double value) { return static_cast<int>(std::lround(value)); }

std::string WithSeparator(const std::string& path) { return basic::Right(path, 1) == "/" ? path : path + "/"; }

// The inside of the dialog as designed.
constexpr int DesignWidth = 5625;
constexpr int DesignHeight = 4545;

}  // namespace

Importfrm::Importfrm(shell::Application& app) : ui::Form(app.runtime(), "Importfrm"), app_(app) {
    setCaption("Import Recipe");
    shell::SetUpDialogFrame(*this, DesignWidth, DesignHeight);

    design();

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onUnload = [this](bool&) { Form_Unload(); };
    // A folder opened by the user that cannot be read: as a folder the file
    // list cannot show.
    Dir1->onPathFailed = [this] {
        ShowDeviceUnavailable();
        backToProgramDrive();
    };
    for (ui::TextBox* box : {Text1, Text2, Text3}) box->onGotFocus = [this, box] { displayBox_GotFocus(*box); };
}

TransferHandOver& Importfrm::handOver() { return app_.state<TransferHandOver>(); }

void Importfrm::Form_Load() {
    setElasticResize(!app_.vars.smallerScreen());
    mode_ = handOver().TransferMode == TransferHandOver::Export ? TransferHandOver::Export : TransferHandOver::Import;
    if (exporting()) {
        setCaption("Export Recipe");
        Command1->setCaption("&Export Recipe");
        Text1->setText(handOver().TransferType);
        Text3->setText(handOver().TransferTitle);
        Text2->setText(DefaultTransferFileName(handOver().TransferTitle));
    } else {
        Command1->setEnabled(false);
    }
    // The dialog opens on the program's drive, in its current folder; the
    // folder list's first path is a change, which lists the folder's files.
    if (Drive1->ListIndex() != 0) Drive1->setListIndex(0);
    if (!Dir1->setPath(basic::TextFromPath(Drive1->CurrentFolderOf(0)))) {
        static_cast<void>(Dir1->setPath(basic::TextFromPath(app_.folder().dir())));
    }
    shell::EndWait(app_);
}

void Importfrm::Form_Activate() {
    const auto& vars = app_.vars;
    const shell::Startfrm& start = app_.window<shell::Startfrm>();
    if (!vars.smallerScreen()) {
        setWidth(Twips(start.Width() * 0.42));
        setHeight(Twips(start.Height() * 0.38));
    }
    shell::CentreOverStartWindow(app_, *this, 100);
    shell::EndWait(app_);
}

void Importfrm::Form_Unload() { makeProgramFolderCurrent(); }

void Importfrm::makeProgramFolderCurrent() { shell::MakeProgramFolderCurrent(*this, *Drive1, app_.folder()); }

bool Importfrm::showFolderFiles() {
    Label6->setCaption(WithSeparator(Dir1->Path()));
    return File1->setPath(Dir1->Path());
}

void Importfrm::ShowDeviceUnavailable() {
    app_.dialogs().MessageBox({"Device Status", "Device Unavailable!  ", MsgIcon::Exclamation, MsgButtons::OK, 1});
}

void Importfrm::forgetChosenFile() {
    if (exporting()) return;
    Text2->setText("");
    Command1->setEnabled(false);
}

void Importfrm::backToProgramDrive() {
    Drive1->setListIndex(0);
    Command1->setEnabled(false);
}

void Importfrm::Drive1_Change() {
    forgetChosenFile();
    if (!showFolderFiles()) {
        ShowDeviceUnavailable();
        backToProgramDrive();
        return;
    }
    if (!shell::OpenChosenDrive(*Drive1, *Dir1)) {
        app_.dialogs().MessageBox(
            {"Device/Drive Error", "Device/Drive is Unavailable!", MsgIcon::Critical, MsgButtons::OK, 1});
        backToProgramDrive();
        return;
    }
    // The folder list's change has listed the drive's files.
    if (exporting()) Command1->setEnabled(true);
}

void Importfrm::Dir1_Change() {
    forgetChosenFile();
    shell::FollowOpenedFolder(*Drive1, *Dir1);
    if (!showFolderFiles()) {
        ShowDeviceUnavailable();
        Drive1->setListIndex(0);
    }
}

void Importfrm::File1_Click() {
    Text2->setText(basic::Trim(File1->FileName()));
    if (!exporting()) PreviewTransferFile();
}

void Importfrm::File1_DblClick() { Command1_Click(); }

void Importfrm::Combo4_Change() {
    if (Combo4->Text() != Pattern) Combo4->setText(Pattern);
}

void Importfrm::Text2_Change() {
    if (!Text2->Text().empty()) Command1->setEnabled(true);
}

void Importfrm::displayBox_GotFocus(ui::TextBox& box) {
    if (Command1->effectivelyEnabled()) Command1->SetFocus();
    else ShowDisplayOnlyMessage();
    if (&box == Text3 && Text3->Text().empty()) ShowDisplayOnlyMessage();
}

void Importfrm::ShowDisplayOnlyMessage() {
    app_.dialogs().MessageBox({"Type Box Data",
                               "This Entry Box is for Data Display Only.\rPlease select Recipe to Import from Recipe "
                               "File list, below File Name Box.",
                               MsgIcon::Information, MsgButtons::OK, 1});
}

void Importfrm::PreviewTransferFile() {
    if (exporting()) return;
    shell::BeginWait(app_);
    const std::string name = basic::Trim(Text2->Text());
    const auto bytes =
        basic::ReadWholeFile(basic::PathFromText(basic::Trim(Label6->Caption()) + name), MaxTransferFileBytes);
    const std::vector<std::string> items = bytes ? TransferItems(*bytes) : std::vector<std::string>{};
    // The boxes show one line each: line breaks and control bytes of a damaged file stay out.
    if (!items.empty()) Text1->setText(basic::RemoveControlCharacters(items[0]));
    if (items.size() < 2) {
        shell::EndWait(app_);
        app_.dialogs().MessageBox({"File Error",
                                   "File: " + name + "\rThis file contains an error or will not load properly!",
                                   MsgIcon::Exclamation, MsgButtons::OK, 1});
        static_cast<void>(File1->Refresh());
        return;
    }
    Text3->setText(basic::RemoveControlCharacters(items[1]));
    Command1->setEnabled(true);
    Command1->SetFocus();
    shell::EndWait(app_);
}

bool Importfrm::AskReplaceFile() {
    replacedFile_.clear();
    const std::string wanted = basic::UCase(basic::Trim(Text2->Text()));
    for (const std::string& listed : File1->items()) {
        if (basic::UCase(listed) != wanted) continue;
        const int answer = app_.dialogs().MessageBox(
            {"Save .lst File", Text2->Text() + "\rThis file already already exists.\rDo you want to replace it?",
             MsgIcon::Exclamation, MsgButtons::YesNo, 2});
        if (answer != platform::answer::Yes) return false;
        replacedFile_ = listed;
        return true;
    }
    return true;
}

void Importfrm::Command1_Click() {
    if (exporting() && !AskReplaceFile()) return;
    TransferHandOver& hand = handOver();
    const std::string name = basic::Trim(Text2->Text());
    if (name.empty()) {
        hand.TransferMode = TransferHandOver::Cancelled;
    } else {
        shell::BeginWait(app_);
        // On a volume that tells cases apart, the file agreed to be replaced
        // is the listed one, whatever the case typed.
        hand.TransferPath = basic::Trim(Label6->Caption()) + (replacedFile_.empty() ? name : replacedFile_);
    }
    Unload();
}

void Importfrm::Command2_Click() {
    handOver().TransferMode = TransferHandOver::Cancelled;
    makeProgramFolderCurrent();
    Unload();
}

}  // namespace recipe_search
