// Helpers for the program's own pictures (splash, About box, light bulb,
// icon), which are drawn through CDC like every drawing: one logical unit
// per pixel, so pixel (x, y) of the picture is logical (x, -y).
#pragma once

#include "platform/dc.h"
#include "platform/gdi.h"
#include "platform/types.h"

#include <QImage>
#include <QString>

#include <optional>

// A picture of the given size filled with one colour, and a context that
// draws on it one unit per pixel.
class CPictureDC : public CDC {
public:
    CPictureDC(int nWidth, int nHeight, COLORREF colorGround);
    // Ends the drawing and hands over the picture.
    QImage TakePicture();

private:
    QImage m_image;
};

// Selects a pen and a brush (none: the interior stays as it is) for as long
// as it lives, then puts the old ones back.
class CDrawObjects {
public:
    CDrawObjects(CDC* pDC, COLORREF colorPen, int nPenWidth = 1,
                 std::optional<COLORREF> colorFill = std::nullopt, int nPenStyle = PS_SOLID);
    ~CDrawObjects();
    CDrawObjects(const CDrawObjects&) = delete;
    CDrawObjects& operator=(const CDrawObjects&) = delete;

private:
    CDC* m_pDC;
    CPen m_pen;
    CBrush m_brush;
    CPen* m_pOldPen = nullptr;
    CGdiObject* m_pOldBrush = nullptr;
};

// Writes strText with its cell's top-left corner at (x, y), on a clear
// ground, in a sans-serif font nHeight units high.
void DrawLabel(CDC* pDC, int x, int y, const QString& strText, int nHeight, COLORREF color,
               LONG nWeight = FW_NORMAL);

// A line from (x1, y1) to (x2, y2) with the selected pen.
inline void DrawSegment(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}
