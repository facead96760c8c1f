// The command router: routing along the chain, the refresh of enable,
// check and text from the update rules, and the settings actions built
// on it.
#include "app/settings/mydrevikapp.h"
#include "app/settings/settingsactions.h"
#include "platform/cmdrouting.h"
#include "resources/resource.h"
#include "tests/commandnames.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <gtest/gtest.h>

#include <set>

namespace {

// A view-like target that claims the colour command before the application
// and renames the font command.
class CFrontTarget : public CCmdTarget {
public:
    bool OnCommand(UINT nID) override
    {
        if (nID != ID_COLOR)
            return false;
        ++m_nColorRuns;
        return true;
    }
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override
    {
        if (nID == ID_COLOR) {
            pCmdUI->Enable(m_bColorEnabled);
            return true;
        }
        if (nID == ID_SET_FONT) {
            pCmdUI->SetText(QStringLiteral("Font for this view"));
            return true;
        }
        return false;
    }
    int m_nColorRuns = 0;
    bool m_bColorEnabled = false;
};

// A menu that tells the style option it gives one of its items when it
// draws it.
class CMenuProbe : public QMenu {
public:
    QStyleOptionMenuItem Option(QAction* pAction) const
    {
        QStyleOptionMenuItem option;
        initStyleOption(&option, pAction);
        return option;
    }
};

class CommandRouter : public ::testing::Test {
protected:
    void SetUp() override
    {
        theApp.ResetSettings();
        AddSettingsActions(m_router);
        m_router.SetRouteChain([this] { return std::vector<CCmdTarget*>{m_pFront, &theApp}; });
        m_router.UpdateAllActions();
    }
    void TearDown() override { theApp.ResetSettings(); }

    QAction* Action(UINT nID)
    {
        QAction* pAction = m_router.GetAction(nID);
        EXPECT_NE(pAction, nullptr) << CommandName(nID);
        return pAction;
    }

    CCmdRouter m_router;
    CCmdTarget* m_pFront = nullptr;
};

} // namespace

TEST_F(CommandRouter, refreshShowsTheStartStateAndDisablesUnhandledCommands)
{
    EXPECT_TRUE(Action(ID_TOOL_LINE)->isChecked());
    EXPECT_TRUE(Action(ID_FILL_SOLID)->isChecked());
    EXPECT_FALSE(Action(ID_RUBBER)->isChecked());
    EXPECT_TRUE(Action(ID_LINE_SINGLE)->isEnabled());
    EXPECT_FALSE(Action(ID_LINE_DOUBLE)->isEnabled());
    EXPECT_FALSE(Action(ID_LINE_TRIPLE)->isEnabled());
    EXPECT_TRUE(Action(ID_COLOR)->isEnabled());
}

TEST_F(CommandRouter, triggeringRoutesToTheAppAndTheRuleDecidesTheCheck)
{
    Action(ID_TOOL_ARC)->trigger();
    EXPECT_EQ(theApp.m_nTool, int(ID_TOOL_ARC));
    EXPECT_TRUE(Action(ID_TOOL_ARC)->isChecked());

    // Choosing the current tool again must not clear its check, although
    // Qt flips a checkable action by itself.
    Action(ID_TOOL_ARC)->trigger();
    EXPECT_EQ(theApp.m_nTool, int(ID_TOOL_ARC));
    EXPECT_TRUE(Action(ID_TOOL_ARC)->isChecked());

    // The concentric quirk survives the trip through the actions.
    Action(ID_CONCENTRIC_MODE)->trigger();
    Action(ID_FILL_DIAGONAL_UP)->trigger();
    m_router.UpdateAllActions();
    EXPECT_TRUE(Action(ID_CONCENTRIC_MODE)->isChecked());
    EXPECT_FALSE(Action(ID_FILL_DIAGONAL_UP)->isChecked());
    EXPECT_TRUE(Action(ID_FILL_SOLID)->isChecked());
    EXPECT_EQ(theApp.m_nConcentricFillStyle, 5);
}

TEST_F(CommandRouter, menuOpeningRefreshesChangedSettings)
{
    QMenu menu;
    m_router.WatchMenu(&menu);
    theApp.m_bRubber = true;
    theApp.m_nPenStyle = PS_DASHDOT;
    EXPECT_FALSE(Action(ID_RUBBER)->isChecked());
    emit menu.aboutToShow();
    EXPECT_TRUE(Action(ID_RUBBER)->isChecked());
    EXPECT_TRUE(Action(ID_PEN_DASHDOT)->isChecked());
    EXPECT_FALSE(Action(ID_PEN_SOLID)->isChecked());
}

