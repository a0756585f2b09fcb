#pragma once
#include <string>

#include "platform/ui/print_document.h"

namespace platform {

// The default printer of the desktop: the fonts it takes, how it measures,
// its page setup and printing. Where the machine has no printer of its own a
// PDF printer stands in; Available is false only when none at all can be
// opened.
class Printer : public ui::PrintMetrics {
public:
    virtual ~Printer() = default;

    virtual bool Available() const = 0;
    // Asks the printer to use a font; false when it cannot (no printer).
    // The printer may take a near font instead: FontName tells which.
    virtual bool SetFontName(const std::string& name) = 0;
    // The font the printer uses: the one it last took, else its default
    // font, from its first use on. Empty only when there is no printer.
    virtual std::string FontName() const = 0;

    // The page setup dialog over the paper and orientation; false when the
    // user cancelled (nothing changed then).
    virtual bool PageSetupDialog(ui::PaperSize& paper, ui::Orientation& orientation) = 0;
    // The print dialog, then the whole document printed (to paper or a PDF
    // file, as the user chose there); false when cancelled or failed.
    virtual bool Print(const ui::PrintDocument& document) = 0;

    // The font dialog over the printer's fonts, with effects and colour;
    // false when the user cancelled.
    struct FontChoice {
        ui::Font font;
        ui::OleColor color = 0;
    };
    virtual bool FontDialog(FontChoice& choice) = 0;
};

}  // namespace platform
