// The light bulb beside the "Did you know..." heading, 40 x 53 pixels.
#pragma once

#include <QImage>

constexpr int kLightBulbWidth = 40;
constexpr int kLightBulbHeight = 53;

// Drawn through the program's device context on a white ground.
QImage LightBulbImage();
