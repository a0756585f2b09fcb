// Food and drink for the family's kitchen activities.
#include "painters.h"
#include "style.h"

#include <QPolygonF>

#include <cmath>

using namespace style;
namespace c = style::colour;

// A tin can with a tick on its label: counted on the shelf.
void paintPantryInventory(QPainter& p) {
    outlined(p, c::Silver);
    p.drawRoundedRect(cells(5, 2, 14, 20), 2, 2);
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    p.drawLine(QPointF(6, 4.5), QPointF(18, 4.5));
    p.drawLine(QPointF(6, 19.5), QPointF(18, 19.5));
    outlined(p, c::Red);
    p.drawRect(cells(5, 7, 14, 10));
    p.setPen(strokePen(c::White, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(8.5, 12), QPointF(11, 14.5), QPointF(15.5, 9.5)}));
}

// A preserving jar: lid band, glass and the fruit put up in it.
void paintCanningLog(QPainter& p) {
    outlined(p, c::Sky);
    p.drawRoundedRect(cells(4, 6, 16, 17), 3, 3);
    filled(p, c::Red);
    p.drawRoundedRect(QRectF(5, 11, 15, 11), 2, 2);
    outlined(p, c::Cream);
    p.drawRect(cells(7, 13, 10, 5));
    outlined(p, c::Yellow);
    p.drawRect(cells(5, 1, 14, 5));
    p.setPen(strokePen(c::DarkBrown, 1, Qt::FlatCap));
    p.drawLine(QPointF(7, 3.5), QPointF(17, 3.5));
    p.setPen(strokePen(c::White, 1.5));
    p.drawLine(QPointF(6.5, 8.5), QPointF(6.5, 10));
}

// A carrot fresh from the garden, greens and all.
void paintHarvestLog(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    for (const double angle : {-30.0, 0.0, 30.0}) {
        p.save();
        p.translate(0, -7);
        p.rotate(angle);
        outlined(p, c::Green);
        p.drawEllipse(QPointF(0, -3.5), 1.8, 3.8);
        p.restore();
    }
    QPainterPath root;
    root.moveTo(-4, -6);
    root.cubicTo(-4, -8.5, 4, -8.5, 4, -6);
    root.lineTo(0.6, 11);
    root.lineTo(-0.6, 11);
    root.closeSubpath();
    outlined(p, c::Orange);
    p.drawPath(root);
    p.setPen(strokePen(c::Brown, 1, Qt::FlatCap));
    p.drawLine(QPointF(-3, -2), QPointF(0, -2));
    p.drawLine(QPointF(0.5, 2), QPointF(2.5, 2));
    p.drawLine(QPointF(-2, 5.5), QPointF(0, 5.5));
    p.restore();
}

// A strawberry.
void paintBerryPicking(QPainter& p) {
    const QPainterPath berry = curve({12, 22}, {
                                                   {{5, 18}, {2, 11}, {4, 8}},
                                                   {{6, 5}, {18, 5}, {20, 8}},
                                                   {{22, 11}, {19, 18}, {12, 22}},
                                               });
    outlined(p, c::Red);
    p.drawPath(berry);
    filled(p, c::Yellow);  // the pips on the berry
    for (const QPointF pip : {QPointF(8, 10.5), QPointF(12, 10.5), QPointF(16, 10.5), QPointF(10, 14), QPointF(14, 14),
                              QPointF(12, 17.5), QPointF(6.5, 13.5), QPointF(17.5, 13.5)})
        p.drawEllipse(pip, 0.8, 0.8);
    outlined(p, c::Green);
    p.drawPath(polygon({{4, 6}, {8, 5}, {9, 2}, {12, 5}, {15, 2}, {16, 5}, {20, 6}, {16, 8}, {12, 7}, {8, 8}}));
}

namespace {

QPainterPath egg(QPointF centre, double width, double height) {
    const double w = width / 2, top = centre.y() - height / 2, bottom = centre.y() + height / 2;
    QPainterPath shape;
    shape.moveTo(centre.x(), top);
    shape.cubicTo(centre.x() + w * 1.3, top, centre.x() + w, bottom, centre.x(), bottom);
    shape.cubicTo(centre.x() - w, bottom, centre.x() - w * 1.3, top, centre.x(), top);
    return shape;
}

}  // namespace

