// The device context: every figure, preview, grid dot and printed page is
// drawn through it. It keeps one state record (objects, raster operation,
// background mode, colours, current position, mapping) and maps logical
// coordinates to device pixels itself, so text stays upright and raster
// operations see exact pixels. Antialiasing is never used: previews rely
// on drawing a shape twice with R2_NOT restoring every pixel.
#pragma once

#include "platform/gdi.h"
#include "platform/types.h"

#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class CDCSink;
struct CDCSinkState;
class CPixelSpans;
struct PixelSpan;
class QFont;
class QImage;
class QPainter;
class QPaintDevice;

// What GetPixel and SetPixel answer for a point off the surface.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Logical units (0.01 mm) per screen pixel at a device pixel ratio of 1:
// the 27195 x 20396 canvas is then 1024 x 768 pixels.
constexpr double kScreenUnitsPerPixel = 26.55844;

// The modes a context keeps from one drawing call to the next; the objects
// are not among them, since whoever selects one puts the old one back. A
// painting spread over several contexts hands these on from one to the next.
struct CDCModes {
    int nROP2 = R2_COPYPEN;
    int nBkMode = OPAQUE;
    COLORREF colorBk = RGB(255, 255, 255);
    COLORREF colorText = RGB(0, 0, 0);
    CPoint ptCurrent;
};

class CDC {
public:
    CDC();
    // Draws onto pDevice with MM_HIMETRIC at dUnitsPerPixel logical units per
    // device pixel. On a QImage every operation works; on other devices
    // (printers) everything but the pixel reads (GetPixel, ExtFloodFill).
    explicit CDC(QPaintDevice* pDevice, double dUnitsPerPixel = kScreenUnitsPerPixel);
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A QImage surface is written pixel by pixel and takes a painter only
    // for text, so several contexts may draw on one surface at a time; one
    // in a format other than 32-bit RGB is converted to RGB32. Printers and
    // other devices keep one painter for the context's life and receive the
    // same pixels, combined by the raster operation as if with white paper.
    BOOL Attach(QPaintDevice* pDevice, double dUnitsPerPixel = kScreenUnitsPerPixel);
    void Detach();
    // Draws on rows nTop .. nTop + pBand->height() - 1 of a surface of
    // sizeSurface through pBand, an image of just those rows (usually over
    // the surface's own memory). Coordinates, hatch and pattern origins and
    // dash phases stay those of the whole surface, so bands painted side by
    // side give the pixels of one paint; nothing outside the rows changes.
    // A band cannot flood fill, since a region may leave its rows.
    BOOL AttachBand(QImage* pBand, QSize sizeSurface, int nTop,
                    double dUnitsPerPixel = kScreenUnitsPerPixel);
    bool IsBand() const { return m_bBand; }
    QPaintDevice* GetDevice() const { return m_pDevice; }
    QImage* GetImage() const { return m_pImage; }

    // Mapping.
    int SetMapMode(int nMapMode);
    int GetMapMode() const { return m_nMapMode; }
    double GetUnitsPerPixel() const { return m_dUnitsPerPixel; }
    void SetUnitsPerPixel(double dUnitsPerPixel);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(CPoint pt) { return SetViewportOrg(pt.x, pt.y); }
    CPoint GetViewportOrg() const { return m_ptViewportOrg; }
    void DPtoLP(CPoint* pPoints, int nCount = 1) const;
    void DPtoLP(CRect* pRect) const;
    void LPtoDP(CPoint* pPoints, int nCount = 1) const;
    void LPtoDP(CRect* pRect) const;
    int GetDeviceCaps(int nIndex) const;
    // The logical corners of the pixels this context may change (the
    // surface, or a band's rows), as DPtoLP gives them; false without a device.
    BOOL GetClipBox(CRect* pRect) const;
    void SetTechnology(int nTechnology) { m_nTechnology = nTechnology; }

    // Modes and colours.
    int SetROP2(int nDrawMode);
    int GetROP2() const { return m_nROP2; }
    int SetBkMode(int nBkMode);
    int GetBkMode() const { return m_nBkMode; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_colorBk; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_colorText; }
    CDCModes GetModes() const;
    void SetModes(const CDCModes& modes);
    // Mapping, technology, modes and selected objects of another context:
    // what a band needs to paint on exactly where the other left off.
    void CopyDrawingState(const CDC& other);

    // Selection: returns the object selected before, or null (and keeps the
    // current object) when the object has no handle.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

    // Lines and shapes, in logical coordinates.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint pt) { return LineTo(pt.x, pt.y); }
    CPoint GetCurrentPosition() const { return m_ptCurrent; }
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    // Arc, Chord and Pie run counter-clockwise as seen on the screen (y up),
    // from where the ray from the centre through (x3, y3) meets the ellipse
    // to where the ray through (x4, y4) meets it.
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL PolyBezier(const CPoint* pPoints, int nCount);
    BOOL Polygon(const CPoint* pPoints, int nCount);

