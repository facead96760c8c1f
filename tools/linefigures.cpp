#include "tools/linefigures.h"

#include "figures/line.h"
#include "figures/measure.h"
#include "figures/trigon.h"
#include "tools/interactionstate.h"
#include "view/mydrevikview.h"

std::unique_ptr<CFigure> MakeLine(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                  const CReleaseSettings& settings)
{
    return std::make_unique<CLine>(ptP.x, ptP.y, ptR.x, ptR.y, view.m_colorLine, settings.nThickness,
                                   settings.nPenStyle);
}

std::unique_ptr<CFigure> MakeMeasure(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                     const CReleaseSettings& settings)
{
    return std::make_unique<CMeasure>(ptP.x, ptP.y, ptR.x, ptR.y, view.m_colorLine, 0, 1,
                                      QString::fromUtf8(view.m_szMeasure));
}

std::unique_ptr<CFigure> MakeTrigon(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                    const CReleaseSettings& settings)
{
    return std::make_unique<CTrigon>(ptP.x, ptP.y, ptR.x, ptR.y, view.m_colorLine,
                                     view.m_nThreadDistance, settings.bFlipVertical);
}
