#include "shell/startfrm.h"

#include "shell/settings_files.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

using platform::answer::OK;
using ui::WindowState;

constexpr int Twips = ui::TwipsPerPixel;

class StartWindowTest : public ProgramTest {
protected:
    std::string displayRecord() { return record("GColor3.Fil", 20, 35); }
};

TEST_F(StartWindowTest, FirstStartOnAnEmptyFolder) {
    Startfrm& w = startProgram();
    EXPECT_EQ(w.windowState(), WindowState::Maximized);
    EXPECT_EQ(app().vars.DisplayMode, 0);
    EXPECT_EQ(w.Caption(), "Pantrivo");
    EXPECT_EQ(w.BackColor(), ui::colors::PureBlue);
    for (const char* name : {"GColor3.Fil", "HINVNAME.FIL", "HINV3.Fil"}) {
        EXPECT_TRUE(exists(name)) << name;
        EXPECT_EQ(bytesOf(name), "") << name;
    }
    for (const char* name : {"GColor1.Fil", "GColor2.Fil", "GColor4.Fil", "SWR2.BMP"})
        EXPECT_FALSE(exists(name)) << name;
    EXPECT_FALSE(desktop.display.busy());
    EXPECT_TRUE(w.Panel3D7->Visible());
    EXPECT_EQ(w.Panel3D7->BackColor(), ui::colors::ButtonFace);
}

TEST_F(StartWindowTest, ButtonPanelIsCentredAtActivation) {
    Startfrm& w = startProgram();
    EXPECT_EQ(app().vars.StartWidth, 1024 * Twips);
    EXPECT_EQ(app().vars.StartHeight, 768 * Twips);
    EXPECT_EQ(w.Panel3D7->Left(), 1024 * Twips / 2 - w.Panel3D7->Width() / 2);
    EXPECT_EQ(w.Panel3D7->Top(), 768 * Twips / 2 - w.Panel3D7->Height() / 2 - 360);
    EXPECT_EQ(runtime().focusedControl(), w.Command1);
}

TEST_F(StartWindowTest, NineButtonsWithTheirCaptions) {
    Startfrm& w = startProgram();
    const std::array<const char*, 9> captions{
        "&Recipe File", "&Food Guide", "Food &Meas. Guide", "Menu &Planner", "&Shopping List Maker", "&Web Site",
        "&Help",        "E&xit",       "&Emergency Storage"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(w.SSCommand1[i]->Caption(), captions[i]);
        EXPECT_EQ(w.SSCommand1[i]->Width(), 1800);
        EXPECT_EQ(w.SSCommand1[i]->Height(), 885);
    }
    EXPECT_EQ(w.SSCommand1[8]->Left(), 5100);
    EXPECT_EQ(w.SSCommand1[8]->Top(), 2723);
    EXPECT_EQ(w.SSCommand1[6]->Left(), 500);
    EXPECT_EQ(w.SSCommand1[6]->Top(), 3878);
}

struct DisplayRecordCase {
    const char* description;
    std::string stored;
    int displayMode;
};

void PrintTo(const DisplayRecordCase& c, std::ostream* os) { *os << c.description; }

class DisplayRecordTest : public StartWindowTest, public ::testing::WithParamInterface<DisplayRecordCase> {};

TEST_P(DisplayRecordTest, OnlyAValueStartingWithYesGivesSmallerScreenDisplay) {
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord(GetParam().stored, 20));
    Startfrm& w = startProgram();
    EXPECT_EQ(app().vars.DisplayMode, GetParam().displayMode);
    EXPECT_EQ(w.windowState(), GetParam().displayMode == 9 ? WindowState::Normal : WindowState::Maximized);
}

INSTANTIATE_TEST_SUITE_P(Values, DisplayRecordTest,
                         ::testing::Values(DisplayRecordCase{"Yes", "Yes", 9},
                                           DisplayRecordCase{"LongerYes", "Yesterday", 9},
                                           DisplayRecordCase{"LowerCase", "yes", 0},
                                           DisplayRecordCase{"UpperCase", "YES", 0}, DisplayRecordCase{"No", "No", 0},
                                           DisplayRecordCase{"Empty", "", 0},
                                           DisplayRecordCase{"LeadingBlank", " Yes", 0}),
                         [](const auto& info) { return std::string(info.param.description); });