// Two eggs in a nest.
void paintEggTracker(QPainter& p) {
    outlined(p, c::Tan);
    p.drawPath(egg(QPointF(15.5, 8.5), 10, 13));
    outlined(p, c::Cream);
    p.drawPath(egg(QPointF(8.5, 9.5), 10, 13));
    QPainterPath nest;
    nest.moveTo(1.5, 13.5);
    nest.lineTo(22.5, 13.5);
    nest.cubicTo(22, 19.5, 17.5, 22, 12, 22);
    nest.cubicTo(6.5, 22, 2, 19.5, 1.5, 13.5);
    outlined(p, c::Brown);
    p.drawPath(nest);
    p.setPen(strokePen(c::Tan, 1, Qt::FlatCap));
    p.drawLine(QPointF(4, 16.5), QPointF(12, 18.5));
    p.drawLine(QPointF(12, 16.5), QPointF(20, 17.5));
    p.drawLine(QPointF(7, 20), QPointF(17, 19.5));
}

namespace {

QPolygonF hexagon(QPointF centre, double radius) {
    QPolygonF corners;
    for (int k = 0; k < 6; ++k) {
        const double angle = (60.0 * k + 30.0) * 3.14159265358979 / 180.0;
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return corners;
}

}  // namespace

// Honeycomb, one cell dripping honey.
void paintBeekeepingLog(QPainter& p) {
    const double radius = 5.2;
    const QPointF centres[] = {{7.5, 7.5}, {16.5, 7.5}, {12, 15.3}};
    for (const QPointF centre : centres) {
        outlined(p, c::Yellow);
        p.drawPolygon(hexagon(centre, radius));
        filled(p, c::Orange);
        p.drawPolygon(hexagon(centre, radius - 2.2));
    }
    outlined(p, c::Orange);
    p.drawEllipse(QPointF(12, 21.5), 1.5, 1.8);
}

// A carton of milk, seen from a front corner: its gable top, front and side.
void paintDairyTracker(QPainter& p) {
    outlined(p, c::Silver);
    p.drawPath(polygon({{13, 10}, {20, 7}, {20, 20}, {13, 22}}));
    outlined(p, c::Sky);
    p.drawPath(polygon({{8, 2}, {15, 1}, {20, 7}, {13, 10}}));
    outlined(p, c::White);
    p.drawPath(polygon({{3, 10}, {8, 2}, {13, 10}}));
    p.drawRect(cells(3, 10, 11, 13));
    outlined(p, c::Blue);
    p.drawRect(cells(3, 13, 11, 7));
    filled(p, c::White);
    p.drawPath(egg(QPointF(8.5, 16.5), 3.4, 4.2));
}

// A red apple.
void paintNutritionTracker(QPainter& p) {
    const QPainterPath apple = curve({12, 7.5}, {
                                                    {{16, 4.5}, {21.5, 6.5}, {21, 12.5}},
                                                    {{20.5, 18}, {17, 22.5}, {14, 21.5}},
                                                    {{12.7, 21}, {11.3, 21}, {10, 21.5}},
                                                    {{7, 22.5}, {3.5, 18}, {3, 12.5}},
                                                    {{2.5, 6.5}, {8, 4.5}, {12, 7.5}},
                                                });
    outlined(p, c::Red);
    p.drawPath(apple);
    p.setPen(strokePen(c::DarkBrown, 1.5));
    p.drawLine(QPointF(12, 7.5), QPointF(12.5, 2.5));
    p.save();
    p.translate(16, 3.5);
    p.rotate(-30);
    outlined(p, c::Green);
    p.drawEllipse(QPointF(0, 0), 3, 1.6);
    p.restore();
    p.setPen(strokePen(c::White, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5.5, 9, 6, 8), 110 * 16, 60 * 16);
}

// A chocolate-chip cookie with a bite out of it.
void paintCookieExchange(QPainter& p) {
    QPainterPath cookie;
    cookie.addEllipse(QPointF(11.5, 12.5), 10, 10);
    QPainterPath bite;
    for (const QPointF centre : {QPointF(21, 4.5), QPointF(17.5, 3), QPointF(22.5, 8.5)}) bite.addEllipse(centre, 3, 3);
    outlined(p, c::Tan);
    p.drawPath(cookie.subtracted(bite));
    filled(p, c::DarkBrown);
    for (const QPointF chip :
         {QPointF(7, 8), QPointF(12.5, 7), QPointF(16, 12.5), QPointF(8, 14), QPointF(12.5, 17.5), QPointF(17, 18)})
        p.drawEllipse(chip, 1.4, 1.4);
}

// A loaf of bread with its crust scored.
void paintBreadBaking(QPainter& p) {
    QPainterPath loaf;
    loaf.moveTo(3, 13);
    loaf.cubicTo(2, 4, 22, 4, 21, 13);
    loaf.lineTo(20.5, 20.5);
    loaf.lineTo(3.5, 20.5);
    loaf.closeSubpath();
    outlined(p, c::Brown);
    p.drawPath(loaf);
    p.setPen(strokePen(c::Tan, 1.5));
    for (const double x : {7.5, 12.0, 16.5}) p.drawLine(QPointF(x - 1.5, 9), QPointF(x + 1.5, 13.5));
}

// A slice of pizza, tip down at the left, its crust at the far edge.
void paintPizzaNight(QPainter& p) {
    const QPointF tip(2.5, 21.5);
    const double reach = 18.5;
    const QRectF round(tip.x() - reach, tip.y() - reach, 2 * reach, 2 * reach);
    QPainterPath slice;
    slice.moveTo(tip);
    slice.arcTo(round, 78, -66);
    slice.closeSubpath();
    outlined(p, c::Yellow);
    p.drawPath(slice);
    QPainterPath crust;
    crust.arcMoveTo(round.adjusted(1.5, 1.5, -1.5, -1.5), 80);
    crust.arcTo(round.adjusted(1.5, 1.5, -1.5, -1.5), 80, -70);
    edgedStroke(p, crust, c::Brown, 2.5);
    for (const QPointF slice : {QPointF(8, 9), QPointF(13.5, 14), QPointF(7, 16)}) {
        outlined(p, c::Red);
        p.drawEllipse(slice, 1.9, 1.9);
    }
}

// An ice cream cone with a cherry on top.
void paintDessertRecipes(QPainter& p) {
    outlined(p, c::Tan);
    p.drawPath(polygon({{5, 11}, {18, 11}, {11.5, 23}}));
    p.setPen(strokePen(c::Brown, 1, Qt::FlatCap));
    p.drawLine(QPointF(8, 12), QPointF(13, 20));
    p.drawLine(QPointF(12, 12), QPointF(15, 17));
    p.drawLine(QPointF(16, 12), QPointF(10, 20));
    p.drawLine(QPointF(11, 12), QPointF(8.5, 16));
    const QPainterPath scoop = curve({4, 12}, {
                                                  {{2.5, 2.5}, {21.5, 2.5}, {20, 12}},
                                                  {{18, 13.5}, {17, 11}, {15.5, 12.5}},
                                                  {{14, 14}, {13, 11.5}, {12, 12.5}},
                                                  {{10.5, 14}, {9.5, 11}, {8, 12.5}},
                                                  {{6.5, 14}, {5.5, 11}, {4, 12}},
                                              });
    outlined(p, c::Pink);
    p.drawPath(scoop);
    outlined(p, c::Red);
    p.drawEllipse(QPointF(12, 3.5), 2, 2);
}

// A sweet in a twisted wrapper.
void paintCandyMaking(QPainter& p) {
    outlined(p, c::Pink);
    p.drawPath(polygon({{7, 12}, {1, 6}, {3, 11.5}, {1, 17}}));
    p.drawPath(polygon({{16, 11}, {22, 5}, {20, 10.5}, {22, 16}}));
    outlined(p, c::Purple);
    p.drawEllipse(QPointF(12, 12), 6.5, 5.5);
    p.save();
    QPainterPath body;
    body.addEllipse(QPointF(12, 12), 6, 5);
    p.setClipPath(body);
    p.setPen(strokePen(c::White, 1.5, Qt::FlatCap));
    for (const double x : {8.0, 12.0, 16.0}) p.drawLine(QPointF(x - 2, 17), QPointF(x + 2, 7));
    p.restore();
}

// A steaming mug of coffee.
void paintCoffeeLog(QPainter& p) {
    QPainterPath handle;
    handle.addEllipse(QPointF(17.5, 14.5), 3.5, 3.5);
    edgedStroke(p, handle, c::Blue, 2);
    outlined(p, c::Blue);
    p.drawRoundedRect(cells(3, 9, 15, 14), 2, 2);
    outlined(p, c::DarkBrown);
    p.drawRect(cells(3, 9, 15, 3));
    p.setPen(strokePen(c::Grey, 1.5));
    p.setBrush(Qt::NoBrush);
    for (const double x : {7.5, 13.5}) {
        const QPainterPath steam = curve({x, 7.5}, {{{x - 2, 5.5}, {x + 2, 3.5}, {x, 1.5}}});
        p.drawPath(steam);
    }
}

// A round teapot.
void paintTeaCollection(QPainter& p) {
    const QPainterPath spout = curve({6, 15}, {{{3, 15}, {3, 10}, {1, 8}}});
    edgedStroke(p, spout, c::Green, 2.5);
    QPainterPath handle;
    handle.addEllipse(QPointF(19, 14), 3.5, 4);
    edgedStroke(p, handle, c::Green, 2);
    outlined(p, c::Green);
    p.drawEllipse(QPointF(12, 15), 8, 6.5);
    outlined(p, c::DarkGreen);
    p.drawRoundedRect(cells(7, 7, 10, 3), 1, 1);
    p.drawEllipse(QPointF(12, 5.5), 1.8, 1.8);
}

// A bottle of wine and a filled glass.
void paintWineCellar(QPainter& p) {
    const QColor bottle(44, 96, 64);
    outlined(p, bottle);
    p.drawRect(cells(5, 1, 4, 7));
    p.drawRoundedRect(cells(3, 7, 8, 16), 2, 2);
    outlined(p, c::Cream);
    p.drawRect(cells(3, 12, 8, 6));
    QPainterPath glass;
    glass.moveTo(13.5, 8.5);
    glass.lineTo(22.5, 8.5);
    glass.cubicTo(22.5, 14, 20, 16, 18, 16);
    glass.cubicTo(16, 16, 13.5, 14, 13.5, 8.5);
    outlined(p, c::Paper);
    p.drawPath(glass);
    filled(p, c::DarkRed);
    p.drawPath(glass.intersected([] {
        QPainterPath below;
        below.addRect(QRectF(13, 11.5, 10, 5));
        return below;
    }()));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    p.drawLine(QPointF(18, 16), QPointF(18, 21.5));
    p.drawLine(QPointF(15.5, 21.5), QPointF(20.5, 21.5));
}

// A birthday cake with three candles.
void paintBirthdayPlanner(QPainter& p) {
    outlined(p, c::Pink);
    p.drawRect(cells(2, 15, 20, 8));
    outlined(p, c::Cream);
    p.drawRect(cells(5, 10, 14, 6));
    p.setPen(strokePen(c::White, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath icing;
    icing.moveTo(3, 17);
    for (double x = 3; x < 21; x += 3) icing.quadTo(x + 1.5, 19.5, x + 3, 17);
    p.drawPath(icing);
    const QColor candles[] = {c::Blue, c::Red, c::Green};
    for (int k = 0; k < 3; ++k) {
        const double x = 7 + 4 * k;  // the candle's left cell
        outlined(p, candles[k]);
        p.drawRect(cells(x, 5, 3, 6));
        outlined(p, c::Orange);
        p.drawPath(egg(QPointF(x + 1.5, 2.5), 3.6, 4.4));
    }
}
