// Helpers of the shape tests: records written out by hand, and a small
// white image drawn on through CDC at one logical unit per pixel, with the
// logical origin moved to the middle so shapes around (0, 0) are in view.
#pragma once

#include "figures/figure.h"
#include "platform/archive.h"
#include "platform/dc.h"

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <initializer_list>

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int n : values)
        bytes.append(char(n));
    return bytes;
}

// The CFigure part of a record: (100, -200), (300, -400), red.
inline QByteArray FigurePartBytes()
{
    return Bytes({0x64, 0, 0, 0, 0x38, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 0x70, 0xFE, 0xFF, 0xFF,
                  0xFF, 0, 0, 0});
}

// The whole record of a figure: every field it carries.
inline QByteArray RecordOf(const CFigure& figure)
{
    CArchive ar;
    const_cast<CFigure&>(figure).Serialize(ar);
    return ar.GetBuffer();
}

// The colour of the centre cross.
const QRgb kCrossRgb = qRgb(130, 90, 190);
const QRgb kWhiteRgb = qRgb(255, 255, 255);

class CShapeCanvas {
public:
    explicit CShapeCanvas(int nSize = 301) : m_image(nSize, nSize, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        m_dc.Attach(&m_image, 1.0);
        m_nOrg = nSize / 2;
        m_dc.SetViewportOrg(m_nOrg, m_nOrg);
    }

    CDC* DC() { return &m_dc; }
    const QImage& Image() const { return m_image; }

    // The colour at logical (x, y); an RGB32 pixel reads as opaque, like qRgb.
    QRgb At(int x, int y) const { return m_image.pixel(m_nOrg + x, m_nOrg - y); }

    int Count(QRgb rgb) const
    {
        int n = 0;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                n += m_image.pixel(x, y) == rgb;
        return n;
    }

    int CountNot(QRgb rgb) const { return m_image.width() * m_image.height() - Count(rgb); }

private:
    QImage m_image;
    CDC m_dc;
    int m_nOrg = 0;
};

// One logical point that must (or must not) have a colour.
struct PixelRule {
    int x;
    int y;
    QRgb rgb;
    bool bEqual;
    const char* pszWhat;
};

// Reports the first rule broken, with the colour found.
inline void ExpectPixels(const CShapeCanvas& canvas, std::initializer_list<PixelRule> rules)
{
    for (const PixelRule& rule : rules) {
        const QRgb rgbFound = canvas.At(rule.x, rule.y);
        if ((rgbFound == rule.rgb) != rule.bEqual) {
            ADD_FAILURE() << rule.pszWhat << ": logical (" << rule.x << ", " << rule.y
                          << ") is #" << std::hex << (rgbFound & 0xFFFFFF)
                          << (rule.bEqual ? ", want #" : ", must not be #")
                          << (rule.rgb & 0xFFFFFF);
            return;
        }
    }
}
