// The print preview panel over a small window of its own: the printer
// font, page setup, enlarging, Auto Size, guide lines, copy and print.
#include "printing/print_preview_panel.h"

#include "shell/tests/program_fixture.h"

namespace printing {
namespace {

using platform::answer::OK;

// The recipe window's measures of the panel.
const PreviewPanelDesign Design{
    .parent = nullptr,
    .panel = {115, 60, 9570, 7200},
    .preview = {3510, 90, 5970, 7060},
    .autoSizeButton = {7630, 129, 795, 226},
    .enlargeButton = {8630, 129, 750, 226},
    .rangeFrame = {195, 60, 3240, 540},
    .optionsFrame = {195, 590, 3240, 1215},
    .displayFrame = {195, 2430, 3240, 1140},
    .fontNameDisplay = {1090, 3660, 2325, 322},
    .fontSizeDisplay = {930, 4000, 585, 322},
    .sampleFrame = {195, 4290, 3240, 825},
    .buttons = {{{195, 5160, 1560, 403},
                 {1875, 5160, 1560, 405},
                 {195, 6730, 3240, 390},
                 {195, 5590, 3240, 360},
                 {195, 5975, 3240, 360},
                 {195, 6345, 3240, 360}}},
    .buttonCaptions = {"Printer &Font", "&Page Setup", "&Cancel", "C&opy Current Page", "&Select Additional Recipes",
                       "&Print"},
    .rangeCaption = "All Entries with Data Will Print",
};

// Where the window keeps its print guide lines setting.
constexpr shell::settings::RecordRef GuideLinesRecord{shell::settings::GColor3, 38};

class Window : public ui::Form {
public:
    Window(shell::Application& app, const PreviewPanelDesign& design) : ui::Form(app.runtime(), "Window") {
        Move(0, 0, 12000, 9000);
        std::vector<ui::design::ControlRow> rows;
        int tab = 0;
        AddPreviewPanelRows(rows, design, tab);
        AddPreviewPanelTopRows(rows, design, tab);
        ui::design::Build(*this, rows);
        panel = std::make_unique<PrintPreviewPanel>(app, *this, design, GuideLinesRecord);
        panel->render = [this] {
            ++renders;
            ui::PrintDocument& doc = panel->document();
            doc.Clear();
            doc.font = panel->font().font();
            doc.StartDoc();
            doc.Paragraph("Egg Nog");
            doc.EndDoc();
            if (onRender) onRender();
        };
    }
    std::unique_ptr<PrintPreviewPanel> panel;
    int renders = 0;
    std::function<void()> onRender;
};

class PreviewPanelTest : public shell::testing::ProgramTest {
protected:
    PreviewPanelTest() {
        window.Show();
        panel.Show();
    }
    PrintFontSettings& font() { return app().state<PrintFontSettings>(); }
    void click(int button) { runtime().userClick(*panel.SSCommand80[static_cast<std::size_t>(button)]); }

