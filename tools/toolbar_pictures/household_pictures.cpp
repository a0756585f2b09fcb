// The household around the kitchen: money, storage, garden, health and gatherings.
#include "painters.h"
#include "style.h"

#include <QPolygonF>

using namespace style;
namespace c = style::colour;

// A stack of coins and a dollar coin.
void paintMealBudget(QPainter& p) {
    for (const double y : {18.0, 14.5, 11.0}) {
        outlined(p, c::Yellow);
        p.drawRoundedRect(cells(1, y, 13, 5), 2, 2);
        p.setPen(strokePen(c::Orange, 1, Qt::FlatCap));
        p.drawLine(QPointF(3, y + 3), QPointF(12, y + 3));
    }
    outlined(p, c::Yellow);
    p.drawEllipse(QPointF(16, 9), 7, 7);
    QPainterPath dollar;
    dollar.moveTo(18.5, 6.5);
    dollar.cubicTo(17.5, 4.8, 13.5, 5, 13.7, 7.3);
    dollar.cubicTo(13.9, 9.3, 18.3, 8.7, 18.4, 10.9);
    dollar.cubicTo(18.5, 13.3, 14.3, 13.4, 13.4, 11.6);
    dollar.moveTo(16, 3.8);
    dollar.lineTo(16, 14.2);
    p.setPen(strokePen(c::DarkBrown, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dollar);
}

// A coupon: a ticket with a tear line and a per cent sign.
void paintCouponOrganizer(QPainter& p) {
    QPainterPath ticket;
    ticket.addRect(cells(1, 5, 22, 14));
    QPainterPath notches;
    notches.addEllipse(QPointF(1.5, 12), 2.5, 2.5);
    notches.addEllipse(QPointF(22.5, 12), 2.5, 2.5);
    outlined(p, c::Cream);
    p.drawPath(ticket.subtracted(notches));
    QPen dashes = strokePen(c::Red, 1, Qt::FlatCap);
    dashes.setDashPattern({1.5, 1.5});
    p.setPen(dashes);
    p.drawLine(QPointF(7.5, 6), QPointF(7.5, 18));
    p.setPen(strokePen(c::Red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5, 9), 1.5, 1.5);
    p.drawEllipse(QPointF(17.5, 15), 1.5, 1.5);
    p.drawLine(QPointF(18, 8), QPointF(12, 16));
}

// A price tag on its string.
void paintPriceBook(QPainter& p) {
    p.save();
    p.translate(12.5, 12.5);
    p.rotate(-45);
    const QPainterPath tag = polyline({{0, -11}, {5.5, -5.5}, {5.5, 9}, {-5.5, 9}, {-5.5, -5.5}}, Closed);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, -5.5), 1.5, 1.5);
    outlined(p, c::Yellow);
    p.drawPath(tag.subtracted(hole));
    p.setPen(strokePen(c::DarkBrown, 1.2, Qt::FlatCap));
    p.drawLine(QPointF(-3, -0.5), QPointF(3, -0.5));
    p.drawLine(QPointF(-3, 2.5), QPointF(3, 2.5));
    p.drawLine(QPointF(-3, 5.5), QPointF(1, 5.5));
    p.restore();
    // The string through the hole.
    p.setPen(strokePen(c::Ink, 1));
    p.setBrush(Qt::NoBrush);
    const QPainterPath string = curve({8.6, 8.6}, {{{6, 5}, {4, 1.5}, {1, 2}}});
    p.drawPath(string);
}

// A snowflake.
void paintFreezerLog(QPainter& p) {
    QPainterPath flake;
    const QPointF centre(12, 12);
    for (int k = 0; k < 6; ++k) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(60.0 * k);
        flake.moveTo(turn.map(QPointF(0, 0)));
        flake.lineTo(turn.map(QPointF(0, -9.5)));
        flake.moveTo(turn.map(QPointF(-3, -8.5)));
        flake.lineTo(turn.map(QPointF(0, -5.5)));
        flake.lineTo(turn.map(QPointF(3, -8.5)));
    }
    edgedStroke(p, flake, c::Sky, 1.5);
}

