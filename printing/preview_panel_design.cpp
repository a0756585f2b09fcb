#include "printing/preview_panel_design.h"

namespace printing {

using ui::ControlKind;
using namespace ui::design;

namespace {

const ui::Font LabelFont{"Arial", 8.25, true};
const ui::Font ButtonFont{"Arial", 8.25, true};
const ui::Font SmallButtonFont{"Arial", 6.75, true};
// The font name and size displays stand close to the panel's left edge: their
// labels take the room from that edge, in a slightly smaller font.
const ui::Font DisplayLabelFont{"Arial", 7.5, true};
constexpr int DisplayLabelLeft = 60;
const ui::Font BoxFont{"Arial", 9};
// Options carry long captions: plain, so they fit their frames.
const ui::Font OptionFont{"Arial", 8.25};
constexpr ui::OleColor Navy = ui::Rgb(0, 0, 128);
constexpr int LabelHeight = 240;

}  // namespace

void AddPreviewPanelRows(std::vector<ControlRow>& rows, const PreviewPanelDesign& d, int& tab) {
    auto add = [&](ControlRow row) { rows.push_back(row); };
    add({.kind = ControlKind::Panel, .name = "SSPanel80", .parent = d.parent, .rect = d.panel, .flags = Hidden});
    auto frame = [&](int index, Rect rect, const char* caption) {
        add({.kind = ControlKind::Frame,
             .name = "SSFrame80",
             .index = index,
             .parent = "SSPanel80",
             .rect = rect,
             .caption = caption,
             .font = LabelFont,
             .foreColor = Navy});
    };
    frame(PrintRangeFrame, d.rangeFrame, "Print Range");
    add({.kind = ControlKind::OptionButton,
         .name = "SSOption81",
         .parent = "SSFrame80",
         .parentIndex = PrintRangeFrame,
         .rect = {120, 240, d.rangeFrame.width - 240, LabelHeight},
         .caption = d.rangeCaption,
         .font = OptionFont,
         .tabIndex = tab++});
    frame(PrintOptionsFrame, d.optionsFrame, "Print Options");
    frame(DisplayOptionsFrame, d.displayFrame, "Display Options");
    static constexpr const char* guideCaptions[] = {"Do Not Display Guide Lines", "Display Guide Lines"};
    for (int i = 0; i < 2; ++i)
        add({.kind = ControlKind::OptionButton,
             .name = "SSOption82",
             .index = i,
             .parent = "SSFrame80",
             .parentIndex = DisplayOptionsFrame,
             .rect = {120, 250 + i * 270, d.displayFrame.width - 240, LabelHeight},
             .caption = guideCaptions[i],
             .font = OptionFont,
             .tabIndex = tab++});
    // The orientation display sits below the guide line options.
    const int orientationTop = d.displayFrame.height - 330;
    add({.kind = ControlKind::Label,
         .name = "Label80",
         .index = OrientationDisplay,
         .parent = "SSFrame80",
         .parentIndex = DisplayOptionsFrame,
         .rect = {150, orientationTop + 40, 1100, LabelHeight},
         .caption = "Orientation:",
         .font = LabelFont,
         .foreColor = Navy,
         .flags = Transparent});
    add({.kind = ControlKind::Panel,
         .name = "Panel3D80",
         .index = OrientationDisplay,
         .parent = "SSFrame80",
         .parentIndex = DisplayOptionsFrame,
         .rect = {1300, orientationTop, 1790, 322},
         .caption = " Portrait",
         .font = BoxFont});
    auto display = [&](int index, Rect rect, const char* caption) {
        add({.kind = ControlKind::Label,
             .name = "Label80",
             .index = index,
             .parent = "SSPanel80",
             .rect = {DisplayLabelLeft, rect.top + 40, rect.left - DisplayLabelLeft - 30, LabelHeight},
             .caption = caption,
             .font = DisplayLabelFont,
             .foreColor = Navy,
             .flags = Transparent});
        add({.kind = ControlKind::Panel,
             .name = "Panel3D80",
             .index = index,
             .parent = "SSPanel80",
             .rect = rect,
             .font = BoxFont});
    };
    display(FontNameDisplay, d.fontNameDisplay, "Printer Font:");
    display(FontSizeDisplay, d.fontSizeDisplay, "Font Size:");
    add({.kind = ControlKind::Frame,
         .name = "Frame3",
         .parent = "SSPanel80",
         .rect = d.sampleFrame,
         .caption = "Sample",
         .font = LabelFont,
         .foreColor = Navy});
    add({.kind = ControlKind::Panel,
         .name = "Panel3d82",
         .parent = "Frame3",
         .rect = {150, 270, d.sampleFrame.width - 300, d.sampleFrame.height - 380},
         .caption = "AaBbYyZz",
         .font = BoxFont});
    for (int i = 0; i < static_cast<int>(d.buttons.size()); ++i) {
        const char* caption = d.buttonCaptions[static_cast<std::size_t>(i)];
        if (!caption) continue;
        add({.kind = ControlKind::CommandButton,
             .name = "SSCommand80",
             .index = i,
             .parent = "SSPanel80",
             .rect = d.buttons[static_cast<std::size_t>(i)],
             .caption = caption,
             .font = ButtonFont,
             .tabIndex = tab++});
    }
}

void AddPreviewPanelTopRows(std::vector<ControlRow>& rows, const PreviewPanelDesign& d, int& tab) {
    auto add = [&](ControlRow row) { rows.push_back(row); };
    add({.kind = ControlKind::PrintPreview,
         .name = "VSPrinter1",
         .parent = "SSPanel80",
         .rect = d.preview,
         .tabIndex = tab++,
         .accessibleName = "Print preview"});
    add({.kind = ControlKind::CommandButton,
         .name = "SSCommand2",
         .parent = "SSPanel80",
         .rect = d.autoSizeButton,
         .caption = "Auto Size",
         .font = SmallButtonFont,
         .tabIndex = tab++});
    add({.kind = ControlKind::CommandButton,
         .name = "SSCommand1",
         .parent = "SSPanel80",
         .rect = d.enlargeButton,
         .caption = "Enlarge",
         .font = SmallButtonFont,
         .tabIndex = tab++});
}

}  // namespace printing
