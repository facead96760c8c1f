// Group codes are right-aligned in three columns, as the format's own
// files have them; readers accept either, some older ones only this.
#include "view/export/dxfwriter.h"

#include <QList>

#include <cmath>

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

QByteArray DxfText(const QString& str)
{
    QByteArray bytes;
    for (const char32_t c : str.toUcs4()) {
        if (c == U'\n' || c == U'\r' || c == U'\t')
            bytes.append(' ');
        else if (c < 0x20 || c == 0x7F)
            continue;
        else if (c < 0x7F)
            bytes.append(char(c));
        else if (c <= 0xFFFF)
            bytes.append(QStringLiteral("\\U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper().toLatin1());
        else
            bytes.append('?');  // beyond the escape's four digits
    }
    return bytes;
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
