// CMeasure: line, label, then the two arrowheads, all with one thin pen.
#include "figures/measure.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "platform/archive.h"
#include "platform/dc.h"

#include <cmath>

IMPLEMENT_SERIAL(CMeasure, 3)

namespace {

constexpr int kLabelHeight = 340;
constexpr int kLabelWidth = 140;
constexpr int kLabelWeight = 200;
constexpr std::int64_t kLabelUnitsPerChar = 70;
constexpr int kLabelRise = 160;

void DrawSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

}  // namespace

CMeasure::CMeasure(int x1, int y1, int x2, int y2, COLORREF color, int nPenStyle, int nWidth,
                   const QString& strText)
    : m_nPenStyle(nPenStyle), m_nWidth(nWidth), m_strText(strText)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CMeasure::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText;
    } else {
        ar >> m_strText;
        m_nPenStyle = PS_SOLID;
    }
    SerializeInt32Fields(ar, m_nWidth);
}

void CMeasure::Draw(CDC* pDC)
{
    CPen pen;
    pen.CreatePen(m_nPenStyle, 1, m_color);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const CPoint ptFirst(m_x1, m_y1);
    const CPoint ptSecond(m_x2, m_y2);
    DrawSegment(pDC, ptFirst, ptSecond);

    // The label sits on a box in the background colour, then later drawing
    // of this figure goes back to a see-through background.
    const CPoint ptLabel = GetMeasureLabelOrigin(m_x1, m_y1, m_x2, m_y2, m_strText.size());
    pDC->SetTextColor(m_color);
    pDC->SetBkMode(OPAQUE);
    CFont font;
    font.CreateFont(kLabelHeight, kLabelWidth, 0, 0, kLabelWeight, TRUE, FALSE, FALSE, 0, 0, 0, 0,
                    0, nullptr);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->TextOut(ptLabel.x, ptLabel.y, m_strText);
    pDC->SetBkMode(TRANSPARENT);

    const MeasureArrowCorners arrows = GetMeasureArrowCorners(m_x1, m_y1, m_x2, m_y2);
    DrawSegment(pDC, ptFirst, arrows.ptA);
    DrawSegment(pDC, ptFirst, arrows.ptB);
    DrawSegment(pDC, arrows.ptA, arrows.ptB);
    DrawSegment(pDC, ptSecond, arrows.ptC);
    DrawSegment(pDC, ptSecond, arrows.ptD);
    DrawSegment(pDC, arrows.ptD, arrows.ptC);

    if (pOldPen)
        pDC->SelectObject(pOldPen);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

std::unique_ptr<CFigure> CMeasure::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CMeasure>(Add(m_x1, offset.cx), Add(m_y1, offset.cy),
                                      Add(m_x2, offset.cx), Add(m_y2, offset.cy), m_color,
                                      m_nPenStyle, m_nWidth, m_strText);
}

MeasureArrowCorners GetMeasureArrowCorners(int x1, int y1, int x2, int y2)
{
    using namespace figmath;
    // The direction from the second end to the first; a line of no length
    // has angle 0 and gets two triangles meeting tip to tip.
    const double dTheta = std::atan2(double(y1) - y2, double(x1) - x2);
    const double c = std::cos(dTheta);
    const double s = std::sin(dTheta);
    MeasureArrowCorners corners;
    corners.ptA = CPoint(Sub(x1, TruncToInt(250 * c + 125 * s)), Add(y1, TruncToInt(125 * c - 250 * s)));
    corners.ptB = CPoint(Add(x1, TruncToInt(125 * s - 250 * c)), Sub(y1, TruncToInt(125 * c + 250 * s)));
    corners.ptC = CPoint(Add(x2, TruncToInt(250 * c - 125 * s)), Add(y2, TruncToInt(250 * s + 125 * c)));
    corners.ptD = CPoint(Add(x2, TruncToInt(250 * c + 125 * s)), Sub(y2, TruncToInt(125 * c - 250 * s)));
    return corners;
}

CPoint GetMeasureLabelOrigin(int x1, int y1, int x2, int y2, qsizetype nChars)
{
    using namespace figmath;
    const bool bSwap = x2 < x1 && y2 < y1;
    const int nL = bSwap ? x2 : x1;
    const int nR = bSwap ? x1 : x2;
    const std::int64_t nShift = kLabelUnitsPerChar * std::int64_t(nChars);
    return CPoint(SaturateToInt(std::int64_t(Mid(nL, nR)) - nShift), Add(Mid(y1, y2), kLabelRise));
}
