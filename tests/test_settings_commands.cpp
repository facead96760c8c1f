// The drawing-settings commands of the application object: every group's
// action and update rule, the concentric-mode quirks, and the colour,
// font and options commands with their dialogs answered by the test.
#include "app/settings/mydrevikapp.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"
#include "tests/commandnames.h"
#include "colortesting.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct IdValue {
    UINT nID;
    int nValue;
};

const std::vector<UINT> kToolIds = {
    ID_TOOL_LINE, ID_TOOL_RECTANGLE, ID_TOOL_RECT_FILL, ID_TOOL_RECT_ROUND,
    ID_TOOL_RECT_ROUND_FILL, ID_TOOL_ELLIPSE, ID_TOOL_ELLIPSE_FILL, ID_TOOL_RADIAL_CIRCLE,
    ID_TOOL_RADIAL_CIRCLE_FILL, ID_TOOL_ARC, ID_TOOL_CHORD, ID_TOOL_CHORD_FILL, ID_TOOL_PIE,
    ID_TOOL_PIE_FILL, ID_TOOL_CENTRIC_LINES, ID_TOOL_END_LINES, ID_TOOL_MEASURE,
    ID_TOOL_PARALLEL_LINES, ID_TOOL_BEZIER, ID_TOOL_POLYGON, ID_TOOL_THREAD, ID_TOOL_TEXT,
    ID_TOOL_FREE_DRAW, ID_TOOL_FLOOD_FILL};

// Style index of each fill command; from index 9 on the ids are out of order.
const std::vector<IdValue> kFillStyles = {
    {32798, 1}, {32799, 2}, {32800, 3}, {32801, 4}, {32802, 5}, {32803, 6}, {32804, 7},
    {32882, 8}, {32884, 9}, {32883, 10}, {32888, 11}, {32885, 12}, {32887, 13}, {32886, 14}};
const std::vector<IdValue> kPenStyles = {
    {32828, 0}, {32829, 1}, {32830, 2}, {32831, 3}, {32832, 4}};
const std::vector<IdValue> kUnits = {
    {32805, 2}, {32806, -2}, {32807, 1}, {32808, -1}, {32809, 4}, {32810, 3}};
const std::vector<IdValue> kRadialFigures = {
    {32833, 32773}, {32834, 32787}, {32835, 32776}, {32836, 32824}, {32837, 32825}, {32838, 32771}};

class SettingsCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pfnColorSaved = theApp.m_pfnChooseColor;
        m_pfnFontSaved = theApp.m_pfnChooseFont;
        theApp.ResetSettings();
    }
    void TearDown() override
    {
        theApp.m_pfnChooseColor = m_pfnColorSaved;
        theApp.m_pfnChooseFont = m_pfnFontSaved;
        theApp.ResetSettings();
    }

    static CCmdUI Update(UINT nID)
    {
        CCmdUI cmdUI;
        EXPECT_TRUE(theApp.OnUpdateCommand(nID, &cmdUI)) << CommandName(nID);
        return cmdUI;
    }
    static bool Checked(UINT nID) { return Update(nID).m_nCheck != 0; }
    static void Run(UINT nID) { EXPECT_TRUE(theApp.OnCommand(nID)) << CommandName(nID); }

    // Each command of the group sets the value; exactly its own item is then
    // checked. field is the setting the group writes.
    static void CheckExclusiveGroup(const std::vector<IdValue>& group, const int& field)
    {
        for (const IdValue& chosen : group) {
            Run(chosen.nID);
            EXPECT_EQ(field, chosen.nValue) << "after " << CommandName(chosen.nID);
            for (const IdValue& other : group)
                EXPECT_EQ(Checked(other.nID), other.nID == chosen.nID)
                    << CommandName(other.nID) << " after " << CommandName(chosen.nID);
        }
    }

    void AnswerColor(std::optional<COLORREF> answer)
    {
        theApp.m_pfnChooseColor = [answer] { return answer; };
    }

    std::function<std::optional<COLORREF>()> m_pfnColorSaved;
    std::function<bool(LOGFONT&, COLORREF&)> m_pfnFontSaved;
};

} // namespace

