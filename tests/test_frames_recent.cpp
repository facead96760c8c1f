// The recent-file list: its order and length, its menu texts, its place in
// the profile and in the File menu, and the child frame's size rule.
#include "app/frames/childframe.h"
#include "app/frames/recentfilelist.h"
#include "app/startup/profile.h"
#include "document/mydrevikdoc.h"
#include "frames_testing.h"
#include "resources/resource.h"
#include "view/mydrevikview.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

#include <gtest/gtest.h>

TEST(FramesRecentFiles, keepsFourNewestWithoutRepeats)
{
    CRecentFileList list;
    for (const char* pszName : {"/d/a.kvd", "/d/b.kvd", "/d/c.kvd", "/d/d.kvd", "/d/e.kvd"})
        list.Add(QString::fromLatin1(pszName));
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetPath(0), QStringLiteral("/d/e.kvd"));
    EXPECT_EQ(list.GetPath(3), QStringLiteral("/d/b.kvd"));

    // Opening a listed file again moves it up; a relative spelling of the
    // same file counts as the same file.
    list.Add(QStringLiteral("/d/./c.kvd"));
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetPath(0), QStringLiteral("/d/c.kvd"));
    EXPECT_EQ(list.GetPath(1), QStringLiteral("/d/e.kvd"));
    EXPECT_EQ(list.GetPath(3), QStringLiteral("/d/b.kvd"));

    list.Remove(0);
    list.Remove(7);
    list.Add(QString());
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetPath(0), QStringLiteral("/d/e.kvd"));
    EXPECT_EQ(list.GetPath(3), QString());
    EXPECT_EQ(list.GetPath(-1), QString());
}

TEST(FramesRecentFiles, menuTextsNumberShortenAndEscape)
{
    CRecentFileList list;
    list.Add(QStringLiteral("/home/ann/R&D drawings/gear.kvd"));
    list.Add(QStringLiteral("/srv/projects/machines/presses/hydraulic/frames/frame-12.kvd"));
    list.Add(QStringLiteral("/tmp/a.kvd"));
    EXPECT_EQ(list.GetMenuText(0), QStringLiteral("&1 /tmp/a.kvd"));
    EXPECT_EQ(list.GetMenuText(1), QStringLiteral("&2 .../frames/frame-12.kvd"));
    EXPECT_EQ(list.GetMenuText(2), QStringLiteral("&3 /home/ann/R&&D drawings/gear.kvd"));
    EXPECT_EQ(list.GetMenuText(3), QString());
}

TEST(FramesRecentFiles, profileRoundTripAndDamagedEntries)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    CRecentFileList list;
    list.Add(QStringLiteral("/d/one.kvd"));
    list.Add(QStringLiteral("/d/two.kvd"));
    list.WriteList(settings);
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), QStringLiteral("/d/two.kvd"));
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File2")).toString(), QStringLiteral("/d/one.kvd"));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File3")));

    // Gaps and repeats left by another program are skipped.
    settings.setValue(QStringLiteral("Recent File List/File3"), QStringLiteral("/d/two.kvd"));
    settings.setValue(QStringLiteral("Recent File List/File4"), QStringLiteral("/d/four.kvd"));
    settings.setValue(QStringLiteral("Recent File List/File2"), QString());
    CRecentFileList read;
    read.ReadList(settings);
    ASSERT_EQ(read.GetCount(), 2);
    EXPECT_EQ(read.GetPath(0), QStringLiteral("/d/two.kvd"));
    EXPECT_EQ(read.GetPath(1), QStringLiteral("/d/four.kvd"));

    // Writing a shorter list removes the stale keys.
    read.Remove(1);
    read.WriteList(settings);
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File2")));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File4")));
}

