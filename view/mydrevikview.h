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
#include "view/drawingsettings.h"
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
class QPrinter;

class CMyDrevikView : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    // pSettings is the application's record, shared by every view of the
    // run; without one (a view built on its own, as in tests) the view keeps
    // a record of start values for itself.
    explicit CMyDrevikView(CMyDrevikDoc* pDoc, CDrawingSettings* pSettings = nullptr,
                           QWidget* pParent = nullptr);
    ~CMyDrevikView() override;

    CMyDrevikDoc* GetDocument() const;
    // Mutable: the release of a drawing action writes the thickness back.
    CDrawingSettings& GetSettings() const { return *m_pSettings; }

    // Coordinates (view_coords.cpp).
    void OnInitialUpdate();
    // Screen contexts: MM_HIMETRIC with logical (0, 0) at the surface's
    // top-left pixel, since the surface holds the whole canvas.
    void OnPrepareDC(CDC* pDC) const;
    double GetUnitsPerPixel() const;
    // Device pixels of the surface per viewport pixel.
    double GetSurfaceRatio() const;
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
    // The size commands differ only by their code, the check marks of sync
    // and show only by the flag they show.
    template <int nSize> void OnGridSize();
    template <int nSize> void OnUpdateGridSize(CCmdUI* pCmdUI);
    template <bool CMyDrevikView::*pbFlag> void OnUpdateGridFlag(CCmdUI* pCmdUI);
    void OnGridSync();
    void OnGridShow();
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
    void PrintPages(QPrinter* pPrinter);
    void OnBeginPrinting(QPrinter* pPrinter);
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
    bool m_bDragPaste = false;

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

    std::unique_ptr<CDrawingSettings> m_pOwnSettings;  // only without the application's
    CDrawingSettings* m_pSettings = nullptr;
    QImage m_imageSurface;
    double m_dSurfaceRatio = 0.0;
    QTimer m_timerReplay;
    int m_nReplayNext = 0;
    CDCModes m_modesReplay;  // what the last replayed figure left
    QImage m_imagePrintCanvas;
    int m_nPrintDpi = 0;
    int m_nPrintRenderDpi = 0;
};

// The wait before each figure of an animated replay, in milliseconds, for
// a drawing of nVisible figures: shorter for long drawings.
int AnimationDelayMs(int nVisible);
