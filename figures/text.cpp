// CText: the text in its own font and colour, over whatever background the
// context's background mode gives.
#include "figures/text.h"

#include "figures/figure_math.h"
#include "platform/archive.h"
#include "platform/dc.h"

#include <cstring>

IMPLEMENT_SERIAL(CText, 3)

namespace {

constexpr std::int64_t kUnitsPerFontUnit = 26;

}  // namespace

LOGFONT GetDefaultTextFont()
{
    // 13 font units of a plain sans-serif: 338 logical units, about 3.4 mm.
    LOGFONT lf;
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    std::strncpy(lf.lfFaceName, "DejaVu Sans", sizeof lf.lfFaceName - 1);
    return lf;
}

LOGFONT GetDrawnTextFont(const LOGFONT& lf)
{
    LOGFONT lfDrawn = lf;
    lfDrawn.lfHeight = figmath::SaturateToInt(lf.lfHeight * kUnitsPerFontUnit);
    return lfDrawn;
}

CText::CText(int x1, int y1, int x2, int y2, COLORREF color, const QString& strText, LOGFONT lf)
    : m_logFont(lf), m_strText(strText)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CText::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strText;
    else
        ar >> m_strText;
}

void CText::Draw(CDC* pDC)
{
    const LOGFONT lf = GetDrawnTextFont(m_logFont);
    CFont font;
    CFont* pOldFont = nullptr;
    if (font.CreateFontIndirect(&lf))
        pOldFont = pDC->SelectObject(&font);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->SetTextColor(m_color);
    pDC->TextOut(m_x1, m_y1, m_strText);
    if (pOldBrush)
        pDC->SelectObject(pOldBrush);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

std::unique_ptr<CFigure> CText::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CText>(Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx),
                                   Add(m_y2, offset.cy), m_color, m_strText, m_logFont);
}
