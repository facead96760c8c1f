// The About picture: drawing compasses swinging an arc above a ruler.
#include "app/about/aboutbox.h"

#include "app/startup/picturetools.h"

namespace {

constexpr COLORREF kPaper = RGB(250, 250, 245);
constexpr COLORREF kSteel = RGB(120, 128, 140);
constexpr COLORREF kSteelDark = RGB(50, 56, 66);
constexpr COLORREF kLead = RGB(230, 140, 30);
constexpr COLORREF kArc = RGB(24, 52, 96);
constexpr COLORREF kRuler = RGB(236, 214, 150);

// Hinge at the top, needle leg to the left foot, pencil leg to the right.
constexpr int kHingeX = 62, kHingeY = 24;
constexpr int kNeedleX = 32, kPencilX = 92, kFootY = 104;

void DrawCompasses(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kSteelDark, 1, kSteel);
        const CPoint ptNeedleLeg[] = {{kHingeX - 4, -kHingeY}, {kHingeX + 2, -kHingeY},
                                      {kNeedleX + 2, -(kFootY - 10)}, {kNeedleX - 3, -(kFootY - 12)}};
        pDC->Polygon(ptNeedleLeg, 4);
        const CPoint ptPencilLeg[] = {{kHingeX - 2, -kHingeY}, {kHingeX + 4, -kHingeY},
                                      {kPencilX + 3, -(kFootY - 12)}, {kPencilX - 2, -(kFootY - 10)}};
        pDC->Polygon(ptPencilLeg, 4);
        pDC->Rectangle(kHingeX - 3, -6, kHingeX + 4, -(kHingeY - 4));
        pDC->Ellipse(kHingeX - 9, -(kHingeY - 9), kHingeX + 10, -(kHingeY + 10));
    }
    {
        CDrawObjects needle(pDC, kSteelDark, 1);
        DrawSegment(pDC, kNeedleX, -(kFootY - 12), kNeedleX - 1, -kFootY);
    }
    CDrawObjects lead(pDC, kLead, 1, kLead);
    const CPoint ptLead[] = {{kPencilX - 2, -(kFootY - 11)}, {kPencilX + 3, -(kFootY - 12)}, {kPencilX + 1, -kFootY}};
    pDC->Polygon(ptLead, 3);
}

void DrawSwing(CDC* pDC)
{
    // The arc the pencil has swept around the needle, up to where it stands.
    constexpr int nRadius = kPencilX - kNeedleX;
    CDrawObjects objects(pDC, kArc, 1, std::nullopt, PS_DASH);
    pDC->Arc(kNeedleX - nRadius, -(kFootY - nRadius), kNeedleX + nRadius, -(kFootY + nRadius),
             kNeedleX + 50, -(kFootY + 35), kPencilX + 10, -kFootY);
}

void DrawRuler(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kSteelDark, 1, kRuler);
        pDC->Rectangle(4, -142, 121, -158);
    }
    CDrawObjects ticks(pDC, kSteelDark, 1);
    for (int i = 0; i <= 22; ++i) {
        const int x = 8 + i * 5;
        DrawSegment(pDC, x, -143, x, -(i % 2 == 0 ? 152 : 148));
    }
}

} // namespace

QImage AboutPicture()
{
    CPictureDC dc(kAboutPictureWidth, kAboutPictureHeight, kPaper);
    DrawCompasses(&dc);
    DrawSwing(&dc);
    DrawRuler(&dc);
    return dc.TakePicture();
}
