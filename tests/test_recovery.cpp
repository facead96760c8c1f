// Autosave and recovery: a modified drawing has a copy in the recovery
// folder, a saved or closed one has none, a clean end leaves none, and the
// copy a killed program left is offered at the next start and brings the
// drawing back whole.
#include "app/frames/mainframe.h"
#include "app/recovery/recoverymanager.h"
#include "app/startup/appshell.h"
#include "app/startup/commandline.h"
#include "app/documents/doctemplate.h"
#include "child_process.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "platform/archive.h"
#include "startup_testing.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QSysInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const char* const kFolderVariable = "KORVADA_RECOVERY_CHILD_FOLDER";
const char* const kReady = "KORVADA-RECOVERY-CHILD-COPIED";
const char* const kTermFolderVariable = "KORVADA_RECOVERY_TERM_FOLDER";
const char* const kTermReady = "KORVADA-RECOVERY-CHILD-RUNNING";
const char* const kStartTermFolderVariable = "KORVADA_RECOVERY_START_TERM_FOLDER";
const char* const kStartTermReady = "KORVADA-RECOVERY-CHILD-STARTING";

QStringList FilesIn(const QString& strFolder, const QString& strPattern)
{
    return QDir(strFolder).entryList({strPattern}, QDir::Files, QDir::Name);
}

QByteArray Bytes(CMyDrevikDoc* pDoc)
{
    CArchive ar;
    pDoc->Serialize(ar);
    return ar.GetBuffer();
}

void AddLines(CMyDrevikDoc* pDoc, int nLines)
{
    for (int i = 0; i < nLines; ++i)
        pDoc->AddFigure(std::make_unique<CLine>(100 * i, -50 * i, 900, -700 - i, COLORREF(i), 1 + i, PS_DASH));
}

class RecoveryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsolateProfile();
        m_strFolder = m_dir.filePath(QStringLiteral("recovery"));
        m_pFrame = std::make_unique<CMainFrame>();
        m_pTemplate = std::make_unique<CMultiDocTemplate>(m_pFrame.get());
        m_pRecovery = std::make_unique<CRecoveryManager>(m_pTemplate.get(), m_strFolder);
    }
    void TearDown() override
    {
        m_pRecovery.reset();
        m_pTemplate.reset();
        m_pFrame.reset();
    }
    QStringList Copies() const { return FilesIn(m_strFolder, QStringLiteral("*.kvd")); }
    QByteArray OnlyCopy() const
    {
        const QStringList copies = Copies();
        EXPECT_EQ(copies.size(), 1);
        QFile file(QDir(m_strFolder).filePath(copies.value(0)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_strFolder;
    CMessageAnswers m_answers;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CMultiDocTemplate> m_pTemplate;
    std::unique_ptr<CRecoveryManager> m_pRecovery;
};

// A start of the whole program on the recovery folder, the offer answered
// with answer; the names it offered go to pstrNames.
bool StartWithRecovery(CAppShell& shell, const QString& strFolder, CRecoveryManager::Answer answer,
                       QStringList* pstrNames)
{
    shell.m_pfnShowTipAtStartup = nullptr;
    shell.m_strRecoveryFolder = strFolder;
    shell.m_pfnAskRecover = [answer, pstrNames](QWidget*, const QStringList& strNames) {
        *pstrNames = strNames;
        return answer;
    };
    CCommandLineInfo cmdInfo;
    cmdInfo.m_bShowSplash = false;
    return shell.InitInstance(cmdInfo, QString());
}

// Emits a signal as the application would. No receiver here reads the
// signal's argument, so none is passed.
void EmitWithoutArguments(QObject* pSender, const QMetaMethod& signal)
{
    void* argv[] = {nullptr, nullptr};
    const QMetaObject* pClass = signal.enclosingMetaObject();
    QMetaObject::activate(pSender, pClass, signal.methodIndex() - pClass->methodOffset(), argv);
}

}  // namespace

TEST_F(RecoveryFixture, onlyModifiedDrawingsHaveACopyUntilSavedOrClosed)
{
    CMyDrevikDoc* pClean = m_pTemplate->OpenDocumentFile(QString());
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    m_pRecovery->WriteCopies();
    EXPECT_TRUE(Copies().isEmpty()) << "unmodified drawings need no copy";

    AddLines(pDoc, 3);
    m_pRecovery->WriteCopies();
    EXPECT_EQ(OnlyCopy(), Bytes(pDoc));
    ASSERT_EQ(FilesIn(m_strFolder, QStringLiteral("*.origin")).size(), 1);

    // Later changes replace the copy rather than adding one.
    AddLines(pDoc, 1);
    m_pRecovery->WriteCopies();
    EXPECT_EQ(OnlyCopy(), Bytes(pDoc));

    const QString strSaved = m_dir.filePath(QStringLiteral("plan.kvd"));
    ASSERT_TRUE(m_pTemplate->DoSave(pDoc, strSaved, false));
    EXPECT_TRUE(Copies().isEmpty()) << "a saved drawing keeps no copy";
    EXPECT_TRUE(FilesIn(m_strFolder, QStringLiteral("*.origin")).isEmpty());

    // Changed again and then let go without saving: the user said No.
    AddLines(pDoc, 1);
    m_pRecovery->WriteCopies();
    EXPECT_EQ(Copies().size(), 1);
    m_answers.m_answers = {QMessageBox::No};
    m_pTemplate->OnFileClose(pDoc);
    EXPECT_TRUE(Copies().isEmpty()) << "a closed drawing keeps no copy";

    // Letting go of every drawing at the end takes the rest of this run's
    // copies with it, and nothing written later brings one back.
    AddLines(pClean, 1);
    m_pRecovery->WriteCopies();
    EXPECT_EQ(Copies().size(), 1);
    m_pRecovery->LetGo();
    EmitWithoutArguments(qApp, QMetaMethod::fromSignal(&QCoreApplication::aboutToQuit));
    m_pRecovery.reset();
    EXPECT_TRUE(QDir(m_strFolder).entryList(QDir::Files).isEmpty());
}

TEST_F(RecoveryFixture, anEndNobodyAnsweredForKeepsTheCopiesForTheNextStart)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    AddLines(pDoc, 2);
    // The desktop session asks the program to end: no two minutes pass.
    EmitWithoutArguments(qApp, QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest));
    EXPECT_EQ(OnlyCopy(), Bytes(pDoc));

    // One more line, then the session ends the program without a question.
    AddLines(pDoc, 1);
    EmitWithoutArguments(qApp, QMetaMethod::fromSignal(&QCoreApplication::aboutToQuit));
    EXPECT_EQ(OnlyCopy(), Bytes(pDoc));
    const QByteArray bytes = Bytes(pDoc);
    const QString strTitle = pDoc->GetTitle();
    m_pTemplate->CloseAllDocuments();
    m_pRecovery.reset();

    CRecoveryStore next(m_strFolder);
    const std::vector<CRecoveryCopy> copies = next.FindOrphans();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].m_strTitle, strTitle);
    QFile file(copies[0].m_strCopyPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(RecoveryFixture, halfWrittenCopiesOfADeadProgramAreCleanedUpNotLost)
{
    // A program that has ended: its lock names a process that is gone.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 nGonePid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const QString strDead = QStringLiteral("0123456789abcdef0123456789abcdef");
    const QDir dir(m_strFolder);
    auto write = [&dir](const QString& strName, const QByteArray& bytes) {
        QFile file(dir.filePath(strName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(strDead + QStringLiteral(".lock"),
          QByteArray::number(nGonePid) + "\nkorvada\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    CMyDrevikDoc drawing;
    AddLines(&drawing, 2);
    // Crashed between the sidecar and the copy of key 1; key 2 whole;
    // key 3's sidecar lost; a save of key 2 cut short.
    write(strDead + QStringLiteral("-1.origin"), R"({"path":"","title":"Lost"})");
    write(strDead + QStringLiteral("-2.origin"), R"({"path":"/home/ana/plan.kvd","title":"plan.kvd"})");
    write(strDead + QStringLiteral("-2.kvd"), Bytes(&drawing));
    write(strDead + QStringLiteral("-3.kvd"), Bytes(&drawing));
    write(strDead + QStringLiteral("-2.kvd.aB3xYz"), "half");
    write(QStringLiteral("notes.txt"), "the user's own");
    QFile fileNewest(dir.filePath(strDead + QStringLiteral("-3.kvd")));
    ASSERT_TRUE(fileNewest.open(QIODevice::ReadWrite));
    ASSERT_TRUE(fileNewest.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    fileNewest.close();
    // This program's own unfinished save is not the dead one's debris.
    CMyDrevikDoc* pOwn = m_pTemplate->OpenDocumentFile(QString());
    AddLines(pOwn, 1);
    m_pRecovery->WriteCopies();
    const QString strOwnCopy = Copies().filter(QStringLiteral("-1.kvd")).value(0);
    write(strOwnCopy + QStringLiteral(".Qq1234"), "busy");

    QStringList strNames;
    m_pRecovery->m_pfnAskRecover = [&strNames](QWidget*, const QStringList& strOffered) {
        strNames = strOffered;
        return CRecoveryManager::Later;
    };
    EXPECT_EQ(m_pRecovery->OfferRecovery(nullptr), 0);
    EXPECT_EQ(strNames, (QStringList{QStringLiteral("/home/ana/plan.kvd"), QStringLiteral("Untitled drawing")}));
    QStringList strLeft = dir.entryList(QDir::Files, QDir::Name);
    strLeft.removeAll(strOwnCopy);
    strLeft.removeAll(QString(strOwnCopy).replace(QStringLiteral(".kvd"), QStringLiteral(".origin")));
    strLeft.removeAll(strOwnCopy + QStringLiteral(".Qq1234"));
    strLeft = strLeft.filter(QRegularExpression(QStringLiteral("^(?!.*\\.lock$)")));
    EXPECT_EQ(strLeft, (QStringList{strDead + QStringLiteral("-2.kvd"), strDead + QStringLiteral("-2.origin"),
                                    strDead + QStringLiteral("-3.kvd"), QStringLiteral("notes.txt")}));
    EXPECT_FALSE(dir.exists(strDead + QStringLiteral(".lock")));

    // Recovered, the copy without a name opens as a new drawing.
    strNames.clear();
    m_pRecovery->m_pfnAskRecover = [](QWidget*, const QStringList&) { return CRecoveryManager::Recover; };
    EXPECT_EQ(m_pRecovery->OfferRecovery(nullptr), 2);
    ASSERT_EQ(m_pTemplate->GetDocumentCount(), 3);
    EXPECT_EQ(m_pTemplate->GetDocument(1)->GetTitle(), QStringLiteral("plan.kvd"));
    EXPECT_FALSE(m_pTemplate->GetDocument(2)->GetTitle().isEmpty());
    EXPECT_EQ(Bytes(m_pTemplate->GetDocument(2)), Bytes(&drawing));
    EXPECT_TRUE(dir.exists(QStringLiteral("notes.txt")));
}

TEST_F(RecoveryFixture, copiesOfARunningProgramAreNotOffered)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    AddLines(pDoc, 2);
    m_pRecovery->WriteCopies();

    // A second program on the same folder sees a live session's copy.
    CRecoveryStore other(m_strFolder);
    ASSERT_TRUE(other.IsUsable());
    EXPECT_TRUE(other.FindOrphans().empty());
}

// The child: a drawing saved as plan.kvd, changed, copied, one step gone
// back, and then the program dies.
TEST(RecoveryChild, copiesAChangedDrawingAndWaitsToBeKilled)
{
    const QString strFolder = qEnvironmentVariable(kFolderVariable);
    if (strFolder.isEmpty())
        GTEST_SKIP() << "runs only as the child of aKilledProgramsDrawingComesBackWhole";
    IsolateProfile();
    CMainFrame frame;
    CMultiDocTemplate docTemplate(&frame);
    CRecoveryManager recovery(&docTemplate, strFolder);
    CMyDrevikDoc* pDoc = docTemplate.OpenDocumentFile(QString());
    AddLines(pDoc, 2);
    ASSERT_TRUE(docTemplate.DoSave(pDoc, QFileInfo(strFolder).dir().filePath(QStringLiteral("plan.kvd")), false));
    AddLines(pDoc, 3);
    pDoc->OnGoBackward();
    recovery.WriteCopies();
    SignalReady(kReady);
    QThread::sleep(300);
}

TEST(Recovery, aKilledProgramsDrawingComesBackWhole)
{
    IsolateProfile();
    QTemporaryDir dir;
    const QString strFolder = dir.filePath(QStringLiteral("recovery"));
    for (CRecoveryManager::Answer answer :
         {CRecoveryManager::Later, CRecoveryManager::Discard, CRecoveryManager::Recover}) {
        // Later keeps the copy for the Discard round; the others need a crash.
        if (FilesIn(strFolder, QStringLiteral("*.kvd")).isEmpty()) {
            QProcess child;
            ASSERT_TRUE(StartChildTest(child, QStringLiteral("RecoveryChild.copiesAChangedDrawingAndWaitsToBeKilled"),
                                       QString::fromLatin1(kFolderVariable), strFolder, kReady));
            KillChild(child);
        }
        ASSERT_EQ(FilesIn(strFolder, QStringLiteral("*.kvd")).size(), 1);

        CMessageAnswers answers;
        CAppShell shell;
        QStringList strNames;
        ASSERT_TRUE(StartWithRecovery(shell, strFolder, answer, &strNames));
        const QString strPlan = QFileInfo(QFileInfo(strFolder).dir().filePath(QStringLiteral("plan.kvd"))).absoluteFilePath();
        EXPECT_EQ(strNames, QStringList{strPlan});
        CMultiDocTemplate* pTemplate = shell.GetDocTemplate();
        if (answer == CRecoveryManager::Later) {
            EXPECT_EQ(pTemplate->GetDocumentCount(), 1) << "only the new drawing";
            EXPECT_EQ(FilesIn(strFolder, QStringLiteral("*.kvd")).size(), 1) << "kept for next time";
            continue;
        }
        EXPECT_TRUE(FilesIn(strFolder, QStringLiteral("*.kvd")).isEmpty());
        if (answer == CRecoveryManager::Discard) {
            EXPECT_EQ(pTemplate->GetDocumentCount(), 1);
            continue;
        }
        ASSERT_EQ(pTemplate->GetDocumentCount(), 2);
        CMyDrevikDoc* pDoc = pTemplate->GetDocument(1);
        CMyDrevikDoc expected;
        AddLines(&expected, 2);
        AddLines(&expected, 3);
        EXPECT_EQ(Bytes(pDoc), Bytes(&expected));
        EXPECT_EQ(pDoc->m_nStep, 4) << "every figure shown";
        EXPECT_EQ(pDoc->GetTitle(), QStringLiteral("plan.kvd"));
        EXPECT_TRUE(pDoc->GetPathName().isEmpty()) << "never saved over the user's file unasked";
        EXPECT_TRUE(pDoc->IsModified());
        EXPECT_TRUE(answers.m_texts.isEmpty());
    }
}

TEST(Recovery, closingTheProgramLetsGoOfTheCopiesOnlyWhenTheUserDecided)
{
    IsolateProfile();
    QTemporaryDir dir;
    const QString strFolder = dir.filePath(QStringLiteral("recovery"));
    CAppShell shell;
    QStringList strNames;
    ASSERT_TRUE(StartWithRecovery(shell, strFolder, CRecoveryManager::Later, &strNames));
    AddLines(shell.GetDocTemplate()->GetDocument(0), 2);
    shell.GetRecovery()->WriteCopies();
    ASSERT_EQ(FilesIn(strFolder, QStringLiteral("*.kvd")).size(), 1);

    CMessageAnswers answers;
    answers.m_answers = {QMessageBox::Cancel};
    EXPECT_FALSE(shell.GetMainFrame()->close());
    EXPECT_EQ(FilesIn(strFolder, QStringLiteral("*.kvd")).size(), 1) << "still working on it";

    answers.m_answers = {QMessageBox::No};
    EXPECT_TRUE(shell.GetMainFrame()->close());
    EmitWithoutArguments(qApp, QMetaMethod::fromSignal(&QCoreApplication::aboutToQuit));
    EXPECT_TRUE(FilesIn(strFolder, QStringLiteral("*.kvd")).isEmpty()) << "the user said No";
}

// The child: a new drawing with four lines, never copied by the timer, in
// a program that runs until a signal ends it.
TEST(RecoveryChild, changesADrawingAndRunsUntilTerminated)
{
    const QString strFolder = qEnvironmentVariable(kTermFolderVariable);
    if (strFolder.isEmpty())
        GTEST_SKIP() << "runs only as the child of aTerminatedProgramKeepsItsChangesForTheNextStart";
    IsolateProfile();
    CAppShell shell;
    QStringList strNames;
    ASSERT_TRUE(StartWithRecovery(shell, strFolder, CRecoveryManager::Later, &strNames));
    AddLines(shell.GetDocTemplate()->GetDocument(0), 4);
    QTimer::singleShot(300000, qApp, &QCoreApplication::quit);
    SignalReady(kTermReady);
    QCoreApplication::exec();
}

TEST(Recovery, aTerminatedProgramKeepsItsChangesForTheNextStart)
{
    IsolateProfile();
    QTemporaryDir dir;
    const QString strFolder = dir.filePath(QStringLiteral("recovery"));
    QProcess child;
    ASSERT_TRUE(StartChildTest(child, QStringLiteral("RecoveryChild.changesADrawingAndRunsUntilTerminated"),
                               QString::fromLatin1(kTermFolderVariable), strFolder, kTermReady));
    child.terminate();
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();

    CRecoveryStore next(strFolder);
    const std::vector<CRecoveryCopy> copies = next.FindOrphans();
    ASSERT_EQ(copies.size(), 1u);
    QFile file(copies[0].m_strCopyPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    CMyDrevikDoc expected;
    AddLines(&expected, 4);
    EXPECT_EQ(file.readAll(), Bytes(&expected));
}

// The child: a start whose tip of the day (a dialog with its own event
// loop) is showing when the signal comes.
TEST(RecoveryChild, isTerminatedWhileStarting)
{
    const QString strFolder = qEnvironmentVariable(kStartTermFolderVariable);
    if (strFolder.isEmpty())
        GTEST_SKIP() << "runs only as the child of aSignalDuringStartUpEndsTheStart";
    IsolateProfile();
    CAppShell shell;
    int nDialogResult = -1;
    shell.m_strRecoveryFolder = strFolder;
    shell.m_pfnAskRecover = [](QWidget*, const QStringList&) { return CRecoveryManager::Later; };
    shell.m_pfnShowTipAtStartup = [&nDialogResult](QWidget*) {
        QEventLoop loop;
        QTimer::singleShot(300000, &loop, [&loop] { loop.exit(7); });
        SignalReady(kStartTermReady);
        nDialogResult = loop.exec();
    };
    CCommandLineInfo cmdInfo;
    ASSERT_TRUE(cmdInfo.m_bShowSplash) << "the tip is shown only on a start with the splash";
    ASSERT_TRUE(shell.InitInstance(cmdInfo, QString()));
    EXPECT_EQ(nDialogResult, 0) << "the signal ended the dialog's loop";
    EXPECT_TRUE(shell.IsTerminated()) << "so the main loop is not started";
}

TEST(Recovery, aSignalDuringStartUpEndsTheStart)
{
    QTemporaryDir dir;
    QProcess child;
    ASSERT_TRUE(StartChildTest(child, QStringLiteral("RecoveryChild.isTerminatedWhileStarting"),
                               QString::fromLatin1(kStartTermFolderVariable),
                               dir.filePath(QStringLiteral("recovery")), kStartTermReady));
    child.terminate();
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}
