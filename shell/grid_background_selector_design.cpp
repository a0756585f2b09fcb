#include "shell/grid_background_selector.h"

#include <array>
#include <string>

namespace shell {

using namespace ui::design;
using S = GridBackgroundSelector;

namespace {

// The thumbnails stand in four rows of four below the panel's title, the
// buttons in a column on their right with the note under them.
constexpr int Margin = 240;
constexpr int TitleHeight = 480;
constexpr int ThumbnailWidth = 1200;
constexpr int ThumbnailStep = 1300;
constexpr int RowGap = 90;
constexpr int ThumbnailsWidth = 3 * ThumbnailStep + ThumbnailWidth;
constexpr int ButtonsLeft = Margin + ThumbnailsWidth + 300;
constexpr int ButtonWidth = 2700;
constexpr int ButtonHeight = 450;
constexpr int ButtonStep = 600;
constexpr int PanelWidth = ButtonsLeft + ButtonWidth + Margin;
// The frame around the chosen thumbnail stands out this far on each side.
constexpr int FrameOffset = 30;

// What a screen reader calls each thumbnail: the picture it shows.
const char* ThumbnailName(int k) {
    static const auto names = [] {
        std::array<std::string, S::PictureCount> all;
        for (int i = 0; i < S::PictureCount; ++i) all[static_cast<std::size_t>(i)] = "Picture WP" + std::to_string(i + 1);
        return all;
    }();
    return names[static_cast<std::size_t>(k)].c_str();
}

}  // namespace

std::vector<GridBackgroundSelectorRow> GridBackgroundSelectorRows(const ui::Control& mainPanel,
                                                                  const GridBackgroundSelectorDesign& d) {
    const char* parent = mainPanel.name().c_str();
    const int thumbnailsBottom = TitleHeight + 4 * d.thumbnailHeight + 3 * RowGap;
    const int panelHeight = thumbnailsBottom + Margin;
    int tab = d.firstTab;
    std::vector<GridBackgroundSelectorRow> rows;
    // clang-format off
    rows.push_back({UI_MEMBER(S, SSPanel6),
                    {.parent = parent, .parentIndex = mainPanel.index(),
                     .rect = {(mainPanel.Width() - PanelWidth) / 2, d.top, PanelWidth, panelHeight},
                     .caption = "Grid Background Selector", .font = style::PanelTitleFont,
                     .foreColor = style::Navy, .flags = Hidden}});
    // Below the thumbnails, so that they cover all but its edge.
    rows.push_back({UI_MEMBER(S, Shape2),
                    {.parent = "SSPanel6",
                     .rect = {Margin - FrameOffset, TitleHeight - FrameOffset, ThumbnailWidth + 2 * FrameOffset,
                              d.thumbnailHeight + 2 * FrameOffset},
                     .foreColor = style::Navy, .flags = Hidden}});
    for (int k = 0; k < S::PictureCount; ++k)
        rows.push_back({UI_MEMBER(S, Image3),
                        {.index = k, .parent = "SSPanel6",
                         .rect = {Margin + (k % 4) * ThumbnailStep, TitleHeight + (k / 4) * (d.thumbnailHeight + RowGap),
                                  ThumbnailWidth, d.thumbnailHeight},
                         .tabIndex = tab++, .accessibleName = ThumbnailName(k)}, {.click = &S::Image3_Click}});
    static constexpr const char* captions[] = {"&Select Color Background", "Use &Default Background",
                                               "Use &Above Background", "&Cancel"};
    for (int i = 0; i < 4; ++i)
        rows.push_back({UI_MEMBER(S, Command16),
                        {.index = i, .parent = "SSPanel6",
                         .rect = {ButtonsLeft, TitleHeight + i * ButtonStep, ButtonWidth, ButtonHeight},
                         .caption = captions[i], .font = style::ButtonFont, .tabIndex = tab++,
                         .flags = i == S::UseAbove ? Disabled : i == S::CancelChoice ? CancelButton : None},
                        {.click = &S::Command16_Click}});
    if (d.note) {
        const int noteTop = TitleHeight + 4 * ButtonStep + 120;
        rows.push_back({UI_MEMBER(S, Label20),
                        {.parent = "SSPanel6",
                         .rect = {ButtonsLeft, noteTop, ButtonWidth, thumbnailsBottom - noteTop},
                         .caption = d.note, .font = style::LabelFont, .foreColor = style::Maroon,
                         .flags = Transparent | WordWrap}});
    }
    // clang-format on
    return rows;
}

}  // namespace shell
