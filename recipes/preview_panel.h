#pragma once
#include <array>
#include <memory>
#include <string>

#include "platform/ui/controls.h"
#include "printing/print_font.h"
#include "printing/print_preview_panel.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// The recipe window's own controls on the print preview, by the names its
// documents use; the panel's common controls are printing::PrintPreviewPanel's.
struct PreviewControls {
    // The buttons of the print preview, SSCommand80, by index.
    enum PreviewButton {
        PrinterFontButton = 0,
        PageSetupButton = 1,
        PreviewCancelButton = 2,
        CopyPageButton = 3,
        SelectRecipesButton = 4,
        PreviewPrintButton = 5,
    };
    ui::Panel* SSPanel80 = nullptr;
    std::array<ui::CommandButton*, 6> SSCommand80{};  // its buttons, indexed by PreviewButton
    std::array<ui::OptionButton*, 4> SSOption83{};  // the layouts: full page two columns, one column, top, bottom half
    ui::Frame* Frame2 = nullptr;                    // the amount print options, without a caption
    std::array<ui::OptionButton*, 2> SSOption80{};  // amounts as fractions, as decimals
};

// The print preview over the main panel: the recipe on screen, the recipes
// picked to print two to a page, or the blank worksheet, with the recipe
// print options.
class PreviewPanel {
public:
    PreviewPanel(Form5& window, PreviewControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void LoadPrintSettings();
    // Where the preview's buttons lie for the window's size: at each
    // activation, and the tops again after each resize.
    void PlacePreviewButtons();
    void placePreviewButtonTops();
    void mOP_Click();       // Options > Print
    void Command7_Click();  // "&Print"
    void mOW_Click();       // Options > Print Worksheet
    void SSOption83_Click(int index);
    void SSOption80_Click(int index);
    void RerenderPreview();
    void PreviewCancelled();
    void LayoutRecipe();
    void LayoutWorksheet();
    printing::PrintPreviewPanel& preview() { return *preview_; }
    const printing::PrintPreviewPanel& preview() const { return *preview_; }
    printing::PrintFontSettings& printFont();

private:
    void drawPreview();
    std::string printedOnDate();

    Form5& w_;
    PreviewControls& c_;
    RecipeWindowState& state_;
    std::unique_ptr<printing::PrintPreviewPanel> preview_;
};

}  // namespace recipes
