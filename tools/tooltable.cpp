#include "tools/tooltable.h"

#include "resources/resource.h"
#include "tools/linefigures.h"
#include "tools/shapefigures.h"
#include "view/mydrevikview.h"

#include <algorithm>
#include <cassert>

namespace {

using V = CMyDrevikView;

const ToolRule kToolRules[] = {
    // Line tools.
    {ID_TOOL_LINE, &V::PreviewSegment, &V::ReleaseSegment, MakeLine},
    {ID_TOOL_CENTRIC_LINES, &V::PreviewFromCentre, &V::ReleaseCentric, MakeLine},
    {ID_TOOL_PARALLEL_LINES, &V::PreviewSegment, &V::ReleaseParallel, MakeLine},
    {ID_TOOL_END_LINES, &V::PreviewFromChainEnd, &V::ReleaseEndLine, MakeLine},
    {ID_TOOL_MEASURE, &V::PreviewMeasure, &V::ReleaseMeasure, MakeMeasure},
    {ID_TOOL_THREAD, &V::PreviewBox, &V::ReleaseBoxBoth, MakeTrigon, true},
    {ID_TOOL_FREE_DRAW, &V::PreviewFreeDraw, nullptr, nullptr},
    // Shape tools.
    {ID_TOOL_RECTANGLE, &V::PreviewBox, &V::ReleaseRectangle, MakeRectangle},
    {ID_TOOL_RECT_FILL, &V::PreviewBox, &V::ReleaseRectangle, MakeRectFill},
    {ID_TOOL_RECT_ROUND, &V::PreviewRoundRect, &V::ReleaseRoundRect, MakeRectRound},
    {ID_TOOL_RECT_ROUND_FILL, &V::PreviewRoundRect, &V::ReleaseRoundRect, MakeRectRoundFill},
    {ID_TOOL_ELLIPSE, &V::PreviewEllipse, &V::ReleaseEllipse, MakeEllipse},
    {ID_TOOL_ELLIPSE_FILL, &V::PreviewEllipse, &V::ReleaseEllipse, MakeEllipseFill},
    {ID_TOOL_RADIAL_CIRCLE, &V::PreviewRadialCircle, &V::ReleaseRadialCircle, MakeEllipse},
    {ID_TOOL_RADIAL_CIRCLE_FILL, &V::PreviewRadialCircle, &V::ReleaseRadialCircle, MakeEllipseFill},
    {ID_TOOL_ARC, &V::PreviewArc, &V::ReleaseArc, MakeArc},
    {ID_TOOL_CHORD, &V::PreviewArc, &V::ReleaseArc, MakeChord},
    {ID_TOOL_PIE, &V::PreviewArc, &V::ReleaseArc, MakePie},
    {ID_TOOL_CHORD_FILL, &V::PreviewArc, &V::ReleaseArc, MakeChordFill},
    {ID_TOOL_PIE_FILL, &V::PreviewArc, &V::ReleaseArc, MakePieFill},
    {ID_TOOL_BEZIER, &V::PreviewBezier, &V::ReleaseBezier, MakeBezier},
    {ID_TOOL_POLYGON, &V::PreviewPolygon, &V::ReleasePolygon, MakePolygon},
    // Text, flood fill and the rubber (which stands in for any tool while
    // its toggle is on).
    {ID_TOOL_TEXT, &V::PreviewBox, &V::ReleaseText, MakeText, true},
    {ID_TOOL_FLOOD_FILL, nullptr, &V::ReleaseFloodFill, MakeFloodFill},
    {ID_RUBBER, &V::PreviewSegment, &V::ReleaseRubber, MakeRubberLine},
};

}  // namespace

const ToolRule* FindToolRule(UINT nTool)
{
    for (const ToolRule& rule : kToolRules) {
        if (rule.nTool == nTool)
            return &rule;
    }
    return nullptr;
}

std::vector<UINT> GetToolRuleIds()
{
    std::vector<UINT> vecIds;
    for (const ToolRule& rule : kToolRules)
        vecIds.push_back(rule.nTool);
    return vecIds;
}

bool ToolRuleIdsAreUnique()
{
    std::vector<UINT> vecIds = GetToolRuleIds();
    std::sort(vecIds.begin(), vecIds.end());
    return std::adjacent_find(vecIds.begin(), vecIds.end()) == vecIds.end();
}

#ifndef NDEBUG
namespace {
// A doubled id would silently hide its second row.
const bool s_bToolIdsChecked = [] {
    assert(ToolRuleIdsAreUnique());
    return true;
}();
}  // namespace
#endif
