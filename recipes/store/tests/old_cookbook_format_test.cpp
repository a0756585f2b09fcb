#include "recipes/store/old_cookbook_format.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "platform/testing/test_folder.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipes {
namespace {

using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::OldRecordBytes;
using testing::RecordBytes;

class OldCookbookFormatTest : public ::testing::Test {
protected:
    basic::testing::TestFolder folder;
    basic::ProgramFolder programFolder{folder.path()};
    std::filesystem::path data = folder / "Recipe2.db1";

    // Records 1..count of the old size, free but for the given ones.
    static std::string OldFile(long count, const std::map<long, std::string>& records) {
        std::string bytes;
        for (long k = 1; k <= count; ++k) {
            const auto found = records.find(k);
            bytes += found != records.end() ? found->second : std::string(OldRecordBytes("    "));
        }
        return bytes;
    }
};

TEST_F(OldCookbookFormatTest, DetectionLooksAtTheFirstThousandOldRecords) {
    WriteBytes(data, OldFile(1000, {{1000, OldRecordBytes()}}));
    EXPECT_TRUE(DetectOldRecipeFile(programFolder, 1));
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 3));

    WriteBytes(data, OldFile(1001, {{1001, OldRecordBytes()}}));
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 1));
    WriteBytes(data, OldFile(3, {{2, OldRecordBytes("full")}}));
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 1));
    std::filesystem::remove(data);
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 1));
}

TEST_F(OldCookbookFormatTest, ACurrentFileIsNeverTakenForAnOldOne) {
    // An ingredient that puts "Full " where an old record's marker would lie.
    WriteBytes(data, std::string(RecordBytes().put(1540, 5, "Full ")) + std::string(RecordBytes("full1")));
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 1));
    const std::string before = ReadBytes(data);
    EXPECT_EQ(ConvertOldRecipeFile(programFolder, 1), ConversionResult::NotNeeded);
    EXPECT_EQ(ReadBytes(data), before);
}

TEST_F(OldCookbookFormatTest, ConversionKeepsRecordNumbersAndMovesTheLines) {
    OldRecordBytes old;
    for (int line = 1; line <= 14; ++line)
        old.line(line, line == 8 ? "2" : std::to_string(line), "cup", "ingredient " + std::to_string(line));
    old.put(70, 800, std::string(799, 'd') + "e")
        .put(870, 4, "350")
        .put(1504, 5, "6")
        .put(1509, 20, "45 min")
        .put(1529, 11, "Casserole(s");
    WriteBytes(data, OldFile(6, {{5, old}, {2, OldRecordBytes("**** ")}}));
    WriteBytes(folder / "Cassnfil.db1", IndexFileBytes({EntryText("Tuna bake", 5)}));

    std::vector<long> progress;
    bool finishing = false;
    const auto result =
        ConvertOldRecipeFile(programFolder, 1, {[&](long k) { progress.push_back(k); }, [&] { finishing = true; }});
    ASSERT_EQ(result, ConversionResult::Converted);
    EXPECT_TRUE(finishing);
    ASSERT_EQ(progress.size(), 30000u);
    EXPECT_EQ(progress.front(), 1);
    EXPECT_EQ(progress.back(), 30000);

    RecordBytes expected;
    for (int line = 1; line <= 7; ++line)
        expected.line(line, std::to_string(line), "cup", "ingredient " + std::to_string(line));
    for (int line = 8; line <= 14; ++line)
        expected.line(line + 3, line == 8 ? "2" : std::to_string(line), "cup", "ingredient " + std::to_string(line));
    expected.directions(std::string(799, 'd') + "e")
        .put(1100, 4, "350")
        .put(2004, 5, "6")
        .put(2009, 20, "45 min")
        .put(2029, 11, "Casserole(s");
    const std::string converted = ReadBytes(data);
    ASSERT_EQ(converted.size(), 5u * 2045);  // free records are not written
    EXPECT_EQ(converted.substr(0, 4 * 2045), std::string(4 * 2045, '\0'));
    EXPECT_EQ(converted.substr(4 * 2045), std::string(expected));
    EXPECT_FALSE(std::filesystem::exists(folder / "Recipe3.db1"));

    // The index still finds it, and the file is current from now on.
    const RecipeStore store(programFolder, 1);
    const auto entries = store.ReadIndex(7);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(store.ReadRecord(entries[0].recordNumber).amounts[10], "2    ");
    EXPECT_FALSE(DetectOldRecipeFile(programFolder, 1));
    EXPECT_EQ(ConvertOldRecipeFile(programFolder, 1), ConversionResult::NotNeeded);
}

