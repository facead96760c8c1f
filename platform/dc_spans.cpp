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

void CPixelSpans::SortByRow()
{
    const auto before = [](const PixelSpan& a, const PixelSpan& b) {
        return a.y < b.y || (a.y == b.y && a.x0 < b.x0);
    };
    // Most shapes lay their rows top to bottom already.
    if (std::is_sorted(m_vecSpans.begin(), m_vecSpans.end(), before))
        return;
    int nTop = m_vecSpans.front().y, nBottom = nTop;
    for (const PixelSpan& span : m_vecSpans) {
        nTop = std::min(nTop, span.y);
        nBottom = std::max(nBottom, span.y);
    }
    const std::size_t nRows = std::size_t(std::int64_t(nBottom) - nTop + 1);
    // Few spans over many rows: counting rows would cost more than sorting.
    if (nRows > 4 * m_vecSpans.size()) {
        std::sort(m_vecSpans.begin(), m_vecSpans.end(), before);
        return;
    }
    // The spans are counted into their rows first and only each row's few
    // spans are sorted.
    std::vector<std::size_t> vecStart(nRows + 1, 0);
    for (const PixelSpan& span : m_vecSpans)
        ++vecStart[std::size_t(span.y - nTop) + 1];
    for (std::size_t i = 1; i < vecStart.size(); ++i)
        vecStart[i] += vecStart[i - 1];
    std::vector<PixelSpan> vecSorted(m_vecSpans.size());
    std::vector<std::size_t> vecNext(vecStart.begin(), vecStart.end() - 1);
    for (const PixelSpan& span : m_vecSpans)
        vecSorted[vecNext[std::size_t(span.y - nTop)]++] = span;
    for (std::size_t i = 0; i + 1 < vecStart.size(); ++i)
        if (vecStart[i + 1] - vecStart[i] > 1)
            std::sort(vecSorted.begin() + std::ptrdiff_t(vecStart[i]), vecSorted.begin() + std::ptrdiff_t(vecStart[i + 1]),
                      [](const PixelSpan& a, const PixelSpan& b) { return a.x0 < b.x0; });
    m_vecSpans.swap(vecSorted);
}

void CPixelSpans::Normalise()
{
    if (m_bNormal)
        return;
    if (!m_vecSpans.empty())
        SortByRow();
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
    if (m_vecSpans.empty())
        return QRect();
    int nLeft = m_vecSpans[0].x0, nRight = m_vecSpans[0].x1;
    int nTop = m_vecSpans[0].y, nBottom = nTop;
    for (const PixelSpan& span : m_vecSpans) {
        nLeft = std::min(nLeft, span.x0);
        nRight = std::max(nRight, span.x1);
        nTop = std::min(nTop, span.y);
        nBottom = std::max(nBottom, span.y);
    }
    return QRect(QPoint(nLeft, nTop), QPoint(nRight, nBottom));
}
