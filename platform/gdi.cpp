#include "platform/gdi.h"

#include <cstring>

// A bitmap larger than this many pixels is refused: a damaged size must not
// allocate gigabytes.
constexpr std::int64_t kMaxBitmapPixels = std::int64_t(1) << 26;

BOOL CGdiObject::DeleteObject()
{
    if (!m_bHandle || m_bStock)
        return FALSE;
    m_bHandle = false;
    return TRUE;
}

BOOL CPen::CreatePen(int nStyle, int nWidth, COLORREF color)
{
    if (nStyle < PS_SOLID || nStyle > PS_INSIDEFRAME)
        return FALSE;
    m_data.nStyle = nStyle;
    m_data.nWidth = nWidth;
    m_data.color = color & 0xFFFFFF;
    m_bHandle = true;
    return TRUE;
}

BOOL CPen::CreateStockObject(int nIndex)
{
    switch (nIndex) {
    case BLACK_PEN: return CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    case WHITE_PEN: return CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    case NULL_PEN: return CreatePen(PS_NULL, 0, RGB(0, 0, 0));
    default: return FALSE;
    }
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    m_data = BrushData();
    m_data.type = BrushData::Type::Solid;
    m_data.color = color & 0xFFFFFF;
    m_bHandle = true;
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF color)
{
    if (nIndex < HS_HORIZONTAL || nIndex > HS_DIAGCROSS)
        return FALSE;
    m_data = BrushData();
    m_data.type = BrushData::Type::Hatch;
    m_data.color = color & 0xFFFFFF;
    m_data.nHatch = nIndex;
    m_bHandle = true;
    return TRUE;
}

BOOL CBrush::CreatePatternBrush(const CBitmap* pBitmap)
{
    if (!pBitmap || !pBitmap->GetSafeHandle() || pBitmap->GetImage().isNull())
        return FALSE;
    m_data = BrushData();
    m_data.type = BrushData::Type::Pattern;
    // Painting reads the tile pixel by pixel, so keep it in one plain format.
    m_data.pattern = pBitmap->GetImage().convertToFormat(QImage::Format_RGB32);
    m_bHandle = true;
    return TRUE;
}

BOOL CBrush::CreateStockObject(int nIndex)
{
    switch (nIndex) {
    case WHITE_BRUSH: return CreateSolidBrush(RGB(255, 255, 255));
    case BLACK_BRUSH: return CreateSolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH:
        m_data = BrushData();
        m_bHandle = true;
        return TRUE;
    default: return FALSE;
    }
}

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return FALSE;
    m_logFont = *pLogFont;
    // The face name may come from a file: make sure it ends inside its buffer.
    m_logFont.lfFaceName[sizeof(m_logFont.lfFaceName) - 1] = '\0';
    m_bHandle = true;
    return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, const char* lpszFacename)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = cStrikeOut;
    lf.lfCharSet = nCharSet;
    lf.lfOutPrecision = nOutPrecision;
    lf.lfClipPrecision = nClipPrecision;
    lf.lfQuality = nQuality;
    lf.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFacename)
        std::strncpy(lf.lfFaceName, lpszFacename, sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateStockObject(int nIndex)
{
    if (nIndex != SYSTEM_FONT)
        return FALSE;
    const LOGFONT lf;  // height 0: the device context's default size and face
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0 || std::int64_t(nWidth) * nHeight > kMaxBitmapPixels)
        return FALSE;
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    if (image.isNull())
        return FALSE;
    image.fill(0xFF000000u);
    m_image = image;
    m_bHandle = true;
    return TRUE;
}

BOOL CBitmap::Attach(const QImage& image)
{
    if (image.isNull())
        return FALSE;
    m_image = image;
    m_bHandle = true;
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    if (!CGdiObject::DeleteObject())
        return FALSE;
    m_image = QImage();
    return TRUE;
}

CGdiObject* GetStockGdiObject(int nIndex)
{
    // Made on first use and kept for the whole run, like the platform's own.
    static CPen s_penBlack, s_penWhite, s_penNull;
    static CBrush s_brushWhite, s_brushBlack, s_brushNull;
    static CFont s_fontSystem;
    static const bool s_bMade = [] {
        s_penBlack.CreateStockObject(BLACK_PEN);
        s_penWhite.CreateStockObject(WHITE_PEN);
        s_penNull.CreateStockObject(NULL_PEN);
        s_brushWhite.CreateStockObject(WHITE_BRUSH);
        s_brushBlack.CreateStockObject(BLACK_BRUSH);
        s_brushNull.CreateStockObject(NULL_BRUSH);
        s_fontSystem.CreateStockObject(SYSTEM_FONT);
        for (CGdiObject* pObject : std::initializer_list<CGdiObject*>{
                 &s_penBlack, &s_penWhite, &s_penNull, &s_brushWhite, &s_brushBlack,
                 &s_brushNull, &s_fontSystem})
            pObject->m_bStock = true;
        return true;
    }();
    (void)s_bMade;
    switch (nIndex) {
    case BLACK_PEN: return &s_penBlack;
    case WHITE_PEN: return &s_penWhite;
    case NULL_PEN: return &s_penNull;
    case WHITE_BRUSH: return &s_brushWhite;
    case BLACK_BRUSH: return &s_brushBlack;
    case NULL_BRUSH: return &s_brushNull;
    case SYSTEM_FONT: return &s_fontSystem;
    default: return nullptr;
    }
}
