// The light bulb: a glass globe with a glowing filament, a neck and a
// threaded cap, in 40 x 53 pixels.
#include "app/tips/lightbulb.h"

#include "app/startup/picturetools.h"

namespace {

constexpr COLORREF kOutline = RGB(96, 80, 16);
constexpr COLORREF kGlass = RGB(255, 236, 110);
constexpr COLORREF kShine = RGB(255, 252, 224);
constexpr COLORREF kFilament = RGB(200, 90, 0);
constexpr COLORREF kCap = RGB(150, 150, 158);
constexpr COLORREF kCapDark = RGB(70, 70, 78);

void DrawGlass(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kOutline, 1, kGlass);
        // The neck first, so the globe's outline closes over its top.
        const CPoint ptNeck[] = {{12, -27}, {28, -27}, {26, -37}, {14, -37}};
        pDC->Polygon(ptNeck, 4);
        pDC->Ellipse(5, -2, 36, -33);
    }
    CDrawObjects shine(pDC, kShine, 1, kShine);
    pDC->Ellipse(10, -7, 17, -15);
}

void DrawFilament(CDC* pDC)
{
    CDrawObjects objects(pDC, kFilament, 1);
    DrawSegment(pDC, 17, -36, 17, -22);
    DrawSegment(pDC, 23, -36, 23, -22);
    // A zigzag between the two supports.
    const CPoint ptZig[] = {{17, -22}, {19, -17}, {20, -22}, {21, -17}, {23, -22}};
    pDC->MoveTo(ptZig[0]);
    for (const CPoint& pt : ptZig)
        pDC->LineTo(pt);
}

void DrawCap(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kCapDark, 1, kCap);
        pDC->Rectangle(13, -37, 28, -48);
    }
    {
        // The thread, as slanted grooves across the cap.
        CDrawObjects objects(pDC, kCapDark, 1);
        for (int y = -40; y >= -46; y -= 3)
            DrawSegment(pDC, 13, y, 27, y - 1);
    }
    CDrawObjects tip(pDC, kCapDark, 1, kCapDark);
    pDC->Ellipse(16, -47, 25, -53);
}

} // namespace

QImage LightBulbImage()
{
    CPictureDC dc(kLightBulbWidth, kLightBulbHeight, RGB(255, 255, 255));
    DrawGlass(&dc);
    DrawFilament(&dc);
    DrawCap(&dc);
    return dc.TakePicture();
}
