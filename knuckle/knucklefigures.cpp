#include "knuckle/knucklefigures.h"

#include "figures/arcs.h"
#include "figures/line.h"
#include "figures/rectangles.h"
#include "platform/gdi.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The table of the drawing, written with the letters of the joint's sizes
// so that each row reads like its formula. a/2, a/4... are integer
// divisions of the size before them; T() truncates a real toward zero.
class CKnuckleDrawing {
public:
    CKnuckleDrawing(const KnuckleDimensions& k, CPoint ptCentre)
        : X0(ptCentre.x), Y0(ptCentre.y), d1(k.m_nD1), d2(k.m_nD2), d3(k.m_nD3), d4(k.m_nD4),
          t(k.m_nT), t1(k.m_nT1), t2(k.m_nT2), e6(k.m_nE6), e8(k.m_nE8), L1(k.m_nL1),
          L2(k.m_nL2), ds(k.m_dRod)
    {
    }

    std::vector<std::unique_ptr<CFigure>> Build()
    {
        AddAxesAndFork();
        AddRods();
        AddRodEnds();
        AddPin();
        AddRodShoulders();
        AddBreaks();
        return std::move(m_figures);
    }

private:
    static int T(double d) { return int(d); }

    void Line(int x1, int y1, int x2, int y2, COLORREF color = kBlack, int nPenStyle = PS_SOLID)
    {
        m_figures.push_back(std::make_unique<CLine>(x1, y1, x2, y2, color, 1, nPenStyle));
    }
    void Arc(int nLeft, int nTop, int nRight, int nBottom, int xStart, int yStart, int xEnd, int yEnd)
    {
        m_figures.push_back(std::make_unique<CArc>(nLeft, nTop, nRight, nBottom, xStart, yStart,
                                                   xEnd, yEnd, kBlack, 1, 0, PS_SOLID));
    }

    // Figures 1 to 15: the centre lines, the fork legs and the eye between them.
    void AddAxesAndFork()
    {
        Line(X0 - T(1.5 * L1), Y0, X0 + T(1.5 * L1), Y0, kRed, PS_DASHDOT);
        Line(X0, Y0 - 2 * (e8 + e6), X0, Y0 + 2 * (e8 + e6), kRed, PS_DASHDOT);
        Line(X0 - d2 / 2, Y0 - t / 2 - t1, X0 + d2 / 2 + 25, Y0 - t / 2 - t1);
        Line(X0 - d3 / 2, Y0 - t / 2 - t2 - t1, X0 + d3 / 2, Y0 - t / 2 - t2 - t1);
        Line(X0 - d2 / 2, Y0 - t / 2, X0 + d2 / 2, Y0 - t / 2);
        Line(X0 - d2 / 2, Y0 + t / 2 + t1, X0 + d2 / 2 + 25, Y0 + t / 2 + t1);
        Line(X0 - d3 / 2, Y0 + t / 2 + t2 + t1, X0 + d3 / 2, Y0 + t / 2 + t2 + t1);
        Line(X0 - d2 / 2, Y0 + t / 2, X0 + d2 / 2, Y0 + t / 2);
        Line(X0 - d2 / 2, Y0 - t / 2, X0 - d2 / 2, Y0 - t / 2 - t1);
        Line(X0 - d2 / 2, Y0 + t / 2, X0 - d2 / 2, Y0 + t / 2 + t1);
        Line(X0 - d3 / 2, Y0 - t / 2 - t1, X0 - d3 / 2, Y0 - t / 2 - t2 - t1);
        Line(X0 - d3 / 2, Y0 + t / 2 + t1, X0 - d3 / 2, Y0 + t / 2 + t2 + t1);
        Line(X0 + d3 / 2, Y0 - t / 2 - t1, X0 + d3 / 2, Y0 - t / 2 - t2 - t1);
        Line(X0 + d3 / 2, Y0 + t / 2 + t1, X0 + d3 / 2, Y0 + t / 2 + t2 + t1);
        Line(X0 + d2 / 2, Y0 + t / 2, X0 + d2 / 2, Y0 - t / 2);
    }

