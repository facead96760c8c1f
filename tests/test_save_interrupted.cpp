// A save that is cut short at any moment, by a kill no clean-up follows,
// leaves the target holding one whole drawing: the one it held before or
// the one being saved, never a mixture or a stump. Saves that cannot
// happen say so and leave the drawing modified.
#include "app/documents/doctemplate.h"
#include "child_process.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "platform/archive.h"
#include "startup_testing.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const char* const kTargetVariable = "KORVADA_SAVE_CHILD_TARGET";
const char* const kReady = "KORVADA-SAVE-CHILD-SAVING";

// Two large drawings that differ in every figure and in length.
void FillDrawing(CMyDrevikDoc& doc, bool bSecond)
{
    const int nFigures = bSecond ? 30000 : 40000;
    for (int i = 0; i < nFigures; ++i)
        doc.AddFigure(std::make_unique<CLine>(i % 27000, -(i % 20000), bSecond ? 5 : 9000, -i % 7,
                                              COLORREF(i), 1 + i % 20, i % 5));
}

QByteArray Bytes(CMyDrevikDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBuffer();
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The child: saves the two drawings over the target in turn until killed.
TEST(SaveInterruptedChild, savesOverAndOverUntilKilled)
{
    const QString strTarget = qEnvironmentVariable(kTargetVariable);
    if (strTarget.isEmpty())
        GTEST_SKIP() << "runs only as the child of savesCutShortLeaveAWholeDrawing";
    CMyDrevikDoc docFirst;
    CMyDrevikDoc docSecond;
    FillDrawing(docFirst, false);
    FillDrawing(docSecond, true);
    SignalReady(kReady);
    // The parent kills it long before this; it must not outlive a parent
    // that died first.
    const QDeadlineTimer deadline(5 * 60 * 1000);
    while (!deadline.hasExpired()) {
        docSecond.OnSaveDocument(strTarget);
        docFirst.OnSaveDocument(strTarget);
    }
}

TEST(SaveInterrupted, savesCutShortLeaveAWholeDrawing)
{
    QTemporaryDir dir;
    const QString strTarget = dir.filePath(QStringLiteral("plan.kvd"));
    CMyDrevikDoc docFirst;
    CMyDrevikDoc docSecond;
    FillDrawing(docFirst, false);
    FillDrawing(docSecond, true);
    const QByteArray first = Bytes(docFirst);
    const QByteArray second = Bytes(docSecond);
    ASSERT_TRUE(docFirst.OnSaveDocument(strTarget));

    // Kills early in the child's first save and later, across many saves.
    for (int nDelayMs : {0, 1, 2, 4, 7, 11, 16, 23, 35, 50, 80, 120, 200, 330, 500}) {
        QProcess child;
        ASSERT_TRUE(StartChildTest(child, QStringLiteral("SaveInterruptedChild.*"),
                                   QString::fromLatin1(kTargetVariable), strTarget, kReady));
        QThread::msleep(nDelayMs);
        KillChild(child);
        const QByteArray held = ReadFile(strTarget);
        ASSERT_TRUE(held == first || held == second)
            << "after a kill " << nDelayMs << " ms into saving, the file holds " << held.size()
            << " bytes that are neither drawing (" << first.size() << " or " << second.size() << ")";
    }
}

TEST(SaveInterrupted, aSaveThatCannotHappenIsReportedAndChangesNothing)
{
    IsolateProfile();
    QTemporaryDir dir;
    // Tests run as root, whom permissions do not stop: a folder that is a
    // file stops everyone.
    const QString strFile = dir.filePath(QStringLiteral("notafolder"));
    {
        QFile file(strFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    CMessageAnswers answers;
    CMultiDocTemplate docTemplate;
    CMyDrevikDoc doc;
    doc.SetTitle(QStringLiteral("Skizza1"));
    doc.AddFigure(std::make_unique<CLine>(0, 0, 100, -100, 0, 1, PS_SOLID));
    ASSERT_TRUE(doc.IsModified());

    EXPECT_FALSE(docTemplate.DoSave(&doc, strFile + QStringLiteral("/plan.kvd"), false));
    ASSERT_EQ(answers.m_texts.size(), 1);
    EXPECT_TRUE(answers.m_texts[0].contains(QStringLiteral("plan.kvd")));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(ReadFile(strFile), QByteArray("x"));
}
