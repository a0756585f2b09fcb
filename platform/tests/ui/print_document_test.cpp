// The printer's document: paragraphs at the current position, wrapping
// between the indents, and flowing on to the next page.
#include <gtest/gtest.h>

#include "platform/testing/fake_printer.h"
#include "platform/ui/print_document.h"

namespace ui {
namespace {

class PrintDocumentTest : public ::testing::Test {
protected:
    PrintDocumentTest() {
        doc.font = {"Times New Roman", 12};  // 120 twips a character, 288 a line
        doc.setPaper({12000, 2000});
    }
    std::vector<std::string> texts(int page) const {
        std::vector<std::string> out;
        for (const TextRun& run : doc.pages()[page].runs) out.push_back(run.text);
        return out;
    }

    platform::testing::FakePrinter printer;
    PrintDocument doc{printer};
};

TEST_F(PrintDocumentTest, AParagraphStartsAtTheCurrentPositionAndTheNextLineAtTheIndent) {
    doc.StartDoc();
    doc.CurrentX = 1000;
    doc.Paragraph("Egg Nog");
    doc.Paragraph("");  // a blank line
    doc.Paragraph("Chill.");
    doc.EndDoc();
    ASSERT_EQ(doc.PageCount(), 1);
    const auto& runs = doc.pages()[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (TextRun{1000, 0, "Egg Nog", doc.font, 0}));
    EXPECT_EQ(runs[1].x, 0);
    EXPECT_EQ(runs[1].y, 2 * 288);
    EXPECT_EQ(doc.CurrentY, 3 * 288);
}

TEST_F(PrintDocumentTest, LongLinesWrapAtABlankBetweenTheIndentsAndLineBreaksStartNewLines) {
    doc.IndentLeft = doc.IndentRight = 700;  // room for 88 characters of 120 twips
    doc.StartDoc();
    const std::string word(40, 'w');
    doc.Paragraph(word + " " + word + " " + word + "\r\nnext\nlast");
    ASSERT_EQ(texts(0), (std::vector<std::string>{word + " " + word, word, "next", "last"}));
    for (const TextRun& run : doc.pages()[0].runs) EXPECT_EQ(run.x, 700);
    doc.Paragraph(std::string(200, 'x'));  // no blank: split where the line is full
    EXPECT_EQ(doc.pages().back().runs.back().text.size(), 200u - 2 * 88);
}

TEST_F(PrintDocumentTest, AParagraphReachingTheBottomGoesOnOnANewPageAtTheSameIndents) {
    doc.MarginTop = doc.MarginBottom = 100;  // the bottom margin at 1900
    doc.IndentLeft = 700;
    doc.StartDoc();
    doc.CurrentY = 1000;
    doc.Paragraph("one\ntwo\nthree\nfour");
    ASSERT_EQ(doc.PageCount(), 2);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"one", "two", "three"}));  // the last ends at 1864
    EXPECT_EQ(texts(1), (std::vector<std::string>{"four"}));
    EXPECT_EQ(doc.pages()[1].runs[0].y, 100);
    EXPECT_EQ(doc.pages()[1].runs[0].x, 700);
}

TEST_F(PrintDocumentTest, NothingIsWrittenOutsideTheDocumentAndStartingAgainDropsTheOldPages) {
    doc.Paragraph("before");
    doc.DrawLine(0, 0, 10, 10);
    EXPECT_EQ(doc.PageCount(), 0);
    doc.StartDoc();
    doc.Paragraph("first");
    doc.NewPage();
    doc.EndDoc();
    EXPECT_EQ(doc.PageCount(), 2);
    doc.StartDoc();
    doc.EndDoc();
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_TRUE(doc.pages()[0].runs.empty());
}

TEST_F(PrintDocumentTest, LandscapeSwapsThePageSides) {
    doc.setOrientation(Orientation::Landscape);
    EXPECT_EQ(doc.PageWidth(), 2000);
    EXPECT_EQ(doc.PageHeight(), 12000);
}

}  // namespace
}  // namespace ui
