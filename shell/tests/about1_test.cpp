#include "shell/about1.h"

#include <cmath>

#include "platform/ui/keys.h"
#include "shell/tests/program_fixture.h"

namespace shell::testing {
namespace {

constexpr int Twips = ui::TwipsPerPixel;

class AboutBoxTest : public ProgramTest {
protected:
    // Opens the About box from the start window; `inside` runs while it is open.
    void openAbout(std::function<void(About1&)> inside) {
        desktop.windows.onModal("About1", [inside](ui::Form& form) { inside(static_cast<About1&>(form)); });
        chooseMenu(start(), "mHA");
    }
};

TEST_F(AboutBoxTest, SitsOverTheMaximisedStartWindow) {
    startProgram();
    openAbout([&](About1& about) {
        EXPECT_EQ(about.Caption(), "About Pantrivo");
        EXPECT_EQ(about.Width(), static_cast<int>(std::lround(1024 * Twips * 0.42)));
        EXPECT_EQ(about.Height(), static_cast<int>(std::lround(768 * Twips * 0.47)));
        EXPECT_EQ(about.Left(), static_cast<int>(std::lround(1024 * Twips / 2.0 - about.Width() / 2.0)));
        EXPECT_EQ(about.Top(), static_cast<int>(std::lround(768 * Twips / 2.0 - about.Height() / 2.0 + 100)));
        EXPECT_TRUE(about.elasticResize());
        EXPECT_GT(about.Command1->Width(), 1260) << "controls grow with the box";
        EXPECT_EQ(about.BackColor(), ui::colors::ButtonFace);
        EXPECT_EQ(about.Label1->Caption().substr(0, 21), "Pantrivo\rVersion 4.5\r");
        about.Unload();
    });
}

TEST_F(AboutBoxTest, TheTextFitsInsideTheBoxInBothDisplays) {
    for (const bool smaller : {false, true}) {
        if (smaller) writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20));
        restart();
        startProgram();
        openAbout([&](About1& about) {
            const auto extent = desktop.windows.measureText(about.Label1->font(), about.Label1->Caption());
            EXPECT_EQ(about.Label1->Width(), extent.width) << "as large as its text";
            EXPECT_EQ(about.Label1->Height(), extent.height);
            EXPECT_LE(about.Label1->Left() + about.Label1->Width(), about.ScaleWidth()) << smaller;
            EXPECT_LE(about.Label1->Top() + about.Label1->Height(), about.Label4->Top()) << smaller;
            about.Unload();
        });
    }
}

TEST_F(AboutBoxTest, SmallerScreenDisplayKeepsTheDesign) {
    writeFile("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20));
    startProgram();
    openAbout([&](About1& about) {
        EXPECT_FALSE(about.elasticResize());
        EXPECT_EQ(about.Width(), 5040);
        EXPECT_EQ(about.Height(), 4230);
        EXPECT_EQ(about.Left(), start().Left() + 6000 - 2520);
        EXPECT_EQ(about.Command1->Width(), 1260);
        about.Unload();
    });
}

struct PictureCase {
    const char* description;
    std::string stored;  // the background record's variant bytes
    const char* picture;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.description; }

class AboutPictureTest : public AboutBoxTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(AboutPictureTest, ShowsTheBackgroundPictureOrTheStandardOne) {
    writePicture("WP10.jpg");
    writePicture("WP3.jpg");
    writeFile("HINV3.Fil", std::string(20, '\0') + GetParam().stored);
    startProgram();
    openAbout([&](About1& about) {
        EXPECT_EQ(about.Image2->picture().filename(), GetParam().picture);
        about.Unload();
    });
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Backgrounds, AboutPictureTest,
                         ::testing::Values(PictureCase{"Def", std::string("\x08\x00\x03\x00" "Def", 7), "WP10.jpg"},
                                           PictureCase{"Colour", std::string("\x03\x00\xFF\x00\x00\x00", 6),
                                                       "WP10.jpg"},
                                           PictureCase{"LowerCasePicture", std::string("\x08\x00\x03\x00" "wp3", 7),
                                                       "WP10.jpg"},
                                           PictureCase{"Picture", std::string("\x08\x00\x03\x00" "WP3", 7),
                                                       "WP3.jpg"}),
                         [](const auto& info) { return std::string(info.param.description); });
// clang-format on

TEST_F(AboutBoxTest, EscAndTheOptionsItemCloseItLikeOK) {
    startProgram();
    openAbout([&](About1& about) {
        runtime().setFocus(*about.Command1);
        runtime().userKeyDown(about, ui::keys::Escape, 0);
        EXPECT_FALSE(about.isLoaded());
    });
    openAbout([&](About1& about) {
        runtime().userMenu(*about.mOOK);
        EXPECT_FALSE(about.isLoaded());
    });
    EXPECT_EQ(runtime().activeForm(), &start());
}

TEST_F(AboutBoxTest, TheCodeBoxAnswersOnlyItsWord) {
    startProgram();
    openAbout([&](About1& about) {
        runtime().setFocus(*about.Command1);
        desktop.dialogs.expectInput("Code Box", "cake");
        runtime().userKeyDown(about, ui::keys::F9, 0);
        desktop.dialogs.expectInput("Code Box", std::nullopt);
        runtime().userKeyDown(about, ui::keys::F9, 0);
        EXPECT_TRUE(about.isLoaded());
        EXPECT_TRUE(desktop.dialogs.messages().empty());
        const auto& box = desktop.dialogs.inputs().back();
        EXPECT_EQ(box.prompt, "Enter Code Now");
        EXPECT_EQ(box.left, 2800);
        EXPECT_EQ(box.top, 1800);

        desktop.dialogs.expectInput("Code Box", "tWeG");
        desktop.dialogs.expectMessage("Software Information");
        runtime().userKeyDown(about, ui::keys::F9, 0);
        EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Information);

        runtime().userKeyDown(about, ui::keys::F1, 0);  // other keys do nothing
        about.Unload();
    });
}

TEST_F(AboutBoxTest, TheWebSiteLabelOpensTheSite) {
    startProgram();
    openAbout([&](About1& about) {
        runtime().userClick(*about.Label5);
        ASSERT_EQ(desktop.shell.calls().size(), 1u);
        EXPECT_EQ(desktop.shell.calls().back().ownerWindow, about.hWnd());
        EXPECT_EQ(desktop.shell.calls().back().file, "https://www.pantrivo.example/");
        about.Unload();
    });
}

}  // namespace
}  // namespace shell::testing
