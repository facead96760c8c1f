// The command line: switches that start the program without a window, and
// the drawings it names.
#include "app/startup/commandline.h"

#include <QDir>

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
