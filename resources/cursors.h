// The pointer shapes of the view, drawn by the program itself at the
// screen's pixel density: drawing, concentric mode, rubber, panning, and
// drag and paste.
#pragma once

#include "platform/types.h"

#include <QCursor>
#include <QPixmap>
#include <QPoint>

// The cursor of a resource id (IDC_CURSOR_DRAW ...); the arrow for an id
// that names no cursor of the program.
QCursor LoadCursorResource(UINT nIDResource);

// The image of a cursor, 32 x 32 logical pixels drawn at dRatio device
// pixels per logical pixel, and its hot spot in logical pixels. A null
// pixmap for an unknown id.
QPixmap DrawCursorImage(UINT nIDResource, qreal dRatio, QPoint* pptHotSpot = nullptr);
