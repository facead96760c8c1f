// Arcs, chords and pies: part of the ellipse inscribed in the rectangle of
// the two defining points, from where the ray from the ellipse's centre
// through the start point meets it, counter-clockwise as seen on the
// screen, to where the ray through the end point meets it. A chord closes
// the curve with the straight line between its ends, a pie with the two
// radii.
#pragma once

#include "figures/figure.h"

// Mirrors or zooms the start and end points as Transform does the corners
// (nOp as for CFigure::Transform). A mirror reverses the direction the
// curve runs, so start and end also trade places: the same part of the
// ellipse, mirrored, is drawn.
void TransformArcEnds(int& xStart, int& yStart, int& xEnd, int& yEnd, int nSumX, int nSumY,
                      int nOp);

class CArc : public CFigure {
    DECLARE_SERIAL(CArc)
public:
    CArc() = default;
    CArc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
         COLORREF color, int nWidth, BOOL bCentre, int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};

class CChord : public CFigure {
    DECLARE_SERIAL(CChord)
public:
    CChord() = default;
    CChord(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
           COLORREF color, int nWidth, BOOL bCentre, int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};

class CPie : public CFigure {
    DECLARE_SERIAL(CPie)
public:
    CPie() = default;
    CPie(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
         COLORREF color, int nWidth, BOOL bCentre, int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};

class CChordFill : public CFigure {
    DECLARE_SERIAL(CChordFill)
public:
    CChordFill() = default;
    CChordFill(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
               COLORREF color, int nFillStyle, BOOL bCentre);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nFillStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};

class CPieFill : public CFigure {
    DECLARE_SERIAL(CPieFill)
public:
    CPieFill() = default;
    CPieFill(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
             COLORREF color, int nFillStyle, BOOL bCentre);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nFillStyle = 0;
    int m_xStart = 0;
    int m_yStart = 0;
    int m_xEnd = 0;
    int m_yEnd = 0;
};
