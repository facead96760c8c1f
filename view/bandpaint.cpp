#include "view/bandpaint.h"

#include "document/mydrevikdoc.h"
#include "figures/floodfill.h"
#include "platform/dc.h"
#include "view/render.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <latch>
#include <memory>
#include <vector>

namespace {

// A band lower than this costs more in figures drawn again than it saves.
constexpr int kMinBandRows = 8;
// Figures handed to the bands at once: the first runs are short, so a
// time limit is asked often; later ones aim at kRunMs each.
constexpr int kFirstRun = 32;
constexpr int kLongestRun = 65536;
constexpr qint64 kRunMs = 80;

std::atomic<int> g_nPaintThreads{0};

int DefaultThreadCount()
{
    bool bOk = false;
    const int nFromEnvironment = qEnvironmentVariableIntValue("KORVADA_PAINT_THREADS", &bOk);
    if (bOk && nFromEnvironment >= 1)
        return std::min(nFromEnvironment, 256);
    return std::max(1, QThread::idealThreadCount());
}

// The bands' helpers live as long as the application, so a paint of many
// short runs (a drawing full of flood fills) does not start threads for
// each; they end with it, before Qt's per-thread font caches go.
QThreadPool& BandPool()
{
    static QPointer<QThreadPool> s_pPool;
    if (!s_pPool)
        s_pPool = new QThreadPool(QCoreApplication::instance());
    return *s_pPool;
}

bool ReadsSurface(CFigure* pFigure)
{
    return dynamic_cast<CFloodFill*>(pFigure) != nullptr;
}

void DrawFigure(CDC* pDC, CFigure* pFigure, bool bHandles)
{
    if (!pFigure)
        return;
    pFigure->Draw(pDC);
    if (bHandles)
        pFigure->DrawHandles(pDC);
}

// One band: its rows of the surface's memory and its own context.
struct Band {
    QImage image;
    CDC dc;
};

std::vector<std::unique_ptr<Band>> MakeBands(CDC* pDC, int nBands)
{
    QImage* pSurface = pDC->GetImage();
    // Detached now, once: afterwards every band writes into this memory.
    uchar* pBits = pSurface->bits();
    const qsizetype nStride = pSurface->bytesPerLine();
    const int nHeight = pSurface->height();
    std::vector<std::unique_ptr<Band>> vecBands;
    for (int b = 0; b < nBands; ++b) {
        const int nTop = int(std::int64_t(nHeight) * b / nBands);
        const int nBottom = int(std::int64_t(nHeight) * (b + 1) / nBands);
        auto pBand = std::make_unique<Band>();
        pBand->image = QImage(pBits + nTop * nStride, pSurface->width(), nBottom - nTop, nStride,
                              pSurface->format());
        // Text is measured on the band as it would be on the surface.
        pBand->image.setDevicePixelRatio(pSurface->devicePixelRatio());
        pBand->image.setDotsPerMeterX(pSurface->dotsPerMeterX());
        pBand->image.setDotsPerMeterY(pSurface->dotsPerMeterY());
        pBand->dc.AttachBand(&pBand->image, pSurface->size(), nTop, pDC->GetUnitsPerPixel());
        vecBands.push_back(std::move(pBand));
    }
    return vecBands;
}

// Figures nFirst .. nEnd - 1, every band at once; the calling thread
// takes bands like the helpers do.
void PaintRun(CDC* pDC, std::vector<std::unique_ptr<Band>>& vecBands, CMyDrevikDoc* pDoc,
              bool bHandles, int nFirst, int nEnd)
{
    for (auto& pBand : vecBands)
        pBand->dc.CopyDrawingState(*pDC);
    std::atomic<int> nNext{0};
    const int nBands = int(vecBands.size());
    auto paintBands = [&] {
        for (int b; (b = nNext.fetch_add(1)) < nBands;) {
            CDC& dc = vecBands[std::size_t(b)]->dc;
            for (int i = nFirst; i < nEnd; ++i)
                DrawFigure(&dc, pDoc->GetFigure(i), bHandles);
        }
    };
    QThreadPool& pool = BandPool();
    const int nHelpers = std::max(1, std::min(nBands, GetPaintThreadCount()) - 1);
    if (pool.maxThreadCount() < nHelpers)
        pool.setMaxThreadCount(nHelpers);
    // Shared with the helpers: the last one may still be leaving it when
    // this thread wakes.
    auto pDone = std::make_shared<std::latch>(nHelpers);
    for (int h = 0; h < nHelpers; ++h)
        pool.start([&paintBands, pDone] {
            paintBands();
            pDone->count_down();
        });
    paintBands();
    pDone->wait();
    // Every band ran the same figures from the same state, so any of them
    // holds what the last figure left.
    pDC->CopyDrawingState(vecBands.front()->dc);
    for (auto& pBand : vecBands) {
        pDC->AddTouchedRect(pBand->dc.GetTouchedRect());
        pBand->dc.ResetTouchedRect();
    }
}

// The figures from nFirst up to the next flood fill, at most nRun of them,
// fnGoOn asked before each as a paint on one thread asks it, so a limit on
// the figures stops at the same one. *pbStop tells that it said no.
int PlanRun(CMyDrevikDoc* pDoc, int nFirst, int nRun, const std::function<bool()>& fnGoOn, bool* pbStop)
{
    const int nCount = pDoc->GetVisibleCount();
    int nEnd = nFirst;
    *pbStop = false;
    while (nEnd < nCount && nEnd - nFirst < nRun && !ReadsSurface(pDoc->GetFigure(nEnd))) {
        if (!fnGoOn()) {
            *pbStop = true;
            break;
        }
        ++nEnd;
    }
    return nEnd;
}

// Runs grow while they are quick and shrink when slow, so a time limit is
// asked about every kRunMs whatever the figures cost.
int NextRunLength(int nRun, qint64 nMs)
{
    if (nMs < kRunMs / 2)
        return std::min(2 * nRun, kLongestRun);
    if (nMs > 2 * kRunMs)
        return std::max(1, nRun / 2);
    return nRun;
}

}  // namespace

