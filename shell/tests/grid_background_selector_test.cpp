#include "shell/grid_background_selector.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/keys.h"
#include "shell/activity_window.h"
#include "shell/color_options.h"
#include "shell/tests/activity_test_window.h"
#include "shell/tests/program_fixture.h"

namespace shell {
namespace {

constexpr ui::OleColor Teal = ui::Rgb(0, 128, 128);
constexpr ui::OleColor Wheat = ui::Rgb(245, 222, 179);
constexpr settings::RecordRef PanelColorRecord{settings::GColor1, 27};
constexpr const char* Note =
    "(This Grid Background && Text Color will be used by Recipe File, Food Guides, Menu Planner and Conversions "
    "Grids)";

// A list window with a grid that carries the selector as a window does:
// its loading applies the stored background, its colours' saving saves it.
class ListWindow : public ActivityWindow, public testing::ActivityTestControls {
public:
    explicit ListWindow(Application& app) : ActivityWindow(app, "Lists"), ActivityTestControls(this) {
        setCaption("List Window");
        Move(0, 0, 12000, 9000);
        Panel3D1 = &add<ui::Panel>("Panel3D1");
        Panel3D1->Move(630, 555, 10680, 7290);
        Grid1 = &add<ui::Grid>("Grid1", -1, Panel3D1);
        Grid1->setCols(2);
        Grid1->setRows(16);
        Grid1->setTextMatrix(1, 0, "  Milk");
        Grid1->setTextMatrix(1, 1, "2 Gallon(s)");
        Grid1->setTextMatrix(2, 0, "  Bread");
        Text2 = &add<ui::TextBox>("Text2", -1, Panel3D1);
        Text2->setVisible(false);
        Text2->setBackColor(ui::colors::WindowBackground);
        mOBC = &options->add("mOBC", "Grid &Background Selector");
        exit = &options->add("mOX", "E&xit");
        exit->onClick = [this] { ExitWindow(); };
        mOBC->onClick = [this] { selector->ShowOrClose(); };
        setUpActivity(parts({PanelColorRecord, Teal, "Save changes made to Panel and or Text Color?", {}}, {Panel3D1}));
        selector = std::make_unique<GridBackgroundSelector>(
            app, *this,
            GridBackgroundSetup{.record = settings::SharedGridBackgroundRecord,
                                .grid = *Grid1,
                                .mainPanel = *Panel3D1,
                                .defaultColor = *Text2,
                                .status = *status,
                                .state = background,
                                .design = {.top = 300, .note = Note, .firstTab = 10},
                                .onColorsChanged = [this] { colors().ColorsChanged = true; },
                                .beforeShowing = [this] { ++hidings; }});
        colors().saveMore = [this] { selector->SaveBackground(); };
    }

    ui::Panel* Panel3D1;
    ui::Grid* Grid1;
    ui::TextBox* Text2;
    ui::Menu* mOBC;
    ui::Menu* exit;
    GridBackgroundState background;
    std::unique_ptr<GridBackgroundSelector> selector;
    int hidings = 0;

private:
    void Form_Load() override { selector->ApplyBackground(); }
    int helpTopic() const override { return 3035; }
};

class GridBackgroundSelectorTest : public testing::ProgramTest {
protected:
    GridBackgroundSelectorTest() {
        for (int k = 1; k <= GridBackgroundSelector::PictureCount; ++k) writePicture(picture(k));
    }

    static std::string picture(int k) { return "WP" + std::to_string(k) + ".jpg"; }
    std::filesystem::path path(int k) const { return folder / picture(k); }

    void store(const std::string& value) {
        ASSERT_TRUE(settings::WriteText(app().folder(), settings::SharedGridBackgroundRecord, value));
    }
    std::string stored() {
        return settings::ReadText(app().folder(), settings::SharedGridBackgroundRecord).value_or("?");
    }

