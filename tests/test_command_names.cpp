// Failed checks name their commands: every command the application handles
// and every tool bar button has its name in the tests' table.
#include "app/frames/toolbars.h"
#include "app/settings/mydrevikapp.h"
#include "resources/resource.h"
#include "tests/commandnames.h"

#include <gtest/gtest.h>

TEST(CommandNames, everyHandledCommandAndButtonHasAName)
{
    std::vector<UINT> ids = CMyDrevikApp::GetCommandIds();
    for (UINT nBar : {IDR_MAINFRAME, IDR_DRAWBAR})
        for (UINT nID : GetToolBarButtons(nBar))
            if (nID != 0)
                ids.push_back(nID);
    for (UINT nID : ids)
        EXPECT_NE(FindCommandName(nID), nullptr) << nID;
    EXPECT_EQ(CommandName(ID_TOOL_FLOOD_FILL), "ID_TOOL_FLOOD_FILL");
    EXPECT_EQ(CommandName(1), "command 1");
}
