#include "platform/qt/qt_text.h"

#include <cmath>

#include "platform/basic/cp1252.h"

namespace platform::qt {

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(ui::TwipsPerPixel))); }

QString ToQt(std::string_view cp1252) {
    QString text = QString::fromStdString(basic::Cp1252ToUtf8(cp1252));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

std::string FromQt(const QString& text) { return basic::Utf8ToCp1252(text.toStdString()); }

QString AsWindowTitle(const QString& caption) {
    QString title = caption;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace platform::qt
