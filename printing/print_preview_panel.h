#pragma once
#include <array>
#include <functional>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "printing/preview_panel_design.h"
#include "printing/print_font.h"
#include "shell/settings_files.h"

namespace shell {
class Application;
}

namespace printing {

// The print preview panel of a window: the printer font with its sample,
// page setup, enlarging, Auto Size, guide lines, copying the page and
// printing, over the window's own renderer. The window builds the panel's
// rows (PreviewPanelRows) among its own, with its own print options, then
// makes one of these, which binds its members to them and handles their events.
class PrintPreviewPanel {
public:
    PrintPreviewPanel(shell::Application& app, ui::Form& window, const PreviewPanelDesign& design,
                      shell::settings::RecordRef guideLineRecord);

    // Lays the document out again with the window's renderer. A request
    // that comes while a layout runs (through pending events) is run once
    // after it, never inside it.
    void Rerender();
    std::function<void()> render;
    // What the window does on "Cancel" after the panel hid itself.
    std::function<void()> onCancel;
    // The window's own action for a button beyond the common ones (index 4, 5).
    std::function<void(int index)> onButton;

    // Takes the print font from a control of the window: its name (a screen
    // font replaced by "Times New Roman"), bold and italic; asks the printer
    // to take it and keeps the name the printer reports. A size that is not
    // set becomes the window's default.
    void TakePrintFont(const ui::Font& source);
    // The displays and the sample show the print font.
    void ShowPrintFont();
    // Only the displays show the print font's name and size; the sample stays.
    void ShowFontNameAndSize();
    // Shows the panel in front of the window's work and lets pending events run.
    void Show();
    // The window's activation: the preview's place to return to from "Normal".
    void RememberPreviewPlacement();
    // The window's loading: the guide line option from its record, writing nothing.
    void LoadGuideLineOption();
    // The window's loading: a portrait page, and the display saying so.
    void StartPortrait();

    // --- the panel's events
    void SSCommand80_Click(int index);
    void SSCommand1_Click();  // Enlarge / Normal
    void SSCommand2_Click();  // Auto Size
    void SSOption82_Click(int index);
    void PrinterFont();
    void PageSetup();
    void Cancel();
    void CopyCurrentPage();
    void Print();

    // Shown over the window, from Show() to Cancel().
    bool isOpen() const { return open_; }
    // Enlarged by "Enlarge" until "Normal" is pressed.
    bool enlarged() const { return enlarged_; }
    ui::PrintDocument& document() { return VSPrinter1->document(); }
    PrintFontSettings& font();

    ui::Panel* SSPanel80 = nullptr;
    ui::PrintPreview* VSPrinter1 = nullptr;
    std::array<ui::CommandButton*, 6> SSCommand80{};  // by PreviewButton; nullptr where the window has none
    ui::CommandButton* SSCommand1 = nullptr;          // "Enlarge" / "Normal"
    ui::CommandButton* SSCommand2 = nullptr;          // "Auto Size"
    std::array<ui::Frame*, 3> SSFrame80{};            // by PreviewFrame
    ui::OptionButton* SSOption81 = nullptr;           // the print range notice
    std::array<ui::OptionButton*, 2> SSOption82{};    // guide lines off, on
    std::array<ui::Panel*, 3> Panel3D80{};            // font name, font size, orientation
    ui::Frame* Frame3 = nullptr;                      // "Sample"
    ui::Panel* Panel3d82 = nullptr;                   // "AaBbYyZz" in the print font

    int PreviewWidth = 0;  // the preview's laid-out width and left edge, for "Normal"
    int PreviewLeft = 0;

private:
    void showOrientation();
    bool textFits(const std::string& text);

    shell::Application& app_;
    ui::Form& window_;
    PreviewPanelDesign design_;
    shell::settings::RecordRef guideLineRecord_;
    bool open_ = false;
    bool enlarged_ = false;
    bool rendering_ = false;
    bool renderPending_ = false;
};

}  // namespace printing
