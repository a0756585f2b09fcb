// Typing a recipe into the recipe window's editor and storing it.
#include "platform/ui/keys.h"
#include "recipes/recipe_window.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "platform/testing/file_size_limit.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

class RecipeEditorTest : public testing::RecipeWindowFixture {
protected:
    // Create mode on Breads, with no breads yet: each empty list says so.
    void createBread(Form5& w) {
        desktop.dialogs.expectMessage("Recipe Files");
        runtime().userClick(*w.Command1);
        desktop.dialogs.expectMessage("Recipe Files");
        chooseType(w, "Breads");
    }
    void type(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        box.userEdited(text);
    }
    void enter(Form5& w) { runtime().userKeyDown(w, ui::keys::Return, 0); }
    std::string dataRecord(int k) { return record("Recipe2.db1", 2045, k); }
};

TEST_F(RecipeEditorTest, ARecipeTypedInAnEmptyCookbookIsStoredByteForByte) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Apple Crisp");
    enter(w);
    EXPECT_EQ(runtime().focusedControl(), w.Text1[0]);
    ASSERT_TRUE(w.Combo3->Visible()) << "the fraction list opens beside the amount";
    w.Combo3->userChose(10);  // "1 1/2"
    EXPECT_EQ(w.Text1[0]->Text(), "1.5");
    EXPECT_EQ(w.state().AmountText[0], "1.5");
    EXPECT_EQ(runtime().focusedControl(), w.Text4[0]);
    EXPECT_TRUE(w.Combo6->Visible()) << "more than one: the plural units";
    type(*w.Text4[0], "cup");
    type(*w.Text6, "4");
    EXPECT_TRUE(w.Command6->Enabled());
    runtime().userClick(*w.Command6);

    const std::string bytes = bytesOf("Recipe2.db1");
    ASSERT_EQ(bytes.size(), 2045u);
    EXPECT_EQ(bytes.substr(0, 5), "1.5  ");
    EXPECT_EQ(bytes.substr(1104, 10), "cup       ");
    EXPECT_EQ(bytes.substr(2004, 5), "4    ");
    EXPECT_EQ(bytes.substr(2040, 5), "Full1");
    EXPECT_EQ(bytesOf("Breanfil.db1"), IndexFileBytes({EntryText("Apple Crisp", 1)}));
    EXPECT_FALSE(w.state().RecipeChanged);
    EXPECT_EQ(w.SSPanel4->Caption(), "Create Recipe") << "create mode goes on with an empty editor";
    EXPECT_EQ(w.Text1[0]->Text(), "");
}

TEST_F(RecipeEditorTest, TheAmountBoxKeepsDigitsAndOnePointAndExplainsFractions) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Rolls");
    runtime().userFocused(*w.Text1[3]);
    w.Text1[3]->userEdited("1");
    desktop.dialogs.expectMessage("Amount Input Instructions");
    w.Text1[3]->userEdited("1/");
    w.Text1[3]->userEdited("12");
    EXPECT_EQ(w.Text1[3]->Text(), "12");
    EXPECT_EQ(w.state().AmountText[3], "12");
    w.Text1[3]->userEdited("1.2.3");  // pasted
    EXPECT_EQ(w.Text1[3]->Text(), "1.23");
    EXPECT_EQ(w.state().AmountText[3], "1.23") << "the amount saved is the one shown";
    EXPECT_EQ(desktop.dialogs.messageCount("Amount Input Instructions"), 1);
}

TEST_F(RecipeEditorTest, BoxesDropQuotesAnywhereAndStopAtTheirLimits) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Aunt \"May's\" Rolls");
    EXPECT_EQ(w.Text8->Text(), "Aunt May's Rolls");
    type(*w.Text5[0], std::string(50, 'f') + "\"");
    EXPECT_EQ(w.Text5[0]->Text(), std::string(35, 'f'));
    type(*w.Text3,
         "35\x01"
         "0");
    EXPECT_EQ(w.Text3->Text(), "350");
    type(*w.Text2, "Say \"when\".\r\nBake.");
    EXPECT_EQ(w.Text2->Text(), "Say \"when\".\r\nBake.") << "the directions keep their quotes and lines";
    type(*w.Text2,
         "Fold in cr\xE8me\tfra\xEE"
         "che.");  // pasted from a table
    EXPECT_EQ(w.Text2->Text(),
              "Fold in cr\xE8me\tfra\xEE"
              "che.")
        << "a tab is kept, not dropped";
    runtime().userClick(*w.Command6);
    EXPECT_EQ(record("Recipe2.db1", 2045, 1).substr(100, 22),
              "Fold in cr\xE8me\tfra\xEE"
              "che.");
}

