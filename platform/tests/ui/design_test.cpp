#include "platform/ui/design.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/tests/ui/sample_form.h"

namespace ui::testing {
namespace {

using namespace ui::design;

class DesignTest : public ::testing::Test {
protected:
    Desk desk;
    Form form{desk.runtime, "Pantry"};
};

TEST_F(DesignTest, ControlsAreBuiltInTheirContainersWithTheirProperties) {
    const Font bold{"Arial", 12, true};
    // clang-format off
    const ControlRow rows[] = {
        {.kind = ControlKind::Panel, .name = "Shelf", .index = 2, .rect = {100, 200, 3000, 2000}},
        {.kind = ControlKind::Label, .name = "Title", .parent = "Shelf", .parentIndex = 2, .rect = {10, 20, 900, 300},
         .caption = "&Spices", .font = bold, .foreColor = Rgb(1, 2, 3), .flags = Transparent},
        {.kind = ControlKind::CommandButton, .name = "Go", .index = 0, .parent = "Shelf", .parentIndex = 2,
         .caption = "&Go", .tabIndex = 4, .flags = DefaultButton | Disabled},
        {.kind = ControlKind::CommandButton, .name = "Go", .index = 1, .caption = "&Stop",
         .backColor = colors::White, .flags = CancelButton | Hidden},
        {.kind = ControlKind::TextBox, .name = "Amount", .rect = {0, 0, 1200, 300}},
        {.kind = ControlKind::Label, .name = "Fit", .caption = "four", .font = bold, .flags = AutoSize},
    };
    // clang-format on
    Build(form, rows);

    Panel* shelf = nullptr;
    std::array<CommandButton*, 2> go{};
    Label* title = nullptr;
    Bind(form, shelf, "Shelf", 2);
    Bind(form, go, "Go");
    Bind(form, title, "Title");
    EXPECT_EQ(title->container(), shelf);
    EXPECT_EQ(title->Left(), 10);
    EXPECT_EQ(title->Height(), 300);
    EXPECT_EQ(title->Caption(), "&Spices");
    EXPECT_EQ(title->font(), bold);
    EXPECT_EQ(title->ForeColor(), Rgb(1, 2, 3));
    EXPECT_TRUE(title->Transparent());
    EXPECT_EQ(go[0]->container(), shelf);
    EXPECT_TRUE(go[0]->Default());
    EXPECT_FALSE(go[0]->Enabled());
    EXPECT_EQ(go[0]->TabIndex(), 4);
    EXPECT_TRUE(go[1]->Cancel());
    EXPECT_FALSE(go[1]->Visible());
    EXPECT_EQ(go[1]->BackColor(), colors::White);
    EXPECT_EQ(go[1]->container(), nullptr);
    EXPECT_EQ(form.control<TextBox>("Amount").Width(), 1200);
    const auto& fit = form.control<Label>("Fit");
    EXPECT_EQ(fit.Width(), desk.desktop.windows.measureText(bold, "four").width) << "AutoSize after the font";
}

TEST_F(DesignTest, BoxesTakeTheirLimitsStylesAndScreenReaderNames) {
    const ControlRow rows[] = {
        {.kind = ControlKind::TextBox,
         .name = "Notes",
         .flags = MultiLine | Locked,
         .maxLength = 1000,
         .accessibleName = "Directions"},
        {.kind = ControlKind::TextBox, .name = "Amount", .maxLength = 7},
        {.kind = ControlKind::ComboBox,
         .name = "Kinds",
         .flags = Sorted,
         .maxLength = 12,
         .comboStyle = ComboStyle::SimpleCombo},
        {.kind = ControlKind::ComboBox, .name = "Fractions", .comboStyle = ComboStyle::DropDownList},
        {.kind = ControlKind::ListBox, .name = "Names", .flags = Sorted, .shownLength = 52},
        {.kind = ControlKind::ListBox, .name = "Log"},
        {.kind = ControlKind::ComboBox, .name = "Entries", .comboStyle = ComboStyle::SimpleCombo, .shownLength = 52},
    };
    Build(form, rows);

    const auto& notes = form.control<TextBox>("Notes");
    EXPECT_TRUE(notes.MultiLine());
    EXPECT_TRUE(notes.Locked());
    EXPECT_EQ(notes.MaxLength(), 1000);
    EXPECT_EQ(notes.AccessibleName(), "Directions");
    const auto& amount = form.control<TextBox>("Amount");
    EXPECT_FALSE(amount.MultiLine());
    EXPECT_FALSE(amount.Locked());
    EXPECT_EQ(amount.MaxLength(), 7);
    EXPECT_EQ(amount.AccessibleName(), "") << "a screen reader then reads its caption";
    const auto& kinds = form.control<ComboBox>("Kinds");
    EXPECT_EQ(kinds.Style(), ComboStyle::SimpleCombo);
    EXPECT_TRUE(kinds.Sorted());
    EXPECT_EQ(kinds.MaxLength(), 12);
    const auto& fractions = form.control<ComboBox>("Fractions");
    EXPECT_EQ(fractions.Style(), ComboStyle::DropDownList);
    EXPECT_FALSE(fractions.Sorted());
    EXPECT_TRUE(form.control<ListBox>("Names").Sorted());
    EXPECT_FALSE(form.control<ListBox>("Log").Sorted());
    EXPECT_EQ(form.control<ListBox>("Names").ShownLength(), 52);
    EXPECT_EQ(form.control<ListBox>("Log").ShownLength(), 0) << "entries show whole";
    EXPECT_EQ(form.control<ComboBox>("Entries").ShownLength(), 52);
    EXPECT_EQ(kinds.ShownLength(), 0);
}

TEST_F(DesignTest, AGridIsPlacedInItsContainerAndBindsAsAGrid) {
    const ControlRow rows[] = {
        {.kind = ControlKind::Panel, .name = "Results", .rect = {0, 0, 6000, 4000}},
        {.kind = ControlKind::Grid,
         .name = "Found",
         .parent = "Results",
         .rect = {120, 240, 5000, 3000},
         .tabIndex = 3,
         .accessibleName = "Recipes found"},
    };
    Build(form, rows);
    Grid* found = nullptr;
    Bind(form, found, "Found");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->container(), form.findControl("Results", -1));
    EXPECT_EQ(found->Top(), 240);
    EXPECT_EQ(found->Width(), 5000);
    EXPECT_EQ(found->TabIndex(), 3);
    EXPECT_EQ(found->AccessibleName(), "Recipes found");
    Label* wrongKind = nullptr;
    EXPECT_THROW(Bind(form, wrongKind, "Found"), std::logic_error);
}

TEST_F(DesignTest, AMenuItemArrayBindsFromItsFirstIndex) {
    const MenuRow rows[] = {
        {"mB", nullptr, "&Books"},
        {"mB1", "mB", "Book &1", 1},
        {"mB1", "mB", "Book &2", 2},
    };
    Build(form, {}, rows);
    std::array<Menu*, 2> books{};
    Bind(form, books, "mB1", 1);
    EXPECT_EQ(books[0]->Caption(), "Book &1");
    EXPECT_EQ(books[1]->Caption(), "Book &2");
    std::array<Menu*, 2> fromZero{};
    EXPECT_THROW(Bind(form, fromZero, "mB1"), std::logic_error) << "there is no item 0";
}

TEST_F(DesignTest, MenusFollowTheirParentsInOrder) {
    const MenuRow rows[] = {
        {"mF", nullptr, "&File"},
        {"mFO", "mF", "&Open"},
        {"", "mF", "-"},
        {"mFR", "mF", "&Recent"},
        {"mFRI", "mFR", "&1", 0, Checked},
        {"mP", nullptr, "Popup", -1, Hidden},
        {"mPX", "mP", "Gone", -1, Disabled},
    };
    Build(form, {}, rows);
    ASSERT_EQ(form.menus().size(), 2u);
    const Menu& file = *form.menus()[0];
    ASSERT_EQ(file.items().size(), 3u);
    EXPECT_TRUE(file.items()[1]->isSeparator());
    EXPECT_TRUE(form.menu("mFRI", 0).Checked());
    EXPECT_EQ(form.menu("mFRI", 0).parent(), &form.menu("mFR"));
    EXPECT_FALSE(form.menu("mP").Visible());
    EXPECT_FALSE(form.menu("mPX").Enabled());
    EXPECT_TRUE(form.hasMenuBar()) << "the hidden popup leaves the File menu on the bar";
}

TEST_F(DesignTest, MistakesInTheDesignAreFoundAtOnce) {
    const ControlRow orphan[] = {{.kind = ControlKind::Label, .name = "Lost", .parent = "Later"}};
    EXPECT_THROW(Build(form, orphan), std::logic_error);
    const ControlRow noModel[] = {{.kind = ControlKind::Shape, .name = "Line1"}};
    EXPECT_THROW(Build(form, noModel), std::logic_error);
    const MenuRow lostItem[] = {{"mX", "mNone", "X"}};
    EXPECT_THROW(Build(form, {}, lostItem), std::logic_error);

    const ControlRow label[] = {{.kind = ControlKind::Label, .name = "Label1"}};
    Build(form, label);
    CommandButton* wrongKind = nullptr;
    EXPECT_THROW(Bind(form, wrongKind, "Label1"), std::logic_error);
    Menu* missing = nullptr;
    EXPECT_THROW(Bind(form, missing, "mNone"), std::logic_error);
}

}  // namespace
}  // namespace ui::testing
