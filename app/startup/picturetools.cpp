#include "app/startup/picturetools.h"

#include <cstring>

CPictureDC::CPictureDC(int nWidth, int nHeight, COLORREF colorGround)
    : m_image(nWidth, nHeight, QImage::Format_RGB32)
{
    m_image.fill(QColor(GetRValue(colorGround), GetGValue(colorGround), GetBValue(colorGround)));
    Attach(&m_image, 1.0);
}

QImage CPictureDC::TakePicture()
{
    Detach();
    return m_image;
}

CDrawObjects::CDrawObjects(CDC* pDC, COLORREF colorPen, int nPenWidth,
                           std::optional<COLORREF> colorFill, int nPenStyle)
    : m_pDC(pDC)
{
    m_pen.CreatePen(nPenStyle, nPenWidth, colorPen);
    m_pOldPen = m_pDC->SelectObject(&m_pen);
    if (colorFill) {
        m_brush.CreateSolidBrush(*colorFill);
        m_pOldBrush = m_pDC->SelectObject(&m_brush);
    } else {
        m_pOldBrush = m_pDC->SelectStockObject(NULL_BRUSH);
    }
}

CDrawObjects::~CDrawObjects()
{
    if (m_pOldBrush)
        m_pDC->SelectObject(m_pOldBrush);
    if (m_pOldPen)
        m_pDC->SelectObject(m_pOldPen);
}

void DrawLabel(CDC* pDC, int x, int y, const QString& strText, int nHeight, COLORREF color,
               LONG nWeight)
{
    LOGFONT lf;
    lf.lfHeight = -nHeight;
    lf.lfWeight = nWeight;
    std::strncpy(lf.lfFaceName, "DejaVu Sans", sizeof lf.lfFaceName - 1);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOld = pDC->SetTextColor(color);
    pDC->TextOut(x, y, strText);
    pDC->SetTextColor(colorOld);
    pDC->SetBkMode(nOldMode);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}
