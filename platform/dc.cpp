#include "platform/dc.h"

#include "platform/dc_impl.h"
#include "platform/dc_raster.h"

#include <QImage>
#include <QPaintDevice>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

LONG ClampToLong(double d)
{
    if (std::isnan(d))
        return 0;
    return LONG(std::clamp(std::floor(d + 0.5), double(INT32_MIN), double(INT32_MAX)));
}

bool IsDirectFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

CDC::CDC() : m_pImpl(std::make_unique<Impl>())
{
    SelectStockObject(BLACK_PEN);
    SelectStockObject(WHITE_BRUSH);
    SelectStockObject(SYSTEM_FONT);
}

CDC::CDC(QPaintDevice* pDevice, double dUnitsPerPixel) : CDC()
{
    Attach(pDevice, dUnitsPerPixel);
}

CDC::~CDC()
{
    Detach();
}

BOOL CDC::Attach(QPaintDevice* pDevice, double dUnitsPerPixel)
{
    Detach();
    m_rectTouched = QRect();
    if (!pDevice)
        return FALSE;
    SetUnitsPerPixel(dUnitsPerPixel);
    if (pDevice->devType() == QInternal::Image) {
        QImage* pImage = static_cast<QImage*>(pDevice);
        if (pImage->isNull())
            return FALSE;
        if (!IsDirectFormat(pImage->format()))
            *pImage = pImage->convertToFormat(QImage::Format_RGB32);
        m_pImage = pImage;
        m_pDevice = pDevice;
        return TRUE;
    }
    m_pDevice = pDevice;
    if (!OpenPainter()) {
        m_pDevice = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CDC::AttachBand(QImage* pBand, QSize sizeSurface, int nTop, double dUnitsPerPixel)
{
    Detach();
    m_rectTouched = QRect();
    // The band must lie within the surface and already be in the surface's
    // direct format: converting would leave the surface's memory.
    if (!pBand || pBand->isNull() || !IsDirectFormat(pBand->format()) || nTop < 0 ||
        pBand->width() != sizeSurface.width() || nTop + pBand->height() > sizeSurface.height())
        return FALSE;
    SetUnitsPerPixel(dUnitsPerPixel);
    m_pImage = pBand;
    m_pDevice = pBand;
    m_bBand = true;
    m_nBandTop = nTop;
    m_sizeBandSurface = sizeSurface;
    return TRUE;
}

void CDC::Detach()
{
    if (m_pImpl->painter.isActive())
        m_pImpl->painter.end();
    m_pDevice = nullptr;
    m_pImage = nullptr;
    m_bBand = false;
    m_nBandTop = 0;
    m_sizeBandSurface = QSize();
}

QPainter* CDC::OpenPainter()
{
    QPainter& painter = m_pImpl->painter;
    if (painter.isActive())
        return &painter;
    if (!m_pDevice || !painter.begin(m_pDevice))
        return nullptr;
    // Pixels are placed by the context itself: no antialiasing, and no
    // scaling by the device pixel ratio on top of the context's own mapping.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform,
                           false);
    const double dRatio = m_pDevice->devicePixelRatio();
    QTransform transform;
    // A band's painter takes surface pixels, shifted onto the band's rows.
    if (m_bBand)
        transform = QTransform::fromTranslate(0, -m_nBandTop);
    if (dRatio > 0 && dRatio != 1)
        transform *= QTransform::fromScale(1 / dRatio, 1 / dRatio);
    if (!transform.isIdentity())
        painter.setWorldTransform(transform);
    return &painter;
}

void CDC::ClosePainter()
{
    // Only an image surface lets its painter go between operations.
    if (m_pImage && m_pImpl->painter.isActive())
        m_pImpl->painter.end();
}

int CDC::SetMapMode(int nMapMode)
{
    if (nMapMode != MM_TEXT && nMapMode != MM_HIMETRIC)
        return 0;
    const int nOld = m_nMapMode;
    m_nMapMode = nMapMode;
    return nOld;
}

void CDC::SetUnitsPerPixel(double dUnitsPerPixel)
{
    if (std::isfinite(dUnitsPerPixel) && dUnitsPerPixel > 1e-6 && dUnitsPerPixel < 1e9)
        m_dUnitsPerPixel = dUnitsPerPixel;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    const CPoint ptOld = m_ptViewportOrg;
    m_ptViewportOrg = CPoint(x, y);
    return ptOld;
}

double CDC::DeviceX(double x) const
{
    if (m_nMapMode == MM_TEXT)
        return m_ptViewportOrg.x + x;
    return m_ptViewportOrg.x + x / m_dUnitsPerPixel;
}

double CDC::DeviceY(double y) const
{
    if (m_nMapMode == MM_TEXT)
        return m_ptViewportOrg.y + y;
    return m_ptViewportOrg.y - y / m_dUnitsPerPixel;
}

QPointF CDC::ToDevice(double x, double y) const
{
    return QPointF(ToWholePixel(DeviceX(x)), ToWholePixel(DeviceY(y)));
}

void CDC::LPtoDP(CPoint* pPoints, int nCount) const
{
    for (int i = 0; pPoints && i < nCount; ++i) {
        const QPointF pt = ToDevice(pPoints[i].x, pPoints[i].y);
        pPoints[i] = CPoint(ClampToLong(pt.x()), ClampToLong(pt.y()));
    }
}

void CDC::LPtoDP(CRect* pRect) const
{
    if (!pRect)
        return;
    CPoint pts[2] = {pRect->TopLeft(), pRect->BottomRight()};
    LPtoDP(pts, 2);
    *pRect = CRect(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
}

void CDC::DPtoLP(CPoint* pPoints, int nCount) const
{
    for (int i = 0; pPoints && i < nCount; ++i) {
        const double dx = double(pPoints[i].x) - m_ptViewportOrg.x;
        const double dy = double(pPoints[i].y) - m_ptViewportOrg.y;
        if (m_nMapMode == MM_TEXT)
            pPoints[i] = CPoint(ClampToLong(dx), ClampToLong(dy));
        else
            pPoints[i] = CPoint(ClampToLong(dx * m_dUnitsPerPixel), ClampToLong(-dy * m_dUnitsPerPixel));
    }
}

void CDC::DPtoLP(CRect* pRect) const
{
    if (!pRect)
        return;
    CPoint pts[2] = {pRect->TopLeft(), pRect->BottomRight()};
    DPtoLP(pts, 2);
    *pRect = CRect(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
}

bool CDC::ToSurfacePixel(int x, int y, QPoint* pPixel) const
{
    const QPointF pt = ToDevice(x, y);
    const QRect rectSurface = ClipRect();
    if (pt.x() < rectSurface.left() || pt.x() > rectSurface.right() || pt.y() < rectSurface.top() ||
        pt.y() > rectSurface.bottom())
        return false;
    *pPixel = QPoint(int(pt.x()), int(pt.y()));
    return true;
}

QRect CDC::SurfaceRect() const
{
    if (m_bBand)
        return QRect(QPoint(0, 0), m_sizeBandSurface);
    if (m_pImage)
        return m_pImage->rect();
    if (!m_pDevice)
        return QRect();
    const double dRatio = m_pDevice->devicePixelRatio();
    return QRect(0, 0, int(std::lround(m_pDevice->width() * dRatio)),
                 int(std::lround(m_pDevice->height() * dRatio)));
}

QRect CDC::ClipRect() const
{
    if (m_bBand)
        return QRect(0, m_nBandTop, m_pImage->width(), m_pImage->height());
    return SurfaceRect();
}

QRgb* CDC::SurfaceRow(int y) const
{
    // bits() rather than scanLine(): it checks for sharing once, not per row.
    return reinterpret_cast<QRgb*>(m_pImage->bits() + (y - m_nBandTop) * m_pImage->bytesPerLine());
}

void CDC::Touch(const QRect& rect)
{
    m_rectTouched |= rect & ClipRect();
}

BOOL CDC::GetClipBox(CRect* pRect) const
{
    const QRect rectClip = ClipRect();
    if (!pRect || !m_pDevice || rectClip.isEmpty())
        return FALSE;
    CPoint corners[2] = {CPoint(rectClip.left(), rectClip.top()),
                         CPoint(rectClip.right() + 1, rectClip.bottom() + 1)};
    DPtoLP(corners, 2);
    *pRect = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    return TRUE;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case TECHNOLOGY: return m_nTechnology;
    case HORZRES: return SurfaceRect().width();
    case VERTRES: return SurfaceRect().height();
    case LOGPIXELSX: return m_pDevice ? m_pDevice->logicalDpiX() : 0;
    case LOGPIXELSY: return m_pDevice ? m_pDevice->logicalDpiY() : 0;
    default: return 0;
    }
}

int CDC::SetROP2(int nDrawMode)
{
    if (nDrawMode < R2_BLACK || nDrawMode > R2_WHITE)
        return 0;
    const int nOld = m_nROP2;
    m_nROP2 = nDrawMode;
    return nOld;
}

int CDC::SetBkMode(int nBkMode)
{
    if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
        return 0;
    const int nOld = m_nBkMode;
    m_nBkMode = nBkMode;
    return nOld;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF colorOld = m_colorBk;
    m_colorBk = color & 0xFFFFFF;
    return colorOld;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF colorOld = m_colorText;
    m_colorText = color & 0xFFFFFF;
    return colorOld;
}

CDCModes CDC::GetModes() const
{
    return CDCModes{m_nROP2, m_nBkMode, m_colorBk, m_colorText, m_ptCurrent};
}

// Through the setters, so a mode out of range is refused as they refuse it.
void CDC::SetModes(const CDCModes& modes)
{
    SetROP2(modes.nROP2);
    SetBkMode(modes.nBkMode);
    SetBkColor(modes.colorBk);
    SetTextColor(modes.colorText);
    MoveTo(modes.ptCurrent);
}

void CDC::CopyDrawingState(const CDC& other)
{
    m_nMapMode = other.m_nMapMode;
    m_dUnitsPerPixel = other.m_dUnitsPerPixel;
    m_ptViewportOrg = other.m_ptViewportOrg;
    m_nTechnology = other.m_nTechnology;
    m_nROP2 = other.m_nROP2;
    m_nBkMode = other.m_nBkMode;
    m_colorBk = other.m_colorBk;
    m_colorText = other.m_colorText;
    m_ptCurrent = other.m_ptCurrent;
    m_pPen = other.m_pPen;
    m_pBrush = other.m_pBrush;
    m_pFont = other.m_pFont;
    m_pen = other.m_pen;
    m_brush = other.m_brush;
    m_logFont = other.m_logFont;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen || !pPen->GetSafeHandle())
        return nullptr;
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    m_pen = pPen->GetData();
    return pOld;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (!pBrush || !pBrush->GetSafeHandle())
        return nullptr;
    CBrush* pOld = m_pBrush;
    m_pBrush = pBrush;
    m_brush = pBrush->GetData();
    return pOld;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (!pFont || !pFont->GetSafeHandle())
        return nullptr;
    CFont* pOld = m_pFont;
    m_pFont = pFont;
    m_logFont = pFont->GetLogFont();
    return pOld;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject)
        return nullptr;
    switch (pObject->GetKind()) {
    case CGdiObject::Kind::Pen: return SelectObject(static_cast<CPen*>(pObject));
    case CGdiObject::Kind::Brush: return SelectObject(static_cast<CBrush*>(pObject));
    case CGdiObject::Kind::Font: return SelectObject(static_cast<CFont*>(pObject));
    case CGdiObject::Kind::Bitmap:
        // A bitmap is drawn on through a context made over its image.
        return nullptr;
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectObject(GetStockGdiObject(nIndex));
}
