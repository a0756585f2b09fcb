#include "recipes/typed_text.h"

#include <gtest/gtest.h>

namespace recipes {
namespace {

TEST(TypedTextTest, AmountsKeepDigitsAndOneDecimalPoint) {
    const struct {
        const char* typed;
        const char* kept;
        bool fraction;
    } cases[] = {
        {"12", "12", false},    {"1/2", "12", true},     {"1\\2", "12", true}, {"1.2.3", "1.23", false},
        {"1 1/2", "112", true}, {".125", ".125", false}, {"abc", "", false},   {"12345678", "1234567", false},
        {"\"3\"", "3", false},  {"", "", false},
    };
    for (const auto& c : cases) {
        const FilteredAmount amount = FilterAmount(c.typed, 7);
        EXPECT_EQ(amount.text, c.kept) << c.typed;
        EXPECT_EQ(amount.fractionTyped, c.fraction) << c.typed;
    }
}

TEST(TypedTextTest, BoxesDropQuotesAndControlCharactersButTabsAnywhereAndKeepTheirLimit) {
    EXPECT_EQ(CleanTyped("Aunt \"May's\" pie", 40, false, true), "Aunt May's pie");
    EXPECT_EQ(CleanTyped("flour\x01\x7F\x1B", 35, false, true), "flour");
    EXPECT_EQ(CleanTyped("cr\xE8me\tfra\xEE"
                         "che",
                         35, false, true),
              "cr\xE8me\tfra\xEE"
              "che")
        << "a tab is text";
    EXPECT_EQ(CleanTyped("Fold in.\tChill.\r\n", 1000, true, false), "Fold in.\tChill.\r\n");
    EXPECT_EQ(CleanTyped("Mix.\r\nBake \"hot\".", 1000, true, false), "Mix.\r\nBake \"hot\".");
    EXPECT_EQ(CleanTyped("one\rline", 20, false, true), "oneline");
    EXPECT_EQ(CleanTyped(std::string(50, 'x'), 40, false, true), std::string(40, 'x'));
    EXPECT_EQ(CleanTyped("Caf\xE9", 10, false, true), "Caf\xE9") << "Windows-1252 letters stay";
}

}  // namespace
}  // namespace recipes
