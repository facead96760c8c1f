// A device-context sink that writes what it is told as SVG elements in
// logical units (0.01 mm), y downward as SVG wants it.
#pragma once

#include "platform/dcsink.h"
#include "view/export/sinkgeometry.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class CSvgSink : public CDCSink {
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

    // The whole document: a canvas of sizeCanvas logical units on a white page.
    QByteArray Document(CSize sizeCanvas);

private:
    // An element's outline and inside, as presentation attributes.
    QString StrokeAttributes(const CDCSinkState& state) const;
    QString FillAttributes(const CDCSinkState& state, bool bFilled);
    QString PatternFor(const CDCSinkState& state);
    // Writes a shape given as an element body ("rect x=..."), with a
    // background stroke under it when an opaque pen has gaps.
    void AddShape(const CDCSinkState& state, const QString& strShape, bool bFilled);

    // Pixels of one colour set one after another become one path, or one
    // image when the run is long.
    void FlushPixels();
    // An image of device pixels, its top-left corner at (x, y).
    void AddPixelImage(double x, double y, double dPixel, const QImage& image);

    CPixelRun m_pixels;
    QString m_strBody;
    QString m_strDefs;
    QMap<QString, QString> m_mapPatterns;  // pattern key to id
};

// Shorthand for SVG numbers: plain decimals, no exponent.
QString SvgNumber(double d);
