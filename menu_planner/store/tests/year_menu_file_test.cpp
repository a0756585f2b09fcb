// The year files byte by byte: where each day's record lies, what a written
// record holds, and that damaged files read without a crash.
#include "menu_planner/store/year_menu_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/testing/file_size_limit.h"
#include "platform/testing/test_folder.h"

namespace menu_planner {
namespace {

using basic::testing::ReadBytes;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

DayMenuRecord Menu(std::initializer_list<std::pair<int, std::string>> entries) {
    DayMenuRecord record;
    for (const auto& [box, text] : entries) record.entries[box] = text;
    record.inUse = true;
    return record;
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

TEST(YearMenuFileTest, NameHasABlankBeforeTheYear) {
    EXPECT_EQ(YearMenuFileName(2004), " 2004.Mnu");
    EXPECT_EQ(YearMenuFileName(1999), " 1999.Mnu");
}

TEST(DayKeyTest, EdgeDaysOfTheYear) {
    struct Case {
        int day, month, key;
    };
    const Case cases[] = {
        {1, 1, 11},   {9, 1, 91},    {10, 1, 101}, {31, 1, 311},  {1, 2, 12},   {28, 2, 282},
        {29, 2, 292}, {1, 3, 13},    {5, 3, 53},   {15, 3, 153},  {31, 8, 318}, {30, 9, 309},
        {1, 10, 321}, {31, 10, 351}, {1, 11, 361}, {30, 11, 390}, {1, 12, 401}, {31, 12, 431},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayKey(c.day, c.month), c.key) << c.day << "/" << c.month;
        EXPECT_TRUE(IsDayKey(c.key)) << c.key;
    }
    // The year names the file; it never enters the key.
    EXPECT_EQ(DayKey(basic::CalendarDate{2004, 2, 29}), DayKey(basic::CalendarDate{2005, 2, 28}) + 10);
    EXPECT_EQ(DayKey(0, 1), 0);
    EXPECT_EQ(DayKey(32, 1), 0);
    EXPECT_EQ(DayKey(1, 13), 0);
}

TEST(DayKeyTest, EveryDayOfALeapYearHasItsOwnKeyAndNoOtherNumberIsADay) {
    std::set<int> keys;
    for (auto date = basic::CalendarDate{2004, 1, 1}; date.year == 2004; date = date.addDays(1)) {
        const int key = DayKey(date);
        EXPECT_GE(key, FirstDayKey);
        EXPECT_LE(key, LastDayKey);
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 366u);
    for (int key = -1; key <= LastDayKey + 10; ++key) EXPECT_EQ(IsDayKey(key), keys.contains(key)) << key;
    // 30 and 31 February, 31 April, 31 June and 31 September.
    for (const int never : {302, 312, 314, 316, 319}) EXPECT_FALSE(IsDayKey(never));
}

TEST(DayRecordTest, EncodesEntriesPaddedAndTheFullMark) {
    auto record = Menu({{0, "Eggs"}, {14, "  Roast beef   "}, {20, std::string(40, 'x')}});
    const std::string bytes = EncodeDayRecord(record);
    ASSERT_EQ(bytes.size(), 682u);
    EXPECT_EQ(bytes.substr(0, 32), Padded("Eggs", 32));
    EXPECT_EQ(bytes.substr(32, 32), std::string(32, ' '));
    EXPECT_EQ(bytes.substr(14 * 32, 32), Padded("  Roast beef", 32));
    EXPECT_EQ(bytes.substr(20 * 32, 32), std::string(32, 'x'));
    EXPECT_EQ(bytes.substr(672), "Full      ");

    // A written record is always marked, blank or not.
    EXPECT_EQ(EncodeDayRecord(DayMenuRecord{}).substr(672), "Full      ");

    // Read back: leading blanks stay, trailing ones go, the long entry is cut.
    const auto decoded = DecodeDayRecord(bytes);
    EXPECT_TRUE(decoded.inUse);
    EXPECT_EQ(decoded.entries[14], "  Roast beef");
    EXPECT_EQ(decoded.entries[20], std::string(32, 'x'));
}

TEST(DayRecordTest, OnlyFullExactlyMarksADayInUse) {
    const std::string entries(672, ' ');
    struct Case {
        std::string status;
        bool inUse;
    };
    const Case cases[] = {
        {"Full      ", true},  {"Full", true},        {"FULL      ", false},
        {"full      ", false}, {" Full     ", false}, {std::string("Full\0\0\0\0\0\0", 10), false},
        {"Fullx     ", false}, {"", false},           {std::string(10, '\0'), false},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeDayRecord(entries + c.status).inUse, c.inUse) << c.status;
}

TEST(YearMenuFileTest, ADaySavedIntoAnEmptyFolderLiesAtItsRecord) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, DayKey(5, 3), Menu({{0, "Eggs"}, {14, "Roast"}})));

    const std::string bytes = ReadBytes(dir / " 2004.Mnu");
    ASSERT_EQ(bytes.size(), 37082u);
    EXPECT_EQ(bytes.substr(0, 36400), std::string(36400, '\0'));
    EXPECT_EQ(bytes.substr(36400, 32), Padded("Eggs", 32));
    EXPECT_EQ(bytes.substr(36848, 32), Padded("Roast", 32));
    EXPECT_EQ(bytes.substr(37072), "Full      ");

    const auto loaded = ReadDayMenu(folder, 2004, 53);
    EXPECT_EQ(loaded.result, DayRead::InUse);
    EXPECT_EQ(loaded.record, Menu({{0, "Eggs"}, {14, "Roast"}}));
    // The day before and the day after were never written.
    EXPECT_EQ(ReadDayMenu(folder, 2004, 43).result, DayRead::NotInUse);
    EXPECT_EQ(ReadDayMenu(folder, 2004, 63).result, DayRead::NotInUse);
}

