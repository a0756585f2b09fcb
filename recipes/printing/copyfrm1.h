#pragma once
#include <array>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace shell {
class Application;
}

namespace printing {

// The ingredient copy option dialog: before the recipe window copies a
// recipe to the clipboard, the user chooses here whether its ingredients go
// into two columns or one. The choice is handed back in CopyHandOver.
class Copyfrm1 : public ui::Form {
public:
    explicit Copyfrm1(shell::Application& app);

    void Form_Load();
    void Form_Activate();
    void SSOption1_Click(int index);
    void SSCommand1_Click();
    void CentreOverStartWindow();

    enum Option { TwoColumns = 0, OneColumn = 1 };

    // The inside: wider than the 4500 twips the controls were laid out in,
    // so that the desktop's title bar shows the whole caption beside its
    // buttons; the controls keep their places, centred in the extra width.
    static constexpr int InsideWidth = 5400;
    static constexpr int InsideHeight = 1560;
    static constexpr int ContentLeft = (InsideWidth - 4500) / 2;

    ui::Label* Label1 = nullptr;                   // never seen: the colour the panel takes
    ui::Panel* SSPanel1 = nullptr;                 // fills the dialog
    ui::Frame* SSFrame1 = nullptr;                 // "Select Ingredient Copy Option"
    std::array<ui::OptionButton*, 2> SSOption1{};  // "Copy Ingredients in Two Columns", "... in One Column"
    ui::CommandButton* SSCommand1 = nullptr;       // "&OK": closes the dialog

private:
    void design();

    shell::Application& app_;
};

}  // namespace printing
