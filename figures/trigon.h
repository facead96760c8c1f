// The thread curve: a cosine wave plotted pixel by pixel across a rectangle.
#pragma once

#include "figures/figure.h"

#include <cstdint>
#include <optional>

class CTrigon : public CFigure {
    DECLARE_SERIAL(CTrigon)
public:
    CTrigon() = default;
    // (x1, y1), (x2, y2): opposite corners of the rectangle the wave fills;
    // nPitch: thread distance, the wavelength being 2 pi x 25 x nPitch.
    CTrigon(int x1, int y1, int x2, int y2, COLORREF color, int nPitch, BOOL bVertical);

    void Serialize(CArchive& ar) override;
    // A pitch of 0 or below (only a damaged file has one) draws nothing.
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;

    int m_nPitch = 0;
    int m_bVertical = 0;
};

// The run of the wave's parameter t: from dFirst, stepping by dStep, while
// t < dLast; the point of t lies t x K logical units along the axis.
struct TrigonRun {
    double dFirst = 0;
    double dLast = 0;
    double dStep = 0;
};

// Plans the run over the axis range [dMin, dMax] of the rectangle with
// K = 25 x pitch. Where the rectangle lies wholly inside the shown range
// [dShownMin, dShownMax] this is the plain run: minimum / K up to
// maximum / K by 0.005. Otherwise the run keeps to the shown part, on the
// same 0.005 grid, and in any case it is coarsened to at most about
// nMaxPoints points. None when nothing is left to plot.
std::optional<TrigonRun> PlanTrigonRun(double dMin, double dMax, double dK, double dShownMin,
                                       double dShownMax, std::int64_t nMaxPoints);
