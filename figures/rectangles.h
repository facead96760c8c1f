// Rectangles, rounded rectangles and ellipses (the ellipse classes also
// serve the radial circles), outlined or filled, each inside the rectangle
// spanned by the two defining points and with an optional centre cross.
#pragma once

#include "figures/figure.h"

// Width and height of the corner ellipses of a rounded rectangle: a sixth
// of the sum of its side lengths.
int RoundCornerSize(int x1, int y1, int x2, int y2);

class CRectangle : public CFigure {
    DECLARE_SERIAL(CRectangle)
public:
    CRectangle() = default;
    CRectangle(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
               int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
};

class CRectRound : public CFigure {
    DECLARE_SERIAL(CRectRound)
public:
    CRectRound() = default;
    CRectRound(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
               int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
};

class CCircle : public CFigure {
    DECLARE_SERIAL(CCircle)
public:
    CCircle() = default;
    CCircle(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
            int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
};

class CRectFill : public CFigure {
    DECLARE_SERIAL(CRectFill)
public:
    CRectFill() = default;
    CRectFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle, BOOL bCentre);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nFillStyle = 0;
};

class CRectRoundFill : public CFigure {
    DECLARE_SERIAL(CRectRoundFill)
public:
    CRectRoundFill() = default;
    CRectRoundFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle, BOOL bCentre);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nFillStyle = 0;
};

class CCircleFill : public CFigure {
    DECLARE_SERIAL(CCircleFill)
public:
    CCircleFill() = default;
    CCircleFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle, BOOL bCentre);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nFillStyle = 0;
};