    Window window{app(), Design};
    PrintPreviewPanel& panel = *window.panel;
};

TEST_F(PreviewPanelTest, ThePrintFontComesFromTheWindowThroughThePrinter) {
    panel.TakePrintFont({"MS Serif", 8.25, true, false});
    panel.ShowPrintFont();
    EXPECT_EQ(font().PrintFontName, "Times New Roman");
    EXPECT_EQ(font().PrintFontSize, 12) << "no size yet: the window's default";
    EXPECT_TRUE(font().PrintFontBold);
    EXPECT_EQ(panel.Panel3D80[FontNameDisplay]->Caption(), " Times New Roman");
    EXPECT_EQ(panel.Panel3D80[FontSizeDisplay]->Caption(), " 12");
    EXPECT_EQ(panel.Panel3d82->font().name, "Times New Roman");

    font().PrintFontSize = 10.5;
    desktop.printer.present = false;
    panel.TakePrintFont({"Arial", 9});
    panel.ShowPrintFont();
    EXPECT_EQ(panel.Panel3D80[FontNameDisplay]->Caption(), " Courier");
    EXPECT_EQ(panel.Panel3D80[FontSizeDisplay]->Caption(), " 10.5");
}

TEST_F(PreviewPanelTest, TheFontDialogChangesEverythingOrNothing) {
    panel.TakePrintFont({"Arial", 9});
    panel.ShowPrintFont();
    click(PrinterFontButton);  // cancelled: nothing scripted
    EXPECT_EQ(window.renders, 0);
    EXPECT_EQ(panel.Panel3D80[FontNameDisplay]->Caption(), " Arial");

    desktop.printer.fontAnswers.push_back({{"Georgia", 16, false, true, true, false}, ui::Rgb(128, 0, 0)});
    click(PrinterFontButton);
    ASSERT_EQ(desktop.printer.fontDialogOpenedWith.size(), 2u);
    EXPECT_EQ(desktop.printer.fontDialogOpenedWith.back().font.name, "Arial");
    EXPECT_EQ(font().PrintFontName, "Georgia");
    EXPECT_TRUE(font().PrintFontUnderline);
    EXPECT_EQ(font().PrintFontColor, ui::Rgb(128, 0, 0));
    EXPECT_EQ(panel.Panel3D80[FontSizeDisplay]->Caption(), " 16");
    EXPECT_EQ(panel.Panel3d82->ForeColor(), ui::Rgb(128, 0, 0));
    EXPECT_EQ(window.renders, 1);
    EXPECT_EQ(panel.document().pages()[0].runs[0].font.name, "Georgia");
}

TEST_F(PreviewPanelTest, PageSetupShowsTheOrientationAndRendersEvenWhenCancelled) {
    click(PageSetupButton);
    EXPECT_EQ(window.renders, 1);
    EXPECT_EQ(panel.Panel3D80[OrientationDisplay]->Caption(), " Portrait");
    desktop.printer.pageSetupAnswers.push_back({{11906, 16838}, ui::Orientation::Landscape});
    click(PageSetupButton);
    EXPECT_EQ(panel.Panel3D80[OrientationDisplay]->Caption(), " Landscape");
    EXPECT_EQ(panel.document().PageWidth(), 16838);
}

TEST_F(PreviewPanelTest, EnlargeAndNormalReturnToThePlaceLaidOut) {
    const int width = panel.VSPrinter1->Width(), left = panel.VSPrinter1->Left();
    runtime().userClick(*panel.SSCommand1);
    EXPECT_EQ(panel.SSCommand1->Caption(), "Normal");
    EXPECT_EQ(panel.VSPrinter1->Left(), 115);
    EXPECT_EQ(panel.VSPrinter1->Width(), 9570 - 230);
    EXPECT_EQ(panel.VSPrinter1->zoom(), ui::PrintPreview::Zoom::Enlarged);
    panel.RememberPreviewPlacement();  // the window activated again meanwhile
    runtime().userClick(*panel.SSCommand1);
    EXPECT_EQ(panel.SSCommand1->Caption(), "Enlarge");
    EXPECT_EQ(panel.VSPrinter1->Width(), width);
    EXPECT_EQ(panel.VSPrinter1->Left(), left);
    EXPECT_EQ(panel.VSPrinter1->zoom(), ui::PrintPreview::Zoom::Normal);
}

TEST_F(PreviewPanelTest, AutoSizeKeepsTheLargestWholeSizeThatFitsAndAlwaysEnds) {
    // 96 letters at 10 twips a point each: 960 twips a point on a page 12240 wide.
    struct Case {
        double start;
        double pageWidth;
        double expected;
    } cases[] = {
        {10.5, 12240, 12},  // 12.5 fits, 13.5 does not
        {20, 12240, 12},    // too wide: smaller until it fits
        {10, 9600, 10},     // exactly fills the page: stays
        {12, 500, 1},       // nothing fits: the smallest size
        {12, 1e9, 400},     // everything fits: the largest size
    };
    for (const Case& c : cases) {
        panel.document().setPaper({c.pageWidth, 15840});
        panel.document().font.size = c.start;
        runtime().userClick(*panel.SSCommand2);
        EXPECT_EQ(font().PrintFontSize, c.expected) << c.start << " on " << c.pageWidth;
    }
    EXPECT_EQ(panel.Panel3D80[FontSizeDisplay]->Caption(), " 400");
}

TEST_F(PreviewPanelTest, GuideLinesAreWrittenWhenPickedNotWhenLoaded) {
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), GuideLinesRecord, "1"));
    panel.LoadGuideLineOption();
    EXPECT_TRUE(panel.SSOption82[1]->Value());
    EXPECT_TRUE(panel.VSPrinter1->GuideLines());
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), GuideLinesRecord, "7"));
    panel.LoadGuideLineOption();
    EXPECT_TRUE(panel.SSOption82[0]->Value()) << "anything but 0 or 1 selects 0";
    EXPECT_EQ(shell::settings::ReadText(app().folder(), GuideLinesRecord), "7")
        << "loading writes nothing";

    runtime().userClick(*panel.SSOption82[1]);
    EXPECT_EQ(shell::settings::ReadText(app().folder(), GuideLinesRecord), "1");
    EXPECT_EQ(window.renders, 0) << "guide lines need no new layout";
}

TEST_F(PreviewPanelTest, ARenderAskedForDuringARenderRunsOnceAfterIt) {
    int depth = 0, deepest = 0, asked = 0;
    window.onRender = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        if (asked++ < 2) panel.Rerender();  // as a click handled in pending events would
        --depth;
    };
    panel.Rerender();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(window.renders, 3);
}

TEST_F(PreviewPanelTest, CopyAndPrintActOnTheDocumentLaidOut) {
    panel.Rerender();
    desktop.dialogs.expectMessage("Copy Option");
    click(CopyPageButton);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Current Page has been copied to the Windows Clipboard.");
    EXPECT_EQ(desktop.clipboard.pagesCopied, 1);
    EXPECT_EQ(runtime().focusedControl(), panel.SSCommand80[CancelButton]);

    desktop.clipboard.refuses = true;
    desktop.dialogs.expectMessage("Copy Option");
    click(CopyPageButton);
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Exclamation) << "a failure is not success";

    panel.Print();
    ASSERT_EQ(desktop.printer.printed.size(), 1u);
    EXPECT_EQ(desktop.printer.printed[0][0].runs[0].text, "Egg Nog");
}

}  // namespace
}  // namespace printing
