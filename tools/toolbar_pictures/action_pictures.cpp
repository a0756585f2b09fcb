// The side toolbars' actions: colours, search, files, printing and saving.
#include "painters.h"
#include "style.h"

using namespace style;
namespace c = style::colour;

// A painter's palette with four dabs of colour.
void paintPanelColor(QPainter& p) {
    const QPainterPath board = curve({12, 2}, {
                                                  {{19, 2}, {23, 6.5}, {22.5, 11.5}},
                                                  {{22, 16}, {17, 15}, {16, 18}},
                                                  {{15, 21.5}, {12, 22.5}, {9.5, 22}},
                                                  {{4.5, 21}, {1.5, 17}, {1.5, 12}},
                                                  {{1.5, 6}, {6, 2}, {12, 2}},
                                              });
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 17), 2, 2);
    outlined(p, c::Tan);
    p.drawPath(board.subtracted(hole));
    const struct {
        QPointF centre;
        QColor colour;
    } dabs[] = {{{7, 8.5}, c::Red}, {{12.5, 6}, c::Yellow}, {{18, 8.5}, c::Blue}, {{14, 13}, c::Green}};
    for (const auto& dab : dabs) {
        outlined(p, dab.colour);
        p.drawEllipse(dab.centre, 2.3, 2.3);
    }
}

