#include "app/frames/icons/iconpaint.h"

#include <QPolygonF>

#include <cmath>

namespace icons {

namespace {

QPointF Centre(qreal x, qreal y)
{
    return QPointF(x + 0.5, y + 0.5);
}

QPolygonF Centres(std::initializer_list<QPointF> points)
{
    QPolygonF polygon;
    for (const QPointF& pt : points)
        polygon << Centre(pt.x(), pt.y());
    return polygon;
}

QPen StrokePen(const QColor& color, qreal dWidth)
{
    return QPen(color, dWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color, qreal dWidth)
{
    p.setPen(StrokePen(color, dWidth));
    p.drawLine(Centre(x1, y1), Centre(x2, y2));
}

void Box(QPainter& p, int x, int y, int w, int h, const QColor& colorLine, const QBrush& fill)
{
    p.setPen(StrokePen(colorLine, 1));
    p.setBrush(fill);
    p.drawRect(QRectF(Centre(x, y), QSizeF(w - 1, h - 1)));
}

void Fill(QPainter& p, int x, int y, int w, int h, const QColor& color)
{
    p.fillRect(QRectF(x, y, w, h), color);
}

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& colorLine, const QBrush& fill)
{
    p.setPen(StrokePen(colorLine, 1));
    p.setBrush(fill);
    p.drawPolygon(Centres(points));
}

void Polyline(QPainter& p, std::initializer_list<QPointF> points, const QColor& color, qreal dWidth)
{
    p.setPen(StrokePen(color, dWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Centres(points));
}

void Ellipse(QPainter& p, qreal cx, qreal cy, qreal rx, qreal ry, const QColor& colorLine, const QBrush& fill)
{
    p.setPen(StrokePen(colorLine, 1));
    p.setBrush(fill);
    p.drawEllipse(Centre(cx, cy), rx, ry);
}

void Arrowhead(QPainter& p, qreal x, qreal y, qreal dx, qreal dy, qreal dSize, const QColor& color)
{
    const qreal dLength = std::hypot(dx, dy);
    if (dLength == 0)
        return;
    const QPointF d(dx / dLength, dy / dLength);
    const QPointF n(-d.y(), d.x());
    const QPointF ptTip = Centre(x, y);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({ptTip + d * 0.5, ptTip - d * dSize + n * dSize * 0.7,
        ptTip - d * dSize - n * dSize * 0.7}));
}

} // namespace icons
