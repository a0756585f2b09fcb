#include "shell/about1.h"

#include <cmath>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "shell/application.h"
#include "shell/dialog_frame.h"
#include "shell/help_menu.h"
#include "shell/hinfo1.h"
#include "shell/maker.h"
#include "shell/options_popup.h"
#include "shell/startfrm.h"

namespace shell {

namespace {
int Twips(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

About1::About1(Application& app) : ui::Form(app.runtime(), "About1"), app_(app) {
    setCaption("About Pantrivo");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    Move(0, 0, 5040, 4230);  // its size beside a start window in smaller screen display
    setHelpContextID(topics::ProgramOverview);

    design();
    // The picture lies behind everything and fills the box.
    Image2->Move(0, 0, ScaleWidth(), ScaleHeight());

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    PopUpOnRightButton({Command1, Label1}, PopUpMenu(*this, *mO));
}

void About1::sizeToStartWindow() {
    const Startfrm& start = app_.window<Startfrm>();
    setHeight(Twips(start.Height() * 0.47));
    setWidth(Twips(start.Width() * 0.42));
}

void About1::Form_Load() {
    const auto& vars = app_.vars;
    setElasticResize(!vars.smallerScreen());
    sizeToStartWindow();
    CentreOverStartWindow(app_, *this, 100);
    // Short lines: the box is only 0.42 of the start window wide.
    Label1->setCaption(std::string(ProductName) + "\r" + ProductVersion +
                       "\r\rFor the home kitchen: recipes,\r"
                       "shopping lists, menus and\r"
                       "food storage.\r\r"
                       "Made by the Pantrivo team, with\r"
                       "its own tables and print preview.");
    setBackColor(Label2->BackColor());
    const std::string background = vars.MainBackground.isString() ? vars.MainBackground.toText() : std::string();
    const std::string picture = basic::Left(background, 2) == "WP" ? background + ".jpg" : "WP10.jpg";
    // Without its picture the box shows its designed colour.
    static_cast<void>(Image2->LoadPicture(app_.folder().Resolve(picture)));
}

void About1::Form_Activate() {
    sizeToStartWindow();
    EndWait(app_);
}

void About1::Command1_Click() { Unload(); }

void About1::mOOK_Click() { Unload(); }

void About1::Label5_Click() { app_.desktopShell().ShellOpen({hWnd(), "Open", MakerWebSiteAddress, "0", "0", 0}); }

void About1::Command1_KeyDown(int& keyCode, int) {
    if (keyCode != ui::keys::F9) return;
    const std::string code = app_.dialogs().InputBox({"Code Box", "Enter Code Now", "", 2800, 1800});
    if (basic::UCase(code) != "TWEG") return;
    app_.dialogs().MessageBox({"Software Information",
                               std::string(ProductName) + " " + ProductVersion +
                                   "\rWritten in C++20 with a Qt 6 desktop front end.\r"
                                   "Settings and data files keep their fixed record layouts.",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

}  // namespace shell