TEST_F(StartWindowTest, ARecordWrittenFurtherOnLeavesTheDisplayModeEmpty) {
    ASSERT_TRUE(settings::WriteText(app().folder(), settings::RecordRef{settings::GColor3, 50}, "1"));
    startProgram();
    EXPECT_EQ(app().vars.DisplayMode, 0);
}

TEST_F(StartWindowTest, SmallerScreenDisplayIsStoredAndCentred) {
    Startfrm& w = startProgram();
    chooseMenu(w, "mOPS");
    EXPECT_EQ(displayRecord(), textRecord("Yes", 20));
    EXPECT_EQ(app().vars.DisplayMode, 9);
    EXPECT_EQ(w.windowState(), WindowState::Normal);
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Height(), 9000);
    EXPECT_EQ(w.Left(), (1024 * Twips - 12000) / 2);
    EXPECT_EQ(w.Top(), (768 * Twips - 9000) / 2);
    EXPECT_EQ(app().vars.StartWidth, 12000);
    EXPECT_EQ(app().vars.StartHeight, 9000);
    EXPECT_TRUE(w.mOPS->Checked());
    EXPECT_FALSE(w.mOPF->Checked());

    // Chosen again it changes nothing: the record is not even written.
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes!", 20));
    chooseMenu(w, "mOPS");
    EXPECT_EQ(displayRecord(), textRecord("Yes!", 20));

    restart();
    Startfrm& again = startProgram();
    EXPECT_EQ(again.windowState(), WindowState::Normal);
    EXPECT_EQ(again.Width(), 12000);
}

TEST_F(StartWindowTest, OpeningTheOptionsMenuChecksTheCurrentMode) {
    Startfrm& w = startProgram();
    EXPECT_FALSE(w.mOPF->Checked());
    runtime().userMenu(*w.mO);
    EXPECT_TRUE(w.mOPF->Checked());
    EXPECT_FALSE(w.mOPS->Checked());
}

TEST_F(StartWindowTest, MaximisingAndRestoringSwitchTheDisplayMode) {
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20));
    Startfrm& w = startProgram();
    ASSERT_EQ(app().vars.DisplayMode, 9);

    runtime().userChangedState(w, WindowState::Maximized);  // the user maximises the window
    EXPECT_EQ(app().vars.DisplayMode, 0);
    EXPECT_EQ(displayRecord(), textRecord("No", 20));
    EXPECT_EQ(w.windowState(), WindowState::Maximized);
    EXPECT_EQ(app().vars.StartWidth, 1024 * Twips);

    runtime().userChangedState(w, WindowState::Normal);  // and restores it
    EXPECT_EQ(app().vars.DisplayMode, 9);
    EXPECT_EQ(displayRecord(), textRecord("Yes", 20));
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(app().vars.StartWidth, 12000);

    runtime().userChangedState(w, WindowState::Minimized);  // switches nothing
    EXPECT_EQ(app().vars.DisplayMode, 9);
    EXPECT_EQ(displayRecord(), textRecord("Yes", 20));
}

TEST_F(StartWindowTest, ATooSmallScreenWarnsOnceAndUsesFullScreenDisplay) {
    desktop.display.setScreenPixels(640, 480);
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20));
    desktop.dialogs.expectMessage("Program Display Option", OK);
    Startfrm& w = startProgram();
    EXPECT_EQ(desktop.dialogs.messageCount("Program Display Option"), 1);
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Information);
    EXPECT_EQ(w.windowState(), WindowState::Maximized);
    EXPECT_EQ(app().vars.DisplayMode, 0);
    EXPECT_EQ(displayRecord(), textRecord("No", 20));

    // and again at every start on that screen
    desktop.dialogs.expectMessage("Program Display Option", OK);
    restart();
    startProgram();
    EXPECT_EQ(desktop.dialogs.messageCount("Program Display Option"), 2);
}

TEST_F(StartWindowTest, SmallerScreenDisplayOnATooSmallScreenFallsBack) {
    desktop.dialogs.expectMessage("Program Display Option", OK);
    desktop.display.setScreenPixels(640, 480);
    Startfrm& w = startProgram();
    desktop.dialogs.expectMessage("Program Display Option", OK);
    chooseMenu(w, "mOPS");
    EXPECT_EQ(desktop.dialogs.messageCount("Program Display Option"), 2);
    EXPECT_EQ(w.windowState(), WindowState::Maximized);
    EXPECT_EQ(app().vars.DisplayMode, 0);
    EXPECT_EQ(displayRecord(), textRecord("No", 20));
}

