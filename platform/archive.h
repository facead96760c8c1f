// The byte stream of a drawing file: little-endian integers and the string
// field, over an in-memory buffer. Errors are sticky rather than thrown: the
// first failed read marks the archive bad, later reads give zeros, and the
// reader checks IsBad() to end the load with "Unexpected file format.".
#pragma once

#include "platform/types.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtEndian>

#include <cstring>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // A storing archive appends to its own buffer; a loading archive reads
    // the bytes it is given.
    CArchive();
    explicit CArchive(const QByteArray& bytes);
    // A storing archive that hands its bytes on to pDevice in large blocks
    // instead of holding them all; Flush() hands on the last one. Its
    // GetBuffer() holds no drawing.
    explicit CArchive(QIODevice* pDevice);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_nMode == store; }
    bool IsLoading() const { return m_nMode == load; }

    // The bytes stored so far (storing) or the bytes given (loading).
    const QByteArray& GetBuffer() const;
    qsizetype BytesLeft() const { return m_pRead ? m_pReadEnd - m_pRead : 0; }
    bool IsBad() const { return m_bBad; }
    void SetBad();
    // Writes what the device archive holds back; false when the device has
    // refused any block, now or before.
    bool Flush();

    CArchive& operator<<(std::int32_t n) { return Put(n); }
    CArchive& operator<<(std::uint32_t n) { return Put(n); }
    CArchive& operator<<(std::uint16_t n) { return Put(n); }
    CArchive& operator<<(std::uint8_t n) { return Put(n); }
    // The string field: ANSI (Windows-1252) with a 1-, 3- or 7-byte length
    // prefix, or the UTF-16 form when the text has characters that
    // Windows-1252 cannot hold.
    CArchive& operator<<(const QString& str);

    CArchive& operator>>(std::int32_t& n) { return Get(n); }
    CArchive& operator>>(std::uint32_t& n) { return Get(n); }
    CArchive& operator>>(std::uint16_t& n) { return Get(n); }
    CArchive& operator>>(std::uint8_t& n) { return Get(n); }
    CArchive& operator>>(QString& str);

    // Makes room for nBytes more bytes at once. Room that is never
    // written is never touched, so a generous guess costs no memory.
    void Reserve(qsizetype nBytes);

    void Write(const char* pData, qsizetype nSize)
    {
        // A million figures make ten million fields: the common case, room
        // in the buffer, stays a copy without a call.
        if (nSize > 0 && m_pWriteEnd - m_pWrite >= nSize) {
            std::memcpy(m_pWrite, pData, size_t(nSize));
            m_pWrite += nSize;
            return;
        }
        WriteSlow(pData, nSize);
    }
    // Fails (and marks the archive bad) when fewer than nSize bytes are left.
    bool Read(char* pData, qsizetype nSize)
    {
        if (nSize > 0 && m_pReadEnd - m_pRead >= nSize) {
            std::memcpy(pData, m_pRead, size_t(nSize));
            m_pRead += nSize;
            return true;
        }
        return ReadSlow(pData, nSize);
    }

private:
    template <typename T>
    CArchive& Put(T value)
    {
        value = qToLittleEndian(value);
        Write(reinterpret_cast<const char*>(&value), sizeof(T));
        return *this;
    }
    template <typename T>
    CArchive& Get(T& value)
    {
        Read(reinterpret_cast<char*>(&value), sizeof(T));
        value = qFromLittleEndian(value);
        return *this;
    }

    void WriteSlow(const char* pData, qsizetype nSize);
    void Grow(qsizetype nRoom);
    // Device archive: the block so far goes to the device, the room stays.
    void WriteBlock();
    bool ReadSlow(char* pData, qsizetype nSize);
    // The length prefix of the string field: 1, 3 or 7 bytes; on reading,
    // bWide tells that the UTF-16 mark came before it.
    void WriteStringLength(std::uint32_t nLength);
    bool ReadStringLength(std::uint32_t& nLength, bool& bWide);

    Mode m_nMode;
    // Storing: the buffer runs ahead of the bytes written, so that most
    // writes need no growth; m_pWrite is where the next byte goes and
    // m_pWriteEnd the end of the room. GetBuffer cuts the spare room off.
    mutable QByteArray m_buffer;
    mutable char* m_pWrite = nullptr;
    mutable char* m_pWriteEnd = nullptr;
    // Loading: the next byte and the end of the bytes. A failed read moves
    // m_pRead to the end, so that every later read fails too and gives zeros.
    const char* m_pRead = nullptr;
    const char* m_pReadEnd = nullptr;
    bool m_bBad = false;
    // Device archive: where the blocks go, and whether one was refused.
    QIODevice* m_pDevice = nullptr;
    bool m_bDeviceFailed = false;
};

// Windows-1252, the program's ANSI code page.
QByteArray EncodeWindows1252(const QString& str, bool* pbLossless = nullptr);
QString DecodeWindows1252(const QByteArray& bytes);