    ListWindow& open() {
        if (!started_) startProgram();
        started_ = true;
        ListWindow& w = app().window<ListWindow>();
        w.Show();
        runtime().userActivated(w);
        return w;
    }
    GridBackgroundSelector& selectorOf(ListWindow& w) { return *w.selector; }
    void showSelector(ListWindow& w) { runtime().userMenu(*w.mOBC); }
    void click(ListWindow& w, int thumbnail) { runtime().userClick(*w.selector->Image3[thumbnail]); }
    void press(ListWindow& w, GridBackgroundSelector::Button button) {
        runtime().userClick(*w.selector->Command16[button]);
    }
    // Leaves through the exit path, answering the colour question when it comes.
    void leave(ListWindow& w, std::optional<int> answer) {
        if (answer) desktop.dialogs.expectMessage("Color Changes", *answer);
        runtime().userMenu(*w.exit);
        ASSERT_EQ(app().loadedWindow<ListWindow>(), nullptr);
    }
    static int framed(const GridBackgroundSelector& s) {
        int found = -1;
        for (int k = 0; k < GridBackgroundSelector::PictureCount; ++k)
            if (s.Image3[k]->Border() == ui::PictureBorder::Flat) {
                if (found >= 0) return -2;  // more than one
                found = k;
            }
        return found;
    }

private:
    bool started_ = false;
};

TEST_F(GridBackgroundSelectorTest, OpeningShowsTheSixteenPicturesAndFramesTheCurrentOne) {
    const struct {
        const char* stored;
        int framedThumbnail;
    } cases[] = {{"WP5", 4}, {"wp16  ", 15}, {"WP1", 0}, {"8421376", -1}, {"Default", -1}, {"WP17", -1}, {"", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        store(c.stored);
        ListWindow& w = open();
        const GridBackgroundSelector& s = selectorOf(w);
        showSelector(w);
        ASSERT_TRUE(s.isOpen());
        EXPECT_TRUE(s.SSPanel6->Visible());
        EXPECT_EQ(s.SSPanel6->Left(), (w.Panel3D1->Width() - s.SSPanel6->Width()) / 2) << "centred";
        EXPECT_EQ(w.status->Panel(1).text, "Grid Background Selector");
        EXPECT_EQ(w.hidings, 1);
        for (int k = 0; k < GridBackgroundSelector::PictureCount; ++k) EXPECT_EQ(s.Image3[k]->picture(), path(k + 1));
        EXPECT_EQ(framed(s), c.framedThumbnail);
        EXPECT_EQ(s.Shape2->Visible(), c.framedThumbnail >= 0);
        if (c.framedThumbnail >= 0) {
            const ui::Image& t = *s.Image3[c.framedThumbnail];
            EXPECT_EQ(s.Shape2->Left(), t.Left() - 30);
            EXPECT_EQ(s.Shape2->Top(), t.Top() - 30);
            EXPECT_EQ(runtime().focusedControl(), &t) << "the keyboard starts on the picture shown";
        }
        EXPECT_FALSE(s.Command16[GridBackgroundSelector::UseAbove]->Enabled());

        // The menu again closes the panel and lets the pictures go.
        showSelector(w);
        EXPECT_FALSE(s.isOpen());
        EXPECT_FALSE(s.SSPanel6->Visible());
        for (const ui::Image* t : s.Image3) EXPECT_TRUE(t->picture().empty());
        leave(w, std::nullopt);
    }
}

TEST_F(GridBackgroundSelectorTest, AThumbnailPreviewsAtOnceAndCancelPutsBackWhatWasShown) {
    const struct {
        const char* stored;
        std::filesystem::path afterCancel;
        ui::OleColor backColor;
    } cases[] = {{"WP2", path(2), ui::colors::WindowBackground}, {"8421376", {}, Teal}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        store(c.stored);
        ListWindow& w = open();
        GridBackgroundSelector& s = selectorOf(w);
        showSelector(w);
        click(w, 8);
        EXPECT_EQ(w.Grid1->picture(), path(9)) << "the preview comes before any button";
        EXPECT_EQ(framed(s), 8);
        EXPECT_TRUE(s.Shape2->Visible());
        EXPECT_EQ(s.Shape2->Left(), s.Image3[8]->Left() - 30);
        click(w, 3);
        EXPECT_EQ(w.Grid1->picture(), path(4));
        EXPECT_EQ(framed(s), 3) << "only the picture clicked last is framed";
        EXPECT_EQ(s.PickedPicture(), "WP4");

        app().vars.MessageAnswer = 6;
        press(w, GridBackgroundSelector::CancelChoice);
        EXPECT_FALSE(s.isOpen());
        EXPECT_EQ(w.Grid1->picture(), c.afterCancel);
        EXPECT_EQ(w.Grid1->BackColor(), c.backColor);
        EXPECT_EQ(w.background.GridBackgroundValue, c.stored);
        EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Unchanged);
        EXPECT_EQ(app().vars.MessageAnswer, 0);
        EXPECT_EQ(w.status->Panel(1).text, "List Window");
        EXPECT_FALSE(w.colors().ColorsChanged);
        leave(w, std::nullopt);  // nothing to save: no question
        EXPECT_EQ(stored(), c.stored);
    }
}

TEST_F(GridBackgroundSelectorTest, EscWhileThePanelIsShownIsCancel) {
    store("WP2");
    ListWindow& w = open();
    showSelector(w);
    click(w, 5);
    runtime().userKeyDown(w, ui::keys::Escape, 0);
    EXPECT_FALSE(selectorOf(w).isOpen());
    EXPECT_EQ(w.Grid1->picture(), path(2));
}

TEST_F(GridBackgroundSelectorTest, UseAboveWaitsForAThumbnailThenTakesTheLastClickedEvenAfterReopening) {
    store("8421376");
    ListWindow& w = open();
    GridBackgroundSelector& s = selectorOf(w);
    showSelector(w);
    press(w, GridBackgroundSelector::UseAbove);
    EXPECT_TRUE(s.isOpen()) << "a disabled button does nothing";
    EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Unchanged);

