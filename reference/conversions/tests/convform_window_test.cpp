// The conversion window on the scripted desktop: opened from the start
// window, converting one amount or a range, by the rounding chosen.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/keys.h"
#include "printing/print_font.h"
#include "reference/conversions/conversions_help.h"
#include "reference/conversions/convform.h"
#include "shell/startfrm.h"
#include "shell/tests/help_file_check.h"
#include "shell/tests/program_fixture.h"

namespace conversions {
namespace {

class ConvformTest : public shell::testing::ProgramTest {
protected:
    ConvformTest() { RegisterConversions(app()); }

    Convform& open() {
        shell::Startfrm& start = app().loadedWindow<shell::Startfrm>() ? this->start() : startProgram();
        runtime().userClick(*start.SSCommand1[shell::Startfrm::MeasurementGuideButton]);
        Convform* window = app().loadedWindow<Convform>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }
    void type(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        box.userEdited(text);
    }
    void choose(Convform& w, int index) { runtime().userClick(*w.Option3D1[static_cast<std::size_t>(index)]); }
    // The result line as it reads: amount box, from-unit, result, to-unit.
    std::array<std::string, 4> line(const Convform& w) const {
        return {w.Text1->Text(), w.Label2->Caption(), w.Panel3D1->Caption(), w.Label3->Caption()};
    }
    void press(Convform& w, int key) { runtime().userKeyDown(w, key, 0); }
};

using Line = std::array<std::string, 4>;

TEST_F(ConvformTest, RegistersItsTopicWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    EXPECT_TRUE(shell::testing::HelpFileHolds(PANTRIVO_HELP_FILE, help::Topics));
    Convform& w = open();
    runtime().userMenu(*w.mH);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests().back().topic, help::MeasurementGuide);
}

TEST_F(ConvformTest, OpensInSingleEntryWithHundredthsAndTheExitButtonFocused) {
    auto& font = app().state<printing::PrintFontSettings>();
    font.PrintFontUnderline = font.PrintFontStrikethru = true;
    Convform& w = open();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), "Pantrivo - Food Measurement Guide");
    EXPECT_TRUE(w.mOS->Checked());
    EXPECT_FALSE(w.mODo->Checked());
    EXPECT_TRUE(w.mORHun->Checked());
    EXPECT_EQ(w.state().RoundingMode, 4);
    EXPECT_EQ(w.state().SelectedConversion, NoConversion);
    EXPECT_EQ(w.Text1->Text(), "");
    EXPECT_FALSE(w.resultsShown());
    EXPECT_FALSE(w.Text2->Visible());
    EXPECT_EQ(runtime().focusedControl(), w.Command2);
    EXPECT_FALSE(font.PrintFontUnderline || font.PrintFontStrikethru);
    EXPECT_FALSE(w.Toolbar1->Button(static_cast<int>(shell::TopButton::FoodMeasurementGuide)).enabled);
}