// A lidded food box with the leftovers showing through.
void paintLeftoversLog(QPainter& p) {
    outlined(p, QColor(226, 240, 250));
    p.drawRoundedRect(cells(3, 9, 18, 13), 2, 2);
    filled(p, c::Orange);
    p.drawEllipse(QPointF(9, 17), 4, 3);
    filled(p, c::Green);
    p.drawEllipse(QPointF(15.5, 17.5), 3.5, 2.5);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cells(3, 9, 18, 13), 2, 2);
    outlined(p, c::Blue);
    p.drawRoundedRect(cells(1, 5, 22, 5), 1.5, 1.5);
    p.drawRect(cells(9, 3, 6, 3));
}

// A sack of grain tied at the neck.
void paintBulkFoods(QPainter& p) {
    QPainterPath sack;
    sack.moveTo(5, 2.5);
    sack.lineTo(19, 2.5);
    sack.lineTo(15, 7.5);
    sack.cubicTo(20, 9, 21.5, 14, 21.5, 17.5);
    sack.cubicTo(21.5, 21, 19, 22.5, 16, 22.5);
    sack.lineTo(8, 22.5);
    sack.cubicTo(5, 22.5, 2.5, 21, 2.5, 17.5);
    sack.cubicTo(2.5, 14, 4, 9, 9, 7.5);
    sack.closeSubpath();
    outlined(p, c::Tan);
    p.drawPath(sack);
    outlined(p, c::DarkBrown);
    p.drawRoundedRect(cells(7, 6, 10, 3), 1, 1);
    // An ear of wheat printed on the front.
    p.setPen(strokePen(c::Brown, 1));
    p.drawLine(QPointF(12, 20.5), QPointF(12, 11.5));
    filled(p, c::Brown);
    for (const double y : {12.5, 15.0, 17.5}) {
        p.drawEllipse(QPointF(10.5, y), 1.3, 0.9);
        p.drawEllipse(QPointF(13.5, y), 1.3, 0.9);
    }
}

// A watering can sprinkling.
void paintGardenPlanner(QPainter& p) {
    const QPainterPath handle = curve({10, 9}, {{{10, 3}, {19, 3}, {20, 11}}});
    edgedStroke(p, handle, c::Green, 2);
    outlined(p, c::Green);
    p.drawPath(polygon({{7, 13}, {2, 6}, {3, 5}, {9, 11}}));
    p.drawPath(polygon({{7, 9}, {19, 9}, {20, 21}, {6, 21}}));
    filled(p, c::DarkGreen);
    p.drawRect(QRectF(7, 13, 13, 2));
    filled(p, c::Blue);
    for (const QPointF drop : {QPointF(1.5, 9.5), QPointF(3.5, 11.5), QPointF(1.5, 13.5)})
        p.drawEllipse(drop, 0.9, 0.9);
}

// A potted herb.
void paintHerbGarden(QPainter& p) {
    p.setPen(strokePen(c::DarkGreen, 1.5));
    p.drawLine(QPointF(12, 14), QPointF(12, 7));
    const struct {
        QPointF at;
        double angle;
    } leaves[] = {{{12, 5.5}, 0}, {{7.5, 9}, -55}, {{16.5, 9}, 55}};
    for (const auto& leaf : leaves) {
        p.save();
        p.translate(leaf.at);
        p.rotate(leaf.angle);
        outlined(p, c::Green);
        p.drawEllipse(QPointF(0, 0), 2.6, 4.5);
        p.restore();
    }
    const QColor clay(210, 110, 60);
    outlined(p, clay);
    p.drawPath(polygon({{6, 15}, {17, 15}, {15, 22}, {8, 22}}));
    p.drawRect(cells(4, 13, 16, 3));
}