    click(w, 2);
    click(w, 6);
    showSelector(w);  // closed by the menu
    showSelector(w);
    EXPECT_TRUE(s.Command16[GridBackgroundSelector::UseAbove]->Enabled()) << "for as long as the window is open";
    w.Grid1->setRow(5);
    w.Grid1->setCol(0);
    press(w, GridBackgroundSelector::UseAbove);
    EXPECT_EQ(w.background.GridBackgroundValue, "WP7");
    EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Picture);
    EXPECT_TRUE(w.colors().ColorsChanged);
    EXPECT_EQ(w.Grid1->picture(), path(7));
    EXPECT_EQ(w.Grid1->Row(), 1);
    EXPECT_EQ(w.Grid1->Col(), 1);
    EXPECT_EQ(w.Grid1->TextMatrix(1, 0), "  Milk");
    EXPECT_EQ(w.Grid1->TextMatrix(1, 1), "2 Gallon(s)");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "  Bread");
    EXPECT_EQ(w.Grid1->Rows(), 16);
    EXPECT_EQ(w.status->Panel(1).text, "List Window");
}

TEST_F(GridBackgroundSelectorTest, UseAboveAfterCancelShowsThePictureThatWillBeSaved) {
    store("8421376");
    ListWindow& w = open();
    showSelector(w);
    click(w, 5);
    press(w, GridBackgroundSelector::CancelChoice);
    EXPECT_TRUE(w.Grid1->picture().empty());
    showSelector(w);
    press(w, GridBackgroundSelector::UseAbove);
    EXPECT_EQ(w.background.GridBackgroundValue, "WP6");
    EXPECT_EQ(w.Grid1->picture(), path(6)) << "the grid shows what the value names";
    leave(w, platform::answer::Yes);
    EXPECT_EQ(stored(), "WP6");
}

