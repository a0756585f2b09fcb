#include "recipe_search/ingredient_search.h"

#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"
#include "recipe_search/name_search.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipe_search {
namespace {

using recipes::testing::EntryText;
using recipes::testing::IndexFileBytes;
using recipes::testing::RecordBytes;

class IngredientSearchTest : public ::testing::Test {
protected:
    IngredientSearchTest() {
        basic::testing::WriteBytes(
            folder / "Recipe2.db1",
            std::string(RecordBytes().line(1, "2", "cups", "flour").line(5, "2", "", "eggs")) +  // 1 Bread
                std::string(RecordBytes().line(1, "2", "cups", "flour")) +                       // 2 Biscuits
                std::string(RecordBytes().line(3, "1", "", "eggplant")) +                        // 3 Moussaka
                std::string(RecordBytes().line(2, "3", "", "egg whites")) +                      // 4 Meringue
                std::string(RecordBytes().line(1, "1", "", "boiled egg")));                      // 5 Salad
        basic::testing::WriteBytes(folder / "Breanfil.db1",
                                   IndexFileBytes({EntryText("Bread", 1), EntryText("Biscuits", 2)}));
        basic::testing::WriteBytes(folder / "Dessnfil.db1", IndexFileBytes({EntryText("Meringue", 4)}));
        basic::testing::WriteBytes(folder / "Vegenfil.db1", IndexFileBytes({EntryText("Moussaka", 3)}));
        basic::testing::WriteBytes(folder / "Salanfil.db1",
                                   IndexFileBytes({EntryText("Salad", 5), EntryText("Ghost", 9)}));
    }
    using Names = std::vector<std::string>;
    static Names names(const std::vector<SearchHit>& hits) {
        Names found;
        for (const SearchHit& hit : hits) found.push_back(recipes::EntryName(hit.entry));
        return found;
    }
    Names all(std::array<std::string, 3> boxes, IngredientMode mode) {
        return names(SearchAllByIngredient(cookbook, {boxes, mode}));
    }
    Names ofType(int type, std::array<std::string, 3> boxes, IngredientMode mode) {
        return names(SearchTypeByIngredient(cookbook, type, {boxes, mode}));
    }

    basic::testing::TestFolder folder;
    recipes::CookbookReader cookbook{basic::ProgramFolder(folder.path()), 1};
};

TEST_F(IngredientSearchTest, WordsCombineAsTheModeSays) {
    EXPECT_EQ(ofType(3, {"flour", "egg", ""}, IngredientMode::AllWords), Names{"Bread"});
    EXPECT_EQ(ofType(3, {"flour", "egg", ""}, IngredientMode::AnyWord), (Names{"Biscuits", "Bread"}));
    EXPECT_EQ(ofType(3, {"flour", "egg", ""}, IngredientMode::FirstWordOnly), (Names{"Biscuits", "Bread"}));
    EXPECT_EQ(all({"egg", "", ""}, IngredientMode::FirstWordOnly), (Names{"Bread", "Meringue", "Salad", "Moussaka"}))
        << "type by type in list order; a word matches inside longer words";
}

TEST_F(IngredientSearchTest, BlanksTieAWordToTheStartOrEndOfAWord) {
    EXPECT_EQ(ofType(9, {"egg ", "", ""}, IngredientMode::FirstWordOnly), Names{"Meringue"});
    EXPECT_EQ(ofType(18, {"egg ", "", ""}, IngredientMode::FirstWordOnly), Names{"Salad"}) << "a line ending in EGG";
    EXPECT_EQ(all({" egg ", "", ""}, IngredientMode::FirstWordOnly), (Names{"Meringue", "Salad"}));
    EXPECT_EQ(ofType(3, {"   ", "", ""}, IngredientMode::FirstWordOnly), (Names{"Biscuits", "Bread"}))
        << "an empty word finds every recipe of the type";
    EXPECT_EQ(ofType(18, {"ghost", "", ""}, IngredientMode::FirstWordOnly), Names{})
        << "an entry past the data file's end is skipped";
}

TEST_F(IngredientSearchTest, CompactingMovesTheWordsUpAndLosesNone) {
    const struct {
        std::array<std::string, 3> before;
        std::array<std::string, 3> after;
        int words;
    } cases[] = {
        {{"", "egg", ""}, {"egg", "", ""}, 1},
        {{"", "egg", "flour"}, {"egg", "flour", ""}, 2},
        {{"  ", "", "flour"}, {"flour", "", ""}, 1},
        {{"egg", "", "flour"}, {"egg", "flour", ""}, 2},
        {{"egg", "milk", "flour"}, {"egg", "milk", "flour"}, 3},
        {{"  ", "", ""}, {"  ", "", ""}, 1},
    };
    for (const auto& c : cases) {
        auto boxes = c.before;
        CompactBoxes(boxes);
        EXPECT_EQ(boxes, c.after) << c.before[0] << "|" << c.before[1] << "|" << c.before[2];
        EXPECT_EQ(WordCount(boxes), c.words);
    }
}

// A cookbook of some thousands of recipes, so that each of several threads
// reads blocks of its own: names repeat within a type (their order must hold),
// some records are free, some are named by two types, some entries point past
// the end of the data file or cannot be read.
class ManyThreadsTest : public ::testing::Test {
protected:
    static constexpr long kRecords = 2600;

