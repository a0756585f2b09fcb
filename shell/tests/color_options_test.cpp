#include "shell/color_options.h"

#include "platform/ui/controls.h"
#include "shell/tests/program_fixture.h"

namespace shell {
namespace {

constexpr ui::OleColor LightGrey = ui::Rgb(192, 192, 192);
constexpr ui::OleColor Teal = ui::Rgb(0, 128, 128);
// A window's panel colour record.
constexpr settings::RecordRef PanelColorRecord{settings::GColor2, 25};

// A window with two panels, a label whose text colour the panels may not
// take, and a status bar.
class PaintedWindow : public ui::Form {
public:
    explicit PaintedWindow(platform::Runtime& runtime) : ui::Form(runtime, "Painted") {
        setCaption("Painted Window");
        main = &add<ui::Panel>("Panel3D1");
        side = &add<ui::Panel>("SSPanel2");
        label = &add<ui::Label>("Label25");
        label->setForeColor(ui::colors::Black);
        status = &add<ui::StatusBar>("StatusBar1");
        status->addPanel({});
    }
    ui::Panel* main;
    ui::Panel* side;
    ui::Label* label;
    ui::StatusBar* status;
};

class ColorOptionsTest : public testing::ProgramTest {
protected:
    PaintedWindow window{runtime()};
    ColorOptions colors{app(),
                        window,
                        {PanelColorRecord, LightGrey, "Save changes made to Panel Color?",
                         [this] {
                             return std::vector<ui::OleColor>{window.label->ForeColor(), ui::colors::PureRed};
                         }},
                        {window.main, window.side},
                        window.status};