TEST_F(GridBackgroundSelectorTest, TheRedrawKeepsEveryRowOfAListLongerThanFiveThousand) {
    ListWindow& w = open();
    ui::Grid& grid = *w.Grid1;
    constexpr int rows = 6002;
    grid.setRows(rows);
    for (int r = 1; r < rows; ++r) {
        grid.setTextMatrix(r, 0, "Item " + std::to_string(r));
        grid.setTextMatrix(r, 1, std::to_string(r) + " Box(es)");
        grid.setRowData(r, r);
    }
    grid.setCellBackColor(rows - 1, 0, Wheat);  // a marked row would hide the picture
    showSelector(w);
    click(w, 0);
    press(w, GridBackgroundSelector::UseAbove);
    ASSERT_EQ(grid.Rows(), rows);
    for (int r = 1; r < rows; ++r) {
        ASSERT_EQ(grid.TextMatrix(r, 0), "Item " + std::to_string(r)) << r;
        ASSERT_EQ(grid.TextMatrix(r, 1), std::to_string(r) + " Box(es)") << r;
        ASSERT_EQ(grid.RowData(r), r) << r;
    }
    EXPECT_FALSE(grid.CellBackColor(rows - 1, 0).has_value());
    EXPECT_EQ(grid.picture(), path(1));
}

TEST_F(GridBackgroundSelectorTest, AColourFromTheDialogReplacesThePicture) {
    store("WP3");
    ListWindow& w = open();
    showSelector(w);
    desktop.dialogs.expectColor(Wheat);
    press(w, GridBackgroundSelector::SelectColor);
    EXPECT_TRUE(w.Grid1->picture().empty());
    EXPECT_EQ(w.Grid1->BackColor(), Wheat);
    EXPECT_EQ(w.background.GridBackgroundValue, std::to_string(Wheat));
    EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Color);
    EXPECT_TRUE(w.colors().ColorsChanged);
    EXPECT_EQ(w.status->Panel(1).text, "List Window");
    ASSERT_EQ(desktop.dialogs.colorDialogs().size(), 1u);
    EXPECT_EQ(desktop.dialogs.colorDialogs()[0], ui::colors::WindowBackground) << "starts on the grid's colour";
}

TEST_F(GridBackgroundSelectorTest, CancellingTheColourDialogLeavesTheGridAsItWasAndMarksNothing) {
    store("WP3");
    ListWindow& w = open();
    // An earlier choice in this opening is forgotten too.
    showSelector(w);
    press(w, GridBackgroundSelector::UseDefault);
    ASSERT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Default);
    store("WP3");
    w.background.GridBackgroundValue = "WP3";
    ASSERT_TRUE(w.Grid1->LoadPicture(path(3)));

    showSelector(w);
    click(w, 9);
    desktop.dialogs.expectColor(std::nullopt);
    press(w, GridBackgroundSelector::SelectColor);
    EXPECT_EQ(w.Grid1->picture(), path(3)) << "the preview goes, the picture comes back";
    EXPECT_EQ(w.background.GridBackgroundValue, "WP3");
    EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Unchanged);
    EXPECT_EQ(w.status->Panel(1).text, "List Window");
}

TEST_F(GridBackgroundSelectorTest, DefaultTakesTheColourOfTheWindowsDefaultBox) {
    store("WP3");
    ListWindow& w = open();
    w.Text2->setBackColor(Wheat);
    showSelector(w);
    press(w, GridBackgroundSelector::UseDefault);
    EXPECT_TRUE(w.Grid1->picture().empty());
    EXPECT_EQ(w.Grid1->BackColor(), Wheat);
    EXPECT_EQ(w.background.GridBackgroundValue, "Default");
    EXPECT_EQ(w.background.GridBackgroundKind, GridBackgroundChoice::Default);
    EXPECT_TRUE(w.colors().ColorsChanged);
}

