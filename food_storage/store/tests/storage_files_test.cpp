// The storage files byte by byte: names, the 480-item table file, the number
// in family, damaged files, and saves that fail or are killed midway.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_files.h"
#include "platform/basic/atomic_write.h"
#include "platform/testing/file_size_limit.h"
#include "platform/testing/kill_points.h"
#include "platform/testing/test_folder.h"

namespace food_storage {
namespace {

using basic::testing::ReadBytes;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

constexpr StorageKind AllKinds[] = {StorageKind::Basic, StorageKind::Emergency, StorageKind::Additional};

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

std::string Quoted(std::string_view item) { return "\"" + std::string(item) + "\"\r\n"; }

// A table with something in every kind of cell: titles with blanks, amounts
// with and without units, dates, the layout's marks.
StorageTable SampleTable(StorageKind kind) {
    StorageTable table;
    for (int r = 1; r <= StorageRows; ++r) {
        table.Cell(r, TitleColumn) = (r % 3 == 0 ? "  Item " : "Item ") + std::to_string(r);
        table.Cell(r, AmountPerPersonColumn) = r % 2 == 0 ? "2 1/2 lbs" : "12";
        table.Cell(r, OnHandColumn) = std::to_string(r) + " cans";
        table.Cell(r, LastActionDateColumn) = "04/12/04";
        table.Cell(r, AmountAddedColumn) = std::to_string(r % 7);
    }
    RebuildAllRows(kind, table);
    RecomputeTotalsNeeded(kind, table, "4");
    return table;
}

TEST(StorageFilesTest, EachKindHasItsOwnFiles) {
    EXPECT_EQ(FileNamesOf(StorageKind::Basic).table, "FdsB1.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Basic).defaultTitles, "FdsB3.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Basic).defaultAmounts, "FdsB4.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Emergency).table, "EmerE1.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Emergency).defaultTitles, "EmerE3.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Emergency).defaultAmounts, "EmerE4.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Additional).table, "AddA1.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Additional).defaultTitles, "AddA3.Fil");
    EXPECT_EQ(FileNamesOf(StorageKind::Additional).defaultAmounts, "AddA4.Fil");
    EXPECT_EQ(NumberInFamilyFileName, "FdsB2.Fil");

    // Saving one kind touches its own table file and the shared number only.
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    ASSERT_TRUE(SaveStorage(folder, StorageKind::Additional, StorageTable(), "3"));
    EXPECT_TRUE(std::filesystem::exists(dir / "AddA1.Fil"));
    EXPECT_FALSE(std::filesystem::exists(dir / "FdsB1.Fil"));
    EXPECT_FALSE(std::filesystem::exists(dir / "EmerE1.Fil"));
    EXPECT_EQ(ReadBytes(dir / "FdsB2.Fil"), "\"3\"\r\n");
}

TEST(StorageFilesTest, AFirstSaveWithoutFilesWritesTheKindsMarks) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    LoadedStorage loaded = LoadStorage(folder, StorageKind::Emergency);
    EXPECT_EQ(loaded.tableResult, StorageRead::Missing);
    EXPECT_EQ(loaded.table, StorageTable());
    EXPECT_EQ(loaded.numberInFamily, "1");

    RebuildAllRows(StorageKind::Emergency, loaded.table);
    ASSERT_TRUE(SaveStorage(folder, StorageKind::Emergency, loaded.table, loaded.numberInFamily));
    const auto lines = Lines(ReadBytes(dir / "EmerE1.Fil"));
    ASSERT_EQ(lines.size(), 480u);
    // Lines 2 to 8 are the Food heading's columns 1 to 7; each heading row is marked so.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t row = i / 8 + 1;
        const bool heading = row == 1 || row == 12 || row == 25 || row == 33 || row == 39 || row == 46;
        const bool marked = heading && i % 8 != 0;
        EXPECT_EQ(lines[i], marked ? "\"*\"" : "\"\"") << "line " << i + 1;
    }
    EXPECT_EQ(ReadBytes(dir / "FdsB2.Fil"), "\"1\"\r\n");
}

