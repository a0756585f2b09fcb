#pragma once
#include <cmath>
#include <string>
#include <vector>

#include "platform/services/clipboard.h"
#include "platform/services/printer.h"

namespace platform::testing {

// A printer with a fixed metric, so pages come out the same on every
// machine: every character is half as wide as the font's size in twips
// (10 twips a point), bold ones a tenth wider, and a line is 1.2 times the
// size high. Any font is taken as asked, unless the test says there is no
// printer. Dialogs answer as the test scripts them; printing records the
// document's pages.
class FakePrinter : public Printer {
public:
    bool present = true;
    // The next answers of the page setup and font dialogs: nothing set is a cancel.
    std::vector<std::pair<ui::PaperSize, ui::Orientation>> pageSetupAnswers;
    std::vector<FontChoice> fontAnswers;
    // What the font dialog was opened with, each time.
    std::vector<FontChoice> fontDialogOpenedWith;
    // The pages of every document printed.
    std::vector<std::vector<ui::Page>> printed;

    double TextWidth(const ui::Font& font, std::string_view text) const override {
        const double perCharacter = font.size * 10 * (font.bold ? 1.1 : 1.0);
        return std::round(perCharacter * static_cast<double>(text.size()));
    }
    double LineHeight(const ui::Font& font) const override { return std::round(font.size * 24); }

    bool Available() const override { return present; }
    bool SetFontName(const std::string& name) override {
        if (!present) return false;
        fontName_ = name;
        return true;
    }
    std::string FontName() const override { return present ? fontName_ : std::string(); }

    bool PageSetupDialog(ui::PaperSize& paper, ui::Orientation& orientation) override {
        if (pageSetupAnswers.empty()) return false;
        paper = pageSetupAnswers.front().first;
        orientation = pageSetupAnswers.front().second;
        pageSetupAnswers.erase(pageSetupAnswers.begin());
        return true;
    }
    bool Print(const ui::PrintDocument& document) override {
        if (!present) return false;
        printed.push_back(document.pages());
        return true;
    }
    bool FontDialog(FontChoice& choice) override {
        fontDialogOpenedWith.push_back(choice);
        if (fontAnswers.empty()) return false;
        choice = fontAnswers.front();
        fontAnswers.erase(fontAnswers.begin());
        return true;
    }

private:
    std::string fontName_ = "Times New Roman";
};

// A clipboard that keeps what it was given; a test can make it refuse.
class FakeClipboard : public Clipboard {
public:
    bool refuses = false;
    std::string text;
    int pagesCopied = 0;

    bool SetText(const std::string& t) override {
        if (refuses) return false;
        text = t;
        return true;
    }
    bool SetPage(const ui::PrintDocument& document, int pageIndex) override {
        if (refuses || pageIndex < 0 || pageIndex >= document.PageCount()) return false;
        text.clear();
        ++pagesCopied;
        return true;
    }
};

}  // namespace platform::testing