TEST_F(SettingsCommands, startStateChecksTheDefaultsOnly)
{
    EXPECT_EQ(theApp.m_nTool, 32771);
    EXPECT_EQ(theApp.m_nRadialFigure, 32773);
    EXPECT_EQ(theApp.m_nUnits, 2);
    EXPECT_EQ(theApp.m_logFont.lfHeight, 0);
    EXPECT_EQ(theApp.m_logFont.lfFaceName[0], '\0');

    for (UINT nID : {ID_TOOL_LINE, ID_LINE_SINGLE, ID_FILL_SOLID, ID_PEN_SOLID,
                     ID_UNITS_HIGH_METRIC, ID_RADIAL_RECT_FILL})
        EXPECT_TRUE(Checked(nID)) << CommandName(nID);
    for (UINT nID : {ID_CONCENTRIC_MODE, ID_RUBBER, ID_RADIAL_TOOL, ID_COLOR, ID_TOOL_RECTANGLE,
                     ID_FILL_DIAGONAL_UP, ID_PEN_DASH, ID_UNITS_TWIPS})
        EXPECT_FALSE(Checked(nID)) << CommandName(nID);
    for (UINT nID : {ID_COLOR, ID_SET_FONT, ID_MODIFY_OPTIONS, ID_TOOL_FLOOD_FILL})
        EXPECT_TRUE(Update(nID).m_bEnabled) << CommandName(nID);

    // Double and Triple have no handler: the application does not claim them.
    CCmdUI cmdUI;
    EXPECT_FALSE(theApp.OnUpdateCommand(ID_LINE_DOUBLE, &cmdUI));
    EXPECT_FALSE(theApp.OnUpdateCommand(ID_LINE_TRIPLE, &cmdUI));
    EXPECT_FALSE(theApp.OnCommand(ID_LINE_DOUBLE));
    EXPECT_FALSE(theApp.OnCommand(ID_LINE_TRIPLE));
    EXPECT_TRUE(CMyDrevikApp::CommandIdsAreUnique());

    // The toggles check themselves and leave the tool alone.
    Run(ID_RUBBER);
    Run(ID_RADIAL_TOOL);
    EXPECT_TRUE(theApp.m_bRubber && Checked(ID_RUBBER));
    EXPECT_TRUE(theApp.m_bRadial && Checked(ID_RADIAL_TOOL));
    EXPECT_EQ(theApp.m_nTool, int(ID_TOOL_LINE));
}

TEST_F(SettingsCommands, eachChoiceGroupChecksOnlyTheChosenItem)
{
    std::vector<IdValue> tools;
    for (UINT nID : kToolIds)
        tools.push_back({nID, int(nID)});
    CheckExclusiveGroup(tools, theApp.m_nTool);
    CheckExclusiveGroup(kFillStyles, theApp.m_nFillStyle);
    CheckExclusiveGroup(kPenStyles, theApp.m_nPenStyle);
    CheckExclusiveGroup(kUnits, theApp.m_nUnits);
    CheckExclusiveGroup(kRadialFigures, theApp.m_nRadialFigure);
}

