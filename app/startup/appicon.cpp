#include "app/startup/appicon.h"

#include "app/startup/picturetools.h"

#include <QPixmap>

namespace {

constexpr COLORREF kTile = RGB(28, 58, 104);
constexpr COLORREF kChalk = RGB(255, 255, 255);
constexpr COLORREF kCentre = RGB(240, 96, 80);
constexpr COLORREF kPencil = RGB(250, 180, 40);

} // namespace

QImage ApplicationIconImage()
{
    CPictureDC dc(kIconSize, kIconSize, kTile);
    {
        CDrawObjects circle(&dc, kChalk, 3);
        dc.Ellipse(9, -9, 35, -35);
    }
    {
        CDrawObjects centre(&dc, kCentre, 1, std::nullopt, PS_DASHDOT);
        DrawSegment(&dc, 4, -22, 40, -22);
        DrawSegment(&dc, 22, -4, 22, -40);
    }
    CDrawObjects pencil(&dc, kPencil, 3);
    DrawSegment(&dc, 18, -44, 44, -18);
    return dc.TakePicture();
}

QIcon ApplicationIcon()
{
    return QIcon(QPixmap::fromImage(ApplicationIconImage()));
}