TEST_F(CommandRouter, earlierTargetsWinAndUnhandledCommandsAreDisabled)
{
    CFrontTarget front;
    m_pFront = &front;
    m_router.UpdateAllActions();
    EXPECT_FALSE(Action(ID_COLOR)->isEnabled());
    EXPECT_EQ(Action(ID_SET_FONT)->text(), "Font for this view");

    front.m_bColorEnabled = true;
    m_router.UpdateAction(ID_COLOR);
    int nAsked = 0;
    theApp.m_pfnChooseColor = [&nAsked]() -> std::optional<COLORREF> { ++nAsked; return {}; };
    Action(ID_COLOR)->trigger();
    EXPECT_EQ(front.m_nColorRuns, 1);
    EXPECT_EQ(nAsked, 0);

    // Without a chain nobody handles anything.
    m_router.SetRouteChain(nullptr);
    m_router.UpdateAllActions();
    EXPECT_FALSE(Action(ID_TOOL_LINE)->isEnabled());
    EXPECT_FALSE(m_router.RouteCommand(ID_TOOL_ARC));
    EXPECT_EQ(theApp.m_nTool, int(ID_TOOL_LINE));
}

TEST_F(CommandRouter, settingsActionsCarryTheirTextsAndCoverEveryCommand)
{
    QAction* pRound = Action(ID_TOOL_RECT_ROUND);
    EXPECT_EQ(pRound->text(), "Re&ct Round");
    EXPECT_EQ(pRound->statusTip(), "Select tool to draw open Rectangles with Rounded corners");
    EXPECT_EQ(pRound->toolTip(), " Round Rectangle");
    EXPECT_EQ(Action(ID_TOOL_BEZIER)->text(), "Bezier Curve");

    // Every command the application handles has an action, and every
    // action but Double and Triple reaches a handler.
    std::set<UINT> handled;
    for (UINT nID : CMyDrevikApp::GetCommandIds()) {
        handled.insert(nID);
        EXPECT_NE(FindSettingsCommandText(nID), nullptr) << CommandName(nID);
    }
    for (UINT nID : {ID_LINE_DOUBLE, ID_LINE_TRIPLE}) {
        EXPECT_NE(FindSettingsCommandText(nID), nullptr);
        EXPECT_EQ(handled.count(nID), 0u);
    }
    EXPECT_EQ(FindSettingsCommandText(ID_FILE_NEW), nullptr);
}

// Units, tools, fill styles and pen styles are one-of-many choices: their
// items carry the radio mark, and choosing one leaves it the only one shown.
struct ChoiceSet {
    const char* pszName;
    std::vector<UINT> ids;
};
void PrintTo(const ChoiceSet& c, std::ostream* pOut) { *pOut << c.pszName; }

class ExclusiveChoices : public CommandRouter, public ::testing::WithParamInterface<ChoiceSet> {};

TEST_P(ExclusiveChoices, showTheRadioMarkAndExactlyOneIsCurrent)
{
    const std::vector<UINT>& ids = GetParam().ids;
    QActionGroup* pGroup = Action(ids.front())->actionGroup();
    ASSERT_NE(pGroup, nullptr);
    EXPECT_TRUE(pGroup->isExclusive());
    EXPECT_EQ(pGroup->actions().size(), qsizetype(ids.size()));

    // The menu draws the item as a one-of-many choice.
    CMenuProbe menu;
    for (UINT nID : ids) {
        EXPECT_EQ(Action(nID)->actionGroup(), pGroup) << nID;
        menu.addAction(Action(nID));
    }
    QStyleOptionMenuItem option = menu.Option(Action(ids.back()));
    EXPECT_EQ(option.checkType, QStyleOptionMenuItem::Exclusive);

    // Choosing the last, then the first: one mark each time, where the
    // setting is.
    for (UINT nChosen : {ids.back(), ids.front()}) {
        Action(nChosen)->trigger();
        for (UINT nID : ids)
            EXPECT_EQ(Action(nID)->isChecked(), nID == nChosen) << GetParam().pszName << " " << nID;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ExclusiveChoices,
    ::testing::Values(
        ChoiceSet{"units", {32805, 32806, 32807, 32808, 32809, 32810}},
        ChoiceSet{"tools", {32771, 32772, 32773, 32786, 32787, 32785, 32776, 32795, 32796, 32821, 32822, 32824,
                            32823, 32825, 32812, 32818, 32820, 32817, 32826, 32842, 32852, 32853, 32866, 32868}},
        ChoiceSet{"fillStyles", {32798, 32799, 32800, 32801, 32802, 32803, 32804, 32882, 32884, 32883, 32888,
                                 32885, 32887, 32886}},
        ChoiceSet{"penStyles", {32828, 32829, 32830, 32831, 32832}}),
    [](const auto& info) { return std::string(info.param.pszName); });
