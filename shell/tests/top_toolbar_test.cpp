#include "shell/top_toolbar.h"

#include "platform/ui/controls.h"
#include "shell/tests/program_fixture.h"

namespace shell {
namespace {

class ToolbarWindow : public ui::Form {
public:
    explicit ToolbarWindow(platform::Runtime& runtime) : ui::Form(runtime, "Kitchen") {
        setCaption("Kitchen Window");
        bar = &add<ui::Toolbar>("Toolbar1");
        status = &add<ui::StatusBar>("StatusBar1");
        status->addPanel({});
    }
    ui::Toolbar* bar;
    ui::StatusBar* status;
};

class TopToolbarTest : public testing::ProgramTest {
protected:
    TopToolbarTest() {
        window.Show();
        toolbar.addButtons();
        toolbar.disable({TopButton::FoodGuide});
    }
    ToolbarWindow window{runtime()};
    int exits = 0;
    int helps = 0;
    TopToolbar toolbar{app(), window, *window.bar, *window.status, [this] { ++exits; }, [this] { ++helps; }};

    void press(int button) { window.bar->userPressed(button); }
};

TEST_F(TopToolbarTest, ActivityButtonsRunTheExitPathAndTheOthersTheirOwnCommand) {
    ASSERT_EQ(window.bar->ButtonCount(), 49);
    EXPECT_EQ(window.bar->Button(28).toolTip, "Recipe File");
    EXPECT_EQ(window.bar->Button(47).toolTip, "Web Site");
    for (int button : {1, 2, 28, 32, 44}) press(button);
    EXPECT_EQ(exits, 5);
    EXPECT_EQ(window.status->Panel(1).text, "Loading");
    press(29);  // the window's own activity (the food guide here) is disabled
    press(45);
    press(46);
    EXPECT_EQ(exits, 5);
    press(49);
    EXPECT_EQ(exits, 6);
    press(48);
    EXPECT_EQ(helps, 1);

    press(47);
    ASSERT_EQ(desktop.shell.calls().size(), 1u);
    EXPECT_EQ(desktop.shell.calls()[0].verb, "Open");
    EXPECT_EQ(desktop.shell.calls()[0].file, "https://www.pantrivo.example/");
    EXPECT_EQ(window.status->Panel(1).text, "Kitchen Window");
}

TEST_F(TopToolbarTest, ASavedLayoutIsPutBackAndAnythingElseIgnored) {
    toolbar.Restore();
    EXPECT_EQ(desktop.registry.reads(), 1);
    EXPECT_TRUE(window.bar->Button(5).visible);

    desktop.registry.set("Pantrivo42", "User1", "Toolbar1", "no such button");
    toolbar.Restore();
    EXPECT_TRUE(window.bar->Button(5).visible);

    const auto key = [this](int button) { return window.bar->Button(button).key; };
    desktop.registry.set("Pantrivo42", "User1", "Toolbar1", key(1) + "," + key(28) + "," + key(49));
    toolbar.Restore();
    EXPECT_TRUE(window.bar->Button(28).visible);
    EXPECT_FALSE(window.bar->Button(5).visible);
}

}  // namespace
}  // namespace shell
