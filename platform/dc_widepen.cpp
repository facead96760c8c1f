#include "platform/dc_raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Narrows [*pLo, *pHi] to the x where dMin <= dA * x + dB <= dMax.
void NarrowToBand(double dA, double dB, double dMin, double dMax, double* pLo, double* pHi)
{
    if (dA == 0) {
        if (dB < dMin || dB > dMax)
            *pHi = -std::numeric_limits<double>::infinity();
        return;
    }
    double x0 = (dMin - dB) / dA, x1 = (dMax - dB) / dA;
    if (x0 > x1)
        std::swap(x0, x1);
    *pLo = std::max(*pLo, x0);
    *pHi = std::min(*pHi, x1);
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
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double dLen2 = dx * dx + dy * dy;
    if (dLen2 > 0) {
        // Points whose projection falls on the segment and whose distance
        // from its line is at most r: two bands, each linear in x.
        double dBandLo = -std::numeric_limits<double>::infinity(), dBandHi = -dBandLo;
        const double dRL = r * std::sqrt(dLen2);
        NarrowToBand(dx, -a.x() * dx + (y - a.y()) * dy, 0, dLen2, &dBandLo, &dBandHi);
        NarrowToBand(-dy, dx * (y - a.y()) + dy * a.x(), -dRL, dRL, &dBandLo, &dBandHi);
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
    const int yLo = int(std::max<double>(rectClip.top(), std::ceil(dTop - kPixelSlack)));
    const int yHi = int(std::min<double>(rectClip.bottom(), std::ceil(dBottom - kPixelSlack) - 1));
    for (int y = yLo; y <= yHi; ++y) {
        double dLo, dHi;
        if (!CapsuleRow(a, b, r, y, &dLo, &dHi))
            continue;
        const double x0 = std::max<double>(rectClip.left(), std::ceil(dLo - kPixelSlack));
        const double x1 = std::min<double>(rectClip.right(), std::ceil(dHi - kPixelSlack) - 1);
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

// The on runs of a dashed segment that come near the surface; true, with
// nothing added, when one of them covers the whole clip rectangle.
bool AddDashedSegment(QPointF a, QPointF b, double dStart, double r,
                      const std::vector<double>& vecRuns, CPixelSpans* pOn)
{
    const QPointF d = b - a;
    const double dLen = std::sqrt(d.x() * d.x() + d.y() * d.y());
    const QRectF rectNear = QRectF(pOn->ClipRect()).adjusted(-r - 2, -r - 2, r + 2, r + 2);
    double t0, t1;
    if (!ClipParameters(a, b, rectNear, &t0, &t1))
        return false;
    const double dFrom = t0 * dLen, dTo = t1 * dLen;
    // Distances are counted from this segment's start, where they stay
    // exact however long the polyline before it was. Every run's ends come
    // from its period and place in the pattern alone, never from where the
    // clip cut in: bands of one surface, clipped differently, then agree on
    // each dash to the last bit.
    std::vector<double> vecEnds{0};
    for (double dRun : vecRuns)
        vecEnds.push_back(vecEnds.back() + dRun);
    const double dPeriod = vecEnds.back();
    const double dPhase = std::fmod(dStart, dPeriod);
    // One period early: the first one's start may round either way.
    for (double k = std::floor((dFrom + dPhase) / dPeriod) - 1;; ++k) {
        const double dBase = k * dPeriod - dPhase;
        if (dBase >= dTo)
            return false;
        for (std::size_t j = 0; j + 1 < vecEnds.size(); j += 2) {
            const double dLo = std::max(dBase + vecEnds[j], dFrom);
            const double dHi = std::min(dBase + vecEnds[j + 1], dTo);
            if (dLo >= dHi)
                continue;
            const QPointF ptFrom = a + d * (dLo / dLen), ptTo = a + d * (dHi / dLen);
            if (CapsuleCoversClip(ptFrom, ptTo, r, pOn->ClipRect()))
                return true;
            AddCapsule(ptFrom, ptTo, r, pOn);
        }
    }
}

// Whether some solid segment of the polyline covers the whole clip
// rectangle, which a pen wider than the surface usually does: then the
// rows are laid once instead of again for every segment.
bool SolidPenCoversClip(const std::vector<QPointF>& vecPoints, std::size_t nSegments, double r,
                        const QRect& rectClip)
{
    const std::size_t n = vecPoints.size();
    for (std::size_t i = 0; i < nSegments; ++i) {
        const QPointF& a = vecPoints[i];
        const QPointF& b = vecPoints[(i + 1) % n];
        if (a != b && CapsuleCoversClip(a, b, r, rectClip))
            return true;
    }
    return false;
}

void FillClip(CPixelSpans* pOn)
{
    const QRect& rectClip = pOn->ClipRect();
    for (int y = rectClip.top(); y <= rectClip.bottom(); ++y)
        pOn->AddSpan(y, rectClip.left(), rectClip.right());
}

}  // namespace

void WideLinePixels(const std::vector<QPointF>& vecPoints, bool bClosed, double dWidth,
                    const std::vector<double>& vecDash, CPixelSpans* pOn)
{
    const std::size_t n = vecPoints.size();
    if (n == 0)
        return;
    const double r = dWidth / 2;
    const std::size_t nSegments = bClosed ? n : n - 1;
    const QRect& rectClip = pOn->ClipRect();
    if (vecDash.empty() && SolidPenCoversClip(vecPoints, nSegments, r, rectClip)) {
        FillClip(pOn);
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
        if (vecRuns.empty()) {
            AddCapsule(a, b, r, pOn);
        } else if (AddDashedSegment(a, b, dAlong, r, vecRuns, pOn)) {
            // A dash of a pen wider than the surface: nothing else can show.
            pOn->Clear();
            FillClip(pOn);
            return;
        }
        const QPointF d = b - a;
        dAlong += std::sqrt(d.x() * d.x() + d.y() * d.y());
    }
    if (bClosed && dAlong == 0)
        AddCapsule(vecPoints[0], vecPoints[0], r, pOn);
}
