// The images of the tool bar buttons, drawn by the program at whatever size
// and pixel density Qt asks for, so they stay crisp on dense screens.
#pragma once

#include "platform/types.h"

#include <QIcon>
#include <QImage>
#include <QSize>

// The image of the button that carries nID; a null icon when no button
// carries it.
QIcon LoadToolIcon(UINT nID);

// The image of nID drawn into sizePixels device pixels (the 16 x 15 design
// scaled evenly and centred), transparent around it; greyed when
// bDisabled. A null image for an id without one.
QImage RenderToolIcon(UINT nID, const QSize& sizePixels, bool bDisabled = false);
