// What the closed shapes of one family share: the fields after the CFigure
// part, their order in the file record, and the copies. Each figure class
// derives from one of these with itself as TDerived and adds only how it
// is drawn.
#pragma once

#include "figures/figure.h"
#include "figures/figure_math.h"
#include "figures/recordfields.h"

// Mirrors or zooms the start and end points as Transform does the corners
// (nOp as for CFigure::Transform). A mirror reverses the direction the
// curve runs, so start and end also trade places: the same part of the
// ellipse, mirrored, is drawn.
void TransformArcEnds(int& xStart, int& yStart, int& xEnd, int& yEnd, int nSumX, int nSumY,
                      int nOp);

// The CFigure part, from the first constructor arguments every family shares.
inline void SetShapeBase(CFigure& figure, int x1, int y1, int x2, int y2, COLORREF color,
                         BOOL bCentre)
{
    figure.m_x1 = x1;
    figure.m_y1 = y1;
    figure.m_x2 = x2;
    figure.m_y2 = y2;
    figure.m_color = color;
    figure.m_bCentre = bCentre;
}

// Rectangles, rounded rectangles and ellipses drawn with a pen.
template <class TDerived>
class TOutlinedShape : public CFigure {
public:
    TOutlinedShape() = default;
    TOutlinedShape(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
                   int nPenStyle)
        : m_nWidth(nWidth), m_nPenStyle(nPenStyle)
    {
        SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
    }

    void Serialize(CArchive& ar) override
    {
        CFigure::Serialize(ar);
        SerializeInt32Fields(ar, m_nWidth, m_bCentre, m_nPenStyle);
    }
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override
    {
        return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                              figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
    }
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override
    {
        return std::make_unique<TDerived>(x1, y1, x2, y2, m_color, m_nWidth, m_bCentre, m_nPenStyle);
    }

    int m_nWidth = 0;
    int m_nPenStyle = 0;
};

// Rectangles, rounded rectangles and ellipses filled with a fill style.
template <class TDerived>
class TFilledShape : public CFigure {
public:
    TFilledShape() = default;
    TFilledShape(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle, BOOL bCentre)
        : m_nFillStyle(nFillStyle)
    {
        SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
    }

    void Serialize(CArchive& ar) override
    {
        CFigure::Serialize(ar);
        SerializeInt32Fields(ar, m_nFillStyle, m_bCentre);
    }
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override
    {
        return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                              figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
    }
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override
    {
        return std::make_unique<TDerived>(x1, y1, x2, y2, m_color, m_nFillStyle, m_bCentre);
    }

    int m_nFillStyle = 0;
};

// Arcs, chords and pies drawn with a pen: the shape's rectangle and the
// start and end points that cut the curve.
template <class TDerived>
class TOutlinedArc : public CFigure {
public:
    TOutlinedArc() = default;
    TOutlinedArc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
                 COLORREF color, int nWidth, BOOL bCentre, int nPenStyle)
        : m_nWidth(nWidth), m_nPenStyle(nPenStyle),
          m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
    {
        SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
    }

    void Serialize(CArchive& ar) override
    {
        CFigure::Serialize(ar);
        SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nWidth, m_bCentre, m_nPenStyle);
    }
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override
    {
        using figmath::Add;
        return std::make_unique<TDerived>(
            Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
            Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
            Add(m_yEnd, offset.cy), m_color, m_nWidth, m_bCentre, m_nPenStyle);
    }
    void Transform(int nSumX, int nSumY, int nOp) override
    {
        CFigure::Transform(nSumX, nSumY, nOp);
        TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
    }

    int m_nWidth = 0;
    int m_nPenStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};

// Chords and pies filled with a fill style.
template <class TDerived>
class TFilledArc : public CFigure {
public:
    TFilledArc() = default;
    TFilledArc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
               COLORREF color, int nFillStyle, BOOL bCentre)
        : m_nFillStyle(nFillStyle),
          m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
    {
        SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
    }

    void Serialize(CArchive& ar) override
    {
        CFigure::Serialize(ar);
        SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nFillStyle, m_bCentre);
    }
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override
    {
        using figmath::Add;
        return std::make_unique<TDerived>(
            Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
            Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
            Add(m_yEnd, offset.cy), m_color, m_nFillStyle, m_bCentre);
    }
    void Transform(int nSumX, int nSumY, int nOp) override
    {
        CFigure::Transform(nSumX, nSumY, nOp);
        TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
    }

    int m_nFillStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};
