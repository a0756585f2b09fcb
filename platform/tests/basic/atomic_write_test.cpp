#include "platform/basic/atomic_write.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/testing/file_size_limit.h"
#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class AtomicWriteTest : public ::testing::Test {
protected:
    long EntryCount() const {
        return std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator());
    }

    testing::TestFolder folder;
    std::filesystem::path file = folder / "Menu2000.yr";
};

TEST_F(AtomicWriteTest, ReplacesTheWholeFile) {
    WriteBytes(file, "a long old content");
    EXPECT_TRUE(AtomicWriteFile(file, "new"));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_TRUE(AtomicWriteFile(folder / "fresh", std::string("\0\r\n", 3)));
    EXPECT_EQ(ReadBytes(folder / "fresh"), std::string("\0\r\n", 3));
    EXPECT_EQ(EntryCount(), 2);
}

TEST_F(AtomicWriteTest, KeepsThePermissionsOfTheOldFile) {
    WriteBytes(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(AtomicWriteFile(file, "new"));
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(AtomicWriteTest, AFailedWriteLeavesTheOldContent) {
    WriteBytes(file, "old content");
    {
        testing::FileSizeLimit limit(4096);
        EXPECT_FALSE(AtomicWriteFile(file, std::string(1 << 20, 'x')));
    }
    EXPECT_EQ(ReadBytes(file), "old content");
    EXPECT_EQ(EntryCount(), 1);  // the temporary file is gone
}

TEST_F(AtomicWriteTest, AReadOnlyFolderLeavesTheOldContent) {
    WriteBytes(file, "old content");
    std::filesystem::permissions(folder.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access(folder.path().c_str(), W_OK) == 0) GTEST_SKIP() << "this user can write to read-only folders";
    EXPECT_FALSE(AtomicWriteFile(file, "new"));
    EXPECT_EQ(ReadBytes(file), "old content");
}

TEST_F(AtomicWriteTest, AMissingFolderFails) {
    EXPECT_FALSE(AtomicWriteFile(folder / "no/such/file", "x"));
    EXPECT_FALSE(AtomicWriteFile(folder.path() / "", "x"));
}

}  // namespace
}  // namespace basic
