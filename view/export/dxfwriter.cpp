// Group codes are right-aligned in three columns, as the format's own
// files have them; readers accept either, some older ones only this.
#include "view/export/dxfwriter.h"

#include <QList>

#include <cmath>
#include <utility>

QByteArray DxfNumber(double d)
{
    if (!std::isfinite(d))
        return QByteArrayLiteral("0.0");
    QByteArray bytes = QByteArray::number(d, 'f', 6);
    while (bytes.endsWith('0'))
        bytes.chop(1);
    // A real keeps its point so no reader takes it for an integer.
    if (bytes.endsWith('.'))
        bytes.append('0');
    return bytes == "-0.0" ? QByteArrayLiteral("0.0") : bytes;
}

namespace {

// The characters of the file's code page (1252) beyond ASCII that are not
// Latin-1's, with their bytes.
char CodePageByte(char32_t c)
{
    static const std::pair<char32_t, unsigned char> kTable[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
        {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
        {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
        {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F}};
    if (c >= 0xA0 && c <= 0xFF)
        return char(c);
    for (const auto& [cUnicode, nByte] : kTable)
        if (cUnicode == c)
            return char(nByte);
    return 0;
}

}  // namespace

QByteArray DxfText(const QString& str)
{
    QByteArray bytes;
    for (const char32_t c : str.toUcs4()) {
        if (c == U'\n' || c == U'\r' || c == U'\t')
            bytes.append(' ');
        else if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            continue;
        else if (c < 0x7F)
            bytes.append(char(c));
        else if (const char cByte = CodePageByte(c))
            bytes.append(cByte);
        else if (c <= 0xFFFF)
            bytes.append(QStringLiteral("\\U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper().toLatin1());
        else
            bytes.append('?');  // beyond the escape's four digits
    }
    return bytes;
}

QString DxfTextContent(const QString& str)
{
    if (!str.contains(QStringLiteral("%%")))
        return str;
    QString strContent = str;
    return strContent.replace(QLatin1Char('%'), QStringLiteral("%%%"));
}

void CDxfWriter::Code(int nCode)
{
    m_bytes.append(QByteArray::number(nCode).rightJustified(3, ' '));
    m_bytes.append('\n');
}

void CDxfWriter::Text(int nCode, const QString& str)
{
    Code(nCode);
    m_bytes.append(DxfText(str));
    m_bytes.append('\n');
}

void CDxfWriter::Real(int nCode, double d)
{
    Code(nCode);
    m_bytes.append(DxfNumber(d));
    m_bytes.append('\n');
}

void CDxfWriter::Int(int nCode, std::int64_t n)
{
    Code(nCode);
    m_bytes.append(QByteArray::number(qint64(n)));
    m_bytes.append('\n');
}

void CDxfWriter::Handle(int nCode, unsigned nHandle)
{
    Code(nCode);
    m_bytes.append(QByteArray::number(nHandle, 16).toUpper());
    m_bytes.append('\n');
}

void CDxfWriter::Point(int nCode, double x, double y)
{
    Real(nCode, x);
    Real(nCode + 10, y);
}

void CDxfWriter::Point3(int nCode, double x, double y, double z)
{
    Point(nCode, x, y);
    Real(nCode + 20, z);
}
