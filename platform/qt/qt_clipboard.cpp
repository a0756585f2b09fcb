#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <cmath>

#include "platform/qt/page_painter.h"
#include "platform/qt/qt_text.h"
#include "platform/ui/units.h"

namespace platform::qt {

bool QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    // The text keeps its CR LF line ends: pasted elsewhere it has the lines it was made with.
    QString unicode;
    unicode.reserve(static_cast<qsizetype>(text.size()));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        unicode += ToQt(std::string_view(text).substr(start, i - start));
        if (i < text.size()) unicode += QChar(static_cast<char16_t>(text[i]));
        start = i + 1;
    }
    clipboard->clear();
    clipboard->setText(unicode);
    return clipboard->text() == unicode;
}

bool QtClipboard::SetPage(const ui::PrintDocument& document, int pageIndex) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || pageIndex < 0 || pageIndex >= document.PageCount()) return false;
    // Sharp enough to read once pasted, small enough for any clipboard.
    constexpr double kDotsPerInch = 150;
    const double scale = kDotsPerInch / ui::TwipsPerInch;
    QImage picture(static_cast<int>(std::lround(document.PageWidth() * scale)),
                   static_cast<int>(std::lround(document.PageHeight() * scale)), QImage::Format_RGB32);
    if (picture.isNull()) return false;
    picture.setDotsPerMeterX(static_cast<int>(std::lround(kDotsPerInch / 0.0254)));
    picture.setDotsPerMeterY(picture.dotsPerMeterX());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PaintPage(painter, document.pages()[static_cast<std::size_t>(pageIndex)], scale);
    painter.end();
    clipboard->clear();
    clipboard->setImage(picture);
    const QMimeData* taken = clipboard->mimeData();
    return taken && taken->hasImage();
}

}  // namespace platform::qt
