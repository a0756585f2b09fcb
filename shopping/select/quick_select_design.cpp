// The rows of the Quick Select screen: five groups of check boxes and its two exits.
#include <algorithm>

#include "shopping/select/quick_select_panel.h"

namespace shopping {

using namespace ui::design;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;
using P = QuickSelectPanel;

// clang-format off
const std::array<std::string_view, QuickItemCount> QuickItemCaptions{
    // Dairy Products, 0 to 14
    "1% Milk", "2% Milk", "Butter", "Cheese", "Cottage Cheese", "Cream", "Cream Cheese", "Evap. Milk", "Ice Cream",
    "Margarine", "Milk", "Sherbet", "Skim Milk", "Whole Milk", "Yogurt",
    // Poultry, Fish, Meat Products, 15 to 29
    "Bacon", "Chicken", "Dry Beans", "Eggs", "Fish", "Ham", "Hamburger", "Hot Dogs", "Lentils", "Lunch Meat", "Pork",
    "Roast", "Sausage", "Steak", "Tuna Fish",
    // Fruits and Vegetables, 30 to 59
    "Apples", "Applesauce", "Apricots", "Avocados", "Bananas", "Broccoli", "Cabbage", "Carrots", "Celery", "Corn",
    "Cucumbers", "Green Beans", "Lemons", "Lettuce", "Olives", "Onions", "Oranges", "Peaches", "Pears", "Peas",
    "Peppers", "Pineapple", "Plums", "Potatoes", "Pumpkin", "Raisins", "Squash", "Strawberries", "Tomatoes",
    "Zucchini",
    // Breads and Cereals, 60 to 68
    "Bread", "Cereal", "Flour", "Grain Crackers", "Macaroni", "Noodles", "Oatmeal", "Oats", "Wheat Bread",
    // Miscellaneous, 69 to 89
    "Baking Powder", "Baking Soda", "Bisquick", "Catsup", "Chips", "Cooking Oil", "Dry Yeast", "Honey", "Jam", "Jello",
    "Jelly", "Juice", "Marshmallows", "Peanut Butter", "Pepper", "Popcorn", "Salad Dressing", "Salt", "Shortening",
    "Soda Pop", "Vinegar",
};
// clang-format on

namespace {

constexpr int Margin = 120;
constexpr int Gap = 90;
constexpr int TitleHeight = 420;  // the screen's caption
constexpr int FrameTitle = 255;   // a frame's caption above its first box
constexpr int FrameBottom = 75;
constexpr int ButtonHeight = 405;
constexpr int BoxHeight = 240;
// The groups' widths in twentieths of a column of boxes, each as its longest
// caption needs. Fruits and vegetables, breads and the miscellaneous items
// stand in two columns each, so that every group fits the height of fifteen
// boxes; the meat products' frame is wide for its long caption.
constexpr int DairyShares = 22, MeatShares = 33, FruitShares = 36, RightShares = 39;
constexpr int AllShares = DairyShares + MeatShares + FruitShares + RightShares;

struct Group {
    Member<P, ui::Frame*> frame;
    const char* caption;
    int first, count, columns;
};

}  // namespace

std::vector<QuickSelectRow> QuickSelectRows(const SelectPanelDesign& d, int& tab) {
    std::vector<QuickSelectRow> rows;
    const int width = d.panel.width, height = d.panel.height;
    rows.push_back({UI_MEMBER(P, SSPanel1), ScreenRow(d, "Quick Select Screen")});

    auto widthOf = [&](int shares) { return (width - 2 * Margin - 3 * Gap) * shares / AllShares; };
    const int buttonsTop = height - Margin - ButtonHeight;
    // The right-hand stack (breads over miscellaneous) needs sixteen rows of boxes.
    const int rowHeight =
        std::max(BoxHeight, (buttonsTop - Gap - TitleHeight - 2 * (FrameTitle + FrameBottom) - Gap) / 16);

    // Each group: its frame, then its boxes down its columns.
    auto group = [&](const Group& g, Rect frame) {
        rows.push_back(
            {g.frame,
             {.parent = "SSPanel1", .rect = frame, .caption = g.caption, .font = LabelFont, .foreColor = Navy}});
        const int perColumn = (g.count + g.columns - 1) / g.columns;
        const int boxWidth = (frame.width - 2 * Gap) / g.columns;
        for (int i = 0; i < g.count; ++i) {
            const int index = g.first + i;
            rows.push_back({UI_MEMBER(P, SSCheck1),
                            {.index = index,
                             .parent = g.frame.name,
                             .rect = {Gap + (i / perColumn) * boxWidth, FrameTitle + (i % perColumn) * rowHeight,
                                      boxWidth - 30, BoxHeight},
                             .caption = QuickItemCaptions[static_cast<std::size_t>(index)].data(),
                             .font = OptionFont,
                             .tabIndex = tab++},
                            {.click = &P::SSCheck1_Click}});
        }
    };
    const int tall = FrameTitle + 15 * rowHeight + FrameBottom;
    int left = Margin;
    group({UI_MEMBER(P, SSFrame2), "Dairy Products", 0, 15, 1}, {left, TitleHeight, widthOf(DairyShares), tall});
    left += widthOf(DairyShares) + Gap;
    group({UI_MEMBER(P, SSFrame3), "Poultry, Fish, Meat Products", 15, 15, 1},
          {left, TitleHeight, widthOf(MeatShares), tall});
    left += widthOf(MeatShares) + Gap;
    const int fruits = widthOf(FruitShares);
    group({UI_MEMBER(P, SSFrame4), "Fruits and Vegetables", 30, 30, 2}, {left, TitleHeight, fruits, tall});
    left += fruits + Gap;
    const int twoColumns = widthOf(RightShares);
    const int breads = FrameTitle + 5 * rowHeight + FrameBottom;
    group({UI_MEMBER(P, SSFrame5), "Breads and Cereals", 60, 9, 2}, {left, TitleHeight, twoColumns, breads});
    group({UI_MEMBER(P, SSFrame1), "Miscellaneous", 69, 21, 2},
          {left, TitleHeight + breads + Gap, twoColumns, FrameTitle + 11 * rowHeight + FrameBottom});

    const int buttonWidth = (width - 2 * Margin - Gap) / 2;
    rows.push_back({UI_MEMBER(P, Command1),
                    {.index = AddQuickSelectionsButton,
                     .parent = "SSPanel1",
                     .rect = {Margin, buttonsTop, buttonWidth, ButtonHeight},
                     .caption = "E&xit and Add All Checked Selections to Item Grid",
                     .font = ButtonFont,
                     .tabIndex = tab++,
                     .flags = Disabled},
                    {.click = &P::Command1_Click}});
    rows.push_back({UI_MEMBER(P, Command1),
                    {.index = LeaveQuickSelectButton,
                     .parent = "SSPanel1",
                     .rect = {Margin + buttonWidth + Gap, buttonsTop, buttonWidth, ButtonHeight},
                     .caption = "E&xit Without Adding Checked Selections to Item Grid",
                     .font = ButtonFont,
                     .tabIndex = tab++},
                    {.click = &P::Command1_Click}});
    return rows;
}

void AddQuickSelectRows(std::vector<ControlRow>& rows, const SelectPanelDesign& d, int& tab) {
    for (const QuickSelectRow& row : QuickSelectRows(d, tab)) rows.push_back(row.row());
}

}  // namespace shopping
