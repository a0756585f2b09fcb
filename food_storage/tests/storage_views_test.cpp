// The category views of each kind, the rollup and the charts.
#include "food_storage/tests/storage_fixture.h"

namespace food_storage {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

class StorageViewsTest : public testing::StorageFixture {};

TEST_F(StorageViewsTest, EachKindShowsItsCategoriesAndTheirRows) {
    const struct {
        StorageKind kind;
        int category;
        const char* caption;
        int firstRow;
        int rows;
    } cases[] = {
        {StorageKind::Basic, 4, "Sal&t", 34, 1},        {StorageKind::Basic, 7, "&Water", 54, 1},
        {StorageKind::Basic, 8, "&Misc.", 55, 6},       {StorageKind::Emergency, 2, "&Water", 11, 1},
        {StorageKind::Emergency, 3, "&Equip.", 12, 13}, {StorageKind::Additional, 6, "Othe&r", 55, 6},
        {StorageKind::Additional, 1, "&Meats", 1, 16},
    };
    for (const auto& c : cases) {
        Form24& w = open(c.kind);
        const auto index = static_cast<std::size_t>(c.category);
        EXPECT_EQ(w.Command3D1[index]->Caption(), c.caption);
        EXPECT_EQ(w.Command3D1[7]->Visible(), c.kind != StorageKind::Additional);
        runtime().userClick(*w.Command3D1[index]);
        EXPECT_EQ(w.Grid1->Rows(), c.rows + 1) << c.caption;
        EXPECT_EQ(w.state().CategoryFirstRow, c.firstRow) << c.caption;
        EXPECT_FALSE(w.Command3D1[index]->Enabled());
        EXPECT_TRUE(w.Command3D1[0]->Enabled());
        for (ui::Control* off :
             std::initializer_list<ui::Control*>{w.Command6, w.Command1, w.Command4, w.Command5, w.Text2})
            EXPECT_FALSE(off->Enabled()) << off->name();
        EXPECT_FALSE(w.mOClr->Enabled());
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded());
    }
}

TEST_F(StorageViewsTest, ACategoryViewIsForReviewOnly) {
    Form24& w = open();
    runtime().userClick(*w.Command3D1[1]);
    desktop.dialogs.expectMessage("Grid Entry");
    w.Grid1->userChoseCell(2, 0);
    EXPECT_EQ(desktop.dialogs.messages().back().text,
              "These entries can only be entered or changed when All data is selected!");
    EXPECT_FALSE(w.state().InputArmed);
    runtime().userClick(*w.Command3D1[0]);
    EXPECT_EQ(w.Grid1->Rows(), 61);
    EXPECT_TRUE(w.Command6->Enabled());
}

TEST_F(StorageViewsTest, SwitchingWithChangesAsksAndNoDropsThem) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Food Storage", Cancel);
    runtime().userClick(*w.Command3D1[1]);
    EXPECT_EQ(desktop.dialogs.messages().back().text,
              "These button are for review only!\rSave changes made to Food Storage data before this action?");
    EXPECT_EQ(w.state().CurrentCategory, 0);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans");

    desktop.dialogs.expectMessage("Food Storage", No);
    runtime().userClick(*w.Command3D1[1]);
    EXPECT_EQ(w.state().CurrentCategory, 1);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "");
    EXPECT_FALSE(w.state().document.changed);
}

TEST_F(StorageViewsTest, SwitchingWithChangesAndYesSavesThem) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Food Storage", Yes);
    runtime().userClick(*w.Command3D1[1]);
    EXPECT_EQ(w.state().CurrentCategory, 1);
    EXPECT_EQ(linesOf("EmerE1.Fil")[8], "\"Beans\"");
}

