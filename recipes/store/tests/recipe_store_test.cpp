#include "recipes/store/recipe_store.h"

#include <gtest/gtest.h>

#include "platform/testing/scripted_dialogs.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/store_messages.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "platform/testing/file_size_limit.h"

namespace recipes {
namespace {

using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::IndexRecordBytes;
using testing::RecordBytes;

constexpr int kBreads = 3;
constexpr int kDips = 10;

class RecipeStoreTest : public ::testing::Test {
protected:
    basic::testing::TestFolder folder;
    basic::ProgramFolder programFolder{folder.path()};
    RecipeStore store{programFolder, 1};
    std::filesystem::path data = folder / "Recipe2.db1";
    std::filesystem::path breads = folder / "Breanfil.db1";

    static RecipeRecord Recipe(std::string_view ingredient) {
        RecipeRecord record;
        record.amounts[0] = "2";
        record.units[0] = "cups";
        record.ingredients[0] = std::string(ingredient);
        record.yieldUnit = "Dozen";
        return record;
    }
    // Records 1..count in use, each with its number as its first ingredient.
    void WriteRecipes(int count) {
        std::string bytes;
        for (int k = 1; k <= count; ++k) bytes += RecordBytes().line(1, "1", "cup", "recipe " + std::to_string(k));
        WriteBytes(data, bytes);
    }
    std::string Record(long k) { return ReadBytes(data).substr(static_cast<std::size_t>(k - 1) * 2045, 2045); }
};

TEST_F(RecipeStoreTest, TheFirstRecipeGoesToRecordOneAndItsEntryToTheTypesIndex) {
    const auto outcome = store.SaveNew(kBreads, "Apple Crisp", Recipe("flour"));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.recordNumber, 1);
    EXPECT_EQ(outcome.entry, "Apple Crisp" + std::string(41, ' ') + "1");

    const std::string index = ReadBytes(breads);
    ASSERT_EQ(index.size(), 60u);
    EXPECT_EQ(index.substr(0, 2), std::string("\x35\x00", 2));
    EXPECT_EQ(index.substr(2, 53), "Apple Crisp" + std::string(41, ' ') + "1");
    EXPECT_EQ(ReadBytes(data), std::string(RecordBytes().line(1, "2", "cups", "flour").put(2029, 11, "Dozen")));
}

TEST_F(RecipeStoreTest, ANewRecipeTakesTheLowestFreeRecord) {
    WriteRecipes(5);
    WriteBytes(breads, IndexFileBytes({EntryText("One", 1), EntryText("Two", 2), EntryText("Three", 3),
                                       EntryText("Four", 4), EntryText("Five", 5)}));
    ASSERT_TRUE(store.Delete(kBreads, 3).ok());
    EXPECT_EQ(Record(3), std::string(2040, ' ') + "**** ");

    const auto saved = store.SaveNew(kBreads, "Rye", Recipe("rye"));
    EXPECT_EQ(saved.recordNumber, 3);
    EXPECT_EQ(ReadBytes(data).size(), 5u * 2045);
    EXPECT_EQ(store.SaveNew(kBreads, "Rye", Recipe("rye")).recordNumber, 6);

    // Two recipes of one name: two entries, told apart by their records.
    const auto entries = store.ReadSortedIndex(kBreads);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0].text, EntryText("Five", 5));
    EXPECT_EQ(entries[3].text, EntryText("Rye", 3));
    EXPECT_EQ(entries[4].text, EntryText("Rye", 6));
}

TEST_F(RecipeStoreTest, MarkersInUseAndFree) {
    WriteBytes(data, std::string(RecordBytes("full1")) + std::string(RecordBytes("FULL1")) +
                         std::string(RecordBytes("Full ")) + std::string(RecordBytes("Full1")));
    EXPECT_EQ(store.FindFreeRecord(), 3);
    WriteBytes(data, std::string(RecordBytes("full1")) + std::string(RecordBytes("**** ")));
    EXPECT_EQ(store.FindFreeRecord(), 2);
    WriteBytes(data, std::string(RecordBytes("full1")) + "partial record");
    EXPECT_EQ(store.FindFreeRecord(), 2);
    std::filesystem::remove(data);
    EXPECT_EQ(store.FindFreeRecord(), 1);
}

