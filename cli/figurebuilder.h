// pack's figures from their fields: each figure's record is checked and
// written after the one before into a run of records, and the run goes in
// through the classes' own readers in one go, as from a file. One buffer
// for many small records keeps a million figures from costing a million
// buffers.
#pragma once

#include "figures/archive/figurearchive.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <vector>

class CArchive;
class FigureFields;
struct RecordLayout;

class FigureBuilder {
public:
    FigureBuilder();
    ~FigureBuilder();

    // Checks the fields of figure nIndex and queues its record. False with
    // *pstrError naming the figure, its class and the field at fault.
    bool Add(const FigureFields& fields, std::size_t nIndex, QString* pstrError);
    // Whether the run is large enough to be built.
    bool RunFull() const;
    // Builds the queued figures onto figures. False with *pstrError at the
    // first whose class does not read its record back whole.
    bool Build(FigureArray& figures, QString* pstrError);

private:
    struct Queued {
        const RecordLayout* pLayout;
        const CRuntimeClass* pClass;
        std::size_t nIndex;
        // Where its record ends in the run.
        qsizetype nEnd;
    };

    std::unique_ptr<CArchive> m_pRun;
    std::vector<Queued> m_queued;
};
