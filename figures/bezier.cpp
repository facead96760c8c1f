// CBezier: a curve drawn by the context from its four points.
#include "figures/bezier.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <initializer_list>

IMPLEMENT_SERIAL(CBezier, 3)

CBezier::CBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, COLORREF color,
                 int nWidth, BOOL bCentre, int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle), m_pt3(x3, y3), m_pt4(x4, y4)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
    m_bCentre = bCentre;
}

void CBezier::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_pt3.x, m_pt3.y, m_pt4.x, m_pt4.y, m_nWidth, m_bCentre, m_nPenStyle);
}

void CBezier::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    const CPoint points[4] = {CPoint(m_x1, m_y1), CPoint(m_x2, m_y2), m_pt3, m_pt4};
    pDC->PolyBezier(points, 4);
}

std::unique_ptr<CFigure> CBezier::CopyMoved(CSize offset) const
{
    using figmath::Add;
    const int dx = offset.cx;
    const int dy = offset.cy;
    return std::make_unique<CBezier>(Add(m_x1, dx), Add(m_y1, dy), Add(m_x2, dx), Add(m_y2, dy),
                                     Add(m_pt3.x, dx), Add(m_pt3.y, dy), Add(m_pt4.x, dx),
                                     Add(m_pt4.y, dy), m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

void CBezier::Transform(int nSumX, int nSumY, int nOp)
{
    using namespace figmath;
    // The two defining points go through the shared rule; the other two
    // follow it coordinate by coordinate.
    CFigure::Transform(nSumX, nSumY, nOp);
    for (CPoint* pPoint : {&m_pt3, &m_pt4}) {
        switch (nOp) {
        case kMirrorX:
            pPoint->x = Mirror(nSumX, pPoint->x);
            break;
        case kMirrorY:
            pPoint->y = Mirror(nSumY, pPoint->y);
            break;
        case kZoomIn:
            *pPoint = CPoint(ZoomIn(pPoint->x), ZoomIn(pPoint->y));
            break;
        case kZoomOut:
            *pPoint = CPoint(ZoomOut(pPoint->x), ZoomOut(pPoint->y));
            break;
        default:
            break;
        }
    }
}
