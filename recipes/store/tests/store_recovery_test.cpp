#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/record_journal.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipes {
namespace {

using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

constexpr int kBreads = 3;

class StoreRecoveryTest : public ::testing::Test {
protected:
    basic::testing::TestFolder folder;
    basic::ProgramFolder programFolder{folder.path()};
    RecipeStore store{programFolder, 1};
    std::filesystem::path data = folder / "Recipe2.db1";
    std::filesystem::path breads = folder / "Breanfil.db1";
    std::filesystem::path journal = folder / ".Recipe2.db1.pantrivo-journal";
    const std::string rolls = RecordBytes().line(1, "2", "cups", "flour").directions("Knead.");
    const std::string rye = RecordBytes().line(1, "3", "cups", "rye").directions("Rest.");
    const std::string deleted = RecordBytes("**** ");

    std::string Record(long k) { return ReadBytes(data).substr(static_cast<std::size_t>(k - 1) * 2045, 2045); }
    // What a kill in the middle of writing the record leaves: its first
    // hundred bytes new, the rest old.
    static std::string Torn(const std::string& before, const std::string& after) {
        return after.substr(0, 100) + before.substr(100);
    }
};

TEST_F(StoreRecoveryTest, ATornRecordIsPutBackAsTheIndexSays) {
    struct Case {
        const char* what;
        RecordJournal::Change change;
        std::vector<std::string> breadEntries;  // at the moment of the kill
        bool inEffect;
    };
    const Case cases[] = {
        {"write in place", RecordJournal::Change::WriteInPlace, {EntryText("Rolls", 1)}, false},
        {"new save before its entry", RecordJournal::Change::SaveNew, {}, false},
        {"new save after its entry", RecordJournal::Change::SaveNew, {EntryText("Rye", 1)}, true},
        {"delete before the entry went", RecordJournal::Change::Delete, {EntryText("Rolls", 1)}, false},
        {"delete after the entry went", RecordJournal::Change::Delete, {}, true},
    };
    for (const Case& c : cases) {
        const std::string before = c.change == RecordJournal::Change::SaveNew ? deleted : rolls;
        const std::string after = c.change == RecordJournal::Change::Delete
                                      ? deleted
                                      : std::string(c.change == RecordJournal::Change::SaveNew ? rye : rolls);
        WriteBytes(data, Torn(before, after));
        WriteBytes(breads, IndexFileBytes(c.breadEntries));
        WriteBytes(journal, EncodeRecordJournal({c.change, kBreads, 1, before, after}));

        EXPECT_TRUE(store.Recover()) << c.what;
        EXPECT_EQ(Record(1), c.inEffect ? after : before) << c.what;
        EXPECT_FALSE(std::filesystem::exists(journal)) << c.what;
    }
}

TEST_F(StoreRecoveryTest, AJournalCutShortIsDroppedAndTheRecordLeftAlone) {
    WriteBytes(data, rolls);
    const std::string whole = EncodeRecordJournal({RecordJournal::Change::Delete, kBreads, 1, rolls, deleted});
    for (const std::size_t length : {std::size_t{0}, std::size_t{30}, whole.size() - 1}) {
        WriteBytes(journal, whole.substr(0, length));
        EXPECT_TRUE(store.Recover());
        EXPECT_EQ(Record(1), rolls);
        EXPECT_FALSE(std::filesystem::exists(journal));
    }
    std::string flipped = whole;
    flipped[200] ^= 1;
    EXPECT_FALSE(DecodeRecordJournal(flipped));
    EXPECT_EQ(DecodeRecordJournal(whole)->after, deleted);
}

TEST_F(StoreRecoveryTest, EveryChangeFinishesAnInterruptedOneFirst) {
    WriteBytes(data, Torn(rolls, rye));
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1)}));
    WriteBytes(journal, EncodeRecordJournal({RecordJournal::Change::WriteInPlace, 0, 1, rolls, rye}));
    ASSERT_TRUE(store.Rename(kBreads, 1, "Soft rolls").ok());
    EXPECT_EQ(Record(1), rolls);
    EXPECT_FALSE(std::filesystem::exists(journal));
}

TEST_F(StoreRecoveryTest, OpeningRemovesOurLeftoverTemporaryFilesOnly) {
    WriteBytes(data, rolls);
    const std::vector<std::string> ours = {".Breanfil.db1.pantrivo-tmp-123-0", ".Recipe2.db1.pantrivo-tmp-9-1",
                                           "Recipe3.db1"};
    const std::vector<std::string> others = {".Breanfil.db2.pantrivo-tmp-1-0", "Breanfil.db1.bak", "notes.txt"};
    for (const auto& name : ours) WriteBytes(folder / name, "half");
    for (const auto& name : others) WriteBytes(folder / name, "keep");
    EXPECT_TRUE(store.Recover());
    for (const auto& name : ours) EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
    for (const auto& name : others) EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
}

}  // namespace
}  // namespace recipes