TEST(StorageFilesTest, ATableSavedAndLoadedBackIsShownTheSame) {
    for (const StorageKind kind : AllKinds) {
        TestFolder dir;
        const basic::ProgramFolder folder(dir.path());
        const StorageTable table = SampleTable(kind);
        ASSERT_TRUE(SaveStorage(folder, kind, table, "4"));
        const std::string bytes = ReadBytes(dir / std::string(FileNamesOf(kind).table));
        EXPECT_EQ(Lines(bytes).size(), 480u);

        const LoadedStorage loaded = LoadStorage(folder, kind);
        EXPECT_EQ(loaded.tableResult, StorageRead::Read);
        EXPECT_EQ(loaded.numberInFamily, "4");
        for (int r = 1; r <= StorageRows; ++r) {
            for (int c = 0; c < StorageColumns; ++c) {
                EXPECT_EQ(ShownCell(kind, loaded.table, r, c), ShownCell(kind, table, r, c))
                    << "kind " << static_cast<int>(kind) << " row " << r << " column " << c;
            }
        }
        EXPECT_EQ(EncodeStorageTable(kind, loaded.table), bytes);
    }
}

TEST(StorageFilesTest, TheFileHoldsCellsAsShown) {
    StorageTable table = SampleTable(StorageKind::Basic);
    table.Cell(2, TitleColumn) = " Wheat";
    table.Cell(2, OnHandColumn) = "20 lbs";
    const auto lines = Lines(EncodeStorageTable(StorageKind::Basic, table));
    // Row 1, the Grains total: family 4, 12 per person; its last action unused.
    EXPECT_EQ(lines[0], "\"Item 1\"");
    EXPECT_EQ(lines[1], "\"4\"");
    EXPECT_EQ(lines[3], "\"48\"");
    EXPECT_EQ(lines[5], "\"*\"");
    // Row 2, an item row: its title indented by four blanks.
    EXPECT_EQ(lines[8], "\"    Wheat\"");
    EXPECT_EQ(lines[9], "\"*\"");
    EXPECT_EQ(lines[12], "\"20 lbs\"");
    // Row 34, Salt: 2 1/2 lbs per person.
    EXPECT_EQ(lines[33 * 8 + 3], "\"10 lbs\"");
}

TEST(StorageFilesTest, TitlesAreIndentedOnLoadByTheKindsRule) {
    struct Case {
        StorageKind kind;
        int row;
        const char* stored;
        const char* shown;
    } const cases[] = {
        {StorageKind::Basic, 2, " Wheat", "    Wheat"},
        {StorageKind::Basic, 3, "         Rice", "    Rice"},
        {StorageKind::Basic, 1, "   Grains", "Grains"},
        {StorageKind::Emergency, 2, "  Candles", "  Candles"},
        {StorageKind::Additional, 2, "Beef", "    Beef"},
        {StorageKind::Additional, 35, "Rice", "    Rice"},
        {StorageKind::Additional, 42, "  Water", "Water"},
        {StorageKind::Additional, 54, "Stove", "    Stove"},
        {StorageKind::Additional, 58, "Tent", "    Tent"},
    };
    for (const Case& c : cases) {
        StorageTable table;
        RebuildAllRows(c.kind, table);
        std::string bytes;
        for (int r = 1; r <= StorageRows; ++r) {
            for (int col = 0; col < StorageColumns; ++col) {
                bytes += Quoted(r == c.row && col == TitleColumn ? c.stored : table.Cell(r, col));
            }
        }
        TestFolder dir;
        WriteBytes(dir / std::string(FileNamesOf(c.kind).table), bytes);
        const LoadedStorage loaded = LoadStorage(basic::ProgramFolder(dir.path()), c.kind);
        EXPECT_EQ(ShownTitle(c.kind, loaded.table, c.row), c.shown) << c.stored;
    }
}

TEST(StorageFilesTest, NumberInFamilyIsOneUnlessItStartsWithANumberAboveZero) {
    struct Case {
        std::optional<std::string> file;
        const char* shown;
    } const cases[] = {
        {std::nullopt, "1"},    {"", "1"},         {"\"0\"\r\n", "1"},    {"\"-2\"\r\n", "1"},
        {"\"abc\"\r\n", "1"},   {"\"3\"\r\n", "3"}, {"\"4 people\"\r\n", "4 people"}, {"5\r\n", "5"},
    };
    for (const Case& c : cases) {
        TestFolder dir;
        if (c.file) WriteBytes(dir / "FdsB2.Fil", *c.file);
        const LoadedStorage loaded = LoadStorage(basic::ProgramFolder(dir.path()), StorageKind::Basic);
        EXPECT_EQ(loaded.numberInFamily, c.shown) << c.file.value_or("(missing)");
    }
}

