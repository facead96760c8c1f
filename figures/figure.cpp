// CFigure: the behaviour every figure shares unless its class says otherwise.
#include "figures/figure.h"

#include "figures/figure_math.h"
#include "figures/fillbrush.h"
#include "platform/archive.h"
#include "platform/dc.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

IMPLEMENT_SERIAL(CFigure, 2)

// The slots of figurememory.cpp are aligned to 8 bytes.
static_assert(alignof(CFigure) <= 8);

namespace {

constexpr int kReach = 100;        // end-point window, strictly less than
constexpr int kHandleHalf = 100;   // handles are 200 x 200 squares
constexpr int kCrossHalf = 130;    // centre cross arm
constexpr COLORREF kCrossColor = 0x00BE5A82;

bool WithinReach(int x, int y, int ex, int ey)
{
    return std::llabs(std::int64_t(x) - ex) < kReach && std::llabs(std::int64_t(y) - ey) < kReach;
}

}  // namespace

void CFigure::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << std::int32_t(m_x1) << std::int32_t(m_y1) << std::int32_t(m_x2) << std::int32_t(m_y2)
           << std::uint32_t(m_color);
    } else {
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::uint32_t color = 0;
        ar >> x1 >> y1 >> x2 >> y2 >> color;
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        m_color = color;
    }
}

void CFigure::Draw(CDC*)
{
}

std::unique_ptr<CFigure> CFigure::CopyMoved(CSize) const
{
    return nullptr;
}

std::unique_ptr<CFigure> CFigure::CopyWithPoints(int, int, int, int) const
{
    return nullptr;
}

void CFigure::Transform(int nSumX, int nSumY, int nOp)
{
    using namespace figmath;
    switch (nOp) {
    case kMirrorX:
        m_x1 = Mirror(nSumX, m_x1);
        m_x2 = Mirror(nSumX, m_x2);
        break;
    case kMirrorY:
        m_y1 = Mirror(nSumY, m_y1);
        m_y2 = Mirror(nSumY, m_y2);
        break;
    case kZoomIn:
        m_x1 = ZoomIn(m_x1);
        m_y1 = ZoomIn(m_y1);
        m_x2 = ZoomIn(m_x2);
        m_y2 = ZoomIn(m_y2);
        break;
    case kZoomOut:
        m_x1 = ZoomOut(m_x1);
        m_y1 = ZoomOut(m_y1);
        m_x2 = ZoomOut(m_x2);
        m_y2 = ZoomOut(m_y2);
        break;
    default:
        break;
    }
}

void CFigure::DrawHandles(CDC* pDC)
{
    using namespace figmath;
    CPen pen(PS_SOLID, 26, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(Sub(m_x1, kHandleHalf), Sub(m_y1, kHandleHalf), Add(m_x1, kHandleHalf), Add(m_y1, kHandleHalf));
    pDC->Rectangle(Sub(m_x2, kHandleHalf), Sub(m_y2, kHandleHalf), Add(m_x2, kHandleHalf), Add(m_y2, kHandleHalf));
    pDC->SelectObject(pOldPen);
    if (pOldBrush)
        pDC->SelectObject(pOldBrush);
}

BOOL CFigure::HitEndPoint(int x, int y) const
{
    return WithinReach(x, y, m_x1, m_y1) || WithinReach(x, y, m_x2, m_y2);
}

CPoint CFigure::SnapEndPoint(int x, int y) const
{
    if (WithinReach(x, y, m_x1, m_y1))
        return CPoint(m_x1, m_y1);
    if (WithinReach(x, y, m_x2, m_y2))
        return CPoint(m_x2, m_y2);
    return CPoint(x, y);
}

CPoint CFigure::OppositeEndPoint(int x, int y) const
{
    if (WithinReach(x, y, m_x1, m_y1))
        return CPoint(m_x2, m_y2);
    if (WithinReach(x, y, m_x2, m_y2))
        return CPoint(m_x1, m_y1);
    return CPoint(x, y);
}

void CFigure::DrawMovedOutline(CDC* pDC, int x, int y, int xFrom, int yFrom)
{
    using namespace figmath;
    // The offset of a drag is formed in 64 bits: both points may be far apart.
    const std::int64_t dx = std::int64_t(x) - xFrom;
    const std::int64_t dy = std::int64_t(y) - yFrom;
    pDC->SetROP2(R2_NOT);
    CPen pen(PS_DOT, 26, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->MoveTo(SaturateToInt(m_x1 + dx), SaturateToInt(m_y1 + dy));
    pDC->LineTo(SaturateToInt(m_x2 + dx), SaturateToInt(m_y2 + dy));
    pDC->SelectObject(pOldPen);
}

CRect CFigure::GetBoundRect() const
{
    using namespace figmath;
    return CRect(std::min(m_x1, m_x2), std::max(m_y1, m_y2),
                 Add(std::max(m_x1, m_x2), 1), Sub(std::min(m_y1, m_y2), 1));
}

void CFigure::MakeFillBrush(int nFillStyle)
{
    CBrush brush;
    if (CreateFillBrush(brush, nFillStyle, m_color))
        KeepFillBrush(brush);
}

void CFigure::KeepFillBrush(const CBrush& brush)
{
    static std::mutex s_mutex;
    const std::lock_guard lock(s_mutex);
    const BrushData& dataOld = m_brush.GetData();
    const BrushData& dataNew = brush.GetData();
    const bool bSame = m_brush.GetSafeHandle() == brush.GetSafeHandle() && dataOld.type == dataNew.type &&
                       dataOld.color == dataNew.color && dataOld.nHatch == dataNew.nHatch &&
                       dataOld.pattern == dataNew.pattern;
    if (!bSame)
        m_brush.Set(brush);
}

void CFigure::DrawCentreCross(CDC* pDC) const
{
    using namespace figmath;
    CPen pen(PS_INSIDEFRAME, 1, kCrossColor);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_bCentre != 0 && (m_x1 != m_x2 || m_y1 != m_y2)) {
        const int cx = Mid(m_x1, m_x2);
        const int cy = Mid(m_y1, m_y2);
        pDC->MoveTo(Sub(cx, kCrossHalf), cy);
        pDC->LineTo(Add(cx, kCrossHalf), cy);
        pDC->MoveTo(cx, Sub(cy, kCrossHalf));
        pDC->LineTo(cx, Add(cy, kCrossHalf));
    }
    pDC->SelectObject(pOldPen);
}

std::unique_ptr<CFigure> CopyFigure(const CFigure& figure)
{
    return figure.CopyMoved(CSize(0, 0));
}
