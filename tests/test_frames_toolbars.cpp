// The two tool bars: their buttons in order with the separators, their tool
// tips and prompts, docking, the View menu's bar toggles, and the images of
// the buttons and cursors.
#include "app/frames/icons/toolicons.h"
#include "app/frames/toolbars.h"
#include "frames_testing.h"
#include "resources/cursors.h"
#include "resources/resource.h"
#include "tests/commandnames.h"

#include <QApplication>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <set>

namespace {

// The bar's buttons as ids, 0 for a separator.
std::vector<UINT> BarIds(QToolBar* pBar, CCmdRouter& router)
{
    const auto ids = ActionIds(router);
    std::vector<UINT> result;
    for (const QAction* pAction : pBar->actions())
        result.push_back(pAction->isSeparator() ? 0 : ids.value(pAction, 1));
    return result;
}

int CountInk(const QImage& image)
{
    int nInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nInk += qAlpha(image.pixel(x, y)) > 0;
    return nInk;
}

} // namespace

TEST(FramesToolBars, buttonsStandInOrderWithTheirSeparators)
{
    auto pFrame = MakeMainFrame();
    const std::vector<UINT> main = {
        57600, 57601, 57603, 0, 57634, 0, 57607, 0, 57664, 0,
        32843, 32844, 32845, 32846, 32847, 32848, 0, 32853, 32866, 32868, 0,
        32857, 32858, 32851, 0, 32862, 32861, 32864, 32865, 0, 32890, 57635, 57637};
    const std::vector<UINT> draw = {
        32771, 32826, 0, 32772, 32773, 0, 32785, 32776, 0, 32786, 32787, 0, 32795, 32796, 0,
        32821, 32822, 32824, 32823, 32825, 0, 32856, 0, 32852, 0,
        32841, 32790, 32791, 32840, 57643, 0, 32839, 32788, 0, 32827, 32789, 0,
        32812, 32817, 32818, 32820, 32842};
    EXPECT_EQ(BarIds(pFrame->m_wndToolBar, pFrame->GetRouter()), main);
    EXPECT_EQ(BarIds(pFrame->m_wndDrawBar, pFrame->GetRouter()), draw);
    EXPECT_EQ(std::count_if(main.begin(), main.end(), [](UINT n) { return n != 0; }), 25);
    EXPECT_EQ(std::count_if(draw.begin(), draw.end(), [](UINT n) { return n != 0; }), 31);

    for (QToolBar* pBar : {pFrame->m_wndToolBar, pFrame->m_wndDrawBar}) {
        EXPECT_EQ(pFrame->toolBarArea(pBar), Qt::TopToolBarArea);
        EXPECT_EQ(pBar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_TRUE(pBar->isMovable());
        EXPECT_TRUE(pBar->isFloatable());
        EXPECT_EQ(pBar->iconSize(), QSize(16, 15));
    }
    // No context menu offers to hide a bar.
    EXPECT_EQ(pFrame->createPopupMenu(), nullptr);
}

TEST(FramesToolBars, tipsAndPromptsSplitAtTheLineBreak)
{
    auto pFrame = MakeMainFrame();
    CCmdRouter& router = pFrame->GetRouter();
    struct Row {
        UINT nID;
        const char* pszPrompt;
        const char* pszTip;
    };
    const Row rows[] = {
        {ID_TOOL_FREE_DRAW, "Free Drawing Tool (DO NOT select with Free Grid Motion)", " Free Drawing Tool"},
        {ID_TOOL_TEXT, "Select Text Tool ", "Text"},
        {ID_RADIAL_TOOL, "Draws Radial Figures ", " Radial Tool"},
        {ID_GO_BACKWARD, "", "Go Back"},
        {ID_LAST_STEP, "", " Last Step"},
        {ID_GRID_SMALL, "Select Small Grid", "Select Small Grid"},
        {ID_EDIT_COPY, "Copy the Client Region and put it on the Clipboard to save as Bitmaps",
            "Copy the Client Region and put it on the Clipboard to save as Bitmaps"},
        {ID_EDIT_CLEAR_ALL, "Erase the whole drawing", "Erase All"},
        {ID_TIP_OF_THE_DAY, "Displays a Tip of the Day.", "Tip of the Day"},
    };
    for (const Row& row : rows) {
        QAction* pAction = router.GetAction(row.nID);
        ASSERT_NE(pAction, nullptr) << CommandName(row.nID);
        EXPECT_EQ(pAction->statusTip(), QString::fromLatin1(row.pszPrompt)) << CommandName(row.nID);
        EXPECT_EQ(pAction->toolTip(), QString::fromLatin1(row.pszTip)) << CommandName(row.nID);
    }
}

TEST(FramesToolBars, toolbarItemTogglesOnlyTheMainBar)
{
    auto pFrame = MakeMainFrame();
    pFrame->show();
    QApplication::processEvents();
    CCmdRouter& router = pFrame->GetRouter();
    QAction* pToolbarItem = router.GetAction(ID_VIEW_TOOLBAR);
    QAction* pStatusItem = router.GetAction(ID_VIEW_STATUS_BAR);
    router.UpdateAllActions();
    EXPECT_TRUE(pToolbarItem->isChecked());
    EXPECT_TRUE(pStatusItem->isChecked());

    pToolbarItem->trigger();
    EXPECT_FALSE(pFrame->m_wndToolBar->isVisible());
    EXPECT_TRUE(pFrame->m_wndDrawBar->isVisible());
    EXPECT_FALSE(pToolbarItem->isChecked());
    pToolbarItem->trigger();
    EXPECT_TRUE(pFrame->m_wndToolBar->isVisible());
    EXPECT_TRUE(pToolbarItem->isChecked());

    // The drawing bar, floated, still ignores the item.
    pFrame->m_wndDrawBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    pFrame->m_wndDrawBar->show();
    pToolbarItem->trigger();
    EXPECT_TRUE(pFrame->m_wndDrawBar->isVisible());
    EXPECT_FALSE(pFrame->m_wndToolBar->isVisible());

    pStatusItem->trigger();
    EXPECT_FALSE(pFrame->m_wndStatusBar->isVisible());
    EXPECT_FALSE(pStatusItem->isChecked());
    pStatusItem->trigger();
    EXPECT_TRUE(pFrame->m_wndStatusBar->isVisible());
}

TEST(FramesToolBars, everyButtonHasItsOwnImageAtEverySize)
{
    std::set<QByteArray> seen;
    for (UINT nBar : {IDR_MAINFRAME, IDR_DRAWBAR}) {
        for (UINT nID : GetToolBarButtons(nBar)) {
            if (nID == 0)
                continue;
            EXPECT_FALSE(LoadToolIcon(nID).isNull()) << CommandName(nID);
            const QImage small = RenderToolIcon(nID, QSize(16, 15));
            const QImage dense = RenderToolIcon(nID, QSize(32, 30));
            ASSERT_EQ(small.size(), QSize(16, 15)) << CommandName(nID);
            // Not empty; drawn anew at twice the density, where strokes
            // are twice as long and as wide.
            EXPECT_GT(CountInk(small), 12) << CommandName(nID);
            EXPECT_GT(CountInk(dense), 2 * CountInk(small)) << CommandName(nID);
            const QByteArray bytes(reinterpret_cast<const char*>(small.constBits()), int(small.sizeInBytes()));
            EXPECT_TRUE(seen.insert(bytes).second) << "image of " << CommandName(nID) << " repeats another";

            const QImage greyed = RenderToolIcon(nID, QSize(16, 15), true);
            for (int y = 0; y < greyed.height(); ++y)
                for (int x = 0; x < greyed.width(); ++x) {
                    const QRgb rgb = greyed.pixel(x, y);
                    ASSERT_TRUE(qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb))
                        << CommandName(nID) << " disabled pixel " << x << "," << y << " has colour";
                }
        }
    }
    EXPECT_EQ(seen.size(), 56u);

    // Outlines fall on whole device pixels at every density: the frame of
    // the rectangle is solid ink with clear paper on both sides.
    for (int nScale : {1, 2, 3}) {
        const QImage image = RenderToolIcon(ID_TOOL_RECTANGLE, QSize(16, 15) * nScale);
        const int y = 7 * nScale;
        for (int x = 0; x < image.width(); ++x) {
            const bool bFrame = x / nScale == 1 || x / nScale == 14;
            ASSERT_EQ(qAlpha(image.pixel(x, y)), bFrame ? 255 : 0) << "scale " << nScale << " pixel " << x;
        }
    }
    EXPECT_TRUE(LoadToolIcon(ID_FILE_CLOSE).isNull());
    EXPECT_TRUE(RenderToolIcon(ID_FILE_CLOSE, QSize(16, 15)).isNull());
}

