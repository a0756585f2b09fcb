// The recipe window as designed, on a form of its own without a screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "platform/runtime.h"
#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "recipes/recipe_window_controls.h"

namespace recipes {
namespace {

using ui::ControlKind;

class Form5DesignTest : public ::testing::Test {
protected:
    Form5DesignTest() {
        form.Move(0, 0, 12000, 9000);
        BuildForm5(form);
        BindForm5(form, c);
    }

    basic::testing::TestFolder folder;
    platform::testing::ScriptedDesktop desktop;
    platform::Runtime runtime{desktop.services(), desktop.windows, basic::ProgramFolder(folder.path())};
    ui::Form form{runtime, "Form5"};
    Form5Controls c;
};

// The members, read as what they all are: pointers.
std::vector<const void*> MembersOf(const Form5Controls& controls) {
    static_assert(std::is_trivially_copyable_v<Form5Controls>);
    static_assert(sizeof(Form5Controls) % sizeof(void*) == 0);
    std::vector<const void*> members(sizeof(Form5Controls) / sizeof(void*));
    std::memcpy(members.data(), &controls, sizeof controls);
    return members;
}

int NamedMenuItems(const std::vector<std::unique_ptr<ui::Menu>>& menus) {
    int count = 0;
    for (const auto& menu : menus) count += (menu->name().empty() ? 0 : 1) + NamedMenuItems(menu->items());
    return count;
}

std::string NameOf(const ui::Control& control) {
    return control.index() < 0 ? control.name() : control.name() + "(" + std::to_string(control.index()) + ")";
}

struct Box {
    int left, top, right, bottom;
};
Box BoxOf(const ui::Control& c) { return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()}; }
bool Overlap(const ui::Control& a, const ui::Control& b) {
    const Box x = BoxOf(a), y = BoxOf(b);
    return x.left < y.right && y.left < x.right && x.top < y.bottom && y.top < x.bottom;
}

// What may lie over other controls: panels hidden until they open over the
// window, and the pick lists, which lie behind the boxes they serve.
bool MayLieOver(const ui::Control& control) {
    if (control.kind() == ControlKind::Panel && !control.Visible()) return true;
    // The Enlarge and Auto Size buttons lie over the preview's upper edge.
    if (control.kind() == ControlKind::PrintPreview) return true;
    return control.name() == "Combo3" || control.name() == "Combo5" || control.name() == "Combo6";
}

TEST_F(Form5DesignTest, EveryMemberHasAControlOrMenuOfItsOwn) {
    const std::vector<const void*> members = MembersOf(c);
    EXPECT_EQ(std::count(members.begin(), members.end(), nullptr), 0) << "members left unbound";
    EXPECT_EQ(std::set<const void*>(members.begin(), members.end()).size(), members.size())
        << "two members bound to one control";
    // The preview panel's common controls are the panel's own members; the
    // window keeps the panel and its buttons.
    std::vector<ui::design::ControlRow> panelRows;
    int tab = 0;
    printing::AddPreviewPanelRows(panelRows, RecipePreviewDesign, tab);
    printing::AddPreviewPanelTopRows(panelRows, RecipePreviewDesign, tab);
    const std::size_t alsoTheWindows = 1 + c.SSCommand80.size();
    EXPECT_EQ(members.size(), form.controls().size() - panelRows.size() + alsoTheWindows +
                                  static_cast<std::size_t>(NamedMenuItems(form.menus())))
        << "controls or menu items without a member";
}

TEST_F(Form5DesignTest, TheOpenNameListLiesOverTheIngredientBoxesYetTabsRightAfterTheType) {
    const auto place = [&](const ui::Control* control) {
        const auto& all = form.controls();
        return std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == control; }) - all.begin();
    };
    EXPECT_GT(place(c.Combo2), place(c.Text5[19])) << "added later: in front";
    EXPECT_GT(place(c.Text8), place(c.Combo2)) << "the name box over the list's text line";
    EXPECT_LT(place(c.SSPanel3), place(c.SSPanel80)) << "the panels still cover it";
    EXPECT_GT(place(c.SSPanel80), place(c.Combo2));
    EXPECT_GT(c.Combo2->TabIndex(), c.Combo1->TabIndex());
    EXPECT_LT(c.Combo2->TabIndex(), c.Text8->TabIndex());
    EXPECT_LT(c.Text8->TabIndex(), c.Text1[0]->TabIndex());
}