// A bathroom scale with its dial.
void paintDietJournal(QPainter& p) {
    outlined(p, c::Silver);
    p.drawRoundedRect(cells(2, 2, 20, 20), 4, 4);
    outlined(p, c::White);
    p.drawRoundedRect(cells(6, 4, 12, 7), 2, 2);
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    for (const double x : {9.0, 12.0, 15.0}) p.drawLine(QPointF(x, 5.5), QPointF(x, 7));
    p.setPen(strokePen(c::Red, 1.5));
    p.drawLine(QPointF(12, 10), QPointF(14, 6.5));
    outlined(p, c::Grey);
    p.drawRoundedRect(cells(5, 13, 6, 7), 2, 2);
    p.drawRoundedRect(cells(13, 13, 6, 7), 2, 2);
}

// A capsule and a round pill.
void paintMedicineCabinet(QPainter& p) {
    p.save();
    p.translate(11, 11);
    p.rotate(-45);
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(-9.5, -4, 19, 8), 4, 4);
    outlined(p, c::White);
    p.drawPath(capsule);
    QPainterPath left;
    left.addRect(QRectF(-10, -5, 10, 10));
    filled(p, c::Red);
    p.drawPath(capsule.intersected(left));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(capsule);
    p.drawLine(QPointF(0, -4), QPointF(0, 4));
    p.restore();
    outlined(p, c::Sky);
    p.drawEllipse(QPointF(18.5, 18.5), 4, 4);
    p.setPen(strokePen(c::Blue, 1, Qt::FlatCap));
    p.drawLine(QPointF(16, 21), QPointF(21, 16));
}

// A drop of water.
void paintWaterTracker(QPainter& p) {
    const QPainterPath drop = curve({12, 1.5}, {
                                                   {{9, 6.5}, {4, 10.5}, {4, 15}},
                                                   {{4, 19.5}, {7.5, 22.5}, {12, 22.5}},
                                                   {{16.5, 22.5}, {20, 19.5}, {20, 15}},
                                                   {{20, 10.5}, {15, 6.5}, {12, 1.5}},
                                               });
    outlined(p, c::Blue);
    p.drawPath(drop);
    p.setPen(strokePen(c::White, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 11, 8, 8), 180 * 16, 70 * 16);
}

// A baby's bottle of milk.
void paintBabyFoodPlanner(QPainter& p) {
    const QPainterPath teat = curve({8.5, 6.5},
                                    {
                                        {{9, 4}, {11, 4.5}, {11, 2.5}},
                                        {{11, 1}, {13, 1}, {13, 2.5}},
                                        {{13, 4.5}, {15, 4}, {15.5, 6.5}},
                                    },
                                    Closed);
    outlined(p, c::Tan);
    p.drawPath(teat);
    outlined(p, c::White);
    p.drawRoundedRect(cells(6, 9, 12, 14), 2.5, 2.5);
    filled(p, c::Cream);
    p.drawRect(QRectF(7, 13, 10, 9));
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    for (const double y : {12.5, 15.5, 18.5}) p.drawLine(QPointF(7, y), QPointF(10, y));
    outlined(p, c::Pink);
    p.drawRoundedRect(cells(5, 6, 14, 4), 1, 1);
}

// A paw print.
void paintPetFoodLog(QPainter& p) {
    outlined(p, c::Brown);
    const QPainterPath pad = curve({12, 11}, {
                                                 {{17, 11}, {20, 17}, {18, 20}},
                                                 {{16.5, 22.5}, {14, 20.5}, {12, 20.5}},
                                                 {{10, 20.5}, {7.5, 22.5}, {6, 20}},
                                                 {{4, 17}, {7, 11}, {12, 11}},
                                             });
    p.drawPath(pad);
    const struct {
        QPointF at;
        double angle;
    } toes[] = {{{4, 10}, -25}, {{9, 5}, -8}, {{15, 5}, 8}, {{20, 10}, 25}};
    for (const auto& toe : toes) {
        p.save();
        p.translate(toe.at);
        p.rotate(toe.angle);
        p.drawEllipse(QPointF(0, 0), 2.3, 3);
        p.restore();
    }
}