TEST_F(StartWindowTest, ALargeScreenKeepsTheStartWindowSize) {
    desktop.display.setScreenPixels(3840, 2160);  // wider than 32767 twips
    startProgram();
    EXPECT_EQ(app().vars.StartWidth, 3840 * Twips);
    EXPECT_EQ(app().vars.StartHeight, 2160 * Twips);
}

TEST_F(StartWindowTest, TheCaptionCarriesTheFamilyName) {
    writeFile("HINVNAME.FIL", textRecord("Mortensen-Whitfield", 40));  // 19 characters, stored by other means
    Startfrm& w = startProgram();
    EXPECT_EQ(w.Caption(), "Mortensen-Whitfield Pantrivo");
    EXPECT_EQ(app().vars.FamilyName, "Mortensen-Whitfield");
}

TEST_F(StartWindowTest, ADamagedFamilyNameRecordShowsNoControlCharacters) {
    struct Case {
        const char* description;
        std::string record;
        std::string shown;
    };
    // clang-format off
    const Case cases[] = {
        // The length says 15, the file ends after 5 letters: the rest reads as NUL bytes.
        {"truncated", std::string("\x0F\x00Smith", 7), "Smith"},
        {"control characters inside", std::string("\x09\x00" "Ann\x00\x07\x1F\x7F" "ie", 11), "Annie"},
    };
    // clang-format on
    for (const Case& c : cases) {
        writeFile("HINVNAME.FIL", c.record);
        restart();
        Startfrm& w = startProgram();
        EXPECT_EQ(w.Caption(), c.shown + " Pantrivo") << c.description;
        desktop.dialogs.expectInput("Family Name", std::nullopt);
        desktop.dialogs.expectMessage("Family Name", platform::answer::No);
        chooseMenu(w, "mON");
        EXPECT_EQ(desktop.dialogs.inputs().back().defaultText, c.shown) << "the box proposes the clean name";
    }
}

TEST_F(StartWindowTest, ActivationResetsTheSharedSwitches) {
    startProgram();
    app().vars.OptionSwitch = 3;
    app().vars.StorageKind = 2;
    desktop.windows.onModal("About1", [](ui::Form& about) { about.Unload(); });
    chooseMenu(start(), "mHA");  // the About box closes: the start window is active again
    EXPECT_EQ(app().vars.OptionSwitch, 0);
    EXPECT_EQ(app().vars.StorageKind, 0);
}

TEST_F(StartWindowTest, ButtonsRunTheirMenuItems) {
    Startfrm& w = startProgram();
    runtime().userClick(*w.SSCommand1[8]);
    EXPECT_EQ(app().vars.StorageKind, 1);
    EXPECT_FALSE(desktop.display.busy()) << "no window came up to end the wait";

    runtime().userClick(*w.SSCommand1[0]);
    EXPECT_FALSE(desktop.display.busy());

    runtime().userClick(*w.SSCommand1[5]);
    ASSERT_EQ(desktop.shell.calls().size(), 1u);
    const auto& call = desktop.shell.calls().front();
    EXPECT_EQ(call.verb, "Open");
    EXPECT_EQ(call.file, "https://www.pantrivo.example/");
    EXPECT_EQ(call.parameters, "0");
    EXPECT_EQ(call.directory, "0");
    EXPECT_EQ(call.showCommand, 0);
    EXPECT_EQ(call.ownerWindow, w.hWnd());

    EXPECT_FALSE(desktop.windows.quitRequested());
    runtime().userClick(*w.SSCommand1[7]);
    EXPECT_TRUE(desktop.windows.quitRequested());
    EXPECT_TRUE(runtime().ended());
}

TEST_F(StartWindowTest, ExitEndsAtOnceWithoutWritingAnything) {
    Startfrm& w = startProgram();
    const std::string before = bytesOf("GColor3.Fil") + bytesOf("HINV3.Fil") + bytesOf("HINVNAME.FIL");
    chooseMenu(w, "mOe");
    EXPECT_TRUE(runtime().ended());
    EXPECT_EQ(bytesOf("GColor3.Fil") + bytesOf("HINV3.Fil") + bytesOf("HINVNAME.FIL"), before);
}

TEST_F(StartWindowTest, ClosingTheOnlyWindowEndsTheProgram) {
    Startfrm& w = startProgram();
    EXPECT_TRUE(runtime().userClose(w));
    EXPECT_TRUE(runtime().ended());
}

}  // namespace
}  // namespace shell::testing
