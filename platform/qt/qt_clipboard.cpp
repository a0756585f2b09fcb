#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/qt_text.h"

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

bool QtClipboard::SetPage(const ui::PrintDocument&, int) { return false; }

}  // namespace platform::qt
