#include "platform/dc_raster.h"

#include "platform/types.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Device coordinates beyond this are pulled in: 2^40 keeps products of two
// differences inside 128 bits and sums exact in doubles.
constexpr double kWholeLimit = 1099511627776.0;
// Rounding slack of the half-open pixel rule in wide pens and fills.
constexpr double kEps = 1e-6;

using Int128 = __int128;

std::int64_t Whole(double d) { return std::int64_t(ToWholePixel(d)); }

// Position along a dash pattern: which run, and how much of it is left.
struct DashCursor {
    const std::vector<double>& vecRuns;
    std::size_t nRun = 0;
    double dLeft = 0;

    DashCursor(const std::vector<double>& vecPattern, double dAt) : vecRuns(vecPattern)
    {
        double dPeriod = 0;
        for (double d : vecRuns)
            dPeriod += d;
        double dPos = std::fmod(dAt, dPeriod);
        while (dPos >= vecRuns[nRun]) {
            dPos -= vecRuns[nRun];
            nRun = (nRun + 1) % vecRuns.size();
        }
        dLeft = vecRuns[nRun] - dPos;
    }
    bool IsOn() const { return nRun % 2 == 0; }
    void Next()
    {
        nRun = (nRun + 1) % vecRuns.size();
        dLeft = vecRuns[nRun];
    }
};

// Whether pixel number nStep of a chain lies on an on run of the pattern.
bool DashOn(const std::vector<std::int64_t>& vecRuns, std::int64_t nPeriod, std::int64_t nStep)
{
    std::int64_t nPos = nStep % nPeriod;
    for (std::size_t i = 0; i < vecRuns.size(); ++i) {
        if (nPos < vecRuns[i])
            return i % 2 == 0;
        nPos -= vecRuns[i];
    }
    return false;
}

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