    // Figures 16 to 24: the two rods, the eye's round end and the pin's head.
    void AddRods()
    {
        Line(X0 - d2 / 2 + 150, Y0 - d4 / 2, X0 - L1 - 15, Y0 - d4 / 2);
        Line(X0 - d2 / 2 + 150, Y0 + d4 / 2, X0 - L1 - 15, Y0 + d4 / 2);
        Line(X0 - d2 / 2 + 150, Y0 + d4 / 2, X0 - d2 / 2 + 150, Y0 + t / 2);
        Line(X0 - d2 / 2 + 150, Y0 - d4 / 2, X0 - d2 / 2 + 150, Y0 - t / 2);
        Line(X0 + d2 / 2 + e8 + e6, Y0 - d4 / 2, X0 + L2 + 15, Y0 - d4 / 2);
        Line(X0 + d2 / 2 + e8 + e6, Y0 + d4 / 2, X0 + L2 + 15, Y0 + d4 / 2);
        Arc(X0 + d2 / 2 - t / 2, Y0 + t / 2, X0 + d2 / 2 + t / 2, Y0 - t / 2,
            X0 + d2 / 2, Y0 - t / 2, X0 + d2 / 2, Y0 + t / 2);
        Line(X0 + d2 / 2, Y0 - t / 2, X0 + d2 / 2, Y0 + t / 2);
        m_figures.push_back(std::make_unique<CRectangle>(
            X0 - d1 / 2, Y0 + t / 2 + t2 + t1 + 100, X0 + d1 / 2, Y0 + t / 2 + t2 + t1 - 5,
            kBlack, 1, 0, PS_SOLID));
    }

    // Figures 25 to 34: the eye rod's end, its flats, and the fork's curves.
    void AddRodEnds()
    {
        Arc(X0 + d4 - d4 / 4 - L1, Y0 + d4 / 4 - d4 / 2, X0 + d4 + d4 / 4 - L1, Y0 - d4 / 2 - d4 / 4,
            X0 + d4 + d4 / 4 - L1, Y0 - d4 / 2, X0 + d4 - L1, Y0 + d4 / 4 - d4 / 2);
        Arc(X0 + d4 - d4 / 4 - L1, Y0 + d4 / 2 + d4 / 4, X0 + d4 + d4 / 4 - L1, Y0 + d4 / 2 - d4 / 4,
            X0 + d4 - L1, Y0 + d4 / 2 - d4 / 4, X0 + d4 + d4 / 4 - L1, Y0 + d4 / 2);
        Line(X0 + L2 + T(0.125 * ds), Y0 - T(0.5 * ds), X0 + L2 + T(ds), Y0 - T(0.5 * ds));
        Line(X0 + L2 + T(0.125 * ds), Y0 + T(0.5 * ds), X0 + L2 + T(ds), Y0 + T(0.5 * ds));
        Line(X0 - T(0.125 * ds) - L1, Y0 - T(0.5 * ds), X0 - T(ds) - L1, Y0 - T(0.5 * ds));
        Line(X0 - T(0.125 * ds) - L1, Y0 + T(0.5 * ds), X0 - T(ds) - L1, Y0 + T(0.5 * ds));
        Line(X0 - L1, Y0 - d4 / 4, X0 + d4 - L1 + 15, Y0 - d4 / 4);
        Line(X0 - L1, Y0 + d4 / 4, X0 + d4 - L1 + 15, Y0 + d4 / 4);
        Arc(X0 + d2 / 2 - e6 - e8, Y0 + t / 2 + t1, X0 + d2 / 2 + e6 + e8, Y0 - t / 2 - t1,
            X0 + d2 / 2 + e6 / 2 + e8, Y0 + t / 2 + e6 / 2, X0 + d2 / 2, Y0 + t / 2);
        Arc(X0 + d2 / 2 - e6 - e8, Y0 - t / 2 - t1, X0 + d2 / 2 + e6 + e8, Y0 + t / 2 + t1,
            X0 + d2 / 2, Y0 - t / 2, X0 + d2 / 2 + e6 / 2 + e8, Y0 - t / 2 - e6 / 2);
    }