TEST(StorageFilesTest, LoadingRecomputesTheTotalsForTheStoredFamily) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    StorageTable table;
    table.Cell(2, AmountPerPersonColumn) = "12 cans";
    ASSERT_TRUE(SaveStorage(folder, StorageKind::Emergency, table, "2"));
    WriteBytes(dir / "FdsB2.Fil", "\"5\"\r\n");
    const LoadedStorage loaded = LoadStorage(folder, StorageKind::Emergency);
    EXPECT_EQ(loaded.table.Cell(2, NumberInFamilyColumn), " 5");
    EXPECT_EQ(loaded.table.Cell(2, TotalNeededColumn), " 60 cans");
}

TEST(StorageFilesTest, ADoubleQuoteOrLineBreakInACellCannotBreakTheFile) {
    StorageTable table;
    table.Cell(5, TitleColumn) = "12\" pan";
    table.Cell(7, TitleColumn) = "Cups\r\nPlates";
    table.Cell(60, AmountUsedColumn) = "\"";
    const std::string bytes = EncodeStorageTable(StorageKind::Emergency, table);
    EXPECT_EQ(Lines(bytes).size(), 480u);
    const StorageTable back = DecodeStorageTable(bytes);
    EXPECT_EQ(back.Cell(5, TitleColumn), "12' pan");
    EXPECT_EQ(back.Cell(7, TitleColumn), "Cups  Plates");
    EXPECT_EQ(back.Cell(60, AmountUsedColumn), "'");
}

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 2048; ++i) bytes += static_cast<char>(i * 37 % 256);
    return bytes;
}

std::string Items(int count, const std::string& item) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += Quoted(item);
    return bytes;
}

struct DamagedTable {
    const char* what;
    std::string bytes;
    StorageRead result;
    int filledCells;  // cells holding the item, -1 where that is not plain
};

void PrintTo(const DamagedTable& damaged, std::ostream* out) { *out << damaged.what; }

class DamagedStorageFile : public ::testing::TestWithParam<DamagedTable> {};

TEST_P(DamagedStorageFile, LoadsWhatCanBeReadAndSavesItWhole) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "AddA1.Fil", GetParam().bytes);
    WriteBytes(dir / "FdsB2.Fil", GetParam().bytes);
    const LoadedStorage loaded = LoadStorage(folder, StorageKind::Additional);
    EXPECT_EQ(loaded.tableResult, GetParam().result);
    if (GetParam().filledCells >= 0) {
        int filled = 0;
        for (int r = 1; r <= StorageRows; ++r) {
            for (int c = 0; c < StorageColumns; ++c) filled += loaded.table.Cell(r, c) == "x" ? 1 : 0;
        }
        EXPECT_EQ(filled, GetParam().filledCells);
    }

    // Whatever was read is saved as a whole file of 480 items and reads back the same.
    ASSERT_TRUE(SaveStorage(folder, StorageKind::Additional, loaded.table, loaded.numberInFamily));
    const std::string saved = ReadBytes(dir / "AddA1.Fil");
    EXPECT_EQ(Lines(saved).size(), 480u);
    const LoadedStorage again = LoadStorage(folder, StorageKind::Additional);
    EXPECT_EQ(EncodeStorageTable(StorageKind::Additional, again.table), saved);
    EXPECT_EQ(again.numberInFamily, loaded.numberInFamily);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStorageFile,
    ::testing::Values(DamagedTable{"empty", "", StorageRead::Read, 0},
                      DamagedTable{"short", Items(10, "x"), StorageRead::Read, 10},
                      DamagedTable{"long", Items(600, "x"), StorageRead::Read, 480},
                      DamagedTable{"unquoted", "x,x\r\nx\r\n", StorageRead::Read, 3},
                      DamagedTable{"unclosed_quote", "\"x\"\r\n\"x\r\nx\r\n", StorageRead::Read, 1},
                      DamagedTable{"line_breaks_only", "\r\n\n\r\n", StorageRead::Read, -1},
                      DamagedTable{"zero_bytes", std::string("\"x\"\r\n\"\0\"\r\n", 10), StorageRead::Read, 1},
                      DamagedTable{"binary", Binary(), StorageRead::Read, -1},
                      DamagedTable{"far_too_large", std::string(MaxStorageFileBytes + 1, 'x'), StorageRead::TooLarge, 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(StorageFilesTest, ASaveThatFailsLeavesTheOldFileAndSaysSo) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    const StorageTable old = SampleTable(StorageKind::Basic);
    ASSERT_TRUE(SaveStorage(folder, StorageKind::Basic, old, "4"));
    const std::string oldTable = ReadBytes(dir / "FdsB1.Fil");
    const std::string oldNumber = ReadBytes(dir / "FdsB2.Fil");

    StorageTable changed = old;
    changed.Cell(2, TitleColumn) = "Oats";
    {
        const basic::testing::FileSizeLimit limit(1000);  // the table file is far larger
        EXPECT_FALSE(SaveStorage(folder, StorageKind::Basic, changed, "4"));
    }
    EXPECT_EQ(ReadBytes(dir / "FdsB1.Fil"), oldTable);
    EXPECT_EQ(ReadBytes(dir / "FdsB2.Fil"), oldNumber);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "FdsB1.Fil" || name == "FdsB2.Fil") << name << " left behind";
    }
}

