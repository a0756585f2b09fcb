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
        for (int i = 1; i <= 49; ++i) bar->addButton({"b" + std::to_string(i), "Button " + std::to_string(i), {}});
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
        toolbar.disable({TopToolbar::FoodGuide});
    }
    ToolbarWindow window{runtime()};
    int exits = 0;
    int helps = 0;
    TopToolbar toolbar{app(), window, *window.bar, *window.status, [this] { ++exits; }, [this] { ++helps; }};

    void press(int button) { runtime().userPressed(*window.bar, button); }
};

TEST_F(TopToolbarTest, ActivityButtonsRunTheExitPathAndTheOthersTheirOwnCommand) {
    for (int button : {1, 2, 28, 32, 44}) press(button);
    EXPECT_EQ(exits, 5);
    EXPECT_EQ(window.status->Panel(1).text, "Loading");
    press(TopToolbar::FoodGuide);  // the window's own activity is disabled
    press(45);
    press(46);
    EXPECT_EQ(exits, 5);
    press(TopToolbar::Exit);
    EXPECT_EQ(exits, 6);
    press(TopToolbar::Help);
    EXPECT_EQ(helps, 1);

    press(TopToolbar::WebSite);
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

    desktop.registry.set("Pantrivo42", "User1", "Toolbar1", "b1,b28,b49");
    toolbar.Restore();
    EXPECT_TRUE(window.bar->Button(28).visible);
    EXPECT_FALSE(window.bar->Button(5).visible);
}

}  // namespace
}  // namespace shell
