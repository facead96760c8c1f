// A device-context sink that keeps each primitive as a vector drawing step
// and replays them with a QPainter whose coordinates are logical units
// (0.01 mm) from the canvas's top-left corner, y downward: once on a page
// the size of the canvas, or once per printer page.
#pragma once

#include "platform/dcsink.h"
#include "view/export/sinkgeometry.h"

#include <functional>
#include <vector>

class QPainter;
class QRectF;

class CPdfSink : public CDCSink {
public:
    void Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo) override;
    void Rectangle(const CDCSinkState& state, const CRect& rect) override;
    void RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner) override;
    void Ellipse(const CDCSinkState& state, const CRect& rect) override;
    void ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                  CPoint ptEnd) override;
    void Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints) override;
    void Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints) override;
    void Pixel(const CDCSinkState& state, CPoint pt, COLORREF color) override;
    void Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice) override;
    void FloodFill(const CDCSinkState& state, const QImage& image, QPoint ptDevice) override;

    // Paints every step heard so far, in order.
    void Replay(QPainter* pPainter);
    int GetStepCount() const { return int(m_vecSteps.size()); }

private:
    using Step = std::function<void(QPainter*)>;
    // A shape's inside (when bFilled) and its outline, as the context
    // paints them: the background under a hatch's or a dash's gaps when
    // the mode is opaque.
    void AddShape(const CDCSinkState& state, const QPainterPath& path, bool bFilled);
    void AddStep(Step step);
    // Pixels of one colour set one after another become one path, or one
    // image when the run is long.
    void FlushPixels();
    // Draws image's pixels as they are, stretched over rectTarget.
    void AddImageStep(const QRectF& rectTarget, const QImage& image);

    std::vector<Step> m_vecSteps;
    CPixelRun m_pixels;
};
