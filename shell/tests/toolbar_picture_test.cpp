#include "shell/toolbar_picture.h"

#include "platform/program_location.h"
#include "shell/tests/program_fixture.h"
#include "shell/toolbar_table/top_toolbar_buttons.h"

namespace shell::testing {
namespace {

namespace fs = std::filesystem;
using basic::testing::WriteBytes;

// The places a picture may lie: the program folder, beside a build's
// executable, and an installed tree's data folder.
class ToolbarPictureTest : public ::testing::Test {
protected:
    ToolbarPictureTest() { fs::create_directories(bin); }

    void put(const fs::path& folder, std::string_view name) {
        fs::create_directories((folder / name).parent_path());
        WriteBytes(folder / name, "png");
    }
    // Makes the data folder count as an installed program's.
    void install() { put(data, "WP1.jpg"); }

    basic::testing::TestFolder root, own;
    const fs::path bin = root / "bin";
    const fs::path data = (bin / platform::InstalledDataPath()).lexically_normal();
    basic::ProgramFolder program{own.path()};
};

TEST_F(ToolbarPictureTest, IsLookedForInTheProgramFolderThenBesideTheProgramThenInTheInstalledTree) {
    const std::string_view name = pictures::Search;
    const struct {
        bool inProgramFolder, besideProgram, inDataFolder;
        const char* expected;  // "own", "bin", "data" or "" for none
    } cases[] = {
        {false, false, false, ""},    {true, false, false, "own"}, {false, true, false, "bin"},
        {false, false, true, "data"}, {true, true, true, "own"},   {false, true, true, "bin"},
    };
    for (const auto& c : cases) {
        for (const fs::path& folder : {own.path(), bin, data}) fs::remove_all(folder / "toolbar");
        install();
        if (c.inProgramFolder) put(own.path(), name);
        if (c.besideProgram) put(bin, name);
        if (c.inDataFolder) put(data, name);
        const std::string expected = c.expected;
        const fs::path found = ToolbarPicture(program, bin, name);
        if (expected.empty()) {
            EXPECT_TRUE(found.empty()) << found;
        } else {
            const fs::path folder = expected == "own" ? own.path() : expected == "bin" ? bin : data;
            EXPECT_EQ(found, folder / name) << expected;
        }
    }
}

TEST_F(ToolbarPictureTest, ADataFolderWithoutTheProgramsPicturesIsNoInstalledTree) {
    put(data, pictures::Help);
    EXPECT_TRUE(ToolbarPicture(program, bin, pictures::Help).empty());
    install();
    EXPECT_EQ(ToolbarPicture(program, bin, pictures::Help), data / pictures::Help);
}

TEST_F(ToolbarPictureTest, AFolderByThePicturesNameIsNoPicture) {
    fs::create_directories(own / pictures::Copy);
    EXPECT_TRUE(ToolbarPicture(program, bin, pictures::Copy).empty());
}

class TopToolbarButtonsTest : public ProgramTest {};

TEST_F(TopToolbarButtonsTest, GivesTheTablesButtonsWithThePicturesThatAreThere) {
    const std::string_view picture = TopToolbarEntryOf(TopButton::RecipeFile).picture;
    fs::create_directories((folder / picture).parent_path());
    writeFile(std::string(picture), "png");

    const std::vector<ui::ToolbarButton> buttons = TopToolbarButtons(app());
    ASSERT_EQ(buttons.size(), TopToolbarEntries().size());
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        const TopToolbarEntry& entry = TopToolbarEntries()[k];
        EXPECT_EQ(buttons[k].key, entry.key);
        EXPECT_EQ(buttons[k].toolTip, entry.toolTip);
        EXPECT_TRUE(buttons[k].enabled);
        EXPECT_TRUE(buttons[k].visible);
        // Only the one picture is anywhere this test program looks; the rest show their text.
        if (entry.picture == picture) EXPECT_EQ(buttons[k].picture, folder / picture);
        else EXPECT_TRUE(buttons[k].picture.empty()) << entry.picture;
    }
    EXPECT_EQ(ToolbarPicture(app(), picture), folder / picture);
}

}  // namespace
}  // namespace shell::testing
