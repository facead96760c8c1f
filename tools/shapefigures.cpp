#include "tools/shapefigures.h"

#include "figures/arcs.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/text.h"
#include "tools/interactionstate.h"
#include "view/mydrevikview.h"

namespace {

template <class TShape>
std::unique_ptr<CFigure> MakeOutlined(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                      const CReleaseSettings& settings)
{
    return std::make_unique<TShape>(ptA.x, ptA.y, ptB.x, ptB.y, view.m_colorLine, settings.nThickness,
                                    view.m_bCentre, settings.nPenStyle);
}

template <class TShape>
std::unique_ptr<CFigure> MakeFilled(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                    const CReleaseSettings& settings)
{
    return std::make_unique<TShape>(ptA.x, ptA.y, ptB.x, ptB.y, view.m_colorLine, settings.nFillStyle,
                                    view.m_bCentre);
}

template <class TArc>
std::unique_ptr<CFigure> MakeOutlinedArc(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                         const CReleaseSettings& settings)
{
    const CPoint ptS = view.m_ptArcStart;
    const CPoint ptE = view.m_ptArcEnd;
    return std::make_unique<TArc>(ptA.x, ptA.y, ptB.x, ptB.y, ptS.x, ptS.y, ptE.x, ptE.y, view.m_colorLine,
                                  settings.nThickness, view.m_bCentre, settings.nPenStyle);
}

template <class TArc>
std::unique_ptr<CFigure> MakeFilledArc(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings)
{
    const CPoint ptS = view.m_ptArcStart;
    const CPoint ptE = view.m_ptArcEnd;
    return std::make_unique<TArc>(ptA.x, ptA.y, ptB.x, ptB.y, ptS.x, ptS.y, ptE.x, ptE.y, view.m_colorLine,
                                  settings.nFillStyle, view.m_bCentre);
}

}  // namespace

std::unique_ptr<CFigure> MakeRectangle(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings)
{
    return MakeOutlined<CRectangle>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeRectFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                      const CReleaseSettings& settings)
{
    return MakeFilled<CRectFill>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeRectRound(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings)
{
    return MakeOutlined<CRectRound>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeRectRoundFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                           const CReleaseSettings& settings)
{
    return MakeFilled<CRectRoundFill>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeEllipse(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                     const CReleaseSettings& settings)
{
    return MakeOutlined<CCircle>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeEllipseFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                         const CReleaseSettings& settings)
{
    return MakeFilled<CCircleFill>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeArc(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                 const CReleaseSettings& settings)
{
    return MakeOutlinedArc<CArc>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeChord(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                   const CReleaseSettings& settings)
{
    return MakeOutlinedArc<CChord>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakePie(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                 const CReleaseSettings& settings)
{
    return MakeOutlinedArc<CPie>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeChordFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings)
{
    return MakeFilledArc<CChordFill>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakePieFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                     const CReleaseSettings& settings)
{
    return MakeFilledArc<CPieFill>(view, ptA, ptB, settings);
}

std::unique_ptr<CFigure> MakeBezier(const CMyDrevikView& view, CPoint, CPoint,
                                    const CReleaseSettings& settings)
{
    const CPoint* pt = view.m_ptBezier;
    return std::make_unique<CBezier>(pt[0].x, pt[0].y, pt[1].x, pt[1].y, pt[2].x, pt[2].y, pt[3].x, pt[3].y,
                                     view.m_colorLine, settings.nThickness, view.m_bCentre,
                                     settings.nPenStyle);
}

// The polygon's base edge stays at the box's first y and swings towards
// the direction point.
std::unique_ptr<CFigure> MakePolygon(const CMyDrevikView& view, CPoint, CPoint ptB,
                                     const CReleaseSettings& settings)
{
    const CRect& rect = view.m_rectPolygon;
    return std::make_unique<CPolygon>(rect.left, rect.top, rect.right, rect.bottom, ptB.x, ptB.y,
                                      view.m_colorLine, settings.nThickness, settings.nPenStyle, 2);
}

std::unique_ptr<CFigure> MakeText(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                  const CReleaseSettings&)
{
    const CDrawingSettings& app = view.GetSettings();
    char szText[TextBufferSize(kTextToolChars)];
    CopyLimitedText(szText, sizeof szText, QString::fromUtf8(view.m_pTextDlg->m_szText), kTextToolChars);
    return std::make_unique<CText>(ptA.x, ptA.y, ptB.x, ptB.y, app.m_colorText, QString::fromUtf8(szText),
                                   app.m_logFont);
}

std::unique_ptr<CFigure> MakeFloodFill(const CMyDrevikView& view, CPoint, CPoint ptB,
                                       const CReleaseSettings& settings)
{
    return std::make_unique<CFloodFill>(ptB.x, ptB.y, 0, 0, view.m_colorLine, view.m_colorFlood,
                                        settings.nFillStyle);
}

std::unique_ptr<CFigure> MakeRubberLine(const CMyDrevikView&, CPoint ptA, CPoint ptB,
                                        const CReleaseSettings& settings)
{
    return std::make_unique<CLine>(ptA.x, ptA.y, ptB.x, ptB.y, RGB(255, 255, 255), 12, settings.nPenStyle);
}
