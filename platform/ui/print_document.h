#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/font.h"

namespace ui {

// How long a text is and how high a line is in a font, in twips, as the
// printer that will print the document measures them. The program's
// printer measures for real; tests use a fixed rule, so pages come out the
// same everywhere.
class PrintMetrics {
public:
    virtual double TextWidth(const Font& font, std::string_view text) const = 0;
    virtual double LineHeight(const Font& font) const = 0;

protected:
    ~PrintMetrics() = default;
};

enum class Orientation { Portrait = 0, Landscape = 1 };

// The paper as the page setup left it, in twips, the width and height
// being those of the portrait page.
struct PaperSize {
    double width = 12240;   // 8.5 inches
    double height = 15840;  // 11 inches

    bool operator==(const PaperSize&) const = default;
};

// One piece of text placed on a page: its top left corner in twips from the
// page's edges.
struct TextRun {
    double x = 0;
    double y = 0;
    std::string text;  // Windows-1252
    Font font;
    OleColor color = 0;

    bool operator==(const TextRun&) const = default;
};

struct PageLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 1;  // twips; 1 is the thinnest line the printer draws
    OleColor color = 0;

    bool operator==(const PageLine&) const = default;
};

struct Page {
    std::vector<TextRun> runs;
    std::vector<PageLine> lines;
};

// A document laid out for the printer, built step by step the way a
// program writes to a printer: fonts, colours, margins, a current position,
// paragraphs that wrap between the indents and flow on to a new page at the
// bottom margin, and lines. The preview shows its pages, the printer prints
// them and the clipboard takes one as a picture; all read the same pages.
class PrintDocument {
public:
    explicit PrintDocument(const PrintMetrics& metrics) : metrics_(&metrics) {}

    // --- the page
    void setPaper(PaperSize paper) { paper_ = paper; }
    PaperSize paper() const { return paper_; }
    void setOrientation(Orientation o) { orientation_ = o; }
    Orientation orientation() const { return orientation_; }
    // Of the page as oriented.
    double PageWidth() const;
    double PageHeight() const;

    // --- building
    // Drops the pages held; the next StartDoc begins anew. Font, colours,
    // margins and indents stay as they were set.
    void Clear();
    // Opens page 1 with the position at the top left margins.
    void StartDoc();
    // Closes the page and opens the next, the position at the top left margins.
    void NewPage();
    void EndDoc();
    bool building() const { return building_; }

    Font font;
    OleColor TextColor = 0;
    OleColor LineColor = 0;
    double LineWidth = 1;  // twips
    double MarginLeft = 0;
    double MarginRight = 0;
    double MarginTop = 0;
    double MarginBottom = 0;
    // The lines of a paragraph run between these, measured from the page's
    // margins.
    double IndentLeft = 0;
    double IndentRight = 0;

    double CurrentX = 0;
    double CurrentY = 0;

    // Writes text as one paragraph at the current position and moves to the
    // start of the next line. Line breaks (CR, LF or CR LF) start new lines;
    // a line longer than the room to the right indent wraps at the last
    // blank that fits (a word longer than a line is split); lines after the
    // first start at the left indent. A line that would reach past the
    // bottom margin starts a new page first. An empty text writes a blank
    // line. Nothing is written outside StartDoc .. EndDoc.
    void Paragraph(std::string_view text);
    // In the current font.
    double TextWidth(std::string_view text) const;
    double LineHeight() const;
    void DrawLine(double x1, double y1, double x2, double y2);

    // --- reading
    const std::vector<Page>& pages() const { return pages_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }

private:
    const PrintMetrics* metrics_;
    PaperSize paper_;
    Orientation orientation_ = Orientation::Portrait;
    std::vector<Page> pages_;
    bool building_ = false;
};

}  // namespace ui
