#include "recipe_search/ingredient_search.h"

#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"
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

}  // namespace
}  // namespace recipe_search
