#include "figures/archive/figurearchive.h"
#include "figures/archive/figurestream.h"

#include "platform/archive.h"

#include <algorithm>

namespace {
// A class name of this many bytes or more is not one of ours.
constexpr std::uint16_t kMaxNameLength = 64;
// The smallest entry, a null element or a reference, is a two-byte tag.
constexpr qsizetype kMinEntrySize = 2;
}  // namespace

CFigureReader::CFigureReader(CArchive& ar, std::uint32_t nFirstIndex)
    : m_ar(ar), m_nFirstIndex(nFirstIndex)
{
}

bool CFigureReader::Fail()
{
    m_ar.SetBad();
    return false;
}

bool CFigureReader::ReadCount(std::uint32_t& nCount)
{
    std::uint16_t nShort = 0;
    m_ar >> nShort;
    nCount = nShort;
    if (nShort == kBigCount)
        m_ar >> nCount;
    // The count comes from the file: a count the remaining bytes cannot
    // hold ends the load here, before anything is allocated for it.
    if (m_ar.IsBad() || qint64(nCount) > m_ar.BytesLeft() / kMinEntrySize)
        return Fail();
    // Most entries are objects: one index each, and a few more for classes.
    m_objects.reserve(nCount + 32);
    return true;
}

const CRuntimeClass* CFigureReader::FindClass(std::uint32_t nIndex) const
{
    const auto it = std::lower_bound(m_classes.begin(), m_classes.end(), nIndex,
                                     [](const auto& entry, std::uint32_t n) { return entry.first < n; });
    return it != m_classes.end() && it->first == nIndex ? it->second : nullptr;
}

CFigure* CFigureReader::FindObject(std::uint32_t nIndex) const
{
    if (nIndex < m_nFirstIndex || nIndex - m_nFirstIndex >= m_objects.size())
        return nullptr;
    return m_objects[nIndex - m_nFirstIndex];
}

bool CFigureReader::TakeIndex(const CRuntimeClass* pClass, CFigure* pObject)
{
    const std::uint64_t nIndex = std::uint64_t(m_nFirstIndex) + m_objects.size();
    if (nIndex >= kIndexLimit)
        return Fail();
    if (!pObject)
        m_classes.emplace_back(std::uint32_t(nIndex), pClass);
    m_objects.push_back(pObject);
    return true;
}

bool CFigureReader::ReadFigure(std::unique_ptr<CFigure>& pFigure)
{
    pFigure.reset();
    std::uint16_t nTag = 0;
    m_ar >> nTag;
    std::uint32_t nFullTag = (std::uint32_t(nTag & kClassTag) << 16) | (nTag & kBigTag);
    if (nTag == kBigTag)
        m_ar >> nFullTag;
    if (m_ar.IsBad())
        return false;
    if (!(nFullTag & kBigClassTag))
        return ReadReference(nFullTag, pFigure);

    const CRuntimeClass* pClass = nullptr;
    if (nTag == kNewClassTag) {
        pClass = ReadClassDescription();
    } else {
        // A class tag must name a class; an object's index is not one.
        pClass = FindClass(nFullTag & ~kBigClassTag);
    }
    if (!pClass)
        return Fail();
    return ReadObject(pClass, pFigure);
}

const CRuntimeClass* CFigureReader::ReadClassDescription()
{
    std::uint16_t nSchema = 0;
    std::uint16_t nLength = 0;
    m_ar >> nSchema >> nLength;
    if (m_ar.IsBad() || nLength >= kMaxNameLength)
        return nullptr;
    char szName[kMaxNameLength];
    if (!m_ar.Read(szName, nLength))
        return nullptr;
    const CRuntimeClass* pClass = FindFigureClass(szName, nLength);
    if (!pClass || pClass->m_wSchema != nSchema)
        return nullptr;
    if (!TakeIndex(pClass, nullptr))
        return nullptr;
    return pClass;
}

bool CFigureReader::ReadReference(std::uint32_t nIndex, std::unique_ptr<CFigure>& pFigure)
{
    // Index 0 is a null element: the document holds no null figure, so the
    // caller leaves it out.
    if (nIndex == 0)
        return true;
    const CFigure* pObject = FindObject(nIndex);
    if (!pObject)
        return Fail();
    // The document owns each figure once: a second mention of an object
    // becomes a figure of its own with the same record.
    pFigure = CopyFigure(*pObject);
    return pFigure != nullptr || Fail();
}

bool CFigureReader::ReadObject(const CRuntimeClass* pClass, std::unique_ptr<CFigure>& pFigure)
{
    // Every class the reader finds is a figure class (FindFigureClass).
    auto* pNew = static_cast<CFigure*>(pClass->CreateObject());
    if (!pNew)
        return Fail();
    pFigure.reset(pNew);
    if (!TakeIndex(pClass, pNew))
        return false;
    pNew->Serialize(m_ar);
    if (m_ar.IsBad()) {
        m_objects.pop_back();
        pFigure.reset();
        return false;
    }
    return true;
}
