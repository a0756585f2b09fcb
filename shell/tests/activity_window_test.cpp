#include "shell/activity_window.h"

#include <string>
#include <vector>

#include "platform/ui/keys.h"
#include "shell/help_menu.h"
#include "shell/tests/activity_test_window.h"
#include "shell/tests/program_fixture.h"
#include "shell/toolbar_picture.h"

namespace shell {
namespace {

// A window's own panel colour record and help topics.
constexpr settings::RecordRef PanelColorRecord{settings::GColor1, 27};
constexpr int FoodStorageTopic = 3024;
constexpr int ShoppingListTopic = 3035;

// The least an activity window states: its controls, its parts and the
// steps it adds, which it notes down in order.
class KitchenWindow : public ActivityWindow, public testing::ActivityTestControls {
public:
    explicit KitchenWindow(Application& app) : ActivityWindow(app, "Kitchen"), ActivityTestControls(this) {
        setCaption("Kitchen Window");
        Move(0, 0, 6000, 4000);
        panel = &add<ui::Panel>("Panel1");
        exit = &options->add("mOe", "E&xit");
        exit->onClick = [this] { ExitWindow(); };
        setUpActivity(parts({PanelColorRecord, ui::Rgb(192, 192, 192), "Save changes made to Panel Color?", {}},
                            {panel}, {{"Search", pictures::Search}, {"Exit", pictures::Exit}}));
    }

    ui::Panel* panel;
    ui::Menu* exit;
    std::vector<std::string> steps;
    bool staysOnQuestion = false;
    int topic = FoodStorageTopic;

private:
    void Form_Load() override { steps.push_back("load, placed at " + std::to_string(Top())); }
    void Form_Activate() override { steps.push_back("activate, status " + status->Panel(1).text); }
    void Form_Unload() override { steps.push_back("unload"); }
    void placeControls() override { steps.push_back("place"); }
    int helpTopic() const override { return topic; }
    bool AskBeforeLeaving() override {
        steps.push_back("question");
        return !staysOnQuestion;
    }
    void beforePopUp() override { steps.push_back("before popup"); }
    void afterPopUp() override { steps.push_back("after popup"); }
};

class ActivityWindowTest : public testing::ProgramTest {
protected:
    KitchenWindow& open() {
        Startfrm& start = startProgram();
        start.Move(300, 600, 9000, 7000);
        KitchenWindow& w = app().window<KitchenWindow>();
        w.Show();
        runtime().userActivated(w);
        return w;
    }
};

TEST_F(ActivityWindowTest, OpensInTheStartWindowsPlaceWithItsBarsAndItsOwnStepsAfterTheShared) {
    KitchenWindow& w = open();
    const Startfrm& start = this->start();
    EXPECT_EQ(w.Top(), start.Top());
    EXPECT_EQ(w.Left(), start.Left());
    EXPECT_EQ(w.Width(), start.Width());
    EXPECT_EQ(w.Height(), start.Height());
    ASSERT_GE(w.steps.size(), 3u);
    EXPECT_EQ(w.steps[0], "load, placed at 600") << "the window's loading runs once it is in place";
    EXPECT_EQ(w.steps[1], "place");
    EXPECT_EQ(w.steps[2], "activate, status Kitchen Window");
    EXPECT_FALSE(desktop.display.busy());
    EXPECT_EQ(w.top->ButtonCount(), 49);
    ASSERT_EQ(w.side->ButtonCount(), 2);
    EXPECT_EQ(w.side->Button(1).toolTip, "Search");
    EXPECT_EQ(w.side->Button(2).toolTip, "Exit");
}

TEST_F(ActivityWindowTest, F1AndHelpOpenTheTopicOfWhatIsShown) {
    KitchenWindow& w = open();
    runtime().userKeyDown(w, ui::keys::F1, 0);
    w.topic = ShoppingListTopic;
    runtime().userMenu(*w.help);
    ASSERT_EQ(desktop.help.requests().size(), 2u);
    EXPECT_EQ(desktop.help.requests()[0].topic, FoodStorageTopic);
    EXPECT_EQ(desktop.help.requests()[1].topic, ShoppingListTopic);
    EXPECT_EQ(w.HelpContextID(), ShoppingListTopic);
}

TEST_F(ActivityWindowTest, TheCloseBoxAsksTheWindowsQuestionAndHandsBackAtItsPlace) {
    KitchenWindow& w = open();
    w.staysOnQuestion = true;
    EXPECT_FALSE(runtime().userClose(w));
    EXPECT_NE(app().loadedWindow<KitchenWindow>(), nullptr) << "the window stays after a Cancel";
    EXPECT_EQ(w.steps.back(), "question");

    w.staysOnQuestion = false;
    chooseMenu(start(), "mOPS");  // smaller screen display: the window can move
    runtime().userMoved(w, 1500, 900);
    EXPECT_TRUE(runtime().userClose(w));
    EXPECT_EQ(app().loadedWindow<KitchenWindow>(), nullptr);
    EXPECT_EQ(start().Left(), 1500);
    EXPECT_EQ(start().Top(), 900);
    EXPECT_TRUE(start().Visible());
}

TEST_F(ActivityWindowTest, TheRightButtonPopsUpTheOptionsWhileTheyAreOffered) {
    KitchenWindow& w = open();
    w.steps.clear();
    runtime().userMouseUp(w, w.panel, 2, 0, 10, 10);
    EXPECT_EQ(w.steps, (std::vector<std::string>{"before popup", "after popup"}));
    runtime().userMouseUp(w, w.panel, 1, 0, 10, 10);
    w.options->setEnabled(false);
    runtime().userMouseUp(w, nullptr, 2, 0, 10, 10);
    EXPECT_EQ(w.steps.size(), 2u) << "only the right button, and only while the menu is enabled";

    // Exit chosen in the popup closes the window: nothing of it runs after.
    w.options->setEnabled(true);
    w.steps.clear();
    desktop.windows.expectPopupChoice("mOe");
    runtime().userMouseUp(w, nullptr, 2, 0, 10, 10);
    EXPECT_EQ(app().loadedWindow<KitchenWindow>(), nullptr);
    EXPECT_EQ(w.steps, (std::vector<std::string>{"before popup", "question", "unload"}));
}

}  // namespace
}  // namespace shell
