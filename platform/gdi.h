// Drawing objects: pens, brushes, fonts and bitmaps. Each holds a value
// description; a device context copies the description when the object is
// selected, so a context never reads an object that was already destroyed.
#pragma once

#include "platform/types.h"

#include <QImage>
#include <QRgb>
#include <QString>

// 0x00BBGGRR to an opaque Qt colour and back.
inline QRgb ToRgb(COLORREF color)
{
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}
inline COLORREF ToColorRef(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

class CDC;

class CGdiObject {
public:
    enum class Kind { Pen, Brush, Font, Bitmap };

    virtual ~CGdiObject() = default;
    virtual Kind GetKind() const = 0;
    // True when the object was created successfully and not deleted since.
    bool GetSafeHandle() const { return m_bHandle; }
    virtual BOOL DeleteObject();

protected:
    bool m_bHandle = false;
    // Stock objects live for the whole run and refuse to be deleted.
    bool m_bStock = false;
    friend CGdiObject* GetStockGdiObject(int nIndex);
};

// The shared stock pen, brush or font of an index (BLACK_PEN, NULL_BRUSH,
// SYSTEM_FONT ...); null for an unknown index.
CGdiObject* GetStockGdiObject(int nIndex);

struct PenData {
    int nStyle = PS_SOLID;
    std::int64_t nWidth = 0;  // logical units; 0 means one device pixel
    COLORREF color = 0;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, COLORREF color) { CreatePen(nStyle, nWidth, color); }
    Kind GetKind() const override { return Kind::Pen; }
    // Fails (no handle) for a style outside PS_SOLID .. PS_INSIDEFRAME.
    BOOL CreatePen(int nStyle, int nWidth, COLORREF color);
    BOOL CreateStockObject(int nIndex);
    const PenData& GetData() const { return m_data; }

private:
    PenData m_data;
};

struct BrushData {
    enum class Type { Null, Solid, Hatch, Pattern };
    Type type = Type::Null;
    COLORREF color = 0;
    int nHatch = 0;
    QImage pattern;  // Pattern: the tile, aligned to the surface's pixel grid
};

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    Kind GetKind() const override { return Kind::Brush; }
    BOOL CreateSolidBrush(COLORREF color);
    // Fails for a hatch index outside HS_HORIZONTAL .. HS_DIAGCROSS.
    BOOL CreateHatchBrush(int nIndex, COLORREF color);
    BOOL CreatePatternBrush(const CBitmap* pBitmap);
    BOOL CreateStockObject(int nIndex);
    const BrushData& GetData() const { return m_data; }

private:
    BrushData m_data;
};

class CFont : public CGdiObject {
public:
    CFont() = default;
    Kind GetKind() const override { return Kind::Font; }
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, const char* lpszFacename);
    BOOL CreateStockObject(int nIndex);
    const LOGFONT& GetLogFont() const { return m_logFont; }

private:
    LOGFONT m_logFont;
};

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    Kind GetKind() const override { return Kind::Bitmap; }
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL Attach(const QImage& image);
    const QImage& GetImage() const { return m_image; }
    QImage& GetImage() { return m_image; }
    BOOL DeleteObject() override;

private:
    QImage m_image;
};
