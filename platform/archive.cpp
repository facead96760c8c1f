#include "platform/archive.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kBlockSize = qsizetype(1) << 20;

// The length prefix that announces UTF-16 text instead of ANSI bytes.
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kLongMark = 0xFFFF;

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined stand for the control characters of the same value, so that
// every byte survives a decode and encode unchanged.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of a UTF-16 unit, or -1 when it has none.
int Windows1252Byte(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

}  // namespace

QByteArray EncodeWindows1252(const QString& str, bool* pbLossless)
{
    QByteArray bytes;
    bytes.reserve(str.size());
    bool bLossless = true;
    for (qsizetype i = 0; i < str.size(); ++i) {
        const char16_t ch = str.at(i).unicode();
        const int nByte = Windows1252Byte(ch);
        if (nByte >= 0) {
            bytes.append(char(nByte));
            continue;
        }
        // One '?' for each character that the code page cannot hold; the
        // two halves of a surrogate pair are one character.
        bLossless = false;
        bytes.append('?');
        if (QChar::isHighSurrogate(ch) && i + 1 < str.size() && str.at(i + 1).isLowSurrogate())
            ++i;
    }
    if (pbLossless)
        *pbLossless = bLossless;
    return bytes;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString str;
    str.reserve(bytes.size());
    for (char c : bytes) {
        const auto nByte = std::uint8_t(c);
        if (nByte >= 0x80 && nByte < 0xA0)
            str.append(QChar(kHighControls[nByte - 0x80]));
        else
            str.append(QChar(char16_t(nByte)));
    }
    return str;
}

CArchive::CArchive() : m_nMode(store) {}

CArchive::CArchive(const QByteArray& bytes)
    : m_nMode(load), m_buffer(bytes), m_pRead(m_buffer.constData()), m_pReadEnd(m_pRead + m_buffer.size())
{
}

CArchive::CArchive(QIODevice* pDevice) : m_nMode(store), m_pDevice(pDevice) {}

const QByteArray& CArchive::GetBuffer() const
{
    if (IsStoring() && m_pWrite) {
        const qsizetype nUsed = m_pWrite - m_buffer.constData();
        if (m_buffer.size() != nUsed)
            m_buffer.truncate(nUsed);
        // No room left: the next write regrows the buffer, apart from any
        // copy the caller keeps of these bytes.
        m_pWrite = const_cast<char*>(m_buffer.constData()) + nUsed;
        m_pWriteEnd = m_pWrite;
    }
    return m_buffer;
}

void CArchive::SetBad()
{
    m_bBad = true;
    m_pRead = m_pReadEnd;
}

void CArchive::WriteSlow(const char* pData, qsizetype nSize)
{
    if (!IsStoring() || nSize < 0) {
        SetBad();
        return;
    }
    if (nSize == 0)
        return;
    if (m_pDevice) {
        WriteBlock();
        // A block of a megabyte makes a drawing of a million figures some
        // thirty writes, from memory that stays in the cache.
        if (nSize >= kBlockSize) {
            m_bDeviceFailed = m_bDeviceFailed || m_pDevice->write(pData, nSize) != nSize;
            return;
        }
        if (m_pWriteEnd - m_pWrite < nSize)
            Grow(kBlockSize);
        std::memcpy(m_pWrite, pData, size_t(nSize));
        m_pWrite += nSize;
        return;
    }
    // Doubling keeps a drawing of a million figures to a few dozen
    // reallocations.
    Grow(std::max({nSize, qsizetype(4096), m_buffer.size()}));
    std::memcpy(m_pWrite, pData, size_t(nSize));
    m_pWrite += nSize;
}

void CArchive::Reserve(qsizetype nBytes)
{
    // A device archive needs no more than its block.
    if (IsStoring() && !m_pDevice && nBytes > m_pWriteEnd - m_pWrite)
        Grow(nBytes);
}

void CArchive::WriteBlock()
{
    if (!m_pWrite)
        return;
    const qsizetype nUsed = m_pWrite - m_buffer.constData();
    if (nUsed > 0 && !m_bDeviceFailed)
        m_bDeviceFailed = m_pDevice->write(m_buffer.constData(), nUsed) != nUsed;
    m_pWrite -= nUsed;
}

bool CArchive::Flush()
{
    if (m_pDevice)
        WriteBlock();
    return !m_bDeviceFailed;
}

void CArchive::Grow(qsizetype nRoom)
{
    const qsizetype nUsed = m_pWrite ? m_pWrite - m_buffer.constData() : 0;
    m_buffer.resize(nUsed + nRoom);
    char* pBase = m_buffer.data();
    m_pWrite = pBase + nUsed;
    m_pWriteEnd = pBase + nUsed + nRoom;
}

bool CArchive::ReadSlow(char* pData, qsizetype nSize)
{
    if (nSize == 0 && !m_bBad && IsLoading())
        return true;
    SetBad();
    std::memset(pData, 0, size_t(nSize > 0 ? nSize : 0));
    return false;
}

void CArchive::WriteStringLength(std::uint32_t nLength)
{
    if (nLength < 0xFF) {
        *this << std::uint8_t(nLength);
    } else if (nLength < kWideMark) {
        *this << std::uint8_t(0xFF) << std::uint16_t(nLength);
    } else {
        *this << std::uint8_t(0xFF) << kLongMark << nLength;
    }
}

bool CArchive::ReadStringLength(std::uint32_t& nLength, bool& bWide)
{
    bWide = false;
    for (;;) {
        std::uint8_t nShort = 0;
        *this >> nShort;
        if (nShort < 0xFF) {
            nLength = nShort;
            return !m_bBad;
        }
        std::uint16_t nMedium = 0;
        *this >> nMedium;
        if (nMedium == kLongMark) {
            *this >> nLength;
            return !m_bBad;
        }
        if (nMedium != kWideMark) {
            nLength = nMedium;
            return !m_bBad;
        }
        // The wide mark comes once, in front of the real length.
        if (bWide || m_bBad) {
            SetBad();
            return false;
        }
        bWide = true;
    }
}

CArchive& CArchive::operator<<(const QString& str)
{
    bool bLossless = true;
    const QByteArray ansi = EncodeWindows1252(str, &bLossless);
    if (bLossless) {
        WriteStringLength(std::uint32_t(ansi.size()));
        Write(ansi.constData(), ansi.size());
        return *this;
    }
    // Text that the ANSI code page cannot hold goes out as UTF-16, a form
    // that every reader of the format accepts, so no character is lost.
    *this << std::uint8_t(0xFF) << kWideMark;
    WriteStringLength(std::uint32_t(str.size()));
    for (QChar ch : str)
        *this << std::uint16_t(ch.unicode());
    return *this;
}

CArchive& CArchive::operator>>(QString& str)
{
    str.clear();
    std::uint32_t nLength = 0;
    bool bWide = false;
    if (!ReadStringLength(nLength, bWide))
        return *this;
    // The length comes from the file: check it against the bytes that are
    // really there before allocating anything for it.
    const qint64 nBytes = qint64(nLength) * (bWide ? 2 : 1);
    if (nBytes > BytesLeft()) {
        SetBad();
        return *this;
    }
    const char* pData = m_pRead;
    if (bWide) {
        str.resize(qsizetype(nLength));
        for (qsizetype i = 0; i < qsizetype(nLength); ++i)
            str[i] = QChar(qFromLittleEndian<std::uint16_t>(pData + 2 * i));
    } else {
        str = DecodeWindows1252(QByteArray(pData, qsizetype(nBytes)));
    }
    m_pRead += qsizetype(nBytes);
    return *this;
}
