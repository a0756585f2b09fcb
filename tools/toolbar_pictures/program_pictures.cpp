// The program's own activities on the top toolbar, and Help and Exit.
#include "painters.h"
#include "style.h"

using namespace style;
namespace c = style::colour;

// A house: the way back to the start window.
void paintMainMenu(QPainter& p) {
    outlined(p, c::Red);
    p.drawRect(cells(16, 4, 3, 6));  // chimney, half behind the roof
    outlined(p, c::Cream);
    p.drawRect(cells(4, 11, 16, 11));
    outlined(p, c::Red);
    p.drawPath(polygon({{1, 12}, {11.5, 2}, {22, 12}}));
    outlined(p, c::Brown);
    p.drawRect(cells(10, 15, 4, 7));
    outlined(p, c::Sky);
    p.drawRect(cells(5, 14, 3, 3));
    p.drawRect(cells(16, 14, 3, 3));
}

// Shelves of jars and cans put by for hard times, a first-aid box among them.
void paintEmergencyStorage(QPainter& p) {
    outlined(p, c::Brown);
    p.drawRect(cells(0, 0, 3, 24));
    p.drawRect(cells(21, 0, 3, 24));
    const QColor jars[] = {c::Red, c::Yellow, c::Green};
    for (int k = 0; k < 3; ++k) {
        const double x = 3 + 6 * k;
        outlined(p, c::Silver);
        p.drawRect(cells(x + 1, 1, 4, 3));
        outlined(p, jars[k]);
        p.drawRoundedRect(cells(x, 3, 6, 7), 1.5, 1.5);
    }
    for (const double x : {3.0, 15.0}) {
        outlined(p, c::Silver);
        p.drawRect(cells(x, 13, 6, 8));
        outlined(p, c::Orange);
        p.drawRect(cells(x, 15, 6, 4));
    }
    outlined(p, c::White);
    p.drawRect(cells(9, 14, 6, 7));
    filled(p, c::Red);
    p.drawRect(QRectF(11, 15, 2, 5));
    p.drawRect(QRectF(10, 16.5, 4, 2));
    outlined(p, c::Brown);
    p.drawRect(cells(0, 10, 24, 3));
    p.drawRect(cells(0, 21, 24, 3));
}

// A cookbook with a spoon and fork on its cover.
void paintRecipeFile(QPainter& p) {
    outlined(p, c::Cream);
    p.drawRect(cells(5, 3, 17, 20));  // the pages behind the cover
    outlined(p, c::Red);
    p.drawRect(cells(3, 1, 17, 20));
    filled(p, c::DarkRed);
    p.drawRect(QRectF(4, 2, 2, 18));  // the spine
    // Spoon and fork in white.
    filled(p, c::White);
    p.drawEllipse(QPointF(10.5, 7), 1.9, 2.7);
    p.setPen(strokePen(c::White, 1.5, Qt::FlatCap));
    p.drawLine(QPointF(10.5, 9), QPointF(10.5, 17.5));
    p.drawLine(QPointF(15.5, 8.5), QPointF(15.5, 17.5));
    p.setPen(strokePen(c::White, 1, Qt::FlatCap));
    p.drawLine(QPointF(14, 4), QPointF(14, 8));
    p.drawLine(QPointF(15.5, 4), QPointF(15.5, 8));
    p.drawLine(QPointF(17, 4), QPointF(17, 8));
    p.drawLine(QPointF(13.5, 8.5), QPointF(17.5, 8.5));
}

// A food pyramid: grains at the base, then vegetables, meat and dairy, fats at the top.
void paintFoodGuide(QPainter& p) {
    const QPainterPath pyramid = polygon({{11.5, 1}, {0, 21}, {23, 21}});
    p.save();
    p.setClipPath(pyramid);
    const struct {
        double top, bottom;
        QColor colour;
    } bands[] = {{0, 7.5, c::Yellow}, {7.5, 12.5, c::Red}, {12.5, 17.5, c::Green}, {17.5, 24, c::Tan}};
    for (const auto& band : bands) {
        filled(p, band.colour);
        p.drawRect(QRectF(0, band.top, 24, band.bottom - band.top));
    }
    p.setPen(inkPen());
    for (const double y : {7.5, 12.5, 17.5}) p.drawLine(QPointF(0, y), QPointF(24, y));
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(pyramid);
}

// A glass measuring cup with its marks, spout and handle.
void paintFoodMeasurementGuide(QPainter& p) {
    const QPainterPath handle = curve({17, 8}, {
                                                   {{23, 8}, {23, 17}, {16.5, 17}},
                                               });
    edgedStroke(p, handle, c::Sky, 2);
    outlined(p, c::Sky);
    p.drawPath(polygon({{2, 3}, {17, 4}, {16, 21}, {5, 21}, {4, 6}}));
    // Water up to the middle mark.
    filled(p, c::Blue);
    p.drawPath(polygon({{4.6, 12}, {16.5, 12}, {15.6, 20.4}, {5.4, 20.4}}));
    p.setPen(strokePen(c::Navy, 1, Qt::FlatCap));
    for (const double y : {7.5, 12.5, 17.5}) p.drawLine(QPointF(8, y), QPointF(13, y));
    for (const double y : {10.0, 15.0}) p.drawLine(QPointF(10, y), QPointF(13, y));
}

