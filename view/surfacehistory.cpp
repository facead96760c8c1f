#include "view/surfacehistory.h"

#include <algorithm>
#include <cstring>
#include <limits>

void CSurfaceHistory::Reset(QSize size, bool bHandles, std::uint64_t nRevision)
{
    m_snapshots.clear();
    m_nCurrentCount = -1;
    if (m_size != size)
        m_imageCurrent = QImage();
    m_size = size;
    m_bHandles = bHandles;
    m_nRevision = nRevision;
}

bool CSurfaceHistory::IsOf(QSize size, bool bHandles, std::uint64_t nRevision) const
{
    return size == m_size && bHandles == m_bHandles && nRevision == m_nRevision;
}

bool CSurfaceHistory::IsInStep(QSize size, bool bHandles, std::uint64_t nRevision, int nVisible) const
{
    return HasCurrent() && m_nCurrentCount == nVisible && IsOf(size, bHandles, nRevision);
}

void CSurfaceHistory::SetCurrent(const QImage& image, const CDCModes& modes, int nCount)
{
    if (image.size() != m_size)
        return;
    CopyInto(m_imageCurrent, image);
    SetCurrentCount(nCount, modes);
}

void CSurfaceHistory::SetCurrentCount(int nCount, const CDCModes& modes)
{
    m_nCurrentCount = nCount;
    m_modesCurrent = modes;
}

// A picture is worth the figures it saves a step back from nTarget: the
// run down to the picture below it, against how far above it nTarget lies.
// Pictures above nTarget save nothing; one at nTarget saves every figure
// between it and the pictures below.
std::vector<int> CSurfaceHistory::ChooseEvictions(std::vector<int> counts, int nTarget) const
{
    std::vector<int> evicted;
    const auto worth = [&](std::size_t i) {
        if (counts[i] > nTarget)
            return -1.0;
        if (counts[i] == nTarget)
            return std::numeric_limits<double>::infinity();
        const int nBelow = i > 0 ? counts[i - 1] : 0;
        return double(counts[i] - nBelow) / double(nTarget - counts[i]);
    };
    while (int(counts.size()) > GetCapacity()) {
        // On equal worth the picture farther below nTarget goes first.
        std::size_t nWorst = 0;
        for (std::size_t i = 1; i < counts.size(); ++i)
            if (worth(i) < worth(nWorst))
                nWorst = i;
        evicted.push_back(counts[nWorst]);
        counts.erase(counts.begin() + std::ptrdiff_t(nWorst));
    }
    return evicted;
}

void CSurfaceHistory::Offer(const QImage& image, const CDCModes& modes, int nCount, int nTarget)
{
    if (nCount <= 0 || image.size() != m_size)
        return;
    std::vector<int> counts = GetSnapshotCounts();
    if (std::binary_search(counts.begin(), counts.end(), nCount))
        return;
    counts.insert(std::upper_bound(counts.begin(), counts.end(), nCount), nCount);
    const std::vector<int> evicted = ChooseEvictions(counts, nTarget);
    for (int nGone : evicted)
        std::erase_if(m_snapshots, [nGone](const Snapshot& snapshot) { return snapshot.nCount == nGone; });
    if (std::find(evicted.begin(), evicted.end(), nCount) != evicted.end())
        return;
    const auto it = std::upper_bound(m_snapshots.begin(), m_snapshots.end(), nCount,
                                     [](int n, const Snapshot& snapshot) { return n < snapshot.nCount; });
    // A deep copy: the image may still be painted on.
    m_snapshots.insert(it, Snapshot{nCount, image.copy(), modes});
}

void CSurfaceHistory::RestoreAtOrBelow(int nCount, const CDCModes& modesStart)
{
    const Snapshot* pBest = nullptr;
    for (const Snapshot& snapshot : m_snapshots)
        if (snapshot.nCount <= nCount)
            pBest = &snapshot;
    if (pBest) {
        CopyInto(m_imageCurrent, pBest->image);
        SetCurrentCount(pBest->nCount, pBest->modes);
        return;
    }
    if (m_imageCurrent.size() != m_size)
        m_imageCurrent = QImage(m_size, QImage::Format_RGB32);
    m_imageCurrent.fill(Qt::white);
    SetCurrentCount(0, modesStart);
}

void CSurfaceHistory::DropAbove(int nIndex)
{
    std::erase_if(m_snapshots, [nIndex](const Snapshot& snapshot) { return snapshot.nCount > nIndex; });
    if (m_nCurrentCount > nIndex)
        m_nCurrentCount = -1;
}

int CSurfaceHistory::NextRung(int nFrom, int nTarget)
{
    // The rungs nTarget - 1, - 2, - 4, ... descend; the lowest one at or
    // above nFrom is the next the paint reaches.
    int nNext = -1;
    for (std::int64_t nDown = 1; nTarget - nDown >= std::max(nFrom, 1); nDown *= 2)
        nNext = int(nTarget - nDown);
    return nNext;
}

int CSurfaceHistory::GetCapacity() const
{
    const qsizetype nBytes = qsizetype(m_size.width()) * m_size.height() * 4;
    if (nBytes <= 0)
        return kMaxSnapshots;
    return int(std::clamp<qsizetype>(kMaxSnapshotBytes / nBytes, 1, kMaxSnapshots));
}

std::vector<int> CSurfaceHistory::GetSnapshotCounts() const
{
    std::vector<int> counts;
    for (const Snapshot& snapshot : m_snapshots)
        counts.push_back(snapshot.nCount);
    return counts;
}

qsizetype CSurfaceHistory::GetSnapshotBytes() const
{
    qsizetype nBytes = 0;
    for (const Snapshot& snapshot : m_snapshots)
        nBytes += snapshot.image.sizeInBytes();
    return nBytes;
}

// Into the buffer imageTo already has when it fits, so stepping back and
// forth does not allocate a new picture each time.
void CSurfaceHistory::CopyInto(QImage& imageTo, const QImage& imageFrom) const
{
    if (imageTo.size() != imageFrom.size() || imageTo.format() != imageFrom.format()) {
        imageTo = imageFrom.copy();
        return;
    }
    std::memcpy(imageTo.bits(), imageFrom.constBits(), std::size_t(imageFrom.sizeInBytes()));
}
