// Cookbooks damaged in the ways years of use damage files: every reader takes
// them without crashing or reading out of bounds, a bad entry is never taken
// for another recipe, and changes leave it in the file as it was.
#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipes {
namespace {

using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::EntryText;
using testing::IndexRecordBytes;
using testing::RecordBytes;

constexpr int kSalads = 18;

struct DamagedIndex {
    const char* what;
    std::string record;        // the damaged index record, as on disk
    std::vector<long> listed;  // record numbers the index then lists
};

void PrintTo(const DamagedIndex& damaged, std::ostream* out) { *out << damaged.what; }

std::string WithText(std::string text) { return IndexRecordBytes(text); }

std::vector<DamagedIndex> DamagedIndexes() {
    std::string highBytes(58, '\0');
    for (std::size_t i = 0; i < highBytes.size(); ++i) highBytes[i] = static_cast<char>(0x80 + i);
    return {
        {"no number", WithText(EntryText("Slaw", 1).substr(0, 52)), {1}},
        {"number 0", WithText(EntryText("Slaw", 0)), {1}},
        {"negative number", WithText(std::string(52, ' ') + "-2"), {1}},
        {"number above 30000", WithText(EntryText("Slaw", 30001)), {1}},
        {"number of twenty digits", WithText(std::string(38, ' ') + "99999999999999999999"), {1}},
        {"number past the end of the data file", WithText(EntryText("Slaw", 9)), {1}},
        {"number that is not whole", WithText(EntryText("Slaw", 2) + ".5"), {1}},
        {"length past the record", IndexRecordBytes(EntryText("Slaw", 2), 59), {1}},
        {"length of 65535", IndexRecordBytes("", 0xFFFF), {1}},
        {"bytes 0x80-0xFF", WithText(highBytes), {1}},
        {"control characters and accents in the name",
         WithText(EntryText("Cr\xE8me \x01\x1B sal\xE0"
                            "d",
                            2)),
         {1, 2}},
        {"zero bytes in the name", WithText(EntryText(std::string("Po\0to", 5), 3)), {1, 3}},
        {"a record cut short", IndexRecordBytes(EntryText("Slaw", 2)).substr(0, 30), {1}},
    };
}

class DamagedCookbookTest : public ::testing::TestWithParam<DamagedIndex> {
protected:
    basic::testing::TestFolder folder;
    basic::ProgramFolder programFolder{folder.path()};
    RecipeStore store{programFolder, 1};
    std::filesystem::path data = folder / "Recipe2.db1";
    std::filesystem::path salads = folder / "Salanfil.db1";
    std::string good = IndexRecordBytes(EntryText("Potato salad", 1));

    void SetUp() override {
        WriteBytes(data, std::string(RecordBytes().line(1, "1", "lb.", "potatoes")) +
                             std::string(RecordBytes().line(1, "\x01\xFF", "\0\0", "\x80\x9D")) +
                             std::string(RecordBytes()));
    }
};

TEST_P(DamagedCookbookTest, ReadersSkipTheBadEntryAndChangesKeepIt) {
    const auto& damaged = GetParam();
    // The damaged record last, so that a record cut short ends the file.
    WriteBytes(salads, good + damaged.record);

    std::vector<long> listed;
    for (const auto& entry : store.ReadSortedIndex(kSalads)) {
        listed.push_back(entry.recordNumber);
        EXPECT_EQ(entry.text.find('\0'), std::string::npos);
        EXPECT_EQ(store.ReadRecord(entry.recordNumber).marker, "Full1");
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, damaged.listed);

    // A save and a delete rewrite the index around the damaged record.
    const std::string kept = damaged.record + std::string(60 - damaged.record.size(), '\0');
    const auto saved = store.SaveNew(kSalads, "Slaw", RecipeRecord{});
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.recordNumber, 4);
    EXPECT_EQ(ReadBytes(salads), good + kept + IndexRecordBytes(EntryText("Slaw", 4)));
    ASSERT_TRUE(store.Delete(kSalads, 1).ok());
    EXPECT_EQ(ReadBytes(salads), kept + IndexRecordBytes(EntryText("Slaw", 4)));
}

INSTANTIATE_TEST_SUITE_P(Entries, DamagedCookbookTest, ::testing::ValuesIn(DamagedIndexes()),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DamagedDataFileTest, RecordsOfAnyBytesReadWithoutGarbage) {
    basic::testing::TestFolder folder;
    const RecipeStore store(basic::ProgramFolder(folder.path()), 1);
    std::string bytes(2045, '\0');
    bytes.replace(100, 5, "\xFF\x01\x7F\x80\x9D");
    WriteBytes(folder / "Recipe2.db1", bytes + "Full1 and a cut record");
    EXPECT_EQ(store.RecordCount(), 2);
    const RecipeRecord first = store.ReadRecord(1);
    EXPECT_EQ(first.directions.substr(0, 6), "\xFF\x01\x7F\x80\x9D ");
    EXPECT_EQ(first.amounts[0], "     ");
    const RecipeRecord second = store.ReadRecord(2);
    EXPECT_EQ(second.amounts[0], "Full1");
    EXPECT_EQ(second.marker, "     ");
    for (long n : {0L, -1L, 3L, 30000L, 2147483647L}) EXPECT_EQ(store.ReadRecord(n).marker, "     ") << n;
    EXPECT_EQ(store.ReadIndex(0).size(), 0u);
    EXPECT_EQ(store.ReadIndex(23).size(), 0u);
}

}  // namespace
}  // namespace recipes