TEST(StorageFilesTest, TheChangedMarkIsClearedOnlyByASaveThatWorked) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    StorageDocument document{StorageKind::Basic, SampleTable(StorageKind::Basic), "4", true};
    document.table.Cell(1, AmountAddedColumn) = "9";  // a mark lost from a total row
    {
        const basic::testing::FileSizeLimit limit(1000);
        EXPECT_FALSE(SaveStorageDocument(folder, document, true));
    }
    EXPECT_TRUE(document.changed);
    EXPECT_EQ(ReadBytes(dir / "FdsB1.Fil"), "");

    ASSERT_TRUE(SaveStorageDocument(folder, document, true));
    EXPECT_FALSE(document.changed);
    EXPECT_EQ(document.table.Cell(1, AmountAddedColumn), "*");
    EXPECT_EQ(ReadBytes(dir / "FdsB1.Fil"), EncodeStorageTable(StorageKind::Basic, document.table));

    // From a category view the rows are written as they are.
    document.table.Cell(1, AmountAddedColumn) = "9";
    document.changed = true;
    ASSERT_TRUE(SaveStorageDocument(folder, document, false));
    EXPECT_FALSE(document.changed);
    EXPECT_EQ(Lines(ReadBytes(dir / "FdsB1.Fil"))[6], "\"9\"");
}

TEST(StorageFilesTest, ASaveKilledAtAnyStepLeavesTheOldFileOrTheNew) {
    const StorageTable table = SampleTable(StorageKind::Emergency);
    const std::string newBytes = EncodeStorageTable(StorageKind::Emergency, table);
    const std::string oldBytes = Items(480, "old");
    int stops = 0;
    for (int stopAt = 1; stopAt < 50 && stops == 0; ++stopAt) {
        TestFolder dir;
        const basic::ProgramFolder folder(dir.path());
        const auto target = dir / "EmerE1.Fil";
        WriteBytes(target, oldBytes);
        const bool finished = basic::testing::RunUntilKilled(
            [&] { EXPECT_TRUE(SaveStorage(folder, StorageKind::Emergency, table, "4")); }, stopAt);
        const std::string now = ReadBytes(target);
        EXPECT_TRUE(now == newBytes || now == oldBytes) << "after step " << stopAt;

        // What the kill left beside it is ours, and the next start clears it away.
        RemoveStorageLeftovers(folder);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "EmerE1.Fil" || name == "FdsB2.Fil") << name << " after step " << stopAt;
        }
        if (finished) stops = stopAt - 1;
    }
    EXPECT_GT(stops, 0);
}

}  // namespace
}  // namespace food_storage
