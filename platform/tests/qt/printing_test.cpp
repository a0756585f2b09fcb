// The printer's document on paper, on the clipboard and in the preview, and
// the printer's own dialogs.
#include <QAbstractScrollArea>
#include <QClipboard>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/page_painter.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

// Two pages: a heading and a rule on the first, a line of text on the second.
void WriteTwoPages(ui::PrintDocument& document) {
    document.font = {"Times New Roman", 36, true};
    document.TextColor = ui::Rgb(20, 20, 20);
    document.LineColor = ui::Rgb(20, 20, 20);
    document.LineWidth = 60;
    document.StartDoc();
    document.CurrentX = 1440;
    document.CurrentY = 1440;
    document.Paragraph("Caf\xE9 au lait");
    document.DrawLine(1440, 3000, document.PageWidth() - 1440, 3000);
    document.NewPage();
    document.CurrentX = 1440;
    document.Paragraph("Page two");
    document.EndDoc();
}

// The page objects of a PDF file, not counting its page tree.
int PdfPageCount(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

// The paper of each page of a PDF file, in points.
std::vector<QSizeF> PdfPaper(const QByteArray& pdf) {
    std::vector<QSizeF> sizes;
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
    for (auto match = box.globalMatch(QString::fromLatin1(pdf)); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        sizes.emplace_back(found.captured(1).toDouble(), found.captured(2).toDouble());
    }
    return sizes;
}

class PrintToFileTest : public ::testing::Test {
protected:
    QByteArray print(const ui::PrintDocument& document, bool* printed = nullptr, int from = 0, int to = 0) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        const QString file = folder.filePath(QStringLiteral("out%1.pdf").arg(++files_));
        pdf.setOutputFileName(file);
        if (from > 0) {
            pdf.setPrintRange(QPrinter::PageRange);
            pdf.setFromTo(from, to);
        }
        const bool ok = PrintDocumentTo(pdf, document);
        if (printed) *printed = ok;
        QFile out(file);
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    QtPrinter printer;

private:
    int files_ = 0;
};

TEST_F(PrintToFileTest, EveryPageOfTheDocumentIsPrintedOnItsPaperAndOrientation) {
    ui::PrintDocument document(printer);
    WriteTwoPages(document);
    bool printed = false;
    const QByteArray pdf = print(document, &printed);
    EXPECT_TRUE(printed);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(PdfPaper(pdf), std::vector<QSizeF>(2, QSizeF(612, 792))) << "letter, upright";

    document.setPaper({11906, 16838});  // A4
    document.setOrientation(ui::Orientation::Landscape);
    WriteTwoPages(document);
    const QByteArray landscape = print(document);
    EXPECT_EQ(PdfPageCount(landscape), 2);
    EXPECT_EQ(PdfPaper(landscape), std::vector<QSizeF>(2, QSizeF(842, 595))) << "A4 on its side";

    const QByteArray secondOnly = print(document, &printed, 2, 2);
    EXPECT_TRUE(printed);
    EXPECT_EQ(PdfPageCount(secondOnly), 1) << "the range chosen in the print dialog";
}

TEST_F(PrintToFileTest, PrintingNothingOrToWhereNothingCanBeWrittenSaysSo) {
    ui::PrintDocument empty(printer);
    bool printed = true;
    print(empty, &printed);
    EXPECT_FALSE(printed);

    ui::PrintDocument document(printer);
    WriteTwoPages(document);
    print(document, &printed, 3, 4);
    EXPECT_FALSE(printed) << "a range past the last page";

    QPrinter unwritable(QPrinter::HighResolution);
    unwritable.setOutputFormat(QPrinter::PdfFormat);
    unwritable.setOutputFileName(folder.filePath(QStringLiteral("no such folder/out.pdf")));
    EXPECT_FALSE(PrintDocumentTo(unwritable, document));

    // No dialog comes up for nothing to print.
    bool dialogCame = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogCame = true;
            dialog->close();
        }
    });
    EXPECT_FALSE(printer.Print(empty));
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialogCame);
}

TEST_F(PrintToFileTest, CancellingThePrintDialogPrintsNothing) {
    ui::PrintDocument document(printer);
    WriteTwoPages(document);
    WhenTheDialogOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(printer.Print(document));
}

// How many pixels of a picture are the preview's grey ground, white paper and dark ink.
struct Shades {
    int ground = 0;
    int paper = 0;
    int ink = 0;
};

Shades ShadesOf(const QImage& picture, QRect within = {}) {
    if (within.isNull()) within = picture.rect();
    Shades shades;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c == QColor(128, 128, 128)) ++shades.ground;
            else if (c == Qt::white) ++shades.paper;
            else if (c.lightness() < 100) ++shades.ink;
        }
    return shades;
}

