#include "platform/qt/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/ui/units.h"

namespace platform::qt {

QFont PrintFont(const ui::Font& font) {
    QFont result(ToQt(font.name));
    ApplyFontStyle(result, font, 1);
    return result;
}

void PaintPage(QPainter& painter, const ui::Page& page, double scale) {
    painter.save();
    // Drawn in twips: the text keeps the proportions it was measured in at
    // every scale, down to the smallest preview.
    painter.scale(scale, scale);
    for (const ui::PageLine& line : page.lines) {
        // Never thinner than a dot of the device.
        QPen pen(ToQColor(line.color), std::max(line.width, 1 / scale));
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    for (const ui::TextRun& run : page.runs) {
        QFont font = PrintFont(run.font);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(run.font.size * ui::TwipsPerPoint))));
        font.setHintingPreference(QFont::PreferNoHinting);
        painter.setFont(font);
        painter.setPen(ToQColor(run.color));
        // A run is placed by its top left corner; Qt writes on the baseline.
        painter.drawText(QPointF(run.x, run.y + QFontMetricsF(font).ascent()), ToQt(run.text));
    }
    painter.restore();
}

}  // namespace platform::qt