TEST_F(RecipeEditorTest, EnterRunsDownTheColumnsLineByLine) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Rolls");
    const struct {
        ui::TextBox* from;
        ui::Control* to;
    } moves[] = {
        {w.Text1[0], w.Text4[0]},  {w.Text4[0], w.Text5[0]},  {w.Text5[0], w.Text1[10]},
        {w.Text5[9], w.Text1[19]}, {w.Text5[10], w.Text1[1]}, {w.Text5[19], w.Text2},
        {w.Text3, w.Text7},        {w.Text7, w.Text6},        {w.Text6, w.Combo4},
    };
    for (const auto& move : moves) {
        runtime().userFocused(*move.from);
        enter(w);
        EXPECT_EQ(runtime().focusedControl(), move.to) << move.from->name() << "(" << move.from->index() << ")";
    }
}

// Records the lists the window asks to open, as a screen would see the asks.
class DropDownRequests : public ui::FormObserver {
public:
    void formChanged(ui::Form&, ui::Property) override {}
    void controlChanged(ui::Control& control, ui::Property what) override {
        if (what == ui::Property::DropDown) opened.push_back(control.name());
    }
    void menuChanged(ui::Menu&) override {}
    std::vector<std::string> opened;
};

// Alt+Down opens the pick list of the amount or unit box as a drop-down
// box's own; plain Down, or Alt+Down elsewhere, opens none and changes nothing.
TEST_F(RecipeEditorTest, AltDownInAnAmountOrUnitBoxOpensItsPickList) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Apple Crisp");
    enter(w);
    DropDownRequests requests;
    w.setObserver(&requests);
    const struct {
        ui::TextBox* box;
        int shift;
        std::vector<std::string> opened;
    } cases[] = {
        {w.Text1[0], ui::shiftmask::Alt, {"Combo3"}}, {w.Text1[0], 0, {}},
        {w.Text4[0], ui::shiftmask::Alt, {"Combo5"}},  // an empty amount: the singular units
        {w.Text5[0], ui::shiftmask::Alt, {}},         {w.Text6, ui::shiftmask::Alt, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->name() + (c.shift ? " Alt+Down" : " Down"));
        runtime().userFocused(*c.box);
        requests.opened.clear();
        runtime().userKeyDown(w, ui::keys::Down, c.shift);
        EXPECT_EQ(requests.opened, c.opened);
        EXPECT_EQ(runtime().focusedControl(), c.box);
    }
    w.setObserver(nullptr);
}

TEST_F(RecipeEditorTest, ModifyWritesInPlaceAndDeleteAsksWithNoFirst) {
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, ".34", "cup", "sugar")) +
                                 std::string(RecordBytes().line(1, "2", "cups", "rye flour")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1), EntryText("Rye", 2)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);  // Rolls
    runtime().userClick(*w.Command5);
    EXPECT_EQ(w.SSPanel4->Caption(), "Modify Recipe");
    EXPECT_EQ(w.Text1[0]->Text(), ".34") << "decimals replace the fractions";
    EXPECT_TRUE(w.Command25->Enabled()) << "the button offers the spelling check";
    type(*w.Text5[0], "brown sugar");
    const std::string index = bytesOf("Breanfil.db1");
    runtime().userClick(*w.Command6);
    EXPECT_EQ(dataRecord(1), std::string(RecordBytes().line(1, ".34", "cup", "brown sugar")));
    EXPECT_EQ(bytesOf("Breanfil.db1"), index);
    EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");

    w.Combo2->userChose(1);  // Rye
    w.Combo2->Clear();       // the list out of step with the file, as the View button leaves it
    desktop.dialogs.expectMessage("Delete Recipe", No);
    runtime().userClick(*w.Command4);
    EXPECT_EQ(desktop.dialogs.messages().back().defaultButton, 2);
    EXPECT_EQ(dataRecord(2).substr(2040), "Full1");
    desktop.dialogs.expectMessage("Delete Recipe", Yes);
    runtime().userClick(*w.Command4);
    EXPECT_EQ(dataRecord(2), std::string(2040, ' ') + "**** ");
    EXPECT_EQ(bytesOf("Breanfil.db1"), IndexFileBytes({EntryText("Rolls", 1)}));
    EXPECT_EQ(w.Combo2->ListCount(), 1);
}

