#include "platform/basic/file_commands.h"

#include <gtest/gtest.h>

#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class FileCommandsTest : public ::testing::Test {
protected:
    void Create(std::initializer_list<const char*> names) {
        for (const char* name : names) WriteBytes(folder / name, name);
    }
    std::vector<std::string> All() const { return Dir(folder.path(), "*"); }

    testing::TestFolder folder;
    ProgramFolder program{folder.path()};
};

TEST_F(FileCommandsTest, KillMatchesPatternsWithoutRegardToCase) {
    struct Case {
        const char* pattern;
        int deleted;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {"*.FIL", 2, {"Day1999.yr", "Day2000.yr", "notes", "Recipe2.db1"}},
        {"day????.YR", 2, {"GColor1.Fil", "GColor2.fil", "notes", "Recipe2.db1"}},
        {"recipe2.db1", 1, {"Day1999.yr", "Day2000.yr", "GColor1.Fil", "GColor2.fil", "notes"}},
        {"*.*", 6, {}},
        {"*.bak", 0, {"Day1999.yr", "Day2000.yr", "GColor1.Fil", "GColor2.fil", "notes", "Recipe2.db1"}},
        {"Day2*", 1, {"Day1999.yr", "GColor1.Fil", "GColor2.fil", "notes", "Recipe2.db1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        Create({"GColor1.Fil", "GColor2.fil", "Recipe2.db1", "Day1999.yr", "Day2000.yr", "notes"});
        EXPECT_EQ(Kill(program, c.pattern), c.deleted);
        EXPECT_EQ(All(), c.left);
        Kill(program, "*");
    }
}

TEST_F(FileCommandsTest, KillLeavesFoldersAndHandlesFolderParts) {
    std::filesystem::create_directory(folder / "Backup");
    Create({"Backup/a.fil", "Backup/b.fil", "a.fil"});
    EXPECT_EQ(Kill(program, "Backup/*.fil"), 2);
    EXPECT_EQ(Kill(program, "*"), 1);  // the folder stays
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Backup"));
    EXPECT_EQ(Kill(ProgramFolder(folder / "missing"), "*"), 0);
}

TEST_F(FileCommandsTest, DirListsSortedMatches) {
    Create({"b.txt", "A.txt", "c.TXT", "d.doc"});
    std::filesystem::create_directory(folder / "e.txt");
    EXPECT_EQ(Dir(folder.path(), "*.txt"), (std::vector<std::string>{"A.txt", "b.txt", "c.TXT"}));
    EXPECT_EQ(Dir(folder.path(), "?.doc"), (std::vector<std::string>{"d.doc"}));
    EXPECT_TRUE(Dir(folder.path(), "*.xyz").empty());
    EXPECT_TRUE(Dir(folder / "missing", "*").empty());
}

TEST_F(FileCommandsTest, NameRenamesButNeverOverwrites) {
    Create({"old.txt", "taken.txt"});
    EXPECT_TRUE(Name(folder / "old.txt", folder / "new.txt"));
    EXPECT_EQ(ReadBytes(folder / "new.txt"), "old.txt");
    EXPECT_FALSE(Name(folder / "new.txt", folder / "taken.txt"));
    EXPECT_EQ(ReadBytes(folder / "taken.txt"), "taken.txt");
    EXPECT_FALSE(Name(folder / "missing.txt", folder / "other.txt"));
}

TEST_F(FileCommandsTest, FileCopyReplacesTheTarget) {
    std::string big(200 * 1024, 'x');  // more than one copy buffer
    big[123456] = 'y';
    WriteBytes(folder / "from.db", big);
    WriteBytes(folder / "to.db", "old");
    EXPECT_TRUE(FileCopy(folder / "from.db", folder / "to.db"));
    EXPECT_EQ(ReadBytes(folder / "to.db"), big);
    EXPECT_FALSE(FileCopy(folder / "missing.db", folder / "to.db"));
    EXPECT_FALSE(FileCopy(folder / "from.db", folder / "no/such/to.db"));
    EXPECT_EQ(ReadBytes(folder / "to.db"), big);
}

TEST_F(FileCommandsTest, FileLenFileExistsAndMkDir) {
    WriteBytes(folder / "five", "12345");
    EXPECT_EQ(FileLen(folder / "five"), 5u);
    EXPECT_EQ(FileLen(folder / "missing"), std::nullopt);
    EXPECT_EQ(FileLen(folder.path()), std::nullopt);

    EXPECT_TRUE(FileExists(folder / "five"));
    EXPECT_FALSE(FileExists(folder / "missing"));
    EXPECT_FALSE(FileExists(folder.path()));

    EXPECT_TRUE(MkDir(folder / "Backup"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Backup"));
    EXPECT_FALSE(MkDir(folder / "Backup"));
    EXPECT_FALSE(MkDir(folder / "no/such"));
}

}  // namespace
}  // namespace basic
