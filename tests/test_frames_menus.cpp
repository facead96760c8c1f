// The two menu bars with every item, separator, submenu and id; the switch
// between them as child windows open and close; the accelerators; and the
// tip item of the Help menu.
#include "app/frames/childframe.h"
#include "app/frames/tipitem.h"
#include "document/mydrevikdoc.h"
#include "frames_testing.h"
#include "resources/resource.h"
#include "view/mydrevikview.h"
#include "tests/commandnames.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

QString DumpBar(CMainFrame& frame)
{
    const auto ids = ActionIds(frame.GetRouter());
    QString strDump;
    for (const QAction* pTop : frame.menuBar()->actions())
        strDump += QStringLiteral("[") + pTop->text() + QStringLiteral("]\n") + DumpMenu(pTop->menu(), ids, 1);
    return strDump;
}

const char kNoDocumentMenu[] = R"([&File]
  &New 57600
  &Open... 57601
  -
  P&rint Setup... 57606
  -
  Recent File 57616
  -
  E&xit 57665
[&View]
  &Toolbar 59392
  &Status Bar 59393
[&Help]
  &About Drevik... 57664
)";

const char kDocumentMenu[] = R"([&File]
  &New 57600
  &Open... 57601
  &Close 57602
  &Save 57603
  Save &As... 57604
  &Export... 32892
  -
  &Print... 57607
  Print Pre&view 57609
  P&rint Setup... 57606
  -
  Recent File 57616
  -
  E&xit 57665
[&Edit]
  &Undo 57643
  -
  &Delete All 57633
  -
  &Move Forward 32791
  &Go Backward 32790
  -
  &Drag && Paste 32890
  Cu&t 57635
  &Paste 57637
  &Resize && Rotate 32891
[&View]
  &Toolbar 59392
  &Status Bar 59393
  -
  &Color 32789
  -
  Free Motion Grid 32794
  C&entre 32797
  &Refresh Screen 32839
  -
  &InvertX 32861
  I&nvertY 32862
[&Tools]
  &Line 32771
  -
  &Rectangle 32772
  R&ect Fill 32773
  Re&ct Round 32786
  Rec&t Round Fill 32787
  -
  Elli&pse 32785
  Ellipse &Fill 32776
  R&adial Circle 32795
  Ra&dial Circle Fill 32796
  -
  &Arc 32821
  &Chord 32822
  Filled C&hord 32824
  &Pie 32823
  Filled Pie 32825
[&Lines]
  &Single 32780
  &Double 32781
  &Triple 32782
  -
  &Centric Lines 32812
  &End Connected Line 32818
  &Measured Line 32820
  &Parallel Line 32817
[&Fill Styles]
  &Solid Fill 32798
  &Diagonal Down 32799
  &Cross Fill 32800
  D&iagonal Cross  32801
  Diagonal &Up 32802
  &Horizontal Fill 32803
  &Vertical Fill 32804
  -
  Bit &Arrow 32882
  Bit Ci&rcle 32884
  Bit Big Cr&oss 32883
  Bit Dia&mond 32888
  Bit Hori&zontal Sine 32885
  Bit Sma&ll Cross 32887
  Bit Ver&tical Sine 32886
[PenStyles]
  &Solid Pen 32828
  &Dash 32829
  D&otted Pen 32830
  D&ashDotted Pen 32831
  D&ouble Dotted 32832
[&Options]
  &Units
    &High Metric 32805
    Low &Metric 32806
    High &English 32807
    &Low English 32808
    &Twips 32809
    &Screen Pixels 32810
  -
  &Refresh Centric Line 32813
  R&efresh End Line 32819
  -
  &Concentric Mode 32827
  &Modify Options 32849
  Set &Font ... 32850
  -
  &Knuckle Joint 32889
[&Help]
  &About Drevik... 57664
)";

QMenu* TopMenu(CMainFrame& frame, const QString& strTitle)
{
    for (QAction* pTop : frame.menuBar()->actions())
        if (pTop->text() == strTitle)
            return pTop->menu();
    return nullptr;
}

// Opens and closes a menu as the user would, which runs the menu
// initialisation of the bar.
void OpenAndClose(QMenu* pMenu)
{
    pMenu->popup(QPoint(0, 0));
    QApplication::processEvents();
    pMenu->hide();
    QApplication::processEvents();
}

} // namespace

TEST(FramesMenus, barsListEveryItemWithItsIdAndFollowTheChildWindows)
{
    CMyDrevikDoc doc;
    doc.OnNewDocument();
    auto pFrame = MakeMainFrame();
    EXPECT_EQ(pFrame->GetMenuResource(), IDR_MAINFRAME);
    EXPECT_EQ(DumpBar(*pFrame), QString::fromLatin1(kNoDocumentMenu));

    CChildFrame* pChild = pFrame->AddChildFrame(new CMyDrevikView(&doc));
    EXPECT_EQ(pFrame->GetMenuResource(), IDR_DOCUMENT_MENU);
    EXPECT_EQ(DumpBar(*pFrame), QString::fromLatin1(kDocumentMenu));
    EXPECT_EQ(pFrame->GetActiveChildFrame(), pChild);

    // A second child keeps the document menu; closing both restores the
    // short one.
    CChildFrame* pSecond = pFrame->AddChildFrame(new CMyDrevikView(&doc));
    EXPECT_EQ(pFrame->GetMenuResource(), IDR_DOCUMENT_MENU);
    pSecond->close();
    QApplication::processEvents();
    EXPECT_EQ(pFrame->GetMenuResource(), IDR_DOCUMENT_MENU);
    pChild->close();
    QApplication::processEvents();
    EXPECT_EQ(pFrame->GetMenuResource(), IDR_MAINFRAME);
    EXPECT_EQ(DumpBar(*pFrame), QString::fromLatin1(kNoDocumentMenu));
}

