#include "platform/dc_spans.h"

#include <algorithm>
#include <cstdint>

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
