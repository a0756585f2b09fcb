#include "platform/program_location.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "platform/testing/test_folder.h"

namespace platform {
namespace {

TEST(ProgramLocation, AProgramFolderThatCannotBeWrittenStillGetsTheUserFolderMadeForIt) {
    basic::testing::TestFolder user;
    const auto chosen = ChooseProgramFolder("/nonexistent/pantrivo/bin", user / "data" / "Pantrivo", std::nullopt);
    EXPECT_EQ(chosen, user / "data" / "Pantrivo");
    EXPECT_TRUE(std::filesystem::is_directory(chosen));
}

TEST(ProgramLocation, UserDataFolderFollowsXdgDataHome) {
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path("/tmp/xdg-data/Pantrivo"));
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/cook", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path("/home/cook/.local/share/Pantrivo"));
}

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;

// An installed tree: the program's bin folder with the data folder where the build installs it.
class InstalledProgram : public ::testing::Test {
protected:
    InstalledProgram() { fs::create_directories(bin); }

    basic::testing::TestFolder root, home;
    const fs::path bin = root / "bin";
    const fs::path data = (bin / InstalledDataPath()).lexically_normal();
    const fs::path user = home / "Pantrivo";
};

TEST_F(InstalledProgram, TheDataFolderCountsOnlyWhenItHoldsThePictures) {
    struct Case {
        std::vector<const char*> files;  // in the data folder; empty: the folder is missing
        bool installed;
    };
    const Case cases[] = {
        {{}, false},
        {{"help.txt"}, false},
        {{"pantrivo.png", "Notes.jpg"}, false},
        {{"StartEmblem.jpg"}, true},
        {{"help.txt", "WP7.jpg"}, true},
    };
    for (const Case& c : cases) {
        fs::remove_all(data);
        for (const char* file : c.files) {
            fs::create_directories(data);
            WriteBytes(data / file, "x");
        }
        const auto found = InstalledDataFolder(bin);
        EXPECT_EQ(found.has_value(), c.installed) << c.files.size() << " files";
        if (found) {
            EXPECT_EQ(*found, data);
        }
    }
}

TEST_F(InstalledProgram, AlwaysKeepsItsFilesInTheUserFolderWithThePicturesCopiedThere) {
    fs::create_directories(data);
    for (const char* picture : {"WP1.jpg", "WP16.jpg", "StartEmblem.jpg"}) WriteBytes(data / picture, picture);
    WriteBytes(data / "help.txt", "help");
    ASSERT_EQ(::access(bin.c_str(), W_OK), 0);  // writable, as when run as root, and still not used

    EXPECT_EQ(ChooseProgramFolder(bin, user, InstalledDataFolder(bin)), user);
    for (const char* picture : {"WP1.jpg", "WP16.jpg", "StartEmblem.jpg"})
        EXPECT_EQ(ReadBytes(user / picture), picture);
    EXPECT_FALSE(fs::exists(user / "help.txt"));
    EXPECT_TRUE(fs::is_empty(bin));
}

TEST_F(InstalledProgram, LaterStartsOnlyAddMissingPictures) {
    fs::create_directories(data);
    WriteBytes(data / "WP1.jpg", "installed");
    WriteBytes(data / "WP2.jpg", "installed");
    fs::create_directories(user);
    WriteBytes(user / "WP1.jpg", "the user's");
    WriteBytes(user / "GColor1.Fil", "settings");

    EXPECT_EQ(ChooseProgramFolder(bin, user, data), user);
    EXPECT_EQ(ReadBytes(user / "WP1.jpg"), "the user's");
    EXPECT_EQ(ReadBytes(user / "WP2.jpg"), "installed");
    EXPECT_EQ(ReadBytes(user / "GColor1.Fil"), "settings");
}

TEST_F(InstalledProgram, WithoutAUserFolderThePicturesStillShowFromTheDataFolder) {
    fs::create_directories(data);
    WriteBytes(data / "WP1.jpg", "installed");
    WriteBytes(home / "blocked", "a file where the folder should go");
    EXPECT_EQ(ChooseProgramFolder(bin, home / "blocked" / "Pantrivo", data), data);
}

TEST_F(InstalledProgram, RunFromItsBuildItKeepsItsFilesOutsideTheBuildWithThePicturesCopied) {
    // A build: the pictures beside the program, which could write there.
    for (const char* picture : {"WP1.jpg", "StartEmblem.jpg"}) WriteBytes(bin / picture, picture);
    WriteBytes(bin / "Pantrivo.hlp", "# 1 Contents");
    ASSERT_EQ(InstalledDataFolder(bin), std::nullopt);

    EXPECT_EQ(ChooseProgramFolder(bin, user, std::nullopt), user);
    for (const char* picture : {"WP1.jpg", "StartEmblem.jpg"}) EXPECT_EQ(ReadBytes(user / picture), picture);
    EXPECT_FALSE(fs::exists(user / "Pantrivo.hlp"));
    EXPECT_EQ(BundledDataFolder(bin), bin);
}

TEST_F(InstalledProgram, RunFromItsBuildWithoutAUserFolderItKeepsItsFilesBesideItself) {
    WriteBytes(bin / "WP1.jpg", "built");
    WriteBytes(home / "blocked", "a file where the folder should go");
    EXPECT_EQ(ChooseProgramFolder(bin, home / "blocked" / "Pantrivo", std::nullopt), bin);
}

TEST_F(InstalledProgram, TheHelpFileIsReadWhereItWasInstalledNeverFromACopy) {
    EXPECT_EQ(BundledDataFolder(bin), bin);  // run from the build

    fs::create_directories(data);
    WriteBytes(data / "WP1.jpg", "x");
    WriteBytes(data / "Pantrivo.hlp", "# 1 Contents");
    EXPECT_EQ(ChooseProgramFolder(bin, user, InstalledDataFolder(bin)), user);
    EXPECT_EQ(BundledDataFolder(bin), data);
    EXPECT_FALSE(fs::exists(user / "Pantrivo.hlp"));
}

TEST_F(InstalledProgram, TheWindowIconIsFoundBesideTheProgramOrAmongTheDesktopIcons) {
    EXPECT_EQ(ProgramIconFile(bin), std::nullopt);

    fs::create_directories(data);
    WriteBytes(data / "StartEmblem.jpg", "x");
    const fs::path hicolor = data.parent_path() / "icons" / "hicolor" / "256x256" / "apps" / "pantrivo.png";
    fs::create_directories(hicolor.parent_path());
    WriteBytes(hicolor, "png");
    EXPECT_EQ(ProgramIconFile(bin), hicolor);

    WriteBytes(bin / "pantrivo.png", "png");
    EXPECT_EQ(ProgramIconFile(bin), bin / "pantrivo.png");
}

TEST_F(InstalledProgram, BundledFilesAreFoundBesideTheProgramOrInTheDataFolder) {
    const fs::path picture = "toolbar/search.png";
    EXPECT_EQ(BundledFile(bin, picture), std::nullopt);

    // The data folder counts only as an installed program's, one that holds the pictures.
    fs::create_directories(data / "toolbar");
    WriteBytes(data / picture, "installed");
    EXPECT_EQ(BundledFile(bin, picture), std::nullopt);
    WriteBytes(data / "WP1.jpg", "x");
    EXPECT_EQ(BundledFile(bin, picture), data / picture);
    EXPECT_EQ(BundledFile(bin, "toolbar/help.png"), std::nullopt);

    // A folder by the name is no file.
    fs::create_directories(bin / "toolbar" / "help.png");
    EXPECT_EQ(BundledFile(bin, "toolbar/help.png"), std::nullopt);

    fs::create_directories(bin / "toolbar");
    WriteBytes(bin / picture, "built");
    EXPECT_EQ(BundledFile(bin, picture), bin / picture);
}

}  // namespace
}  // namespace platform
