// The program's icon: a drafting circle with its centre lines and a pencil
// stroke on a dark blue tile. The installed SVG shows the same design.
#pragma once

#include <QIcon>
#include <QImage>

constexpr int kIconSize = 48;

// The icon as 48 x 48 pixels, drawn through the device context.
QImage ApplicationIconImage();
QIcon ApplicationIcon();
