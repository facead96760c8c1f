// The measured line: a thin line with a closed arrowhead at each end and a
// label near its middle.
#pragma once

#include "figures/figure.h"

#include <QString>

class CMeasure : public CFigure {
    DECLARE_SERIAL(CMeasure)
public:
    CMeasure() = default;
    // nWidth is a stored value only: the line is always drawn one unit wide.
    CMeasure(int x1, int y1, int x2, int y2, COLORREF color, int nPenStyle, int nWidth,
             const QString& strText);

    // The record carries no pen style; a loaded measured line is solid.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;

    int m_nPenStyle = PS_SOLID;
    int m_nWidth = 0;
    QString m_strText;
};

// The far corners of the two arrowheads: A and B at the first end, C and D
// at the second, each triangle 250 units long and 250 units wide at its base.
struct MeasureArrowCorners {
    CPoint ptA;
    CPoint ptB;
    CPoint ptC;
    CPoint ptD;
};
MeasureArrowCorners GetMeasureArrowCorners(int x1, int y1, int x2, int y2);

// Where the label of nChars characters starts: 70 units per character left
// of the middle and 160 units above it.
CPoint GetMeasureLabelOrigin(int x1, int y1, int x2, int y2, qsizetype nChars);
