#include "platform/dc.h"

#include "platform/dc_impl.h"
#include "platform/dcsink.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The face used when the font names none.
const char* const kDefaultFace = "DejaVu Sans";
// Size in pixels of a font whose height is 0.
constexpr int kDefaultPixelSize = 12;
// Fonts beyond this many pixels (a damaged height) are drawn at this size.
constexpr double kMaxPixelSize = 16384;

int ToPixelSize(double dPixels)
{
    return int(std::clamp(std::floor(dPixels + 0.5), 1.0, kMaxPixelSize));
}

}  // namespace

QFont CDC::MakeFont() const
{
    const LOGFONT& lf = m_logFont;
    const std::size_t nFaceLength = strnlen(lf.lfFaceName, sizeof(lf.lfFaceName));
    const QString strFace = QString::fromUtf8(lf.lfFaceName, qsizetype(nFaceLength));
    QFont font(strFace.isEmpty() ? QString::fromLatin1(kDefaultFace) : strFace);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(lf.lfWeight <= 0 ? QFont::Normal : QFont::Weight(std::min<LONG>(lf.lfWeight, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);

    const double dScale = m_nMapMode == MM_TEXT ? 1 : 1 / m_dUnitsPerPixel;
    const double dHeight = std::abs(double(lf.lfHeight)) * dScale;
    if (lf.lfHeight == 0) {
        font.setPixelSize(kDefaultPixelSize);
    } else {
        // A negative height is the character height; a positive one is the
        // whole cell, ascent and descent together.
        font.setPixelSize(ToPixelSize(dHeight));
        if (lf.lfHeight > 0) {
            const int nCell = QFontMetrics(font, m_pDevice).height();
            if (nCell > 0)
                font.setPixelSize(ToPixelSize(dHeight * font.pixelSize() / nCell));
        }
    }
    if (lf.lfWidth != 0) {
        const double dAverage = QFontMetricsF(font, m_pDevice).averageCharWidth();
        const double dWanted = std::abs(double(lf.lfWidth)) * dScale;
        if (dAverage > 0)
            font.setStretch(int(std::clamp(std::floor(100 * dWanted / dAverage + 0.5), 1.0, 4000.0)));
    }
    return font;
}

BOOL CDC::TextOut(int x, int y, const QString& strText)
{
    if (!m_pDevice)
        return FALSE;
    const QFont font = MakeFont();
    if (m_pSink)
        m_pSink->Text(GetSinkState(), CPoint(x, y), strText, font);
    const QFontMetrics metrics(font, m_pDevice);
    const QPointF ptDevice = ToDevice(x, y);
    const QRect rectSurface = ClipRect();
    // Text far off the surface is left out before any of it reaches Qt's
    // integer coordinates.
    const double dReach = 4.0 * (metrics.height() + std::abs(double(metrics.horizontalAdvance(strText))));
    if (ptDevice.x() > rectSurface.right() + dReach || ptDevice.x() < rectSurface.left() - dReach ||
        ptDevice.y() > rectSurface.bottom() + dReach || ptDevice.y() < rectSurface.top() - dReach)
        return TRUE;
    QPainter* pPainter = OpenPainter();
    if (!pPainter)
        return FALSE;
    const QPoint ptCell(int(ptDevice.x()), int(ptDevice.y()));
    const QRect rectCell(ptCell, QSize(metrics.horizontalAdvance(strText), metrics.height()));
    pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_nBkMode == OPAQUE)
        pPainter->fillRect(rectCell, QColor(ToRgb(m_colorBk)));
    pPainter->setFont(font);
    pPainter->setPen(QColor(ToRgb(m_colorText)));
    pPainter->drawText(QPoint(ptCell.x(), ptCell.y() + metrics.ascent()), strText);
    // Italic and some glyphs reach beyond their advance.
    const QRect rectInk = metrics.boundingRect(strText).translated(ptCell.x(), ptCell.y() + metrics.ascent());
    Touch(rectCell | rectInk.adjusted(-1, -1, 1, 1));
    ClosePainter();
    return TRUE;
}
