// The shopping list's own cookbook: its record, its titles and its menu.
#include "shopping/select/list_cookbook.h"

#include "shell/tests/program_fixture.h"

namespace shopping {
namespace {

using shell::settings::GColor4;

class ListCookbookTest : public shell::testing::ProgramTest {
protected:
    // GColor4.Fil with the given records 1 to 11 (empty texts are never-written records).
    void writeSettings(const std::vector<std::string>& records) {
        std::string bytes;
        for (const std::string& text : records) bytes += text.empty() ? std::string(40, '\0') : textRecord(text, 40);
        writeFile("GColor4.Fil", bytes);
    }
    int loaded() {
        LoadListCookbook(app());
        return ListCookbook(app()).ListCookbookNumber;
    }
};

TEST_F(ListCookbookTest, ARecordThatNamesNoCookbookGivesCookbookOne) {
    EXPECT_EQ(loaded(), 1) << "no settings file";
    const std::pair<const char*, int> cases[] = {
        {"", 1}, {" 0", 1}, {" 9", 1}, {"-2", 1}, {" 2.5", 1}, {"abc", 1}, {" 3", 3}, {" 8", 8}, {"5", 5},
    };
    for (const auto& [stored, expected] : cases) {
        std::vector<std::string> records(11);
        records[10] = stored;
        writeSettings(records);
        EXPECT_EQ(loaded(), expected) << '"' << stored << '"';
    }
}

TEST_F(ListCookbookTest, TitlesAreTrimmedForTheStatusAndKeptAsStoredInTheMenu) {
    writeSettings({" 1", "  Family Favorites ", "Grandma's", "", "", "", "", "", "Holidays", "", " 8"});
    LoadListCookbook(app());
    const ListCookbookState& state = ListCookbook(app());
    EXPECT_EQ(state.ListCookbookNumber, 8);
    EXPECT_EQ(state.CookbookTitles[0], "Family Favorites");
    EXPECT_EQ(state.title(), "Holidays");
    const auto captions = CookbookMenuCaptions(app());
    EXPECT_EQ(captions[0], "Cookbook #1 -   Family Favorites ");
    EXPECT_EQ(captions[1], "Cookbook #2 - Grandma's");
    EXPECT_EQ(captions[2], "Cookbook #3 - ");
    EXPECT_EQ(captions[7], "Cookbook #8 - Holidays");
}

TEST_F(ListCookbookTest, AChosenCookbookIsStoredWithABlankForItsSignAndOutlivesTheProgram) {
    writeSettings({" 2", "Everyday"});
    ChooseListCookbook(app(), 3);
    EXPECT_EQ(ListCookbook(app()).ListCookbookNumber, 3);
    EXPECT_EQ(record("GColor4.Fil", 40, 11), textRecord(" 3", 40));
    EXPECT_EQ(record("GColor4.Fil", 40, 1), textRecord(" 2", 40)) << "the recipe window's cookbook stays";
    restart();
    EXPECT_EQ(loaded(), 3);
}

}  // namespace
}  // namespace shopping
