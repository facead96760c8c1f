// The byte stream of a drawing file: little-endian integers and the string
// field, over an in-memory buffer. Errors are sticky rather than thrown: the
// first failed read marks the archive bad, later reads give zeros, and the
// reader checks IsBad() to end the load with "Unexpected file format.".
#pragma once

#include "platform/types.h"

#include <QByteArray>
#include <QString>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // A storing archive appends to its own buffer; a loading archive reads
    // the bytes it is given.
    CArchive();
    explicit CArchive(const QByteArray& bytes);

    bool IsStoring() const { return m_nMode == store; }
    bool IsLoading() const { return m_nMode == load; }

    const QByteArray& GetBuffer() const { return m_buffer; }
    qsizetype BytesLeft() const { return m_buffer.size() - m_nPos; }
    bool IsBad() const { return m_bBad; }
    void SetBad() { m_bBad = true; }

    CArchive& operator<<(std::int32_t n);
    CArchive& operator<<(std::uint32_t n);
    CArchive& operator<<(std::uint16_t n);
    CArchive& operator<<(std::uint8_t n);
    // The string field: ANSI (Windows-1252) with a 1-, 3- or 7-byte length
    // prefix, or the UTF-16 form when the text has characters that
    // Windows-1252 cannot hold.
    CArchive& operator<<(const QString& str);

    CArchive& operator>>(std::int32_t& n);
    CArchive& operator>>(std::uint32_t& n);
    CArchive& operator>>(std::uint16_t& n);
    CArchive& operator>>(std::uint8_t& n);
    CArchive& operator>>(QString& str);

    void Write(const char* pData, qsizetype nSize);
    // Fails (and marks the archive bad) when fewer than nSize bytes are left.
    bool Read(char* pData, qsizetype nSize);

private:
    // The length prefix of the string field: 1, 3 or 7 bytes; on reading,
    // bWide tells that the UTF-16 mark came before it.
    void WriteStringLength(std::uint32_t nLength);
    bool ReadStringLength(std::uint32_t& nLength, bool& bWide);

    Mode m_nMode;
    QByteArray m_buffer;
    qsizetype m_nPos = 0;
    bool m_bBad = false;
};

// Windows-1252, the program's ANSI code page.
QByteArray EncodeWindows1252(const QString& str, bool* pbLossless = nullptr);
QString DecodeWindows1252(const QByteArray& bytes);