    // Figures 35 to 38: the pin's collar hole and its hidden outline.
    void AddPin()
    {
        m_figures.push_back(std::make_unique<CCircle>(
            X0 - t2 / 4, Y0 + t / 2 + t1 + t2 / 2 + t2 / 4, X0 + t2 / 4, Y0 + t / 2 + t1 + t2 / 2 - t2 / 4,
            kBlack, 1, 0, PS_SOLID));
        m_figures.push_back(std::make_unique<CCircle>(
            X0 - t2 / 2, Y0 + t / 2 + t1 + 2 * (t2 / 2), X0 + t2 / 2, Y0 + t / 2 + t1,
            kBlue, 1, 0, PS_DOT));
        Line(X0 - d1 / 2, Y0 + t / 2 + t1 + t2, X0 - d1 / 2, Y0 - t / 2 - t1, kBlue, PS_DOT);
        Line(X0 + d1 / 2, Y0 + t / 2 + t1 + t2, X0 + d1 / 2, Y0 - t / 2 - t1, kBlue, PS_DOT);
    }

    // Figures 39 to 50: the fork rod's end, the rod corners and the fork's neck.
    void AddRodShoulders()
    {
        Arc(X0 + L2 - d4 - d4 / 4, Y0 + d4 / 4 - d4 / 2, X0 + L2 - d4 + d4 / 4, Y0 - d4 / 2 - d4 / 4,
            X0 + L2 - d4, Y0 + d4 / 4 - d4 / 2, X0 + L2 - d4 - d4 / 4, Y0 - d4 / 2);
        Arc(X0 + L2 - d4 - d4 / 4, Y0 + d4 / 2 + d4 / 4, X0 + L2 - d4 + d4 / 4, Y0 + d4 / 2 - d4 / 4,
            X0 + L2 - d4 - d4 / 4, Y0 + d4 / 2, X0 + L2 - d4, Y0 + d4 / 2 - d4 / 4);
        Line(X0 + L2, Y0 - d4 / 4, X0 + L2 - d4 - 15, Y0 - d4 / 4);
        Line(X0 + L2, Y0 + d4 / 4, X0 + L2 - d4 - 15, Y0 + d4 / 4);
        Arc(X0 - L1 - d4 / 8, Y0 - d4 / 2 + d4 / 8 + d4 / 8, X0 - L1 + d4 / 8, Y0 - d4 / 2 + d4 / 8 - d4 / 8,
            X0 - L1, Y0 + d4 / 4 - d4 / 2, X0 - L1, Y0 - d4 / 2);
        Arc(X0 - L1 - d4 / 8, Y0 + d4 / 2 - d4 / 8 + d4 / 8, X0 - L1 + d4 / 8, Y0 + d4 / 2 - d4 / 8 - d4 / 8,
            X0 - L1, Y0 + d4 / 2, X0 - L1, Y0 + d4 / 2 - d4 / 4);
        Arc(X0 + L2 - d4 / 8, Y0 - d4 / 2 + d4 / 8 + d4 / 8, X0 + L2 + d4 / 8, Y0 - d4 / 2 + d4 / 8 - d4 / 8,
            X0 + L2, Y0 - d4 / 2, X0 + L2, Y0 + d4 / 4 - d4 / 2);
        Arc(X0 + L2 - d4 / 8, Y0 + d4 / 2 - d4 / 8 + d4 / 8, X0 + L2 + d4 / 8, Y0 + d4 / 2 - d4 / 8 - d4 / 8,
            X0 + L2, Y0 + d4 / 2 - d4 / 4, X0 + L2, Y0 + d4 / 2);
        Arc(X0 - d4 / 8 - L1, Y0 + (5 * d4) / 16, X0 + (5 * d4) / 8 - d4 / 8 - L1, Y0 - (5 * d4) / 16,
            X0 - L1, Y0 + d4 / 4, X0 - L1, Y0 - d4 / 4);
        Arc(X0 + L2 + d4 / 8, Y0 + (5 * d4) / 16, X0 + L2 + d4 / 8 - (5 * d4) / 8, Y0 - (5 * d4) / 16,
            X0 + L2, Y0 - d4 / 4, X0 + L2, Y0 + d4 / 4);
        Arc(X0 + d2 / 2 + e6 + e8 - e8 / 2, Y0 - d4 / 2, X0 + d2 / 2 + e6 + e8 + e8 / 2, Y0 - d4 / 2 - e8,
            X0 + d2 / 2 + e6 + e8, Y0 - d4 / 2, X0 + d2 / 2 + e6 / 2 + e8, Y0 - d4 / 2 - e8 / 2);
        Arc(X0 + d2 / 2 + e6 + e8 - e8 / 2, Y0 + d4 / 2 + e8, X0 + d2 / 2 + e6 + e8 + e8 / 2, Y0 + d4 / 2,
            X0 + d2 / 2 + e6 / 2 + e8, Y0 + d4 / 2 + e8 / 2, X0 + d2 / 2 + e6 + e8, Y0 + d4 / 2);
    }

