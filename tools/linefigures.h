// The figures the line tools build at a release, from the press point P,
// the release point R and the settings snapshot.
#pragma once

#include "tools/tooltable.h"

#include <memory>

std::unique_ptr<CFigure> MakeLine(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                  const CReleaseSettings& settings);
// A solid line one unit wide, labelled with the view's m_szMeasure.
std::unique_ptr<CFigure> MakeMeasure(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                     const CReleaseSettings& settings);
// The thread curve filling the box P-R at the view's thread distance.
std::unique_ptr<CFigure> MakeTrigon(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                    const CReleaseSettings& settings);
