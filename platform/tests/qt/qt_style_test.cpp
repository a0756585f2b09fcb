// Colours, fonts and text of the model as Qt shows them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPalette>

#include "platform/qt/key_codes.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {
namespace {

TEST(QtStyleTest, SystemColourReferencesTakeTheDesktopsPaletteColours) {
    const QPalette palette = QApplication::palette();
    const std::pair<ui::OleColor, QPalette::ColorRole> cases[] = {
        {ui::colors::ButtonFace, QPalette::Window},   {ui::colors::WindowBackground, QPalette::Base},
        {ui::colors::WindowText, QPalette::Text},     {ui::colors::ButtonText, QPalette::ButtonText},
        {ui::colors::Highlight, QPalette::Highlight}, {ui::colors::HighlightText, QPalette::HighlightedText},
    };
    for (const auto& [color, role] : cases) EXPECT_EQ(ToQColor(color), palette.color(role)) << std::hex << color;
    EXPECT_TRUE(ToQColor(ui::SystemColor(0x7F)).isValid()) << "an unknown reference still gives a colour";
}

TEST(QtStyleTest, PlainColoursAreBlueGreenRed) {
    EXPECT_EQ(ToQColor(ui::colors::PureBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(ui::Rgb(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), ui::Rgb(10, 20, 30));
}

TEST(QtStyleTest, FontsKeepTheirStyleAndFallBackToTheDesktopsFace) {
    ui::Font font;
    font.name = "No Such Family 4711";
    font.size = 9.75;
    font.italic = true;
    font.underline = true;
    font.strikethrough = true;
    const QFont shown = ToQFont(font);
    EXPECT_EQ(shown.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 9.75);
    EXPECT_TRUE(shown.italic() && shown.underline() && shown.strikeOut());
    EXPECT_FALSE(shown.bold());

    const QString installed = QFontDatabase::families().value(0);
    ASSERT_FALSE(installed.isEmpty());
    font.name = FromQt(installed);
    EXPECT_EQ(ToQFont(font).family(), installed);
}

TEST(QtTextTest, LineBreaksAndMnemonicsShowAsTheDesktopShowsThem) {
    EXPECT_EQ(ToQt("a\rb\r\nc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(ToQt("Cr\xE8me \x80"), QString::fromUtf8("Cr\u00e8me \u20ac"));
    EXPECT_EQ(FromQt(QString::fromUtf8("Cr\u00e8me \u4e2d")), "Cr\xE8me ?");
    EXPECT_EQ(AsWindowTitle("Draft [*]"), "Draft [*][*]");
    EXPECT_EQ(ToPixels(7), 0);
    EXPECT_EQ(ToPixels(8), 1);
    EXPECT_EQ(ToPixels(-30), -2);
}

TEST(QtKeyCodesTest, QtKeysGetTheModelsCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},      {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::NoModifier, 48},      {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_F1, Qt::NoModifier, 112},    {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_Return, Qt::NoModifier, 13}, {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27}, {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Down, Qt::NoModifier, 40},   {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_5, Qt::KeypadModifier, 101}, {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_Eacute, Qt::NoModifier, 0},  {Qt::Key_Backtab, Qt::ShiftModifier, 9},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(KeyCodeOf(event), c.code) << std::hex << c.key;
    }
    EXPECT_EQ(ShiftMaskOf(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(ShiftMaskOf(Qt::KeypadModifier), 0);
}

}  // namespace
}  // namespace platform::qt
