#include "shell/settings_files.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/testing/test_folder.h"

namespace shell::settings {
namespace {

using basic::testing::ReadBytes;
using basic::testing::WriteBytes;

// Records of other subsystems' settings, as the files hold them.
constexpr RecordRef CurrentCookbook{GColor4, 1};
constexpr RecordRef FirstCookbookTitle{GColor4, 2};
constexpr RecordRef CalendarOption(int option) { return {SWR2, 10 + option}; }

class SettingsFileTest : public ::testing::Test {
protected:
    basic::testing::TestFolder dir;
    basic::ProgramFolder folder{dir.path()};
};

TEST_F(SettingsFileTest, ReadingAMissingFileCreatesItEmptyAndGivesTheEmptyText) {
    EXPECT_EQ(ReadText(folder, DisplayModeRecord), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "GColor3.Fil"));
    EXPECT_EQ(ReadBytes(dir / "GColor3.Fil"), "");
    EXPECT_EQ(ReadInteger(folder, CalendarOption(0)), 0);
    EXPECT_TRUE(ReadVariant(folder, BackgroundSettingRecord)->isEmpty());
}

TEST_F(SettingsFileTest, TextIsStoredAsLengthAndBytesAtItsRecord) {
    ASSERT_TRUE(WriteText(folder, DisplayModeRecord, "Yes"));
    const std::string bytes = ReadBytes(dir / "GColor3.Fil");
    ASSERT_EQ(bytes.size(), 35u * 20);
    EXPECT_EQ(bytes.substr(0, 34 * 20), std::string(34 * 20, '\0'));
    EXPECT_EQ(bytes.substr(34 * 20, 5), std::string("\x03\x00Yes", 5));
    EXPECT_EQ(ReadText(folder, DisplayModeRecord), "Yes");
}

TEST_F(SettingsFileTest, WritingARecordNeverDisturbsAnother) {
    WriteBytes(dir / "GColor3.Fil", std::string(60 * 20, '\x5A'));
    ASSERT_TRUE(WriteText(folder, DisplayModeRecord, "No"));
    const std::string bytes = ReadBytes(dir / "GColor3.Fil");
    ASSERT_EQ(bytes.size(), 60u * 20);
    EXPECT_EQ(bytes.substr(0, 34 * 20), std::string(34 * 20, '\x5A'));
    EXPECT_EQ(bytes.substr(35 * 20), std::string(25 * 20, '\x5A'));
}

TEST_F(SettingsFileTest, FileNamesAreMatchedWithoutRegardToCase) {
    // clang-format off
    WriteBytes(dir / "Gcolor4.fil", std::string("\x05\x00" "Cakes", 7) + std::string(33, '\0'));
    // clang-format on
    EXPECT_EQ(ReadText(folder, CurrentCookbook), "Cakes");
    ASSERT_TRUE(WriteText(folder, FirstCookbookTitle, "Breads"));
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    EXPECT_EQ(entries, 1) << "one file, in the spelling it had";
    EXPECT_EQ(ReadBytes(dir / "Gcolor4.fil").size(), 80u);
}

TEST_F(SettingsFileTest, ALengthFieldLongerThanTheRecordKeepsTheDefault) {
    std::string record = std::string("\x13\x00", 2) + std::string(18, 'x');  // 19 > 20 - 2
    WriteBytes(dir / "GColor3.Fil", std::string(34 * 20, '\0') + record);
    EXPECT_EQ(ReadText(folder, DisplayModeRecord), std::nullopt);
    record[0] = 18;  // exactly fills the record: fine
    WriteBytes(dir / "GColor3.Fil", std::string(34 * 20, '\0') + record);
    EXPECT_EQ(ReadText(folder, DisplayModeRecord), std::string(18, 'x'));
}

TEST_F(SettingsFileTest, ATextThatDoesNotFitIsNotStored) {
    ASSERT_TRUE(WriteText(folder, FamilyNameRecord, "Smith"));
    EXPECT_FALSE(WriteText(folder, FamilyNameRecord, std::string(39, 'a')));
    EXPECT_EQ(ReadText(folder, FamilyNameRecord), "Smith");
    EXPECT_TRUE(WriteText(folder, FamilyNameRecord, std::string(38, 'a')));
}

TEST_F(SettingsFileTest, BackgroundVariantRecordBytes) {
    ASSERT_TRUE(WriteVariant(folder, BackgroundSettingRecord, basic::Variant(std::int32_t{255})));
    EXPECT_EQ(ReadBytes(dir / "HINV3.Fil").substr(20), std::string("\x03\x00\xFF\x00\x00\x00\x00\x00\x00\x00", 10));
    ASSERT_TRUE(WriteVariant(folder, BackgroundSettingRecord, basic::Variant("Def")));
    // clang-format off
    EXPECT_EQ(ReadBytes(dir / "HINV3.Fil").substr(20), std::string("\x08\x00\x03\x00" "Def\x00\x00\x00", 10));
    // clang-format on
    EXPECT_EQ(ReadVariant(folder, BackgroundSettingRecord), basic::Variant("Def"));
    EXPECT_FALSE(WriteVariant(folder, BackgroundSettingRecord, basic::Variant("WP10000")));  // 7 > 6 characters
}

TEST_F(SettingsFileTest, CalendarOptionsAreSixteenBitIntegers) {
    ASSERT_TRUE(WriteInteger(folder, CalendarOption(2), -2));
    EXPECT_EQ(ReadBytes(dir / "SWR2.BMP").substr(11 * 20, 2), std::string("\xFE\xFF", 2));
    EXPECT_EQ(ReadInteger(folder, CalendarOption(2)), -2);
    EXPECT_EQ(ReadInteger(folder, CalendarOption(3)), 0);
}

}  // namespace
}  // namespace shell::settings
