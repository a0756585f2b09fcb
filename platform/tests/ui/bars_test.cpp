// Toolbars, status bars and progress bars: presses and clicks that count,
// values kept in range, and bars docked along the form's edges.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "platform/tests/ui/sample_form.h"

namespace ui::testing {
namespace {

using Log = std::vector<std::string>;
using Box = std::array<int, 4>;

Box GeometryOf(const Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

ToolbarButton TextButton(const char* key) {
    ToolbarButton button;
    button.key = key;
    button.toolTip = key;
    return button;
}

class BarsTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
    SampleForm form{rt};
};

TEST_F(BarsTest, OnlyAVisibleEnabledButtonOfAUsableToolbarCanBePressed) {
    struct Case {
        const char* what;
        void (*prepare)(Toolbar&);
        int pressed;
        bool counts;
    };
    const Case cases[] = {
        {"an enabled button", [](Toolbar&) {}, 2, true},
        {"a disabled button", [](Toolbar& bar) { bar.setButtonEnabled(2, false); }, 2, false},
        {"a hidden button", [](Toolbar& bar) { bar.setButtonVisible(2, false); }, 2, false},
        {"button 0", [](Toolbar&) {}, 0, false},
        {"a number past the last", [](Toolbar&) {}, 4, false},
        {"a disabled toolbar", [](Toolbar& bar) { bar.setEnabled(false); }, 1, false},
        {"a hidden toolbar", [](Toolbar& bar) { bar.setVisible(false); }, 1, false},
        {"one in a disabled panel", [](Toolbar& bar) { bar.container()->setEnabled(false); }, 1, false},
    };
    form.Show();
    for (const Case& c : cases) {
        form.panel->setEnabled(true);
        auto& bar = form.add<Toolbar>("tbrMain", -1, form.panel);
        for (const char* key : {"new", "open", "save"}) bar.addButton(TextButton(key));
        Log pressed;
        bar.onButtonClick = [&](int number) { pressed.push_back(bar.Button(number).key); };
        c.prepare(bar);
        bar.userPressed(c.pressed);
        EXPECT_EQ(pressed, c.counts ? Log{bar.Button(c.pressed).key} : Log{}) << c.what;
    }
}

TEST_F(BarsTest, AFailingButtonHandlerIsReportedAndTheToolbarStillWorks) {
    auto& bar = form.add<Toolbar>("tbrMain");
    bar.addButton(TextButton("print"));
    bar.addButton(TextButton("copy"));
    form.Show();
    Log pressed;
    bar.onButtonClick = [&](int number) {
        if (number == 1) throw std::runtime_error("no printer");
        pressed.push_back(bar.Button(number).key);
    };
    desk.desktop.dialogs.expectFailure("Sample.tbrMain_ButtonClick");
    bar.userPressed(1);
    ASSERT_EQ(desk.desktop.dialogs.failures().size(), 1u);
    EXPECT_EQ(desk.desktop.dialogs.failures()[0].reason, "no printer");
    bar.userPressed(2);
    EXPECT_EQ(pressed, Log{"copy"});
}

TEST_F(BarsTest, AStatusPanelClickNamesTheVisiblePanel) {
    auto& bar = form.add<StatusBar>("sbStatus");
    bar.addPanel({.text = "Ready"});
    bar.addPanel({.text = "Cookbook 1", .width = 1500});
    bar.addPanel({.text = "hidden", .visible = false});
    form.Show();
    std::vector<int> clicked;
    bar.onPanelClick = [&](int number) { clicked.push_back(number); };
    for (const int number : {2, 3, 0, 4, 1}) bar.userClickedPanel(number);
    bar.setPanelVisible(3, true);
    bar.userClickedPanel(3);
    bar.setVisible(false);
    bar.userClickedPanel(1);
    EXPECT_EQ(clicked, (std::vector<int>{2, 1, 3}));

    bar.setVisible(true);
    bar.onPanelClick = [](int) { throw std::logic_error("bad panel"); };
    desk.desktop.dialogs.expectFailure("Sample.sbStatus_PanelClick");
    bar.userClickedPanel(1);
    EXPECT_EQ(desk.desktop.dialogs.failures().size(), 1u);
}

TEST_F(BarsTest, AProgressValueStaysWithinItsRange) {
    struct Case {
        int min, max, value;
        int shownMin, shownMax, shownValue;
    };
    const Case cases[] = {
        {0, 100, 40, 0, 100, 40},     {0, 100, 140, 0, 100, 100}, {0, 100, -5, 0, 100, 0}, {10, 20, 5, 10, 20, 10},
        {-50, -10, 0, -50, -10, -10}, {30, 10, 20, 30, 30, 30},  // a maximum below the minimum is the minimum
    };
    for (const Case& c : cases) {
        auto& bar = form.add<ProgressBar>("prgLoad");
        bar.setRange(c.min, c.max);
        bar.setValue(c.value);
        EXPECT_EQ((Box{bar.Min(), bar.Max(), bar.Value(), 0}), (Box{c.shownMin, c.shownMax, c.shownValue, 0}))
            << c.min << ".." << c.max << " set to " << c.value;
    }
    // A narrower range pulls the value in with it.
    auto& bar = form.add<ProgressBar>("prgSave");
    bar.setValue(90);
    bar.setRange(0, 50);
    EXPECT_EQ(bar.Value(), 50);
}

class DockingTest : public BarsTest {
protected:
    DockingTest() {
        // The inside below the menu bar: 9000 by 6000 twips.
        form.Move(0, 0, 9000 + 120, 6000 + 405 + 60 + 300);
        top.setAlign(Align::Top);
        top.Move(700, 900, 3000, 420);
        format.Move(0, 0, 100, 360);
        status.Move(0, 0, 100, 300);
        left.setAlign(Align::Left);
        left.Move(0, 0, 600, 100);
        right.setAlign(Align::Right);
        right.Move(0, 0, 450, 100);
        loose.setAlign(Align::None);
        loose.Move(100, 200, 1500, 400);
    }