    ManyThreadsTest() {
        const char* words[] = {"flour", "Egg whites", "boiled EGG", "eggplant", "milk", "buttermilk", "nutmeg", "salt"};
        std::string data;
        std::vector<std::vector<std::string>> entries(recipes::RecipeTypeCount);
        for (long k = 1; k <= kRecords; ++k) {
            RecordBytes record(k % 97 == 0 ? "**** " : "Full1");
            for (int line = 1; line <= 1 + k % 4; ++line)
                record.line(line, "1", "cup", words[static_cast<std::size_t>(k * 7 + line * 3) % std::size(words)]);
            data += std::string(record);
            const auto type = static_cast<std::size_t>(k % recipes::RecipeTypeCount);
            entries[type].push_back(EntryText("Dish " + std::to_string(k * 37 % 50), k));
            if (k % 11 == 0) entries[(type + 5) % entries.size()].push_back(EntryText("Also " + std::to_string(k), k));
        }
        entries[0].push_back(EntryText("Past the end", kRecords + 3));
        basic::testing::WriteBytes(folder / "Recipe2.db1", data);
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
            auto bytes = IndexFileBytes(entries[static_cast<std::size_t>(type - 1)]);
            if (type == 4) bytes += recipes::testing::IndexRecordBytes("damaged", 200);
            basic::testing::WriteBytes(cookbook.IndexFilePath(type), bytes);
        }
    }

    basic::testing::TestFolder folder;
    recipes::CookbookReader cookbook{basic::ProgramFolder(folder.path()), 1};
};

TEST_F(ManyThreadsTest, EveryNumberOfThreadsFindsTheSameHitsInTheSameOrder) {
    const IngredientQuery queries[] = {
        {{"egg", "", ""}, IngredientMode::FirstWordOnly},
        {{" egg ", "", ""}, IngredientMode::FirstWordOnly},
        {{"egg", "milk", ""}, IngredientMode::AllWords},
        {{"milk", "salt", "flour"}, IngredientMode::AnyWord},
    };
    for (const auto& query : queries) {
        const auto alone = SearchAllByIngredient(cookbook, query, 1);
        ASSERT_FALSE(alone.empty()) << query.boxes[0];
        for (const unsigned threads : {2u, 3u, 8u, 0u})
            EXPECT_EQ(SearchAllByIngredient(cookbook, query, threads), alone) << query.boxes[0] << " on " << threads;
        const auto desserts = SearchTypeByIngredient(cookbook, 9, query, 1);
        EXPECT_EQ(SearchTypeByIngredient(cookbook, 9, query, 5), desserts) << query.boxes[0];
    }
}

TEST_F(ManyThreadsTest, TheNameSearchFindsTheSameOnEveryNumberOfThreads) {
    for (const std::string_view phrase : {" DISH 1", "ALSO", " "}) {
        const auto alone = SearchByName(cookbook, phrase, 1);
        ASSERT_FALSE(alone.empty()) << phrase;
        for (const unsigned threads : {2u, 5u, 0u})
            EXPECT_EQ(SearchByName(cookbook, phrase, threads), alone) << phrase << " on " << threads;
    }
}

TEST_F(IngredientSearchTest, MoreThreadsThanRecordsFindTheSame) {
    const IngredientQuery query{{"egg", "", ""}, IngredientMode::FirstWordOnly};
    EXPECT_EQ(SearchAllByIngredient(cookbook, query, 64), SearchAllByIngredient(cookbook, query, 1));
}

}  // namespace
}  // namespace recipe_search
