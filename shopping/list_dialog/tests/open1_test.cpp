// The list file dialog as the shopping list window meets it: what it lists,
// what it accepts and refuses, what it hands back and where it stands.
#include "shopping/list_dialog/open1.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "shell/tests/program_fixture.h"
#include "shopping/list_dialog/list_file_dialog.h"

namespace shopping {
namespace {

using Kind = ListFileChoice::Kind;
using platform::MsgIcon;

constexpr const char* OpenCaption = "Open Shopping List File - (*.lst)";
constexpr const char* DeleteCaption = "Delete Shopping List File - (*.lst)";

class ListFileDialogTest : public shell::testing::ProgramTest {
protected:
    ListFileDialogTest() { startProgram(); }

    // Shows the dialog as the window does; `inside` is what the user does
    // there. A dialog still open after it is cancelled through its close box.
    ListFileChoice ask(ListDialogMode mode, std::function<void(Open1&)> inside) {
        desktop.windows.onModal("Open1", [this, inside](ui::Form& form) {
            auto& dialog = static_cast<Open1&>(form);
            inside(dialog);
            if (dialog.isLoaded()) runtime().userClose(dialog);
        });
        const ListFileChoice choice = AskForListFile(app(), mode);
        EXPECT_EQ(app().loadedWindow<Open1>(), nullptr) << "closed";
        return choice;
    }
    void choose(Open1& d, const std::string& name) {
        const auto& items = d.File1->items();
        const auto found = std::find(items.begin(), items.end(), name);
        ASSERT_NE(found, items.end()) << name << " is not listed";
        d.File1->userChose(static_cast<int>(found - items.begin()));
    }
    void type(Open1& d, const std::string& text) {
        runtime().userFocused(*d.Text2);
        d.Text2->userEdited(text);
    }
    void ok(Open1& d) { runtime().userClick(*d.Command1); }
    void listFiles(std::initializer_list<const char*> names) {
        for (const char* name : names) writeFile(name, "\"  Milk\"\r\n\"2 Gallon(s)\"\r\n");
    }
};

TEST_F(ListFileDialogTest, WithoutListFilesItClosesAtOnceWithNothingToChoose) {
    // Other files, even names that merely contain ".lst", are no list files.
    listFiles({"05Jan04.Lst.bak", "Notes.txt"});
    for (const ListDialogMode mode : {ListDialogMode::Open, ListDialogMode::Delete}) {
        // No modal handler: a dialog that showed itself would fail the test.
        const ListFileChoice choice = AskForListFile(app(), mode);
        EXPECT_EQ(choice.kind, Kind::NoListFiles);
        EXPECT_EQ(choice.fileName, "");
        EXPECT_EQ(app().loadedWindow<Open1>(), nullptr);
    }
}

TEST_F(ListFileDialogTest, OpensWithTheListFilesAndTheNameBoxReadyToType) {
    listFiles({"05Jan04.Lst", "notes.LST", "12Feb05.lst"});
    ask(ListDialogMode::Open, [&](Open1& d) {
        EXPECT_EQ(d.Caption(), OpenCaption);
        EXPECT_EQ(d.File1->items(), (std::vector<std::string>{"05Jan04.Lst", "12Feb05.lst", "notes.LST"}));
        EXPECT_EQ(d.Text2->Text(), "*.lst");
        EXPECT_EQ(d.Text2->MaxLength(), 12);
        EXPECT_EQ(d.Text2->SelLength(), 5) << "the whole name is selected, to type over";
        EXPECT_EQ(runtime().focusedControl(), d.Text2);
        EXPECT_EQ(d.Combo4->Text(), "*.lst");
        EXPECT_EQ(d.Combo4->ListCount(), 1);
        d.Combo4->userEdited("*.txt");
        EXPECT_EQ(d.Combo4->Text(), "*.lst") << "the type stays *.lst";
        EXPECT_EQ(d.Label9->Caption(), "File name:");
        EXPECT_EQ(d.Label11->Caption(), "List files of type:");
        EXPECT_EQ(d.Command1->Caption(), "OK");
        EXPECT_EQ(d.Command2->Caption(), "Cancel");
    });
}

// What the user does in the dialog, and what comes of it: the choice handed
// back, or the message and the name box after it while the dialog stays open.
struct DialogCase {
    enum How { ClickThenOk, TypeThenOk, DoubleClick, ClickThenCancel };
    const char* name;
    How how;
    const char* text;  // the name clicked or typed
    Kind kind;
    const char* chosen;
    const char* message;  // "" for none; the title is the dialog's caption
    MsgIcon icon;
    const char* nameBoxAfter;  // the name box when the dialog stays open
};

// clang-format off
const DialogCase Cases[] = {
    {"ClickedName", DialogCase::ClickThenOk, "05Jan04.Lst", Kind::Chosen, "05Jan04.Lst", "", MsgIcon::None, ""},
    {"TypedName", DialogCase::TypeThenOk, "05Jan04.Lst", Kind::Chosen, "05Jan04.Lst", "", MsgIcon::None, ""},
    {"DoubleClickedName", DialogCase::DoubleClick, "12Feb05.LST", Kind::Chosen, "12Feb05.LST", "", MsgIcon::None, ""},
    {"TypedInOtherCase", DialogCase::TypeThenOk, "05jan04.lst", Kind::Cancelled, "",
     "05jan04.lst\rThis File cannot be found.\rMake sure that you have specified the correct filename.",
     MsgIcon::Exclamation, "05jan04.lst"},
    {"TypedUnlisted", DialogCase::TypeThenOk, "01Jan04.Lst", Kind::Cancelled, "",
     "01Jan04.Lst\rThis File cannot be found.\rMake sure that you have specified the correct filename.",
     MsgIcon::Exclamation, "01Jan04.Lst"},
    {"NameStartingWithLetters", DialogCase::ClickThenOk, "Notes.lst", Kind::Cancelled, "",
     "An Invalid File has been Selected!", MsgIcon::Critical, "*.lst"},
    {"NameStartingWithZero", DialogCase::ClickThenOk, "00Jan04.Lst", Kind::Cancelled, "",
     "An Invalid File has been Selected!", MsgIcon::Critical, "*.lst"},
    {"PatternLeftInTheBox", DialogCase::TypeThenOk, "*.lst", Kind::Cancelled, "", "", MsgIcon::None, "*.lst"},
    {"EmptyNameBox", DialogCase::TypeThenOk, "", Kind::Cancelled, "", "", MsgIcon::None, ""},
    {"Cancel", DialogCase::ClickThenCancel, "05Jan04.Lst", Kind::Cancelled, "", "", MsgIcon::None, ""},
};
// clang-format on

class ListFileDialogCases : public ListFileDialogTest,
                            public ::testing::WithParamInterface<std::tuple<DialogCase, ListDialogMode>> {};

TEST_P(ListFileDialogCases, HandsBackTheValidChoiceAndRefusesTheRest) {
    const auto& [c, mode] = GetParam();
    listFiles({"05Jan04.Lst", "12Feb05.LST", "Notes.lst", "00Jan04.Lst"});
    const std::string caption = mode == ListDialogMode::Delete ? DeleteCaption : OpenCaption;
    const bool messageShown = !std::string(c.message).empty();
    if (messageShown) desktop.dialogs.expectMessage(caption);
    bool stayedOpen = false;
    std::string nameBox;
    const ListFileChoice choice = ask(mode, [&](Open1& d) {
        EXPECT_EQ(d.Caption(), caption);
        switch (c.how) {
            case DialogCase::ClickThenOk:
                choose(d, c.text);
                ok(d);
                break;
            case DialogCase::TypeThenOk:
                type(d, c.text);
                ok(d);
                break;
            case DialogCase::DoubleClick:
                choose(d, c.text);
                runtime().userDoubleClick(*d.File1);
                break;
            case DialogCase::ClickThenCancel:
                choose(d, c.text);
                runtime().userClick(*d.Command2);
                break;
        }
        stayedOpen = d.isLoaded();
        if (stayedOpen) nameBox = d.Text2->Text();
    });
    EXPECT_EQ(choice.kind, c.kind);
    EXPECT_EQ(choice.fileName, c.chosen);
    EXPECT_EQ(stayedOpen, c.kind == Kind::Cancelled && c.how != DialogCase::ClickThenCancel);
    if (stayedOpen) {
        EXPECT_EQ(nameBox, c.nameBoxAfter);
    }
    if (!messageShown) {
        EXPECT_TRUE(desktop.dialogs.messages().empty());
        return;
    }
    ASSERT_EQ(desktop.dialogs.messages().size(), 1u);
    const platform::MessageBoxRequest& shown = desktop.dialogs.messages().front();
    EXPECT_EQ(shown.text, c.message);
    EXPECT_EQ(shown.icon, c.icon);
    EXPECT_EQ(shown.buttons, platform::MsgButtons::OK);
}

INSTANTIATE_TEST_SUITE_P(Choices, ListFileDialogCases,
                         ::testing::Combine(::testing::ValuesIn(Cases),
                                            ::testing::Values(ListDialogMode::Open, ListDialogMode::Delete)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == ListDialogMode::Delete ? "_Delete" : "_Open");
                         });

TEST_F(ListFileDialogTest, AChoiceRefusedLeavesTheDialogOpenForAnother) {
    listFiles({"05Jan04.Lst", "Notes.lst"});
    desktop.dialogs.expectMessage(OpenCaption);
    const ListFileChoice choice = ask(ListDialogMode::Open, [&](Open1& d) {
        choose(d, "Notes.lst");
        ok(d);
        ASSERT_TRUE(d.isLoaded());
        choose(d, "05Jan04.Lst");
        ok(d);
    });
    EXPECT_EQ(choice.kind, Kind::Chosen);
    EXPECT_EQ(choice.fileName, "05Jan04.Lst");
}

TEST_F(ListFileDialogTest, ClosedByItsFrameCountsAsCancelled) {
    listFiles({"05Jan04.Lst"});
    // A choice made the time before is not handed back again.
    EXPECT_EQ(ask(ListDialogMode::Open,
                  [&](Open1& d) {
                      choose(d, "05Jan04.Lst");
                      ok(d);
                  })
                  .kind,
              Kind::Chosen);
    const ListFileChoice choice = ask(ListDialogMode::Delete, [&](Open1& d) { choose(d, "05Jan04.Lst"); });
    EXPECT_EQ(choice.kind, Kind::Cancelled);
    EXPECT_EQ(choice.fileName, "");
}

TEST_F(ListFileDialogTest, InSmallerScreenItKeepsItsSizeAndStandsOverTheStartWindow100TwipsLow) {
    listFiles({"05Jan04.Lst"});
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20));
    restart();
    startProgram();
    ASSERT_TRUE(app().vars.smallerScreen());
    ask(ListDialogMode::Open, [&](Open1& d) {
        EXPECT_EQ(d.ScaleWidth(), Open1::InsideWidth);
        EXPECT_EQ(d.ScaleHeight(), Open1::InsideHeight);
        EXPECT_EQ(d.Left(), static_cast<int>(std::lround(start().Left() + 6000 - d.Width() / 2.0)));
        EXPECT_EQ(d.Top(), static_cast<int>(std::lround(start().Top() + 4500 - d.Height() / 2.0 + 100)));
        EXPECT_FALSE(d.elasticResize());
    });
}

TEST_F(ListFileDialogTest, InFullScreenItTakesItsSizeFromTheStartWindow) {
    listFiles({"05Jan04.Lst"});
    app().vars.DisplayMode = shell::FullScreenDisplay;
    start().Move(0, 0, 15000, 11000);
    app().vars.StartWidth = 15000;
    app().vars.StartHeight = 11000;
    ask(ListDialogMode::Open, [&](Open1& d) {
        EXPECT_EQ(d.Width(), 4800);
        EXPECT_EQ(d.Height(), 4400);
        EXPECT_EQ(d.Left(), 7500 - 2400);
        EXPECT_EQ(d.Top(), 5500 - 2200 + 100);
        EXPECT_TRUE(d.elasticResize());
    });
}

}  // namespace
}  // namespace shopping
