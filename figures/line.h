// The straight line.
#pragma once

#include "figures/figure.h"

class CLine : public CFigure {
    DECLARE_SERIAL(CLine)
public:
    CLine() = default;
    CLine(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, int nPenStyle);

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;
    std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const override;

    int m_nWidth = 0;
    int m_nPenStyle = 0;
};
