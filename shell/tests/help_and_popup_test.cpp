#include "platform/ui/keys.h"
#include "shell/about1.h"
#include "shell/help_menu.h"
#include "shell/tests/program_fixture.h"

namespace shell {
namespace {

using platform::HelpCommand;

class HelpAndPopupTest : public testing::ProgramTest {
protected:
    const std::vector<platform::HelpRequest>& helpShown() const { return desktop.help.requests(); }
};

TEST_F(HelpAndPopupTest, TheStartWindowOpensTheContentsOrTheOverview) {
    Startfrm& w = startProgram();
    chooseMenu(w, "mHCont");
    runtime().userClick(*w.SSCommand1[Startfrm::HelpButton]);
    chooseMenu(w, "mHI");
    EXPECT_TRUE(runtime().userKeyDown(w, ui::keys::F1, 0));
    ASSERT_EQ(helpShown().size(), 4u);
    EXPECT_EQ(helpShown()[0].command, HelpCommand::Contents);
    EXPECT_EQ(helpShown()[1].command, HelpCommand::Contents) << "the help button opens the contents, not a topic";
    EXPECT_EQ(helpShown()[2].command, HelpCommand::Topic);
    EXPECT_EQ(helpShown()[2].topic, 1000);
    EXPECT_EQ(helpShown()[3].topic, 1000);
    for (const auto& request : helpShown()) EXPECT_EQ(request.file, "Pantrivo.hlp");
}

TEST_F(HelpAndPopupTest, TheRightButtonPopsUpTheStartWindowsOptions) {
    Startfrm& w = startProgram();
    desktop.windows.expectPopupChoice("mOPS");
    runtime().userMouseUp(w, w.SSCommand1[Startfrm::MenuPlannerButton], 2, 0, 10, 10);
    EXPECT_EQ(app().vars.DisplayMode, 9) << "the item chosen in the popup ran";
    // Only the right button pops it up; the background does as well.
    runtime().userMouseUp(w, w.Panel3D7, 1, 0, 10, 10);
    desktop.windows.expectPopupChoice("mOPF");
    runtime().userMouseUp(w, nullptr, 2, 0, 10, 10);
    EXPECT_EQ(app().vars.DisplayMode, 0);
}

TEST_F(HelpAndPopupTest, TheAboutBoxOffersOnlyOkWhichClosesIt) {
    Startfrm& w = startProgram();
    About1* about = nullptr;
    desktop.windows.onModal("About1", [&](ui::Form& form) {
        about = static_cast<About1*>(&form);
        EXPECT_TRUE(runtime().userKeyDown(form, ui::keys::F1, 0));
        desktop.windows.expectPopupChoice("mOOK");
        runtime().userMouseUp(form, about->Label1, 2, 0, 5, 5);
    });
    chooseMenu(w, "mHA");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(app().loadedWindow<About1>(), nullptr);
    ASSERT_EQ(helpShown().size(), 1u);
    EXPECT_EQ(helpShown()[0].topic, 1000);
}

}  // namespace
}  // namespace shell