TEST_F(PrintToFileTest, TheClipboardTakesAPageAsAPictureOfThePaper) {
    QtClipboard clipboard;
    ui::PrintDocument document(printer);
    WriteTwoPages(document);
    ASSERT_TRUE(clipboard.SetPage(document, 0));
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(1275, 1650)) << "letter at 150 dots an inch";
    const Shades shades = ShadesOf(picture);
    EXPECT_GT(shades.paper, picture.width() * picture.height() * 9 / 10);
    EXPECT_GT(shades.ink, 1000) << "the heading and the rule";
    // The rule lies where the document drew it: 3000 twips down, an inch in.
    EXPECT_LT(picture.pixelColor(picture.width() / 2, 3000 * 150 / 1440).lightness(), 100);

    EXPECT_FALSE(clipboard.SetPage(document, 2));
    EXPECT_FALSE(clipboard.SetPage(document, -1));
    EXPECT_FALSE(clipboard.SetPage(ui::PrintDocument(printer), 0));
}

TEST(PagePainterTest, TextTakesTheRoomThePrinterMeasuredForIt) {
    QtPrinter printer;
    ui::PrintDocument document(printer);
    document.font = {"Times New Roman", 24};
    document.StartDoc();
    document.Paragraph("Mmmmmmmmmmmmmmmmmmmm");
    document.EndDoc();
    const double width = document.TextWidth("Mmmmmmmmmmmmmmmmmmmm");
    // Painted at 100 dots to the inch: the ink ends where the measure said.
    const double scale = 100.0 / 1440;
    QImage picture(static_cast<int>(document.PageWidth() * scale), 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PaintPage(painter, document.pages().front(), scale);
    painter.end();
    int right = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).lightness() < 128) right = std::max(right, x);
    EXPECT_NEAR(right, width * scale, 4);
}

TEST(QtPrinterTest, BeforeAnyFontIsAskedForThePrinterMeasuresInItsDefaultFont) {
    QtPrinter printer;
    const std::string font = printer.FontName();
    ASSERT_FALSE(font.empty());
    EXPECT_GT(printer.TextWidth({font, 10}, "1 1/2"), printer.TextWidth({font, 10}, "1"));
    ASSERT_TRUE(printer.SetFontName("Times New Roman"));
    EXPECT_FALSE(printer.FontName().empty());
}

class PrinterDialogsTest : public ::testing::Test {
protected:
    QtPrinter printer;
};

TEST_F(PrinterDialogsTest, TheFontDialogGivesBackTheFontEffectsAndColourChosen) {
    Printer::FontChoice choice;
    choice.font = {"Times New Roman", 12, false, true};
    choice.color = ui::Rgb(0, 0, 128);

    QFont opened;
    WhenTheDialogOpens([&](QWidget& dialog) {
        auto& fonts = static_cast<QFontDialog&>(dialog);
        opened = fonts.currentFont();
        QFont wanted = QFontInfo(QFont(QStringLiteral("Courier New"))).family();
        wanted.setPointSize(14);
        wanted.setBold(true);
        wanted.setUnderline(true);
        wanted.setStrikeOut(true);
        fonts.setCurrentFont(wanted);
        // Its colour button opens the colour dialog.
        WhenTheDialogOpens([](QWidget& colors) {
            static_cast<QColorDialog&>(colors).setCurrentColor(QColor(200, 30, 10));
            static_cast<QColorDialog&>(colors).accept();
        });
        dialog.findChild<QPushButton*>("color")->click();
        fonts.accept();
    });
    ASSERT_TRUE(printer.FontDialog(choice));
    EXPECT_EQ(opened.pointSizeF(), 12);
    EXPECT_TRUE(opened.italic());
    EXPECT_FALSE(opened.bold());
    EXPECT_EQ(choice.font.name, QFontInfo(QFont(QStringLiteral("Courier New"))).family().toStdString());
    EXPECT_EQ(choice.font.size, 14);
    EXPECT_TRUE(choice.font.bold);
    EXPECT_TRUE(choice.font.underline);
    EXPECT_TRUE(choice.font.strikethrough);
    EXPECT_EQ(choice.color, ui::Rgb(200, 30, 10));
}

