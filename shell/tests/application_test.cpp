#include "shell/application.h"

#include <array>
#include <string>
#include <vector>

#include "shell/about1.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

// An activity window as a subsystem would have one.
class PantryWindow : public ui::Form {
public:
    explicit PantryWindow(Application& app) : ui::Form(app.runtime(), "Pantry") {}
};

struct PantryState {
    int shelves = 0;
};

class ApplicationTest : public ProgramTest {
protected:
    // Registers the pantry window as the food storage activity, as its subsystem would.
    void registerPantry() {
        app().registerActivity(Activity::FoodStorage, {[this] { app().window<PantryWindow>().Show(); },
                                                       [this] { return app().loadedWindow<PantryWindow>() != nullptr; },
                                                       [this] {
                                                           ++exitPathsRun;
                                                           return keepOpen ? false
                                                                           : app().window<PantryWindow>().Unload();
                                                       }});
    }
    int exitPathsRun = 0;
    bool keepOpen = false;
};

TEST_F(ApplicationTest, ARecordOrTopicHasOneOwnerAndASecondClaimIsRefused) {
    EXPECT_TRUE(app().settingsRecords.refused().empty()) << "the shell's own and the reserved records differ";
    EXPECT_EQ(*app().settingsRecords.holder(settings::KeyOf(settings::DisplayModeRecord)), "display mode");
    EXPECT_EQ(*app().helpTopics.holder(topics::ProgramOverview), "Program Overview");

    constexpr settings::RecordRef shelves{settings::GColor3, 35};  // the display mode's record
    constexpr HelpTopicEntry pantryTopics[] = {{3100, "Pantry"}, {topics::PrintPreview, "Pantry Printing"}};
    app().claimSettingsRecords(std::array{settings::RecordMapEntry{shelves, "pantry shelves"}});
    app().claimHelpTopics(pantryTopics);
    app().claimHelpTopics(pantryTopics);  // registered twice: its own claims stand

    EXPECT_EQ(*app().settingsRecords.holder(settings::KeyOf(shelves)), "display mode");
    EXPECT_EQ(app().settingsRecords.refused(), std::vector<std::string>{"pantry shelves"});
    EXPECT_EQ(*app().helpTopics.holder(3100), "Pantry");
    EXPECT_EQ(*app().helpTopics.holder(topics::PrintPreview), "Print Preview");
    EXPECT_EQ(app().helpTopics.refused(), (std::vector<std::string>{"Pantry Printing", "Pantry Printing"}));
}

TEST_F(ApplicationTest, ExitAsksEveryOpenWindowFirstAndACancelKeepsTheProgram) {
    registerPantry();
    Startfrm& w = startProgram();
    chooseMenu(w, "mREmerg");
    keepOpen = true;
    chooseMenu(w, "mOe");
    EXPECT_EQ(exitPathsRun, 1);
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(app().isActivityOpen(Activity::FoodStorage));

    keepOpen = false;
    chooseMenu(w, "mOe");
    EXPECT_EQ(exitPathsRun, 2);
    EXPECT_TRUE(runtime().ended());
}

TEST_F(ApplicationTest, TheStartWindowOpensWhatASubsystemRegistered) {
    registerPantry();
    Startfrm& w = startProgram();
    runtime().userClick(*w.SSCommand1[Startfrm::EmergencyStorageButton]);
    ASSERT_NE(app().loadedWindow<PantryWindow>(), nullptr);
    EXPECT_EQ(runtime().activeForm(), &app().window<PantryWindow>());
    EXPECT_EQ(app().vars.StorageKind, 1);
    EXPECT_TRUE(app().isActivityOpen(Activity::FoodStorage));

    // While it is open, activating the start window keeps the kind it was opened with.
    runtime().userActivated(w);
    EXPECT_EQ(app().vars.StorageKind, 1);
    runtime().userActivated(app().window<PantryWindow>());
    app().window<PantryWindow>().Unload();
    EXPECT_FALSE(app().isActivityOpen(Activity::FoodStorage));
    runtime().userActivated(w);
    EXPECT_EQ(app().vars.StorageKind, 0);

    EXPECT_FALSE(app().showActivity(Activity::MenuPlanner)) << "no subsystem registered it";
}

TEST_F(ApplicationTest, AWindowIsOnePerClassAndMadeAfreshAfterItWasUnloaded) {
    startProgram();
    desktop.windows.onModal("About1", [](ui::Form& about) { about.Unload(); });
    About1* first = &app().window<About1>();
    EXPECT_EQ(&app().window<About1>(), first);
    EXPECT_EQ(app().loadedWindow<About1>(), nullptr) << "made, not loaded";
    chooseMenu(start(), "mHA");
    EXPECT_FALSE(first->isLoaded());
    EXPECT_NE(&app().window<About1>(), first) << "a closed About box is built again";
}

TEST_F(ApplicationTest, ASubsystemsOwnVariablesStartAfreshWithEachProgram) {
    app().state<PantryState>().shelves = 3;
    EXPECT_EQ(app().state<PantryState>().shelves, 3);
    restart();
    EXPECT_EQ(app().state<PantryState>().shelves, 0);
}

}  // namespace
}  // namespace shell::testing
