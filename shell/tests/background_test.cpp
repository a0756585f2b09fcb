#include "shell/form_background.h"

#include "shell/about1.h"
#include "shell/settings_files.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

const std::string HINV3 = "HINV3.Fil";

// The ways the windows apply the background.
constexpr FormBackgroundRow SizedAtLoadAndActivation{true, true, false};
constexpr FormBackgroundRow SizedAtActivationOnly{false, true, false};
constexpr FormBackgroundRow TrimmedNeverSized{false, false, true};

// An activity window as far as the background goes: a designed colour and a picture control.
class SampleWindow : public ui::Form {
public:
    SampleWindow(Application& app, FormBackgroundRow row)
        : ui::Form(app.runtime(), "Sample"), picture(add<ui::Image>("Image1")), background(app, *this, picture, row) {
        setBackColor(DesignedColor);
        onLoad = [this] { background.onLoad(); };
        onActivate = [this] { background.onActivate(); };
    }
    static constexpr ui::OleColor DesignedColor = ui::Rgb(1, 2, 3);
    ui::Image& picture;
    FormBackground background;
};

class BackgroundTest : public ProgramTest {
protected:
    void storeBackground(const std::string& variantRecord) {
        std::string bytes = std::string(20, '\0') + variantRecord;
        bytes.resize(30, '\0');
        writeFile(HINV3, bytes);
    }
    std::string backgroundRecord() { return record(HINV3, 10, 3); }
};

TEST_F(BackgroundTest, NoSettingGivesPureBlueEverywhere) {
    Startfrm& w = startProgram();
    EXPECT_EQ(w.BackColor(), ui::colors::PureBlue);
    SampleWindow sample(app(), SizedAtLoadAndActivation);
    sample.Show();
    EXPECT_EQ(sample.BackColor(), ui::colors::PureBlue);
    EXPECT_FALSE(sample.picture.Visible());
}