TEST_F(RecipeEditorTest, OnlyAChangedTextMarksTheRecipeChanged) {
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "2", "cups", "flour").put(2004, 5, "4")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);
    runtime().userClick(*w.Command5);  // Modify
    constexpr int Alt = 18;
    for (ui::Control* box : std::initializer_list<ui::Control*>{w.Text1[0], w.Text4[0], w.Text5[0], w.Text2, w.Text3,
                                                                w.Text6, w.Text7, w.Text8, w.Combo4}) {
        runtime().userFocused(*box);
        for (const int key : {ui::keys::Tab, Alt, ui::keys::Left, ui::keys::Down, ui::keys::Shift}) {
            runtime().userKeyDown(w, key, 0);
            runtime().userKeyUp(w, key, 0);
        }
        EXPECT_FALSE(w.state().RecipeChanged) << box->name();
    }
    EXPECT_FALSE(w.Command6->Enabled());

    // Esc with nothing typed: nothing is asked and the window closes.
    runtime().userFocused(*w.Text5[0]);
    if (!runtime().userKeyDown(w, ui::keys::Escape, 0)) runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
    EXPECT_EQ(desktop.dialogs.messageCount("Recipe File"), 0);
}

TEST_F(RecipeEditorTest, KeysInTheEmptiedEditorAfterASaveAskNothingOnTheWayOut) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Rolls");
    type(*w.Text5[0], "flour");
    runtime().userClick(*w.Command6);
    ASSERT_EQ(w.Text8->Text(), "") << "create mode goes on with an empty editor";
    runtime().userKeyDown(w, ui::keys::Tab, 0);
    runtime().userKeyDown(w, 18, ui::shiftmask::Alt);
    EXPECT_FALSE(w.state().RecipeChanged);
    runtime().userClick(*w.Command3);  // Exit
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr) << "no save question, no refusal of an empty name";
}

TEST_F(RecipeEditorTest, ATypeChangeCancelledAtTheSaveQuestionIsForgotten) {
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "2", "cups", "flour")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);
    runtime().userClick(*w.Command5);
    type(*w.Text5[0], "rye flour");
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    chooseType(w, "Cookies");
    EXPECT_EQ(w.Combo1->Text(), "Breads");
    EXPECT_FALSE(w.state().PendingTypeChange);

    runtime().userClick(*w.Command6);  // the save the user chose instead
    EXPECT_EQ(dataRecord(1).substr(1304, 9), "rye flour");
    EXPECT_EQ(w.Combo1->Text(), "Breads") << "not the cancelled type";
    EXPECT_EQ(w.Combo2->ListCount(), 1);
}

TEST_F(RecipeEditorTest, ARefusedSaveKeepsTheTypedRecipe) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Rolls");
    type(*w.Text5[0], "flour");
    w.Text8->userEdited("");  // the name taken away again
    desktop.dialogs.expectMessage("Recipe File", Yes);
    desktop.dialogs.expectMessage("Save");          // "Please enter Recipe Name in order to save!"
    desktop.dialogs.expectMessage("Recipe Files");  // the focus goes to the (empty) recipe list
    w.mOCr_Click();                                 // Create, as a command that starts afresh runs it
    EXPECT_EQ(w.Text5[0]->Text(), "flour") << "Create after a refused save keeps the editor";
    EXPECT_TRUE(w.state().RecipeChanged);
}

TEST_F(RecipeEditorTest, ASaveThatCannotBeWrittenKeepsTheEditorAndItsMark) {
    Form5& w = open();
    createBread(w);
    type(*w.Text8, "Rolls");
    type(*w.Text5[0], "flour");
    desktop.dialogs.expectMessage("Save");
    {
        basic::testing::FileSizeLimit diskFull(0);
        runtime().userClick(*w.Command6);
    }
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(w.Text5[0]->Text(), "flour");
    EXPECT_EQ(w.Text8->Text(), "Rolls");
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_EQ(bytesOf("Breanfil.db1"), "");
}