TEST(FramesMenus, acceleratorsCarryTheirKeysInTheWholeWindow)
{
    auto pFrame = MakeMainFrame();
    const std::pair<UINT, const char*> expected[] = {
        {ID_FILE_NEW, "Ctrl+N"},
        {ID_FILE_OPEN, "Ctrl+O"},
        {ID_FILE_SAVE, "Ctrl+S"},
        {ID_FILE_PRINT, "Ctrl+P"},
        {ID_EDIT_UNDO, "Ctrl+Z, Alt+Backspace"},
        {ID_EDIT_CUT, "Ctrl+X, Shift+Del"},
        {ID_EDIT_COPY, "Ctrl+C, Ctrl+Ins"},
        {ID_EDIT_PASTE, "Ctrl+V, Shift+Ins"},
        {ID_NEXT_PANE, "F6"},
        {ID_PREV_PANE, "Shift+F6"},
    };
    for (const auto& [nID, pszKeys] : expected) {
        QAction* pAction = pFrame->GetRouter().GetAction(nID);
        ASSERT_NE(pAction, nullptr) << CommandName(nID);
        QStringList keys;
        for (const QKeySequence& key : pAction->shortcuts())
            keys << key.toString(QKeySequence::PortableText);
        EXPECT_EQ(keys.join(QStringLiteral(", ")), QString::fromLatin1(pszKeys)) << CommandName(nID);
        // Reachable while the short menu shows, which lacks most of them.
        EXPECT_TRUE(pFrame->actions().contains(pAction)) << CommandName(nID);
        EXPECT_EQ(pAction->shortcutContext(), Qt::WindowShortcut) << CommandName(nID);
    }
}

TEST(FramesMenus, tipItemIsInsertedOnceHoweverOftenMenusOpen)
{
    CMyDrevikDoc doc;
    doc.OnNewDocument();
    auto pFrame = MakeMainFrame();
    const auto helpItems = [&] {
        const auto ids = ActionIds(pFrame->GetRouter());
        return DumpMenu(TopMenu(*pFrame, QStringLiteral("&Help")), ids);
    };
    const QString strWithTip = QStringLiteral("Ti&p of the Day... 108\n-\n&About Drevik... 57664\n");

    // Opening any menu of the bar puts the item into Help.
    OpenAndClose(TopMenu(*pFrame, QStringLiteral("&File")));
    EXPECT_EQ(helpItems(), strWithTip);
    OpenAndClose(TopMenu(*pFrame, QStringLiteral("&Help")));
    OpenAndClose(TopMenu(*pFrame, QStringLiteral("&Help")));
    EXPECT_EQ(helpItems(), strWithTip);

    // The document menu's Help gets it too, once.
    pFrame->AddChildFrame(new CMyDrevikView(&doc));
    for (int i = 0; i < 3; ++i)
        OpenAndClose(TopMenu(*pFrame, QStringLiteral("&Help")));
    EXPECT_EQ(helpItems(), strWithTip);
    EXPECT_EQ(pFrame->menuBar()->actions().size(), 9);
}

TEST(FramesMenus, barWithoutHelpGetsOneHelpMenuHoldingTheTip)
{
    QWidget owner;
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QAction tip(QStringLiteral("Ti&p of the Day..."));
    QPointer<QMenu> pHelp;

    AddTipItem(&bar, &tip, pHelp, &owner);
    ASSERT_NE(pHelp, nullptr);
    ASSERT_EQ(bar.actions().size(), 2);
    EXPECT_EQ(bar.actions().at(1)->text(), QStringLiteral("&Help"));
    EXPECT_EQ(pHelp->actions(), QList<QAction*>{&tip});

    // Again: the appended menu is found and already begins with the tip.
    AddTipItem(&bar, &tip, pHelp, &owner);
    EXPECT_EQ(bar.actions().size(), 2);
    EXPECT_EQ(pHelp->actions(), QList<QAction*>{&tip});

    // Another bar without Help shares the remembered menu.
    QMenuBar other;
    AddTipItem(&other, &tip, pHelp, &owner);
    ASSERT_EQ(other.actions().size(), 1);
    EXPECT_EQ(other.actions().at(0)->menu(), pHelp.data());
}

TEST(FramesMenus, helpMenuThatBeginsWithAnotherItemGetsTipAndSeparator)
{
    QWidget owner;
    QMenuBar bar;
    QMenu* pHelp = bar.addMenu(QStringLiteral("&Help"));
    QMenu* pSecondHelp = bar.addMenu(QStringLiteral("&Help"));
    pSecondHelp->addAction(QStringLiteral("&About Drevik..."));
    QAction tip(QStringLiteral("Ti&p of the Day..."));
    QPointer<QMenu> pRemembered;

    // The last Help menu of the bar is the one.
    AddTipItem(&bar, &tip, pRemembered, &owner);
    EXPECT_EQ(pRemembered.data(), pSecondHelp);
    EXPECT_TRUE(pHelp->actions().isEmpty());
    ASSERT_EQ(pSecondHelp->actions().size(), 3);
    EXPECT_EQ(pSecondHelp->actions().at(0), &tip);
    EXPECT_TRUE(pSecondHelp->actions().at(1)->isSeparator());
    EXPECT_EQ(pSecondHelp->actions().at(2)->text(), QStringLiteral("&About Drevik..."));
}
