// A device-context sink that writes what it is told as DXF entities in
// model space: millimetres, y upward, the canvas's lower-left corner at
// the origin so the sheet lies where a drafting sheet lies.
#pragma once

#include "platform/dcsink.h"
#include "view/export/dxfhatch.h"
#include "view/export/dxfwriter.h"

#include <QByteArray>

#include <vector>

struct DxfPoint {
    double x, y;
};

class CDxfSink : public CDCSink {
public:
    explicit CDxfSink(CSize sizeCanvas);

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
    void FloodRegion(const CDCSinkState& state, const QImage& mask, QPoint ptDevice) override;

    // Pixels set one after another make one curve (a thread curve is drawn
    // so); the next pixel after this starts a new one.
    void EndPixelRun();
    // The whole file.
    QByteArray Document();

    // A closed outline of a fill: its vertices and, per vertex, the bulge
    // of the edge that leaves it (0 for a straight edge).
    struct Outline {
        std::vector<DxfPoint> vecPoints;
        std::vector<double> vecBulges;
    };

private:
    DxfPoint ToDxf(const CDCSinkState& state, double x, double y) const;
    // The ellipse a box holds: centre and half axes in millimetres.
    struct DxfEllipse {
        DxfPoint c;
        double a, b;
    };
    DxfEllipse EllipseOfBox(const CDCSinkState& state, const CRect& rect) const;
    // A logical length in millimetres.
    double ToMillimetres(const CDCSinkState& state, double dLength) const;
    bool Draws(const CDCSinkState& state) const;

    // The common start of an entity: its handle, owner, layer and colour,
    // and for a stroke its line type and weight.
    void BeginEntity(const char* pszType, COLORREF color, const CDCSinkState* pStroke);
    void AddLine(const CDCSinkState& state, DxfPoint ptFrom, DxfPoint ptTo);
    void AddPolyline(const CDCSinkState& state, const Outline& outline, bool bClosed);
    // An ellipse or part of one, centre c, half-axes a along x and b along
    // y, from parameter dStart counter-clockwise through dSweep.
    void AddEllipseCurve(const CDCSinkState& state, DxfPoint c, double a, double b, double dStart, double dSweep);
    // The inside of a shape in the brush in force, as hatches.
    void AddFill(const CDCSinkState& state, const std::vector<Outline>& vecOutlines);
    void AddEllipseFill(const CDCSinkState& state, DxfPoint c, double a, double b);
    std::vector<DxfHatchStyle> HatchStyles(const CDCSinkState& state) const;
    void BeginHatch(const DxfHatchStyle& style, int nPaths);
    void WritePolylinePath(const Outline& outline);
    void EndHatch(const DxfHatchStyle& style);
    void FlushPixels();

    CSize m_sizeCanvas;
    CDxfWriter m_writer;  // the entities
    unsigned m_nNextHandle;
    // The run of pixels not yet written.
    std::vector<DxfPoint> m_vecPixels;
    CDCSinkState m_statePixels;
    // The latest pixel, held back while it is too close to the last kept
    // one, so the curve still ends where it ends.
    DxfPoint m_ptLastPixel{0, 0};
    bool m_bLastPending = false;
};
