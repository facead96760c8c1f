// CTrigon: one SetPixel per step of the wave's parameter. The phase is tied
// to the absolute coordinate, so the wave does not start at the rectangle's
// edge but wherever cos(x / K) puts it.
#include "figures/trigon.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <algorithm>
#include <cmath>
#include <utility>

IMPLEMENT_SERIAL(CTrigon, 3)

namespace {

constexpr double kStepT = 0.005;
constexpr double kUnitsPerPitch = 25.0;

// The logical area the context's surface shows, one device pixel wider on
// every side so that no point that lands on the surface is left out.
struct ShownArea {
    double dMinX = 0;
    double dMaxX = 0;
    double dMinY = 0;
    double dMaxY = 0;
    std::int64_t nPixels = 0;
};

ShownArea GetShownArea(CDC* pDC)
{
    const int nWidth = pDC->GetDeviceCaps(HORZRES);
    const int nHeight = pDC->GetDeviceCaps(VERTRES);
    ShownArea area;
    if (nWidth <= 0 || nHeight <= 0)
        return area;
    CPoint corners[2] = {CPoint(0, 0), CPoint(nWidth, nHeight)};
    pDC->DPtoLP(corners, 2);
    const double dSpanX = std::abs(double(corners[1].x) - corners[0].x);
    const double dSpanY = std::abs(double(corners[1].y) - corners[0].y);
    const double dPixelX = dSpanX / nWidth + 1.0;
    const double dPixelY = dSpanY / nHeight + 1.0;
    area.dMinX = std::min(corners[0].x, corners[1].x) - dPixelX;
    area.dMaxX = std::max(corners[0].x, corners[1].x) + dPixelX;
    area.dMinY = std::min(corners[0].y, corners[1].y) - dPixelY;
    area.dMaxY = std::max(corners[0].y, corners[1].y) + dPixelY;
    area.nPixels = std::int64_t(nWidth) * nHeight;
    return area;
}

// The logical y range of the rows the context may change, one device pixel
// wider on each side; everything when it cannot tell.
std::pair<double, double> GetClipRows(CDC* pDC)
{
    CRect rectClip;
    const int nHeight = pDC->GetDeviceCaps(VERTRES);
    if (!pDC->GetClipBox(&rectClip) || nHeight <= 0)
        return {-HUGE_VAL, HUGE_VAL};
    CPoint corners[2] = {CPoint(0, 0), CPoint(0, nHeight)};
    pDC->DPtoLP(corners, 2);
    const double dPixelY = std::abs(double(corners[1].y) - corners[0].y) / nHeight + 1.0;
    return {std::min(rectClip.top, rectClip.bottom) - dPixelY, std::max(rectClip.top, rectClip.bottom) + dPixelY};
}

}  // namespace

CTrigon::CTrigon(int x1, int y1, int x2, int y2, COLORREF color, int nPitch, BOOL bVertical)
    : m_nPitch(nPitch), m_bVertical(bVertical)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CTrigon::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nPitch, m_bVertical);
}

void CTrigon::Draw(CDC* pDC)
{
    using figmath::TruncToInt;
    if (m_nPitch <= 0)
        return;
    COutlineScope scope(pDC, m_color, 1, PS_SOLID);
    const ShownArea area = GetShownArea(pDC);
    const double dK = kUnitsPerPitch * m_nPitch;
    const double dMinX = std::min(m_x1, m_x2);
    const double dMaxX = std::max(m_x1, m_x2);
    const double dMinY = std::min(m_y1, m_y2);
    const double dMaxY = std::max(m_y1, m_y2);
    const double dW = dMaxX - dMinX;
    const double dH = dMaxY - dMinY;
    const double dMidX = dMinX + dW * 0.5;
    const double dMidY = dMinY + dH * 0.5;

    const bool bVertical = m_bVertical != 0;
    const auto run = bVertical
        ? PlanTrigonRun(dMinY, dMaxY, dK, area.dMinY, area.dMaxY, area.nPixels)
        : PlanTrigonRun(dMinX, dMaxX, dK, area.dMinX, area.dMaxX, area.nPixels);
    if (!run)
        return;
    // A band of a paint on several threads changes only some rows: the
    // wave is planned over the whole surface as ever (so the same steps
    // are taken), but points that cannot land in the band cost no cosine.
    const auto [dBandMinY, dBandMaxY] = GetClipRows(pDC);
    if (!bVertical && (dMaxY < dBandMinY || dMinY > dBandMaxY))
        return;
    // The count only guards the loop; the plan already keeps it short.
    std::int64_t nLeft = area.nPixels + 1;
    for (double t = run->dFirst; t < run->dLast && nLeft > 0; t += run->dStep, --nLeft) {
        const double dAlong = t * dK;
        if (bVertical && (dAlong < dBandMinY || dAlong > dBandMaxY))
            continue;
        const double dAcross = bVertical ? dMidX + dW * 0.5 * std::cos(t)
                                         : dMidY + dH * 0.5 * std::cos(t);
        const double dX = bVertical ? dAcross : dAlong;
        const double dY = bVertical ? dAlong : dAcross;
        if (dX < area.dMinX || dX > area.dMaxX || dY < area.dMinY || dY > area.dMaxY)
            continue;
        pDC->SetPixel(TruncToInt(dX), TruncToInt(dY), m_color);
    }
}

std::unique_ptr<CFigure> CTrigon::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CTrigon>(Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx),
                                     Add(m_y2, offset.cy), m_color, m_nPitch, m_bVertical);
}

std::optional<TrigonRun> PlanTrigonRun(double dMin, double dMax, double dK, double dShownMin,
                                       double dShownMax, std::int64_t nMaxPoints)
{
    if (!(dK > 0) || nMaxPoints <= 0)
        return std::nullopt;
    TrigonRun run{dMin / dK, dMax / dK, kStepT};
    if (dMin < dShownMin)
        run.dFirst += std::floor((dShownMin / dK - run.dFirst) / kStepT) * kStepT;
    if (dMax > dShownMax)
        run.dLast = dShownMax / dK;
    if (!(run.dFirst < run.dLast))
        return std::nullopt;
    const double dSpan = run.dLast - run.dFirst;
    if (dSpan / kStepT > double(nMaxPoints))
        run.dStep = dSpan / double(nMaxPoints);
    return run;
}
