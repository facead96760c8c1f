// The Paint case of the suite: the whole drawing painted into the canvas
// surface as the view's full repaint paints it, beside its floor, a plain
// QPainter loop drawing the same primitives with the same pens and brushes
// on the same QImage on one thread. Arguments: figures, and threads (0 for
// every core; the floor always runs on one).
#include "bench/benchdrawing.h"
#include "document/mydrevikdoc.h"
#include "platform/dc.h"
#include "platform/dcsink.h"
#include "view/bandpaint.h"
#include "view/render.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <variant>
#include <vector>

namespace {

// One drawing per size for the whole run: building it is not painting.
CMyDrevikDoc& BenchDocument(int nFigures)
{
    static std::map<int, std::unique_ptr<CMyDrevikDoc>> s_docs;
    std::unique_ptr<CMyDrevikDoc>& pDoc = s_docs[nFigures];
    if (!pDoc) {
        pDoc = std::make_unique<CMyDrevikDoc>();
        FillBenchDrawing(*pDoc, nFigures);
    }
    return *pDoc;
}

QImage NewCanvas()
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// What the floor draws: device-pixel shapes with ready pens and brushes.
struct FloorShape {
    enum class Kind { Line, Rect, RoundRect, Ellipse, Path, Text, Image } kind = Kind::Line;
    QPen pen;
    QBrush brush;
    QRectF rect;
    QPointF ptFrom, ptTo;
    double dRadiusX = 0, dRadiusY = 0;
    QPainterPath path;
    QFont font;
    QString strText;
    QImage image;
};

Qt::PenStyle QtPenStyle(int nStyle)
{
    switch (nStyle) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

QBrush QtBrush(const BrushData& brush)
{
    static const Qt::BrushStyle kHatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                              Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    switch (brush.type) {
    case BrushData::Type::Solid: return QBrush(QColor(ToRgb(brush.color)));
    case BrushData::Type::Hatch: return QBrush(QColor(ToRgb(brush.color)), kHatches[brush.nHatch % 6]);
    case BrushData::Type::Pattern: return QBrush(brush.pattern);
    default: return Qt::NoBrush;
    }
}

// Records each primitive once, through the figures' own Draw, as the
// floor will draw it.
class CFloorRecorder : public CDCSink {
public:
    std::vector<FloorShape> m_vecShapes;

    void Line(const CDCSinkState& s, CPoint ptFrom, CPoint ptTo) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Line);
        shape.ptFrom = Device(s, ptFrom);
        shape.ptTo = Device(s, ptTo);
        m_vecShapes.push_back(shape);
    }
    void Rectangle(const CDCSinkState& s, const CRect& rect) override
    {
        m_vecShapes.push_back(Boxed(s, FloorShape::Kind::Rect, rect));
    }
    void RoundRect(const CDCSinkState& s, const CRect& rect, CSize sizeCorner) override
    {
        FloorShape shape = Boxed(s, FloorShape::Kind::RoundRect, rect);
        shape.dRadiusX = std::abs(sizeCorner.cx / s.dUnitsPerPixel) / 2;
        shape.dRadiusY = std::abs(sizeCorner.cy / s.dUnitsPerPixel) / 2;
        m_vecShapes.push_back(shape);
    }
    void Ellipse(const CDCSinkState& s, const CRect& rect) override
    {
        m_vecShapes.push_back(Boxed(s, FloorShape::Kind::Ellipse, rect));
    }
    void ArcShape(const CDCSinkState& s, CDCArcKind kind, const CRect& rect, CPoint ptStart, CPoint ptEnd) override
    {
        FloorShape shape = Boxed(s, FloorShape::Kind::Path, rect);
        const QPointF ptCentre = shape.rect.center();
        auto angle = [&](CPoint pt) {
            const QPointF p = Device(s, pt) - ptCentre;
            return std::atan2(-p.y(), p.x()) * 180 / M_PI;
        };
        const double dStart = angle(ptStart);
        double dSweep = angle(ptEnd) - dStart;
        if (dSweep <= 0)
            dSweep += 360;
        shape.path.arcMoveTo(shape.rect, dStart);
        shape.path.arcTo(shape.rect, dStart, dSweep);
        if (kind == CDCArcKind::Pie)
            shape.path.lineTo(ptCentre);
        if (kind != CDCArcKind::Arc)
            shape.path.closeSubpath();
        else
            shape.brush = Qt::NoBrush;
        m_vecShapes.push_back(shape);
    }
    void Bezier(const CDCSinkState& s, const std::vector<CPoint>& vecPoints) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Path);
        shape.brush = Qt::NoBrush;
        shape.path.moveTo(Device(s, vecPoints[0]));
        for (std::size_t i = 1; i + 2 < vecPoints.size(); i += 3)
            shape.path.cubicTo(Device(s, vecPoints[i]), Device(s, vecPoints[i + 1]), Device(s, vecPoints[i + 2]));
        m_vecShapes.push_back(shape);
    }
    void Polygon(const CDCSinkState& s, const std::vector<CPoint>& vecPoints) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Path);
        shape.path.moveTo(Device(s, vecPoints[0]));
        for (std::size_t i = 1; i < vecPoints.size(); ++i)
            shape.path.lineTo(Device(s, vecPoints[i]));
        shape.path.closeSubpath();
        m_vecShapes.push_back(shape);
    }
    void Pixel(const CDCSinkState& s, CPoint pt, COLORREF color) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Line);
        shape.pen = QPen(QColor(ToRgb(color)), 0);
        shape.ptFrom = shape.ptTo = Device(s, pt);
        m_vecShapes.push_back(shape);
    }
    void Text(const CDCSinkState& s, CPoint pt, const QString& strText, const QFont& fontDevice) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Text);
        shape.pen = QPen(QColor(ToRgb(s.colorText)));
        shape.ptFrom = Device(s, pt) + QPointF(0, QFontMetrics(fontDevice).ascent());
        shape.font = fontDevice;
        shape.strText = strText;
        m_vecShapes.push_back(shape);
    }
    void FloodFill(const CDCSinkState& s, const QImage& image, QPoint ptDevice) override
    {
        FloorShape shape = Start(s, FloorShape::Kind::Image);
        shape.image = image;
        shape.ptFrom = ptDevice;
        m_vecShapes.push_back(shape);
    }

