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
#include "commands/editstate.h"
#include "knuckle/knucklejoint.h"
#include "knuckle/knucklejointdlg.h"
#include "tools/dragpastestate.h"
#include "tools/interactionstate.h"
#include "tools/linetoolstate.h"
#include "tools/shapetoolstate.h"
#include "view/drawingsettings.h"
#include "view/render.h"
#include "view/surfacehistory.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>

#include <memory>

class CDocumentHint;
class CFigure;
class CMyDrevikDoc;
class QPrintPreviewWidget;
class QPrinter;

// A paint gets this long at once; past it, the rest comes in slices of
// kPaintSliceMs from the event loop, with progress shown.
constexpr int kPaintFirstSliceMs = 500;
constexpr int kPaintSliceMs = 50;
// A redraw of at least this many figures takes more than a moment even in
// bands on every core: the busy cursor shows from its start.
constexpr int kBusyCursorFigures = 20000;

class CMyDrevikView : public QAbstractScrollArea,
                      public CView,
                      public CInteractionState,
                      public CLineToolState,
                      public CShapeToolState,
                      public CEditState,
                      public CDragPasteState {
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
    // Clears the surface and paints the whole document into it. A paint
    // that takes longer than kPaintSliceMs goes on from the event loop in
    // slices, reports its progress and stops at Escape (view_slices.cpp).
    void RedrawSurface();
    // True while a paint goes on in slices.
    bool IsPainting() const { return m_nPaintNext >= 0; }
    // The next figure a paint in slices will paint.
    int GetPaintNext() const { return m_nPaintNext; }
    // How long a redraw paints at once before it goes on in slices.
    int m_nFirstSliceMs = kPaintFirstSliceMs;
    // Stops a paint in slices; what is painted stays.
    void StopPainting();
    // Whether the busy cursor shows for a paint of this view.
    bool IsBusyCursorShown() const { return m_bBusyCursor; }
    // Repaints the surface inside a rectangle of surface pixels, exactly as
    // a full repaint would leave it there, and shows that rectangle.
    void RepaintSurfaceRect(const QRect& rectDevice);
    // Asks Qt to show a rectangle of surface pixels in the viewport again.
    void ShowSurfaceRect(const QRect& rectDevice);
    // The surface pixels that a logical rectangle covers, both corners
    // included, cut to the surface.
    QRect LogicalToSurfaceRect(const CRect& rectLogical) const;
    // The kept pictures of the figures that let the history be stepped
    // without a full repaint (view_history.cpp).
    const CSurfaceHistory& GetSurfaceHistory() const { return m_history; }

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

    // Mouse and keys (tools/): the press, drag and release that make
    // figures, right-button panning and cursor-key scrolling. Points are
    // client pixels of the viewport.
    void OnLButtonDown(UINT nFlags, const QPointF& point);
    void OnMouseMove(UINT nFlags, const QPointF& point);
    void OnLButtonUp(UINT nFlags, const QPointF& point);
    void OnRButtonDown(UINT nFlags, const QPointF& point);
    void OnRButtonUp(UINT nFlags, const QPointF& point);
    // True when the key scrolled the view.
    bool OnKeyDown(int nKey, Qt::KeyboardModifiers modifiers);
    // A figure made by a tool: drawn at once, added after the step pointer,
    // and shown in the other views. The first of a pair is only added and
    // shown; the commit of the second ends the release.
    void CommitFigure(CDC* pDC, std::unique_ptr<CFigure> pFigure, UINT nTool);
    void AddFirstOfPair(CDC* pDC, std::unique_ptr<CFigure> pFigure);
    CFigure* DrawAndAdd(CDC* pDC, std::unique_ptr<CFigure> pFigure);
    // A document change during a drag waits for the release; true when
    // this one was put off.
    bool DeferUpdateWhileDragging(const CFigure* pHintFigure);
    void OnRefreshCentric();
    void OnRefreshEndLine();
    bool OnToolCommand(UINT nID);
    bool OnToolUpdate(UINT nID, CCmdUI* pCmdUI);

    // Line tools (tools/linetools.cpp, tools/measuretool.cpp).
    void PreviewSegment(CDC* pDC, CPoint ptM);
    void ReleaseSegment(CDC* pDC, const CToolRelease& release);
    void PreviewFromCentre(CDC* pDC, CPoint ptM);
    void ReleaseCentric(CDC* pDC, const CToolRelease& release);
    void ReleaseParallel(CDC* pDC, const CToolRelease& release);
    void PreviewFromChainEnd(CDC* pDC, CPoint ptM);
    void ReleaseEndLine(CDC* pDC, const CToolRelease& release);
    void PreviewFreeDraw(CDC* pDC, CPoint ptM);
    void PreviewMeasure(CDC* pDC, CPoint ptM);
    void ReleaseMeasure(CDC* pDC, const CToolRelease& release);
    void AskMeasureLabel(int dx, int dy);
    // Box previews (tools/boxpreview.cpp): the box P-A, or the square
    // around the press point while the radial toggle is on.
    void PreviewBox(CDC* pDC, CPoint ptM);
    void DrawPreviewBox(CDC* pDC, CPoint ptA);
    void ReleaseBoxBoth(CDC* pDC, const CToolRelease& release);
    // Shape tools (tools/boxtools.cpp, arctool.cpp, beziertool.cpp,
    // polygontool.cpp): one drag, or a stage per click.
    void ReleaseRectangle(CDC* pDC, const CToolRelease& release);
    void PreviewRoundRect(CDC* pDC, CPoint ptM);
    void ReleaseRoundRect(CDC* pDC, const CToolRelease& release);
    void PreviewEllipse(CDC* pDC, CPoint ptM);
    void ReleaseEllipse(CDC* pDC, const CToolRelease& release);
    void PreviewRadialCircle(CDC* pDC, CPoint ptM);
    void ReleaseRadialCircle(CDC* pDC, const CToolRelease& release);
    // The figure of the box ptA-ptB, and with concentric mode its companion
    // grown by the concentric offset; bNormalise puts the box's corners in
    // (left, top), (right, bottom) order first.
    void CommitWithCompanion(CDC* pDC, const CToolRelease& release, CPoint ptA, CPoint ptB,
                             bool bNormalise);
    void PreviewArc(CDC* pDC, CPoint ptM);
    void ReleaseArc(CDC* pDC, const CToolRelease& release);
    void PreviewBezier(CDC* pDC, CPoint ptM);
    void ReleaseBezier(CDC* pDC, const CToolRelease& release);
    void PreviewPolygon(CDC* pDC, CPoint ptM);
    void ReleasePolygon(CDC* pDC, const CToolRelease& release);
    // Text, flood fill and the rubber (tools/texttool.cpp, filltool.cpp,
    // rubbertool.cpp).
    void ReleaseText(CDC* pDC, const CToolRelease& release);
    void ReleaseFloodFill(CDC* pDC, const CToolRelease& release);
    void ReleaseRubber(CDC* pDC, const CToolRelease& release);

    // Whole-drawing commands (commands/): mirror, zoom, drag and paste
    // modes, capture, the picture copy and the replay.
    bool OnEditCommand(UINT nID);
    bool OnEditUpdate(UINT nID, CCmdUI* pCmdUI);
    void TransformVisible(int nSumX, int nSumY, int nOp);
    void OnInvertX();
    void OnInvertY();
    void OnZoomIn();
    void OnZoomOut();
    void OnDragPaste();
    void OnEditCut();
    void OnEditPaste();
    void OnResizeRotate();
    void OnUpdateDragPaste(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateResizeRotate(CCmdUI* pCmdUI);
    void OnStartCapture();
    void OnEndCapture();
    void OnUpdateStartCapture(CCmdUI* pCmdUI);
    void OnUpdateEndCapture(CCmdUI* pCmdUI);
    void OnEditCopy();
    void OnPlayAnimation();
    // What the viewport shows, pixel for pixel, at its size.
    QImage GrabClientImage() const;

    // Drag and paste and stamping with the mouse (tools/dragpaste.cpp,
    // tools/stamp.cpp).
    void SearchHit(CPoint ptP);
    CFigure* GetHitFigure();
    void PreviewDrag(CDC* pDC, CPoint ptM);
    void DropFigure(CPoint ptR);
    void StampCapture(CPoint ptP);
    void MoveCrosshair(CDC* pDC, CPoint ptM);

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

    // Knuckle-joint designer (knuckle/view_knuckle.cpp): asks for the load
    // and stresses, sizes the joint and adds its drawing.
    void GenerateKnuckleJoint();
    CKnuckleJointDlg m_dlgKnuckle;
    KnuckleDimensions m_knuckle;  // the last joint, as drawn on the canvas
    CPoint m_ptKnuckleCentre;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

signals:
    // A paint in slices has painted nDone of nTotal figures.
    void PaintProgress(int nDone, int nTotal);
    // A paint that reported progress has ended: finished, or stopped with
    // nDone of nTotal figures painted.
    void PaintEnded(bool bStopped, int nDone, int nTotal);

private slots:
    void OnReplayTick();
    void OnPaintSlice();

private:
    friend class CClientDC;

    void PreCreateWindow();
    void EnsureSurface();
    void UpdateScrollBars();
    QSizeF GetCanvasClientSize() const;
    void DrawGrid(CDC* pDC);
    void DrawCanvasBorder(CDC* pDC);
    void PaintDocument(QImage* pImage);
    void PaintSlice(int nBudgetMs);
    // Stepping the surface through the history (view_history.cpp).
    bool UpdateFromHint(const CDocumentHint& hint);
    bool IsHistoryInStep() const;
    void StepSurfaceTo(int nTarget);
    void PaintHistoryForward(int nTarget);
    void ComposeSurface(QImage* pImage);
    bool AdvanceHistoryByAdded(const CFigure* pFigure);
    void EndSlices(bool bStopped);
    void ShowBusyCursor(bool bShow);
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void BeginReplay();
    void FinishReplay();
    QPrinter* GetPrinter();
    void PrintPage(QPainter* pPainter, int nPage, const QImage& imageCanvas, double dScale);
    // The pieces of the mouse handlers (tools/).
    CPoint PreparePoint(const QPointF& point) const;
    void PreparePreviewDC(CDC* pDC);
    void WriteStatusValues(CPoint point);
    void ChooseCursor();
    CReleaseSettings TakeSettingsSnapshot();
    void PanStep(CPoint point);
    void FlushDeferredUpdate();
    QPointF ConfineToClient(const QPointF& point) const;

    std::unique_ptr<CDrawingSettings> m_pOwnSettings;  // only without the application's
    CDrawingSettings* m_pSettings = nullptr;
    QImage m_imageSurface;
    double m_dSurfaceRatio = 0.0;
    QTimer m_timerReplay;
    int m_nReplayNext = 0;
    CDCModes m_modesReplay;  // what the last replayed figure left
    // The next figure of a paint in slices; -1 when none goes on.
    int m_nPaintNext = -1;
    CDCModes m_modesPaint;  // what the last figure of the last slice left
    CSurfaceHistory m_history;
    QTimer m_timerPaint;
    QElapsedTimer m_elapsedPaint;
    bool m_bPaintReported = false;
    // The last full paint needed more than one slice.
    bool m_bPaintCostly = false;
    // This view's busy cursor is on the application's cursor stack.
    bool m_bBusyCursor = false;
    QImage m_imagePrintCanvas;
    int m_nPrintDpi = 0;
    int m_nPrintRenderDpi = 0;
    int m_nPreviewDpi = 0;
};

// The wait before each figure of an animated replay, in milliseconds, for
// a drawing of nVisible figures: shorter for long drawings.
int AnimationDelayMs(int nVisible);

// What the viewport shows beyond the right and bottom edges of the canvas.
inline const QColor kOutsideCanvas(160, 160, 160);
