#include "platform/dc_raster.h"

#include "platform/types.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Device coordinates beyond this are pulled in: 2^40 keeps products of two
// differences inside 128 bits and sums exact in doubles.
constexpr double kWholeLimit = 1099511627776.0;

using Int128 = __int128;

std::int64_t Whole(double d) { return std::int64_t(ToWholePixel(d)); }

// A dash pattern in whole pixels, as a one-pixel pen steps along it.
struct PixelDashes {
    std::vector<std::int64_t> vecRuns;
    std::int64_t nPeriod = 0;

    explicit PixelDashes(const std::vector<double>& vecDash)
    {
        for (double d : vecDash) {
            vecRuns.push_back(std::max<std::int64_t>(1, std::int64_t(d)));
            nPeriod += vecRuns.back();
        }
    }
    // Whether pixel number nStep of a chain lies on an on run.
    bool IsOn(std::int64_t nStep) const
    {
        if (vecRuns.empty())
            return true;
        std::int64_t nPos = nStep % nPeriod;
        for (std::size_t i = 0; i < vecRuns.size(); ++i) {
            if (nPos < vecRuns[i])
                return i % 2 == 0;
            nPos -= vecRuns[i];
        }
        return false;
    }
};

// First k in [kLo, kHi] with f(k) true, for f false then true; kHi + 1 if none.
template <class F>
std::int64_t FirstTrue(std::int64_t kLo, std::int64_t kHi, F f)
{
    std::int64_t nLo = kLo, nHi = kHi + 1;
    while (nLo < nHi) {
        const std::int64_t nMid = nLo + (nHi - nLo) / 2;
        if (f(nMid))
            nHi = nMid;
        else
            nLo = nMid + 1;
    }
    return nLo;
}

// Pixel k of the segment: along the major axis one pixel per step, across
// it the nearest pixel to the true line (halves rounded up).
struct Segment {
    std::int64_t nMaj0, nMin0, nSignMaj, nSignMin, nSteps, nDMin;
    bool bXMajor;

    std::int64_t Across(std::int64_t k) const
    {
        return std::int64_t((Int128(2) * k * nDMin + nSteps) / (Int128(2) * nSteps));
    }
};

// The steps of a segment that land inside the clip rectangle.
bool ClipSteps(const Segment& seg, const QRect& rectClip, std::int64_t* pLo, std::int64_t* pHi)
{
    const std::int64_t nMajLo = seg.bXMajor ? rectClip.left() : rectClip.top();
    const std::int64_t nMajHi = seg.bXMajor ? rectClip.right() : rectClip.bottom();
    const std::int64_t nMinLo = seg.bXMajor ? rectClip.top() : rectClip.left();
    const std::int64_t nMinHi = seg.bXMajor ? rectClip.bottom() : rectClip.right();
    std::int64_t kLo = 0, kHi = seg.nSteps - 1;
    if (seg.nSignMaj > 0) {
        kLo = std::max(kLo, nMajLo - seg.nMaj0);
        kHi = std::min(kHi, nMajHi - seg.nMaj0);
    } else {
        kLo = std::max(kLo, seg.nMaj0 - nMajHi);
        kHi = std::min(kHi, seg.nMaj0 - nMajLo);
    }
    if (kLo > kHi)
        return false;
    // Across the major axis the offset only grows, so the limits are found
    // by bisection rather than by walking the steps off the surface.
    const std::int64_t nNeedLo = seg.nSignMin > 0 ? nMinLo - seg.nMin0 : seg.nMin0 - nMinHi;
    const std::int64_t nNeedHi = seg.nSignMin > 0 ? nMinHi - seg.nMin0 : seg.nMin0 - nMinLo;
    const std::int64_t kFirst = FirstTrue(kLo, kHi, [&](std::int64_t k) { return seg.Across(k) >= nNeedLo; });
    const std::int64_t kAfter = FirstTrue(kLo, kHi, [&](std::int64_t k) { return seg.Across(k) > nNeedHi; });
    *pLo = kFirst;
    *pHi = kAfter - 1;
    return *pLo <= *pHi;
}

Segment MakeSegment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
{
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    Segment seg;
    seg.bXMajor = std::abs(dx) >= std::abs(dy);
    seg.nMaj0 = seg.bXMajor ? x0 : y0;
    seg.nMin0 = seg.bXMajor ? y0 : x0;
    const std::int64_t dMaj = seg.bXMajor ? dx : dy;
    const std::int64_t dMin = seg.bXMajor ? dy : dx;
    seg.nSignMaj = dMaj < 0 ? -1 : 1;
    seg.nSignMin = dMin < 0 ? -1 : 1;
    seg.nSteps = std::abs(dMaj);
    seg.nDMin = std::abs(dMin);
    return seg;
}

