#include "printing/preview_panel_design.h"

#include "printing/print_preview_panel.h"

namespace printing {

using ui::ControlKind;
using namespace ui::design;
using style::BoxFont;
using style::LabelFont;
using style::Navy;
using style::OptionFont;
using P = PrintPreviewPanel;

namespace {

// The font name and size displays stand close to the panel's left edge: their
// labels take the room from that edge, in a slightly smaller font.
const ui::Font DisplayLabelFont{"Arial", 7.5, true};
constexpr int DisplayLabelLeft = 60;
constexpr int LabelHeight = 240;

}  // namespace

std::vector<PreviewPanelRow> PreviewPanelRows(const PreviewPanelDesign& d, int& tab) {
    std::vector<PreviewPanelRow> rows;
    auto add = [&](PreviewPanelRow row) { rows.push_back(std::move(row)); };
    add({UI_MEMBER(P, SSPanel80), {.parent = d.parent, .rect = d.panel, .flags = Hidden}});
    auto frame = [&](int index, Rect rect, const char* caption) {
        add({UI_MEMBER(P, SSFrame80),
             {.index = index,
              .parent = "SSPanel80",
              .rect = rect,
              .caption = caption,
              .font = LabelFont,
              .foreColor = Navy}});
    };
    frame(PrintRangeFrame, d.rangeFrame, "Print Range");
    add({UI_MEMBER(P, SSOption81),
         {.parent = "SSFrame80",
          .parentIndex = PrintRangeFrame,
          .rect = {120, 240, d.rangeFrame.width - 240, LabelHeight},
          .caption = d.rangeCaption,
          .font = OptionFont,
          .tabIndex = tab++}});
    frame(PrintOptionsFrame, d.optionsFrame, "Print Options");
    frame(DisplayOptionsFrame, d.displayFrame, "Display Options");
    static constexpr const char* guideCaptions[] = {"Do Not Display Guide Lines", "Display Guide Lines"};
    for (int i = 0; i < 2; ++i)
        add({UI_MEMBER(P, SSOption82),
             {.index = i,
              .parent = "SSFrame80",
              .parentIndex = DisplayOptionsFrame,
              .rect = {120, 250 + i * 270, d.displayFrame.width - 240, LabelHeight},
              .caption = guideCaptions[i],
              .font = OptionFont,
              .tabIndex = tab++},
             {.click = &P::SSOption82_Click}});
    // The orientation display sits below the guide line options.
    const int orientationTop = d.displayFrame.height - 330;
    add(ControlRow{.kind = ControlKind::Label,
                   .name = "Label80",
                   .index = OrientationDisplay,
                   .parent = "SSFrame80",
                   .parentIndex = DisplayOptionsFrame,
                   .rect = {150, orientationTop + 40, 1100, LabelHeight},
                   .caption = "Orientation:",
                   .font = LabelFont,
                   .foreColor = Navy,
                   .flags = Transparent});
    add({UI_MEMBER(P, Panel3D80),
         {.index = OrientationDisplay,
          .parent = "SSFrame80",
          .parentIndex = DisplayOptionsFrame,
          .rect = {1300, orientationTop, 1790, 322},
          .caption = " Portrait",
          .font = BoxFont}});
    auto display = [&](int index, Rect rect, const char* caption) {
        add(ControlRow{.kind = ControlKind::Label,
                       .name = "Label80",
                       .index = index,
                       .parent = "SSPanel80",
                       .rect = {DisplayLabelLeft, rect.top + 40, rect.left - DisplayLabelLeft - 30, LabelHeight},
                       .caption = caption,
                       .font = DisplayLabelFont,
                       .foreColor = Navy,
                       .flags = Transparent});
        add({UI_MEMBER(P, Panel3D80), {.index = index, .parent = "SSPanel80", .rect = rect, .font = BoxFont}});
    };
    display(FontNameDisplay, d.fontNameDisplay, "Printer Font:");
    display(FontSizeDisplay, d.fontSizeDisplay, "Font Size:");
    add({UI_MEMBER(P, Frame3),
         {.parent = "SSPanel80", .rect = d.sampleFrame, .caption = "Sample", .font = LabelFont, .foreColor = Navy}});
    add({UI_MEMBER(P, Panel3d82),
         {.parent = "Frame3",
          .rect = {150, 270, d.sampleFrame.width - 300, d.sampleFrame.height - 380},
          .caption = "AaBbYyZz",
          .font = BoxFont}});
    for (int i = 0; i < static_cast<int>(d.buttons.size()); ++i) {
        const char* caption = d.buttonCaptions[static_cast<std::size_t>(i)];
        if (!caption) continue;
        add({UI_MEMBER(P, SSCommand80),
             {.index = i,
              .parent = "SSPanel80",
              .rect = d.buttons[static_cast<std::size_t>(i)],
              .caption = caption,
              .font = style::ButtonFont,
              .tabIndex = tab++},
             {.click = &P::SSCommand80_Click}});
    }
    return rows;
}

std::vector<PreviewPanelRow> PreviewPanelTopRows(const PreviewPanelDesign& d, int& tab) {
    std::vector<PreviewPanelRow> rows;
    rows.push_back({UI_MEMBER(P, VSPrinter1),
                    {.parent = "SSPanel80", .rect = d.preview, .tabIndex = tab++, .accessibleName = "Print preview"}});
    rows.push_back({UI_MEMBER(P, SSCommand2),
                    {.parent = "SSPanel80",
                     .rect = d.autoSizeButton,
                     .caption = "Auto Size",
                     .font = style::SmallButtonFont,
                     .tabIndex = tab++},
                    {.click = &P::SSCommand2_Click}});
    rows.push_back({UI_MEMBER(P, SSCommand1),
                    {.parent = "SSPanel80",
                     .rect = d.enlargeButton,
                     .caption = "Enlarge",
                     .font = style::SmallButtonFont,
                     .tabIndex = tab++},
                    {.click = &P::SSCommand1_Click}});
    return rows;
}

ControlRow PrintOptionCheck(Rect rect, const char* caption, int& tab) {
    return {.kind = ControlKind::CheckBox,
            .parent = "SSFrame80",
            .parentIndex = PrintOptionsFrame,
            .rect = rect,
            .caption = caption,
            .font = OptionFont,
            .tabIndex = tab++,
            .flags = Checked};
}

void AddPreviewPanelRows(std::vector<ControlRow>& rows, const PreviewPanelDesign& d, int& tab) {
    for (const PreviewPanelRow& row : PreviewPanelRows(d, tab)) rows.push_back(row.row());
}

void AddPreviewPanelTopRows(std::vector<ControlRow>& rows, const PreviewPanelDesign& d, int& tab) {
    for (const PreviewPanelRow& row : PreviewPanelTopRows(d, tab)) rows.push_back(row.row());
}

}  // namespace printing
