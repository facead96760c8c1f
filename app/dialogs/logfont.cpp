#include "app/dialogs/logfont.h"

#include "platform/dialogcontrols.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double kDialogDpi = 96.0;
constexpr double kPointsPerInch = 72.0;
}

LONG PointsToDialogPixels(double dPoints)
{
    // Sizes come from the dialog's own list, so the product is small.
    return LONG(std::lround(dPoints * kDialogDpi / kPointsPerInch));
}

QFont FontFromLogFont(const LOGFONT& lf)
{
    QFont font;
    if (lf.lfFaceName[0] != '\0')
        font.setFamily(QString::fromUtf8(lf.lfFaceName, qstrnlen(lf.lfFaceName, sizeof lf.lfFaceName)));
    // A positive height is the cell height; taking it as the character
    // height is close enough to preselect a size in the dialog.
    if (lf.lfHeight != 0) {
        const double dPixels = std::abs(double(lf.lfHeight));
        font.setPointSizeF(std::max(1.0, dPixels * kPointsPerInch / kDialogDpi));
    }
    if (lf.lfWeight > 0)
        font.setWeight(QFont::Weight(std::clamp<LONG>(lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

void FontToLogFont(const QFont& font, LOGFONT& lf)
{
    const LONG nPixels = font.pixelSize() > 0 ? LONG(font.pixelSize())
                                              : PointsToDialogPixels(font.pointSizeF());
    lf.lfHeight = -nPixels;
    lf.lfWidth = 0;
    lf.lfWeight = LONG(font.weight());
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    CopyLimitedText(lf.lfFaceName, sizeof lf.lfFaceName, font.family(),
                    int(sizeof lf.lfFaceName) - 1);
}
