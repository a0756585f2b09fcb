// Each store operation is run in a child process that is killed after its
// k-th durable step (write, sync, rename, removal), for k = 1, 2, ... until
// the operation completes. After each kill the cookbook is opened again, as
// the program would, and must show the state before the operation or the
// state after it, with no entry naming a free record and nothing of ours
// left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "platform/basic/atomic_write.h"
#include "platform/testing/kill_points.h"
#include "platform/testing/test_folder.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/store/old_cookbook_format.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipes {
namespace {

using basic::testing::ReadBytes;
using basic::testing::RunUntilKilled;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::OldRecordBytes;
using testing::RecordBytes;

constexpr int kCookbook = 2;

// What the user can see of a cookbook: every listed entry with the bytes of
// the record it names, and the data file's length.
struct Visible {
    std::multiset<std::tuple<int, std::string, std::string>> recipes;
    bool operator==(const Visible&) const = default;
};

Visible Look(const basic::ProgramFolder& folder, int cookbook) {
    const CookbookReader reader(folder, cookbook);
    Visible seen;
    for (int type = 1; type <= RecipeTypeCount; ++type)
        for (const IndexEntry& entry : reader.ReadIndex(type))
            seen.recipes.insert({type, entry.text, reader.ReadRecordBytes(entry.recordNumber)});
    return seen;
}

// Every entry listed names a record in use.
void ExpectEntriesNameRecipes(const basic::ProgramFolder& folder, int cookbook) {
    const CookbookReader reader(folder, cookbook);
    for (int type = 1; type <= RecipeTypeCount; ++type)
        for (const IndexEntry& entry : reader.ReadIndex(type))
            EXPECT_TRUE(IsInUseMarker(MarkerOf(reader.ReadRecordBytes(entry.recordNumber)))) << entry.text;
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool IsOurs(const std::string& name) {
    return name.find("pantrivo-tmp") != std::string::npos || name.find("pantrivo-journal") != std::string::npos ||
           name == ConversionFileName;
}

void CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
    for (const auto& entry : std::filesystem::directory_iterator(to)) std::filesystem::remove_all(entry.path());
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

// Cookbook 2: three recipes of the first type (record 3 deleted between
// them), one of the second, and an entry of the third that names a record
// past the end of the file.
void WriteCookbook(const std::filesystem::path& folder) {
    std::string data = RecordBytes().line(1, "1", "cup", "Flour").directions("Mix.");
    data += RecordBytes().line(1, "2", "tbsp", "Butter").directions("Melt.");
    data += RecordBytes("**** ");
    data += RecordBytes().line(1, ".5", "tsp", "Salt").directions("Stir.");
    WriteBytes(folder / RecipeDataFileName(kCookbook), data);
    WriteBytes(folder / RecipeIndexFileName(1, kCookbook),
               IndexFileBytes({EntryText("Bread", 1), EntryText("Butter Cake", 2)}));
    WriteBytes(folder / RecipeIndexFileName(2, kCookbook), IndexFileBytes({EntryText("Salt Soup", 4)}));
    WriteBytes(folder / RecipeIndexFileName(3, kCookbook), IndexFileBytes({EntryText("Lost", 5)}));
}

RecipeRecord Cake(std::string_view directions) {
    RecipeRecord record;
    record.amounts[0] = "3";
    record.ingredients[0] = "Eggs";
    record.directions = std::string(directions);
    return record;
}

struct CrashCase {
    const char* name;
    int cookbook;
    std::function<void(const std::filesystem::path&)> prepare;
    std::function<void(const basic::ProgramFolder&)> operation;
};

// Steps through the operation's stop points; returns how many there are.
int StepThrough(const CrashCase& c) {
    TestFolder base, work, done;
    c.prepare(base.path());
    const basic::ProgramFolder workFolder(work.path());
    CopyFolder(base.path(), done.path());
    static_cast<void>(RecipeStore(basic::ProgramFolder(done.path()), c.cookbook).Recover());
    const Visible before = Look(basic::ProgramFolder(done.path()), c.cookbook);
    c.operation(basic::ProgramFolder(done.path()));
    const Visible after = Look(basic::ProgramFolder(done.path()), c.cookbook);
    EXPECT_NE(before, after) << c.name;

    for (int stopAt = 1; stopAt < 200; ++stopAt) {
        CopyFolder(base.path(), work.path());
        const bool finished = RunUntilKilled([&] { c.operation(workFolder); }, stopAt);
        EXPECT_TRUE(RecipeStore(workFolder, c.cookbook).Recover()) << c.name << " at step " << stopAt;
        const Visible seen = Look(workFolder, c.cookbook);
        EXPECT_TRUE(seen == before || seen == after) << c.name << ": a mix after step " << stopAt;
        // An older file's records are not in the current layout until converted.
        if (!DetectOldRecipeFile(workFolder, c.cookbook)) ExpectEntriesNameRecipes(workFolder, c.cookbook);
        for (const auto& name : FileNames(work.path()))
            EXPECT_FALSE(IsOurs(name)) << c.name << ": " << name << " left after step " << stopAt;
        if (finished) return stopAt - 1;
    }
    ADD_FAILURE() << c.name << " never finished";
    return 0;
}

TEST(CrashTest, EveryStoreOperationLeavesTheOldStateOrTheNewAtEveryStopPoint) {
    const std::vector<CrashCase> cases = {
        {"save new", kCookbook, WriteCookbook,
         [](const basic::ProgramFolder& f) {
             EXPECT_TRUE(RecipeStore(f, kCookbook).SaveNew(1, "Crash Cake", Cake("Bake.")).ok());
         }},
        {"save in place", kCookbook, WriteCookbook,
         [](const basic::ProgramFolder& f) {
             EXPECT_TRUE(RecipeStore(f, kCookbook).WriteInPlace(2, Cake("Bake longer.")).ok());
         }},
        {"delete", kCookbook, WriteCookbook,
         [](const basic::ProgramFolder& f) { EXPECT_TRUE(RecipeStore(f, kCookbook).Delete(1, 1).ok()); }},
        {"rename", kCookbook, WriteCookbook,
         [](const basic::ProgramFolder& f) {
             EXPECT_TRUE(RecipeStore(f, kCookbook).Rename(2, 4, "Sea Salt Soup").ok());
         }},
        {"older format conversion", 1,
         [](const std::filesystem::path& folder) {
             std::string data = OldRecordBytes().line(1, "1", "cup", "Rice");
             data += OldRecordBytes("");
             data += OldRecordBytes().line(14, "2", "cups", "Water");
             WriteBytes(folder / RecipeDataFileName(1), data);
             WriteBytes(folder / RecipeIndexFileName(1, 1),
                        IndexFileBytes({EntryText("Rice", 1), EntryText("Water", 3)}));
         },
         [](const basic::ProgramFolder& f) { EXPECT_EQ(ConvertOldRecipeFile(f, 1), ConversionResult::Converted); }},
    };
    for (const auto& c : cases) {
        const int stops = StepThrough(c);
        EXPECT_GT(stops, 0) << c.name;
        std::printf("%s: %d stop points\n", c.name, stops);
    }
}

// The export writes into a folder of the user's: a kill leaves the old file
// or the new one, and of ours at most a temporary file named as ours.
TEST(CrashTest, ExportLeavesTheOldFileOrTheNewAtEveryStopPoint) {
    recipes::RecipeDraft recipe;
    recipe.type = std::string(RecipeTypeName(1));
    recipe.name = "Crash Cake";
    recipe.directions = "Bake.";
    const std::string bytes = recipe_search::EncodeTransferFile(recipe);
    for (const bool replacing : {false, true}) {
        TestFolder folder;
        const auto target = folder / "CrashCak.rc1";
        int stops = 0;
        for (int stopAt = 1; stopAt < 50; ++stopAt) {
            for (const auto& name : FileNames(folder.path())) std::filesystem::remove(folder / name);
            if (replacing) WriteBytes(target, "old");
            const bool finished = RunUntilKilled([&] { EXPECT_TRUE(basic::AtomicWriteFile(target, bytes)); }, stopAt);
            const std::string now = ReadBytes(target);
            EXPECT_TRUE(now == bytes || now == (replacing ? "old" : "")) << "after step " << stopAt;
            for (const auto& name : FileNames(folder.path()))
                if (name != target.filename()) {
                    EXPECT_TRUE(name.starts_with(basic::TemporaryNamePrefix(target))) << name;
                    EXPECT_TRUE(replacing) << name << " left after step " << stopAt;
                }
            if (finished) {
                stops = stopAt - 1;
                break;
            }
        }
        EXPECT_GT(stops, 0);
        std::printf("export %s: %d stop points\n", replacing ? "over a file" : "as a new file", stops);
    }
}

}  // namespace
}  // namespace recipes
