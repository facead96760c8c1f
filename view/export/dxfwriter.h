// The group-code stream of an ASCII DXF file: each value on its own line
// after its code. Knows nothing of entities or tables.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class CDxfWriter {
public:
    void Text(int nCode, const QString& str);
    void Text(int nCode, const char* psz) { Text(nCode, QString::fromLatin1(psz)); }
    void Real(int nCode, double d);
    void Int(int nCode, std::int64_t n);
    // Handles and references to them are hexadecimal.
    void Handle(int nCode, unsigned nHandle);
    // A point's x, y and z under nCode, nCode + 10 and nCode + 20.
    void Point(int nCode, double x, double y);
    void Point3(int nCode, double x, double y, double z);

    const QByteArray& Bytes() const { return m_bytes; }

private:
    void Code(int nCode);
    QByteArray m_bytes;
};

// A real number as DXF writes it: plain decimals, at most six places.
QByteArray DxfNumber(double d);
// A text value that stays on one line in the file's code page (1252):
// line breaks become spaces, other control characters vanish, and
// characters the code page lacks are written as \U+XXXX, as readers of
// this version expect.
QByteArray DxfText(const QString& str);
// What a text entity holds for str: a double percent sign would start a
// control code (%%c is a diameter sign), so then every percent sign is
// written as the code for one.
QString DxfTextContent(const QString& str);