TEST_F(Form5DesignTest, ThePreviewsFontDisplaysAndSampleStandWhereTheDesignPutsThem) {
    std::array<ui::Panel*, 3> displays{};
    ui::Frame* sample = nullptr;
    ui::design::Bind(form, displays, "Panel3D80");
    ui::design::Bind(form, sample, "Frame3");
    const struct {
        const ui::Control* control;
        Box box;
    } cases[] = {
        {displays[printing::FontNameDisplay], {1090, 3660, 1090 + 2325, 3660 + 322}},
        {displays[printing::FontSizeDisplay], {930, 4000, 930 + 585, 4000 + 322}},
        {sample, {195, 4290, 195 + 3240, 4290 + 825}},
    };
    for (const auto& [control, box] : cases) {
        ASSERT_NE(control, nullptr);
        const Box shown = BoxOf(*control);
        EXPECT_EQ(control->container(), c.SSPanel80) << NameOf(*control);
        EXPECT_EQ(std::tie(shown.left, shown.top, shown.right, shown.bottom),
                  std::tie(box.left, box.top, box.right, box.bottom))
            << NameOf(*control);
    }
}

TEST_F(Form5DesignTest, NoTwoControlsOfAPanelOverlap) {
    // The name box lies over the name list's text line, at the same spot.
    EXPECT_EQ(c.Text8->Left(), c.Combo2->Left());
    EXPECT_EQ(c.Text8->Top(), c.Combo2->Top());
    EXPECT_EQ(c.Text8->Width(), c.Combo2->Width());
    for (const auto& a : form.controls()) {
        if (!a->container() || MayLieOver(*a)) continue;
        for (const auto& b : form.controls()) {
            if (a.get() >= b.get() || b->container() != a->container() || MayLieOver(*b)) continue;
            const bool nameOverList =
                (a.get() == c.Text8 && b.get() == c.Combo2) || (a.get() == c.Combo2 && b.get() == c.Text8);
            // The preview's design lets the font size display reach 32 twips
            // into the top of the sample frame, above the frame's line.
            const bool sizeOverSample = (NameOf(*a) == "Panel3D80(1)" && NameOf(*b) == "Frame3") ||
                                        (NameOf(*a) == "Frame3" && NameOf(*b) == "Panel3D80(1)");
            EXPECT_TRUE(nameOverList || sizeOverSample || !Overlap(*a, *b)) << NameOf(*a) << " overlaps " << NameOf(*b);
        }
    }
}

TEST_F(Form5DesignTest, TheMainPanelAndTheSearchPanelsLieBetweenTheBars) {
    const ui::Control* bars[] = {c.Toolbar1, c.Toolbar2, c.Toolbar3, c.StatusBar1};
    for (const ui::Control* panel : {c.Panel3D1, c.SSPanel2, c.SSPanel8})
        for (const ui::Control* bar : bars)
            EXPECT_FALSE(Overlap(*panel, *bar)) << NameOf(*panel) << " " << NameOf(*bar);
    for (const ui::Control* a : bars)
        for (const ui::Control* b : bars) EXPECT_TRUE(a == b || !Overlap(*a, *b)) << NameOf(*a) << " " << NameOf(*b);
    EXPECT_EQ(c.Toolbar1->align(), ui::Align::Top);
    EXPECT_EQ(c.Toolbar2->align(), ui::Align::Left);
    EXPECT_EQ(c.Toolbar3->align(), ui::Align::Right);
    EXPECT_EQ(c.StatusBar1->Top() + c.StatusBar1->Height(), form.ScaleHeight()) << "along the bottom";
}

TEST_F(Form5DesignTest, EveryControlLiesInsideItsContainer) {
    for (const auto& control : form.controls()) {
        const ui::Control* in = control->container();
        const int width = in ? in->Width() : form.ScaleWidth();
        const int height = in ? in->Height() : form.ScaleHeight();
        const Box box = BoxOf(*control);
        EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height)
            << NameOf(*control) << " reaches out of " << (in ? NameOf(*in) : "the window");
    }
}

TEST_F(Form5DesignTest, TheLinesFormTwoColumnsOfTenAlignedRows) {
    for (int line = 0; line < Form5Controls::LineCount; ++line) {
        const ui::Control* amount = c.Text1[line];
        const ui::Control* unit = c.Text4[line];
        const ui::Control* ingredient = c.Text5[line];
        EXPECT_TRUE(amount->Top() == unit->Top() && unit->Top() == ingredient->Top()) << "line " << line;
        EXPECT_TRUE(amount->Left() < unit->Left() && unit->Left() < ingredient->Left()) << "line " << line;
        const int row = line % Form5Controls::LinesPerColumn;
        EXPECT_EQ(amount->Top(), c.Text1[row]->Top()) << "line " << line << " shares its row with line " << row;
        if (row > 0) {
            EXPECT_GT(amount->Top(), c.Text1[line - 1]->Top()) << "line " << line << " lies lower";
        }
        if (line >= Form5Controls::LinesPerColumn) {
            EXPECT_GT(amount->Left(), c.Text5[row]->Left() + c.Text5[row]->Width()) << "line " << line << " right";
        }
    }
}

