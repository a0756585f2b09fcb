#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int columns = 3;
constexpr int cellWidth = 350;
constexpr int cellHeight = 58;
constexpr int margin = 8;

void drawTile(QPainter& p, const QImage& picture, const QRect& tile, const QColor& ground) {
    p.fillRect(tile, ground);
    p.drawImage(tile.topLeft() + QPoint((tile.width() - picture.width()) / 2, (tile.height() - picture.height()) / 2),
                picture);
}

}  // namespace

QImage paintContactSheet(const std::vector<SheetEntry>& entries) {
    const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    QImage sheet(columns * cellWidth + 2 * margin, rows * cellHeight + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(255, 255, 255));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const int x = margin + static_cast<int>(k % columns) * cellWidth;
        const int y = margin + static_cast<int>(k / columns) * cellHeight;
        const QImage& picture = entries[k].picture;
        drawTile(p, picture, QRect(x, y + 12, 32, 32), QColor(236, 236, 236));
        drawTile(p, picture, QRect(x + 34, y + 12, 32, 32), QColor(64, 64, 64));
        const QImage doubled = picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        drawTile(p, doubled, QRect(x + 70, y + 2, 54, 54), QColor(236, 236, 236));
        p.setPen(Qt::black);
        p.drawText(QRect(x + 132, y, cellWidth - 136, cellHeight), Qt::AlignVCenter | Qt::TextWordWrap,
                   entries[k].label);
    }
    return sheet;
}
