// What changed in a drawing, told to its views through UpdateAllViews, so
// that a view can repaint only the change. A view that cannot use a hint
// repaints everything, as for no hint at all.
#pragma once

#include "platform/object.h"

#include <cstdint>

class CDocumentHint : public CObject {
public:
    enum Kind {
        kStepMoved,      // the step pointer moved; no figure changed
        kFigureRemoved,  // the figure at m_nIndex is gone, later ones moved up
    };

    CDocumentHint(Kind nKind, int nIndex, std::uint64_t nRevision)
        : m_nKind(nKind), m_nIndex(nIndex), m_nRevision(nRevision) {}
    const CRuntimeClass* GetRuntimeClass() const override;

    Kind m_nKind;
    int m_nIndex;  // the removed figure's index; -1 for a step
    // The document's revision after the change: a view whose pictures are
    // of another revision (one step back from it for a removal) has missed
    // a change and repaints everything.
    std::uint64_t m_nRevision;
};