TEST(YearMenuFileTest, ThirtyFirstDecemberMakesAFullYearsLength) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, DayKey(31, 12), Menu({{7, "Ham"}})));
    EXPECT_EQ(std::filesystem::file_size(dir / " 2004.Mnu"), FullYearFileBytes);
    EXPECT_EQ(FullYearFileBytes, 301682u);
    for (auto date = basic::CalendarDate{2004, 1, 1}; date.month < 12 || date.day < 31; date = date.addDays(1))
        ASSERT_EQ(ReadDayMenu(folder, 2004, DayKey(date)).result, DayRead::NotInUse) << date.month << "/" << date.day;
    EXPECT_EQ(ReadDayMenu(folder, 2004, 431).record.entries[7], "Ham");

    // An earlier day written later keeps the length and the later day.
    ASSERT_TRUE(SaveDayMenu(folder, 2004, DayKey(1, 1), Menu({{0, "Toast"}})));
    EXPECT_EQ(std::filesystem::file_size(dir / " 2004.Mnu"), FullYearFileBytes);
    EXPECT_EQ(ReadDayMenu(folder, 2004, 431).record.entries[7], "Ham");
    EXPECT_EQ(ReadDayMenu(folder, 2004, 11).record.entries[0], "Toast");
}

TEST(YearMenuFileTest, ARecordFillsOnly682BytesOfItsSlot) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 53, Menu({{0, "Eggs"}})));
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 63, Menu({{0, "Waffles"}})));
    const std::string bytes = ReadBytes(dir / " 2004.Mnu");
    ASSERT_EQ(bytes.size(), YearFileLengthThrough(63));
    // The unused end of record 53's slot and the gap up to 63 are zero bytes.
    EXPECT_EQ(bytes.substr(52 * 700 + 682, 18), std::string(18, '\0'));
    EXPECT_EQ(bytes.substr(53 * 700, 9 * 700), std::string(9 * 700, '\0'));

    // Saving a day again rewrites its record and nothing else.
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 53, Menu({{1, "Juice"}})));
    std::string expected = bytes;
    expected.replace(52 * 700, 682, EncodeDayRecord(Menu({{1, "Juice"}})));
    EXPECT_EQ(ReadBytes(dir / " 2004.Mnu"), expected);
}

TEST(YearMenuFileTest, ADaySavedBlankStillCounts) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 292, DayMenuRecord{}));
    const auto loaded = ReadDayMenu(folder, 2004, 292);
    EXPECT_EQ(loaded.result, DayRead::InUse);
    for (const auto& entry : loaded.record.entries) EXPECT_EQ(entry, "");
}

TEST(YearMenuFileTest, EachYearHasItsOwnFile) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 431, Menu({{0, "Old year"}})));
    ASSERT_TRUE(SaveDayMenu(folder, 2005, 11, Menu({{0, "New year"}})));
    EXPECT_EQ(ReadDayMenu(folder, 2004, 431).record.entries[0], "Old year");
    EXPECT_EQ(ReadDayMenu(folder, 2005, 11).record.entries[0], "New year");
    EXPECT_EQ(ReadDayMenu(folder, 2004, 11).result, DayRead::NotInUse);
    EXPECT_EQ(std::filesystem::file_size(dir / " 2005.Mnu"), 10 * 700 + 682u);
}

TEST(YearMenuFileTest, AMissingYearReadsEmptyAndOpeningItLeavesAnEmptyFile) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    EXPECT_EQ(ReadDayMenu(folder, 2005, 11).result, DayRead::NotInUse);
    EXPECT_FALSE(std::filesystem::exists(dir / " 2005.Mnu"));

    ASSERT_TRUE(CreateYearMenuFile(folder, 2005));
    EXPECT_EQ(std::filesystem::file_size(dir / " 2005.Mnu"), 0u);
    EXPECT_EQ(ReadDayMenu(folder, 2005, 11).result, DayRead::NotInUse);

    // An existing file is left as it is.
    ASSERT_TRUE(SaveDayMenu(folder, 2005, 11, Menu({{0, "Oats"}})));
    ASSERT_TRUE(CreateYearMenuFile(folder, 2005));
    EXPECT_EQ(ReadDayMenu(folder, 2005, 11).record.entries[0], "Oats");
}