// The pixels of one segment that land on the surface; nStepsBefore is how
// many pixels of the chain came before it, for the dashes.
void AddSegmentPixels(const Segment& seg, const PixelDashes& dashes, std::int64_t nStepsBefore,
                      CPixelSpans* pOn, CPixelSpans* pOff)
{
    std::int64_t kLo, kHi;
    if (!ClipSteps(seg, pOn->ClipRect(), &kLo, &kHi))
        return;
    for (std::int64_t k = kLo; k <= kHi; ++k) {
        const std::int64_t nMaj = seg.nMaj0 + seg.nSignMaj * k;
        const std::int64_t nMin = seg.nMin0 + seg.nSignMin * seg.Across(k);
        const int x = int(seg.bXMajor ? nMaj : nMin), y = int(seg.bXMajor ? nMin : nMaj);
        if (dashes.IsOn(nStepsBefore + k))
            pOn->AddPixel(x, y);
        else if (pOff)
            pOff->AddPixel(x, y);
    }
}

struct Edge {
    QPointF a, b;
    double dTop, dBottom;
};

// The edges of a polygon that are not level, top first.
std::vector<Edge> SlopedEdges(const std::vector<QPointF>& vecPoints)
{
    std::vector<Edge> vecEdges;
    const std::size_t n = vecPoints.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        if (a.y() != b.y())
            vecEdges.push_back({a, b, std::min(a.y(), b.y()), std::max(a.y(), b.y())});
    }
    std::sort(vecEdges.begin(), vecEdges.end(), [](const Edge& e, const Edge& f) { return e.dTop < f.dTop; });
    return vecEdges;
}

// Row y between pairs of crossings of the edges that span it.
void AddRowInside(double y, const std::vector<const Edge*>& vecActive, std::vector<double>& vecCross,
                  CPixelSpans* pInside)
{
    const QRect& rectClip = pInside->ClipRect();
    vecCross.clear();
    for (const Edge* e : vecActive)
        vecCross.push_back(e->a.x() + (y - e->a.y()) * (e->b.x() - e->a.x()) / (e->b.y() - e->a.y()));
    std::sort(vecCross.begin(), vecCross.end());
    for (std::size_t i = 0; i + 1 < vecCross.size(); i += 2) {
        const double x0 = std::max<double>(rectClip.left(), std::ceil(vecCross[i] - kPixelSlack));
        const double x1 = std::min<double>(rectClip.right(), std::floor(vecCross[i + 1] + kPixelSlack));
        if (x0 <= x1)
            pInside->AddSpan(int(y), int(x0), int(x1));
    }
}

}  // namespace

double ToWholePixel(double d)
{
    if (std::isnan(d))
        return 0;
    return std::floor(std::clamp(d, -kWholeLimit, kWholeLimit) + 0.5);
}

std::vector<double> DashPattern(int nStyle)
{
    switch (nStyle) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

void ChainPixels(const std::vector<QPointF>& vecPoints, bool bClosed,
                 const std::vector<double>& vecDash, CPixelSpans* pOn, CPixelSpans* pOff)
{
    const std::size_t n = vecPoints.size();
    if (n == 0)
        return;
    const PixelDashes dashes(vecDash);
    std::int64_t nStepsBefore = 0;
    const std::size_t nSegments = bClosed ? n : n - 1;
    for (std::size_t i = 0; i < nSegments; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        const Segment seg = MakeSegment(Whole(a.x()), Whole(a.y()), Whole(b.x()), Whole(b.y()));
        if (seg.nSteps == 0)
            continue;
        AddSegmentPixels(seg, dashes, nStepsBefore, pOn, pOff);
        nStepsBefore += seg.nSteps;
    }
    if (bClosed && nStepsBefore == 0)
        pOn->AddPixel(int(std::clamp<std::int64_t>(Whole(vecPoints[0].x()), INT32_MIN, INT32_MAX)),
                      int(std::clamp<std::int64_t>(Whole(vecPoints[0].y()), INT32_MIN, INT32_MAX)));
}

void PolygonPixels(const std::vector<QPointF>& vecPoints, CPixelSpans* pInside)
{
    const std::vector<Edge> vecEdges = SlopedEdges(vecPoints);
    const QRect& rectClip = pInside->ClipRect();
    std::vector<const Edge*> vecActive;
    std::vector<double> vecCross;
    std::size_t nNext = 0;
    for (double y = rectClip.top(); y <= rectClip.bottom(); ++y) {
        // An edge counts on the rows from its top up to, not including, its
        // bottom, so a vertex shared by two edges is crossed once.
        while (nNext < vecEdges.size() && vecEdges[nNext].dTop <= y)
            vecActive.push_back(&vecEdges[nNext++]);
        std::erase_if(vecActive, [y](const Edge* e) { return e->dBottom <= y; });
        if (vecActive.empty() && nNext == vecEdges.size())
            break;
        AddRowInside(y, vecActive, vecCross, pInside);
    }
    ChainPixels(vecPoints, true, {}, pInside, nullptr);
}
