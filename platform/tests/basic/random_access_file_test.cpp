#include "platform/basic/random_access_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::WriteBytes;

class RandomAccessFileTest : public ::testing::Test {
protected:
    testing::TestFolder folder;
    std::filesystem::path file = folder / "GColor1.Fil";
};

TEST_F(RandomAccessFileTest, OpeningCreatesAnEmptyFile) {
    auto records = RandomAccessFile::Open(file, 20);
    ASSERT_TRUE(records);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(records->RecordCount(), 0);
}

TEST_F(RandomAccessFileTest, ReadingPastTheEndGivesZeroBytes) {
    // clang-format off
    WriteBytes(file, "0123456789" "abcd");  // record 2 is cut short
    // clang-format on
    auto records = RandomAccessFile::Open(file, 10);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->RecordCount(), 2);
    EXPECT_EQ(records->Get(1), "0123456789");
    EXPECT_EQ(records->Get(2), "abcd"s + std::string(6, '\0'));
    EXPECT_EQ(records->Get(3), std::string(10, '\0'));
    EXPECT_EQ(records->Get(1000), std::string(10, '\0'));
    EXPECT_EQ(records->Get(0), std::string(10, '\0'));
}

TEST_F(RandomAccessFileTest, WritingPastTheEndFillsWithZeroBytes) {
    auto records = RandomAccessFile::Open(file, 20);
    ASSERT_TRUE(records);
    ASSERT_TRUE(records->Put(3, "abc"));
    records.reset();  // closes the file
    EXPECT_EQ(ReadBytes(file), std::string(40, '\0') + "abc" + std::string(17, '\0'));
}

TEST_F(RandomAccessFileTest, WritingARecordChangesNoOtherByte) {
    const std::string before = std::string(10, 'A') + std::string(10, 'B') + std::string(10, 'C');
    WriteBytes(file, before);
    {
        auto records = RandomAccessFile::Open(file, 10);
        ASSERT_TRUE(records);
        ASSERT_TRUE(records->Put(2, "xy"));
        EXPECT_EQ(records->Get(2), "xy"s + std::string(8, '\0'));
    }
    EXPECT_EQ(ReadBytes(file), std::string(10, 'A') + "xy"s + std::string(8, '\0') + std::string(10, 'C'));
}

TEST_F(RandomAccessFileTest, RefusedWritesLeaveTheFileAlone) {
    const std::string before = std::string(20, 'A');
    WriteBytes(file, before);
    {
        auto records = RandomAccessFile::Open(file, 10);
        ASSERT_TRUE(records);
        EXPECT_FALSE(records->Put(1, std::string(11, 'x')));
        EXPECT_FALSE(records->Put(0, "x"));
        EXPECT_TRUE(records->Put(2, std::string(10, 'z')));  // exactly L is fine
    }
    EXPECT_EQ(ReadBytes(file), std::string(10, 'A') + std::string(10, 'z'));
}

TEST_F(RandomAccessFileTest, CountRoundsUpAndFollowsWrites) {
    WriteBytes(file, std::string(41, 'x'));
    auto records = RandomAccessFile::Open(file, 20);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->RecordCount(), 3);
    ASSERT_TRUE(records->Put(5, ""));
    EXPECT_EQ(records->RecordCount(), 5);
}

TEST_F(RandomAccessFileTest, OpenFails) {
    EXPECT_FALSE(RandomAccessFile::Open(folder.path(), 10));            // a folder
    EXPECT_FALSE(RandomAccessFile::Open(folder / "no/such/file", 10));  // no folder
    EXPECT_FALSE(RandomAccessFile::Open(file, 0));
}

TEST_F(RandomAccessFileTest, ABlockReadsRecordsAtOnceWithZerosPastTheEnd) {
    WriteBytes(file,
               "aaaa"
               "bbbb"
               "cc");
    auto records = RandomAccessFile::Open(file, 4);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->GetBlock(2, 3),
              "bbbb"
              "cc"s +
                  std::string(6, '\0'));
    EXPECT_EQ(records->GetBlock(1, 1), "aaaa");
    EXPECT_EQ(records->GetBlock(0, 1), std::string(4, '\0'));
    EXPECT_EQ(records->GetBlock(1, 0), "");
    EXPECT_TRUE(records->Flush());
    EXPECT_TRUE(records->FlushRecord(2));
}

TEST_F(RandomAccessFileTest, AReadOnlyFileOpensForReading) {
    WriteBytes(file, "abcd");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    if (access(file.c_str(), W_OK) == 0) GTEST_SKIP() << "this user can write to read-only files";
    auto records = RandomAccessFile::Open(file, 4);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->Get(1), "abcd");
    EXPECT_FALSE(records->Put(1, "wxyz"));
    EXPECT_EQ(ReadBytes(file), "abcd");
}

TEST_F(RandomAccessFileTest, MovedFileStaysUsable) {
    auto opened = RandomAccessFile::Open(file, 4);
    ASSERT_TRUE(opened);
    RandomAccessFile moved = std::move(*opened);
    opened.reset();
    EXPECT_TRUE(moved.Put(1, "abcd"));
    EXPECT_EQ(moved.Get(1), "abcd");
}

}  // namespace
}  // namespace basic
