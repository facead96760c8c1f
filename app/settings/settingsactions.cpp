#include "app/settings/settingsactions.h"

#include "platform/cmdrouting.h"
#include "resources/resource.h"

#include <QAction>
#include <QActionGroup>

#include <span>

namespace {

// Texts exactly as the program shows them, stray blanks included.
constexpr SettingsCommandText kTexts[] = {
    {ID_TOOL_LINE, "&Line", "Select Tool to Draw Straight Lines\nStraight Lines", true},
    {ID_TOOL_RECTANGLE, "&Rectangle", "Select tool to draw Rectangles\nRectangle", true},
    {ID_TOOL_RECT_FILL, "R&ect Fill", "Select tool to draw filled Rectangle\nFilled Rectangle", true},
    {ID_TOOL_RECT_ROUND, "Re&ct Round", "Select tool to draw open Rectangles with Rounded corners\n Round Rectangle", true},
    {ID_TOOL_RECT_ROUND_FILL, "Rec&t Round Fill", "Select Tool to draw filled Round Rectangles\nFilled Round Rectangle", true},
    {ID_TOOL_ELLIPSE, "Elli&pse", "Select tool to draw Ellipse\nEllipse", true},
    {ID_TOOL_ELLIPSE_FILL, "Ellipse &Fill", "Select tool to draw filled Ellipse\nFilled Ellipse", true},
    {ID_TOOL_RADIAL_CIRCLE, "R&adial Circle", "Draws Radial Circle\nCircle", true},
    {ID_TOOL_RADIAL_CIRCLE_FILL, "Ra&dial Circle Fill", "Draws filled Circles\nFilled Circles", true},
    {ID_TOOL_ARC, "&Arc", "Draws Arc\nArc", true},
    {ID_TOOL_CHORD, "&Chord", "Draws Chord\nChord", true},
    {ID_TOOL_CHORD_FILL, "Filled C&hord", "Draws Filled Chord\nFilled Chord", true},
    {ID_TOOL_PIE, "&Pie", "Draws Pie\nPie", true},
    {ID_TOOL_PIE_FILL, "Filled Pie", "Draws Filled Pie\nFilled Pie", true},
    {ID_TOOL_CENTRIC_LINES, "&Centric Lines", "Select Centric Lines\nCentric Lines", true},
    {ID_TOOL_END_LINES, "&End Connected Line", "Select End Connected Lines\nEnd Lines", true},
    {ID_TOOL_MEASURE, "&Measured Line", "Measuring Line\nMeasure", true},
    {ID_TOOL_PARALLEL_LINES, "&Parallel Line", "Select Parallel Lines\nParallel Lines", true},
    {ID_TOOL_BEZIER, nullptr, "Select Bezier Curves\nBezier Curve", true},
    {ID_TOOL_POLYGON, nullptr, nullptr, true},
    {ID_TOOL_THREAD, nullptr, "Select Thread Curves\nThreads", true},
    {ID_TOOL_TEXT, nullptr, "Select Text Tool \nText", true},
    {ID_TOOL_FREE_DRAW, nullptr, "Free Drawing Tool (DO NOT select with Free Grid Motion)\n Free Drawing Tool", true},
    {ID_TOOL_FLOOD_FILL, nullptr, "Select Tool for Flood Filling (PREFER USING WITHOUT GRID)\n Fill Brush", true},

    {ID_LINE_SINGLE, "&Single", "Draw using Single thickness lines\nSingle Line", true},
    {ID_LINE_DOUBLE, "&Double", "Draw using Double thickness lines\nDouble Line", true},
    {ID_LINE_TRIPLE, "&Triple", "Draw using Triple thickness lines\nTriple Line", true},

    {ID_FILL_SOLID, "&Solid Fill", "Select Solid Fill Style\nSolid Fill", true},
    {ID_FILL_DIAGONAL_DOWN, "&Diagonal Down", "Select Diagonal  Fill Style\nDiagonal Fill", true},
    {ID_FILL_CROSS, "&Cross Fill", "Select Cross Fill Style\nCross Fill", true},
    {ID_FILL_DIAGONAL_CROSS, "D&iagonal Cross ", "Select Diagonal Cross Fill Style\nDiagonal Fill", true},
    {ID_FILL_DIAGONAL_UP, "Diagonal &Up", "Select Up Diagonal Fill Style\nUpDiagonal Fill", true},
    {ID_FILL_HORIZONTAL, "&Horizontal Fill", "Select Horizontal Fill Style\nHorizontal Fill", true},
    {ID_FILL_VERTICAL, "&Vertical Fill", "Select Vertical Fill Style\nVertical Fill", true},
    {ID_FILL_BIT_ARROW, "Bit &Arrow", nullptr, true},
    {ID_FILL_BIT_CIRCLE, "Bit Ci&rcle", nullptr, true},
    {ID_FILL_BIT_BIG_CROSS, "Bit Big Cr&oss", nullptr, true},
    {ID_FILL_BIT_DIAMOND, "Bit Dia&mond", nullptr, true},
    {ID_FILL_BIT_HORZ_SINE, "Bit Hori&zontal Sine", nullptr, true},
    {ID_FILL_BIT_SMALL_CROSS, "Bit Sma&ll Cross", nullptr, true},
    {ID_FILL_BIT_VERT_SINE, "Bit Ver&tical Sine", nullptr, true},

    {ID_PEN_SOLID, "&Solid Pen", "Select Solid Pen Style\nSolid Pen", true},
    {ID_PEN_DASH, "&Dash", "Select Dashed PenStyle\nDahed Pen", true},
    {ID_PEN_DOT, "D&otted Pen", "Select Dotted Pen Style\nDotted Pen", true},
    {ID_PEN_DASHDOT, "D&ashDotted Pen", "Select DashDotted Pen Style\n DashDotted Pen ", true},
    {ID_PEN_DASHDOTDOT, "D&ouble Dotted", "Select Double Dotted Pen Style \n Double Dotted Pen", true},

    {ID_UNITS_HIGH_METRIC, "&High Metric", nullptr, true},
    {ID_UNITS_LOW_METRIC, "Low &Metric", nullptr, true},
    {ID_UNITS_HIGH_ENGLISH, "High &English", nullptr, true},
    {ID_UNITS_LOW_ENGLISH, "&Low English", nullptr, true},
    {ID_UNITS_TWIPS, "&Twips", nullptr, true},
    {ID_UNITS_PIXELS, "&Screen Pixels", nullptr, true},

    {ID_RADIAL_RECT_FILL, nullptr, nullptr, true},
    {ID_RADIAL_RECT_ROUND_FILL, nullptr, nullptr, true},
    {ID_RADIAL_ELLIPSE_FILL, nullptr, nullptr, true},
    {ID_RADIAL_CHORD_FILL, nullptr, nullptr, true},
    {ID_RADIAL_PIE_FILL, nullptr, nullptr, true},
    {ID_RADIAL_LINE, nullptr, nullptr, true},

    {ID_CONCENTRIC_MODE, "&Concentric Mode", "Select Concentric Mode\nConcentric", true},
    {ID_RUBBER, nullptr, "Select Rubber\nRubber ", true},
    {ID_RADIAL_TOOL, nullptr, "Draws Radial Figures \n Radial Tool", true},
    {ID_COLOR, "&Color", "Select Color\nColor", false},
    {ID_SET_FONT, "Set &Font ...", nullptr, false},
    {ID_MODIFY_OPTIONS, "&Modify Options", nullptr, false},
};

// Commands of which exactly one is current: each set shows the radio mark
// of a one-of-many choice, and choosing one clears the others at once.
constexpr UINT kToolChoices[] = {
    ID_TOOL_LINE, ID_TOOL_RECTANGLE, ID_TOOL_RECT_FILL, ID_TOOL_RECT_ROUND, ID_TOOL_RECT_ROUND_FILL,
    ID_TOOL_ELLIPSE, ID_TOOL_ELLIPSE_FILL, ID_TOOL_RADIAL_CIRCLE, ID_TOOL_RADIAL_CIRCLE_FILL, ID_TOOL_ARC,
    ID_TOOL_CHORD, ID_TOOL_CHORD_FILL, ID_TOOL_PIE, ID_TOOL_PIE_FILL, ID_TOOL_CENTRIC_LINES,
    ID_TOOL_END_LINES, ID_TOOL_MEASURE, ID_TOOL_PARALLEL_LINES, ID_TOOL_BEZIER, ID_TOOL_POLYGON,
    ID_TOOL_THREAD, ID_TOOL_TEXT, ID_TOOL_FREE_DRAW, ID_TOOL_FLOOD_FILL,
};
constexpr UINT kFillChoices[] = {
    ID_FILL_SOLID, ID_FILL_DIAGONAL_DOWN, ID_FILL_CROSS, ID_FILL_DIAGONAL_CROSS, ID_FILL_DIAGONAL_UP,
    ID_FILL_HORIZONTAL, ID_FILL_VERTICAL, ID_FILL_BIT_ARROW, ID_FILL_BIT_CIRCLE, ID_FILL_BIT_BIG_CROSS,
    ID_FILL_BIT_DIAMOND, ID_FILL_BIT_HORZ_SINE, ID_FILL_BIT_SMALL_CROSS, ID_FILL_BIT_VERT_SINE,
};
constexpr UINT kPenChoices[] = {ID_PEN_SOLID, ID_PEN_DASH, ID_PEN_DOT, ID_PEN_DASHDOT, ID_PEN_DASHDOTDOT};
constexpr UINT kUnitChoices[] = {
    ID_UNITS_HIGH_METRIC, ID_UNITS_LOW_METRIC, ID_UNITS_HIGH_ENGLISH,
    ID_UNITS_LOW_ENGLISH, ID_UNITS_TWIPS, ID_UNITS_PIXELS,
};

void AddExclusiveGroup(CCmdRouter& router, std::span<const UINT> ids)
{
    auto* pGroup = new QActionGroup(&router);
    pGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (UINT nID : ids)
        if (QAction* pAction = router.GetAction(nID))
            pGroup->addAction(pAction);
}

} // namespace

const SettingsCommandText* FindSettingsCommandText(UINT nID)
{
    for (const SettingsCommandText& row : kTexts)
        if (row.nID == nID)
            return &row;
    return nullptr;
}

void AddSettingsActions(CCmdRouter& router)
{
    for (const SettingsCommandText& row : kTexts) {
        // A button without a menu item shows its tool tip as its text.
        const QString strPrompt = QString::fromLatin1(row.pszPrompt ? row.pszPrompt : "");
        const QString strStatus = strPrompt.section(QLatin1Char('\n'), 0, 0);
        const QString strTip = strPrompt.section(QLatin1Char('\n'), 1);
        const QString strText = row.pszMenu ? QString::fromLatin1(row.pszMenu) : strTip;

        QAction* pAction = router.AddAction(row.nID, strText, row.bCheckable);
        pAction->setStatusTip(strStatus);
        if (!strTip.isEmpty())
            pAction->setToolTip(strTip);
    }
    AddExclusiveGroup(router, kToolChoices);
    AddExclusiveGroup(router, kFillChoices);
    AddExclusiveGroup(router, kPenChoices);
    AddExclusiveGroup(router, kUnitChoices);
}