    // Pixels and text.
    COLORREF SetPixel(int x, int y, COLORREF color);
    BOOL SetPixelV(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    // The top-left corner of the text's cell lies at (x, y).
    BOOL TextOut(int x, int y, const QString& strText);
    BOOL ExtFloodFill(int x, int y, COLORREF color, UINT nFillType);

    // Block transfers, in logical coordinates of each context.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);

    // Device pixels touched since the last reset (pen widths included), so
    // a view knows which part of its surface to show again.
    QRect GetTouchedRect() const { return m_rectTouched; }
    void ResetTouchedRect() { m_rectTouched = QRect(); }
    // Adds what other contexts (the bands of one paint) touched.
    void AddTouchedRect(const QRect& rect) { m_rectTouched |= rect & SurfaceRect(); }

    // An optional listener told of every primitive drawn from now on (null:
    // none); the pixels are drawn as before.
    void SetSink(CDCSink* pSink) { m_pSink = pSink; }
    CDCSink* GetSink() const { return m_pSink; }
    CDCSinkState GetSinkState() const;

private:
    struct Impl;
    struct Ink;
    // A shape's outline in device pixels, and whether its inside is filled.
    struct DevicePath {
        std::vector<QPointF> vecPoints;
        bool bClosed = false;
        bool bFilled = false;
        double dPenWidth = 1;  // device pixels; 0 draws no outline
    };
    // The box of Rectangle, Ellipse and the arcs in device pixels: the frame
    // runs through the centres of its outermost pixels (pulled in for a wide
    // PS_INSIDEFRAME pen).
    struct DeviceFrame {
        double dLeft, dTop, dRight, dBottom;
        double dPenWidth;
    };

    // Mapping (dc.cpp).
    double DeviceX(double x) const;
    double DeviceY(double y) const;
    QPointF ToDevice(double x, double y) const;
    QRect SurfaceRect() const;
    // The pixels this context may change or read: the surface, or a band's rows.
    QRect ClipRect() const;
    // Row y of the surface in the image this context writes to.
    QRgb* SurfaceRow(int y) const;
    // The surface pixel of a logical point; false when it lies off the surface.
    bool ToSurfacePixel(int x, int y, QPoint* pPixel) const;
    void Touch(const QRect& rect);
    QPainter* OpenPainter();
    void ClosePainter();

    // Shapes (dc_shapes.cpp).
    double PenPixels() const;
    bool MakeFrame(int x1, int y1, int x2, int y2, DeviceFrame* pFrame) const;
    bool FrameMissesClip(const DeviceFrame& frame) const;
    BOOL DrawArcShape(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int nKind);

    // Painting (dc_paint.cpp).
    void DrawPath(const DevicePath& path);
    static bool MissesClip(const DevicePath& path, const QRect& rectClip);
    Ink PenInk() const;
    Ink BackInk() const;
    Ink BrushInk() const;
    void PaintSpans(CPixelSpans& spans, const Ink& ink);
    void PaintSpansOnImage(const CPixelSpans& spans, const Ink& ink);
    void PaintTileSpan(QRgb* pRow, const PixelSpan& span, const QImage& imageTile) const;
    void PaintSpansThroughPainter(const CPixelSpans& spans, const Ink& ink);

    // The pixels a flood fill painted, handed to the sink (dc_sink.cpp).
    void TellSinkOfFill(const CPixelSpans& spans);

    // Text (dc_text.cpp).
    QFont MakeFont() const;

    std::unique_ptr<Impl> m_pImpl;

    QPaintDevice* m_pDevice = nullptr;
    QImage* m_pImage = nullptr;
    int m_nMapMode = MM_HIMETRIC;
    double m_dUnitsPerPixel = kScreenUnitsPerPixel;
    CPoint m_ptViewportOrg;
    int m_nTechnology = DT_RASDISPLAY;

    int m_nROP2 = R2_COPYPEN;
    int m_nBkMode = OPAQUE;
    COLORREF m_colorBk = RGB(255, 255, 255);
    COLORREF m_colorText = RGB(0, 0, 0);
    CPoint m_ptCurrent;

    CPen* m_pPen = nullptr;
    CBrush* m_pBrush = nullptr;
    CFont* m_pFont = nullptr;
    PenData m_pen;
    BrushData m_brush;
    LOGFONT m_logFont;

    QRect m_rectTouched;
    CDCSink* m_pSink = nullptr;

    bool m_bBand = false;
    int m_nBandTop = 0;
    QSize m_sizeBandSurface;
};
