#include "app/tests/cut_off_captions.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace app_testing {

QStringList CutOffCaptions(const QWidget& window) {
    QStringList cut;
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window)) continue;
        const QFontMetrics metrics(button->font());
        const QString shown = QString(button->text()).remove(QRegularExpression("&(?!&)"));
        if (metrics.horizontalAdvance(shown) + 8 > button->width() || metrics.height() > button->height())
            cut << button->objectName();
    }
    for (auto* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const QRect room(0, 0, label->width(), label->height());
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        if (!room.contains(QFontMetrics(label->font()).boundingRect(room, wrap, label->text())))
            cut << label->objectName();
    }
    for (auto* frame : window.findChildren<QGroupBox*>()) {
        if (!frame->isVisibleTo(&window)) continue;
        if (QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16 > frame->width())
            cut << frame->objectName();
    }
    return cut;
}

}  // namespace app_testing
