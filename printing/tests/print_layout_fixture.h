#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/text.h"
#include "platform/testing/fake_printer.h"
#include "platform/ui/print_document.h"
#include "printing/print_font.h"

namespace printing::testing {

// A document on the fixed-metric printer, letter paper (W 12240, H 15840),
// a 12-point print font: 120 twips a character and 288 a line (14 points:
// 140 and 336; 6 points: 60 and 144).
class PrintLayoutTest : public ::testing::Test {
protected:
    static constexpr double kLine = 288;
    static constexpr double kTitleLine = 336;
    static constexpr ui::OleColor kNavy = ui::Rgb(0, 0, 128);

    PrintLayoutTest() {
        font.PrintFontName = "Times New Roman";
        font.PrintFontSize = 12;
        font.PrintFontColor = kNavy;
    }

    double W() const { return doc.PageWidth(); }
    double H() const { return doc.PageHeight(); }

    // The runs of a page with their texts right-trimmed: stored fields
    // print with their blank fill.
    std::vector<ui::TextRun> Runs(int page = 0) const {
        std::vector<ui::TextRun> runs = doc.pages().at(static_cast<std::size_t>(page)).runs;
        for (ui::TextRun& run : runs) run.text = basic::RTrim(run.text);
        return runs;
    }
    std::vector<std::string> Texts(int page = 0) const {
        std::vector<std::string> texts;
        for (const ui::TextRun& run : Runs(page)) texts.push_back(run.text);
        return texts;
    }
    // The first run of the page with this text (trimmed); fails the test when there is none.
    ui::TextRun Find(std::string_view text, int page = 0) const {
        for (const ui::TextRun& run : Runs(page))
            if (run.text == text) return run;
        ADD_FAILURE() << "no run \"" << text << "\" on page " << page + 1;
        return {};
    }
    // The texts written from x, top to bottom, with their y.
    std::vector<std::pair<double, std::string>> Column(double x, int page = 0) const {
        std::vector<std::pair<double, std::string>> column;
        for (const ui::TextRun& run : Runs(page))
            if (std::abs(run.x - x) < 0.5) column.emplace_back(run.y, run.text);
        return column;
    }
    // Where a text centred on x starts.
    double CentredOn(double x, std::string_view text, double charWidth = 120) const {
        return x - charWidth * static_cast<double>(basic::Trim(text).size()) / 2;
    }

    platform::testing::FakePrinter printer;
    ui::PrintDocument doc{printer};
    PrintFontSettings font;
};

}  // namespace printing::testing
