#include "platform/basic/text.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(TextTest, TrimRemovesBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a b  "), "a b  ");
    EXPECT_EQ(RTrim("  a b  "), "  a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(TextTest, LeftRightMidCountBytes) {
    // clang-format off
    const std::string s = "Cr\xE8" "me br\xFBl\xE9" "e";  // one byte per accented letter
    EXPECT_EQ(Len(s), 12);
    EXPECT_EQ(Left(s, 3), "Cr\xE8");
    EXPECT_EQ(Right(s, 2), "\xE9" "e");
    // clang-format on
    EXPECT_EQ(Mid(s, 8, 3), "r\xFBl");

    struct Case {
        std::string_view text;
        long start;
        long length;
        std::string_view expected;
    };
    const Case cases[] = {
        {"abcdef", 1, 3, "abc"}, {"abcdef", 4, 99, "def"}, {"abcdef", 6, 1, "f"},  {"abcdef", 7, 1, ""},
        {"abcdef", 99, 2, ""},   {"abcdef", 2, 0, ""},     {"abcdef", 0, 2, "ab"}, {"", 1, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.start));
        EXPECT_EQ(Mid(c.text, c.start, c.length), c.expected);
    }
    EXPECT_EQ(Mid("abcdef", 3), "cdef");
    EXPECT_EQ(Mid("abcdef", 7), "");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 10), "abc");
    EXPECT_EQ(Right("abc", 0), "");
}

TEST(TextTest, CaseMappingCoversWindows1252Letters) {
    struct Case {
        std::string_view lower;
        std::string_view upper;
    };
    const Case pairs[] = {
        {"a", "A"},       {"z", "Z"},       {"\xE9", "\xC9"}, {"\xE0", "\xC0"}, {"\xFE", "\xDE"},
        {"\x9A", "\x8A"}, {"\x9C", "\x8C"}, {"\x9E", "\x8E"}, {"\xFF", "\x9F"},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(p.lower[0])));
        EXPECT_EQ(UCase(p.lower), p.upper);
        EXPECT_EQ(LCase(p.upper), p.lower);
    }
    // Not letters, or letters without a partner: unchanged both ways.
    for (const char* same : {"\xF7", "\xD7", "\xDF", "1", "@", "[", "\x80"}) {
        EXPECT_EQ(UCase(same), same);
        EXPECT_EQ(LCase(same), same);
    }
    // clang-format off
    EXPECT_EQ(UCase("cr\xE8me br\xFBl\xE9" "e"), "CR\xC8ME BR\xDBL\xC9" "E");
    // clang-format on
}

TEST(TextTest, InStrFindsOneBasedPositions) {
    struct Case {
        long start;
        std::string_view hay;
        std::string_view needle;
        long expected;
    };
    const Case cases[] = {
        {1, "abcabc", "bc", 2}, {3, "abcabc", "bc", 5},   {6, "abcabc", "bc", 0}, {1, "abc", "x", 0},
        {1, "abc", "", 1},      {3, "abc", "", 3},        {4, "abc", "", 4},      {5, "abc", "", 0},
        {1, "", "a", 0},        {1, "ab\xE9", "\xE9", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hay) + " / " + std::string(c.needle) + " from " + std::to_string(c.start));
        EXPECT_EQ(InStr(c.start, c.hay, c.needle), c.expected);
    }
    EXPECT_EQ(InStr("1 1/2 cups", "/"), 4);
    // Case matters, as in Basic's default comparison.
    EXPECT_EQ(InStr("Flour", "flour"), 0);
}

TEST(TextTest, RemoveControlCharactersKeepsEveryPrintableCharacter) {
    EXPECT_EQ(RemoveControlCharacters(std::string("a\0b\r\nc\x7F\x1F", 9)), "abc");
    EXPECT_EQ(RemoveControlCharacters("Caf\xE9 \x80 \x81"), "Caf\xE9 \x80 \x81") << "Windows-1252's upper half stays";
    EXPECT_EQ(RemoveControlCharacters(""), "");
}

TEST(TextTest, SpaceStringAndEqualsNoCase) {
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(Space(-1), "");
    EXPECT_EQ(String(4, '-'), "----");
    EXPECT_TRUE(EqualsNoCase("GColor4.Fil", "Gcolor4.fil"));
    EXPECT_TRUE(EqualsNoCase("cr\xE8me", "CR\xC8ME"));
    EXPECT_FALSE(EqualsNoCase("abc", "abd"));
    EXPECT_FALSE(EqualsNoCase("abc", "ab"));
}

}  // namespace
}  // namespace basic
