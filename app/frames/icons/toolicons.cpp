#include "app/frames/icons/toolicons.h"

#include "app/frames/icons/iconpaint.h"

#include <QIconEngine>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

icons::DrawFn FindDrawFn(UINT nID)
{
    for (auto rows : {icons::MainBarIcons(), icons::DrawBarIcons()})
        for (const icons::IconRow& row : rows)
            if (row.nID == nID)
                return row.pfnDraw;
    return nullptr;
}

// Disabled buttons keep their shape in light grey, as the style would
// show them, whatever the colours of the image.
void Grey(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int nAlpha = qAlpha(pLine[x]) / 2;
            const int nGrey = 110 + qGray(pLine[x]) / 2;
            pLine[x] = qRgba(nGrey, nGrey, nGrey, nAlpha);
        }
    }
}

class CToolIconEngine : public QIconEngine {
public:
    explicit CToolIconEngine(UINT nID) : m_nID(nID) {}

    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal dRatio = pPainter->device() ? pPainter->device()->devicePixelRatioF() : 1.0;
        QImage image = RenderToolIcon(m_nID, rect.size() * dRatio, mode == QIcon::Disabled);
        image.setDevicePixelRatio(dRatio);
        pPainter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(RenderToolIcon(m_nID, size, mode == QIcon::Disabled));
    }

    QIconEngine* clone() const override { return new CToolIconEngine(m_nID); }
    QString key() const override { return QStringLiteral("KorvadaToolIcon"); }

private:
    UINT m_nID;
};

} // namespace

QImage RenderToolIcon(UINT nID, const QSize& sizePixels, bool bDisabled)
{
    const icons::DrawFn pfnDraw = FindDrawFn(nID);
    if (!pfnDraw || sizePixels.isEmpty())
        return QImage();
    QImage image(sizePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        const qreal dScale = std::min(sizePixels.width() / qreal(icons::kCellsX),
            sizePixels.height() / qreal(icons::kCellsY));
        // A whole-pixel offset keeps the strokes on device pixels.
        p.translate(std::floor((sizePixels.width() - dScale * icons::kCellsX) / 2),
            std::floor((sizePixels.height() - dScale * icons::kCellsY) / 2));
        p.scale(dScale, dScale);
        pfnDraw(p);
    }
    if (bDisabled) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        Grey(image);
    }
    return image;
}

QIcon LoadToolIcon(UINT nID)
{
    if (!FindDrawFn(nID))
        return QIcon();
    return QIcon(new CToolIconEngine(nID));
}
