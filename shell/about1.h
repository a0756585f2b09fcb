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

    ui::Label* Label1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::Label* Label5 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::Menu* mO = nullptr;
    ui::Menu* mOOK = nullptr;

private:
    void sizeToStartWindow();

    Application& app_;
};

}  // namespace shell
