#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/tests/ui/sample_form.h"
#include "platform/ui/design.h"

namespace ui::testing {
namespace {

using namespace ui::design;

// A pantry window in the shape the program's windows take: its controls in a
// struct of their own, its handlers on the window.
struct PantryControls {
    Panel* Shelf = nullptr;
    Label* Title = nullptr;
    TextBox* Amount = nullptr;
    ComboBox* Kinds = nullptr;
    std::array<CommandButton*, 3> Go{};
    Toolbar* Tools = nullptr;
    std::array<OptionButton*, 2> Size{};
    Menu* mF = nullptr;
    std::array<Menu*, 2> mFB{};  // items 1 and 2
};

class Pantry : public Form, public PantryControls {
public:
    explicit Pantry(platform::Runtime& runtime) : Form(runtime, "Pantry") {}

    void Go_Click(int index) { log.push_back("Go(" + std::to_string(index) + ").Click"); }
    void Amount_Change() { log.push_back("Amount.Change"); }
    void Amount_KeyDown(int& key, int shift) {
        log.push_back("Amount.KeyDown " + std::to_string(key) + " " + std::to_string(shift));
        key = 0;
    }
    void Amount_LostFocus() { log.push_back("Amount.LostFocus"); }
    void Kinds_Click() { log.push_back("Kinds.Click"); }
    void Size_Click(int index) { log.push_back("Size(" + std::to_string(index) + ").Click"); }
    void mFB_Click(int index) { log.push_back("mFB(" + std::to_string(index) + ").Click"); }