TEST_F(SettingsCommands, concentricModeWritesTheConcentricSetWhileChecksFollowTheNormal)
{
    Run(ID_CONCENTRIC_MODE);
    EXPECT_TRUE(Checked(ID_CONCENTRIC_MODE));

    Run(ID_FILL_DIAGONAL_UP);
    EXPECT_EQ(theApp.m_nConcentricFillStyle, 5);
    EXPECT_EQ(theApp.m_nFillStyle, 1);
    EXPECT_TRUE(Checked(ID_FILL_SOLID));
    EXPECT_FALSE(Checked(ID_FILL_DIAGONAL_UP));

    theApp.m_nLineThickness = 7;
    theApp.m_nConcentricLineThickness = 4;
    Run(ID_LINE_SINGLE);
    EXPECT_EQ(theApp.m_nConcentricLineThickness, 1);
    EXPECT_EQ(theApp.m_nLineThickness, 7);
    EXPECT_FALSE(Checked(ID_LINE_SINGLE));

    // Toggling twice restores the normal set; the concentric values stay.
    Run(ID_CONCENTRIC_MODE);
    Run(ID_CONCENTRIC_MODE);
    Run(ID_CONCENTRIC_MODE);
    Run(ID_FILL_CROSS);
    Run(ID_LINE_SINGLE);
    EXPECT_EQ(theApp.m_nFillStyle, 3);
    EXPECT_EQ(theApp.m_nLineThickness, 1);
    EXPECT_EQ(theApp.m_nConcentricFillStyle, 5);
    EXPECT_TRUE(Checked(ID_LINE_SINGLE));
}

TEST_F(SettingsCommands, colourGoesWhereToolAndModeSay)
{
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF green = RGB(0, 255, 0);

    Run(ID_TOOL_FLOOD_FILL);
    AnswerColor(red);
    Run(ID_COLOR);
    EXPECT_COLOR_EQ(theApp.m_colorLine, 0u);
    EXPECT_COLOR_EQ(theApp.m_colorFlood, red);

    Run(ID_TOOL_LINE);
    AnswerColor(blue);
    Run(ID_COLOR);
    EXPECT_COLOR_EQ(theApp.m_colorLine, blue);
    EXPECT_COLOR_EQ(theApp.m_colorFlood, blue);

    Run(ID_CONCENTRIC_MODE);
    AnswerColor(green);
    Run(ID_COLOR);
    EXPECT_COLOR_EQ(theApp.m_colorConcentric, green);
    EXPECT_COLOR_EQ(theApp.m_colorLine, blue);
    EXPECT_COLOR_EQ(theApp.m_colorFlood, blue);

    AnswerColor(std::nullopt);
    Run(ID_CONCENTRIC_MODE);
    Run(ID_COLOR);
    EXPECT_COLOR_EQ(theApp.m_colorLine, blue);
    EXPECT_COLOR_EQ(theApp.m_colorFlood, blue);
}

TEST_F(SettingsCommands, fontDialogEditsTheFontInPlaceAndSetsTextColourOnlyOnOk)
{
    theApp.m_logFont.lfHeight = -13;
    theApp.m_colorText = RGB(9, 9, 9);
    bool bOk = false;
    theApp.m_pfnChooseFont = [&bOk](LOGFONT& lf, COLORREF& color) {
        EXPECT_EQ(lf.lfHeight, -13);
        color = RGB(0, 128, 0);
        if (bOk)
            lf.lfHeight = -16;
        return bOk;
    };
    Run(ID_SET_FONT);
    EXPECT_COLOR_EQ(theApp.m_colorText, RGB(9, 9, 9));
    bOk = true;
    Run(ID_SET_FONT);
    EXPECT_EQ(theApp.m_logFont.lfHeight, -16);
    EXPECT_COLOR_EQ(theApp.m_colorText, RGB(0, 128, 0));
}

TEST_F(SettingsCommands, modifyOptionsShowsTheApplicationsOptionsDialog)
{
    DriveNextModal([](QDialog* pDialog) {
        EXPECT_EQ(pDialog->windowTitle(), "Change Options");
        GetDlgItem<QSlider>(pDialog, IDC_SLIDER_THICKNESS)->setValue(7);
        GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL)->click();
        GetDlgItem<QPushButton>(pDialog, UINT(IDOK))->click();
    });
    Run(ID_MODIFY_OPTIONS);
    EXPECT_EQ(theApp.m_options.m_nLineThickness, 7);
    EXPECT_TRUE(theApp.m_options.m_bFlipVertical);
    // The application's own thickness waits for the next mouse release.
    EXPECT_EQ(theApp.m_nLineThickness, 1);
}
