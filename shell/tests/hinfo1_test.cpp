#include "shell/hinfo1.h"

#include "shell/settings_files.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

using namespace std::chrono_literals;
using platform::answer::No;
using platform::answer::Yes;

struct FamilyNameCase {
    const char* description;
    std::optional<std::string> stored;
    std::optional<std::string> typed;  // nullopt: Cancel
    std::optional<int> deleteReply;    // the delete question, when it is asked
    std::string expected;
};

void PrintTo(const FamilyNameCase& c, std::ostream* os) { *os << c.description; }

class FamilyNameTest : public ProgramTest, public ::testing::WithParamInterface<FamilyNameCase> {};

TEST_P(FamilyNameTest, StoresAndShowsTheAnswer) {
    const auto& c = GetParam();
    if (c.stored) writeFile("HINVNAME.FIL", textRecord(*c.stored, 40));
    Startfrm& w = startProgram();
    desktop.dialogs.expectInput("Family Name", c.typed);
    if (c.deleteReply) desktop.dialogs.expectMessage("Family Name", *c.deleteReply);
    app().vars.MessageAnswer = 2;
    chooseMenu(w, "mON");

    EXPECT_EQ(desktop.dialogs.inputs().back().defaultText, c.stored.value_or(""));
    EXPECT_EQ(record("HINVNAME.FIL", 40, 1), textRecord(c.expected, 40));
    EXPECT_EQ(app().vars.FamilyName, c.expected);
    EXPECT_EQ(w.Caption(), c.expected.empty() ? "Pantrivo" : c.expected + " Pantrivo");
    if (c.deleteReply) {
        EXPECT_EQ(desktop.dialogs.messages().back().text, "Delete Family Name - " + *c.stored + "?");
        EXPECT_EQ(desktop.dialogs.messages().back().buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(desktop.dialogs.messages().back().defaultButton, 2);
        EXPECT_EQ(app().vars.MessageAnswer, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FamilyNameTest,
    ::testing::Values(FamilyNameCase{"KeepOnCancelThenNo", "Smith", std::nullopt, No, "Smith"},
                      FamilyNameCase{"DeleteOnCancelThenYes", "Smith", std::nullopt, Yes, ""},
                      FamilyNameCase{"NoQuestionWithoutAName", std::nullopt, std::nullopt, std::nullopt, ""},
                      FamilyNameCase{"ClearedBoxAsksLikeCancel", "Smith", "", No, "Smith"},
                      FamilyNameCase{"NewName", "Smith", "Jones", std::nullopt, "Jones"},
                      FamilyNameCase{"CutToFifteen", std::nullopt, "Abcdefghijklmnopqrst", std::nullopt,
                                     "Abcdefghijklmno"},
                      FamilyNameCase{"BlanksCount", std::nullopt, "   ", std::nullopt, "   "},
                      FamilyNameCase{"WindowsLatinLetters", std::nullopt, "M\xFCller", std::nullopt, "M\xFCller"}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(FamilyNameTest, ThePromptHasItsFiveLines) {
    startProgram();
    desktop.dialogs.expectInput("Family Name", "Smith");
    AskFamilyName(app());
    EXPECT_EQ(desktop.dialogs.inputs().back().prompt,
              "Please Enter Family Name for use in the Various Program areas.\rTo Accept name,\rclick OK.\r"
              "To Delete name,\rclick Cancel or press <Esc> key.");
}

TEST_F(FamilyNameTest, AnUnreadableRecordProposesNoName) {
    writeFile("HINVNAME.FIL", std::string("\x27\x00", 2) + std::string(38, 'x'));  // 39 characters cannot fit
    Startfrm& w = startProgram();
    EXPECT_EQ(w.Caption(), "Pantrivo");
    desktop.dialogs.expectInput("Family Name", "Smith");
    chooseMenu(w, "mON");
    EXPECT_EQ(desktop.dialogs.inputs().back().defaultText, "");
    EXPECT_EQ(record("HINVNAME.FIL", 40, 1), textRecord("Smith", 40));
}

class PauseTest : public ProgramTest {
protected:
    // A time of day at the given second (and milliseconds) of some minute.
    static platform::LocalTime At(int second, int millis = 0) {
        return platform::LocalTime(std::chrono::hours(24 * 20000) + std::chrono::minutes(7) +
                                   std::chrono::seconds(second) + std::chrono::milliseconds(millis));
    }
};

TEST_F(PauseTest, WaitsForTheNextSecondOrTwo) {
    desktop.clock.setNow(At(59, 300));
    PauseOneSecond(app());
    EXPECT_EQ(desktop.clock.Now(), At(60));
    EXPECT_EQ(platform::SecondsFieldOf(desktop.clock.Now()), 0);

    desktop.clock.setNow(At(58, 900));
    PauseTwoSeconds(app());
    EXPECT_EQ(platform::SecondsFieldOf(desktop.clock.Now()), 0);
    EXPECT_EQ(desktop.clock.Now(), At(60));
}

TEST_F(PauseTest, ASkippedSecondDoesNotProlongTheWait) {
    desktop.clock.setSleepStep(std::chrono::milliseconds(2500));  // the clock jumps past the target second
    desktop.clock.setNow(At(10, 100));
    PauseOneSecond(app());
    EXPECT_EQ(desktop.clock.Now(), At(12, 600));
}

TEST_F(PauseTest, AClockSetBackDoesNotHoldTheProgram) {
    desktop.clock.setSleepStep(-std::chrono::minutes(30));
    desktop.clock.setNow(At(20, 500));
    PauseTwoSeconds(app());
    EXPECT_LT(desktop.clock.Now(), At(20, 500)) << "returned after its two seconds of sleep";
}

TEST_F(ProgramTest, TheBusyPointerDoesNotCount) {
    BeginWait(app());
    BeginWait(app());
    EXPECT_TRUE(desktop.display.busy());
    EndWait(app());
    EXPECT_FALSE(desktop.display.busy());
    EndWait(app());
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(ProgramTest, ColorConflictMessage) {
    desktop.dialogs.expectMessage("Color Conflict");
    app().vars.MessageAnswer = 7;
    ShowColorConflict(app());
    const auto& shown = desktop.dialogs.messages().back();
    EXPECT_EQ(shown.text, "Selected Color would cause a conflict with Text and Background Colors!");
    EXPECT_EQ(shown.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(app().vars.MessageAnswer, 7);
}

}  // namespace
}  // namespace shell::testing