    std::vector<std::string> log;
};

// clang-format off
const Row<Pantry> PantryRows[] = {
    {UI_MEMBER(Pantry, Tools), {.align = Align::Left}},
    {UI_MEMBER(Pantry, Shelf), {.rect = {600, 200, 3000, 2000}}},
    {UI_MEMBER(Pantry, Title), {.parent = "Shelf", .rect = {10, 20, 900, 300}, .caption = "&Spices",
                                .font = style::LabelFont, .foreColor = style::Navy, .flags = Transparent | AutoSize}},
    {UI_MEMBER(Pantry, Amount), {.parent = "Shelf", .tabIndex = 1, .flags = Locked, .maxLength = 7},
     {.change = &Pantry::Amount_Change, .lostFocus = &Pantry::Amount_LostFocus, .keyDown = &Pantry::Amount_KeyDown}},
    {UI_MEMBER(Pantry, Kinds), {.flags = Sorted, .comboStyle = ComboStyle::DropDownList}, {.click = &Pantry::Kinds_Click}},
    {UI_MEMBER(Pantry, Go), {.index = 2, .caption = "&Stop", .flags = CancelButton}, {.click = &Pantry::Go_Click}},
    {UI_MEMBER(Pantry, Go), {.index = 0, .parent = "Shelf", .caption = "&Go", .flags = DefaultButton},
     {.click = &Pantry::Go_Click}},
    {UI_MEMBER(Pantry, Size), {.index = 0, .parent = "Shelf", .caption = "&Small"}, {.click = &Pantry::Size_Click}},
    {UI_MEMBER(Pantry, Size), {.index = 1, .parent = "Shelf", .caption = "&Large", .flags = Checked},
     {.click = &Pantry::Size_Click}},
    ControlRow{.kind = ControlKind::Label, .name = "Unbound", .caption = "no member holds me"},
};
const MenuItem<Pantry> PantryMenus[] = {
    {UI_MEMBER(Pantry, mF), {.caption = "&File"}},
    {UI_MEMBER(Pantry, mFB).from(1), {.parent = "mF", .caption = "Book &1", .index = 1}, &Pantry::mFB_Click},
    MenuRow{.parent = "mF", .caption = "-"},
    {UI_MEMBER(Pantry, mFB).from(1), {.parent = "mF", .caption = "Book &2", .index = 2}, &Pantry::mFB_Click},
};
// clang-format on

class DesignRowsTest : public ::testing::Test {
protected:
    Desk desk;
    Pantry pantry{desk.runtime};
};

TEST_F(DesignRowsTest, BuildingBindsEachMemberToTheControlOfItsKind) {
    Build(pantry, pantry, PantryRows, PantryMenus);

    ASSERT_NE(pantry.Shelf, nullptr);
    EXPECT_EQ(pantry.Shelf, pantry.findControl("Shelf"));
    EXPECT_EQ(pantry.Title, &pantry.control<Label>("Title"));
    EXPECT_EQ(pantry.Amount, &pantry.control<TextBox>("Amount"));
    EXPECT_EQ(pantry.Kinds, &pantry.control<ComboBox>("Kinds"));
    EXPECT_EQ(pantry.Tools, &pantry.control<Toolbar>("Tools"));
    EXPECT_EQ(pantry.Title->container(), pantry.Shelf);
    EXPECT_EQ(pantry.Title->kind(), ControlKind::Label) << "the kind comes from the member's type";
    EXPECT_EQ(pantry.control<Label>("Unbound").Caption(), "no member holds me");
    EXPECT_EQ(pantry.mF, &pantry.menu("mF"));
}

TEST_F(DesignRowsTest, ArrayRowsFillTheirMembersByIndex) {
    Build(pantry, pantry, PantryRows, PantryMenus);

    EXPECT_EQ(pantry.Go[0], &pantry.control<CommandButton>("Go", 0));
    EXPECT_EQ(pantry.Go[1], nullptr) << "no row for index 1";
    EXPECT_EQ(pantry.Go[2], &pantry.control<CommandButton>("Go", 2));
    EXPECT_EQ(pantry.Go[0]->container(), pantry.Shelf);
    EXPECT_EQ(pantry.mFB[0], &pantry.menu("mFB", 1)) << "the menu array begins at item 1";
    EXPECT_EQ(pantry.mFB[1], &pantry.menu("mFB", 2));
    ASSERT_EQ(pantry.mF->items().size(), 3u);
    EXPECT_TRUE(pantry.mF->items()[1]->isSeparator());
}

TEST_F(DesignRowsTest, EventsNamedInARowReachTheOwnersHandlers) {
    Build(pantry, pantry, PantryRows, PantryMenus);

    pantry.Go[2]->onClick();
    pantry.Go[0]->onClick();
    pantry.Kinds->onClick();
    pantry.Amount->onChange();
    int key = 13;
    pantry.Amount->onKeyDown(key, 1);
    pantry.Amount->onLostFocus();
    pantry.mFB[1]->onClick();
    EXPECT_EQ(pantry.log, (std::vector<std::string>{"Go(2).Click", "Go(0).Click", "Kinds.Click", "Amount.Change",
                                                    "Amount.KeyDown 13 1", "Amount.LostFocus", "mFB(2).Click"}));
    EXPECT_EQ(key, 0) << "a key handler can swallow the key";
    EXPECT_FALSE(pantry.Amount->onClick) << "events the row does not name stay unbound";
    EXPECT_FALSE(pantry.mF->onClick);
}

TEST_F(DesignRowsTest, EachKindTakesItsOwnSettingsFromTheRow) {
    Build(pantry, pantry, PantryRows, PantryMenus);

    EXPECT_TRUE(pantry.Title->Transparent());
    EXPECT_EQ(pantry.Title->Width(), desk.desktop.windows.measureText(style::LabelFont, "Spices").width)
        << "AutoSize after caption and font; \"&\" takes no room";
    EXPECT_EQ(pantry.Title->ForeColor(), style::Navy);
    EXPECT_TRUE(pantry.Amount->Locked());
    EXPECT_EQ(pantry.Amount->MaxLength(), 7);
    EXPECT_EQ(pantry.Kinds->Style(), ComboStyle::DropDownList);
    EXPECT_TRUE(pantry.Kinds->Sorted());
    EXPECT_TRUE(pantry.Go[0]->Default());
    EXPECT_FALSE(pantry.Go[0]->Cancel());
    EXPECT_TRUE(pantry.Go[2]->Cancel());
    EXPECT_EQ(pantry.Tools->align(), Align::Left);
    EXPECT_FALSE(pantry.Size[0]->Value());
    EXPECT_TRUE(pantry.Size[1]->Value());
    EXPECT_TRUE(pantry.log.empty()) << "the option chosen in the design is chosen before its handler listens";
    pantry.Size[0]->setValue(true);
    EXPECT_FALSE(pantry.Size[1]->Value());
    EXPECT_EQ(pantry.log, std::vector<std::string>{"Size(0).Click"});
}

TEST_F(DesignRowsTest, RowsBuiltByAnotherTableBindByName) {
    // A panel's rows laid out among a window's own plain rows.
    std::vector<ControlRow> plain;
    for (const Row<Pantry>& row : PantryRows) plain.push_back(row.row());
    Build(pantry, plain);
    EXPECT_EQ(pantry.Amount, nullptr);

    BindBuilt(pantry, pantry, PantryRows);
    EXPECT_EQ(pantry.Amount, &pantry.control<TextBox>("Amount"));
    EXPECT_EQ(pantry.Go[2], &pantry.control<CommandButton>("Go", 2));
    pantry.Go[2]->onClick();
    EXPECT_EQ(pantry.log, std::vector<std::string>{"Go(2).Click"});
}

TEST_F(DesignRowsTest, ADesignBuiltUnboundBindsItsControlsMenusAndHandlersLater) {
    BuildUnbound<Pantry>(pantry, PantryRows, PantryMenus);
    EXPECT_EQ(pantry.Go[0], nullptr);
    EXPECT_EQ(pantry.mFB[1], nullptr);
    ASSERT_NE(pantry.findMenu("mFB", 2), nullptr);
    EXPECT_FALSE(pantry.findMenu("mFB", 2)->onClick) << "no handler before the owner is bound";

    BindBuilt(pantry, pantry, PantryRows, PantryMenus);
    EXPECT_EQ(pantry.Go[0], &pantry.control<CommandButton>("Go", 0));
    EXPECT_EQ(pantry.mF, &pantry.menu("mF"));
    EXPECT_EQ(pantry.mFB[0], &pantry.menu("mFB", 1));
    EXPECT_EQ(pantry.mFB[1], &pantry.menu("mFB", 2));
    pantry.mFB[1]->onClick();
    pantry.Go[0]->onClick();
    EXPECT_EQ(pantry.log, (std::vector<std::string>{"mFB(2).Click", "Go(0).Click"}));

    Pantry bare{desk.runtime};
    EXPECT_THROW(BindBuilt(bare, bare, {}, PantryMenus), std::logic_error) << "menus never built";
}

TEST_F(DesignRowsTest, MistakesInTypedRowsAreFoundAtOnce) {
    const Row<Pantry> orphan[] = {{UI_MEMBER(Pantry, Title), {.parent = "Later"}}};
    EXPECT_THROW(Build(pantry, pantry, orphan), std::logic_error);
    EXPECT_EQ(pantry.Title, nullptr);

    const Row<Pantry> outside[] = {{UI_MEMBER(Pantry, Go), {.index = 3}}};
    EXPECT_THROW(Build(pantry, pantry, outside), std::logic_error) << "Go holds three buttons";

    const Row<Pantry> noChange[] = {{UI_MEMBER(Pantry, Shelf), {}, {.change = &Pantry::Amount_Change}}};
    EXPECT_THROW(Build(pantry, pantry, noChange), std::logic_error) << "a panel has no Change event";

    const ControlRow label[] = {{.kind = ControlKind::Label, .name = "Amount"}};
    Build(pantry, label);
    const Row<Pantry> box[] = {{UI_MEMBER(Pantry, Amount), {}}};
    EXPECT_THROW(BindBuilt(pantry, pantry, box), std::logic_error) << "built as a label, held as a text box";

    const MenuItem<Pantry> outsideMenu[] = {{UI_MEMBER(Pantry, mFB), {.caption = "Book &3", .index = 3}}};
    EXPECT_THROW(Build(pantry, pantry, {}, outsideMenu), std::logic_error);
}

}  // namespace
}  // namespace ui::testing
