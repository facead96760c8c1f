// The command line: switches that start the program without a window, and
// the drawings it names.
#include "app/startup/commandline.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

CCommandLineInfo Parse(const QStringList& arguments)
{
    CCommandLineInfo info;
    info.ParseCommandLine(arguments);
    return info;
}

} // namespace

TEST(StartupCommandLine, noArgumentsMakesANewDrawingWithTheSplash)
{
    const CCommandLineInfo info = Parse({});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_TRUE(info.m_bShowSplash);
    EXPECT_FALSE(info.m_bRunEmbedded);
    EXPECT_FALSE(info.m_bRunAutomated);
    EXPECT_TRUE(info.m_strFileNames.isEmpty());
}

TEST(StartupCommandLine, embeddingAndAutomationStartWithoutWindowInAnyCase)
{
    struct Row { const char* szArg; bool bEmbedded; };
    for (const Row row : {Row{"/Embedding", true}, Row{"-embedding", true}, Row{"/EMBEDDING", true},
                          Row{"-Automation", false}, Row{"/automation", false}}) {
        const CCommandLineInfo info = Parse({row.szArg});
        EXPECT_FALSE(info.m_bShowSplash) << row.szArg;
        EXPECT_EQ(info.m_bRunEmbedded, row.bEmbedded) << row.szArg;
        EXPECT_EQ(info.m_bRunAutomated, !row.bEmbedded) << row.szArg;
        EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNothing) << row.szArg;
    }
    // Without its slash or dash the word is a file name.
    const CCommandLineInfo info = Parse({"Embedding"});
    EXPECT_TRUE(info.m_bShowSplash);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(StartupCommandLine, fileNamesOpenThoseDrawingsAsAbsolutePaths)
{
    const CCommandLineInfo info = Parse({"/tmp/plate.kvd", "-geometry", "rel/arm.kvd", "/Embeddingx.kvd"});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileNames, QStringList({"/tmp/plate.kvd", QDir::current().absoluteFilePath("rel/arm.kvd"),
                                                "/Embeddingx.kvd"}));
    EXPECT_TRUE(info.m_bShowSplash);
}

TEST(StartupCommandLine, helpAndVersionSwitchesAreKnownOnlyAfterADash)
{
    struct Row { const char* szArg; bool bHelp; bool bVersion; };
    for (const Row row : {Row{"--help", true, false}, Row{"-h", true, false}, Row{"-?", true, false},
                          Row{"--HELP", true, false}, Row{"--version", false, true},
                          Row{"-v", false, true}, Row{"/help", false, false}}) {
        const CCommandLineInfo info = Parse({row.szArg});
        EXPECT_EQ(info.m_bShowHelp, row.bHelp) << row.szArg;
        EXPECT_EQ(info.m_bShowVersion, row.bVersion) << row.szArg;
        // A known switch names no drawing; "/help" is a path.
        EXPECT_EQ(info.m_strFileNames.isEmpty(), row.bHelp || row.bVersion) << row.szArg;
    }
}

// The real program, started without any display: it prints and ends well.
TEST(StartupCommandLine, helpAndVersionPrintWithoutADisplay)
{
    struct Row { const char* szArg; QStringList expected; };
    const Row rows[] = {
        {"--help", {"Usage: korvada", "drawing.kvd", "--help", "--version", "-Embedding", "-Automation"}},
        {"-h", {"Usage: korvada"}},
        {"--version", {"Korvada " KORVADA_VERSION}},
    };
    for (const Row& row : rows) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KORVADA_APP_PATH), {QString::fromLatin1(row.szArg)});
        ASSERT_TRUE(process.waitForFinished(30000)) << row.szArg;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << row.szArg;
        EXPECT_EQ(process.exitCode(), 0) << row.szArg;
        const QString strOut = QString::fromLocal8Bit(process.readAllStandardOutput());
        for (const QString& strPart : row.expected)
            EXPECT_TRUE(strOut.contains(strPart)) << row.szArg << ": " << strOut.toStdString();
    }
}