TEST_F(GridBackgroundSelectorTest, TheChoiceIsWrittenOnlyWhenTheColourQuestionIsAnsweredYes) {
    using B = GridBackgroundSelector;
    const struct {
        const char* name;
        std::function<void(ListWindow&)> choose;
        int answer;
        std::string saved;
    } cases[] = {
        {"picture, No",
         [this](ListWindow& w) {
             click(w, 3);
             press(w, B::UseAbove);
         },
         platform::answer::No, "WP1"},
        {"picture, Yes",
         [this](ListWindow& w) {
             click(w, 3);
             press(w, B::UseAbove);
         },
         platform::answer::Yes, "WP4"},
        {"default, Yes", [this](ListWindow& w) { press(w, B::UseDefault); }, platform::answer::Yes, "Default"},
        {"colour, Yes",
         [this](ListWindow& w) {
             desktop.dialogs.expectColor(Wheat);
             press(w, B::SelectColor);
         },
         platform::answer::Yes, std::to_string(Wheat)},
        // A choice, then Cancel: the window still asks, and the record stays.
        {"cancelled, Yes",
         [this](ListWindow& w) {
             press(w, B::UseDefault);
             showSelector(w);
             press(w, B::CancelChoice);
         },
         platform::answer::Yes, "WP1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store("WP1");
        ListWindow& w = open();
        showSelector(w);
        c.choose(w);
        EXPECT_EQ(stored(), "WP1") << "nothing is written before the window closes";
        leave(w, c.answer);
        EXPECT_EQ(stored(), c.saved);
    }
}

TEST_F(GridBackgroundSelectorTest, TheStoredBackgroundBecomesTheValueAtLoading) {
    const struct {
        const char* stored;
        const char* value;
        std::filesystem::path picture;
        ui::OleColor backColor;
    } cases[] = {
        {"WP3", "WP3", path(3), ui::colors::WindowBackground},
        {"wp3  ", "wp3", folder / "wp3.jpg", ui::colors::WindowBackground},
        {"Default", "-2147483643", {}, ui::colors::WindowBackground},
        {"8421376", "8421376", {}, Teal},
        {"", "-2147483643", {}, ui::colors::WindowBackground},
        {"teal", "-2147483643", {}, ui::colors::WindowBackground},
    };
    writePicture("wp3.jpg");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        store(c.stored);
        ListWindow& w = open();
        EXPECT_EQ(w.background.GridBackgroundValue, c.value);
        EXPECT_EQ(w.Grid1->picture(), c.picture);
        EXPECT_EQ(w.Grid1->BackColor(), c.backColor);
        leave(w, std::nullopt);
    }
}

TEST_F(GridBackgroundSelectorTest, MissingPicturesLeaveTheBackgroundEmptyWithoutAWord) {
    store("WP2");
    std::filesystem::remove(path(2));
    std::filesystem::remove(path(5));
    ListWindow& w = open();
    GridBackgroundSelector& s = selectorOf(w);
    EXPECT_TRUE(w.Grid1->picture().empty());
    ASSERT_TRUE(w.Grid1->LoadPicture(path(1)));  // a preview shown earlier

    showSelector(w);
    EXPECT_TRUE(s.Image3[1]->picture().empty());
    EXPECT_TRUE(s.Image3[4]->picture().empty());
    EXPECT_EQ(s.Image3[2]->picture(), path(3));
    click(w, 4);
    EXPECT_TRUE(w.Grid1->picture().empty()) << "no picture rather than the one before";
    press(w, GridBackgroundSelector::CancelChoice);
    EXPECT_TRUE(w.Grid1->picture().empty()) << "the stored picture is missing too";
    showSelector(w);
    press(w, GridBackgroundSelector::UseAbove);
    EXPECT_TRUE(w.Grid1->picture().empty());
    EXPECT_EQ(w.background.GridBackgroundValue, "WP5");
    EXPECT_TRUE(desktop.dialogs.messages().empty());
}

}  // namespace
}  // namespace shell