TEST(YearMenuFileTest, NumbersThatAreNoDayAreNeitherReadNorWritten) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    for (const int key : {0, 10, 20, 302, 319, 352, 400, 432}) {
        EXPECT_FALSE(SaveDayMenu(folder, 2004, key, Menu({{0, "x"}}))) << key;
        EXPECT_EQ(ReadDayMenu(folder, 2004, key).result, DayRead::Failed) << key;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / " 2004.Mnu"));
}

struct DamagedYear {
    const char* what;
    std::string bytes;
};

void PrintTo(const DamagedYear& damaged, std::ostream* out) { *out << damaged.what; }

std::string Binary(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) bytes += static_cast<char>(i * 37 % 256);
    return bytes;
}

// A record 53 of the given bytes, after 52 empty slots.
std::string AtDay53(std::string record) { return std::string(52 * 700, '\0') + record; }

class DamagedYearFile : public ::testing::TestWithParam<DamagedYear> {};

// Every day reads without a crash; a save keeps every day that read as
// saved, and the saved day reads back.
TEST_P(DamagedYearFile, ReadsEveryDayAndSavesOneWithoutLosingTheOthers) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / " 2004.Mnu", GetParam().bytes);
    std::vector<std::pair<int, DayMenuRecord>> inUse;
    for (int key = FirstDayKey; key <= LastDayKey; ++key) {
        if (!IsDayKey(key)) continue;
        const auto loaded = ReadDayMenu(folder, 2004, key);
        ASSERT_NE(loaded.result, DayRead::Failed) << key;
        if (loaded.result == DayRead::InUse) inUse.emplace_back(key, loaded.record);
    }
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 12, Menu({{0, "Pancakes"}})));
    EXPECT_EQ(ReadDayMenu(folder, 2004, 12).record, Menu({{0, "Pancakes"}}));
    for (const auto& [key, record] : inUse) {
        if (key == 12) continue;
        EXPECT_EQ(ReadDayMenu(folder, 2004, key).record, record) << key;
    }
    EXPECT_LE(std::filesystem::file_size(dir / " 2004.Mnu"), std::uintmax_t{431} * 700);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedYearFile,
    ::testing::Values(DamagedYear{"empty", ""}, DamagedYear{"one byte", "F"},
                      DamagedYear{"cut inside record 53's entries", AtDay53(Padded("Eggs", 100))},
                      DamagedYear{"cut inside the status", AtDay53(std::string(672, ' ') + "Fu")},
                      DamagedYear{"cut right after the status", AtDay53(std::string(672, 'a') + "Full")},
                      DamagedYear{"binary bytes", Binary(40000)},
                      DamagedYear{"binary entries marked full", AtDay53(Binary(672) + "Full      ")},
                      DamagedYear{"all blanks", std::string(301700, ' ')},
                      DamagedYear{"longer than a year", std::string(52 * 700, '\0') +
                                                            EncodeDayRecord(Menu({{0, "Eggs"}})) +
                                                            std::string(500000, 'z')}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(YearMenuFileTest, BinaryEntriesMarkedFullReadAsTheirBytes) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    const std::string entries = Binary(672);
    WriteBytes(dir / " 2004.Mnu", AtDay53(entries + "Full      "));
    const auto loaded = ReadDayMenu(folder, 2004, 53);
    ASSERT_EQ(loaded.result, DayRead::InUse);
    for (int i = 0; i < DayEntryCount; ++i) EXPECT_EQ(loaded.record.entries[i], entries.substr(i * 32, 32)) << i;
}

TEST(YearMenuFileTest, AFolderInPlaceOfTheFileFailsBothWays) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    std::filesystem::create_directory(dir / " 2004.Mnu");
    EXPECT_EQ(ReadDayMenu(folder, 2004, 11).result, DayRead::Failed);
    EXPECT_FALSE(SaveDayMenu(folder, 2004, 11, Menu({{0, "Eggs"}})));
    EXPECT_TRUE(std::filesystem::is_directory(dir / " 2004.Mnu"));
}

TEST(YearMenuFileTest, ASaveThatFailsLeavesTheOldFileWholeAndSaysSo) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 11, Menu({{0, "Eggs"}})));
    const std::string before = ReadBytes(dir / " 2004.Mnu");
    {
        // As on a full disk: the new file cannot grow to record 431.
        basic::testing::FileSizeLimit limit(100000);
        EXPECT_FALSE(SaveDayMenu(folder, 2004, 431, Menu({{0, "Ham"}})));
    }
    EXPECT_EQ(ReadBytes(dir / " 2004.Mnu"), before);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), " 2004.Mnu");
}

}  // namespace
}  // namespace menu_planner