private:
    static QPointF Device(const CDCSinkState& s, CPoint pt)
    {
        return QPointF(std::floor(s.ptViewportOrg.x + pt.x / s.dUnitsPerPixel + 0.5),
                       std::floor(s.ptViewportOrg.y - pt.y / s.dUnitsPerPixel + 0.5));
    }
    static FloorShape Start(const CDCSinkState& s, FloorShape::Kind kind)
    {
        FloorShape shape;
        shape.kind = kind;
        const double dWidth = std::max(1.0, std::floor(double(s.pen.nWidth) / s.dUnitsPerPixel + 0.5));
        shape.pen = QPen(QBrush(QColor(ToRgb(s.pen.color))), dWidth < 2 ? 0 : dWidth, QtPenStyle(s.pen.nStyle),
                         Qt::RoundCap, Qt::RoundJoin);
        shape.brush = QtBrush(s.brush);
        return shape;
    }
    static FloorShape Boxed(const CDCSinkState& s, FloorShape::Kind kind, const CRect& rect)
    {
        FloorShape shape = Start(s, kind);
        shape.rect = QRectF(Device(s, rect.TopLeft()), Device(s, rect.BottomRight())).normalized();
        return shape;
    }
};

std::vector<FloorShape> RecordFloor(CMyDrevikDoc& doc)
{
    QImage image = NewCanvas();
    CDC dc(&image);
    CFloorRecorder recorder;
    dc.SetSink(&recorder);
    PaintFigures(&dc, &doc, false);
    dc.SetSink(nullptr);
    return std::move(recorder.m_vecShapes);
}

void DrawFloor(QImage* pImage, const std::vector<FloorShape>& vecShapes)
{
    QPainter painter(pImage);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const FloorShape& shape : vecShapes) {
        painter.setPen(shape.pen);
        painter.setBrush(shape.brush);
        switch (shape.kind) {
        case FloorShape::Kind::Line: painter.drawLine(shape.ptFrom, shape.ptTo); break;
        case FloorShape::Kind::Rect: painter.drawRect(shape.rect); break;
        case FloorShape::Kind::RoundRect:
            painter.drawRoundedRect(shape.rect, shape.dRadiusX, shape.dRadiusY);
            break;
        case FloorShape::Kind::Ellipse: painter.drawEllipse(shape.rect); break;
        case FloorShape::Kind::Path: painter.drawPath(shape.path); break;
        case FloorShape::Kind::Text:
            painter.setFont(shape.font);
            painter.drawText(shape.ptFrom, shape.strText);
            break;
        case FloorShape::Kind::Image: painter.drawImage(shape.ptFrom, shape.image); break;
        }
    }
}

void BM_Paint(benchmark::State& state)
{
    CMyDrevikDoc& doc = BenchDocument(int(state.range(0)));
    SetPaintThreadCount(int(state.range(1)));
    state.counters["threads"] = GetPaintThreadCount();
    QImage image = NewCanvas();
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(Qt::white);
        state.ResumeTiming();
        CDC dc(&image);
        dc.SetMapMode(MM_HIMETRIC);
        dc.SetViewportOrg(0, 0);
        dc.SetROP2(R2_COPYPEN);
        PaintFigures(&dc, &doc, false);
    }
    SetPaintThreadCount(0);
}

void BM_Paint_Floor(benchmark::State& state)
{
    const std::vector<FloorShape> vecShapes = RecordFloor(BenchDocument(int(state.range(0))));
    QImage image = NewCanvas();
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(Qt::white);
        state.ResumeTiming();
        DrawFloor(&image, vecShapes);
    }
}

void PaintArguments(benchmark::internal::Benchmark* pBenchmark)
{
    for (int nFigures : {1000, 100000})
        for (int nThreads : {1, 0})
            pBenchmark->Args({nFigures, nThreads});
    // Wall time, since the bands run on several threads at once; the CPU
    // column adds up every thread, so the bands' extra work shows.
    pBenchmark->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

BENCHMARK(BM_Paint)->Apply(PaintArguments);
BENCHMARK(BM_Paint_Floor)->Apply(PaintArguments);

}  // namespace
