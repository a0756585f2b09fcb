// List file names from shopping dates, and dates from names, in English
// whatever the machine's language.
#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

#include "shopping/store/list_file_name.h"

namespace shopping {
namespace {

using basic::CalendarDate;

TEST(ListFileName, DayMonthAbbreviationAndTwoDigitYear) {
    EXPECT_EQ(ListFileName({2004, 12, 8}), "08Dec04.Lst");
    EXPECT_EQ(ListFileName({2000, 1, 31}), "31Jan00.Lst");
    EXPECT_EQ(ListFileName({1999, 5, 1}), "01May99.Lst");
    EXPECT_EQ(ListFileName({2024, 2, 29}), "29Feb24.Lst");
}

TEST(ListFileName, ADateThatDoesNotExistGivesNoName) {
    EXPECT_EQ(ListFileName({2023, 2, 29}), std::nullopt);
    EXPECT_EQ(ListFileName({2004, 13, 1}), std::nullopt);
    EXPECT_EQ(ListFileName({2004, 0, 1}), std::nullopt);
    EXPECT_EQ(ListFileName({2004, 4, 31}), std::nullopt);
}

TEST(ListFileName, TheLanguageOfTheMachineDoesNotChangeTheName) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8", "C"}) {
        if (!std::setlocale(LC_ALL, locale)) continue;
        EXPECT_EQ(ListFileName({2004, 3, 8}), "08Mar04.Lst") << locale;
        EXPECT_EQ(ListFileName({2004, 10, 8}), "08Oct04.Lst") << locale;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ListFileName, TheDateBoxTextIsMonthDayYear) {
    struct Case {
        const char* text;
        std::optional<CalendarDate> date;
    };
    const Case cases[] = {
        {"12/8/04", CalendarDate{2004, 12, 8}},   {"12/08/04", CalendarDate{2004, 12, 8}},
        {"1/1/2004", CalendarDate{2004, 1, 1}},   {" 7/4/76 ", CalendarDate{1976, 7, 4}},
        {"1/1/29", CalendarDate{2029, 1, 1}},     {"1/1/30", CalendarDate{1930, 1, 1}},
        {"", std::nullopt},                       {"   ", std::nullopt},
        {"13/01/04", std::nullopt},               {"12/32/04", std::nullopt},
        {"2/30/04", std::nullopt},                {"12/14", std::nullopt},
        {"12/14/004", std::nullopt},              {"12/14/04/1", std::nullopt},
        {"Dec/14/04", std::nullopt},              {"12-14-04", std::nullopt},
        {"+1/1/04", std::nullopt},                {"12//04", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDateBoxText(c.text), c.date) << '"' << c.text << '"';
}

TEST(ListFileName, TheShoppingDateComesBackFromTheName) {
    EXPECT_EQ(ListFileDate("08Dec04.Lst"), (CalendarDate{2004, 12, 8}));
    EXPECT_EQ(ListFileDate("05jan04.lst"), (CalendarDate{2004, 1, 5}));
    EXPECT_EQ(ListFileDate("31Dec99.Lst"), (CalendarDate{1999, 12, 31}));
    for (const char* name : {"", ".Lst", "32Dec04.Lst", "08Dex04.Lst", "8Dec04.Lst", "08Dec2004.Lst", "xxDec04.Lst"})
        EXPECT_EQ(ListFileDate(name), std::nullopt) << name;
    for (int month = 1; month <= 12; ++month) {
        const CalendarDate date{2010, month, 15};
        EXPECT_EQ(ListFileDate(*ListFileName(date)), date);
    }
}

TEST(ListFileName, AChosenNameOpensOnlyWhenItStartsWithANumberAboveZeroAndEndsInLst) {
    EXPECT_TRUE(IsListFileName("08Dec04.Lst"));
    EXPECT_TRUE(IsListFileName("5notes.LST"));
    EXPECT_FALSE(IsListFileName("Dec0804.Lst"));
    EXPECT_FALSE(IsListFileName("00Dec04.Lst"));
    EXPECT_FALSE(IsListFileName("08Dec04.Fil"));
    EXPECT_FALSE(IsListFileName(".Lst"));
}

}  // namespace
}  // namespace shopping