TEST_F(ConvformTest, SingleEntryShowsTheResultLineByTheRounding) {
    const struct {
        const char* amount;
        int index;
        ui::Menu* Convform::*rounding;
        Line line;
    } cases[] = {
        {"", 11, &Convform::mORHun, {"1", "Cup = ", "16", "Tablespoons"}},
        {"1,234", 38, &Convform::mORHun, {"1,234", "Grams = ", "43.53", "Ounces"}},
        {"20", 19, &Convform::mORHun, {"20", "Degrees Fahrenheit = ", "-6.67", "Degrees Celcius"}},
        {"20", 19, &Convform::mORTen, {"20", "Degrees Fahrenheit = ", "-6.7", "Degrees Celcius"}},
        {"20", 19, &Convform::mORThou, {"20", "Degrees Fahrenheit = ", "-6.667", "Degrees Celcius"}},
        {"3", 8, &Convform::mORNo, {"3", "Teaspoons = ", "1.0002", "Tablespoons"}},
        {"3", 8, &Convform::mORHun, {"3", "Teaspoons = ", "1", "Tablespoon"}},
        {"5", 14, &Convform::mORNum, {"5", "Cups = ", "3", "Pints"}},
        {"0.5", 11, &Convform::mORNum, {".5", "Cup = ", "8", "Tablespoons"}},
        {"-40", 19, &Convform::mORHun, {"-40", "Degrees Fahrenheit = ", "-40", "Degrees Celcius"}},
        {"-40", 11, &Convform::mORHun, {"1", "Cup = ", "16", "Tablespoons"}},
    };
    Convform& w = open();
    for (const auto& c : cases) {
        runtime().userMenu(*(w.*c.rounding));
        type(*w.Text1, c.amount);
        choose(w, c.index);
        EXPECT_EQ(line(w), c.line) << c.amount << " + " << c.index;
        EXPECT_TRUE(w.Panel3D1->Visible() && w.Label2->Visible() && w.Label3->Visible());
        EXPECT_EQ(w.Label3->Left(), w.Panel3D1->Left() + w.Panel3D1->Width() + 70);
        EXPECT_EQ(w.state().SelectedConversion, c.index);
    }
}

TEST_F(ConvformTest, ARoundingRunsTheChosenConversionAgain) {
    Convform& w = open();
    type(*w.Text1, "20");
    choose(w, 19);
    runtime().userMenu(*w.mORTen);
    EXPECT_EQ(w.Panel3D1->Caption(), "-6.7");
    EXPECT_TRUE(w.mORTen->Checked());
    EXPECT_FALSE(w.mORHun->Checked());
    runtime().userMenu(*w.mORNo);
    EXPECT_EQ(w.Panel3D1->Caption(), "-6.66666666666667");
    // Clicking into the box clears the choice: a rounding then only moves the check mark.
    runtime().userFocused(*w.Text1);
    EXPECT_EQ(w.state().SelectedConversion, NoConversion);
    EXPECT_FALSE(w.Option3D1[19]->Value());
    EXPECT_FALSE(w.Panel3D1->Visible());
    EXPECT_EQ(w.Label2->Caption(), "");
    runtime().userMenu(*w.mORThou);
    EXPECT_TRUE(w.mORThou->Checked());
    EXPECT_EQ(w.Panel3D1->Caption(), "");
}

TEST_F(ConvformTest, OnlyOneConversionStaysChosenAcrossTheGroups) {
    Convform& w = open();
    type(*w.Text1, "2");
    choose(w, 11);
    choose(w, 0);
    EXPECT_FALSE(w.Option3D1[11]->Value());
    EXPECT_TRUE(w.Option3D1[0]->Value());
    EXPECT_EQ(line(w), (Line{"2", "8 oz. Cans = ", "2", "Cups"}));
}

TEST_F(ConvformTest, ActivationResetsToHundredthsAndMovesTheCheckMark) {
    Convform& w = open();
    runtime().userMenu(*w.mORNum);
    type(*w.Text1, "3");
    choose(w, 8);
    runtime().userActivated(start());
    runtime().userActivated(w);
    EXPECT_EQ(w.state().RoundingMode, 4);
    EXPECT_TRUE(w.mORHun->Checked());
    EXPECT_FALSE(w.mORNum->Checked());
    EXPECT_EQ(w.state().SelectedConversion, NoConversion);
    EXPECT_FALSE(w.Option3D1[8]->Value());
    // The same conversion can be chosen again, in hundredths.
    type(*w.Text1, "3");
    choose(w, 8);
    EXPECT_EQ(w.Panel3D1->Caption(), "1");
}

