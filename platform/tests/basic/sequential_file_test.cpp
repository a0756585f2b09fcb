#include <gtest/gtest.h>

#include "platform/basic/sequential_reader.h"
#include "platform/basic/sequential_writer.h"
#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class SequentialFileTest : public ::testing::Test {
protected:
    testing::TestFolder folder;
    std::filesystem::path file = folder / "list.txt";
};

TEST_F(SequentialFileTest, WritesQuotedItemsWithCrLf) {
    auto writer = SequentialWriter::Create(file);
    ASSERT_TRUE(writer);
    writer->Write({"a", "b"});
    writer->Write(std::vector<std::string>{"2 cups", ""});
    writer->Write({"say \"hi"});  // no escapes: written as it is
    writer->WriteLine("plain text");
    EXPECT_FALSE(std::filesystem::exists(file));  // nothing in place before Commit
    ASSERT_TRUE(writer->Commit());
    EXPECT_EQ(ReadBytes(file), "\"a\",\"b\"\r\n\"2 cups\",\"\"\r\n\"say \"hi\"\r\nplain text\r\n");
}

TEST_F(SequentialFileTest, RoundTripsItems) {
    {
        auto writer = SequentialWriter::Create(file);
        ASSERT_TRUE(writer);
        writer->Write({"Flour", "2 1/2", "cups"});
        writer->Write({"line one\r\nline two"});
        writer->Write({"  padded  ", "caf\xE9"});
        ASSERT_TRUE(writer->Commit());
    }
    auto reader = SequentialReader::Open(file);
    ASSERT_TRUE(reader);
    std::vector<std::string> items;
    while (!reader->Eof()) items.push_back(reader->Input().value());
    EXPECT_EQ(items,
              (std::vector<std::string>{"Flour", "2 1/2", "cups", "line one\r\nline two", "  padded  ", "caf\xE9"}));
    EXPECT_EQ(reader->Input(), std::nullopt);
}

TEST_F(SequentialFileTest, UnquotedItemsAndStrayText) {
    auto reader = SequentialReader::FromBytes("  12 , abc  ,\"q\" junk,last\r\n\r\nx\n\"open");
    EXPECT_EQ(reader.Input(), "12");
    EXPECT_EQ(reader.Input(), "abc");
    EXPECT_EQ(reader.Input(), "q");  // text after the closing quote is skipped
    EXPECT_EQ(reader.Input(), "last");
    EXPECT_EQ(reader.Input(), "");  // an empty line
    EXPECT_EQ(reader.Input(), "x");
    EXPECT_FALSE(reader.Eof());
    EXPECT_EQ(reader.Input(), "open");  // a quote never closed runs to the end
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ(reader.Input(), std::nullopt);
}

TEST_F(SequentialFileTest, LineInput) {
    auto reader = SequentialReader::FromBytes("\"a\",\"b\"\r\nsecond\nthird");
    EXPECT_EQ(reader.LineInput(), "\"a\",\"b\"");
    EXPECT_EQ(reader.LineInput(), "second");
    EXPECT_EQ(reader.LineInput(), "third");
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ(reader.LineInput(), std::nullopt);
}

TEST_F(SequentialFileTest, EmptyAndMissingFiles) {
    WriteBytes(file, "");
    auto empty = SequentialReader::Open(file);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Eof());
    EXPECT_EQ(empty->Input(), std::nullopt);
    EXPECT_FALSE(SequentialReader::Open(folder / "missing.txt"));
    EXPECT_FALSE(SequentialReader::Open(folder.path()));
}

TEST_F(SequentialFileTest, WriterWithoutCommitKeepsTheOldFile) {
    WriteBytes(file, "\"old\"\r\n");
    {
        auto writer = SequentialWriter::Create(file);
        ASSERT_TRUE(writer);
        writer->Write({"new"});
    }
    EXPECT_EQ(ReadBytes(file), "\"old\"\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1);
}

TEST_F(SequentialFileTest, CreateFailsWithoutAFolder) {
    EXPECT_FALSE(SequentialWriter::Create(folder / "no/such/list.txt"));
}

}  // namespace
}  // namespace basic
