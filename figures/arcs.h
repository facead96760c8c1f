// Arcs, chords and pies: part of the ellipse inscribed in the rectangle of
// the two defining points, from where the ray from the ellipse's centre
// through the start point meets it, counter-clockwise as seen on the
// screen, to where the ray through the end point meets it. A chord closes
// the curve with the straight line between its ends, a pie with the two
// radii.
#pragma once

#include "figures/shapefamily.h"

class CArc : public TOutlinedArc<CArc> {
    DECLARE_SERIAL(CArc)
public:
    using TOutlinedArc::TOutlinedArc;
    void Draw(CDC* pDC) override;
};

class CChord : public TOutlinedArc<CChord> {
    DECLARE_SERIAL(CChord)
public:
    using TOutlinedArc::TOutlinedArc;
    void Draw(CDC* pDC) override;
};

class CPie : public TOutlinedArc<CPie> {
    DECLARE_SERIAL(CPie)
public:
    using TOutlinedArc::TOutlinedArc;
    void Draw(CDC* pDC) override;
};

class CChordFill : public TFilledArc<CChordFill> {
    DECLARE_SERIAL(CChordFill)
public:
    using TFilledArc::TFilledArc;
    void Draw(CDC* pDC) override;
};

class CPieFill : public TFilledArc<CPieFill> {
    DECLARE_SERIAL(CPieFill)
public:
    using TFilledArc::TFilledArc;
    void Draw(CDC* pDC) override;
};
