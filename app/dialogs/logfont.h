// The font record of text figures and Qt's fonts. Heights in the record are
// in the font dialog's units: pixels at 96 dots per inch, negative for the
// character height, 0 for the default size.
#pragma once

#include "platform/types.h"

#include <QFont>

// The font the record describes, to initialise the font dialog with.
QFont FontFromLogFont(const LOGFONT& lf);

// Writes the chosen font into lf: face, height, weight and the three effects.
// The fields a font choice does not govern keep their values.
void FontToLogFont(const QFont& font, LOGFONT& lf);

// Pixel height at 96 dots per inch of a size in points, rounded.
LONG PointsToDialogPixels(double dPoints);