TEST_F(RecipeStoreTest, TheLowestFreeRecordIsFoundOnAnyNumberOfThreads) {
    // 5000 records in use but for those set free here; record 1200 is free but named.
    const struct {
        std::vector<long> free;
        long expected;
    } cases[] = {
        // clang-format off
        {{4999, 1700, 3300}, 1700},
        {{1200, 4999}, 4999},
        {{1200}, 5001},
        {{1, 2}, 1},
        {{5000}, 5000},
        // clang-format on
    };
    WriteBytes(folder / "Dipsnfil.db1", IndexFileBytes({EntryText("Old dip", 1200)}));
    for (const auto& c : cases) {
        std::filesystem::remove(data);
        testing::WriteMarkers(data, 5000);
        for (const long k : c.free) testing::WriteAt(data, static_cast<std::uint64_t>(k - 1) * 2045 + 2040, "**** ");
        for (const unsigned threads : {1u, 2u, 3u, 7u, 0u})
            EXPECT_EQ(store.FindFreeRecord(threads), c.expected) << c.expected << " on " << threads << " threads";
    }
}

TEST_F(RecipeStoreTest, DeleteRemovesEveryEntryOfTheRecordAndKeepsTheOthersByteForByte) {
    WriteRecipes(3);
    std::string damaged = IndexRecordBytes("x", 500);  // length past the record
    std::string withTail = IndexRecordBytes(EntryText("Corn bread", 1));
    withTail[59] = '\x7F';  // bytes after the text carry no meaning, but stay
    WriteBytes(breads, withTail + IndexRecordBytes(EntryText("Rolls", 2)) + damaged +
                           IndexRecordBytes(EntryText("Rolls", 2)) + IndexRecordBytes(EntryText("Rye", 3)));

    // A second entry naming the record would name a blank one afterwards.
    ASSERT_TRUE(store.Delete(kBreads, 2).ok());
    EXPECT_EQ(ReadBytes(breads), withTail + damaged + IndexRecordBytes(EntryText("Rye", 3)));
    EXPECT_EQ(Record(2), std::string(2040, ' ') + "**** ");
    EXPECT_EQ(Record(1), std::string(RecordBytes().line(1, "1", "cup", "recipe 1")));
}

TEST_F(RecipeStoreTest, DeletingTheOnlyRecipeLeavesAnEmptyIndex) {
    WriteRecipes(1);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1)}));
    ASSERT_TRUE(store.Delete(kBreads, 1).ok());
    EXPECT_TRUE(std::filesystem::exists(breads));
    EXPECT_EQ(ReadBytes(breads), "");
    EXPECT_TRUE(store.ReadIndex(kBreads).empty());
}

TEST_F(RecipeStoreTest, TheIndexIsRebuiltFromItsFileNotFromAnEmptyFirstEntry) {
    WriteRecipes(2);
    // An empty entry first: once it emptied the whole index on the next save.
    WriteBytes(breads, IndexRecordBytes("") + IndexRecordBytes(EntryText("Rolls", 1)));
    ASSERT_TRUE(store.SaveNew(kBreads, "Rye", Recipe("rye")).ok());
    EXPECT_EQ(ReadBytes(breads), IndexRecordBytes(EntryText("Rolls", 1)) + IndexRecordBytes(EntryText("Rye", 3)));
}

TEST_F(RecipeStoreTest, WritingInPlaceChangesOnlyItsRecordAndNoIndex) {
    WriteRecipes(3);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 2)}));
    const std::string before = ReadBytes(data);
    ASSERT_TRUE(store.WriteInPlace(2, Recipe("yeast")).ok());
    const std::string after = ReadBytes(data);
    EXPECT_EQ(after.substr(0, 2045), before.substr(0, 2045));
    EXPECT_EQ(after.substr(4090), before.substr(4090));
    EXPECT_EQ(Record(2), std::string(RecordBytes().line(1, "2", "cups", "yeast").put(2029, 11, "Dozen")));
    EXPECT_EQ(ReadBytes(breads), IndexFileBytes({EntryText("Rolls", 2)}));
    EXPECT_FALSE(store.WriteInPlace(0, Recipe("x")).ok());
    EXPECT_FALSE(store.WriteInPlace(30001, Recipe("x")).ok());
}

TEST_F(RecipeStoreTest, RenameKeepsTheRecordAndReplacesItsEntry) {
    WriteRecipes(2);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1), EntryText("Rye", 2)}));
    const std::string records = ReadBytes(data);
    const auto renamed = store.Rename(kBreads, 2, "Dark rye bread, the one Grandmother baked on Sundays   ");
    ASSERT_TRUE(renamed.ok());
    EXPECT_EQ(renamed.entry, EntryText("Dark rye bread, the one Grandmother baked", 2));
    EXPECT_EQ(ReadBytes(breads), IndexFileBytes({renamed.entry, EntryText("Rolls", 1)})) << "in the lists' order";
    EXPECT_EQ(ReadBytes(data), records);
}

