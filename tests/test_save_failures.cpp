// Saves that fail only when the last bytes are flushed (a full disk, a
// file-size limit) say so in words and keep the old file whole, in the
// program's Save, in the recovery store and in korvada-cli; and no save
// ever puts a regular file in place of a device or a pipe.
#include "app/recovery/recoverystore.h"
#include "document/mydrevikdoc.h"
#include "figure_samples.h"
#include "platform/archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const char* const kLimitVariable = "KORVADA_SAVE_LIMIT_FOLDER";
// Far below any drawing or image written here, far above nothing.
constexpr rlim_t kFileSizeLimit = 64;
const QByteArray kOldBytes = "the old file, which must stay whole";

QString ErrnoText(int nErrno)
{
    return QString::fromLocal8Bit(std::strerror(nErrno));
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A small drawing of several figures: a few hundred bytes.
void FillSmallDrawing(CMyDrevikDoc& doc)
{
    for (std::unique_ptr<CFigure>& pFigure : MakeOneOfEachClass())
        doc.AddFigure(std::move(pFigure));
}

QByteArray SmallDrawingJson()
{
    return R"({"figures":[{"class":"CLine","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":5,"m_nWidth":1,"m_nPenStyle":0},)"
           R"({"class":"CLine","m_x1":10,"m_y1":20,"m_x2":30,"m_y2":40,"m_color":50,"m_nWidth":2,"m_nPenStyle":1}]})";
}

struct CliRun {
    int nExit = -1;
    QByteArray err;
};

// korvada-cli with the file-size limit when nLimit is set; SIGXFSZ is
// ignored, as in a shell that set the limit, so the write fails with
// EFBIG instead of killing the process.
CliRun RunCli(const QStringList& args, rlim_t nLimit = RLIM_INFINITY)
{
    QProcess process;
    process.setChildProcessModifier([nLimit] {
        if (nLimit == RLIM_INFINITY)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{nLimit, nLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(KORVADA_CLI_PATH), args);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

// pack and render onto an existing file, in folder.
CliRun RunPackOrRender(const QString& strCommand, const QString& strFolder, const QString& strTarget,
                       rlim_t nLimit = RLIM_INFINITY)
{
    const QString strJson = strFolder + QStringLiteral("/in.json");
    const QString strDrawing = strFolder + QStringLiteral("/in.kvd");
    if (!QFile::exists(strJson))
        WriteAll(strJson, SmallDrawingJson());
    if (!QFile::exists(strDrawing))
        WriteAll(strDrawing, RedLineDrawing());
    if (strCommand == QLatin1String("pack"))
        return RunCli({strCommand, strJson, strTarget}, nLimit);
    return RunCli({strCommand, strDrawing, strTarget}, nLimit);
}

bool HasTemporaryBeside(const QString& strFolder, const QString& strName)
{
    return !QDir(strFolder).entryList({strName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden).isEmpty();
}

}  // namespace

// The child: runs under the file-size limit it sets itself, so that the
// test runner is never limited.
TEST(SaveFailuresChild, savesUnderAFileSizeLimit)
{
    const QString strFolder = qEnvironmentVariable(kLimitVariable);
    if (strFolder.isEmpty())
        GTEST_SKIP() << "runs only as the child of failedFlushKeepsTheOldFileAndSaysWhy";
    const QString strTarget = strFolder + QStringLiteral("/drawing.kvd");
    WriteAll(strTarget, kOldBytes);
    CRecoveryStore store(strFolder + QStringLiteral("/recovery"));
    ASSERT_TRUE(store.WriteCopy(1, kOldBytes, strTarget, QStringLiteral("drawing.kvd")));

    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kFileSizeLimit, kFileSizeLimit};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);

    CMyDrevikDoc doc;
    FillSmallDrawing(doc);
    ASSERT_TRUE(doc.IsModified());
    QString strError;
    EXPECT_FALSE(doc.OnSaveDocument(strTarget, &strError));
    EXPECT_TRUE(strError.contains(ErrnoText(EFBIG))) << strError.toStdString();
    EXPECT_FALSE(strError.contains(QLatin1String("Unknown error"))) << strError.toStdString();
    EXPECT_EQ(ReadAll(strTarget), kOldBytes);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(HasTemporaryBeside(strFolder, QStringLiteral("drawing.kvd")));

    CArchive ar;
    doc.Serialize(ar);
    EXPECT_FALSE(store.WriteCopy(1, ar.GetBuffer(), strTarget, QStringLiteral("drawing.kvd")));
    QDir recovery(strFolder + QStringLiteral("/recovery"));
    const QStringList kvds = recovery.entryList({QStringLiteral("*.kvd")}, QDir::Files);
    ASSERT_EQ(kvds.size(), 1);
    EXPECT_EQ(ReadAll(recovery.filePath(kvds[0])), kOldBytes);
}

TEST(SaveFailures, failedFlushKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kLimitVariable), dir.path());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=SaveFailuresChild.savesUnderAFileSizeLimit")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.constData();
    EXPECT_EQ(child.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();

    for (const QString& strCommand : {QStringLiteral("pack"), QStringLiteral("render")}) {
        const QString strTarget = dir.filePath(strCommand + QStringLiteral(".out"));
        WriteAll(strTarget, kOldBytes);
        const CliRun run = RunPackOrRender(strCommand, dir.path(), strTarget, kFileSizeLimit);
        EXPECT_EQ(run.nExit, 3) << strCommand.toStdString() << ": " << run.err.constData();
        EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(ErrnoText(EFBIG))) << run.err.constData();
        EXPECT_EQ(ReadAll(strTarget), kOldBytes) << strCommand.toStdString();
        EXPECT_FALSE(HasTemporaryBeside(dir.path(), strCommand + QStringLiteral(".out")));
    }
}

