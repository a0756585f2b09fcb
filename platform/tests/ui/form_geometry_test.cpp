#include <gtest/gtest.h>

#include <cmath>

#include "platform/tests/ui/sample_form.h"

namespace ui::testing {
namespace {

constexpr int Twips = ui::TwipsPerPixel;

class FormGeometryTest : public ::testing::Test {
protected:
    Desk desk;
    SampleForm form{desk.runtime};
};

TEST_F(FormGeometryTest, MaximisingTakesTheScreenAndRestoringGivesTheSizeBack) {
    form.Move(300, 200, 6000, 4500);
    form.Show();
    form.log.clear();
    form.setWindowState(WindowState::Maximized);
    EXPECT_EQ(form.Width(), 1024 * Twips);
    EXPECT_EQ(form.Height(), 768 * Twips);
    form.setWindowState(WindowState::Normal);
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Width(), 6000);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Resize", "Resize"}));
}

TEST_F(FormGeometryTest, ResizeIsRaisedOnlyForALoadedFormAndARealChange) {
    form.setWidth(7000);
    form.Show();
    form.log.clear();
    form.setLeft(100);
    form.setWidth(7000);
    EXPECT_TRUE(form.log.empty());
    desk.runtime.userResized(form, 8000, 4500);
    EXPECT_EQ(form.log, std::vector<std::string>{"Resize"});
}

TEST_F(FormGeometryTest, ElasticResizingScalesControlsAndFonts) {
    form.Move(0, 0, 6000 + 120, 4000 + 345 + 120 + 300);  // a 6000 by 4000 inside below the menu bar
    ASSERT_EQ(form.ScaleWidth(), 6000);
    ASSERT_EQ(form.ScaleHeight(), 4000);
    form.ok->Move(1000, 500, 1200, 400);
    form.ok->setFont({"Arial", 10});
    form.Show();
    form.setElasticResize(true);
    form.Move(0, 0, 12000 + 120, 6000 + 345 + 120 + 300);
    EXPECT_EQ(form.ok->Left(), 2000);
    EXPECT_EQ(form.ok->Top(), 750);
    EXPECT_EQ(form.ok->Width(), 2400);
    EXPECT_EQ(form.ok->Height(), 600);
    EXPECT_DOUBLE_EQ(form.ok->font().size, 15);

    form.setElasticResize(false);
    form.Move(0, 0, 6000, 4000);
    EXPECT_EQ(form.ok->Width(), 2400) << "left as they are once switched off";
}

TEST_F(FormGeometryTest, AutoSizeLabelsFitTheirCaption) {
    form.caption->setCaption("two\rlines, the longer");
    form.caption->setAutoSize(true);
    const auto extent = desk.desktop.windows.measureText(form.caption->font(), "two\rlines, the longer");
    EXPECT_EQ(form.caption->Width(), extent.width);
    EXPECT_EQ(form.caption->Height(), extent.height);
    EXPECT_GT(extent.height, desk.desktop.windows.measureText(form.caption->font(), "one").height);

    // and keep fitting it as it changes; "&" marks an access key and takes no room
    form.caption->setCaption("&Save");
    EXPECT_EQ(form.caption->Width(), desk.desktop.windows.measureText(form.caption->font(), "Save").width);
    form.caption->setFont({"Arial", 16});
    EXPECT_EQ(form.caption->Height(), desk.desktop.windows.measureText(form.caption->font(), "Save").height);
}

TEST_F(FormGeometryTest, AnAutoSizeLabelKeepsFittingItsCaptionWhenTheWindowScales) {
    form.Move(0, 0, 6000 + 120, 4000 + 405 + 60 + 300);
    form.caption->Move(300, 240, 4000, 1800);
    form.caption->setFont({"Arial", 9, true});
    form.caption->setCaption("Pantry\rshelves and more");
    form.caption->setAutoSize(true);
    form.Show();
    form.setElasticResize(true);
    for (const double scale : {1.28, 1.3, 0.8}) {
        form.Move(0, 0, static_cast<int>(6000 * scale) + 120, static_cast<int>(4000 * scale) + 405 + 60 + 300);
        const auto extent = desk.desktop.windows.measureText(form.caption->font(), "Pantry\rshelves and more");
        EXPECT_EQ(form.caption->Width(), extent.width) << scale;
        EXPECT_EQ(form.caption->Height(), extent.height) << scale;
        EXPECT_EQ(form.caption->Left(), static_cast<int>(std::lround(300 * scale))) << "it moves with the window";
    }
}

TEST_F(FormGeometryTest, PicturesMustBePictureFiles) {
    auto& image = form.add<Image>("Image1");
    const auto jpeg = desk.folder / "a.jpg";
    basic::testing::WriteBytes(jpeg, std::string("\xFF\xD8\xFF\xE0", 4));
    basic::testing::WriteBytes(desk.folder / "b.jpg", "not a picture");
    EXPECT_TRUE(image.LoadPicture(jpeg));
    EXPECT_FALSE(image.LoadPicture(desk.folder / "b.jpg"));
    EXPECT_FALSE(image.LoadPicture(desk.folder / "missing.jpg"));
    EXPECT_EQ(image.picture(), jpeg);
}

TEST(Captions, AccessKeyMarksAreNotShown) {
    EXPECT_EQ(CaptionAsShown("&Name && &address&"), "Name & address");
    EXPECT_EQ(CaptionAsShown("E&xit"), "Exit");
}

TEST(ColorNumbers, OnlyRgbValuesAndSystemColoursAreColours) {
    EXPECT_EQ(ColorFromNumber(255), colors::PureRed);
    EXPECT_EQ(ColorFromNumber(16711680), colors::PureBlue);
    EXPECT_EQ(ColorFromNumber(-2147483633.0), colors::ButtonFace);
    EXPECT_EQ(ColorFromNumber(2147483663.0), colors::ButtonFace);
    EXPECT_EQ(ColorFromNumber(16777216), std::nullopt);
    EXPECT_EQ(ColorFromNumber(-1), std::nullopt);
    EXPECT_EQ(ColorFromNumber(1.5), std::nullopt);
}

}  // namespace
}  // namespace ui::testing