TEST_F(RecipeStoreTest, NothingIsWrittenForARecipeWithoutAName) {
    EXPECT_EQ(store.SaveNew(kBreads, "", Recipe("x")).result, StoreResult::NoName);
    EXPECT_FALSE(std::filesystem::exists(data));
    EXPECT_FALSE(std::filesystem::exists(breads));
}

TEST_F(RecipeStoreTest, AFullCookbookRefusesTheSaveWithAMessage) {
    testing::WriteMarkers(data, 30000);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1)}));
    const auto outcome = store.SaveNew(kBreads, "Rye", Recipe("rye"));
    EXPECT_EQ(outcome.result, StoreResult::CookbookFull);
    EXPECT_EQ(std::filesystem::file_size(data), 30000u * 2045);
    EXPECT_EQ(ReadBytes(breads), IndexFileBytes({EntryText("Rolls", 1)}));

    platform::testing::ScriptedDialogs dialogs;
    dialogs.expectMessage("Save");
    ReportStoreFailure(dialogs, outcome, "Save");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].icon, platform::MsgIcon::Information);
    EXPECT_NE(dialogs.messages()[0].text.find("full"), std::string::npos);
    EXPECT_NE(dialogs.messages()[0].text.find("not saved"), std::string::npos);

    // The last record free: the save goes there.
    testing::WriteAt(data, 29999u * 2045 + 2040, "**** ");
    EXPECT_EQ(store.SaveNew(kBreads, "Rye", Recipe("rye")).recordNumber, 30000);
}

TEST_F(RecipeStoreTest, ARecordThatCannotBeWrittenLeavesTheIndexAlone) {
    WriteRecipes(5);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1)}));
    const std::string records = ReadBytes(data);
    StoreOutcome outcome;
    {
        basic::testing::FileSizeLimit diskFull(5 * 2045);
        outcome = store.SaveNew(kBreads, "Rye", Recipe("rye"));
    }
    EXPECT_EQ(outcome.result, StoreResult::DataFileNotWritten);
    EXPECT_EQ(outcome.fileName, "Recipe2.db1");
    EXPECT_EQ(ReadBytes(data), records);
    EXPECT_EQ(ReadBytes(breads), IndexFileBytes({EntryText("Rolls", 1)}));
}

TEST_F(RecipeStoreTest, AnIndexThatCannotBeReplacedLeavesEverythingAsItWas) {
    const std::string deletedRecord = RecordBytes("**** ");
    WriteBytes(data, std::string(RecordBytes().line(1, "1", "cup", "recipe 1")) + deletedRecord);
    std::vector<std::string> texts;
    texts.push_back(EntryText("Rolls", 1));
    for (int i = 3; i <= 81; ++i) texts.push_back(EntryText("Lost", i));  // past the end of the file
    WriteBytes(breads, IndexFileBytes(texts));
    const std::string records = ReadBytes(data);
    const std::string index = ReadBytes(breads);
    StoreOutcome saved;
    StoreOutcome deleted;
    {
        // Room for the records and a record's journal, none for a new index
        // of 79 or 81 entries.
        basic::testing::FileSizeLimit diskFull(4200);
        saved = store.SaveNew(kBreads, "Rye", Recipe("rye"));
        deleted = store.Delete(kBreads, 1);
    }
    EXPECT_EQ(saved.result, StoreResult::IndexFileNotWritten);
    EXPECT_EQ(saved.fileName, "Breanfil.db1");
    EXPECT_EQ(deleted.result, StoreResult::IndexFileNotWritten);
    EXPECT_EQ(ReadBytes(breads), index);
    // Both records have their bytes back: the recipe, and the free record
    // the new one was to take, which is not lost to later saves.
    EXPECT_EQ(ReadBytes(data), records);
    EXPECT_EQ(store.FindFreeRecord(), 2);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_TRUE(entry.path().filename() == "Recipe2.db1" || entry.path().filename() == "Breanfil.db1")
            << entry.path();
}

