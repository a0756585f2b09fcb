#include "platform/ui/print_document.h"

#include <algorithm>

namespace ui {

namespace {

// The text's lines as the line breaks split it: CR LF, CR or LF each end one.
std::vector<std::string_view> HardLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

double PrintDocument::PageWidth() const {
    return orientation_ == Orientation::Landscape ? paper_.height : paper_.width;
}

double PrintDocument::PageHeight() const {
    return orientation_ == Orientation::Landscape ? paper_.width : paper_.height;
}

void PrintDocument::Clear() {
    pages_.clear();
    building_ = false;
    CurrentX = MarginLeft;
    CurrentY = MarginTop;
}

void PrintDocument::StartDoc() {
    pages_.clear();
    pages_.emplace_back();
    building_ = true;
    CurrentX = MarginLeft + IndentLeft;
    CurrentY = MarginTop;
}

void PrintDocument::NewPage() {
    if (!building_) return;
    pages_.emplace_back();
    CurrentX = MarginLeft + IndentLeft;
    CurrentY = MarginTop;
}

void PrintDocument::EndDoc() { building_ = false; }

double PrintDocument::TextWidth(std::string_view text) const { return metrics_->TextWidth(font, text); }

double PrintDocument::LineHeight() const { return metrics_->LineHeight(font); }

void PrintDocument::DrawLine(double x1, double y1, double x2, double y2) {
    if (!building_) return;
    pages_.back().lines.push_back({x1, y1, x2, y2, LineWidth, LineColor});
}

void PrintDocument::Paragraph(std::string_view text) {
    if (!building_) return;
    const double lineHeight = LineHeight();
    const double leftEdge = MarginLeft + IndentLeft;
    const double rightEdge = PageWidth() - MarginRight - IndentRight;
    const double bottom = PageHeight() - MarginBottom;
    double x = CurrentX;

    // Places one line at x on the current line, a new page first when it
    // would reach past the bottom margin (unless the page is still empty
    // at its top, where it would not fit on any page either).
    auto place = [&](std::string_view line) {
        if (CurrentY + lineHeight > bottom && CurrentY > MarginTop) NewPage();
        if (!line.empty()) pages_.back().runs.push_back({x, CurrentY, std::string(line), font, TextColor});
        CurrentY += lineHeight;
        x = leftEdge;
    };

    for (std::string_view rest : HardLines(text)) {
        while (true) {
            const double room = std::max(0.0, rightEdge - x);
            if (rest.empty() || TextWidth(rest) <= room) {
                place(rest);
                break;
            }
            // The longest start of the text that fits, ended at a blank when one is there.
            // Widths grow with the text: a binary search finds it.
            std::size_t fits = 0;
            for (std::size_t low = 0, high = rest.size(); low < high;) {
                const std::size_t mid = low + (high - low + 1) / 2;
                if (TextWidth(rest.substr(0, mid)) <= room) low = fits = mid;
                else high = mid - 1;
            }
            std::size_t cut = rest.substr(0, fits + 1).find_last_of(' ');
            if (cut == std::string_view::npos || cut == 0) cut = std::max<std::size_t>(fits, 1);
            place(rest.substr(0, cut));
            rest = rest.substr(cut);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            if (rest.empty()) break;
        }
    }
    CurrentX = leftEdge;
}

}  // namespace ui
