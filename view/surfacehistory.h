// Pictures of a drawing's figures at a few steps of its history, so that a
// step back repaints only the figures between the nearest kept picture and
// the new step, and a step forward only the figures it shows again, instead
// of the whole drawing. The pictures hold figures only: the grid goes on
// top of a copy each time the view shows one.
//
// Which pictures are kept: a paint towards step t offers the pictures at
// t - 1, t - 2, t - 4, ... as it passes them; a kept picture is worth its
// place by the run of figures it saves, the distance down to the next
// picture below it, against its distance from t. Going back one step at a
// time therefore finds a picture a few figures away, and each repaint lays
// a fresh ladder below its own step.
#pragma once

#include "platform/dc.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

class CSurfaceHistory {
public:
    // At most eight pictures, and at most 64 MiB for them all: on the 1024 x
    // 768 canvas that is eight pictures of 3 MiB; at twice the density, where
    // a picture takes 12 MiB, five.
    static constexpr int kMaxSnapshots = 8;
    static constexpr qsizetype kMaxSnapshotBytes = qsizetype(64) * 1024 * 1024;

    // Forgets every picture; the next ones are of this size, painted with or
    // without the handles, from the document at this revision.
    void Reset(QSize size, bool bHandles, std::uint64_t nRevision);
    // True when the current picture is of the document at nRevision, with
    // nVisible figures, at this size and with these handles.
    bool IsInStep(QSize size, bool bHandles, std::uint64_t nRevision, int nVisible) const;
    // True when the pictures are of this document revision (the current one
    // may be gone).
    bool IsOf(QSize size, bool bHandles, std::uint64_t nRevision) const;
    void SetRevision(std::uint64_t nRevision) { m_nRevision = nRevision; }

    // The current picture: the figures 0 .. GetCurrentCount() - 1, and the
    // modes the last of them left for the next.
    bool HasCurrent() const { return m_nCurrentCount >= 0; }
    int GetCurrentCount() const { return m_nCurrentCount; }
    QImage& GetCurrent() { return m_imageCurrent; }
    const QImage& GetCurrent() const { return m_imageCurrent; }
    const CDCModes& GetCurrentModes() const { return m_modesCurrent; }
    // Takes a copy of a finished paint as the current picture.
    void SetCurrent(const QImage& image, const CDCModes& modes, int nCount);
    // The caller has painted on GetCurrent() up to nCount figures.
    void SetCurrentCount(int nCount, const CDCModes& modes);

    // Keeps a copy of image as the picture after nCount figures when it is
    // worth a place while the paint goes towards nTarget; a picture that
    // would not be kept is never copied.
    void Offer(const QImage& image, const CDCModes& modes, int nCount, int nTarget);
    // Makes the current picture the nearest kept one at or below nCount, or
    // the white start with modesStart when none is.
    void RestoreAtOrBelow(int nCount, const CDCModes& modesStart);
    // The figure list changed at nIndex: pictures of more than nIndex
    // figures show what is no longer there.
    void DropAbove(int nIndex);

    // The first step at or after nFrom, and before nTarget, at which a paint
    // towards nTarget offers its picture; -1 when there is none.
    static int NextRung(int nFrom, int nTarget);

    int GetCapacity() const;
    std::vector<int> GetSnapshotCounts() const;
    qsizetype GetSnapshotBytes() const;

private:
    struct Snapshot {
        int nCount;
        QImage image;
        CDCModes modes;
    };
    // The indexes into counts (ascending) of the pictures to drop so that at
    // most GetCapacity() are left while the paint goes towards nTarget.
    std::vector<int> ChooseEvictions(std::vector<int> counts, int nTarget) const;
    void CopyInto(QImage& imageTo, const QImage& imageFrom) const;

    std::vector<Snapshot> m_snapshots;  // ascending by nCount
    QImage m_imageCurrent;
    CDCModes m_modesCurrent;
    int m_nCurrentCount = -1;
    QSize m_size;
    bool m_bHandles = false;
    std::uint64_t m_nRevision = 0;
};
