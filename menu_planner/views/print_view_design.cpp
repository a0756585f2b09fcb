// The rows of the Print/View panel: the choice of days on top, the grid below.
#include "menu_planner/views/print_view_panel.h"

namespace menu_planner {

using namespace ui::design;
using style::ButtonFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;
using P = PrintViewPanel;

namespace {

constexpr int Margin = 120;
constexpr int Gap = 90;
constexpr int ChoiceHeight = 1000;  // the frame with the two options and the buttons
constexpr int ButtonWidth = 1200;
constexpr int ButtonHeight = 375;
constexpr int OptionHeight = 270;

}  // namespace

std::vector<PrintViewRow> PrintViewRows(const PrintViewDesign& d, int& tab) {
    std::vector<PrintViewRow> rows;
    const int width = d.panel.width, height = d.panel.height;
    rows.push_back({UI_MEMBER(P, SSPanel3), {.parent = d.parent, .rect = d.panel, .flags = Hidden}});

    const int buttonsWidth = 3 * ButtonWidth + 2 * Gap;
    const int frameWidth = width - 2 * Margin - buttonsWidth - Gap;
    rows.push_back({UI_MEMBER(P, SSFrame1),
                    {.parent = "SSPanel3",
                     .rect = {Margin, Margin, frameWidth, ChoiceHeight},
                     .caption = "Select Menu to Print/View",
                     .font = LabelFont,
                     .foreColor = Navy}});
    rows.push_back({UI_MEMBER(P, SSOption1),
                    {.index = 0,
                     .parent = "SSFrame1",
                     .rect = {150, 270, 2600, OptionHeight},
                     .caption = "Current Date Only",
                     .font = OptionFont,
                     .tabIndex = tab++,
                     .flags = Checked},
                    {.click = &P::SSOption1_Click}});
    rows.push_back({UI_MEMBER(P, SSOption1),
                    {.index = 1,
                     .parent = "SSFrame1",
                     .rect = {150, 600, 2600, OptionHeight},
                     .caption = "Current Date plus the next",
                     .font = OptionFont,
                     .tabIndex = tab++},
                    {.click = &P::SSOption1_Click}});
    rows.push_back({UI_MEMBER(P, Combo5),
                    {.parent = "SSFrame1",
                     .rect = {2800, 570, 700, 315},
                     .font = OptionFont,
                     .tabIndex = tab++,
                     .flags = Disabled,
                     .accessibleName = "Number of following days"},
                    {.click = &P::Combo5_Click, .change = &P::Combo5_Change}});
    rows.push_back({UI_MEMBER(P, Label5),
                    {.parent = "SSFrame1", .rect = {3580, 615, 600, 240}, .caption = "days", .font = OptionFont}});

    const int buttonsTop = Margin + ChoiceHeight - ButtonHeight;
    auto button = [&](Member<P, ui::CommandButton*> member, int slot, const char* caption, void (P::*click)()) {
        rows.push_back({member,
                        {.parent = "SSPanel3",
                         .rect = {width - Margin - buttonsWidth + slot * (ButtonWidth + Gap), buttonsTop, ButtonWidth,
                                  ButtonHeight},
                         .caption = caption,
                         .font = ButtonFont,
                         .tabIndex = tab++},
                        {.click = click}});
    };
    button(UI_MEMBER(P, Command5), 0, "&View", &P::Command5_Click);
    button(UI_MEMBER(P, Command6), 1, "&Print", &P::Command6_Click);
    button(UI_MEMBER(P, Command13), 2, "&Close", &P::Command13_Click);

    const int gridTop = Margin + ChoiceHeight + Gap;
    rows.push_back({UI_MEMBER(P, Grid1),
                    {.parent = "SSPanel3",
                     .rect = {Margin, gridTop, width - 2 * Margin, height - gridTop - Margin},
                     .font = OptionFont,
                     .tabIndex = tab++,
                     .flags = Hidden,
                     .accessibleName = "Menus of the days shown"}});
    return rows;
}

void AddPrintViewRows(std::vector<ControlRow>& rows, const PrintViewDesign& d, int& tab) {
    for (const PrintViewRow& row : PrintViewRows(d, tab)) rows.push_back(row.row());
}

}  // namespace menu_planner
