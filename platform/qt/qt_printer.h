#pragma once
#include <QPrinter>
#include <memory>

#include "platform/services/printer.h"

namespace platform::qt {

// The desktop's default printer; where the machine has none, Qt's PDF
// printer stands in, so fonts resolve and measure as on paper. Measures in
// the printer's own resolution. Needs a QApplication.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    double TextWidth(const ui::Font& font, std::string_view text) const override;
    double LineHeight(const ui::Font& font) const override;

    bool Available() const override;
    bool SetFontName(const std::string& name) override;
    std::string FontName() const override;
    bool PageSetupDialog(ui::PaperSize& paper, ui::Orientation& orientation) override;
    bool Print(const ui::PrintDocument& document) override;
    bool FontDialog(FontChoice& choice) override;

private:
    QPrinter& printer() const;

    mutable std::unique_ptr<QPrinter> printer_;
    std::string fontName_;
};

// Prints every page of the document on the printer as it is set up (all
// pages or the range chosen in a print dialog), on the document's paper and
// orientation; false when nothing could be printed.
bool PrintDocumentTo(QPrinter& printer, const ui::PrintDocument& document);

}  // namespace platform::qt
