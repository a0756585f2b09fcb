#include "style.h"

namespace style {

QPen inkPen(double width) {
    QPen pen(colour::Ink, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen strokePen(const QColor& colour, double width, Qt::PenCapStyle cap) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(cap);
    return pen;
}

QRectF cells(double x, double y, double w, double h) { return QRectF(x + 0.5, y + 0.5, w - 1, h - 1); }

QPointF at(double x, double y) { return QPointF(x + 0.5, y + 0.5); }

QPainterPath polygon(std::initializer_list<QPointF> cellPoints) {
    return polyline(cellPoints, Closed).translated(0.5, 0.5);
}

QPainterPath curve(QPointF start, std::initializer_list<Cubic> steps, PathEnd end) {
    QPainterPath path(start);
    for (const Cubic& step : steps) path.cubicTo(step.control1, step.control2, step.end);
    if (end == Closed) path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points, PathEnd end) {
    QPainterPath path;
    for (const QPointF& point : points) {
        if (path.elementCount() == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    if (end == Closed) path.closeSubpath();
    return path;
}

void outlined(QPainter& p, const QColor& fill, double width) {
    p.setPen(inkPen(width));
    p.setBrush(fill);
}

void filled(QPainter& p, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
}

void edgedStroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(width + 2));
    p.drawPath(path);
    p.setPen(strokePen(colour, width));
    p.drawPath(path);
}

void page(QPainter& p, double x, double y, double w, double h, int lines) {
    const double fold = 5;
    outlined(p, colour::Paper);
    p.drawPath(polygon({{x, y}, {x + w - 1 - fold, y}, {x + w - 1, y + fold}, {x + w - 1, y + h - 1}, {x, y + h - 1}}));
    outlined(p, colour::Silver);
    p.drawPath(polygon({{x + w - 1 - fold, y}, {x + w - 1 - fold, y + fold}, {x + w - 1, y + fold}}));
    p.setPen(strokePen(colour::Grey, 1, Qt::FlatCap));
    for (int line = 0; line < lines; ++line) {
        const double row = y + fold + 3 + 3 * line;
        if (row > y + h - 3) break;
        p.drawLine(at(x + 2, row) - QPointF(0.5, 0), at(x + w - 3, row) + QPointF(0.5, 0));
    }
}

void crossBadge(QPainter& p, QPointF centre, double radius, const QColor& fill) {
    outlined(p, fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(strokePen(colour::White, 2));
    const double arm = radius * 0.45;
    p.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    p.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

}  // namespace style