TEST_F(ConvformTest, MultipleEntryShowsARangeInTheResultsTable) {
    Convform& w = open();
    runtime().userMenu(*w.mODo);
    EXPECT_EQ(w.Label1->Caption(), "Beginning Entry:");
    EXPECT_TRUE(w.Text2->Visible() && w.Label4->Visible());
    type(*w.Text1, "10");
    type(*w.Text2, "5");
    choose(w, 11);
    ASSERT_TRUE(w.resultsShown());
    EXPECT_EQ(w.Text1->Text(), "10");
    EXPECT_EQ(w.Text2->Text(), "5");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Cups");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 1), "Tablespoons");
    ASSERT_EQ(w.Grid1->Rows(), 7);
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(w.Grid1->TextMatrix(row, 0), std::to_string(row + 4));
        EXPECT_EQ(w.Grid1->TextMatrix(row, 1), std::to_string((row + 4) * 16));
    }
    EXPECT_FALSE(w.Label2->Visible() || w.Label3->Visible() || w.Panel3D1->Visible());

    // Whole Number with the table closed only moves the check mark; tenths rebuild it.
    runtime().userClick(*w.Command1);
    EXPECT_FALSE(w.resultsShown());
    runtime().userMenu(*w.mORNum);
    EXPECT_FALSE(w.resultsShown());
    runtime().userMenu(*w.mORTen);
    EXPECT_TRUE(w.resultsShown());

    type(*w.Text1, "1");
    type(*w.Text2, "5000");
    choose(w, 11);
    EXPECT_EQ(w.Text2->Text(), "1000");
    EXPECT_EQ(w.Grid1->Rows(), 1001);
    EXPECT_EQ(w.Grid1->TextMatrix(1000, 0), "1,000");

    runtime().userMenu(*w.mOS);
    EXPECT_EQ(w.Label1->Caption(), "Conversion Amount:");
    EXPECT_EQ(w.Text1->Text(), "");
    EXPECT_EQ(w.Text2->Text(), "");
    EXPECT_FALSE(w.Text2->Visible() || w.Label4->Visible());
}

TEST_F(ConvformTest, TheSideToolbarSwitchesEntryAndLeaves) {
    Convform& w = open();
    w.Toolbar2->userPressed(Convform::MultipleEntryButton);
    EXPECT_EQ(w.state().EntryMode, EntryMode::Multiple);
    EXPECT_TRUE(w.mODo->Checked() && !w.mOS->Checked());
    w.Toolbar2->userPressed(Convform::SingleEntryButton);
    EXPECT_EQ(w.state().EntryMode, EntryMode::Single);
    w.Toolbar2->userPressed(Convform::HelpButton);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests().back().topic, help::MeasurementGuide);
    w.Toolbar2->userPressed(Convform::ExitButton);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(start().Visible());
}

TEST_F(ConvformTest, EscHidesTheResultsThenClosesTheWindow) {
    Convform& w = open();
    runtime().userMenu(*w.mODo);
    type(*w.Text1, "1");
    choose(w, 18);
    ASSERT_TRUE(w.resultsShown());
    press(w, ui::keys::Escape);
    EXPECT_FALSE(w.resultsShown());
    EXPECT_TRUE(w.isLoaded());
    press(w, ui::keys::Escape);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(start().Visible());
}

TEST_F(ConvformTest, EnterAfterTheExitButtonLostTheFocusGivesTheHint) {
    Convform& w = open();
    type(*w.Text1, "");
    press(w, ui::keys::Return);
    type(*w.Text1, "0");
    press(w, ui::keys::Return);
    EXPECT_TRUE(desktop.dialogs.messages().empty());
    type(*w.Text1, "5");
    desktop.dialogs.expectMessage("Input Information");
    press(w, ui::keys::Return);
    ASSERT_EQ(desktop.dialogs.messages().size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages()[0].text,
              "After entering data, select action desired\rfrom displayed option buttons.");
}

TEST_F(ConvformTest, TheGridTakesTheSharedGridColours) {
    writeFile("GColor1.Fil", std::string(27 * 20, '\0') + textRecord("wp3", 20) + textRecord("255", 20));
    writePicture("wp3.jpg");
    Convform& w = open();
    EXPECT_EQ(w.Grid1->ForeColor(), 255);
    EXPECT_EQ(w.Grid1->picture().filename(), "wp3.jpg");
}

}  // namespace
}  // namespace conversions
