// The view of a drawing: a scrolling window onto the fixed canvas. It keeps
// the whole canvas as a raster surface, paints the document into it through
// CDC and shows the visible part in its viewport. Its coordinate and grid
// state lives here; the mouse tools, editing commands and the knuckle-joint
// designer work inside this same object.
#pragma once

#include "platform/dc.h"
#include "platform/document.h"
#include "platform/gdi.h"
#include "platform/types.h"
#include "view/render.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>

#include <memory>

class CFigure;
class CMyDrevikDoc;
class QPrintPreviewWidget;
class QPrinter;

class CMyDrevikView : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    explicit CMyDrevikView(CMyDrevikDoc* pDoc, QWidget* pParent = nullptr);
    ~CMyDrevikView() override;

    CMyDrevikDoc* GetDocument() const;

    // Coordinates (view_coords.cpp).
    void OnInitialUpdate();
    // Screen contexts: MM_HIMETRIC with logical (0, 0) at the surface's
    // top-left pixel, since the surface holds the whole canvas.
    void OnPrepareDC(CDC* pDC) const;
    double GetUnitsPerPixel() const;
    // A viewport position (mouse) as a logical point: viewport point plus
    // scroll offset gives the surface pixel, which DPtoLP converts.
    CPoint DeviceToLogical(const QPointF& ptClient) const;
    CPoint SnapToGrid(int x, int y) const;
    CPoint SnapToGrid(CPoint pt) const { return SnapToGrid(pt.x, pt.y); }
    CPoint ToDisplayUnits(int x, int y) const;
    CPoint ToDisplayUnits(CPoint pt) const { return ToDisplayUnits(pt.x, pt.y); }
    // The factor of a display unit code; an unknown code counts as 0.01 mm.
    static double DisplayUnitFactor(int nUnits);
    QPoint GetScrollPosition() const;
    void ScrollToPosition(const QPoint& pt);
    const QImage& GetSurface() const { return m_imageSurface; }

    // Grid (view_grid.cpp).
    void ApplyGridSize(int n);
    void DrawGrid();
    void OnGridSmall();
    void OnGridMedium();
    void OnGridLarge();
    void OnGridExtraLarge();
    void OnGridSync();
    void OnGridShow();
    void OnUpdateGridSmall(CCmdUI* pCmdUI);
    void OnUpdateGridMedium(CCmdUI* pCmdUI);
    void OnUpdateGridLarge(CCmdUI* pCmdUI);
    void OnUpdateGridExtraLarge(CCmdUI* pCmdUI);
    void OnUpdateGridSync(CCmdUI* pCmdUI);
    void OnUpdateGridShow(CCmdUI* pCmdUI);
    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    // Painting (view_paint.cpp, view_update.cpp).
    void OnDraw(CDC* pDC);
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void DrawCentreMark(int left, int top, int right, int bottom, int nMode);
    // Clears the surface and paints the whole document into it.
    void RedrawSurface();
    // Repaints the surface inside a rectangle of surface pixels, exactly as
    // a full repaint would leave it there, and shows that rectangle.
    void RepaintSurfaceRect(const QRect& rectDevice);
    // Asks Qt to show a rectangle of surface pixels in the viewport again.
    void ShowSurfaceRect(const QRect& rectDevice);
    // The surface pixels that a logical rectangle covers, both corners
    // included, cut to the surface.
    QRect LogicalToSurfaceRect(const CRect& rectLogical) const;

    // Animated replay (view_animate.cpp).
    void StartAnimation();
    bool IsAnimating() const { return m_timerReplay.isActive(); }
    int GetReplayNext() const { return m_nReplayNext; }

    // Printing (view_print.cpp).
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    void OnFilePageSetup();
    // Prints the pages the printer asks for (all when it names no range).
    // A preview gets the canvas at the screen's resolution, not the
    // printer's, so that the preview's reduction keeps thin lines.
    void PrintPages(QPrinter* pPrinter, bool bPreview = false);
    void OnBeginPrinting(QPrinter* pPrinter, bool bPreview = false);
    // Lets a preview widget show this view's pages, each time at the
    // resolution its zoom shows them at.
    void ConnectPreview(QPrintPreviewWidget* pPreview);
    void OnEndPrinting();
    // The canvas as a raster printer shows it, at nDpi: border, figures, no grid.
    QImage RenderCanvasForPrint(int nDpi);

    // Coordinates and grid.
    CSize m_sizeCanvas = kCanvasSize;
    int m_nGridSize = 2;
    int m_nGridDotX = kDefaultGridSpacing;
    int m_nGridDotY = kDefaultGridSpacing;
    int m_nSnapX = kDefaultGridSpacing;
    int m_nSnapY = kDefaultGridSpacing;
    bool m_bGridSync = true;
    bool m_bGridShow = true;
    bool m_bSnap = true;
    int m_nUnits = 2;
    bool m_bCentre = true;
    COLORREF m_colorGrid = 0;
    CPen m_penRubber;
    QCursor m_hCursor;
    QString m_strClassName;

    // Printing: set before every print job.
    int m_nPageColumns = 1;
    int m_nPageRows = 1;
    int m_nPrintHorzRes = 0;
    int m_nPrintVertRes = 0;

    // Editing commands.
    bool m_bAnimate = false;
    bool m_bCapturing = false;
    bool m_bCaptureReady = false;
    int m_nCaptureFirst = 0;
    int m_nCaptureEnd = 0;
    CPoint m_ptCaptureRef = CPoint(1000, 1000);
    bool m_bDragPaste = false;
    bool m_bCutMode = false;
    bool m_bPasteMode = false;
    bool m_bResizeRotate = false;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* pEvent) override;
    bool event(QEvent* pEvent) override;

private slots:
    void OnReplayTick();

private:
    friend class CClientDC;

    void PreCreateWindow();
    void EnsureSurface();
    void UpdateScrollBars();
    QSizeF GetCanvasClientSize() const;
    void DrawGrid(CDC* pDC);
    void DrawCanvasBorder(CDC* pDC);
    void PaintDocument(QImage* pImage);
    void BeginReplay();
    void FinishReplay();
    QPrinter* GetPrinter();
    void PrintPage(QPainter* pPainter, int nPage, const QImage& imageCanvas, double dScale);

    QImage m_imageSurface;
    double m_dSurfaceRatio = 0.0;
    QTimer m_timerReplay;
    int m_nReplayNext = 0;
    QImage m_imagePrintCanvas;
    int m_nPrintDpi = 0;
    int m_nPrintRenderDpi = 0;
    int m_nPreviewDpi = 0;
};

// The wait before each figure of an animated replay, in milliseconds, for
// a drawing of nVisible figures: shorter for long drawings.
int AnimationDelayMs(int nVisible);