// A lunch box with its handle and clasp.
void paintLunchboxPlanner(QPainter& p) {
    const QPainterPath handle = polyline({{8, 9}, {8, 5.5}, {16, 5.5}, {16, 9}});
    edgedStroke(p, handle, c::Charcoal, 1.5);
    outlined(p, c::Red);
    p.drawRoundedRect(cells(1, 8, 22, 14), 2, 2);
    p.setPen(strokePen(c::DarkRed, 1, Qt::FlatCap));
    p.drawLine(QPointF(2, 12.5), QPointF(22, 12.5));
    outlined(p, c::Silver);
    p.drawRect(cells(10, 11, 4, 4));
}

// A picnic basket with a checked cloth band.
void paintPicnicPlanner(QPainter& p) {
    const QPainterPath handle = curve({5, 11}, {{{5, 1.5}, {19, 1.5}, {19, 11}}});
    edgedStroke(p, handle, c::Brown, 2);
    outlined(p, c::Tan);
    p.drawPath(polygon({{1, 10}, {22, 10}, {19, 22}, {4, 22}}));
    // The cloth's checks inside the band.
    p.save();
    p.setClipPath(polygon({{1, 13}, {22, 13}, {21, 17}, {2, 17}}));
    filled(p, c::White);
    p.drawRect(QRectF(0, 13.5, 24, 4));
    filled(p, c::Red);
    for (int k = 0; k < 12; ++k) p.drawRect(QRectF(1 + 2 * k, (k % 2 == 0) ? 13.5 : 15.5, 2, 2));
    p.restore();
    p.setPen(inkPen());
    p.drawLine(QPointF(1.8, 13.5), QPointF(22.2, 13.5));
    p.drawLine(QPointF(2.6, 17.5), QPointF(21.4, 17.5));
    p.setPen(strokePen(c::Brown, 1, Qt::FlatCap));
    for (const double x : {8.0, 12.0, 16.0}) p.drawLine(QPointF(x, 18), QPointF(x, 22));
}

// A campfire: crossed logs and a flame.
void paintCampCooking(QPainter& p) {
    for (const double angle : {-18.0, 18.0}) {
        p.save();
        p.translate(12, 19.5);
        p.rotate(angle);
        outlined(p, c::Brown);
        p.drawRoundedRect(QRectF(-10, -1.8, 20, 3.6), 1.8, 1.8);
        p.restore();
    }
    const QPainterPath flame = curve({12, 1.5}, {
                                                    {{15, 5.5}, {19, 8.5}, {18, 13}},
                                                    {{17.5, 16}, {15, 18}, {12, 18}},
                                                    {{9, 18}, {6.5, 16}, {6, 13}},
                                                    {{5.5, 9.5}, {9, 7}, {9.5, 4.5}},
                                                    {{11, 6}, {11.5, 4}, {12, 1.5}},
                                                });
    outlined(p, c::Orange);
    p.drawPath(flame);
    const QPainterPath core = curve({12, 8}, {
                                                 {{14, 10.5}, {15.5, 12.5}, {15, 14.5}},
                                                 {{14.5, 16.5}, {13.5, 17}, {12, 17}},
                                                 {{10.5, 17}, {9.5, 16.5}, {9, 14.5}},
                                                 {{8.5, 12.5}, {10.5, 10.5}, {12, 8}},
                                             });
    filled(p, c::Yellow);
    p.drawPath(core);
}

