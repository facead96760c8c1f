// The tip search: where it starts, what counts as a tip, how it wraps and
// what the profile remembers between showings.
#include "app/tips/tipofdaydlg.h"
#include "tips_testing.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kThreeTips = "; Tips for the test\n"
                              "\n"
                              "   indented, not a tip\n"
                              "\tindented by a tab\n"
                              "First tip.\n"
                              "; between\n"
                              "Second tip.\n"
                              "Third tip.\n";

// The tip each successive showing would bring.
QStringList ShowingsInTurn(TipsFixture& fixture, const QString& strPath, int nCount)
{
    QStringList tips;
    for (int i = 0; i < nCount; ++i) {
        CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
        tips << dlg.m_strTip;
    }
    return tips;
}

} // namespace

TEST(TipsSearch, firstRunShowsTipsFromTheFirstTipLineAndStampsTheFile)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kThreeTips);
    {
        CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
        EXPECT_TRUE(dlg.m_bStartup);
        EXPECT_EQ(dlg.m_strTip, "First tip.\n");
        EXPECT_FALSE(fixture.Profile()->value(kTipTimeStamp).toString().isEmpty());
        // The position is saved only when the dialog goes.
        EXPECT_FALSE(fixture.Profile()->contains(kTipFilePos));
    }
    EXPECT_EQ(fixture.Profile()->value(kTipFilePos).toLongLong(), kThreeTips.indexOf("; between"));
    EXPECT_FALSE(fixture.Profile()->contains(kTipStartUp));
    EXPECT_TRUE(fixture.m_messages.isEmpty());
}

TEST(TipsSearch, eachShowingMovesOnOneTipAndWrapsAfterTheLast)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kThreeTips);
    EXPECT_EQ(ShowingsInTurn(fixture, strPath, 5),
              QStringList({"First tip.\n", "Second tip.\n", "Third tip.\n", "First tip.\n", "Second tip.\n"}));

    // Next Tip walks the same way inside one showing.
    CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
    EXPECT_EQ(dlg.m_strTip, "Third tip.\n");
    dlg.OnNextTip();
    EXPECT_EQ(dlg.m_strTip, "First tip.\n");
}

TEST(TipsSearch, aChangedTimeStampStartsAgainFromTheFirstTip)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kThreeTips);
    ShowingsInTurn(fixture, strPath, 2);
    const QString strStamp = fixture.Profile()->value(kTipTimeStamp).toString();

    // Same file, same stamp: the position holds.
    EXPECT_EQ(ShowingsInTurn(fixture, strPath, 1), QStringList({"Third tip.\n"}));

    fixture.Profile()->setValue(kTipFilePos, kThreeTips.indexOf("Third"));
    fixture.Profile()->setValue(kTipTimeStamp, "Thu Jan  1 00:00:00 1970");
    EXPECT_EQ(ShowingsInTurn(fixture, strPath, 1), QStringList({"First tip.\n"}));
    EXPECT_EQ(fixture.Profile()->value(kTipTimeStamp).toString(), strStamp);
}

TEST(TipsSearch, positionsOutsideTheFile)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kThreeTips);
    ShowingsInTurn(fixture, strPath, 1);  // stamps the file
    // Behind the end: the search wraps to the first tip.
    fixture.Profile()->setValue(kTipFilePos, 100000);
    EXPECT_EQ(ShowingsInTurn(fixture, strPath, 1), QStringList({"First tip.\n"}));
    EXPECT_TRUE(fixture.m_messages.isEmpty());

    // Before the start: the seek fails, the user is told and the tip is empty.
    fixture.Profile()->setValue(kTipFilePos, -5);
    EXPECT_EQ(ShowingsInTurn(fixture, strPath, 1), QStringList({""}));
    EXPECT_EQ(fixture.m_messages, QStringList({kTipsFileTrouble}));
    EXPECT_EQ(fixture.Profile()->value(kTipFilePos).toLongLong(), 0);
}

TEST(TipsSearch, longLinesAreJudgedPieceByPiece)
{
    TipsFixture fixture;
    // An indented line longer than one piece: its second piece starts with
    // a letter and counts as a tip of its own.
    const QByteArray strIndented = " " + QByteArray(kTipPieceLength - 1, 'a') + "Rest of the line\n";
    const QString strPath = fixture.WriteTips(strIndented + "Short tip\n");
    CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
    EXPECT_EQ(dlg.m_strTip, "Rest of the line\n");
    dlg.OnNextTip();
    EXPECT_EQ(dlg.m_strTip, "Short tip\n");

    const QString strLong = fixture.WriteTips(QByteArray(kTipPieceLength + 10, 'x') + "\n");
    CTipOfDayDlg dlgLong(nullptr, fixture.Profile(), strLong);
    EXPECT_EQ(dlgLong.m_strTip, QString(kTipPieceLength, 'x'));
    dlgLong.OnNextTip();
    EXPECT_EQ(dlgLong.m_strTip, QString(10, 'x') + "\n");
}

TEST(TipsSearch, lineEndsOfEitherKindAndUtf8Text)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips("; comment\r\n\r\nZoom by 1.25 \xc3\x97 steps.\r\nSecond\r\n");
    const QStringList tips = ShowingsInTurn(fixture, strPath, 3);
    EXPECT_EQ(tips, QStringList({QString::fromUtf8("Zoom by 1.25 \xc3\x97 steps.\n"), "Second\n",
                                 QString::fromUtf8("Zoom by 1.25 \xc3\x97 steps.\n")}));
}

TEST(TipsSearch, aFileWithoutTipsEndsTheSearch)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("; only comments\n\n  and indents\n\t\n"),
                                    QByteArray("; no line end at the close")}) {
        TipsFixture fixture;
        const QString strPath = fixture.WriteTips(bytes);
        CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
        EXPECT_EQ(dlg.m_strTip, kTipsFileEmpty) << bytes.constData();
        dlg.OnNextTip();
        EXPECT_EQ(dlg.m_strTip, kTipsFileEmpty) << bytes.constData();
        EXPECT_TRUE(fixture.m_messages.isEmpty());
    }
}

TEST(TipsSearch, aMissingFileShowsTheMessageAndStoresNoPosition)
{
    TipsFixture fixture;
    for (const QString& strPath : {QString(), fixture.m_dir.filePath("absent.txt")}) {
        {
            CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
            EXPECT_EQ(dlg.m_strTip, kTipsFileMissing);
            EXPECT_EQ(dlg.m_pStream, nullptr);
            dlg.OnNextTip();
            EXPECT_EQ(dlg.m_strTip, kTipsFileMissing);
        }
        EXPECT_TRUE(fixture.Profile()->allKeys().isEmpty());
    }
}

TEST(TipsSearch, theCurrentDirectoryIsLookedAtFirst)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips("A tip\n");
    const QString strOld = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(fixture.m_dir.path()));
    const QStringList candidates = TipsFileCandidates();
    const QString strFound = FindTipsFile();
    QDir::setCurrent(strOld);
    ASSERT_FALSE(candidates.isEmpty());
    EXPECT_EQ(QFileInfo(candidates.first()).canonicalFilePath(), QFileInfo(strPath).canonicalFilePath());
    EXPECT_EQ(QFileInfo(strFound).canonicalFilePath(), QFileInfo(strPath).canonicalFilePath());
}
