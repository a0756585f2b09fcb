#pragma once
#include <array>
#include <vector>

#include "platform/ui/design.h"

namespace printing {

class PrintPreviewPanel;
using PreviewPanelRow = ui::design::Row<PrintPreviewPanel>;

// What differs between the windows that carry the print preview panel: where
// its controls lie (twips; inner controls relative to the panel, options
// and the orientation display relative to their frames) and a few rules.
struct PreviewPanelDesign {
    const char* parent = nullptr;  // the panel's container in the window
    ui::design::Rect panel;
    ui::design::Rect preview;
    ui::design::Rect autoSizeButton;
    ui::design::Rect enlargeButton;
    ui::design::Rect rangeFrame;
    ui::design::Rect optionsFrame;
    ui::design::Rect displayFrame;
    ui::design::Rect fontNameDisplay;
    ui::design::Rect fontSizeDisplay;
    ui::design::Rect sampleFrame;
    // SSCommand80 by index; a button without a caption is not made.
    std::array<ui::design::Rect, 6> buttons;
    std::array<const char*, 6> buttonCaptions;
    const char* rangeCaption = "";  // the notice in "Print Range"

    // The preview enlarged: its left edge, and how much narrower than the panel it is.
    int enlargedLeft = 115;
    int enlargedMargin = 230;
    // Auto Size fits a line of this many letters "n" to the page's width.
    int autoSizeLetters = 96;
    // The size a window's opening takes when none is set yet.
    double defaultFontSize = 12;
    // Whether replacing a screen font by "Times New Roman" also sets the size to 14.
    bool screenFontSetsSize = false;
};

// The panel of a list's printout (the shopping list, a day's menus): 9150 by
// 7095 twips, centred across a container parentWidth wide, the window's
// print options in two ticked check boxes (PrintOptionCheck, tops 255 and 540).
constexpr PreviewPanelDesign ListPreviewDesign(const char* parent, int parentWidth, const char* rangeCaption) {
    return {
        .parent = parent,
        .panel = {(parentWidth - 9150) / 2, 100, 9150, 7095},
        .preview = {3600, 120, 5475, 6900},
        .autoSizeButton = {7245, 146, 795, 235},
        .enlargeButton = {8265, 151, 750, 235},
        .rangeFrame = {195, 117, 3240, 758},
        .optionsFrame = {195, 926, 3240, 875},
        .displayFrame = {195, 1829, 3240, 1319},
        .fontNameDisplay = {1090, 3222, 2325, 337},
        .fontSizeDisplay = {930, 3610, 585, 337},
        .sampleFrame = {195, 3931, 3240, 975},
        .buttons = {{{565, 4945, 2425, 390},
                     {565, 5375, 2425, 390},
                     {565, 6600, 2430, 400},
                     {565, 5790, 2430, 360},
                     {565, 6175, 2430, 390},
                     {}}},
        .buttonCaptions = {"Printer &Font", "&Page Setup", "&Cancel", "C&opy Current Page", "&Print", nullptr},
        .rangeCaption = rangeCaption,
        .enlargedLeft = 75,
        .enlargedMargin = 145,
    };
}

// The indexes of the panel's control arrays.
enum PreviewButton { PrinterFontButton = 0, PageSetupButton = 1, CancelButton = 2, CopyPageButton = 3 };
enum PreviewFrame { PrintRangeFrame = 0, DisplayOptionsFrame = 1, PrintOptionsFrame = 2 };
enum PreviewDisplay { FontNameDisplay = 0, FontSizeDisplay = 1, OrientationDisplay = 2 };

// The rows of the panel's common controls. Rows stack in their order, so a
// window adds the panel's rows, then its own print options (in the "Print
// Options" frame), then the top rows: the preview over everything it covers
// when enlarged, the Enlarge and Auto Size buttons over the preview; panels
// that open over the preview come after. Tab stops are taken from tab onwards.
// Each row names the panel's member it fills and its handlers; the panel
// binds them once the window is built (PrintPreviewPanel's constructor).
std::vector<PreviewPanelRow> PreviewPanelRows(const PreviewPanelDesign& design, int& tab);
std::vector<PreviewPanelRow> PreviewPanelTopRows(const PreviewPanelDesign& design, int& tab);
// One of a window's print options: a check box in the "Print Options" frame,
// ticked at first, at rect within the frame. The window names its member
// and its click.
ui::design::ControlRow PrintOptionCheck(ui::design::Rect rect, const char* caption, int& tab);
// The same rows as plain ControlRows, to lay the panel out on a bare form.
void AddPreviewPanelRows(std::vector<ui::design::ControlRow>& rows, const PreviewPanelDesign& design, int& tab);
void AddPreviewPanelTopRows(std::vector<ui::design::ControlRow>& rows, const PreviewPanelDesign& design, int& tab);

}  // namespace printing