    Toolbar& top = form.add<Toolbar>("tbrMain");
    Toolbar& format = form.add<Toolbar>("tbrFormat");
    StatusBar& status = form.add<StatusBar>("sbStatus");
    Toolbar& left = form.add<Toolbar>("tbrTools");
    Toolbar& right = form.add<Toolbar>("tbrSide");
    Toolbar& loose = form.add<Toolbar>("tbrLoose");
    Toolbar& inPanel = form.add<Toolbar>("tbrPanel", -1, form.panel);

    void expectPlaces(const std::vector<std::pair<const Control*, Box>>& places, const char* when) {
        for (const auto& [bar, box] : places) EXPECT_EQ(GeometryOf(*bar), box) << bar->name() << ", " << when;
    }
};

TEST_F(DockingTest, BarsTakeTheirEdgesOfTheInsideAndFollowItsSize) {
    const Box loosePlace{100, 200, 1500, 400};
    const Box panelPlace = GeometryOf(inPanel);
    expectPlaces({{&top, {0, 0, 9000, 420}},
                  {&format, {0, 420, 9000, 360}},
                  {&status, {0, 5700, 9000, 300}},
                  {&left, {0, 780, 600, 4920}},
                  {&right, {8550, 780, 450, 4920}},
                  {&loose, loosePlace},
                  {&inPanel, panelPlace}},
                 "as designed");

    form.Show();
    rt.userResized(form, 12000 + 120, 8000 + 405 + 60 + 300);
    expectPlaces({{&top, {0, 0, 12000, 420}},
                  {&format, {0, 420, 12000, 360}},
                  {&status, {0, 7700, 12000, 300}},
                  {&left, {0, 780, 600, 6920}},
                  {&right, {11550, 780, 450, 6920}},
                  {&loose, loosePlace}},
                 "after the user's resize");
}

TEST_F(DockingTest, ABarTurnedFromARowToAColumnKeepsItsThickness) {
    format.setAlign(Align::Left);
    EXPECT_EQ(GeometryOf(format), (Box{0, 420, 360, 5280}));
    EXPECT_EQ(GeometryOf(left), (Box{360, 420, 600, 5280}));
    format.setAlign(Align::Bottom);
    EXPECT_EQ(GeometryOf(format), (Box{0, 5640, 9000, 360}));
}

TEST_F(BarsTest, TheFirstMenuMakesTheBottomBarMoveUp) {
    Form bare(rt, "Bare");
    bare.Move(0, 0, 9000 + 120, 6000 + 405 + 60);
    StatusBar& status = bare.add<StatusBar>("sbStatus");
    status.Move(0, 0, 100, 300);
    EXPECT_EQ(status.Top() + status.Height(), bare.ScaleHeight());
    const int before = bare.ScaleHeight();
    bare.addMenu("mFile", "&File");
    EXPECT_LT(bare.ScaleHeight(), before);
    EXPECT_EQ(status.Top() + status.Height(), bare.ScaleHeight());
}

TEST_F(DockingTest, ABarThatHidesUndocksOrResizesMakesRoomForTheOthers) {
    format.setVisible(false);
    expectPlaces({{&left, {0, 420, 600, 5280}}, {&right, {8550, 420, 450, 5280}}}, "a top bar hidden");

    top.setAlign(Align::None);
    expectPlaces({{&top, {0, 0, 9000, 420}}, {&left, {0, 0, 600, 5700}}}, "the top bar undocked stays put");

    status.setHeight(600);
    left.Move(3000, 3000, 900, 10);  // only its width counts
    expectPlaces({{&status, {0, 5400, 9000, 600}}, {&left, {0, 0, 900, 5400}}}, "bars resized by the program");

    form.options->setVisible(false);  // no menu bar: 300 twips more inside
    expectPlaces({{&status, {0, 5700, 9000, 600}}, {&right, {8550, 0, 450, 5700}}}, "without the menu bar");

    const auto& late = form.add<Toolbar>("tbrLate");
    expectPlaces({{&late, {0, 0, 9000, late.Height()}}, {&right, {8550, late.Height(), 450, 5700 - late.Height()}}},
                 "a bar added later, not yet moved");
}

}  // namespace
}  // namespace ui::testing
