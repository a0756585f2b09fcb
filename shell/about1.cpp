#include "shell/about1.h"

#include <cmath>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "shell/application.h"
#include "shell/hinfo1.h"
#include "shell/maker.h"
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

    Image2 = &add<ui::Image>("Image2");
    Image2->Move(0, 0, ScaleWidth(), ScaleHeight());

    Label1 = &add<ui::Label>("Label1");
    Label1->Move(300, 240, 4000, 1800);
    Label1->setFont({"Arial", 9, true});
    Label1->setForeColor(ui::Rgb(0, 0, 128));
    Label1->setAutoSize(true);

    Label4 = &add<ui::Label>("Label4");
    Label4->Move(300, 2760, 900, 260);
    Label4->setCaption("Web Site:");
    Label4->setFont({"Arial", 9, true});

    Label5 = &add<ui::Label>("Label5");
    Label5->Move(1200, 2760, 2400, 260);
    Label5->setCaption(MakerWebSiteName);
    Label5->setFont({"Arial", 9, true, false, true});
    Label5->setForeColor(ui::Rgb(0, 0, 255));

    Command1 = &add<ui::CommandButton>("Command1");
    Command1->Move(3360, 3180, 1260, 420);
    Command1->setCaption("OK");
    Command1->setDefault(true);
    Command1->setCancel(true);

    Label2 = &add<ui::Label>("Label2");  // keeps the desktop's default colour for reference
    Label2->setVisible(false);
    Label2->setBackColor(ui::colors::ButtonFace);

    mO = &addMenu("mO", "Opt");
    mO->setVisible(false);  // only ever a popup
    mOOK = &mO->add("mOOK", "OK");

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    Command1->onClick = [this] { Command1_Click(); };
    Command1->onKeyDown = [this](int& key, int shift) { Command1_KeyDown(key, shift); };
    Label5->onClick = [this] { Label5_Click(); };
    mOOK->onClick = [this] { mOOK_Click(); };
}

void About1::sizeToStartWindow() {
    const Startfrm& start = app_.startfrm();
    setHeight(Twips(start.Height() * 0.47));
    setWidth(Twips(start.Width() * 0.42));
}

void About1::Form_Load() {
    const auto& vars = app_.vars;
    setElasticResize(vars.DisplayMode != 9);
    sizeToStartWindow();
    const Startfrm& start = app_.startfrm();
    setLeft(Twips(vars.StartWidth / 2.0 + start.Left() - Width() / 2.0));
    setTop(Twips(vars.StartHeight / 2.0 + start.Top() - Height() / 2.0 + 100));
    Label1->setCaption(std::string(ProductName) + "\r" + ProductVersion +
                       "\r\rRecipes, shopping lists, menus and food storage\r"
                       "for the home kitchen.\r\r"
                       "Made by the Pantrivo team.\r"
                       "Tables and print preview: Pantrivo's own components.");
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

void About1::Label5_Click() {
    app_.desktopShell().ShellOpen({hWnd(), "Open", MakerWebSiteAddress, "0", "0", 0});
}

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
