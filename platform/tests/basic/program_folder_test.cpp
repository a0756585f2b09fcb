#include "platform/basic/program_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/basic/random_access_file.h"
#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ProgramFolderTest : public ::testing::Test {
protected:
    testing::TestFolder folder;
    ProgramFolder program{folder.path()};
};

TEST_F(ProgramFolderTest, NamesDifferingInCaseAreOneFile) {
    WriteBytes(folder / "GColor4.Fil", "x");
    EXPECT_EQ(program.Resolve("Gcolor4.fil"), folder / "GColor4.Fil");
    EXPECT_EQ(program.Resolve("GCOLOR4.FIL"), folder / "GColor4.Fil");

    // Writing through one spelling and reading through the other.
    {
        auto records = RandomAccessFile::Open(program.Resolve("Gcolor4.fil"), 1);
        ASSERT_TRUE(records);
        ASSERT_TRUE(records->Put(2, "y"));
    }
    EXPECT_EQ(ReadBytes(program.Resolve("GColor4.Fil")), "xy");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1);
}

TEST_F(ProgramFolderTest, ANewFileTakesTheSpellingGiven) {
    EXPECT_EQ(program.Resolve("HINV3.Fil"), folder / "HINV3.Fil");
    ASSERT_TRUE(RandomAccessFile::Open(program.Resolve("HINV3.Fil"), 10));
    EXPECT_TRUE(std::filesystem::exists(folder / "HINV3.Fil"));
}

TEST_F(ProgramFolderTest, ExactSpellingWinsOverOthers) {
    WriteBytes(folder / "list.txt", "lower");
    WriteBytes(folder / "LIST.TXT", "upper");
    EXPECT_EQ(program.Resolve("LIST.TXT"), folder / "LIST.TXT");
    EXPECT_EQ(program.Resolve("list.txt"), folder / "list.txt");
}

TEST_F(ProgramFolderTest, AmongOtherSpellingsTheFirstByNameWins) {
    WriteBytes(folder / "list.txt", "lower");
    WriteBytes(folder / "List.txt", "capital");
    WriteBytes(folder / "LIST.TXT", "upper");
    for (int i = 0; i < 3; ++i) WriteBytes(folder / ("other" + std::to_string(i)), "x");
    EXPECT_EQ(program.Resolve("List.TXT"), folder / "LIST.TXT");
    EXPECT_EQ(program.Resolve("missing.txt"), folder / "missing.txt");
}

TEST_F(ProgramFolderTest, AccentedNamesAreUtf8OnDisk) {
    WriteBytes(folder / "Cr\xC3\xA8me.rc1", "x");
    EXPECT_EQ(program.Resolve("CR\xC8ME.RC1"), folder / "Cr\xC3\xA8me.rc1");
}

TEST_F(ProgramFolderTest, NamesWithAFolderPartAreTakenAsGiven) {
    std::filesystem::create_directory(folder / "Sub");
    WriteBytes(folder / "Sub" / "File.txt", "x");
    EXPECT_EQ(program.Resolve("Sub/file.txt"), folder / "Sub/file.txt");
    EXPECT_EQ(program.Resolve("/tmp/x.txt"), std::filesystem::path("/tmp/x.txt"));
}

TEST_F(ProgramFolderTest, MakeCurrent) {
    const auto previous = std::filesystem::current_path();
    EXPECT_TRUE(program.MakeCurrent());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(folder.path()));
    std::filesystem::current_path(previous);
    EXPECT_FALSE(ProgramFolder(folder / "missing").MakeCurrent());
}

}  // namespace
}  // namespace basic
