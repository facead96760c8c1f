// Painting helpers of the curve, text and fill tests: a white image drawn on
// through CDC at one logical unit per pixel, logical (x, y) at pixel
// (x + nOrgX, nOrgY - y).
#pragma once

#include "platform/dc.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

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
    QRgb At(int x, int y) const { return m_image.pixel(m_nOrgX + x, m_nOrgY - y); }

    // Logical points of the pixels that are not white.
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