TEST(FramesRecentFiles, fileMenuShowsTheListAndDropsFilesThatFailToOpen)
{
    auto pFrame = MakeMainFrame();
    CCmdRouter& router = pFrame->GetRouter();
    while (pFrame->GetRecentFileList().GetCount() > 0)
        pFrame->GetRecentFileList().Remove(0);
    pFrame->AddToRecentFileList(QString());
    router.UpdateAllActions();
    QAction* pFirst = router.GetAction(ID_FILE_MRU_FILE1);
    EXPECT_EQ(pFirst->text(), QStringLiteral("Recent File"));
    EXPECT_FALSE(pFirst->isEnabled());
    EXPECT_FALSE(router.GetAction(ID_FILE_MRU_FILE2)->isVisible());

    pFrame->AddToRecentFileList(QStringLiteral("/d/missing.kvd"));
    pFrame->AddToRecentFileList(QStringLiteral("/d/good.kvd"));
    router.UpdateAllActions();
    EXPECT_EQ(pFirst->text(), QStringLiteral("&1 /d/good.kvd"));
    EXPECT_TRUE(pFirst->isEnabled());
    EXPECT_EQ(router.GetAction(ID_FILE_MRU_FILE2)->text(), QStringLiteral("&2 /d/missing.kvd"));
    EXPECT_TRUE(router.GetAction(ID_FILE_MRU_FILE2)->isVisible());
    EXPECT_FALSE(router.GetAction(ID_FILE_MRU_FILE3)->isVisible());

    // The list went to the profile at once.
    CRecentFileList stored;
    stored.ReadList(*OpenProfile());
    EXPECT_EQ(stored.GetPath(1), QStringLiteral("/d/missing.kvd"));

    // Without an opener the frame leaves the command to the application.
    EXPECT_FALSE(pFrame->OnCommand(ID_FILE_MRU_FILE1));

    QStringList opened;
    pFrame->m_pfnOpenRecentFile = [&](const QString& strPath) {
        opened << strPath;
        return strPath.endsWith(QStringLiteral("good.kvd"));
    };
    router.GetAction(ID_FILE_MRU_FILE2)->trigger();
    EXPECT_EQ(opened, QStringList{QStringLiteral("/d/missing.kvd")});
    ASSERT_EQ(pFrame->GetRecentFileList().GetCount(), 1);
    EXPECT_EQ(pFrame->GetRecentFileList().GetPath(0), QStringLiteral("/d/good.kvd"));
    EXPECT_FALSE(router.GetAction(ID_FILE_MRU_FILE2)->isVisible());
}

TEST(FramesChildFrame, newChildIsScreenWideAndNinetyPixelsShort)
{
    EXPECT_EQ(CChildFrame::GetCreateSize(QSize(1920, 1080)), QSize(1920, 990));
    EXPECT_EQ(CChildFrame::GetCreateSize(QSize(800, 600)), QSize(800, 510));

    CMyDrevikDoc doc;
    doc.OnNewDocument();
    auto pFrame = MakeMainFrame();
    // The rule's size, but never more than the area shows: a main frame
    // smaller than the screen cuts it, a larger one does not.
    for (const QSize& sizeFrame : {QSize(500, 400), QSize(2500, 1800)}) {
        pFrame->resize(sizeFrame);
        pFrame->show();
        QApplication::processEvents();
        CChildFrame* pChild = pFrame->AddChildFrame(new CMyDrevikView(&doc));
        QApplication::processEvents();
        const QSize sizeScreen = pChild->screen()->size();
        const QSize sizeArea = pFrame->GetMdiArea()->viewport()->size();
        const QPoint ptAt = pChild->pos();
        const QSize sizeRoom(sizeArea.width() - ptAt.x(), sizeArea.height() - ptAt.y());
        EXPECT_EQ(pChild->size(), QSize(sizeScreen.width(), sizeScreen.height() - 90).boundedTo(sizeRoom))
            << sizeFrame.width();
        EXPECT_EQ(pFrame->GetActiveView(), pChild->GetView());
    }
}

TEST(FramesChildFrame, newChildrenCascadeFromTheAreaCornerNotBeyondItsLeftEdge)
{
    CMyDrevikDoc doc;
    doc.OnNewDocument();
    auto pFrame = MakeMainFrame();
    pFrame->resize(QSize(700, 500));
    pFrame->show();
    QApplication::processEvents();
    CChildFrame* pFirst = pFrame->AddChildFrame(new CMyDrevikView(&doc));
    pFrame->showMaximized();
    QApplication::processEvents();
    CChildFrame* pSecond = pFrame->AddChildFrame(new CMyDrevikView(&doc));
    QApplication::processEvents();
    EXPECT_EQ(pFirst->pos(), QPoint(0, 0));
    EXPECT_EQ(pSecond->pos(), QPoint(24, 24));
}
