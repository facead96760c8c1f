// CPolygon: the corners are worked out from the rectangle, the mode and the
// angle from the rectangle's centre to the direction point.
#include "figures/polygon.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <cmath>

IMPLEMENT_SERIAL(CPolygon, 3)

CPolygon::CPolygon(int x1, int y1, int x2, int y2, int xDir, int yDir, COLORREF color, int nWidth,
                   int nPenStyle, int nMode)
    : m_ptDir(xDir, yDir), m_nWidth(nWidth), m_nPenStyle(nPenStyle), m_nMode(nMode)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CPolygon::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_ptDir.x, m_ptDir.y, m_nWidth, m_nPenStyle, m_nMode);
}

void CPolygon::Draw(CDC* pDC)
{
    const auto corners = SlantedPolygonCorners(m_x1, m_y1, m_x2, m_y2, m_ptDir, m_nMode);
    if (!corners)
        return;
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Polygon(corners->data(), 4);
}

std::unique_ptr<CFigure> CPolygon::CopyMoved(CSize offset) const
{
    using figmath::Add;
    const int dx = offset.cx;
    const int dy = offset.cy;
    return std::make_unique<CPolygon>(Add(m_x1, dx), Add(m_y1, dy), Add(m_x2, dx), Add(m_y2, dy),
                                      Add(m_ptDir.x, dx), Add(m_ptDir.y, dy), m_color, m_nWidth,
                                      m_nPenStyle, m_nMode);
}

std::optional<std::array<CPoint, 4>> SlantedPolygonCorners(int x1, int y1, int x2, int y2,
                                                           CPoint ptDir, int nMode)
{
    using namespace figmath;
    if (nMode < 1 || nMode > 4)
        return std::nullopt;

    // Only a rectangle drawn toward the lower left swaps its x values; the
    // y values always stay as given, so W may come out negative.
    const bool bSwap = x2 < x1 && y2 < y1;
    const int nL = bSwap ? x2 : x1;
    const int nR = bSwap ? x1 : x2;
    const int nY1 = y1;
    const int nY2 = y2;
    const double dW = double(nR) - nL;
    const double dH = double(nY1) - nY2;
    const int nMidX = Mid(nL, nR);
    const int nMidY = Mid(nY1, nY2);
    const double dTheta = std::atan2(double(ptDir.y) - nMidY, double(ptDir.x) - nMidX);
    const double c = std::cos(dTheta);
    const double s = std::sin(dTheta);

    const int nWc = TruncToInt(dW * c);
    const int nWs = TruncToInt(dW * s);
    const int nHc = TruncToInt(dH * c);
    const int nHs = TruncToInt(dH * s);
    switch (nMode) {
    case 1:
        return std::array<CPoint, 4>{CPoint(nL, nY1), CPoint(Add(nL, nWc), Add(nY1, nWs)),
                                     CPoint(Add(nL, nWc), Add(nY2, nWs)), CPoint(nL, nY2)};
    case 2:
        return std::array<CPoint, 4>{CPoint(nL, nY1), CPoint(nR, nY1),
                                     CPoint(Sub(nR, nHs), Sub(nY1, nHc)),
                                     CPoint(Sub(nL, nHs), Sub(nY1, nHc))};
    case 3:
        return std::array<CPoint, 4>{CPoint(Sub(nR, nWc), Sub(nY1, nWs)), CPoint(nR, nY1),
                                     CPoint(nR, nY2), CPoint(Sub(nR, nWc), Sub(nY2, nWs))};
    default:
        return std::array<CPoint, 4>{CPoint(Add(nL, nHs), Sub(nY2, nHc)),
                                     CPoint(Add(nR, nHs), Sub(nY2, nHc)), CPoint(nR, nY2),
                                     CPoint(nL, nY2)};
    }
}
