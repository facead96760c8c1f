// Painting the document: the visible figures in order, the handles in drag
// and paste mode, the grid dots last; and the centre mark of the previews.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure_math.h"
#include "view/clientdc.h"

#include <cstdint>

// Paints the document into pDC. The grid belongs to the screen: printed
// pages and the print preview carry none.
void CMyDrevikView::OnDraw(CDC* pDC)
{
    pDC->SetROP2(R2_COPYPEN);
    const bool bPrinter = pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASPRINTER;
    if (bPrinter)
        DrawCanvasBorder(pDC);
    PaintFigures(pDC, GetDocument(), m_bDragPaste);
    if (m_bGridShow && !bPrinter)
        DrawGrid(pDC);
}

// On paper the canvas ends with a line on its right and bottom edges.
void CMyDrevikView::DrawCanvasBorder(CDC* pDC)
{
    CPen penDefault;
    penDefault.CreateStockObject(BLACK_PEN);
    CPen* pOldPen = pDC->SelectObject(&penDefault);
    pDC->MoveTo(m_sizeCanvas.cx, 0);
    pDC->LineTo(m_sizeCanvas.cx, -m_sizeCanvas.cy);
    pDC->LineTo(0, -m_sizeCanvas.cy);
    if (pOldPen)
        pDC->SelectObject(pOldPen);
}

// A white image of the surface's size with the whole document on it.
void CMyDrevikView::PaintDocument(QImage* pImage)
{
    pImage->fill(Qt::white);
    CDC dc(pImage, GetUnitsPerPixel());
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CMyDrevikView::RedrawSurface()
{
    if (m_imageSurface.isNull())
        return;
    PaintDocument(&m_imageSurface);
    if (m_bCaptureReady)
        m_nMoveCount = 0;  // the stamp's crosshair is gone with the rest
    viewport()->update();
}

// The cross is drawn inverted, so a second call with the same box erases it.
void CMyDrevikView::DrawCentreMark(int left, int top, int right, int bottom, int nMode)
{
    if (!GetDocument()->m_bCentre)
        return;
    const std::int64_t nHalfX = (std::int64_t(right) - left) / 2;
    const std::int64_t nHalfY = (std::int64_t(bottom) - top) / 2;
    const bool bDraw = nMode == 0   ? nHalfX != 0 && nHalfY != 0
                       : nMode == 1 ? nHalfX != 0 || nHalfY != 0
                                    : false;
    if (!bDraw)
        return;
    const int cx = figmath::SaturateToInt(left + nHalfX);
    const int cy = figmath::SaturateToInt(top + nHalfY);

    CClientDC dc(this);
    dc.SetROP2(R2_NOT);
    CPen* pOldPen = dc.SelectObject(&m_penRubber);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectStockObject(NULL_BRUSH);
    dc.MoveTo(figmath::Sub(cx, 130), cy);
    dc.LineTo(figmath::Add(cx, 130), cy);
    dc.MoveTo(cx, figmath::Sub(cy, 130));
    dc.LineTo(cx, figmath::Add(cy, 130));
    if (pOldPen)
        dc.SelectObject(pOldPen);
}
