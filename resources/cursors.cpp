#include "resources/cursors.h"

#include "resources/resource.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kCursorSize = 32;
constexpr QPoint kCentre(16, 16);

// Every shape is stroked twice, wide in white and thin in black, so the
// pointer stays visible on white paper and on black figures alike.
void StrokeWithHalo(QPainter& p, const QPainterPath& path, const QBrush& fill = Qt::NoBrush)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setBrush(fill);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Four arms around the centre with a gap of nGap pixels, nLength long.
QPainterPath CrossArms(qreal dGap, qreal dLength)
{
    const QPointF c(kCentre.x() + 0.5, kCentre.y() + 0.5);
    QPainterPath path;
    for (const QPointF& d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        path.moveTo(c + d * dGap);
        path.lineTo(c + d * (dGap + dLength));
    }
    return path;
}

void DrawCrosshair(QPainter& p)
{
    StrokeWithHalo(p, CrossArms(3, 10));
    p.fillRect(QRect(kCentre, QSize(1, 1)), Qt::black);
}

void DrawConcentric(QPainter& p)
{
    QPainterPath path = CrossArms(2, 12);
    const QPointF c(kCentre.x() + 0.5, kCentre.y() + 0.5);
    path.addEllipse(c, 5, 5);
    path.addEllipse(c, 9, 9);
    StrokeWithHalo(p, path);
}

void DrawRubber(QPainter& p)
{
    QPainterPath path;
    path.addRect(QRectF(10.5, 10.5, 11, 11));
    StrokeWithHalo(p, path, Qt::white);
    p.fillRect(QRect(kCentre, QSize(1, 1)), Qt::black);
}

void DrawPan(QPainter& p)
{
    const QPointF c(kCentre.x() + 0.5, kCentre.y() + 0.5);
    QPainterPath path = CrossArms(0, 10);
    for (const QPointF& d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        const QPointF ptTip = c + d * 13;
        const QPointF n(-d.y(), d.x());
        QPolygonF head;
        head << ptTip << ptTip - d * 5 + n * 4 << ptTip - d * 5 - n * 4 << ptTip;
        path.addPolygon(head);
    }
    StrokeWithHalo(p, path, Qt::black);
}

void DrawDragPaste(QPainter& p)
{
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF({QPointF(2.5, 2.5), QPointF(2.5, 19.5), QPointF(7, 15.5),
        QPointF(10, 22), QPointF(13, 20.5), QPointF(10.5, 14), QPointF(16, 14), QPointF(2.5, 2.5)}));
    StrokeWithHalo(p, pointer, Qt::black);

    QPainterPath box;
    box.addRect(QRectF(17.5, 19.5, 11, 9));
    p.setPen(QPen(Qt::white, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(box);
    p.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    p.drawPath(box);
}

} // namespace

QPixmap DrawCursorImage(UINT nIDResource, qreal dRatio, QPoint* pptHotSpot)
{
    void (*pfnDraw)(QPainter&) = nullptr;
    QPoint ptHotSpot = kCentre;
    switch (nIDResource) {
    case IDC_CURSOR_DRAW: pfnDraw = DrawCrosshair; break;
    case IDC_CURSOR_CONCENTRIC: pfnDraw = DrawConcentric; break;
    case IDC_CURSOR_RUBBER: pfnDraw = DrawRubber; break;
    case IDC_CURSOR_PAN: pfnDraw = DrawPan; break;
    case IDC_CURSOR_DRAG_PASTE: pfnDraw = DrawDragPaste; ptHotSpot = QPoint(2, 2); break;
    default: return QPixmap();
    }
    if (dRatio <= 0)
        dRatio = 1;
    const int nPixels = qRound(kCursorSize * dRatio);
    QPixmap pixmap(nPixels, nPixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(nPixels / qreal(kCursorSize), nPixels / qreal(kCursorSize));
        pfnDraw(p);
    }
    pixmap.setDevicePixelRatio(dRatio);
    if (pptHotSpot)
        *pptHotSpot = ptHotSpot;
    return pixmap;
}

QCursor LoadCursorResource(UINT nIDResource)
{
    const qreal dRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPoint ptHotSpot;
    const QPixmap pixmap = DrawCursorImage(nIDResource, dRatio, &ptHotSpot);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, ptHotSpot.x(), ptHotSpot.y());
}
