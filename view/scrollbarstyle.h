// The look of the view's scroll bars: the slider drawn darker than its
// groove. The desktop's default look draws it lighter, and new users took
// the groove for the slider and thought the bars ran backwards.
#pragma once

#include <QProxyStyle>

class QScrollBar;

class CScrollBarStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl nControl, const QStyleOptionComplex* pOption, QPainter* pPainter,
                            const QWidget* pWidget = nullptr) const override;

    // Gives the scroll bar this look; one style serves every scroll bar.
    static void Apply(QScrollBar* pScrollBar);
};
