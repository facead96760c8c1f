// Helpers of the shape tool tests: each appended figure written as one line
// of text (class, points, colour, width or fill), and a drag whose release
// need not be at the last move point.
#pragma once

#include "tooltesting.h"

#include "figures/arcs.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/text.h"

#include <cstdio>
#include <string>
#include <vector>

namespace shapetest {

using namespace tooltest;

inline std::string Format(const char* szFormat, long a, long b, long c, long d)
{
    char sz[96];
    std::snprintf(sz, sizeof sz, szFormat, a, b, c, d);
    return sz;
}

// What only some classes have: width and pen, or fill style; extra points.
inline std::string Extras(const CFigure* p)
{
    if (auto* q = dynamic_cast<const TOutlinedShape<CRectangle>*>(p))
        return Format(" w%ld p%ld", q->m_nWidth, q->m_nPenStyle, 0, 0);
    if (auto* q = dynamic_cast<const TOutlinedShape<CRectRound>*>(p))
        return Format(" w%ld p%ld", q->m_nWidth, q->m_nPenStyle, 0, 0);
    if (auto* q = dynamic_cast<const TOutlinedShape<CCircle>*>(p))
        return Format(" w%ld p%ld", q->m_nWidth, q->m_nPenStyle, 0, 0);
    if (auto* q = dynamic_cast<const TFilledShape<CRectFill>*>(p))
        return Format(" f%ld", q->m_nFillStyle, 0, 0, 0);
    if (auto* q = dynamic_cast<const TFilledShape<CRectRoundFill>*>(p))
        return Format(" f%ld", q->m_nFillStyle, 0, 0, 0);
    if (auto* q = dynamic_cast<const TFilledShape<CCircleFill>*>(p))
        return Format(" f%ld", q->m_nFillStyle, 0, 0, 0);
    if (auto* q = dynamic_cast<const CLine*>(p))
        return Format(" w%ld p%ld", q->m_nWidth, q->m_nPenStyle, 0, 0);
    if (auto* q = dynamic_cast<const CBezier*>(p))
        return Format(" %ld,%ld,%ld,%ld", q->m_pt3.x, q->m_pt3.y, q->m_pt4.x, q->m_pt4.y) +
               Format(" w%ld p%ld", q->m_nWidth, q->m_nPenStyle, 0, 0);
    if (auto* q = dynamic_cast<const CPolygon*>(p))
        return Format(" d%ld,%ld w%ld m%ld", q->m_ptDir.x, q->m_ptDir.y, q->m_nWidth, q->m_nMode);
    if (auto* q = dynamic_cast<const CFloodFill*>(p))
        return Format(" f%ld #%06lx", q->m_nFillStyle, long(q->m_colorFill), 0, 0);
    if (auto* q = dynamic_cast<const CText*>(p))
        return " \"" + q->m_strText.toStdString() + "\"";
    return std::string();
}

inline std::string ArcExtras(const CFigure* p)
{
    if (auto* q = dynamic_cast<const TOutlinedArc<CArc>*>(p))
        return Format(" s%ld,%ld e%ld,%ld", q->m_xStart, q->m_yStart, q->m_xEnd, q->m_yEnd) +
               Format(" w%ld", q->m_nWidth, 0, 0, 0);
    if (auto* q = dynamic_cast<const TOutlinedArc<CChord>*>(p))
        return Format(" s%ld,%ld e%ld,%ld", q->m_xStart, q->m_yStart, q->m_xEnd, q->m_yEnd) +
               Format(" w%ld", q->m_nWidth, 0, 0, 0);
    if (auto* q = dynamic_cast<const TOutlinedArc<CPie>*>(p))
        return Format(" s%ld,%ld e%ld,%ld", q->m_xStart, q->m_yStart, q->m_xEnd, q->m_yEnd) +
               Format(" w%ld", q->m_nWidth, 0, 0, 0);
    if (auto* q = dynamic_cast<const TFilledArc<CChordFill>*>(p))
        return Format(" s%ld,%ld e%ld,%ld", q->m_xStart, q->m_yStart, q->m_xEnd, q->m_yEnd) +
               Format(" f%ld", q->m_nFillStyle, 0, 0, 0);
    if (auto* q = dynamic_cast<const TFilledArc<CPieFill>*>(p))
        return Format(" s%ld,%ld e%ld,%ld", q->m_xStart, q->m_yStart, q->m_xEnd, q->m_yEnd) +
               Format(" f%ld", q->m_nFillStyle, 0, 0, 0);
    return std::string();
}

// "CRectangle 5000,-5000,9000,-7500 #ff0000 w1 p0" and the like.
inline std::string DescribeFigure(const CFigure* p)
{
    std::string str = p->GetRuntimeClass()->m_lpszClassName;
    const CRect rect = p->GetPointRect();
    str += Format(" %ld,%ld,%ld,%ld", rect.left, rect.top, rect.right, rect.bottom);
    str += Format(" #%06lx", long(p->m_color), 0, 0, 0);
    return str + Extras(p) + ArcExtras(p);
}

inline std::vector<std::string> DescribeAll(CMyDrevikDoc& doc, int nFirst = 0)
{
    std::vector<std::string> vec;
    for (int i = nFirst; i < doc.GetCount(); ++i)
        vec.push_back(DescribeFigure(doc.GetFigure(i)));
    return vec;
}

struct ShapeToolTest : ToolTest {
    // Press at the first point, move through the middle ones, release at
    // the last (which need not be a move point).
    void Click(const std::vector<CPoint>& vecPoints)
    {
        Press(vecPoints.front().x, vecPoints.front().y);
        for (std::size_t i = 1; i + 1 < vecPoints.size(); ++i)
            MoveTo(vecPoints[i].x, vecPoints[i].y);
        Release(vecPoints.back().x, vecPoints.back().y);
    }
};

}  // namespace shapetest
