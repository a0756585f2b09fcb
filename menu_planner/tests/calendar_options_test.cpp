// The calendar display options: chosen in their panel, shown on the calendar
// at once, stored in "SWR2.BMP" when the panel closes.
#include "menu_planner/calendar_options.h"
#include "menu_planner/tests/menu_planner_fixture.h"

namespace menu_planner {
namespace {

class CalendarOptionsTest : public testing::MenuPlannerFixture {
protected:
    // A settings record of "SWR2.BMP" holding a 2-byte integer.
    static std::string integerRecord(int value) {
        std::string bytes{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
        bytes.resize(20, '\0');
        return bytes;
    }
};

TEST_F(CalendarOptionsTest, ANewInstallationShowsOneMonthWithWeekNumbersFromSunday) {
    Zcalandar& w = open();
    EXPECT_EQ(w.MonthView1->MonthColumns(), 1);
    EXPECT_TRUE(w.MonthView1->ShowWeekNumbers());
    EXPECT_EQ(w.MonthView1->StartOfWeek(), 1);
    EXPECT_FALSE(w.MonthView1->ShowToday());
    runtime().userMenu(*w.mOCal);
    ASSERT_TRUE(w.SSPanel6->Visible());
    EXPECT_TRUE(w.SSOption2[0]->Value());
    EXPECT_TRUE(w.SSOption3[0]->Value());
    EXPECT_TRUE(w.SSOption4[0]->Value());
    EXPECT_TRUE(w.SSOption5[0]->Value());
    EXPECT_FALSE(w.mO->Enabled());
    EXPECT_FALSE(w.Toolbar2->Button(1).enabled);

    // Closed without a choice: Sunday is written as 1.
    runtime().userClick(*w.Command14);
    EXPECT_EQ(record("SWR2.BMP", 20, 12).substr(0, 2), std::string("\x01\x00", 2));
    EXPECT_FALSE(w.SSPanel6->Visible());
    EXPECT_TRUE(w.mO->Enabled());
}

TEST_F(CalendarOptionsTest, ThreeMonthsAndSaturdayShowAtOnceAndAreStoredOnClose) {
    Zcalandar& w = open();
    runtime().userMenu(*w.mOCal);
    const int oneMonth = w.MonthView1->Width();
    runtime().userClick(*w.SSOption2[2]);
    runtime().userClick(*w.SSOption4[6]);
    EXPECT_EQ(w.MonthView1->MonthColumns(), 3);
    EXPECT_EQ(w.MonthView1->Width(), 3 * oneMonth);
    EXPECT_EQ(w.MonthView1->StartOfWeek(), 7);
    EXPECT_NEAR(w.MonthView1->Left() + w.MonthView1->Width() / 2, w.SSPanel1->Width() / 2, 1) << "centred";
    EXPECT_NE(record("SWR2.BMP", 20, 10).substr(0, 1), "\x02") << "nothing is written before Close";

    runtime().userClick(*w.Command14);
    const std::string bytes = bytesOf("SWR2.BMP");
    ASSERT_GE(bytes.size(), 222u);
    EXPECT_EQ(bytes.substr(180, 2), std::string("\x02\x00", 2));
    EXPECT_EQ(bytes.substr(220, 2), std::string("\x07\x00", 2));

    runtime().userClick(*w.Command2);
    restart();
    RegisterMenuPlanner(app());
    Zcalandar& again = open();
    EXPECT_EQ(again.MonthView1->MonthColumns(), 3);
    EXPECT_EQ(again.MonthView1->StartOfWeek(), 7);
}

TEST_F(CalendarOptionsTest, SideButtonSevenOpensAndClosesThePanel) {
    Zcalandar& w = open();
    w.Toolbar2->userPressed(7);
    EXPECT_TRUE(w.state().OptionsOpen);
    runtime().userClick(*w.SSOption5[1]);
    EXPECT_TRUE(w.MonthView1->ShowToday());
    w.Toolbar2->userPressed(7);
    EXPECT_FALSE(w.state().OptionsOpen);
    EXPECT_EQ(record("SWR2.BMP", 20, 13).substr(0, 2), std::string("\x01\x00", 2));
}

TEST_F(CalendarOptionsTest, EscClosesThePanelAndStoresTheOptions) {
    Zcalandar& w = open();
    runtime().userMenu(*w.mOCal);
    runtime().userClick(*w.SSOption3[1]);
    EXPECT_FALSE(w.MonthView1->ShowWeekNumbers());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.SSPanel6->Visible());
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(record("SWR2.BMP", 20, 11).substr(0, 2), std::string("\x01\x00", 2));
}

TEST_F(CalendarOptionsTest, RecordsOutOfRangeReadAsTheDefaults) {
    const struct {
        int months, weeks, first, today;
        CalendarOptions read;
    } cases[] = {
        {2, 1, 3, 1, {2, 1, 3, 1}},     {0, 0, 0, 0, {0, 0, 1, 0}},          {3, 2, 8, 2, {0, 0, 1, 0}},
        {-1, -7, -2, 99, {0, 0, 1, 0}}, {32767, 1, 7, -32768, {0, 1, 7, 0}},
    };
    for (const auto& c : cases) {
        writeFile("SWR2.BMP", std::string(9 * 20, '\0') + integerRecord(c.months) + integerRecord(c.weeks) +
                                  integerRecord(c.first) + integerRecord(c.today));
        EXPECT_EQ(ReadCalendarOptions(basic::ProgramFolder(folder.path())), c.read) << c.months << " " << c.first;
    }
    // The window shows them, and its panel has one of each chosen.
    Zcalandar& w = open();
    EXPECT_EQ(w.MonthView1->MonthColumns(), 1);
    EXPECT_EQ(w.MonthView1->StartOfWeek(), 7);
    runtime().userMenu(*w.mOCal);
    EXPECT_TRUE(w.SSOption2[0]->Value());
    EXPECT_TRUE(w.SSOption4[6]->Value());
}

TEST_F(CalendarOptionsTest, AShortOrDamagedFileGivesTheDefaults) {
    for (const std::string& bytes : {std::string(), std::string(185, '\xFF'), std::string(5, 'x')}) {
        writeFile("SWR2.BMP", bytes);
        const CalendarOptions read = ReadCalendarOptions(basic::ProgramFolder(folder.path()));
        EXPECT_GE(read.MonthsShown, 0);
        EXPECT_LE(read.MonthsShown, 2);
        EXPECT_GE(read.FirstWeekday, 1);
        EXPECT_LE(read.FirstWeekday, 7);
    }
}

}  // namespace
}  // namespace menu_planner
