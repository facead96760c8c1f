// The flood fill: the area around a seed point, up to the pixels of a
// boundary colour, filled with a fill style in its own colour.
#pragma once

#include "figures/figure.h"

class CFloodFill : public CFigure {
    DECLARE_SERIAL(CFloodFill)
public:
    CFloodFill() = default;
    // (x1, y1): the seed; color: the boundary colour; the tool gives (0, 0)
    // as the second point.
    CFloodFill(int x1, int y1, int x2, int y2, COLORREF color, COLORREF colorFill, int nFillStyle);

    void Serialize(CArchive& ar) override;
    // Fills the pixels already on the surface: replayed in its place among
    // the figures, it fills whatever those before it enclose now.
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;

    int m_nFillStyle = 0;
    COLORREF m_colorFill = 0;
};
