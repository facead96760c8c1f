// The cubic Bezier curve: a start point, two control points and an end point.
#pragma once

#include "figures/figure.h"

class CBezier : public CFigure {
    DECLARE_SERIAL(CBezier)
public:
    CBezier() = default;
    // (x1, y1) starts the curve, (x2, y2) and (x3, y3) are the control
    // points, (x4, y4) ends it. bCentre is kept and stored, never drawn.
    CBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, COLORREF color,
            int nWidth, BOOL bCentre, int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    // Mirrors or zooms all four points; none trade places.
    void Transform(int nSumX, int nSumY, int nOp) override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
    CPoint m_pt3;
    CPoint m_pt4;
};
