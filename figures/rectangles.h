// Rectangles, rounded rectangles and ellipses (the ellipse classes also
// serve the radial circles), outlined or filled, each inside the rectangle
// spanned by the two defining points and with an optional centre cross.
#pragma once

#include "figures/shapefamily.h"

// Width and height of the corner ellipses of a rounded rectangle: a sixth
// of the sum of its side lengths.
int RoundCornerSize(int x1, int y1, int x2, int y2);

class CRectangle : public TOutlinedShape<CRectangle> {
    DECLARE_SERIAL(CRectangle)
public:
    using TOutlinedShape::TOutlinedShape;
    void Draw(CDC* pDC) override;
};

class CRectRound : public TOutlinedShape<CRectRound> {
    DECLARE_SERIAL(CRectRound)
public:
    using TOutlinedShape::TOutlinedShape;
    void Draw(CDC* pDC) override;
};

class CCircle : public TOutlinedShape<CCircle> {
    DECLARE_SERIAL(CCircle)
public:
    using TOutlinedShape::TOutlinedShape;
    void Draw(CDC* pDC) override;
};

class CRectFill : public TFilledShape<CRectFill> {
    DECLARE_SERIAL(CRectFill)
public:
    using TFilledShape::TFilledShape;
    void Draw(CDC* pDC) override;
};

class CRectRoundFill : public TFilledShape<CRectRoundFill> {
    DECLARE_SERIAL(CRectRoundFill)
public:
    using TFilledShape::TFilledShape;
    void Draw(CDC* pDC) override;
};

class CCircleFill : public TFilledShape<CCircleFill> {
    DECLARE_SERIAL(CCircleFill)
public:
    using TFilledShape::TFilledShape;
    void Draw(CDC* pDC) override;
};