// A real file system that is full: only where the test may mount one.
TEST(SaveFailures, fullFileSystemKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("korvada-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    const QString strTarget = dir.filePath(QStringLiteral("drawing.kvd"));
    WriteAll(strTarget, kOldBytes);
    WriteAll(dir.filePath(QStringLiteral("in.json")), SmallDrawingJson());
    WriteAll(dir.filePath(QStringLiteral("in.kvd")), RedLineDrawing());
    {
        // Fill every block that is left.
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    CMyDrevikDoc doc;
    FillSmallDrawing(doc);
    QString strError;
    EXPECT_FALSE(doc.OnSaveDocument(strTarget, &strError));
    EXPECT_TRUE(strError.contains(ErrnoText(ENOSPC))) << strError.toStdString();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(strTarget), kOldBytes);
    for (const QString& strCommand : {QStringLiteral("pack"), QStringLiteral("render")}) {
        const CliRun run = RunPackOrRender(strCommand, dir.path(), strTarget);
        EXPECT_EQ(run.nExit, 3) << strCommand.toStdString() << ": " << run.err.constData();
        EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(ErrnoText(ENOSPC))) << run.err.constData();
        EXPECT_EQ(ReadAll(strTarget), kOldBytes) << strCommand.toStdString();
    }
    EXPECT_FALSE(HasTemporaryBeside(dir.path(), QStringLiteral("drawing.kvd")));
    umount2(mountPoint.constData(), MNT_DETACH);
}

// Devices, pipes and links to them are refused and stay what they were; a
// pipe without a reader does not hold the save up.
TEST(SaveFailures, specialFilesAreNeverReplaced)
{
    QTemporaryDir dir;
    const QString strFifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(strFifo).constData(), 0600), 0);
    QStringList targets = {strFifo};
    // A null device of our own, and a link to it: only root may make one.
    const QString strDevice = dir.filePath(QStringLiteral("null"));
    if (mknod(QFile::encodeName(strDevice).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        const QString strLink = dir.filePath(QStringLiteral("link"));
        ASSERT_TRUE(QFile::link(strDevice, strLink));
        targets << strDevice << strLink;
    }
    auto kindOf = [](const QString& strPath) {
        struct stat st {};
        return stat(QFile::encodeName(strPath).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0u;
    };
    for (const QString& strTarget : targets) {
        const unsigned nKind = kindOf(strTarget);
        for (const QString& strCommand : {QStringLiteral("pack"), QStringLiteral("render")}) {
            const CliRun run = RunPackOrRender(strCommand, dir.path(), strTarget);
            EXPECT_EQ(run.nExit, 3) << strCommand.toStdString() << " " << strTarget.toStdString();
            EXPECT_TRUE(run.err.contains("not a plain file")) << run.err.constData();
            EXPECT_EQ(kindOf(strTarget), nKind) << strCommand.toStdString() << " " << strTarget.toStdString();
        }
        CMyDrevikDoc doc;
        FillSmallDrawing(doc);
        QString strError;
        EXPECT_FALSE(doc.OnSaveDocument(strTarget, &strError)) << strTarget.toStdString();
        EXPECT_TRUE(strError.contains(QLatin1String("not a plain file"))) << strError.toStdString();
        EXPECT_EQ(kindOf(strTarget), nKind) << strTarget.toStdString();
        EXPECT_TRUE(doc.IsModified());
    }
}
