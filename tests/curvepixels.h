// Painting helpers of the curve, text and fill tests: a white image drawn on
// through CDC at one logical unit per pixel, logical (x, y) at pixel
// (x + nOrgX, nOrgY - y).
#pragma once

#include "platform/dc.h"

#include <QImage>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

inline QRgb ToQRgb(COLORREF color)
{
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}

class CCurveCanvas {
public:
    CCurveCanvas(int nWidth, int nHeight, int nOrgX, int nOrgY)
        : m_image(nWidth, nHeight, QImage::Format_RGB32), m_nOrgX(nOrgX), m_nOrgY(nOrgY)
    {
        m_image.fill(Qt::white);
        m_dc.Attach(&m_image, 1.0);
        m_dc.SetViewportOrg(nOrgX, nOrgY);
    }

    CDC* DC() { return &m_dc; }
    const QImage& Image() const { return m_image; }

    // The colour at logical (x, y); white outside the image.
    QRgb At(int x, int y) const
    {
        const QPoint pt(m_nOrgX + x, m_nOrgY - y);
        return m_image.valid(pt) ? m_image.pixel(pt) : qRgb(255, 255, 255);
    }

    // Logical points of every pixel that is not white, row by row.
    std::vector<QPoint> Inked() const
    {
        std::vector<QPoint> points;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                if (m_image.pixel(x, y) != qRgb(255, 255, 255))
                    points.emplace_back(x - m_nOrgX, m_nOrgY - y);
        return points;
    }

    int Count(QRgb rgb) const
    {
        int n = 0;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                n += m_image.pixel(x, y) == rgb;
        return n;
    }

private:
    QImage m_image;
    CDC m_dc;
    int m_nOrgX;
    int m_nOrgY;
};

// One logical point that must (or must not) have a colour.
struct CurvePixel {
    int x;
    int y;
    QRgb rgb;
    bool bEqual;
    const char* pszWhat;
};

// Reports the first rule broken, with the colour found.
inline void ExpectCurvePixels(const CCurveCanvas& canvas, std::initializer_list<CurvePixel> rules)
{
    for (const CurvePixel& rule : rules) {
        const QRgb rgbFound = canvas.At(rule.x, rule.y);
        if ((rgbFound == rule.rgb) != rule.bEqual) {
            ADD_FAILURE() << rule.pszWhat << ": logical (" << rule.x << ", " << rule.y << ") is #"
                          << std::hex << (rgbFound & 0xFFFFFF)
                          << (rule.bEqual ? ", want #" : ", must not be #") << (rule.rgb & 0xFFFFFF);
            return;
        }
    }
}
