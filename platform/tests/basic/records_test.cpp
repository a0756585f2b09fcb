#include "platform/basic/records.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

using namespace std::string_literals;

TEST(RecordStringTest, EncodesLengthThenBytes) {
    // clang-format off
    EXPECT_EQ(EncodeRecordString("Def", 20), "\x03\x00"s "Def");
    // clang-format on
    EXPECT_EQ(EncodeRecordString("", 20), "\x00\x00"s);
    EXPECT_EQ(EncodeRecordString(std::string(18, 'x'), 20), "\x12\x00"s + std::string(18, 'x'));
    EXPECT_EQ(EncodeRecordString(std::string(19, 'x'), 20), std::nullopt);
    EXPECT_EQ(EncodeRecordString(std::string(300, 'x'), 400).value().substr(0, 2), "\x2C\x01"s);
}

TEST(RecordStringTest, Decodes) {
    // clang-format off
    EXPECT_EQ(DecodeRecordString("\x05\x00" "Sugar\x00\x00\x00"s), "Sugar");
    EXPECT_EQ(DecodeRecordString(std::string(20, '\0')), "");
    // Bytes after the value are not part of it.
    EXPECT_EQ(DecodeRecordString("\x02\x00" "abcdef"s), "ab");
    // A length that fits exactly, and one that overruns.
    EXPECT_EQ(DecodeRecordString("\x03\x00" "abc"s), "abc");
    EXPECT_EQ(DecodeRecordString("\x04\x00" "abc"s), std::nullopt);
    EXPECT_EQ(DecodeRecordString("\xFF\xFF" "abc"s), std::nullopt);
    // clang-format on
    EXPECT_EQ(DecodeRecordString("\x01"s), std::nullopt);
}

TEST(IntegerRecordTest, LittleEndianSigned) {
    EXPECT_EQ(EncodeInteger16(1), "\x01\x00"s);
    EXPECT_EQ(EncodeInteger16(-2), "\xFE\xFF"s);
    // clang-format off
    EXPECT_EQ(DecodeInteger16("\xFE\xFF" "junk"s), -2);
    // clang-format on
    EXPECT_EQ(DecodeInteger16(std::string(20, '\0')), 0);
    EXPECT_EQ(DecodeInteger16(""), 0);
    EXPECT_EQ(EncodeInteger32(0x01020304), "\x04\x03\x02\x01"s);
    EXPECT_EQ(DecodeInteger32(EncodeInteger32(-123456)), -123456);
}

TEST(VariantRecordTest, ExactBytes) {
    EXPECT_EQ(EncodeVariantRecord(Variant(std::int32_t{255}), 10), "\x03\x00\xFF\x00\x00\x00"s);
    // clang-format off
    EXPECT_EQ(EncodeVariantRecord(Variant("Def"), 10), "\x08\x00\x03\x00" "Def"s);
    // clang-format on
    EXPECT_EQ(EncodeVariantRecord(Variant(), 10), "\x00\x00"s);
    EXPECT_EQ(EncodeVariantRecord(Variant(std::int16_t{-1}), 10), "\x02\x00\xFF\xFF"s);
    EXPECT_EQ(EncodeVariantRecord(Variant(1.0), 10), "\x05\x00\x00\x00\x00\x00\x00\x00\xF0\x3F"s);
}

TEST(VariantRecordTest, TooLongValuesDoNotFit) {
    EXPECT_TRUE(EncodeVariantRecord(Variant("abcdef"), 10).has_value());
    EXPECT_EQ(EncodeVariantRecord(Variant("abcdefg"), 10), std::nullopt);
    EXPECT_EQ(EncodeVariantRecord(Variant(2.5), 9), std::nullopt);
}

TEST(VariantRecordTest, DecodesWhatWasEncoded) {
    for (const Variant& value : {Variant(), Variant(std::int16_t{-7}), Variant(std::int32_t{16777215}), Variant(-0.125),
                                 Variant("WP"), Variant("")}) {
        SCOPED_TRACE(value.toText());
        auto record = EncodeVariantRecord(value, 10).value();
        record.resize(10, '\0');
        EXPECT_EQ(DecodeVariantRecord(record), value);
    }
    EXPECT_EQ(DecodeVariantRecord(std::string(10, '\0')), Variant());
}

TEST(VariantRecordTest, RejectsUnknownTagsAndOverruns) {
    EXPECT_EQ(DecodeVariantRecord("\x07\x00\x00\x00"s), std::nullopt);
    // clang-format off
    EXPECT_EQ(DecodeVariantRecord("\x08\x00\x09\x00" "abcdef"s), std::nullopt);
    // clang-format on
    EXPECT_EQ(DecodeVariantRecord("\x03\x00\xFF"s), std::nullopt);
    EXPECT_EQ(DecodeVariantRecord("\x05\x00\x00\x00"s), std::nullopt);
    EXPECT_EQ(DecodeVariantRecord("\x08"s), std::nullopt);
}

}  // namespace
}  // namespace basic