// The letter A over a bar of colour: the colour text is drawn in.
void paintTextColor(QPainter& p) {
    QPainterPath letter;
    letter.moveTo(4.5, 16);
    letter.lineTo(12, 2);
    letter.lineTo(19.5, 16);
    letter.moveTo(7.5, 11);
    letter.lineTo(16.5, 11);
    p.setPen(strokePen(c::Ink, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letter);
    outlined(p, c::Red);
    p.drawRect(cells(2, 18, 20, 5));
}

// A magnifying glass.
void paintSearch(QPainter& p) {
    const QPainterPath handle = polyline({{15, 15}, {20.5, 20.5}});
    edgedStroke(p, handle, c::Brown, 3);
    outlined(p, c::Sky, 2);
    p.drawEllipse(QPointF(9.5, 9.5), 7, 7);
    p.setPen(strokePen(c::White, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5.5, 5.5, 8, 8), 100 * 16, 70 * 16);
}

// A page struck out by a red cross.
void paintDeleteFile(QPainter& p) {
    page(p, 3, 1, 15, 20, 4);
    crossBadge(p, QPointF(17, 17), 5.5, c::Red);
}

// Two pages, one laid over the other.
void paintCopy(QPainter& p) {
    page(p, 2, 1, 13, 16, 2);
    page(p, 9, 7, 13, 16, 2);
}

namespace {

// A printer with a sheet coming out; the sheet's lines tell what it prints.
void printer(QPainter& p) {
    outlined(p, c::Paper);
    p.drawRect(cells(6, 1, 12, 8));
    outlined(p, c::Silver);
    p.drawRoundedRect(cells(1, 7, 22, 11), 2, 2);
    outlined(p, c::Charcoal);
    p.drawRect(cells(5, 14, 14, 2));
    filled(p, c::Green);
    p.drawRect(QRectF(18, 9, 2, 2));
}

}  // namespace

void paintPrint(QPainter& p) {
    printer(p);
    outlined(p, c::Paper);
    p.drawRect(cells(6, 15, 12, 8));
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    p.drawLine(QPointF(8, 18.5), QPointF(16, 18.5));
    p.drawLine(QPointF(8, 20.5), QPointF(14, 20.5));
}

// A ruled worksheet page with a pencil to fill it in.
void paintPrintWorksheet(QPainter& p) {
    outlined(p, c::Paper);
    p.drawRect(cells(2, 1, 16, 22));
    filled(p, c::Sky);
    p.drawRect(QRectF(3, 2, 14, 4));
    p.setPen(strokePen(c::Blue, 1, Qt::FlatCap));
    for (const double y : {6.5, 10.5, 14.5, 18.5}) p.drawLine(QPointF(3, y), QPointF(17, y));
    p.drawLine(QPointF(8.5, 2), QPointF(8.5, 22));
    p.save();
    p.translate(18, 13);
    p.rotate(35);
    outlined(p, c::Pink);
    p.drawRect(QRectF(-2, -11, 4, 3));
    outlined(p, c::Yellow);
    p.drawRect(QRectF(-2, -8, 4, 12));
    outlined(p, c::Tan);
    const QPainterPath tip = polyline({{-2, 4}, {2, 4}, {0, 8.5}}, Closed);
    p.drawPath(tip);
    p.restore();
}

// A floppy disk.
void paintSave(QPainter& p) {
    outlined(p, c::Blue);
    p.drawPath(polygon({{1, 1}, {19, 1}, {22, 4}, {22, 22}, {1, 22}}));
    outlined(p, c::Silver);
    p.drawRect(cells(6, 1, 11, 7));
    filled(p, c::Charcoal);
    p.drawRect(QRectF(13, 2, 2, 5));
    outlined(p, c::Paper);
    p.drawRect(cells(4, 12, 15, 10));
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    p.drawLine(QPointF(6.5, 15.5), QPointF(16.5, 15.5));
    p.drawLine(QPointF(6.5, 18.5), QPointF(16.5, 18.5));
}

// A fresh page with a green plus: a new list.
void paintNewList(QPainter& p) {
    page(p, 8, 1, 15, 20, 5);
    const QPointF centre(6.5, 17);
    outlined(p, c::Green);
    p.drawEllipse(centre, 5.5, 5.5);
    p.setPen(strokePen(c::White, 2));
    p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
    p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
}

// A page coming out of an open folder: a saved list opened.
void paintOpenList(QPainter& p) {
    outlined(p, c::Tan);
    p.drawPath(polygon({{1, 5}, {8, 5}, {10, 7}, {20, 7}, {20, 21}, {1, 21}}));
    page(p, 6, 2, 12, 15, 3);
    outlined(p, c::Yellow);
    p.drawPath(polygon({{1, 21}, {4, 11}, {23, 11}, {20, 21}}));
}

// A landscape behind the lines of a grid: what lies behind the grid's cells.
void paintGridBackground(QPainter& p) {
    outlined(p, c::Sky);
    p.drawRect(cells(1, 2, 22, 20));
    filled(p, c::Green);
    p.drawPath(curve({1.5, 21.5}, {{{5, 13}, {11, 13}, {14, 17}}, {{17, 14}, {21, 14}, {22.5, 17}}}, Closed));
    filled(p, c::Yellow);
    p.drawEllipse(QPointF(17, 7), 2.5, 2.5);
    p.setPen(strokePen(c::Ink, 1, Qt::FlatCap));
    for (double x : {8.5, 15.5}) p.drawLine(QPointF(x, 2), QPointF(x, 22));
    for (double y : {8.5, 15.5}) p.drawLine(QPointF(1, y), QPointF(23, y));
}

// One amount, an equals sign and its result: a single conversion.
void paintSingleEntry(QPainter& p) {
    outlined(p, c::Paper);
    p.drawRect(cells(1, 7, 9, 10));
    outlined(p, c::Sky);
    p.drawRect(cells(14, 7, 9, 10));
    p.setPen(strokePen(c::Ink, 1.5, Qt::FlatCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(13.5, 10.5));
    p.drawLine(QPointF(10.5, 13.5), QPointF(13.5, 13.5));
    p.setPen(strokePen(c::Blue, 1.5, Qt::FlatCap));
    p.drawLine(QPointF(5.5, 9.5), QPointF(5.5, 14.5));
}

// A table of two columns under a heading: amounts and their results.
void paintMultipleEntry(QPainter& p) {
    outlined(p, c::Paper);
    p.drawRect(cells(2, 1, 20, 22));
    filled(p, c::Sky);
    p.drawRect(QRectF(3, 2, 18, 4));
    p.setPen(strokePen(c::Grey, 1, Qt::FlatCap));
    for (const double y : {6.5, 10.5, 14.5, 18.5}) p.drawLine(QPointF(3, y), QPointF(21, y));
    p.setPen(strokePen(c::Blue, 1, Qt::FlatCap));
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
}
