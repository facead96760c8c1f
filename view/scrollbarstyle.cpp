#include "view/scrollbarstyle.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

// Darker than any groove the desktop styles draw, lighter than the arrows.
const QColor kSliderFill(150, 150, 150);
const QColor kSliderActive(120, 120, 120);
const QColor kSliderEdge(105, 105, 105);

} // namespace

void CScrollBarStyle::drawComplexControl(ComplexControl nControl, const QStyleOptionComplex* pOption,
                                         QPainter* pPainter, const QWidget* pWidget) const
{
    QProxyStyle::drawComplexControl(nControl, pOption, pPainter, pWidget);
    const auto* pSlider = qstyleoption_cast<const QStyleOptionSlider*>(pOption);
    if (nControl != CC_ScrollBar || !pSlider || pSlider->minimum == pSlider->maximum)
        return;
    const QRect rectSlider = subControlRect(CC_ScrollBar, pSlider, SC_ScrollBarSlider, pWidget);
    if (rectSlider.isEmpty())
        return;
    const bool bActive = pSlider->activeSubControls & SC_ScrollBarSlider;
    pPainter->save();
    pPainter->setRenderHint(QPainter::Antialiasing);
    pPainter->setPen(kSliderEdge);
    pPainter->setBrush(bActive ? kSliderActive : kSliderFill);
    pPainter->drawRoundedRect(QRectF(rectSlider).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    pPainter->restore();
}

void CScrollBarStyle::Apply(QScrollBar* pScrollBar)
{
    // Made once, with the application's style beneath it, and gone with the
    // application.
    static CScrollBarStyle* s_pStyle = [] {
        auto* pStyle = new CScrollBarStyle;
        pStyle->setParent(qApp);
        return pStyle;
    }();
    pScrollBar->setStyle(s_pStyle);
}