// A kettle barbecue with sausages on its grate.
void paintGrillLog(QPainter& p) {
    p.setPen(inkPen(1.5));
    p.drawLine(QPointF(8, 17), QPointF(4.5, 22.5));
    p.drawLine(QPointF(16, 17), QPointF(19.5, 22.5));
    p.drawLine(QPointF(12, 19), QPointF(12, 22.5));
    outlined(p, c::Red);
    p.drawRoundedRect(QRectF(4, 6.5, 7, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(13, 6.5, 7, 3), 1.5, 1.5);
    QPainterPath bowl(QPointF(2.5, 10.5));
    bowl.arcTo(QRectF(2.5, 0.5, 19, 19), 0, -180);
    bowl.closeSubpath();
    outlined(p, c::Charcoal);
    p.drawPath(bowl);
    p.setPen(inkPen(1.5));
    p.drawLine(QPointF(1.5, 10), QPointF(22.5, 10));
}

// Three balloons on their strings.
void paintPartyPlanner(QPainter& p) {
    p.setPen(strokePen(c::Ink, 1));
    p.setBrush(Qt::NoBrush);
    for (const QPointF from : {QPointF(6.5, 12.5), QPointF(17.5, 12.5), QPointF(12, 16)}) {
        QPainterPath string;
        string.moveTo(from);
        string.quadTo(from.x(), 20, 12, 22.5);
        p.drawPath(string);
    }
    const struct {
        QPointF centre;
        QColor colour;
    } balloons[] = {{{6.5, 7}, c::Red}, {{17.5, 7}, c::Blue}, {{12, 10.5}, c::Yellow}};
    for (const auto& balloon : balloons) {
        outlined(p, balloon.colour);
        p.drawEllipse(balloon.centre, 4.3, 5.3);
    }
}

// A wrapped present with a ribbon and bow.
void paintHolidayPlanner(QPainter& p) {
    for (const double x : {8.5, 15.5}) {
        outlined(p, c::Red);
        p.drawEllipse(QPointF(x, 5), 3.5, 2.5);
    }
    outlined(p, c::Green);
    p.drawRect(cells(3, 12, 18, 11));
    p.drawRect(cells(1, 7, 22, 6));
    outlined(p, c::Red);
    p.drawRect(cells(10, 7, 4, 16));
}

// A place setting: plate, fork and knife.
void paintTableSettings(QPainter& p) {
    outlined(p, c::White);
    p.drawEllipse(QPointF(12, 12), 7.5, 7.5);
    outlined(p, c::Paper);
    p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
    p.setPen(strokePen(c::Charcoal, 1.5));
    p.drawLine(QPointF(2.5, 9), QPointF(2.5, 21.5));
    p.setPen(strokePen(c::Charcoal, 1));
    for (const double x : {1.0, 2.5, 4.0}) p.drawLine(QPointF(x, 2.5), QPointF(x, 7));
    p.drawLine(QPointF(1, 7.5), QPointF(4, 7.5));
    QPainterPath knife;
    knife.moveTo(20.5, 21.5);
    knife.lineTo(20.5, 2.5);
    knife.cubicTo(22.5, 4, 22.5, 9, 21.5, 12);
    knife.lineTo(20.5, 12);
    p.setPen(strokePen(c::Charcoal, 1.5));
    p.setBrush(c::Silver);
    p.drawPath(knife);
}

// A covered casserole dish.
void paintPotluckPlanner(QPainter& p) {
    const QColor enamel(232, 120, 56);
    outlined(p, enamel);
    p.drawRoundedRect(cells(0, 13, 4, 3), 1, 1);
    p.drawRoundedRect(cells(20, 13, 4, 3), 1, 1);
    p.drawRoundedRect(cells(2, 11, 20, 11), 3, 3);
    const QPainterPath lid = curve({2.5, 11.5}, {{{3, 4.5}, {21, 4.5}, {21.5, 11.5}}}, Closed);
    outlined(p, c::Cream);
    p.drawPath(lid);
    outlined(p, c::Charcoal);
    p.drawRoundedRect(cells(10, 3, 4, 3), 1, 1);
    filled(p, c::White);
    p.drawRect(QRectF(3, 15, 18, 2));
}

// A rolling pin.
void paintBakingJournal(QPainter& p) {
    p.translate(12, 12);
    p.rotate(-35);
    outlined(p, c::Brown);
    p.drawRoundedRect(QRectF(-12, -1.5, 5, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(7, -1.5, 5, 3), 1.5, 1.5);
    outlined(p, c::Tan);
    p.drawRoundedRect(QRectF(-7.5, -4, 15, 8), 2, 2);
    p.setPen(strokePen(c::Cream, 1.5));
    p.drawLine(QPointF(-5, -2), QPointF(5, -2));
}
