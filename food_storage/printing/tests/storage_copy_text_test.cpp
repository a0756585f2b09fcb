// The storage table copied to the clipboard: the text byte for byte, and
// what the user is told.
#include "food_storage/printing/storage_copy_text.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_printer.h"
#include "platform/testing/scripted_dialogs.h"

namespace food_storage {
namespace {

class StorageCopyTest : public ::testing::Test {
protected:
    // The window's font on the fixed-metric printer: 10 points, 100 twips a
    // character, so the stops fall after 22, 26, 36, 48, 60, 73 and 81 characters.
    printing::TextMeasure WindowFont() const { return {&printer, ui::Font{"MS Sans Serif", 10}}; }
    std::string Copy(const StorageTable& table, StorageKind kind = StorageKind::Emergency) const {
        return StorageCopyText(kind, table, WindowFont());
    }
    // The lines of a text, each without its CR.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
            lines.push_back(text.substr(start, cr - start));
            start = cr + 1;
        }
        EXPECT_EQ(start, text.size()) << "the text ends in CR";
        return lines;
    }
    static std::string Pad(std::string text, std::size_t to) {
        if (text.size() < to) text.resize(to, ' ');
        return text;
    }

    platform::testing::FakePrinter printer;
};

TEST_F(StorageCopyTest, TheHeadIsThreeLinesOf108And117And113CharactersEndedByCR) {
    const std::string text = Copy(StorageTable());
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 108u);
    EXPECT_EQ(lines[1].size(), 117u);
    EXPECT_EQ(lines[2].size(), 113u);
    EXPECT_EQ(lines[0],
              "Storage                   Number  Amount     Total          Amount         Last              Last       "
              "Last");
    EXPECT_EQ(lines[1],
              "Item                         In           Per            Amount     On                 Action  "
              "        Amount  Amount");
    EXPECT_EQ(lines[2], std::string(32, ' ') +
                            "Family   Person       Needed      Hand             Date             Added    Used");
}

TEST_F(StorageCopyTest, ItemRowsFilledToEachStopHeadingMarksEmptyAndRowsWithoutATitleLeftOut) {
    StorageTable table;
    RebuildAllRows(StorageKind::Emergency, table);
    table.Cell(1, TitleColumn) = "Food";
    table.Cell(2, TitleColumn) = "Wheat";
    table.Cell(2, NumberInFamilyColumn) = " 4";
    table.Cell(2, AmountPerPersonColumn) = "12 cans";
    table.Cell(2, TotalNeededColumn) = " 48 cans";
    table.Cell(2, OnHandColumn) = " 12 cans";
    table.Cell(2, LastActionDateColumn) = "01/02/04";
    table.Cell(2, AmountAddedColumn) = " 12 cans";
    table.Cell(3, OnHandColumn) = " 5 lbs";  // no title: no line
    table.Cell(4, TitleColumn) = "   ";
    table.Cell(5, TitleColumn) = "  Beans";  // emergency titles as stored
    table.Cell(5, AmountUsedColumn) = " 2 cans";

    const std::vector<std::string> lines = Lines(Copy(table));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], Pad("Food", 81));
    std::string wheat = Pad("Wheat", 22) + "4";
    wheat = Pad(
        Pad(Pad(Pad(Pad(Pad(wheat, 26) + "12 cans", 36) + "48 cans", 48) + "12 cans", 60) + "01/02/04", 73) + "12 cans",
        81);
    EXPECT_EQ(lines[4], wheat);
    EXPECT_EQ(lines[5], Pad("  Beans", 81) + "2 cans");  // the last column gets no blanks
}

TEST_F(StorageCopyTest, ACellPastItsStopGetsNoBlankAndLaterStopsCountFromTheLineStart) {
    StorageTable table;
    table.Cell(1, TitleColumn) = "Freeze-dried vegetables mix";  // 27 characters, past 22 and 26
    table.Cell(1, NumberInFamilyColumn) = "4";
    table.Cell(1, AmountPerPersonColumn) = "2 cans";
    table.Cell(1, TotalNeededColumn) = "8 cans";
    const std::vector<std::string> lines = Lines(Copy(table));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], Pad(Pad("Freeze-dried vegetables mix42 cans", 36) + "8 cans", 81));
}

// A measure that fails gives every text the width 0: no blank can fill a column.
class FailingMeasure : public ui::PrintMetrics {
public:
    double TextWidth(const ui::Font&, std::string_view) const override { return 0; }
    double LineHeight(const ui::Font&) const override { return 0; }
};

TEST_F(StorageCopyTest, TheFillEndsWhateverTheMeasureAndWithoutOneABlankSeparatesTheCells) {
    StorageTable table;
    table.Cell(1, TitleColumn) = "Water";
    table.Cell(1, OnHandColumn) = "14 gals";
    table.Cell(1, AmountUsedColumn) = "1 gal";
    const FailingMeasure failing;
    for (const printing::TextMeasure& measure :
         {printing::TextMeasure{&failing, ui::Font{"MS Sans Serif", 10}}, printing::TextMeasure{}}) {
        const std::vector<std::string> lines = Lines(StorageCopyText(StorageKind::Emergency, table, measure));
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[3], "Water    14 gals   1 gal");
    }
}

TEST(StorageToClipboard, ATableTheClipboardRefusesIsReportedNotConfirmed) {
    platform::testing::FakeClipboard clipboard;
    clipboard.text = "before";
    clipboard.refuses = true;
    platform::testing::ScriptedDialogs dialogs;
    dialogs.expectMessage("Copy Option");
    EXPECT_FALSE(PutStorageOnClipboard(clipboard, dialogs, "table\r"));
    EXPECT_EQ(clipboard.text, "before");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().icon, platform::MsgIcon::Critical);
    EXPECT_EQ(dialogs.messages().front().text,
              "The table could not be copied: the Windows Clipboard is in use or unavailable.\rPlease, try again.");

    clipboard.refuses = false;
    dialogs.expectMessage("Copy Option");
    EXPECT_TRUE(PutStorageOnClipboard(clipboard, dialogs, "table\r"));
    EXPECT_EQ(clipboard.text, "table\r");
    EXPECT_EQ(dialogs.messages().back().text, "Data has been copied to the Windows Clipboard.");
}

}  // namespace
}  // namespace food_storage