// The basic kind: Grains total row 1 needs 100 lbs for 4; its items hold 20 and 30.
class BasicRollupTest : public StorageViewsTest {
protected:
    Form24& grains() {
        Form24& w = open(StorageKind::Basic);
        runtime().userClick(*w.Command6);
        enterCell(w, 1, 0, "Grains");
        enterCell(w, 2, 0, "Wheat");
        enterCell(w, 3, 0, "Rice");
        enterFamily(w, "4");
        enterCell(w, 1, 2, "25 lbs");
        w.Grid1->userChoseCell(1, 0);
        enterCell(w, 2, 6, "20");
        enterCell(w, 3, 6, "30");
        return w;
    }
};

TEST_F(BasicRollupTest, ItemBookingsAddUpOnTheTotalRow) {
    Form24& w = grains();
    EXPECT_EQ(w.Grid1->TextMatrix(1, 3), "100 lbs");
    enterCell(w, 2, 6, "5");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 4), "25 lbs");
    EXPECT_EQ(w.Grid1->TextMatrix(3, 4), "30 lbs");
    EXPECT_EQ(w.Grid1->TextMatrix(1, 4), "55 lbs");
    // The item rows keep the total row's unit in the table too, so a save keeps it.
    EXPECT_EQ(w.table().Cell(3, 4), "30 lbs");
}

TEST_F(BasicRollupTest, TheRollupShowsEachCategorysShareOfItsNeed) {
    Form24& w = grains();
    enterCell(w, 2, 6, "5");
    runtime().userMenu(*w.mR);
    ASSERT_TRUE(w.Panel3D2->Visible());
    EXPECT_EQ(w.Panel3D2->Caption(), "Percent of Basic Food Storage You Have For 4");
    ASSERT_EQ(w.Grid2->Rows(), 8);
    EXPECT_EQ(w.Grid2->TextMatrix(0, 3), "% of Need");
    EXPECT_EQ(w.Grid2->TextMatrix(1, 0), "Grains");
    EXPECT_EQ(w.Grid2->TextMatrix(1, 1), "100 lbs");
    EXPECT_EQ(w.Grid2->TextMatrix(1, 2), "55");
    EXPECT_EQ(w.Grid2->TextMatrix(1, 3), "        55%");
    EXPECT_EQ(w.Grid2->TextMatrix(2, 1), "0");
    EXPECT_EQ(w.Grid2->TextMatrix(2, 3), "        0%");
    ASSERT_EQ(w.rollupChart().bars().size(), 7u);
    EXPECT_EQ(w.rollupChart().bars()[0].value, 55);
    EXPECT_EQ(w.rollupChart().bars()[0].label, "Grains");

    runtime().userClick(*w.Command7);
    EXPECT_EQ(w.Command7->Caption(), "&Vertical");
    EXPECT_TRUE(w.rollupChart().horizontal());
    runtime().userClick(*w.Command7);
    EXPECT_EQ(w.Command7->Caption(), "Hori&zontal");

    runtime().userMenu(*w.mR);
    EXPECT_FALSE(w.Panel3D2->Visible());
}

TEST_F(BasicRollupTest, TheGrainsViewChartsOnHandAgainstNeed) {
    Form24& w = grains();
    desktop.dialogs.expectMessage("Food Storage", Yes);
    runtime().userClick(*w.Command3D1[1]);
    ASSERT_TRUE(w.categoryChart().panel().Visible());
    const auto& bars = w.categoryChart().bars();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].value, 50);
    EXPECT_EQ(bars[0].label, "On Hand (50.0%)");
    EXPECT_EQ(bars[1].value, 50);
    EXPECT_EQ(bars[1].label, "Need (50.0%)");
    EXPECT_EQ(w.categoryChart().panel().Top(), static_cast<int>(std::lround(w.Panel3D1->Height() * 0.526)));

    runtime().userClick(*w.Command3D1[8]);
    EXPECT_FALSE(w.categoryChart().panel().Visible());
}

TEST_F(StorageViewsTest, OtherKindsShowNoCategoryChart) {
    Form24& w = open();
    runtime().userClick(*w.Command3D1[1]);
    EXPECT_FALSE(w.categoryChart().panel().Visible());
}

}  // namespace
}  // namespace food_storage