TEST_F(OldCookbookFormatTest, AStaleTemporaryFileIsDiscardedNotMerged) {
    WriteBytes(data, OldFile(1, {{1, OldRecordBytes().line(1, "1", "cup", "sugar")}}));
    WriteBytes(folder / "Recipe3.db1",
               std::string(RecordBytes()) + std::string(RecordBytes().line(1, "9", "", "stale")));
    ASSERT_EQ(ConvertOldRecipeFile(programFolder, 1), ConversionResult::Converted);
    EXPECT_EQ(ReadBytes(data), std::string(RecordBytes().line(1, "1", "cup", "sugar")));
}

TEST_F(OldCookbookFormatTest, AFailureBeforeTheRenameLeavesTheOldFileToBeFoundAgain) {
    const std::string old = OldFile(3, {{2, OldRecordBytes().line(1, "1", "cup", "sugar")}});
    WriteBytes(data, old);
    ConversionSteps failing;
    failing.finishing = [] { throw std::runtime_error("the window went away"); };
    EXPECT_THROW(ConvertOldRecipeFile(programFolder, 1, failing), std::runtime_error);
    EXPECT_EQ(ReadBytes(data), old);
    EXPECT_FALSE(std::filesystem::exists(folder / "Recipe3.db1"));
    EXPECT_TRUE(DetectOldRecipeFile(programFolder, 1));

    // A folder in the temporary file's way: the conversion fails, the old
    // file stays.
    std::filesystem::create_directories(folder / "Recipe3.db1" / "inside");
    EXPECT_EQ(ConvertOldRecipeFile(programFolder, 1), ConversionResult::Failed);
    EXPECT_EQ(ReadBytes(data), old);
}

TEST_F(OldCookbookFormatTest, TheStoreNeverWritesIntoAnUnconvertedFile) {
    const std::string old = OldFile(
        3, {{1, OldRecordBytes().line(1, "1", "cup", "sugar")}, {3, OldRecordBytes().line(1, "2", "", "eggs")}});
    WriteBytes(data, old);
    WriteBytes(folder / "Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1), EntryText("Buns", 3)}));
    const std::string index = ReadBytes(folder / "Breanfil.db1");
    RecipeStore store(programFolder, 1);
    RecipeRecord recipe;
    recipe.ingredients[0] = "flour";
    EXPECT_EQ(store.SaveNew(7, "Stew", recipe).result, StoreResult::OlderFormat);
    EXPECT_EQ(store.WriteInPlace(1, recipe).result, StoreResult::OlderFormat);
    EXPECT_EQ(store.Delete(3, 3).result, StoreResult::OlderFormat);
    EXPECT_EQ(ReadBytes(data), old);
    EXPECT_EQ(ReadBytes(folder / "Breanfil.db1"), index);
    EXPECT_TRUE(DetectOldRecipeFile(programFolder, 1)) << "still found, so it can still be converted";

    ASSERT_EQ(ConvertOldRecipeFile(programFolder, 1), ConversionResult::Converted);
    EXPECT_TRUE(store.SaveNew(7, "Stew", recipe).ok());
    EXPECT_EQ(store.ReadIndex(7).front().recordNumber, 2) << "the free record between the two converted ones";
}

}  // namespace
}  // namespace recipes
