#include "figures/archive/figurestream.h"

#include "platform/archive.h"

#include <algorithm>
#include <cstring>

CFigureWriter::CFigureWriter(CArchive& ar, std::uint32_t nFirstIndex)
    : m_ar(ar), m_nNextIndex(nFirstIndex)
{
}

void CFigureWriter::WriteCount(std::size_t nCount)
{
    if (nCount < kBigCount) {
        m_ar << std::uint16_t(nCount);
    } else {
        m_ar << kBigCount << std::uint32_t(nCount);
    }
}

bool CFigureWriter::TakeIndex(std::uint32_t& nIndex)
{
    if (m_nNextIndex >= kIndexLimit) {
        m_ar.SetBad();
        return false;
    }
    nIndex = m_nNextIndex++;
    return true;
}

bool CFigureWriter::WriteFigure(CFigure* pFigure)
{
    if (!pFigure) {
        m_ar << std::uint16_t(0);
        return true;
    }
    const CRuntimeClass* pClass = pFigure->GetRuntimeClass();
    const auto it = std::find_if(m_classIndex.begin(), m_classIndex.end(),
                                 [pClass](const auto& entry) { return entry.first == pClass; });
    if (it == m_classIndex.end()) {
        std::uint32_t nClassIndex = 0;
        if (!TakeIndex(nClassIndex))
            return false;
        m_classIndex.emplace_back(pClass, nClassIndex);
        const auto nLength = std::uint16_t(std::strlen(pClass->m_lpszClassName));
        m_ar << kNewClassTag << std::uint16_t(pClass->m_wSchema) << nLength;
        m_ar.Write(pClass->m_lpszClassName, nLength);
    } else if (it->second < kBigTag) {
        m_ar << std::uint16_t(kClassTag + it->second);
    } else {
        m_ar << kBigTag << std::uint32_t(kBigClassTag + it->second);
    }
    std::uint32_t nObjectIndex = 0;
    if (!TakeIndex(nObjectIndex))
        return false;
    pFigure->Serialize(m_ar);
    return true;
}
