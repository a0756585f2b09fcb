// The ingredient copy option dialog as the user meets it: where it stands,
// which option it opens on, and what it hands back.
#include "recipes/printing/copyfrm1.h"

#include "recipes/printing/copy_hand_over.h"
#include "shell/hinfo1.h"
#include "shell/tests/program_fixture.h"

namespace printing {
namespace {

class CopyOptionDialogTest : public shell::testing::ProgramTest {
protected:
    CopyOptionDialogTest() { startProgram(); }

    // Shows the dialog as the recipe window does; `inside` is what the user does there.
    std::int16_t show(std::function<void(Copyfrm1&)> inside) {
        desktop.windows.onModal("Copyfrm1", [inside](ui::Form& form) { inside(static_cast<Copyfrm1&>(form)); });
        app().window<Copyfrm1>().ShowModal();
        EXPECT_EQ(app().loadedWindow<Copyfrm1>(), nullptr) << "OK closed it";
        return app().state<CopyHandOver>().IngredientCopyLayout;
    }
    void clickOk(Copyfrm1& d) { runtime().userClick(*d.SSCommand1); }
};

TEST_F(CopyOptionDialogTest, OpensOnTwoColumnsEvenAfterOneColumnWasChosen) {
    const auto chooseOneColumn = [&](Copyfrm1& d) {
        runtime().userClick(*d.SSOption1[Copyfrm1::OneColumn]);
        clickOk(d);
    };
    EXPECT_EQ(show(chooseOneColumn), CopyHandOver::OneColumn);
    EXPECT_EQ(show([&](Copyfrm1& d) {
                  EXPECT_EQ(d.Caption(), "Recipe Ingredients Copy Option");
                  EXPECT_TRUE(d.SSOption1[Copyfrm1::TwoColumns]->Value());
                  EXPECT_FALSE(d.SSOption1[Copyfrm1::OneColumn]->Value());
                  EXPECT_EQ(d.SSOption1[Copyfrm1::TwoColumns]->Caption(), "Copy Ingredients in Two Columns");
                  EXPECT_EQ(d.SSOption1[Copyfrm1::OneColumn]->Caption(), "Copy Ingredients in One Column");
                  clickOk(d);
              }),
              CopyHandOver::TwoColumns);
}

TEST_F(CopyOptionDialogTest, EachOptionClickSetsTheLayout) {
    const auto clicks = [&](Copyfrm1& d) {
        runtime().userClick(*d.SSOption1[Copyfrm1::OneColumn]);
        EXPECT_EQ(app().state<CopyHandOver>().IngredientCopyLayout, CopyHandOver::OneColumn);
        runtime().userClick(*d.SSOption1[Copyfrm1::TwoColumns]);
        EXPECT_EQ(app().state<CopyHandOver>().IngredientCopyLayout, CopyHandOver::TwoColumns);
        runtime().userClick(*d.SSOption1[Copyfrm1::OneColumn]);
        EXPECT_FALSE(d.SSOption1[Copyfrm1::TwoColumns]->Value()) << "the options exclude each other";
        clickOk(d);
    };
    EXPECT_EQ(show(clicks), CopyHandOver::OneColumn);
}

TEST_F(CopyOptionDialogTest, ClosedWithoutOkKeepsTheOptionLastClicked) {
    EXPECT_EQ(show([&](Copyfrm1& d) {
                  runtime().userClick(*d.SSOption1[Copyfrm1::OneColumn]);
                  d.Unload();  // the frame's close box
              }),
              CopyHandOver::OneColumn);
}

TEST_F(CopyOptionDialogTest, EndsTheBusyPointerWhenItShows) {
    shell::BeginWait(app());
    show([&](Copyfrm1& d) {
        EXPECT_FALSE(desktop.display.busy());
        clickOk(d);
    });
}

TEST_F(CopyOptionDialogTest, StandsOverTheStoredStartWindowSize100TwipsLow) {
    // The start window's own size differs from the one stored: the stored one counts.
    start().Move(1000, 500, 8000, 6000);
    app().vars.StartWidth = 12000;
    app().vars.StartHeight = 9000;
    show([&](Copyfrm1& d) {
        EXPECT_EQ(d.Left(), 1000 + 6000 - d.Width() / 2);
        EXPECT_EQ(d.Top(), 500 + 4500 - d.Height() / 2 + 100);
        EXPECT_EQ(d.ScaleWidth(), Copyfrm1::InsideWidth) << "wide enough for the caption";
        EXPECT_EQ(d.ScaleHeight(), 1560);
        d.setWidth(4620);
        d.setHeight(1950);
        d.CentreOverStartWindow();
        EXPECT_EQ(d.Left(), 4690);
        EXPECT_EQ(d.Top(), 4125);
        EXPECT_FALSE(d.elasticResize());
        clickOk(d);
    });
}

}  // namespace
}  // namespace printing