TEST_F(Form5DesignTest, TabGoesThroughTheRecipeLineByLineAcrossTheGrid) {
    // Name, line 0, line 10, line 1, line 11 ... line 9, line 19, then the rest.
    std::vector<const ui::Control*> expected = {c.Combo1, c.Combo2, c.Text8};
    for (int row = 0; row < 10; ++row)
        for (const int line : {row, row + 10})
            expected.insert(expected.end(), {c.Text1[line], c.Text4[line], c.Text5[line]});
    expected.insert(expected.end(), {c.Text2, c.Text3, c.Text7, c.Text6, c.Combo4});

    std::vector<const ui::Control*> byTab = expected;
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](const ui::Control* a, const ui::Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(NameOf(*byTab[i]), NameOf(*expected[i])) << "stop " << i;

    std::set<int> tabs;
    for (const auto& control : form.controls()) {
        if (control->canHoldFocus()) {
            EXPECT_TRUE(tabs.insert(control->TabIndex()).second) << NameOf(*control) << " shares its tab stop";
        }
    }
}

TEST_F(Form5DesignTest, BoxesStopAtWhatTheRecipeKeeps) {
    const struct {
        const ui::TextBox* box;
        int maxLength;
    } limits[] = {
        {c.Text8, 40},   {c.Text1[0], 7},   {c.Text1[19], 7},  {c.Text4[7], 10}, {c.Text5[12], 35},
        {c.Text2, 1000}, {c.Text3, 4},      {c.Text7, 20},     {c.Text6, 5},     {c.Text9, 5},
        {c.Text16, 40},  {c.Text17[0], 30}, {c.Text17[7], 30}, {c.Text12, 35},   {c.Text14, 35},
    };
    for (const auto& [box, maxLength] : limits) EXPECT_EQ(box->MaxLength(), maxLength) << NameOf(*box);
    EXPECT_TRUE(c.Text2->MultiLine());
    EXPECT_TRUE(c.Text15->Locked()) << "the current name is only read";
    EXPECT_FALSE(c.Text16->Locked());
    EXPECT_EQ(c.ProgressBar1->Max(), 30000);
}

TEST_F(Form5DesignTest, ListsHaveTheirStyles) {
    const struct {
        const ui::ComboBox* combo;
        ui::ComboStyle style;
        bool sorted;
    } combos[] = {
        {c.Combo1, ui::ComboStyle::DropDownCombo, true},    {c.Combo2, ui::ComboStyle::SimpleCombo, true},
        {c.Combo3, ui::ComboStyle::DropDownList, false},    {c.Combo4, ui::ComboStyle::DropDownCombo, true},
        {c.Combo5, ui::ComboStyle::DropDownList, false},    {c.Combo6, ui::ComboStyle::DropDownList, false},
        {c.Combo7, ui::ComboStyle::DropDownCombo, true},    {c.Combo8[9], ui::ComboStyle::DropDownCombo, false},
        {c.Combo9[0], ui::ComboStyle::DropDownList, false},
    };
    for (const auto& [combo, style, sorted] : combos) {
        EXPECT_EQ(combo->Style(), style) << NameOf(*combo);
        EXPECT_EQ(combo->Sorted(), sorted) << NameOf(*combo);
    }
    EXPECT_TRUE(c.List1->Sorted());
    // Each pick list reaches 275 twips past its box, so that its button shows.
    EXPECT_EQ(c.Combo3->Width(), c.Text1[0]->Width() + 275);
    EXPECT_EQ(c.Combo5->Width(), c.Text4[0]->Width() + 275);
    EXPECT_EQ(c.Combo6->Width(), c.Text4[0]->Width() + 275);
}

TEST_F(Form5DesignTest, BeforeARecipeIsChosenOnlyCreateViewSearchAndExitWork) {
    const struct {
        const ui::Control* control;
        bool enabled;
    } buttons[] = {
        {c.Command1, true},  {c.Command2, true},  {c.Command16, true}, {c.Command3, true},  {c.Command5, false},
        {c.Command4, false}, {c.Command6, false}, {c.Command7, false}, {c.Command8, false}, {c.Command25, false},
    };
    for (const auto& [button, enabled] : buttons) EXPECT_EQ(button->Enabled(), enabled) << NameOf(*button);
    const struct {
        const ui::Menu* item;
        bool enabled;
    } items[] = {
        {c.mOCr, true},     {c.mOV, true},    {c.mOsr, true},   {c.mOW, true},   {c.mOe, true},
        {c.mOMo, false},    {c.mODel, false}, {c.mOCal, false}, {c.mOP, false},  {c.mOSa, false},
        {c.mOSpell, false}, {c.mOCo1, false}, {c.mOIm, false},  {c.mOex, false}, {c.mOChange, false},
    };
    for (const auto& [item, enabled] : items) EXPECT_EQ(item->Enabled(), enabled) << item->name();
    EXPECT_FALSE(c.mOCopy->Visible()) << "offered only in the menu at the mouse";
}

