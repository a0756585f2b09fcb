#include "platform/basic/cp1252.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(Cp1252Test, KnownCharacters) {
    struct Case {
        std::string_view cp1252;
        std::string_view utf8;
    };
    // clang-format off
    const Case cases[] = {
        {"abc", "abc"},
        {"\xE9", "\xC3\xA9"},             // é
        {"\x80", "\xE2\x82\xAC"},         // €
        {"\x96", "\xE2\x80\x93"},         // en dash
        {"\x9F", "\xC5\xB8"},             // Ÿ
        {"\xBD", "\xC2\xBD"},             // ½
        {"\x81", "\xC2\x81"},             // undefined byte keeps its value
        {"\x9D", "\xC2\x9D"},
        {std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.utf8));
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(Cp1252Test, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Test, UnmappableAndInvalidBecomeQuestionMarks) {
    struct Case {
        std::string_view utf8;
        std::string_view expected;
    };
    // clang-format off
    const Case cases[] = {
        {"\xE2\x82\xAC" "1", "\x80" "1"},
        {"\xE4\xB8\xAD", "?"},            // a CJK character
        {"\xF0\x9F\x8D\xB0!", "?!"},      // an emoji
        {"\xC2\x80", "?"},                // U+0080 has no byte
        {"a\xFF" "b", "a?b"},             // never valid in UTF-8
        {"\xC3", "?"},                    // cut short at the end
        {"\xC3" "a", "?a"},               // cut short before a letter
        {"\xC0\xAF", "??"},               // overlong
        {"\xED\xA0\x80", "?"},            // surrogate
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.utf8));
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected);
    }
}

}  // namespace
}  // namespace basic