// A calendar page with one day marked.
void paintMenuPlanner(QPainter& p) {
    outlined(p, c::Paper);
    p.drawRect(cells(2, 4, 20, 18));
    outlined(p, c::Red);
    p.drawRect(cells(2, 4, 20, 5));
    outlined(p, c::Charcoal);
    p.drawRect(cells(6, 2, 2, 5));
    p.drawRect(cells(16, 2, 2, 5));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            filled(p, row == 1 && column == 2 ? c::Orange : c::Grey);
            p.drawRect(QRectF(5 + 4 * column, 11 + 3.5 * row, 2.5, 2));
        }
    }
}

// A shopping cart with groceries in it.
void paintShoppingListMaker(QPainter& p) {
    outlined(p, c::Green);
    p.drawEllipse(QPointF(10, 5.5), 2.8, 2.8);
    outlined(p, c::Orange);
    p.drawRect(cells(13, 2, 4, 6));
    outlined(p, c::Sky);
    p.drawPath(polygon({{4, 7}, {21, 7}, {19, 15}, {6, 15}}));
    p.setPen(strokePen(c::Blue, 1, Qt::FlatCap));
    p.drawLine(QPointF(5.5, 11.5), QPointF(20, 11.5));
    for (const double x : {9.5, 13.0, 16.5}) p.drawLine(QPointF(x, 8), QPointF(x - 0.3, 15));
    p.setPen(inkPen(1.5));
    p.setBrush(Qt::NoBrush);
    const QPainterPath frame = polyline({{1, 3.5}, {3.5, 3.5}, {6.5, 15.5}, {6.5, 18.5}, {19.5, 18.5}});
    p.drawPath(frame);
    outlined(p, c::Charcoal);
    p.drawEllipse(QPointF(8.5, 20.5), 1.8, 1.8);
    p.drawEllipse(QPointF(17.5, 20.5), 1.8, 1.8);
}

// A globe: green lands on a blue sea, with a meridian and the equator.
void paintWebSite(QPainter& p) {
    const QPointF centre(12, 12);
    const double radius = 10.5;
    outlined(p, c::Blue);
    p.drawEllipse(centre, radius, radius);
    p.save();
    QPainterPath disc;
    disc.addEllipse(centre, radius - 0.5, radius - 0.5);
    p.setClipPath(disc);
    filled(p, c::Green);
    QPainterPath land;
    land.moveTo(3, 6);
    land.cubicTo(7, 2, 11, 4, 10, 8);
    land.cubicTo(9, 11, 12, 13, 9, 16);
    land.cubicTo(7, 18, 4, 14, 2, 13);
    land.closeSubpath();
    land.moveTo(14, 3);
    land.cubicTo(18, 2, 22, 5, 22, 9);
    land.cubicTo(19, 10, 17, 8, 15, 9);
    land.cubicTo(13, 8, 12, 5, 14, 3);
    land.moveTo(15, 14);
    land.cubicTo(19, 13, 21, 16, 19, 20);
    land.cubicTo(17, 22, 14, 19, 15, 14);
    p.drawPath(land);
    p.setPen(strokePen(c::Sky, 1, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 4.5, radius);
    p.drawLine(QPointF(0, 12), QPointF(24, 12));
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

// A white question mark on a blue disc.
void paintHelp(QPainter& p) {
    outlined(p, c::Blue);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    const QPainterPath mark = curve({8.5, 9}, {
                                                  {{8.5, 4.5}, {15.5, 4.5}, {15.5, 9}},
                                                  {{15.5, 11.5}, {12, 11.5}, {12, 14.5}},
                                              });
    p.setPen(strokePen(c::White, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    filled(p, c::White);
    p.drawEllipse(QPointF(12, 18.2), 1.6, 1.6);
}

// An open door with an arrow leading out through it.
void paintExit(QPainter& p) {
    outlined(p, c::Charcoal);
    p.drawRect(cells(2, 1, 12, 22));
    outlined(p, c::Brown);
    p.drawPath(polygon({{2, 1}, {8, 3}, {8, 22}, {2, 22}}));
    filled(p, c::Yellow);
    p.drawEllipse(QPointF(7, 12.5), 1, 1);
    outlined(p, c::Green);
    p.drawPath(polygon({{10, 10}, {15, 10}, {15, 6}, {22, 12}, {15, 18}, {15, 14}, {10, 14}}));
}
