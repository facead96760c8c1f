#include "cli/jsonreadstream.h"

#include <QIODevice>

#include <cstring>

namespace {

// Large enough that reading costs a system call per 64 KiB, small enough
// to stay in the cache while the reader works through it.
constexpr qint64 kBlockSize = 64 * 1024;

}  // namespace

JsonReadStream::JsonReadStream(QIODevice& device)
    : m_device(device), m_pBlock(new char[std::size_t(kBlockSize) + 1])
{
    m_pCurrent = m_pLast = m_pBlock.get();
    Fill();
    // A byte-order mark ahead of the text, as some editors write, is not
    // part of it; offsets still count it.
    if (m_nInBlock >= 3 && std::memcmp(m_pBlock.get(), "\xEF\xBB\xBF", 3) == 0)
        m_pCurrent += 3;
}

JsonReadStream::~JsonReadStream() = default;

// Reads the next block whole: a pipe hands over what it has, so one short
// read is not yet the end of the text.
void JsonReadStream::Fill()
{
    if (m_bEnd)
        return;
    m_nBefore += m_nInBlock;
    qint64 nRead = 0;
    while (nRead < kBlockSize) {
        const qint64 n = m_device.read(m_pBlock.get() + nRead, kBlockSize - nRead);
        if (n < 0) {
            m_bReadFailed = true;
            m_strReadError = m_device.errorString();
        }
        if (n <= 0)
            break;
        nRead += n;
    }
    m_nInBlock = std::size_t(nRead);
    m_pCurrent = m_pBlock.get();
    m_pLast = m_pBlock.get() + nRead - 1;
    if (nRead < kBlockSize) {
        m_pBlock[std::size_t(nRead)] = '\0';
        ++m_pLast;
        m_bEnd = true;
    }
}
