#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

// The toolbar pictures' one flat style: shapes filled from a small palette and
// outlined one pixel wide in one dark ink, on a 24 x 24 grid with a transparent
// ground. Coordinates name pixel cells: cells(2, 3, 4, 5) covers columns 2-5 and
// rows 3-7, its outline running through the middle of the edge cells so it
// lands crisp on whole pixels.
namespace style {

constexpr int PictureSize = 24;

namespace colour {
inline const QColor Ink(52, 46, 44);
inline const QColor White(255, 255, 255);
inline const QColor Cream(250, 244, 226);
inline const QColor Paper(244, 246, 248);
inline const QColor Silver(200, 206, 212);
inline const QColor Grey(134, 142, 150);
inline const QColor Charcoal(78, 82, 88);
inline const QColor Red(214, 64, 52);
inline const QColor DarkRed(150, 36, 44);
inline const QColor Pink(240, 140, 170);
inline const QColor Orange(240, 140, 40);
inline const QColor Yellow(246, 200, 60);
inline const QColor Tan(226, 182, 120);
inline const QColor Brown(160, 100, 56);
inline const QColor DarkBrown(104, 64, 38);
inline const QColor Green(92, 170, 70);
inline const QColor DarkGreen(52, 118, 52);
inline const QColor Sky(168, 212, 244);
inline const QColor Blue(58, 130, 210);
inline const QColor Navy(40, 72, 140);
inline const QColor Purple(140, 92, 196);
}  // namespace colour

// The outline pen: ink, one pixel unless asked otherwise.
QPen inkPen(double width = 1.0);
// A pen of the picture's own colour, for strokes drawn without an outline.
QPen strokePen(const QColor& colour, double width, Qt::PenCapStyle cap = Qt::RoundCap);

// The rectangle whose outline runs through the middle of the given cells.
QRectF cells(double x, double y, double w, double h);
// The middle of a pixel cell.
QPointF at(double x, double y);
// A closed outline through the middles of the given cells.
QPainterPath polygon(std::initializer_list<QPointF> cellPoints);

// Whether a path returns to its start.
enum PathEnd { Open, Closed };
// One cubic Bezier step of a curve: its two control points and where it ends.
struct Cubic {
    QPointF control1, control2, end;
};
// A curve from start through the given steps, for round outlines.
QPainterPath curve(QPointF start, std::initializer_list<Cubic> steps, PathEnd end = Open);
// Straight lines through the given points, for handles and frames.
QPainterPath polyline(std::initializer_list<QPointF> points, PathEnd end = Open);

// Sets an ink outline and the fill for the next shapes.
void outlined(QPainter& p, const QColor& fill, double width = 1.0);
// Sets a fill with no outline, for details drawn over an outlined shape.
void filled(QPainter& p, const QColor& fill);

// Strokes a path as a line of the given colour and width edged in ink, for
// thin parts (handles, strings) that have no inside to fill.
void edgedStroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width);

// Common parts several pictures share.
// A page with a folded top-right corner and a few lines of text.
void page(QPainter& p, double x, double y, double w, double h, int lines = 3);
// A round badge with a white sign on it, drawn over a corner of a picture.
void crossBadge(QPainter& p, QPointF centre, double radius, const QColor& fill);

}  // namespace style
