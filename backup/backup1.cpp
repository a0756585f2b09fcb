#include "backup/backup1.h"

#include <cmath>

#include "backup/store/target_folder.h"
#include "platform/basic/path_text.h"
#include "platform/ui/design_style.h"
#include "recipes/store/recipe_file_state.h"
#include "shell/application.h"
#include "shell/dialog_frame.h"
#include "shell/drive_folder_lists.h"
#include "shell/form_background.h"
#include "shell/hinfo1.h"
#include "shell/options_popup.h"
#include "shell/startfrm.h"

namespace backup {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

int Twips(double value) { return static_cast<int>(std::lround(value)); }

// The inside of the window as designed.
constexpr int DesignWidth = 7125;
constexpr int DesignHeight = 6285;
constexpr int PictureLeft = 60;
constexpr int RestoreTextTop = 60;
// The picture leaves the frame and the menu bar clear.
constexpr int PictureHeightLess = 815;
constexpr int PictureWidthLess = 215;

// The picture is sized at activation; the value's trailing blanks go first.
constexpr shell::FormBackgroundRow Background{false, false, true};

}  // namespace

Backup1::Backup1(shell::Application& app) : ui::Form(app.runtime(), "Backup1"), app_(app) {
    setCaption("Backup ");
    shell::SetUpDialogFrame(*this, DesignWidth, DesignHeight);
    design();
    setBackColor(Label6->BackColor());

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onQueryUnload = [this](bool& cancel, ui::UnloadMode) { cancel = state_.running; };
    onUnload = [this](bool&) { Form_Unload(); };
    // A folder the user opened that cannot be read: as a drive that cannot.
    Dir1->onPathFailed = [this] { backToProgramDrive(); };
    const shell::PopUp popUp = shell::PopUpMenu(*this, *mO);
    shell::PopUpOnRightButton(*this, popUp);
    shell::PopUpOnRightButton({Label3, SSCommand1, SSCommand2}, popUp);
}

void Backup1::Form_Load() {
    const auto& vars = app_.vars;
    applyBackground();

    state_.restoreMode = vars.RestoreMode == 99;
    state_.cookbook = app_.state<recipes::RecipeFileState>().CookbookNumber;
    state_.year = vars.BackupYear;
    state_.family = FamilyOf(vars.BackupFamily, state_.cookbook, state_.year);

    // The lists open on the program's drive, in its current folder, where
    // the action is not offered.
    if (Drive1->ListIndex() != 0) Drive1->setListIndex(0);
    if (!Dir1->setPath(basic::TextFromPath(Drive1->CurrentFolderOf(0)))) {
        static_cast<void>(Dir1->setPath(basic::TextFromPath(app_.folder().dir())));
    }
    showPath(Drive1->Drive());
    setActionAvailable(false);

    setCaption(WindowCaption(state_.family, state_.restoreMode));
    Label1->setCaption(InstructionText(state_.family, state_.restoreMode));
    SSCommand2->setCaption(ActionCaption(state_.family, state_.restoreMode));
    if (state_.restoreMode) {
        // Three paragraphs: the text takes the room above the path as well.
        Label1->Move(Label1->Left(), RestoreTextTop, Label1->Width(), Label4->Top() - 2 * RestoreTextTop);
        mOM->setVisible(false);
        // The family title makes the caption longer than the button's design.
        SSCommand2->setFont(ui::design::style::SmallButtonFont);
    } else {
        mOR->setVisible(false);
    }
    SSPanel1->setBackColor(Label6->BackColor());
    SSPanel2->setBackColor(Label6->BackColor());
    // Last: the resizer scales the window as loaded, its mode's text in place.
    setElasticResize(!vars.smallerScreen());
}

void Backup1::applyBackground() {
    shell::FormBackground background(app_, *this, *Image1, Background);
    background.onLoad();
}

void Backup1::Form_Activate() {
    const shell::Startfrm& start = app_.window<shell::Startfrm>();
    Image1->setLeft(PictureLeft);
    if (!app_.vars.smallerScreen()) {
        setHeight(Twips(start.Height() * 0.712));
        setWidth(Twips(start.Width() * 0.6));
    }
    shell::CentreOverStartWindow(app_, *this, 415);
    Image1->Move(PictureLeft, Image1->Top(), Width() - PictureWidthLess, Height() - PictureHeightLess);
    shell::FormBackground(app_, *this, *Image1, Background).onActivate();
}

void Backup1::Form_Unload() {
    app_.vars.RestoreMode = 0;
    app_.vars.BackupFamily = 0;
    shell::MakeProgramFolderCurrent(*this, *Drive1, app_.folder());
}

void Backup1::showPath(const std::string& text) {
    Label5->setLeft(Label4->Left() + Label4->Width() + 30);
    Label5->setCaption(text);
}

void Backup1::setActionAvailable(bool available) {
    state_.actionAvailable = available;
    SSCommand2->setEnabled(available);
    (state_.restoreMode ? mOR : mOM)->setEnabled(available);
}

void Backup1::offerActionForFolder() {
    setActionAvailable(state_.family.kind != FamilyKind::None &&
                       !IsProgramFolder(basic::PathFromText(Dir1->Path()), app_.folder().dir()));
}

void Backup1::backToProgramDrive() {
    app_.dialogs().MessageBox(
        {"Device/Drive Error", "Device/Drive is Unavailable!", MsgIcon::Critical, MsgButtons::OK, 1});
    // The program's drive can always be read; its Change lists it again.
    Drive1->setListIndex(0);
    setActionAvailable(false);
}

void Backup1::Drive1_Change() {
    if (!shell::OpenChosenDrive(*Drive1, *Dir1)) {
        backToProgramDrive();
        return;
    }
    offerActionForFolder();
    showPath(Dir1->Path());
}

void Backup1::Dir1_Change() {
    shell::FollowOpenedFolder(*Drive1, *Dir1);
    showPath(Dir1->Path());
    offerActionForFolder();
}

void Backup1::SSCommand1_Click() { Unload(); }

void Backup1::mOE_Click() { Unload(); }

void RegisterBackup(shell::Application& app) {
    app.registerBackupWindow([&app] { app.window<Backup1>().ShowModal(); });
}

}  // namespace backup
