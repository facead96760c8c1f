// The figures the shape tools build at a release. Box shapes fill the box
// from ptA to ptB; the arc family takes its box the same way and its start
// and end points from the view; the Bezier curve and the polygon take
// theirs from the view's stages, with ptB the polygon's direction point.
#pragma once

#include "tools/tooltable.h"

#include <memory>

std::unique_ptr<CFigure> MakeRectangle(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeRectFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                      const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeRectRound(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeRectRoundFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                           const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeEllipse(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                     const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeEllipseFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                         const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeArc(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                 const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeChord(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                   const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakePie(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                 const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeChordFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakePieFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                     const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakeBezier(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                    const CReleaseSettings& settings);
std::unique_ptr<CFigure> MakePolygon(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                     const CReleaseSettings& settings);
// The text of the view's text dialog, cut to kTextToolChars, in the
// application's text colour and font.
std::unique_ptr<CFigure> MakeText(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                  const CReleaseSettings& settings);
// A fill seeded at ptB, bounded by the view's line colour.
std::unique_ptr<CFigure> MakeFloodFill(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                       const CReleaseSettings& settings);
// A white line twelve wide in the current pen style.
std::unique_ptr<CFigure> MakeRubberLine(const CMyDrevikView& view, CPoint ptA, CPoint ptB,
                                        const CReleaseSettings& settings);

// A text figure holds at most this many characters of the dialog's text.
constexpr int kTextToolChars = 20;