    void store(const std::string& text) { ASSERT_TRUE(settings::WriteText(app().folder(), PanelColorRecord, text)); }
    std::string stored() { return settings::ReadText(app().folder(), PanelColorRecord).value_or("?"); }
    void expectPanels(ui::OleColor color) {
        EXPECT_EQ(window.main->BackColor(), color);
        EXPECT_EQ(window.side->BackColor(), color);
    }
};

TEST_F(ColorOptionsTest, StoredColoursAndTheirFallback) {
    const struct {
        const char* text;
        ui::OleColor shown;
    } cases[] = {
        {"", LightGrey},
        {"Default", ui::colors::ButtonFace},
        {"Default   ", ui::colors::ButtonFace},
        {"8421376", Teal},
        {"-2147483643", ui::colors::WindowBackground},
        {"8421376  ", Teal},
        {"teal", LightGrey},
        {"1e30", LightGrey},
        {"99999999999", LightGrey},
        {"-5", LightGrey},
        {"16777216", LightGrey},
    };
    for (const auto& c : cases) {
        store(c.text);
        colors.ApplyColors();
        expectPanels(c.shown);
        EXPECT_FALSE(colors.ColorsChanged) << c.text;
    }
}

TEST_F(ColorOptionsTest, NoTakesTheSystemDefaultAndSavesItAsDefault) {
    colors.ApplyColors();
    desktop.dialogs.expectMessage("Panel Color", platform::answer::No);
    colors.ChoosePanelColor();
    expectPanels(ui::colors::ButtonFace);
    EXPECT_TRUE(colors.ColorsChanged);
    EXPECT_EQ(colors.PanelColorIsDefault, 1);
    EXPECT_EQ(window.status->Panel(1).text, "Painted Window");
    const auto& box = desktop.dialogs.messages().back();
    EXPECT_EQ(box.text,
              "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\r"
              "No = Current System Default Color will be selected.");
    EXPECT_EQ(box.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(box.icon, platform::MsgIcon::Information);

    desktop.dialogs.expectMessage("Color Changes", platform::answer::Yes);
    colors.AskSaveColors();
    EXPECT_EQ(stored(), "Default");
    EXPECT_EQ(app().vars.MessageAnswer, platform::answer::Yes);
}

TEST_F(ColorOptionsTest, YesOpensTheColourDialogAndRefusesConflictingColours) {
    colors.ApplyColors();
    desktop.dialogs.expectMessage("Panel Color", platform::answer::Yes);
    desktop.dialogs.expectColor(std::nullopt);  // cancelled: nothing changes
    colors.ChoosePanelColor();
    EXPECT_FALSE(colors.ColorsChanged);
    EXPECT_EQ(desktop.dialogs.colorDialogs().back(), LightGrey) << "the dialog starts on the main panel's colour";

    for (ui::OleColor refused : {ui::colors::Black, ui::colors::PureRed}) {
        desktop.dialogs.expectMessage("Panel Color", platform::answer::Yes);
        desktop.dialogs.expectColor(refused);
        desktop.dialogs.expectMessage("Color Conflict");
        colors.ChoosePanelColor();
        expectPanels(LightGrey);
    }
    EXPECT_FALSE(colors.ColorsChanged);

    desktop.dialogs.expectMessage("Panel Color", platform::answer::Yes);
    desktop.dialogs.expectColor(Teal);
    colors.ChoosePanelColor();
    expectPanels(Teal);
    EXPECT_TRUE(colors.ColorsChanged);
    EXPECT_EQ(colors.PanelColorIsDefault, 0);

    desktop.dialogs.expectMessage("Color Changes", platform::answer::No);
    colors.AskSaveColors();
    EXPECT_EQ(stored(), "") << "No writes nothing";
    colors.SaveColors();
    EXPECT_EQ(stored(), "8421376");
}

// Captions that lie on a panel showing its colour (a label, an option or a
// check box left at the panel's colour) go on showing it; controls with a
// colour of their own keep it.
TEST_F(ColorOptionsTest, CaptionsOnAPanelTakeItsNewColourWithIt) {
    auto& caption = window.add<ui::Label>("Label1", -1, window.main);
    auto& option = window.add<ui::OptionButton>("Option1", -1, window.main);
    auto& check = window.add<ui::CheckBox>("Check1", -1, window.side);
    auto& shownValue = window.add<ui::Label>("Label20", -1, window.main);
    shownValue.setBackColor(ui::colors::WindowBackground);
    auto& box = window.add<ui::TextBox>("Text1", -1, window.main);
    auto& button = window.add<ui::CommandButton>("Command1", -1, window.main);
    auto& inner = window.add<ui::Panel>("Panel3D5", -1, window.main);
    auto& innerCaption = window.add<ui::Label>("Label2", -1, &inner);
    const std::vector<std::pair<ui::Control*, ui::OleColor>> ownColours{{&shownValue, shownValue.BackColor()},
                                                                        {&box, box.BackColor()},
                                                                        {&button, button.BackColor()},
                                                                        {&inner, inner.BackColor()},
                                                                        {&innerCaption, innerCaption.BackColor()}};
    auto expectCaptions = [&](ui::OleColor color, const char* when) {
        EXPECT_EQ(caption.BackColor(), color) << when;
        EXPECT_EQ(option.BackColor(), color) << when;
        EXPECT_EQ(check.BackColor(), color) << when;
        // A panel within keeps its colour, and so what lies on it.
        for (const auto& [control, own] : ownColours)
            EXPECT_EQ(control->BackColor(), own) << when << ": " << control->name();
    };

    store("8421376");
    colors.ApplyColors();
    expectCaptions(Teal, "loaded");
    desktop.dialogs.expectMessage("Panel Color", platform::answer::Yes);
    desktop.dialogs.expectColor(LightGrey);
    colors.ChoosePanelColor();
    expectCaptions(LightGrey, "chosen");
    desktop.dialogs.expectMessage("Panel Color", platform::answer::No);
    colors.ChoosePanelColor();
    expectCaptions(ui::colors::ButtonFace, "the default");

    // One the program gave a colour of its own keeps it.
    option.setBackColor(Teal);
    desktop.dialogs.expectMessage("Panel Color", platform::answer::Yes);
    desktop.dialogs.expectColor(LightGrey);
    colors.ChoosePanelColor();
    EXPECT_EQ(caption.BackColor(), LightGrey);
    EXPECT_EQ(option.BackColor(), Teal);
}

TEST_F(ColorOptionsTest, CancelChangesNothing) {
    colors.ApplyColors();
    desktop.dialogs.expectMessage("Panel Color", platform::answer::Cancel);
    colors.ChoosePanelColor();
    expectPanels(LightGrey);
    EXPECT_FALSE(colors.ColorsChanged);
    EXPECT_EQ(app().vars.MessageAnswer, 0);
}

}  // namespace
}  // namespace shell
