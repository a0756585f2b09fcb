#pragma once
#include <array>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "shell/application.h"

namespace shell {

// The start window: display mode, family name, background, and the way into
// every activity through its main menu and nine-button panel.
class Startfrm : public ui::Form {
public:
    explicit Startfrm(Application& app);

    // Screen check and placement, run by the loading.
    void Fm1a();
    void LoadFamilyName();
    void ApplyStartBackground();
    void SaveBackgroundSetting();

    void Form_Load();
    void Form_Activate();
    void Form_Resize();

    void mO_Click();
    void mOP_Click();
    void mOBC_Click();
    void mOPF_Click();
    void mOPS_Click();
    void mON_Click();
    void mOe_Click();
    void mRF_Click();
    void mRFG_Click();
    void mRC_Click();
    void mRMenu_Click();
    void mRS_Click();
    void mREmerg_Click();
    void mHCont_Click();
    void mHI_Click();
    void mHA_Click();
    void mHWeb_Click();
    void SSCommand1_Click(int index);

    ui::Label* Label1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::Panel* Panel3D7 = nullptr;
    std::array<ui::CommandButton*, 9> SSCommand1{};
    ui::CommandButton* Command1 = nullptr;

    ui::Menu* mO = nullptr;
    ui::Menu* mOBC = nullptr;
    ui::Menu* mOP = nullptr;
    ui::Menu* mOPF = nullptr;
    ui::Menu* mOPS = nullptr;
    ui::Menu* mON = nullptr;
    ui::Menu* mOe = nullptr;
    ui::Menu* mR = nullptr;
    ui::Menu* mRF = nullptr;
    ui::Menu* mRFG = nullptr;
    ui::Menu* mRC = nullptr;
    ui::Menu* mRMenu = nullptr;
    ui::Menu* mRS = nullptr;
    ui::Menu* mREmerg = nullptr;
    ui::Menu* mH = nullptr;
    ui::Menu* mHCont = nullptr;
    ui::Menu* mHI = nullptr;
    ui::Menu* mHA = nullptr;
    ui::Menu* mHWeb = nullptr;

    // 1 while the default colour is being saved, so that the record gets "Def".
    int BackgroundIsDefault = 0;

private:
    void designControls();
    void designMenus();
    void wireEvents();
    void centrePanel();
    void updateCaption();
    void openActivity(Activity activity);

    Application& app_;
    // Set while the screen check runs its switch to full screen display, so
    // that the loading the switch runs does not warn a second time.
    bool screenCheckRunning_ = false;
};

}  // namespace shell