TEST_F(RecipeStoreTest, ANewRecipeNeverTakesARecordThatAnEntryNames) {
    // Record 2 is free but a dip's entry still names it; record 5 lies past
    // the end of the file and a dip's entry names it too.
    WriteBytes(data, std::string(RecordBytes()) + std::string(RecordBytes("**** ")) + std::string(RecordBytes()) +
                         std::string(RecordBytes()));
    WriteBytes(folder / "Dipsnfil.db1", IndexFileBytes({EntryText("Old dip", 2), EntryText("Lost dip", 5)}));
    EXPECT_EQ(store.FindFreeRecord(), 6);
    const auto outcome = store.SaveNew(kBreads, "Rye", Recipe("rye"));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.recordNumber, 6);
    EXPECT_EQ(Record(5), std::string(2045, '\0'));
}

TEST_F(RecipeStoreTest, DeleteKeepsARecordThatAnotherTypeStillNames) {
    WriteRecipes(2);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1), EntryText("Rye", 2)}));
    WriteBytes(folder / "Dipsnfil.db1", IndexFileBytes({EntryText("Rye dip", 2)}));
    ASSERT_TRUE(store.Delete(kBreads, 2).ok());
    EXPECT_EQ(ReadBytes(breads), IndexFileBytes({EntryText("Rolls", 1)}));
    EXPECT_EQ(Record(2), std::string(RecordBytes().line(1, "1", "cup", "recipe 2")));
}

TEST_F(RecipeStoreTest, AnIndexLargerThanAnyCanBeIsNeitherReadWholeNorRewritten) {
    WriteRecipes(1);
    WriteBytes(breads, IndexFileBytes({EntryText("Rolls", 1)}));
    std::filesystem::resize_file(breads, 30001 * 60);  // sparse: zero bytes after the first entry
    const auto outcome = store.SaveNew(kBreads, "Rye", Recipe("rye"));
    EXPECT_EQ(outcome.result, StoreResult::IndexFileTooLarge);
    EXPECT_EQ(outcome.fileName, "Breanfil.db1");
    EXPECT_EQ(store.Delete(kBreads, 1).result, StoreResult::IndexFileTooLarge);
    EXPECT_EQ(std::filesystem::file_size(breads), 30001u * 60);
    EXPECT_EQ(Record(1), std::string(RecordBytes().line(1, "1", "cup", "recipe 1")));
    // Another type's save refuses too: it cannot tell which records the
    // damaged index names.
    EXPECT_EQ(store.SaveNew(kDips, "Salsa", Recipe("tomato")).result, StoreResult::IndexFileTooLarge);
    // The list shows what the first 30000 entries hold.
    ASSERT_EQ(store.ReadIndex(kBreads).size(), 1u);

    platform::testing::ScriptedDialogs dialogs;
    dialogs.expectMessage("Save");
    ReportStoreFailure(dialogs, outcome, "Save");
    EXPECT_NE(dialogs.messages()[0].text.find("\"Breanfil.db1\" is larger than any recipe list can be"),
              std::string::npos);
}

TEST_F(RecipeStoreTest, FailuresAreReportedWithTheFileAndTheCommand) {
    platform::testing::ScriptedDialogs dialogs;
    dialogs.expectMessage("Delete");
    StoreOutcome outcome;
    outcome.result = StoreResult::IndexFileNotWritten;
    outcome.fileName = "Dipsnfil.db2";
    ReportStoreFailure(dialogs, outcome, "Delete");
    ReportStoreFailure(dialogs, StoreOutcome{}, "Delete");  // done: nothing to say
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_NE(dialogs.messages()[0].text.find("\"Dipsnfil.db2\""), std::string::npos);
}

TEST_F(RecipeStoreTest, EachCookbookHasItsOwnFiles) {
    RecipeStore second(programFolder, 2);
    ASSERT_TRUE(second.SaveNew(kDips, "Salsa", Recipe("tomatoes")).ok());
    EXPECT_TRUE(std::filesystem::exists(folder / "Recipe2.db2"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Dipsnfil.db2"));
    EXPECT_FALSE(std::filesystem::exists(data));
    // Files are found whatever the case of their names on disk.
    std::filesystem::rename(folder / "Dipsnfil.db2", folder / "DIPSNFIL.DB2");
    EXPECT_EQ(second.ReadIndex(kDips).size(), 1u);
    ASSERT_TRUE(second.SaveNew(kDips, "Guacamole", Recipe("avocado")).ok());
    EXPECT_EQ(second.ReadIndex(kDips).size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(folder / "Dipsnfil.db2"));
}

}  // namespace
}  // namespace recipes
