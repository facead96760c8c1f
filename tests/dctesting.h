// Helpers of the device-context tests: a small white RGB32 image drawn on
// at one logical unit per pixel with the viewport origin at (0, 0), so
// logical (x, y) is pixel (x, -y); pixel counts and the first wrong pixel.
#pragma once

#include "platform/dc.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

class CDcCanvas {
public:
    explicit CDcCanvas(int nWidth = 64, int nHeight = 64, QRgb rgbFill = kWhite)
        : m_image(nWidth, nHeight, QImage::Format_RGB32)
    {
        m_image.fill(rgbFill);
        m_dc.Attach(&m_image, 1.0);
    }
    CDC* operator->() { return &m_dc; }
    CDC& DC() { return m_dc; }
    QImage& Image() { return m_image; }
    QRgb At(int x, int y) const { return m_image.pixel(x, y); }

    int Count(const std::function<bool(QRgb)>& test) const
    {
        int n = 0;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                n += test(m_image.pixel(x, y));
        return n;
    }
    int CountOf(QRgb rgb) const
    {
        return Count([rgb](QRgb p) { return p == rgb; });
    }

private:
    QImage m_image;
    CDC m_dc;
};

// "" when every pixel (x, y) of the image is expected(x, y), else where the
// first one differs.
inline std::string FirstWrongPixel(const QImage& image, const std::function<QRgb(int, int)>& expected)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != expected(x, y)) {
                std::ostringstream out;
                out << "pixel (" << x << ", " << y << ") is #" << std::hex << (image.pixel(x, y) & 0xFFFFFF)
                    << ", want #" << (expected(x, y) & 0xFFFFFF);
                return out.str();
            }
    return "";
}

// "" when the two images are equal, else their first difference.
inline std::string FirstDifference(const QImage& image, const QImage& imageWanted)
{
    return FirstWrongPixel(image, [&](int x, int y) { return imageWanted.pixel(x, y); });
}

// Pixels inside the rectangle [x0, x1] x [y0, y1] are rgbIn, the rest white.
inline std::function<QRgb(int, int)> BoxOf(int x0, int y0, int x1, int y1, QRgb rgbIn)
{
    return [=](int x, int y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1 ? rgbIn : kWhite; };
}