    // Figures 51 to 56: the broken-off ends of both rods.
    void AddBreaks()
    {
        const int nLeft = X0 - T(ds) - L1;
        const int nRight = X0 + L2 + T(ds);
        Arc(X0 - T(0.125 * ds) - T(ds) - L1, Y0 + T(0.25 * ds) + 5 * T(0.0625 * ds),
            X0 + T(0.625 * ds) - T(0.125 * ds) - T(ds) - L1, Y0 + T(0.25 * ds) - 5 * T(0.0625 * ds),
            nLeft, Y0 + T(0.5 * ds), nLeft, Y0);
        Arc(X0 - T(1.125 * ds) - L1, Y0 + T(0.0625 * ds), X0 - T(0.5 * ds) - L1, Y0 - 9 * T(0.0625 * ds),
            nLeft, Y0, nLeft, Y0 - T(0.5 * ds));
        Arc(X0 + T(0.125 * ds) - T(ds) - L1, Y0 - T(0.25 * ds) + 5 * T(0.0625 * ds),
            X0 - 4 * T(0.125 * ds) - T(ds) - L1, Y0 - T(0.25 * ds) - 5 * T(0.0625 * ds),
            nLeft, Y0 - T(0.5 * ds), nLeft, Y0);
        Arc(X0 + L2 + T(1.125 * ds), Y0 + T(0.0625 * ds), X0 + L2 + T(0.5 * ds), Y0 - 9 * T(0.0625 * ds),
            nRight, Y0 - T(0.5 * ds), nRight, Y0);
        Arc(X0 + L2 + T(1.125 * ds), Y0 + T(0.5 * ds) + T(0.0625 * ds), X0 + L2 + T(0.5 * ds),
            Y0 + T(0.5 * ds) - 9 * T(0.0625 * ds), nRight, Y0, nRight, Y0 + T(0.5 * ds));
        Arc(X0 + L2 + T(ds) - T(0.125 * ds), Y0 + T(0.0625 * ds), X0 + L2 + T(1.5 * ds),
            Y0 - 9 * T(0.0625 * ds), nRight, Y0, nRight, Y0 - T(0.5 * ds));
    }

    const int X0, Y0, d1, d2, d3, d4, t, t1, t2, e6, e8, L1, L2;
    const double ds;
    std::vector<std::unique_ptr<CFigure>> m_figures;
};

} // namespace

std::vector<std::unique_ptr<CFigure>> MakeKnuckleFigures(const KnuckleDimensions& scaled,
                                                         CPoint ptCentre)
{
    return CKnuckleDrawing(scaled, ptCentre).Build();
}
