// The classes a drawing file may name, found by their exact names.
#include "figures/archive/figurearchive.h"

#include "figures/arcs.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/measure.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/text.h"
#include "figures/trigon.h"

#include <cstring>

namespace {

// CFigure is left out on purpose: the program never writes a figure of the
// base class, and one read from a file would be a figure that draws nothing
// and cannot be copied, so a file that names it is not a drawing of ours.
const CRuntimeClass* const kFigureClasses[] = {
    RUNTIME_CLASS(CLine),
    RUNTIME_CLASS(CRectangle),
    RUNTIME_CLASS(CRectFill),
    RUNTIME_CLASS(CRectRound),
    RUNTIME_CLASS(CRectRoundFill),
    RUNTIME_CLASS(CCircle),
    RUNTIME_CLASS(CCircleFill),
    RUNTIME_CLASS(CArc),
    RUNTIME_CLASS(CChord),
    RUNTIME_CLASS(CChordFill),
    RUNTIME_CLASS(CPie),
    RUNTIME_CLASS(CPieFill),
    RUNTIME_CLASS(CBezier),
    RUNTIME_CLASS(CPolygon),
    RUNTIME_CLASS(CTrigon),
    RUNTIME_CLASS(CMeasure),
    RUNTIME_CLASS(CText),
    RUNTIME_CLASS(CFloodFill),
};

}  // namespace

const CRuntimeClass* FindFigureClass(const char* pszName, int nLength)
{
    if (!pszName || nLength < 0)
        return nullptr;
    for (const CRuntimeClass* pClass : kFigureClasses) {
        if (std::strlen(pClass->m_lpszClassName) == std::size_t(nLength)
            && std::memcmp(pClass->m_lpszClassName, pszName, std::size_t(nLength)) == 0)
            return pClass;
    }
    return nullptr;
}
