#include "platform/qt/qt_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPalette>
#include <QWidget>
#include <array>

#include "platform/basic/cp1252.h"

namespace platform::qt {

namespace {

// Palette roles standing in for the desktop's system colours, by index.
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles = {
    QPalette::Button,           // 0x00 scroll bar
    QPalette::Dark,             // 0x01 desktop
    QPalette::Highlight,        // 0x02 active caption
    QPalette::Mid,              // 0x03 inactive caption
    QPalette::Window,           // 0x04 menu
    QPalette::Base,             // 0x05 window
    QPalette::Shadow,           // 0x06 window frame
    QPalette::WindowText,       // 0x07 menu text
    QPalette::Text,             // 0x08 window text
    QPalette::HighlightedText,  // 0x09 caption text
    QPalette::Window,           // 0x0A active border
    QPalette::Window,           // 0x0B inactive border
    QPalette::Mid,              // 0x0C application workspace
    QPalette::Highlight,        // 0x0D highlight
    QPalette::HighlightedText,  // 0x0E highlighted text
    QPalette::Window,           // 0x0F button face
    QPalette::Mid,              // 0x10 button shadow
    QPalette::PlaceholderText,  // 0x11 grey text
    QPalette::ButtonText,       // 0x12 button text
    QPalette::WindowText,       // 0x13 inactive caption text
    QPalette::Light,            // 0x14 button highlight
    QPalette::Shadow,           // 0x15 dark 3D shadow
    QPalette::Midlight,         // 0x16 light 3D
    QPalette::ToolTipText,      // 0x17 tooltip text
    QPalette::ToolTipBase,      // 0x18 tooltip background
};

}  // namespace

QColor ToQColor(ui::OleColor color) {
    if (!ui::IsSystemColor(color)) return QColor(ui::RedOf(color), ui::GreenOf(color), ui::BlueOf(color));
    const auto index = static_cast<std::size_t>(ui::SystemColorIndex(color));
    const QPalette::ColorRole role = index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
    return QApplication::palette().color(QPalette::Active, role);
}

ui::OleColor FromQColor(const QColor& color) { return ui::Rgb(color.red(), color.green(), color.blue()); }

namespace {
// The usual desktop font names, and the free fonts made to the same measures.
QString LookUpInstalledFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family)) return family;
    static const std::pair<const char*, const char*> alikes[] = {
        {"arial", "Liberation Sans"},       {"ms sans serif", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},   {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
    };
    for (const auto& [name, alike] : alikes)
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(alike))
            return alike;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Asking the font database costs a font configuration lookup each time, and
// every control of a window asks for one of a handful of names: each name is
// looked up once a session.
QString InstalledFamily(const QString& family) {
    static QHash<QString, QString> found;
    const auto known = found.constFind(family);
    if (known != found.constEnd()) return *known;
    return *found.insert(family, LookUpInstalledFamily(family));
}
}  // namespace

void ApplyFontStyle(QFont& target, const ui::Font& font, double sizeWhenNone) {
    target.setPointSizeF(font.size > 0 ? font.size : sizeWhenNone);
    target.setBold(font.bold);
    target.setItalic(font.italic);
    target.setUnderline(font.underline);
    target.setStrikeOut(font.strikethrough);
}

QFont ToQFont(const ui::Font& font) {
    QFont result;
    result.setFamily(InstalledFamily(QString::fromStdString(basic::Cp1252ToUtf8(font.name))));
    result.setStyleHint(QFont::SansSerif);
    ApplyFontStyle(result, font, 8.25);
    return result;
}

void ApplyColors(QWidget& widget, ui::OleColor back, ui::OleColor fore, bool fillBackground) {
    QPalette palette = widget.palette();
    const QColor backColor = ToQColor(back);
    const QColor foreColor = ToQColor(fore);
    palette.setColor(QPalette::Window, backColor);
    // A disabled control keeps the desktop's grey text.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, foreColor);
        palette.setColor(group, QPalette::Text, foreColor);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(fillBackground);
}

void ApplyFieldColors(QWidget& widget, ui::OleColor back, ui::OleColor fore) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ToQColor(back));
    // A disabled box keeps the desktop's grey text.
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, ToQColor(fore));
    widget.setPalette(palette);
}

}  // namespace platform::qt
