#include "recipe_search/name_search.h"

#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace recipe_search {
namespace {

using recipes::testing::EntryText;
using recipes::testing::IndexFileBytes;
using recipes::testing::RecordBytes;

class NameSearchTest : public ::testing::Test {
protected:
    NameSearchTest() {
        std::string data;
        for (int k = 1; k <= 14; ++k) data += std::string(RecordBytes());
        basic::testing::WriteBytes(folder / "Recipe2.db1", data);
        basic::testing::WriteBytes(
            folder / "Pastnfil.db1",
            IndexFileBytes({EntryText("Shepherdspie", 3), EntryText("Apple Pie", 1), EntryText("Pie Crust", 14)}));
        basic::testing::WriteBytes(folder / "Appenfil.db1", IndexFileBytes({EntryText("Pierogi", 2)}));
        basic::testing::WriteBytes(folder / "Vegenfil.db1", IndexFileBytes({EntryText("Corn", 11)}));
    }
    std::vector<std::string> find(std::string_view phrase) {
        std::vector<std::string> names;
        for (const SearchHit& hit : SearchByName(cookbook, phrase))
            names.push_back(std::to_string(hit.type) + " " + recipes::EntryName(hit.entry));
        return names;
    }

    basic::testing::TestFolder folder;
    recipes::CookbookReader cookbook{basic::ProgramFolder(folder.path()), 1};
};

TEST_F(NameSearchTest, APhraseFindsNamesTypeByTypeAndAlphabetically) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(find("PIE"), (Names{"1 Pierogi", "16 Apple Pie", "16 Pie Crust", "16 Shepherdspie"}));
    EXPECT_EQ(find(" PIE"), (Names{"1 Pierogi", "16 Apple Pie", "16 Pie Crust"})) << "a leading blank: a word's start";
    EXPECT_EQ(find("PIE "), (Names{"16 Apple Pie", "16 Pie Crust", "16 Shepherdspie"}))
        << "a trailing blank: the end of a word or of the name";
    EXPECT_EQ(find("1"), Names{}) << "digits never match the record numbers";
    EXPECT_EQ(find(" ").size(), 5u) << "a single blank lists every recipe";
    EXPECT_EQ(find("ZUCCHINI"), Names{});
    const auto hits = SearchByName(cookbook, "CORN");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].entry, EntryText("Corn", 11));
}

}  // namespace
}  // namespace recipe_search