TEST_F(PrinterDialogsTest, CancellingTheFontOrColourDialogChangesNothing) {
    Printer::FontChoice choice;
    choice.font = {"Times New Roman", 12};
    choice.color = ui::Rgb(0, 0, 128);
    const Printer::FontChoice before = choice;
    WhenTheDialogOpens([](QWidget& dialog) {
        static_cast<QFontDialog&>(dialog).setCurrentFont(QFont(QStringLiteral("Courier New"), 20));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(printer.FontDialog(choice));
    EXPECT_EQ(choice.font, before.font);
    EXPECT_EQ(choice.color, before.color);

    // A colour dialog cancelled keeps the colour the font dialog opened with.
    WhenTheDialogOpens([](QWidget& dialog) {
        WhenTheDialogOpens([](QWidget& colors) { static_cast<QColorDialog&>(colors).reject(); });
        dialog.findChild<QPushButton*>("color")->click();
        static_cast<QFontDialog&>(dialog).accept();
    });
    ASSERT_TRUE(printer.FontDialog(choice));
    EXPECT_EQ(choice.color, before.color);
}

TEST_F(PrinterDialogsTest, PageSetupGivesBackThePaperAndOrientationOrNothingOnCancel) {
    ui::PaperSize paper{11906, 16838};  // A4
    ui::Orientation orientation = ui::Orientation::Portrait;
    WhenTheDialogOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(printer.PageSetupDialog(paper, orientation));
    EXPECT_EQ(paper, (ui::PaperSize{11906, 16838}));
    EXPECT_EQ(orientation, ui::Orientation::Portrait);

    bool landscapeOffered = false;
    WhenTheDialogOpens([&](QWidget& dialog) {
        for (QRadioButton* option : dialog.findChildren<QRadioButton*>())
            if (option->text().remove('&') == QStringLiteral("Landscape")) {
                landscapeOffered = true;
                option->click();
            }
        static_cast<QDialog&>(dialog).accept();
    });
    ASSERT_TRUE(printer.PageSetupDialog(paper, orientation));
    EXPECT_TRUE(landscapeOffered);
    EXPECT_EQ(orientation, ui::Orientation::Landscape);
    EXPECT_NEAR(paper.width, 11906, 20) << "the paper is given upright";
    EXPECT_NEAR(paper.height, 16838, 20);
}

class PrintPreviewViewTest : public QtFormTest {
protected:
    PrintPreviewViewTest() {
        preview = &form->add<ui::PrintPreview>("VSPrinter1");
        preview->setAccessibleName("Print preview");
        preview->Move(120, 60, 5760, 3900);
    }

    QImage shot() {
        QCoreApplication::processEvents();
        return widget("VSPrinter1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    ui::PrintPreview* preview;
};

TEST_F(PrintPreviewViewTest, TheWholePageShowsOnTheGroundAndFollowsTheDocument) {
    form->Show();
    const QImage blank = shot();
    const Shades empty = ShadesOf(blank);
    EXPECT_GT(empty.ground, 0);
    EXPECT_GT(empty.paper, blank.width() * blank.height() / 5) << "an empty document shows a blank page";
    EXPECT_EQ(widget("VSPrinter1")->accessibleName(), "Print preview");
    EXPECT_EQ(widget("VSPrinter1")->accessibleDescription(), "Empty page");

    WriteTwoPages(preview->document());
    preview->Refresh();
    const QImage first = shot();
    const Shades written = ShadesOf(first);
    EXPECT_GT(written.ink, empty.ink + 40) << "the heading and the rule, beside the page's shadow";
    EXPECT_GT(written.ground, 0);
    EXPECT_EQ(widget("VSPrinter1")->accessibleDescription(), "Page 1 of 2");
    // The whole page stands in the control: grey above and below it.
    EXPECT_EQ(first.pixelColor(first.width() / 2, 2), QColor(128, 128, 128));
    EXPECT_EQ(first.pixelColor(first.width() / 2, first.height() - 3), QColor(128, 128, 128));

    preview->setPreviewPage(1);
    EXPECT_NE(shot(), first);
    EXPECT_EQ(widget("VSPrinter1")->accessibleDescription(), "Page 2 of 2");

    // Guide lines show on screen only.
    preview->setPreviewPage(0);
    preview->setGuideLines(true);
    const QImage guided = shot();
    EXPECT_NE(guided, first);
    EXPECT_LT(ShadesOf(guided).paper, written.paper);
    preview->setGuideLines(false);
    EXPECT_EQ(shot(), first);
}

TEST_F(PrintPreviewViewTest, EnlargedThePagesWidthFillsTheControlAndScrolls) {
    WriteTwoPages(preview->document());
    preview->Refresh();
    form->Show();
    preview->setZoom(ui::PrintPreview::Zoom::Enlarged);
    const QImage top = shot();
    auto* area = widget<QAbstractScrollArea>("VSPrinter1");
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    // A letter page is taller than wide; the scroll bar reaches its foot.
    EXPECT_GT(bar->maximum(), area->viewport()->width() * 11 / 8.5 - area->viewport()->height() - 20);
    // Paper from near the left edge to near the scroll bar, at the middle row.
    const int row = top.height() / 2;
    EXPECT_EQ(top.pixelColor(12, row), Qt::white);
    EXPECT_EQ(top.pixelColor(area->viewport()->width() - 12, row), Qt::white);

    bar->setValue(bar->maximum());
    const QImage bottom = shot();
    EXPECT_NE(bottom, top);
    EXPECT_EQ(bottom.pixelColor(top.width() / 2, bottom.height() - 3), QColor(128, 128, 128))
        << "the foot of the page, on the ground";

    ASSERT_TRUE(QDir().mkpath(PANTRIVO_SCREENSHOT_DIR));
    bar->setValue(0);
    EXPECT_TRUE(shot().save(PANTRIVO_SCREENSHOT_DIR "/print-preview-enlarged.png"));
    preview->setZoom(ui::PrintPreview::Zoom::Normal);
    EXPECT_FALSE(bar->isVisible());
    preview->setGuideLines(true);
    EXPECT_TRUE(shot().save(PANTRIVO_SCREENSHOT_DIR "/print-preview.png"));
}

}  // namespace
}  // namespace platform::qt::testing
