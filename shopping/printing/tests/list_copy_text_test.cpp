// The shopping list copied to the clipboard: the text byte for byte, and
// what the user is told.
#include "shopping/printing/list_copy_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/testing/fake_printer.h"
#include "platform/testing/scripted_dialogs.h"

namespace shopping {
namespace {

const std::string Head =
    "Shopping List\r\nWednesday, December 08, 2004\r\n\r\n          Grocery Items                Amount to Purchase\r";

class ListCopyTest : public ::testing::Test {
protected:
    // The window's font on the fixed-metric printer: 12 points, 120 twips a
    // character, so items are filled to 20 characters.
    printing::TextMeasure WindowFont() const { return {&printer, ui::Font{"MS Sans Serif", 12}}; }
    std::string Copy(const ShoppingList& list, std::string_view date = "12/8/04") const {
        return ShoppingListCopyText(list, date, WindowFont());
    }

    platform::testing::FakePrinter printer;
};

TEST_F(ListCopyTest, AnEmptyListGivesTheFourTitleLinesOnly) { EXPECT_EQ(Copy(ShoppingList()), Head); }

TEST_F(ListCopyTest, ItemsFilledToTheColumnThenATabTheAmountAndACarriageReturn) {
    ShoppingList list;
    list.AppendItem("Milk", "2 Gallon(s)");
    list.AppendItem("Bread");
    list.AppendItem("Eggs", "1 Dozen");
    EXPECT_EQ(Copy(list), Head +
                              "  Milk              \t2 Gallon(s)\r"
                              "  Bread             \t\r"
                              "  Eggs              \t1 Dozen\r");
}

TEST_F(ListCopyTest, AnItemAsWideAsTheColumnGetsNoBlank) {
    ShoppingList list;
    list.AppendItem("Strawberry Preserves", "1 Jar(s)");  // 22 characters with the grid's two blanks
    list.AppendItem("Powdered Sugar 123", "1");           // 20: exactly 2400 twips
    EXPECT_EQ(Copy(list), Head +
                              "  Strawberry Preserves\t1 Jar(s)\r"
                              "  Powdered Sugar 123\t1\r");
}

TEST_F(ListCopyTest, RowsWithoutAnItemAreLeftOutWhereverTheyAre) {
    ShoppingList list;
    list.AppendItem("Apples");
    list.AppendItem("Bread", "1 Loaf");
    list.SortRows(1, true, 1);  // the empty rows now stand between the two items
    ASSERT_TRUE(list.Row(2).item.empty());
    EXPECT_EQ(Copy(list), Head +
                              "  Apples            \t\r"
                              "  Bread             \t1 Loaf\r");
}

TEST_F(ListCopyTest, ADateBoxThatHoldsNoDateIsCopiedAsItStands) {
    EXPECT_EQ(Copy(ShoppingList(), ""), "Shopping List\r\n\r\n\r\n" + Head.substr(Head.find("          ")));
    EXPECT_EQ(Copy(ShoppingList(), "2/30/04").substr(0, 24), "Shopping List\r\n2/30/04\r\n");
}

// Blanks that measure as nothing cannot fill the column: the fill still ends.
class BlanksWithoutWidth : public ui::PrintMetrics {
public:
    double TextWidth(const ui::Font&, std::string_view text) const override {
        return 120.0 * static_cast<double>(text.size() - std::count(text.begin(), text.end(), ' '));
    }
    double LineHeight(const ui::Font&) const override { return 288; }
};

TEST_F(ListCopyTest, TheFillEndsWhateverTheFontAndWithoutOneAddsNothing) {
    ShoppingList list;
    list.AppendItem("Milk", "2 Gallon(s)");
    const BlanksWithoutWidth metrics;
    const std::string text = ShoppingListCopyText(list, "12/8/04", {&metrics, ui::Font{"Odd", 12}});
    EXPECT_TRUE(text.ends_with("\t2 Gallon(s)\r"));
    EXPECT_TRUE(text.starts_with(Head + "  Milk  "));

    // No printer to measure with: nothing is lined up.
    EXPECT_EQ(ShoppingListCopyText(list, "12/8/04", {}), Head + "  Milk\t2 Gallon(s)\r");
}

TEST(ListToClipboard, SaysWhenTheTextIsOnTheClipboardAndWhenNot) {
    for (const bool refuses : {false, true}) {
        platform::testing::FakeClipboard clipboard;
        clipboard.text = "before";
        clipboard.refuses = refuses;
        platform::testing::ScriptedDialogs dialogs;
        dialogs.expectMessage("Copy Option");

        EXPECT_EQ(PutListOnClipboard(clipboard, dialogs, Head), !refuses);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const platform::MessageBoxRequest& told = dialogs.messages().front();
        if (refuses) {
            EXPECT_EQ(clipboard.text, "before");
            EXPECT_EQ(told.icon, platform::MsgIcon::Critical);
            EXPECT_EQ(told.text,
                      "The list could not be copied: the Windows Clipboard is in use or unavailable.\rPlease, try "
                      "again.");
        } else {
            EXPECT_EQ(clipboard.text, Head);
            EXPECT_EQ(told.icon, platform::MsgIcon::Information);
            EXPECT_EQ(told.text, "Data has been copied to the Windows Clipboard.");
        }
        EXPECT_EQ(told.buttons, platform::MsgButtons::OK);
    }
}

}  // namespace
}  // namespace shopping
