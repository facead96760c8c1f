// The object entries of a drawing file, one at a time. Classes and objects
// share one index counter: each class description and each new object takes
// the next index, and later entries refer back to them by it.
#pragma once

#include "figures/figure.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class CArchive;

// No class or object takes an index once the counter has reached this.
constexpr std::uint32_t kIndexLimit = 0x3FFFFFFE;

// The 16-bit tags of the entries. A count that does not fit in 16 bits
// follows kBigCount in 32 bits; an index that does not fit follows kBigTag
// with the class bit moved to kBigClassTag.
constexpr std::uint16_t kBigCount = 0xFFFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassTag = 0x80000000;

class CFigureWriter {
public:
    // nFirstIndex is 1 for a file; other values let the limit be reached
    // without a billion entries.
    explicit CFigureWriter(CArchive& ar, std::uint32_t nFirstIndex = 1);

    void WriteCount(std::size_t nCount);
    // Writes one entry; false (and the archive bad) at the index limit.
    bool WriteFigure(CFigure* pFigure);

private:
    bool TakeIndex(std::uint32_t& nIndex);

    CArchive& m_ar;
    std::uint32_t m_nNextIndex;
    // The index each class took, in the order written: a drawing names a
    // handful of classes, so a short search beats hashing every figure.
    std::vector<std::pair<const CRuntimeClass*, std::uint32_t>> m_classIndex;
};

class CFigureReader {
public:
    explicit CFigureReader(CArchive& ar, std::uint32_t nFirstIndex = 1);

    // The element count; false (and the archive bad) when the bytes left
    // cannot hold that many entries.
    bool ReadCount(std::uint32_t& nCount);
    // Reads one entry into pFigure: a new figure, an independent copy of a
    // figure read before, or nothing for a null element. False (and the
    // archive bad) on any error. The figures read so far must stay alive
    // while reading goes on: back references copy them.
    bool ReadFigure(std::unique_ptr<CFigure>& pFigure);

private:
    bool Fail();
    // The class that took nIndex, or null when no class did.
    const CRuntimeClass* FindClass(std::uint32_t nIndex) const;
    // The object that took nIndex, or null when no object did.
    CFigure* FindObject(std::uint32_t nIndex) const;
    bool TakeIndex(const CRuntimeClass* pClass, CFigure* pObject);
    const CRuntimeClass* ReadClassDescription();
    bool ReadReference(std::uint32_t nIndex, std::unique_ptr<CFigure>& pFigure);
    bool ReadObject(const CRuntimeClass* pClass, std::unique_ptr<CFigure>& pFigure);

    CArchive& m_ar;
    std::uint32_t m_nFirstIndex;
    // The object of index m_nFirstIndex + i, null where a class took it.
    std::vector<CFigure*> m_objects;
    // The classes with the indexes they took, in rising index order.
    std::vector<std::pair<std::uint32_t, const CRuntimeClass*>> m_classes;
};
