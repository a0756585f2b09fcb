#include "platform/data_move.h"

#include <gtest/gtest.h>

#include "platform/testing/scripted_dialogs.h"
#include "platform/testing/test_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;

constexpr const char* Title = "Pantrivo Data Folder";

// A build folder an earlier version kept the user's files in, and the per-user
// folder the program keeps them in now, holding the pictures copied there.
class EarlierDataFolder : public ::testing::Test {
protected:
    EarlierDataFolder() {
        fs::create_directories(bin / "toolbar");
        WriteBytes(bin / "pantrivo", "program");
        fs::permissions(bin / "pantrivo", fs::perms::owner_exec, fs::perm_options::add);
        for (const char* file :
             {"WP1.jpg", "StartEmblem.jpg", "pantrivo.png", "Pantrivo.hlp", "Kitchen.dic", "toolbar/help.png"})
            WriteBytes(bin / file, "comes with the program");
        fs::create_directories(user);
        WriteBytes(user / "WP1.jpg", "comes with the program");
    }
    void writeUserFiles() {
        for (const char* file : {"Recipe2.db1", "Breanfil.db1", "GColor1.Fil", "HINVNAME.FIL", "SWR2.BMP"})
            WriteBytes(bin / file, std::string("the user's ") + file);
    }
    std::string tell(const EarlierData& data) {
        dialogs.expectMessage(Title);
        TellWhereDataLives(dialogs, data);
        return dialogs.messages().back().text;
    }

    basic::testing::TestFolder root;
    const fs::path bin = root / "build" / "bin";
    const fs::path user = root / "share" / "Pantrivo";
    testing::ScriptedDialogs dialogs;
};

TEST_F(EarlierDataFolder, TheUsersFilesAreCopiedIntoAnEmptyNewFolderAndTheUserIsToldOnce) {
    writeUserFiles();
    const auto earlier = TakeOverEarlierData(bin, user);
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->copy, EarlierData::Copy::Done);
    EXPECT_EQ(earlier->files.size(), 5u);
    for (const char* file : {"Recipe2.db1", "Breanfil.db1", "GColor1.Fil", "HINVNAME.FIL", "SWR2.BMP"}) {
        EXPECT_EQ(ReadBytes(user / file), std::string("the user's ") + file);
        EXPECT_EQ(ReadBytes(bin / file), std::string("the user's ") + file);  // left where they were
    }
    EXPECT_FALSE(fs::exists(user / "pantrivo"));
    EXPECT_FALSE(fs::exists(user / "Pantrivo.hlp"));

    const std::string text = tell(*earlier);
    EXPECT_NE(text.find(user.string()), std::string::npos);
    EXPECT_NE(text.find(bin.string()), std::string::npos);
    EXPECT_NE(text.find("have been copied there."), std::string::npos);

    // The next starts, with the files still in both folders, say nothing.
    EXPECT_EQ(TakeOverEarlierData(bin, user), std::nullopt);
    EXPECT_TRUE(dialogs.scriptDone());
}

TEST_F(EarlierDataFolder, ANewFolderThatHoldsFilesAlreadyKeepsThemAndTheUserIsToldWhere) {
    writeUserFiles();
    WriteBytes(user / "GColor1.Fil", "kept in the new folder");
    const auto earlier = TakeOverEarlierData(bin, user);
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->copy, EarlierData::Copy::NewFolderHasFiles);
    EXPECT_EQ(ReadBytes(user / "GColor1.Fil"), "kept in the new folder");
    EXPECT_FALSE(fs::exists(user / "Recipe2.db1"));
    EXPECT_NE(tell(*earlier).find("were not copied"), std::string::npos);
    EXPECT_EQ(TakeOverEarlierData(bin, user), std::nullopt);
}

TEST_F(EarlierDataFolder, ACopyThatFailsMidwayLeavesNoneOfTheFilesInTheNewFolder) {
    writeUserFiles();
    // The temporary name of one file is taken by a folder: that copy fails.
    fs::create_directories(user / "SWR2.BMP.copying");
    const auto earlier = TakeOverEarlierData(bin, user);
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->copy, EarlierData::Copy::Failed);
    for (const char* file : {"Recipe2.db1", "Breanfil.db1", "GColor1.Fil", "HINVNAME.FIL", "SWR2.BMP"}) {
        EXPECT_FALSE(fs::exists(user / file)) << file;
        EXPECT_FALSE(fs::is_regular_file(user / (std::string(file) + ".copying"))) << file;
    }
    EXPECT_NE(tell(*earlier).find("could not be copied"), std::string::npos);
}

TEST_F(EarlierDataFolder, NothingToTellWithoutTheUsersFilesOrWhenTheFolderIsTheSame) {
    EXPECT_EQ(TakeOverEarlierData(bin, user), std::nullopt);  // only what the program comes with
    WriteBytes(bin / ".hidden", "x");
    EXPECT_EQ(TakeOverEarlierData(bin, user), std::nullopt);
    writeUserFiles();
    EXPECT_EQ(TakeOverEarlierData(bin, bin), std::nullopt);  // the files never moved
    EXPECT_EQ(TakeOverEarlierData(root / "missing", user), std::nullopt);
}

TEST_F(EarlierDataFolder, AnotherEarlierFolderIsToldAboutToo) {
    writeUserFiles();
    const auto first = TakeOverEarlierData(bin, user);
    ASSERT_TRUE(first);
    tell(*first);

    const fs::path otherBuild = root / "other-build" / "bin";
    fs::create_directories(otherBuild);
    WriteBytes(otherBuild / "Recipe2.db2", "another cookbook");
    const auto second = TakeOverEarlierData(otherBuild, user);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->copy, EarlierData::Copy::NewFolderHasFiles);
    tell(*second);
    EXPECT_EQ(TakeOverEarlierData(bin, user), std::nullopt);
    EXPECT_EQ(TakeOverEarlierData(otherBuild, user), std::nullopt);
}

}  // namespace
}  // namespace platform
