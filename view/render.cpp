// Painting a drawing: the figures in list order, then the grid on top.
#include "view/render.h"

#include "document/mydrevikdoc.h"
#include "platform/dc.h"
#include "view/bandpaint.h"

#include <algorithm>
#include <cmath>

CDCModes FigurePaintingModes()
{
    CDCModes modes;
    modes.nROP2 = R2_COPYPEN;
    modes.nBkMode = TRANSPARENT;
    return modes;
}

void BeginFigurePainting(CDC* pDC)
{
    pDC->SetModes(FigurePaintingModes());
}

void PaintFigures(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles)
{
    BeginFigurePainting(pDC);
    PaintFiguresFrom(pDC, pDoc, bHandles, 0, [] { return true; });
}

int PaintFiguresFrom(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst,
                     const std::function<bool()>& fnGoOn)
{
    // Two bands a thread: a thread that another program holds up leaves
    // part of its share to the others.
    const int nThreads = GetPaintThreadCount();
    if (nThreads > 1 && CanPaintInBands(pDC))
        return PaintFiguresInBands(pDC, pDoc, bHandles, nFirst, 2 * nThreads, fnGoOn);
    return PaintFiguresSerially(pDC, pDoc, bHandles, nFirst, fnGoOn);
}

int PaintFiguresSerially(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst,
                         const std::function<bool()>& fnGoOn)
{
    const int nCount = pDoc->GetVisibleCount();
    for (int i = std::max(nFirst, 0); i < nCount; ++i) {
        if (!fnGoOn())
            return i;
        CFigure* pFigure = pDoc->GetFigure(i);
        if (!pFigure)
            continue;
        pFigure->Draw(pDC);
        if (bHandles)
            pFigure->DrawHandles(pDC);
    }
    return nCount;
}

void PaintGrid(CDC* pDC, int nDotX, int nDotY, CSize sizeCanvas, COLORREF colorGrid)
{
    // A spacing of zero or less would never advance.
    if (nDotX <= 0 || nDotY <= 0)
        return;
    const int nOldRop = pDC->SetROP2(R2_MASKPENNOT);
    for (std::int64_t x = 0; x < sizeCanvas.cx; x += nDotX)
        for (std::int64_t y = 0; y < sizeCanvas.cy; y += nDotY)
            pDC->SetPixelV(int(x), int(-y), colorGrid);
    pDC->SetROP2(nOldRop);
}

QSize GetCanvasPixelSize(double dUnitsPerPixel)
{
    return QSize(int(std::ceil(kCanvasSize.cx / dUnitsPerPixel)),
                 int(std::ceil(kCanvasSize.cy / dUnitsPerPixel)));
}

QImage PaintCanvasImage(CMyDrevikDoc* pDoc, bool bGrid, bool bHandles,
                        const std::function<bool()>& fnGoOn, int* pnPainted)
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, kScreenUnitsPerPixel);
    BeginFigurePainting(&dc);
    const int nPainted = PaintFiguresFrom(&dc, pDoc, bHandles, 0, fnGoOn ? fnGoOn : [] { return true; });
    if (pnPainted)
        *pnPainted = nPainted;
    if (nPainted < pDoc->GetVisibleCount()) {
        dc.Detach();
        return QImage();
    }
    if (bGrid)
        PaintGrid(&dc, kDefaultGridSpacing, kDefaultGridSpacing, kCanvasSize, RGB(0, 0, 0));
    dc.Detach();
    return image;
}
