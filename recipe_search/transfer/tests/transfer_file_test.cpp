#include "recipe_search/transfer/transfer_file.h"

#include <gtest/gtest.h>

namespace recipe_search {
namespace {

recipes::RecipeDraft Crisp() {
    recipes::RecipeDraft r;
    r.type = "Desserts";
    r.name = "Apple Crisp";
    r.amounts[0] = "1.5";
    r.units[0] = "cups";
    r.ingredients[0] = "flour";
    r.amounts[19] = ".25";
    r.ingredients[19] = "Grandma's \"secret\" spice";
    r.directions = "Use a 9\" pan.\r\nBake 30 minutes.";
    r.ovenTemperature = "350";
    r.cookingTime = "30 min";
    r.yield = "8";
    r.yieldUnit = "Serving(s)";
    return r;
}

TEST(TransferFileTest, SixtySevenQuotedItemsWithoutAQuoteInside) {
    const std::string bytes = EncodeTransferFile(Crisp());
    const auto items = TransferItems(bytes);
    ASSERT_EQ(items.size(), 67u);
    EXPECT_EQ(bytes.substr(0, 25), "\"Desserts\"\r\n\"Apple Crisp\"");
    EXPECT_EQ(items[2], "1.5");
    EXPECT_EQ(items[5], "");  // amount of line 1: an empty item
    EXPECT_EQ(items[61], "Grandma's `secret` spice") << "a quote would end the item early";
    EXPECT_EQ(items[62], "Use a 9` pan.\r\nBake 30 minutes.") << "the directions keep their line breaks";
    EXPECT_EQ(items[66], "Serving(s)");
}

TEST(TransferFileTest, ReadingGivesTheRecipeBackWithTheDirectionsQuotes) {
    recipes::RecipeDraft expected = Crisp();
    expected.ingredients[19] = "Grandma's `secret` spice";  // only the directions turn accents back
    const auto read = DecodeTransferFile(EncodeTransferFile(Crisp()));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, expected);
}

TEST(TransferFileTest, TheOlderLayoutFillsTheFirstSevenRowsOfEachColumn) {
    std::string bytes = "\"Breads\"\r\n\"Rolls\"\r\n";
    for (int line = 0; line < 14; ++line)
        bytes += "\"" + std::to_string(line + 1) + "\"\r\n\"cup\"\r\n\"item " + std::to_string(line + 1) + "\"\r\n";
    bytes += "\"Knead.\"\r\n\"400\"\r\n\"20 min\"\r\n\"12\"\r\n\"Dozen\"\r\n";
    const auto read = DecodeTransferFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->amounts[6], "7");
    EXPECT_EQ(read->amounts[7], "");
    EXPECT_EQ(read->amounts[10], "8");
    EXPECT_EQ(read->ingredients[16], "item 14");
    EXPECT_EQ(read->amounts[17], "");
    EXPECT_EQ(read->yieldUnit, "Dozen");
}

TEST(TransferFileTest, DamagedFilesAreRefusedNotGuessed) {
    const std::string full = EncodeTransferFile(Crisp());
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"no quotes", "Desserts Apple Crisp"},
        {"60 to 66 items run out", full.substr(0, full.find("\"Use a 9"))},
        {"an item cut short", full.substr(0, full.size() - 5)},
        {"binary", std::string("\x00\xFF\"\x01", 4)},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeTransferFile(c.bytes)) << c.what;
    EXPECT_TRUE(DecodeTransferFile(full + "\"extra\"\r\n")) << "further items are ignored";
}

TEST(TransferFileTest, AnyBytesAreReadWithoutHarm) {
    std::string thousand;
    for (int i = 0; i < 1000; ++i) thousand += "\"item " + std::to_string(i) + "\"\r\n";
    std::string longLines = EncodeTransferFile(Crisp());
    longLines.insert(1, std::string(100000, 'x'));
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
    const struct {
        const char* what;
        std::string bytes;
        bool read;
    } cases[] = {
        {"one item", "\"Breads\"\r\n", false},
        {"1000 items", thousand, true},
        {"a line of 100000 characters", longLines, true},
        {"an unclosed quote after the items", EncodeTransferFile(Crisp()) + "\"never closed", true},
        {"line breaks of every kind inside items", "\"Breads\r\"\n\"\nRolls\r\n\"" + std::string(65 * 4, '"'), true},
        {"binary bytes", binary, false},
    };
    for (const auto& c : cases) {
        const auto read = DecodeTransferFile(c.bytes);
        EXPECT_EQ(read.has_value(), c.read) << c.what;
    }
    const auto many = DecodeTransferFile(thousand);
    ASSERT_TRUE(many);
    EXPECT_EQ(many->type, "item 0");
    EXPECT_EQ(many->yieldUnit, "item 66") << "items past the layout are ignored";
}

TEST(TransferFileTest, TheDefaultNameStaysInTheChosenFolder) {
    const struct {
        const char* title;
        const char* name;
    } cases[] = {
        {"Aunt May's Apple Pie", "AuntMay'.rc1"},
        {"Egg Nog", "EggNog.rc1"},
        {"   ", ".rc1"},
        {"../../etc/passwd", "....etcp.rc1"},
        {"C:\\Temp\\x", "CTempx.rc1"},
        {"Pie\x01\t*?<>|\"", "Pie.rc1"},
        {"Cr\xE8me br\xFBl\xE9"
         "e",
         "Cr\xE8mebr\xFB.rc1"},  // Windows-1252 letters stay
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultTransferFileName(c.title), c.name) << c.title;
}

}  // namespace
}  // namespace recipe_search