TEST(FramesToolBars, cursorsAreDistinctAndKeepTheirHotSpotAtEveryDensity)
{
    const UINT ids[] = {IDC_CURSOR_DRAW, IDC_CURSOR_CONCENTRIC, IDC_CURSOR_RUBBER, IDC_CURSOR_PAN, IDC_CURSOR_DRAG_PASTE};
    std::set<QByteArray> seen;
    for (UINT nID : ids) {
        QPoint ptHot;
        const QPixmap one = DrawCursorImage(nID, 1.0, &ptHot);
        ASSERT_EQ(one.size(), QSize(32, 32)) << nID;
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(ptHot)) << nID;
        const QImage image = one.toImage().convertToFormat(QImage::Format_ARGB32);
        // Black ink right at the hot spot or next to it, so the user sees where it points.
        bool bInkNear = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                bInkNear |= qAlpha(image.pixel(ptHot + QPoint(dx, dy))) > 128;
        EXPECT_TRUE(bInkNear) << nID;
        EXPECT_TRUE(seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes()))).second) << nID;

        QPoint ptHotDense;
        const QPixmap dense = DrawCursorImage(nID, 2.0, &ptHotDense);
        EXPECT_EQ(dense.size(), QSize(64, 64)) << nID;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << nID;
        EXPECT_EQ(ptHotDense, ptHot) << nID;
        EXPECT_EQ(LoadCursorResource(nID).shape(), Qt::BitmapCursor) << nID;
    }
    EXPECT_TRUE(DrawCursorImage(1234, 1.0).isNull());
    EXPECT_EQ(LoadCursorResource(1234).shape(), Qt::ArrowCursor);
}