int GetPaintThreadCount()
{
    const int nSet = g_nPaintThreads.load();
    if (nSet >= 1)
        return nSet;
    static const int s_nDefault = DefaultThreadCount();
    return s_nDefault;
}

void SetPaintThreadCount(int nThreads)
{
    g_nPaintThreads.store(std::max(0, nThreads));
}

bool CanPaintInBands(const CDC* pDC)
{
    return pDC && pDC->GetImage() && !pDC->IsBand() && !pDC->GetSink();
}

int PaintFiguresInBands(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst, int nBands,
                        const std::function<bool()>& fnGoOn)
{
    const int nCount = pDoc->GetVisibleCount();
    nFirst = std::max(nFirst, 0);
    if (CanPaintInBands(pDC))
        nBands = std::min(nBands, pDC->GetImage()->height() / kMinBandRows);
    if (!CanPaintInBands(pDC) || nBands <= 1 || nFirst >= nCount)
        return PaintFiguresSerially(pDC, pDoc, bHandles, nFirst, fnGoOn);
    std::vector<std::unique_ptr<Band>> vecBands = MakeBands(pDC, nBands);
    int nRun = kFirstRun;
    for (int i = nFirst; i < nCount;) {
        bool bStop = false;
        const int nEnd = PlanRun(pDoc, i, nRun, fnGoOn, &bStop);
        if (nEnd > i) {
            QElapsedTimer timer;
            timer.start();
            PaintRun(pDC, vecBands, pDoc, bHandles, i, nEnd);
            nRun = NextRunLength(nRun, timer.elapsed());
            i = nEnd;
        }
        if (bStop)
            return i;
        if (i < nCount && ReadsSurface(pDoc->GetFigure(i))) {
            // The barrier: every band is done up to here; the fill sees the
            // whole surface.
            if (!fnGoOn())
                return i;
            DrawFigure(pDC, pDoc->GetFigure(i), bHandles);
            ++i;
        }
    }
    return nCount;
}