TEST_F(BackgroundTest, AnsweringNoStoresDefAndUsesTheDefaultColour) {
    Startfrm& w = startProgram();
    desktop.dialogs.expectMessage("Background Color", No);
    chooseMenu(w, "mOBC");
    const auto& question = desktop.dialogs.messages().back();
    EXPECT_EQ(question.text,
              "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\r"
              "No = Current System Default Color will be selected.");
    EXPECT_EQ(question.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(question.icon, platform::MsgIcon::Information);
    // clang-format off
    EXPECT_EQ(backgroundRecord(), std::string("\x08\x00\x03\x00" "Def\x00\x00\x00", 10));
    // clang-format on
    EXPECT_EQ(w.BackColor(), ui::colors::ButtonFace);
    EXPECT_EQ(ColorValueOf(app().vars.MainBackground), ui::colors::ButtonFace);

    restart();
    EXPECT_EQ(startProgram().BackColor(), ui::colors::ButtonFace);
}

TEST_F(BackgroundTest, AChosenColourIsStoredAsANumber) {
    Startfrm& w = startProgram();
    desktop.dialogs.expectMessage("Background Color", Yes);
    desktop.dialogs.expectColor(ui::colors::PureRed);
    chooseMenu(w, "mOBC");
    EXPECT_EQ(desktop.dialogs.colorDialogs().back(), ui::colors::PureBlue) << "starts from the current colour";
    EXPECT_EQ(backgroundRecord(), std::string("\x03\x00\xFF\x00\x00\x00\x00\x00\x00\x00", 10));
    EXPECT_EQ(w.BackColor(), ui::colors::PureRed);

    SampleWindow sample(app(), SizedAtLoadAndActivation);
    sample.Show();
    EXPECT_EQ(sample.BackColor(), ui::colors::PureRed);
}

TEST_F(BackgroundTest, CancellingChangesNothing) {
    Startfrm& w = startProgram();
    desktop.dialogs.expectMessage("Background Color", Yes);
    desktop.dialogs.expectColor(std::nullopt);
    chooseMenu(w, "mOBC");
    desktop.dialogs.expectMessage("Background Color", Cancel);
    chooseMenu(w, "mOBC");
    EXPECT_EQ(bytesOf(HINV3), "");
    EXPECT_EQ(w.BackColor(), ui::colors::PureBlue);
    EXPECT_EQ(app().vars.MessageAnswer, 0);
}

struct StoredBackgroundCase {
    const char* description;
    std::string record;
    ui::OleColor startColor;
};

void PrintTo(const StoredBackgroundCase& c, std::ostream* os) { *os << c.description; }

class StoredBackgroundTest : public BackgroundTest, public ::testing::WithParamInterface<StoredBackgroundCase> {};

TEST_P(StoredBackgroundTest, IsReadAtStartUp) {
    storeBackground(GetParam().record);
    EXPECT_EQ(startProgram().BackColor(), GetParam().startColor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Records, StoredBackgroundTest,
    ::testing::Values(StoredBackgroundCase{"Red", std::string("\x03\x00\xFF\x00\x00\x00", 6), ui::colors::PureRed},
                      StoredBackgroundCase{"Def", std::string("\x08\x00\x03\x00" "Def", 7), ui::colors::ButtonFace},
                      StoredBackgroundCase{"DefWithBlanks", std::string("\x08\x00\x05\x00" "Def  ", 9),
                                           ui::colors::ButtonFace},
                      StoredBackgroundCase{"EmptyText", std::string("\x08\x00\x00\x00", 4), ui::colors::PureBlue},
                      StoredBackgroundCase{"Picture", std::string("\x08\x00\x03\x00" "wp3", 7),
                                           ui::colors::PureBlue},
                      StoredBackgroundCase{"UnknownTag", std::string("\x63\x00\x01\x00", 4), ui::colors::PureBlue},
                      StoredBackgroundCase{"NotAColour", std::string("\x03\x00\x00\x00\x00\x01", 6),
                                           ui::colors::PureBlue}),
    [](const auto& info) { return std::string(info.param.description); });
// clang-format on

TEST_F(BackgroundTest, APictureValueCoversActivityWindows) {
    writePicture("WP3.jpg");
    writePicture("WP10.jpg");
    // clang-format off
    storeBackground(std::string("\x08\x00\x03\x00" "wp3", 7));
    // clang-format on
    Startfrm& w = startProgram();
    EXPECT_EQ(w.BackColor(), ui::colors::PureBlue) << "the start window keeps its colour";

    SampleWindow sample(app(), SizedAtLoadAndActivation);
    sample.Show();
    EXPECT_EQ(sample.BackColor(), SampleWindow::DesignedColor);
    EXPECT_EQ(sample.picture.picture().filename(), "WP3.jpg") << "found without regard to case";
    EXPECT_TRUE(sample.picture.Visible());
    EXPECT_TRUE(sample.picture.Stretch());
    EXPECT_EQ(sample.picture.Left(), 0);
    EXPECT_EQ(sample.picture.Width(), app().vars.StartWidth);
    EXPECT_EQ(sample.picture.Height(), app().vars.StartHeight);

    desktop.windows.onModal("About1", [](ui::Form& about) {
        EXPECT_EQ(static_cast<About1&>(about).Image2->picture().filename(), "WP10.jpg");
        about.Unload();
    });
    chooseMenu(w, "mHA");
}

TEST_F(BackgroundTest, AMissingPictureKeepsTheDesignedColour) {
    // clang-format off
    storeBackground(std::string("\x08\x00\x03\x00" "WP7", 7));
    // clang-format on
    startProgram();
    SampleWindow sample(app(), SizedAtActivationOnly);
    sample.Show();
    EXPECT_EQ(sample.BackColor(), SampleWindow::DesignedColor);
    EXPECT_TRUE(sample.picture.picture().empty());
}

TEST_F(BackgroundTest, TheBackupDialogTrimsTheValue) {
    writePicture("WP2.jpg");
    // clang-format off
    storeBackground(std::string("\x08\x00\x05\x00" "WP2  ", 9));
    // clang-format on
    startProgram();
    SampleWindow trimmed(app(), TrimmedNeverSized);
    trimmed.Show();
    EXPECT_EQ(trimmed.picture.picture().filename(), "WP2.jpg");
}

}  // namespace
}  // namespace shell::testing