TEST_F(Form5DesignTest, PanelsThatOpenLaterStartHidden) {
    for (const ui::Control* panel : {c.Panel3D1, c.SSPanel2, c.SSPanel3, c.SSPanel5, c.SSPanel6, c.SSPanel7, c.SSPanel8,
                                     c.SSPanel9, c.SSPanel10, c.SSPanel11, c.SSPanel12, c.SSPanel13, c.SSPanel80})
        EXPECT_FALSE(panel->Visible()) << NameOf(*panel);
    for (const ui::Control* pickList : {c.Combo3, c.Combo5, c.Combo6}) EXPECT_FALSE(pickList->Visible());
    EXPECT_FALSE(c.Text11->Visible());
    EXPECT_EQ(c.SSPanel4->Caption(), "Recipe Files");
    ASSERT_EQ(c.StatusBar1->PanelCount(), 3);
    EXPECT_TRUE(c.StatusBar1->Panel(1).visible);
    EXPECT_FALSE(c.StatusBar1->Panel(2).visible);
    EXPECT_FALSE(c.StatusBar1->Panel(3).visible);
}

TEST_F(Form5DesignTest, TheMenusListTheirItemsInOrder) {
    const auto captions = [](const ui::Menu& menu) {
        std::vector<std::string> shown;
        for (const auto& item : menu.items()) shown.push_back(item->Caption());
        return shown;
    };
    std::vector<std::string> bar;
    for (const auto& menu : form.menus()) bar.push_back(menu->Caption());
    EXPECT_EQ(bar, (std::vector<std::string>{"&Options", "&Edit", "&Utilities", "&Help"}));
    EXPECT_EQ(captions(*c.mO), (std::vector<std::string>{"Panel C&olor",
                                                         "-",
                                                         "Select Cook&book",
                                                         "-",
                                                         "Cookbook &Titles",
                                                         "-",
                                                         "Searc&h",
                                                         "-",
                                                         "&Create Recipe",
                                                         "-",
                                                         "&View Recipe",
                                                         "&Modify Recipe",
                                                         "Change Recipe &Name",
                                                         "-",
                                                         "&Delete Recipe",
                                                         "-",
                                                         "C&alculate Amounts",
                                                         "-",
                                                         "Cop&y",
                                                         "&Print",
                                                         "&Save",
                                                         "Spelling Chec&k",
                                                         "-",
                                                         "Print &Worksheet",
                                                         "-",
                                                         "&Export Recipe",
                                                         "&Import Recipe",
                                                         "-",
                                                         "E&xit"}));
    for (int n = 1; n <= Form5Controls::CookbookCount; ++n) {
        EXPECT_EQ(c.mOCB1[n - 1]->Caption(), "Cookbook #&" + std::to_string(n));
        EXPECT_EQ(c.mOCB1[n - 1]->index(), n);
    }
    EXPECT_EQ(captions(*c.mEdit), (std::vector<std::string>{"&Copy"}));
    EXPECT_EQ(captions(*c.mU), (std::vector<std::string>{"&Backup Recipes to Disk", "&Restore Recipes from Disk"}));
    EXPECT_TRUE(c.mH->items().empty()) << "Help opens the help at once";
}

TEST_F(Form5DesignTest, BoxesWithoutACaptionTellAScreenReaderWhatTheyHold) {
    std::set<std::string> names;
    for (const auto& control : form.controls()) {
        // Buttons and options say it in their captions; the reference box is never shown.
        if (!control->canHoldFocus() || control->kind() == ControlKind::CommandButton ||
            control->kind() == ControlKind::OptionButton || control.get() == c.Text11)
            continue;
        EXPECT_FALSE(control->AccessibleName().empty()) << NameOf(*control);
        EXPECT_TRUE(names.insert(control->AccessibleName()).second) << control->AccessibleName() << " twice";
    }
    EXPECT_EQ(c.Text1[3]->AccessibleName(), "Amount, line 4");
    EXPECT_EQ(c.Text4[3]->AccessibleName(), "Unit, line 4");
    EXPECT_EQ(c.Text5[13]->AccessibleName(), "Ingredient, line 14");
    EXPECT_EQ(c.Text8->AccessibleName(), "Recipe name");
    EXPECT_EQ(c.Combo1->AccessibleName(), "Recipe type");
    EXPECT_EQ(c.Text2->AccessibleName(), "Directions");
}

}  // namespace
}  // namespace recipes
