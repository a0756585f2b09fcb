// The toolbar pictures the build painted into the program folder: one for
// every name the toolbar table gives, each a 24 x 24 picture on a
// transparent ground, and no two alike.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "shell/toolbar_table/top_toolbar_buttons.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> AllNamedPictures() {
    std::set<std::string> names;
    for (const shell::TopToolbarEntry& entry : shell::TopToolbarEntries()) names.emplace(entry.picture);
    for (const shell::SidePicture& side : shell::SidePictures()) names.emplace(side.picture);
    return names;
}

QImage Load(const std::string& name) {
    const fs::path file = fs::path(PANTRIVO_PICTURE_DIR) / name;
    return QImage(QString::fromStdString(file.string()), "PNG");
}

TEST(ToolbarPictureFiles, EveryPictureTheTableNamesIsInTheProgramFolder) {
    const std::set<std::string> names = AllNamedPictures();
    EXPECT_EQ(names.size(), 62u);  // 49 on top, 13 more for the side bars (Help and Exit are shared)
    for (const std::string& name : names)
        EXPECT_TRUE(fs::is_regular_file(fs::path(PANTRIVO_PICTURE_DIR) / name)) << name;
}

TEST(ToolbarPictureFiles, EachIsA24PixelPictureOnATransparentGround) {
    for (const std::string& name : AllNamedPictures()) {
        const QImage image = Load(name).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(24, 24)) << name;
        EXPECT_TRUE(image.hasAlphaChannel()) << name;
        int clear = 0, solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                clear += alpha == 0;
                solid += alpha == 255;
            }
        }
        // Drawn over a fair part of its square (a broken painter leaves a speck) yet
        // leaving ground to see through.
        EXPECT_GE(clear, 24) << name;
        EXPECT_GE(solid, 24 * 24 / 8) << name;
    }
}

TEST(ToolbarPictureFiles, NoTwoLookAlike) {
    std::map<std::string, QImage> images;
    for (const std::string& name : AllNamedPictures()) images[name] = Load(name).convertToFormat(QImage::Format_ARGB32);
    for (auto a = images.begin(); a != images.end(); ++a) {
        for (auto b = std::next(a); b != images.end(); ++b) {
            if (a->second.size() != b->second.size()) continue;
            // Pixels whose colour or cover differ markedly.
            int differing = 0;
            for (int y = 0; y < a->second.height(); ++y) {
                for (int x = 0; x < a->second.width(); ++x) {
                    const QRgb p = a->second.pixel(x, y), q = b->second.pixel(x, y);
                    const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                         std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
                    differing += distance > 96;
                }
            }
            EXPECT_GE(differing, 24 * 24 / 8) << a->first << " and " << b->first;
        }
    }
}

}  // namespace
