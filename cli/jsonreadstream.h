// The JSON reader's input: a file, standard input or bytes in memory, read
// in blocks of a fixed size, so that pack holds the figures it builds and
// not the whole text of a drawing that may run to hundreds of megabytes.
#pragma once

#include <QString>

#include <cstddef>
#include <memory>

class QIODevice;

// A RapidJSON input stream. After the last byte Peek() gives '\0', as the
// library expects; AtEnd() tells that end from a NUL in the text.
class JsonReadStream {
public:
    using Ch = char;

    explicit JsonReadStream(QIODevice& device);
    ~JsonReadStream();

    Ch Peek() const { return *m_pCurrent; }
    Ch Take()
    {
        const Ch c = *m_pCurrent;
        if (m_pCurrent < m_pLast)
            ++m_pCurrent;
        else
            Fill();
        return c;
    }
    std::size_t Tell() const { return m_nBefore + std::size_t(m_pCurrent - m_pBlock.get()); }
    bool AtEnd() const { return m_bEnd && m_pCurrent == m_pLast; }

    // A failed read ends the stream as if the text ended there; the caller
    // asks here before blaming the text.
    bool ReadFailed() const { return m_bReadFailed; }
    QString ReadError() const { return m_strReadError; }

    // Only reading is supported; the library asks for these names all the
    // same.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch*) { return 0; }

private:
    void Fill();

    QIODevice& m_device;
    std::unique_ptr<char[]> m_pBlock;
    char* m_pCurrent = nullptr;
    // The last byte of the block, or the '\0' after the text's end.
    char* m_pLast = nullptr;
    // The bytes of the blocks before this one.
    std::size_t m_nBefore = 0;
    std::size_t m_nInBlock = 0;
    bool m_bEnd = false;
    bool m_bReadFailed = false;
    QString m_strReadError;
};
