// The slanted polygon: one edge of a rectangle stays, the opposite edge
// swings about it toward a direction point.
#pragma once

#include "figures/figure.h"

#include <array>
#include <optional>

class CPolygon : public CFigure {
    DECLARE_SERIAL(CPolygon)
public:
    CPolygon() = default;
    // (x1, y1), (x2, y2): opposite corners of the base rectangle; nMode: the
    // edge that stays, 1 left, 2 the edge at y1, 3 right, 4 the edge at y2.
    CPolygon(int x1, int y1, int x2, int y2, int xDir, int yDir, COLORREF color, int nWidth,
             int nPenStyle, int nMode);

    void Serialize(CArchive& ar) override;
    // A mode outside 1 to 4 (only a damaged file has one) draws nothing.
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;

    CPoint m_ptDir;
    int m_nWidth = 0;
    int m_nPenStyle = 0;
    int m_nMode = 0;
};

// The four corners of the slanted polygon in drawing order; none for a mode
// outside 1 to 4.
std::optional<std::array<CPoint, 4>> SlantedPolygonCorners(int x1, int y1, int x2, int y2,
                                                           CPoint ptDir, int nMode);