// The x range of row y that lies within r of the segment a-b; false if none.
bool CapsuleRow(QPointF a, QPointF b, double r, double y, double* pLo, double* pHi)
{
    double dLo = std::numeric_limits<double>::infinity();
    double dHi = -dLo;
    for (const QPointF& p : {a, b}) {
        const double dy = y - p.y();
        if (std::abs(dy) <= r) {
            const double h = std::sqrt(r * r - dy * dy);
            dLo = std::min(dLo, p.x() - h);
            dHi = std::max(dHi, p.x() + h);
        }
    }
    const double dx = b.x() - a.x(), dyS = b.y() - a.y();
    const double dLen2 = dx * dx + dyS * dyS;
    if (dLen2 > 0) {
        // Points whose projection falls on the segment and whose distance
        // from its line is at most r: two bands, each linear in x.
        double dBandLo = -std::numeric_limits<double>::infinity(), dBandHi = -dBandLo;
        auto band = [&](double dA, double dB, double dMin, double dMax) {
            if (dA == 0) {
                if (dB < dMin || dB > dMax)
                    dBandHi = -std::numeric_limits<double>::infinity();
                return;
            }
            double x0 = (dMin - dB) / dA, x1 = (dMax - dB) / dA;
            if (x0 > x1)
                std::swap(x0, x1);
            dBandLo = std::max(dBandLo, x0);
            dBandHi = std::min(dBandHi, x1);
        };
        const double dRL = r * std::sqrt(dLen2);
        band(dx, -a.x() * dx + (y - a.y()) * dyS, 0, dLen2);
        band(-dyS, dx * (y - a.y()) + dyS * a.x(), -dRL, dRL);
        if (dBandLo <= dBandHi) {
            dLo = std::min(dLo, dBandLo);
            dHi = std::max(dHi, dBandHi);
        }
    }
    *pLo = dLo;
    *pHi = dHi;
    return dLo <= dHi;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double dLen2 = d.x() * d.x() + d.y() * d.y();
    double t = dLen2 > 0 ? ((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / dLen2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = a + d * t - p;
    return std::sqrt(q.x() * q.x() + q.y() * q.y());
}

// Whether the thick segment covers every pixel of the clip rectangle (the
// capsule is convex, so its corners decide).
bool CapsuleCoversClip(QPointF a, QPointF b, double r, const QRect& rectClip)
{
    const QPointF corners[] = {QPointF(rectClip.left(), rectClip.top()),
                               QPointF(rectClip.right(), rectClip.top()),
                               QPointF(rectClip.left(), rectClip.bottom()),
                               QPointF(rectClip.right(), rectClip.bottom())};
    for (const QPointF& p : corners)
        if (DistanceToSegment(p, a, b) >= r - 1)
            return false;
    return true;
}

void AddCapsule(QPointF a, QPointF b, double r, CPixelSpans* pOn)
{
    const QRect& rectClip = pOn->ClipRect();
    const double dTop = std::min(a.y(), b.y()) - r, dBottom = std::max(a.y(), b.y()) + r;
    const double dLeft = std::min(a.x(), b.x()) - r, dRight = std::max(a.x(), b.x()) + r;
    if (dBottom < rectClip.top() - 1 || dTop > rectClip.bottom() + 1 ||
        dRight < rectClip.left() - 1 || dLeft > rectClip.right() + 1)
        return;
    const int yLo = int(std::max<double>(rectClip.top(), std::ceil(dTop - kEps)));
    const int yHi = int(std::min<double>(rectClip.bottom(), std::ceil(dBottom - kEps) - 1));
    for (int y = yLo; y <= yHi; ++y) {
        double dLo, dHi;
        if (!CapsuleRow(a, b, r, y, &dLo, &dHi))
            continue;
        const double x0 = std::max<double>(rectClip.left(), std::ceil(dLo - kEps));
        const double x1 = std::min<double>(rectClip.right(), std::ceil(dHi - kEps) - 1);
        if (x0 <= x1)
            pOn->AddSpan(y, int(x0), int(x1));
    }
}

// Parameters t0 <= t1 of the part of a-b inside the rectangle; false if none.
bool ClipParameters(QPointF a, QPointF b, const QRectF& rect, double* pT0, double* pT1)
{
    double t0 = 0, t1 = 1;
    const double d[2] = {b.x() - a.x(), b.y() - a.y()};
    const double lo[2] = {rect.left() - a.x(), rect.top() - a.y()};
    const double hi[2] = {rect.right() - a.x(), rect.bottom() - a.y()};
    for (int i = 0; i < 2; ++i) {
        if (d[i] == 0) {
            if (lo[i] > 0 || hi[i] < 0)
                return false;
            continue;
        }
        double tA = lo[i] / d[i], tB = hi[i] / d[i];
        if (tA > tB)
            std::swap(tA, tB);
        t0 = std::max(t0, tA);
        t1 = std::min(t1, tB);
    }
    *pT0 = t0;
    *pT1 = t1;
    return t0 <= t1;
}

// The on runs of a dashed segment that come near the surface.
void AddDashedSegment(QPointF a, QPointF b, double dStart, double r,
                      const std::vector<double>& vecRuns, CPixelSpans* pOn)
{
    const QPointF d = b - a;
    const double dLen = std::sqrt(d.x() * d.x() + d.y() * d.y());
    const QRectF rectNear = QRectF(pOn->ClipRect()).adjusted(-r - 2, -r - 2, r + 2, r + 2);
    double t0, t1;
    if (!ClipParameters(a, b, rectNear, &t0, &t1))
        return;
    double dAt = dStart + t0 * dLen;
    const double dEnd = dStart + t1 * dLen;
    DashCursor cursor(vecRuns, dAt);
    while (dAt < dEnd) {
        const double dRunEnd = std::min(dAt + cursor.dLeft, dEnd);
        if (cursor.IsOn())
            AddCapsule(a + d * ((dAt - dStart) / dLen), a + d * ((dRunEnd - dStart) / dLen), r, pOn);
        cursor.dLeft -= dRunEnd - dAt;
        dAt = dRunEnd;
        if (cursor.dLeft <= 0)
            cursor.Next();
    }
}

}  // namespace

double ToWholePixel(double d)
{
    if (std::isnan(d))
        return 0;
    return std::floor(std::clamp(d, -kWholeLimit, kWholeLimit) + 0.5);
}

void CPixelSpans::AddSpan(int y, int x0, int x1)
{
    if (y < m_rectClip.top() || y > m_rectClip.bottom())
        return;
    x0 = std::max(x0, m_rectClip.left());
    x1 = std::min(x1, m_rectClip.right());
    if (x0 > x1)
        return;
    m_vecSpans.push_back({y, x0, x1});
    m_bNormal = false;
    // Thick curves lay many overlapping spans; merging now and then keeps
    // the list near the size of its result.
    if (m_vecSpans.size() >= m_nMergeAt) {
        Normalise();
        m_nMergeAt = std::max<std::size_t>(m_nMergeAt, 2 * m_vecSpans.size());
    }
}

void CPixelSpans::Normalise()
{
    if (m_bNormal)
        return;
    std::sort(m_vecSpans.begin(), m_vecSpans.end(), [](const PixelSpan& a, const PixelSpan& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    std::size_t nOut = 0;
    for (const PixelSpan& span : m_vecSpans) {
        if (nOut > 0) {
            PixelSpan& last = m_vecSpans[nOut - 1];
            if (last.y == span.y && std::int64_t(span.x0) <= std::int64_t(last.x1) + 1) {
                last.x1 = std::max(last.x1, span.x1);
                continue;
            }
        }
        m_vecSpans[nOut++] = span;
    }
    m_vecSpans.resize(nOut);
    m_bNormal = true;
}

void CPixelSpans::Subtract(CPixelSpans& other)
{
    Normalise();
    other.Normalise();
    const std::vector<PixelSpan>& vecCut = other.m_vecSpans;
    std::vector<PixelSpan> vecResult;
    std::size_t j = 0;
    for (const PixelSpan& span : m_vecSpans) {
        while (j < vecCut.size() &&
               (vecCut[j].y < span.y || (vecCut[j].y == span.y && vecCut[j].x1 < span.x0)))
            ++j;
        std::int64_t nFrom = span.x0;
        for (std::size_t k = j; k < vecCut.size() && vecCut[k].y == span.y && vecCut[k].x0 <= span.x1; ++k) {
            if (vecCut[k].x0 > nFrom)
                vecResult.push_back({span.y, int(nFrom), vecCut[k].x0 - 1});
            nFrom = std::max<std::int64_t>(nFrom, std::int64_t(vecCut[k].x1) + 1);
        }
        if (nFrom <= span.x1)
            vecResult.push_back({span.y, int(nFrom), span.x1});
    }
    m_vecSpans.swap(vecResult);
}

void CPixelSpans::Unite(const CPixelSpans& other)
{
    for (const PixelSpan& span : other.m_vecSpans)
        AddSpan(span.y, span.x0, span.x1);
}

QRect CPixelSpans::BoundingRect() const
{
    QRect rect;
    for (const PixelSpan& span : m_vecSpans)
        rect |= QRect(QPoint(span.x0, span.y), QPoint(span.x1, span.y));
    return rect;
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
    std::vector<std::int64_t> vecRuns;
    std::int64_t nPeriod = 0;
    for (double d : vecDash) {
        vecRuns.push_back(std::max<std::int64_t>(1, std::int64_t(d)));
        nPeriod += vecRuns.back();
    }
    const QRect& rectClip = pOn->ClipRect();
    std::int64_t nStepsBefore = 0;
    const std::size_t nSegments = bClosed ? n : n - 1;
    for (std::size_t i = 0; i < nSegments; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        const Segment seg = MakeSegment(Whole(a.x()), Whole(a.y()), Whole(b.x()), Whole(b.y()));
        if (seg.nSteps == 0)
            continue;
        std::int64_t kLo, kHi;
        if (ClipSteps(seg, rectClip, &kLo, &kHi)) {
            for (std::int64_t k = kLo; k <= kHi; ++k) {
                const std::int64_t nMaj = seg.nMaj0 + seg.nSignMaj * k;
                const std::int64_t nMin = seg.nMin0 + seg.nSignMin * seg.Across(k);
                const int x = int(seg.bXMajor ? nMaj : nMin), y = int(seg.bXMajor ? nMin : nMaj);
                const bool bOn = vecRuns.empty() || DashOn(vecRuns, nPeriod, nStepsBefore + k);
                if (bOn)
                    pOn->AddPixel(x, y);
                else if (pOff)
                    pOff->AddPixel(x, y);
            }
        }
        nStepsBefore += seg.nSteps;
    }
    if (bClosed && nStepsBefore == 0)
        pOn->AddPixel(int(std::clamp<std::int64_t>(Whole(vecPoints[0].x()), INT32_MIN, INT32_MAX)),
                      int(std::clamp<std::int64_t>(Whole(vecPoints[0].y()), INT32_MIN, INT32_MAX)));
}

void WideLinePixels(const std::vector<QPointF>& vecPoints, bool bClosed, double dWidth,
                    const std::vector<double>& vecDash, CPixelSpans* pOn)
{
    const std::size_t n = vecPoints.size();
    if (n == 0)
        return;
    const double r = dWidth / 2;
    const std::size_t nSegments = bClosed ? n : n - 1;
    const QRect& rectClip = pOn->ClipRect();
    bool bAnyLength = false;
    // A pen wider than the surface usually swallows it whole: settle that
    // first instead of laying the same rows again for every segment.
    for (std::size_t i = 0; i < nSegments; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        if (a == b)
            continue;
        bAnyLength = true;
        if (vecDash.empty() && CapsuleCoversClip(a, b, r, rectClip)) {
            for (int y = rectClip.top(); y <= rectClip.bottom(); ++y)
                pOn->AddSpan(y, rectClip.left(), rectClip.right());
            return;
        }
    }
    if (!bAnyLength) {
        if (bClosed)
            AddCapsule(vecPoints[0], vecPoints[0], r, pOn);
        return;
    }
    std::vector<double> vecRuns;
    for (double d : vecDash)
        vecRuns.push_back(d * dWidth);
    double dAlong = 0;
    for (std::size_t i = 0; i < nSegments; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        if (a == b)
            continue;
        if (vecRuns.empty())
            AddCapsule(a, b, r, pOn);
        else
            AddDashedSegment(a, b, dAlong, r, vecRuns, pOn);
        const QPointF d = b - a;
        dAlong += std::sqrt(d.x() * d.x() + d.y() * d.y());
    }
}

void PolygonPixels(const std::vector<QPointF>& vecPoints, CPixelSpans* pInside)
{
    struct Edge {
        QPointF a, b;
        double dTop, dBottom;
    };
    std::vector<Edge> vecEdges;
    const std::size_t n = vecPoints.size();
    double dMinY = std::numeric_limits<double>::infinity(), dMaxY = -dMinY;
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        dMinY = std::min(dMinY, a.y());
        dMaxY = std::max(dMaxY, a.y());
        if (a.y() != b.y())
            vecEdges.push_back({a, b, std::min(a.y(), b.y()), std::max(a.y(), b.y())});
    }
    std::sort(vecEdges.begin(), vecEdges.end(), [](const Edge& e, const Edge& f) { return e.dTop < f.dTop; });
    const QRect& rectClip = pInside->ClipRect();
    const double dFirst = std::max<double>(rectClip.top(), std::ceil(dMinY));
    const double dLast = std::min<double>(rectClip.bottom(), std::floor(dMaxY));
    std::vector<const Edge*> vecActive;
    std::vector<double> vecCross;
    std::size_t nNext = 0;
    for (double y = dFirst; y <= dLast; ++y) {
        // An edge counts on the rows from its top up to, not including, its
        // bottom, so a vertex shared by two edges is crossed once.
        while (nNext < vecEdges.size() && vecEdges[nNext].dTop <= y)
            vecActive.push_back(&vecEdges[nNext++]);
        std::erase_if(vecActive, [y](const Edge* e) { return e->dBottom <= y; });
        vecCross.clear();
        for (const Edge* e : vecActive)
            vecCross.push_back(e->a.x() + (y - e->a.y()) * (e->b.x() - e->a.x()) / (e->b.y() - e->a.y()));
        std::sort(vecCross.begin(), vecCross.end());
        for (std::size_t i = 0; i + 1 < vecCross.size(); i += 2) {
            const double x0 = std::max<double>(rectClip.left(), std::ceil(vecCross[i] - kEps));
            const double x1 = std::min<double>(rectClip.right(), std::floor(vecCross[i + 1] + kEps));
            if (x0 <= x1)
                pInside->AddSpan(int(y), int(x0), int(x1));
        }
    }
    ChainPixels(vecPoints, true, {}, pInside, nullptr);
}
