// Which rules a tool id runs: its preview while the mouse is dragged and its
// release. Tools that differ only in the figure they build share the rules,
// and the row names the figure. An id without a row does nothing.
#pragma once

#include "platform/types.h"

#include <memory>
#include <vector>

class CDC;
class CFigure;
class CMyDrevikView;
struct CReleaseSettings;
struct CToolRelease;

// Builds the figure of a release from the press and release points.
using FigureMaker = std::unique_ptr<CFigure> (*)(const CMyDrevikView& view, CPoint ptP, CPoint ptR,
                                                  const CReleaseSettings& settings);

struct ToolRule {
    UINT nTool;
    void (CMyDrevikView::*pfnPreview)(CDC* pDC, CPoint ptM);
    void (CMyDrevikView::*pfnRelease)(CDC* pDC, const CToolRelease& release);
    FigureMaker pfnMake;
    // The preview hides the centre cross (the box of a thread curve or a
    // text is no closed shape of its own).
    bool bNoCentreMark = false;
};

// The row of a tool id, or null.
const ToolRule* FindToolRule(UINT nTool);
// Every tool id of the table, in table order.
std::vector<UINT> GetToolRuleIds();
bool ToolRuleIdsAreUnique();
