// A line of text in a font, its top-left corner at the first point.
#pragma once

#include "figures/figure.h"

#include <QString>

// The font a text figure has when none was given: a drawing file does not
// carry the font, so every loaded text is shown in this one.
LOGFONT GetDefaultTextFont();

// The font a text figure is drawn with: the chosen font with its height
// taken from the font dialog's units to logical units (x 26).
LOGFONT GetDrawnTextFont(const LOGFONT& lf);

class CText : public CFigure {
    DECLARE_SERIAL(CText)
public:
    CText() = default;
    // (x1, y1): top-left corner of the text; (x2, y2): the tool's second
    // point, used only for handles and picking.
    CText(int x1, int y1, int x2, int y2, COLORREF color, const QString& strText, LOGFONT lf);

    // The record carries the text only; the font stays as it is.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    std::unique_ptr<CFigure> CopyMoved(CSize offset) const override;

    LOGFONT m_logFont = GetDefaultTextFont();
    QString m_strText;
};