TEST_F(RecipeEditorTest, ExitAfterAYesWhoseSaveFailedKeepsTheWindowAndTheEdits) {
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "2", "cups", "flour")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);
    runtime().userClick(*w.Command5);
    type(*w.Text5[0], "rye flour");
    // The data file gone from under the window: nothing can be written.
    std::filesystem::rename(folder / "Recipe2.db1", folder / "kept.db1");
    std::filesystem::create_directory(folder / "Recipe2.db1");
    desktop.dialogs.expectMessage("Recipe File", Yes);
    desktop.dialogs.expectMessage("Save");
    runtime().userClick(*w.Command3);
    EXPECT_NE(app().loadedWindow<Form5>(), nullptr) << "the window stays with the recipe";
    EXPECT_EQ(w.Text5[0]->Text(), "rye flour");
    EXPECT_TRUE(w.state().RecipeChanged);
}

TEST_F(RecipeEditorTest, AnOlderCookbookIsConvertedOnScreenBeforeTheFirstRecipeCommand) {
    std::string old;
    for (int k = 1; k <= 3; ++k)
        old += k == 2 ? std::string(testing::OldRecordBytes().line(8, "2", "cups", "milk"))
                      : std::string(testing::OldRecordBytes("    "));
    writeFile("Recipe2.db1", old);
    writeFile("Dipsnfil.db1", IndexFileBytes({EntryText("Fondue", 2)}));
    Form5& w = open();
    EXPECT_TRUE(w.state().OldFormatPending);
    EXPECT_EQ(bytesOf("Recipe2.db1"), old) << "nothing changes before a recipe command";

    view(w);  // View converts first
    EXPECT_FALSE(w.state().OldFormatPending);
    EXPECT_FALSE(w.SSPanel11->Visible());
    EXPECT_EQ(w.ProgressBar1->Value(), 30000);
    EXPECT_EQ(bytesOf("Recipe2.db1").size(), 2u * 2045);
    chooseType(w, "Dips");
    w.Combo2->userChose(0);
    EXPECT_EQ(w.Text1[10]->Text(), "2") << "old line 8 is line 11 now";
    EXPECT_EQ(w.Text5[10]->Text(), "milk");
}

TEST_F(RecipeEditorTest, AFailedConversionLetsNothingWriteUntilATryAgainSucceeds) {
    std::string old = std::string(testing::OldRecordBytes().line(1, "2", "cups", "milk")) +
                      std::string(testing::OldRecordBytes().line(1, "1", "", "egg"));
    writeFile("Recipe2.db1", old);
    writeFile("Dipsnfil.db1", IndexFileBytes({EntryText("Fondue", 1), EntryText("Custard", 2)}));
    std::filesystem::create_directories(folder / "Recipe3.db1" / "inside");  // in the converted file's way
    Form5& w = open();
    ASSERT_TRUE(w.state().OldFormatPending);

    desktop.dialogs.expectMessage("Recipe File");
    runtime().userClick(*w.Command1);  // Create
    EXPECT_NE(desktop.dialogs.messages().back().text.find("could not be converted"), std::string::npos);
    EXPECT_TRUE(w.state().OldFormatPending) << "the next command tries again";
    EXPECT_TRUE(w.Command1->Enabled()) << "no create mode to type a recipe into";
    EXPECT_FALSE(w.SSPanel11->Visible());

    desktop.dialogs.expectMessage("Recipe File");
    runtime().userClick(*w.Command2);  // View
    EXPECT_EQ(desktop.dialogs.messageCount("Recipe File"), 2);
    EXPECT_TRUE(w.Command2->Enabled()) << "no view mode reading the unconverted file";
    desktop.dialogs.expectMessage("Recipe File");
    runtime().userClick(*w.Command16);  // Search
    EXPECT_FALSE(w.SSPanel6->Visible());
    EXPECT_TRUE(w.mOCB->Enabled()) << "another cookbook may still be chosen";
    EXPECT_EQ(bytesOf("Recipe2.db1"), old);

    std::filesystem::remove_all(folder / "Recipe3.db1");
    view(w);  // converts this time
    EXPECT_FALSE(w.state().OldFormatPending);
    EXPECT_EQ(bytesOf("Recipe2.db1").size(), 2u * 2045);
    chooseType(w, "Dips");
    w.Combo2->userChose(0);  // Custard
    EXPECT_EQ(w.Text5[0]->Text(), "egg");
}

}  // namespace
}  // namespace recipes
