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

    // The buttons of SSCommand1, by index.
    enum Button {
        RecipeFileButton = 0,
        FoodGuideButton = 1,
        MeasurementGuideButton = 2,
        MenuPlannerButton = 3,
        ShoppingListButton = 4,
        WebSiteButton = 5,
        HelpButton = 6,
        ExitButton = 7,
        EmergencyStorageButton = 8,
    };

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

    ui::Label* Label1 = nullptr;    // never shown: holds the desktop's button colour, the default background
    ui::Panel* Panel3D7 = nullptr;  // the raised panel in the middle: emblem, title, version, nine buttons
    ui::Image* Image2 = nullptr;    // the emblem at the panel's top left
    ui::Label* Label3 = nullptr;    // "Pantrivo", the title on the panel
    ui::Label* Label2 = nullptr;    // "Version 4.5", below the title
    std::array<ui::CommandButton*, 9> SSCommand1{};  // the panel's nine buttons, indexed by Button
    ui::CommandButton* Command1 = nullptr;           // off screen: holds the focus, so no button shows it at first

    ui::Menu* mO = nullptr;       // Options
    ui::Menu* mOBC = nullptr;     // Options > Background Color
    ui::Menu* mOP = nullptr;      // Options > Program Display
    ui::Menu* mOPF = nullptr;     // Options > Program Display > Full Screen Display
    ui::Menu* mOPS = nullptr;     // Options > Program Display > Smaller Screen Display
    ui::Menu* mON = nullptr;      // Options > Family Name
    ui::Menu* mOe = nullptr;      // Options > Exit
    ui::Menu* mR = nullptr;       // Recipe Files
    ui::Menu* mRF = nullptr;      // Recipe Files > Recipe File
    ui::Menu* mRFG = nullptr;     // Recipe Files > Food Guide
    ui::Menu* mRC = nullptr;      // Recipe Files > Food Measurement Guide
    ui::Menu* mRMenu = nullptr;   // Recipe Files > Menu Planner
    ui::Menu* mRS = nullptr;      // Recipe Files > Shopping List Maker
    ui::Menu* mREmerg = nullptr;  // Recipe Files > Emergency Storage
    ui::Menu* mH = nullptr;       // Help
    ui::Menu* mHCont = nullptr;   // Help > Help Contents
    ui::Menu* mHI = nullptr;      // Help > Program Overview
    ui::Menu* mHA = nullptr;      // Help > About Pantrivo
    ui::Menu* mHWeb = nullptr;    // Help > the maker's web site

    // 1 while the default colour is being saved, so that the record gets "Def".
    int BackgroundIsDefault = 0;

private:
    void design();
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
