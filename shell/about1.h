#pragma once
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace shell {

class Application;

// The About box: product, version, maker and web site over a background picture.
class About1 : public ui::Form {
public:
    explicit About1(Application& app);

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command1_KeyDown(int& keyCode, int shift);
    void Label5_Click();
    void mOOK_Click();

    ui::Image* Image2 = nullptr;            // the background picture, behind everything
    ui::Label* Label1 = nullptr;            // product, version and maker; as large as its text
    ui::Label* Label4 = nullptr;            // "Web Site:"
    ui::Label* Label5 = nullptr;            // the maker's web site, in blue; a click opens it
    ui::CommandButton* Command1 = nullptr;  // "OK": closes the box, also on Enter and Esc
    ui::Label* Label2 = nullptr;            // never shown: holds the desktop's button colour for the box
    ui::Menu* mO = nullptr;                 // the right-click popup (never on a menu bar)
    ui::Menu* mOOK = nullptr;               // popup > OK

private:
    void design();
    void sizeToStartWindow();

    Application& app_;
};

}  // namespace shell
