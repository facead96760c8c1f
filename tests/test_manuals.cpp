// The manual pages and the AppStream metainfo: they format and validate
// without complaint from the readers a distribution uses, and the pages
// name every command, option and exit status the programs' own help does,
// so the two cannot drift apart.
#include "app/startup/commandline.h"
#include "view/export/exportdrawing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QString ResourcePath(const QString& strName)
{
    return QDir(QStringLiteral(KORVADA_TEST_DATA "/../../resources")).filePath(strName);
}

// The page as its reader sees the words: roff's escaped hyphens plain.
QString ReadPage(const char* pszName)
{
    QFile file(ResourcePath(QStringLiteral("man/")) + QString::fromLatin1(pszName));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

struct ToolRun {
    int nExit = -1;
    QByteArray out, error;
};
ToolRun RunTool(const QString& strProgram, const QStringList& args)
{
    QProcess process;
    process.start(strProgram, args);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.nExit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.error = process.readAllStandardError();
    return run;
}

class ManualFormats : public ::testing::TestWithParam<const char*> {};

// Every option as "-x" or "--name" in a help text's option list.
QSet<QString> OptionsOf(const QString& strHelp)
{
    QSet<QString> setOptions;
    const QRegularExpression re(QStringLiteral("^\\s+(-[-A-Za-z][-A-Za-z]*)(?:, (--[-a-z]+))?"),
                                QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : re.globalMatch(strHelp)) {
        setOptions.insert(match.captured(1));
        if (match.hasCaptured(2) && !match.captured(2).isEmpty())
            setOptions.insert(match.captured(2));
    }
    return setOptions;
}

// Whether the page holds the word, not just a longer word it starts.
bool PageHas(const QString& strPage, const QString& strWord)
{
    return strPage.contains(QRegularExpression(QStringLiteral("(^|[^-A-Za-z])") + QRegularExpression::escape(strWord)
                                               + QStringLiteral("($|[^-A-Za-z])")));
}

}  // namespace

TEST_P(ManualFormats, withoutWarnings)
{
    const QString strGroff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (strGroff.isEmpty())
        GTEST_SKIP() << "groff is not installed";
    const QString strPage = ResourcePath(QStringLiteral("man/")) + QString::fromLatin1(GetParam());
    ASSERT_TRUE(QFile::exists(strPage)) << strPage.toStdString();
    const ToolRun run = RunTool(strGroff, {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"),
                                       QStringLiteral("-z"), strPage});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_TRUE(run.error.isEmpty()) << run.error.constData();
}

INSTANTIATE_TEST_SUITE_P(Pages, ManualFormats, ::testing::Values("korvada.1", "korvada-cli.1"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return QString::fromLatin1(info.param).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_")).toStdString();
                         });

TEST(CliManual, namesEveryCommandOptionAndExitStatus)
{
    const ToolRun run = RunTool(QStringLiteral(KORVADA_CLI_PATH), {QStringLiteral("--help")});
    ASSERT_EQ(run.nExit, 0);
    const QString strHelp = QString::fromUtf8(run.out);
    const QString strPage = ReadPage("korvada-cli.1");
    ASSERT_FALSE(strPage.isEmpty());

    // Each option has its entry in the page's list of options.
    const QString strPageOptions = strPage.section(QStringLiteral(".SH OPTIONS"), 1).section(QStringLiteral(".SH"), 0, 0);
    const QSet<QString> setOptions = OptionsOf(strHelp);
    EXPECT_GE(setOptions.size(), 15) << strHelp.toStdString();
    for (const QString& strOption : setOptions)
        EXPECT_TRUE(PageHas(strPageOptions, strOption)) << "option " << strOption.toStdString();

    const auto matchCommands = QRegularExpression(QStringLiteral("command\\s+([a-z, ]+) or ([a-z]+)")).match(strHelp);
    ASSERT_TRUE(matchCommands.hasMatch()) << strHelp.toStdString();
    QStringList listCommands = matchCommands.captured(1).split(QStringLiteral(", "));
    listCommands << matchCommands.captured(2);
    EXPECT_EQ(listCommands.size(), 5);
    for (const QString& strCommand : listCommands)
        EXPECT_TRUE(strPage.contains(QStringLiteral(".B korvada-cli ") + strCommand)) << "command " << strCommand.toStdString();

    // Each format export writes, in the synopsis and the export entry.
    for (const ExportType& type : kExportTypes) {
        const QString strOut = QStringLiteral("OUT.") + QLatin1String(type.pszSuffix);
        EXPECT_TRUE(strHelp.contains(strOut)) << strOut.toStdString();
        EXPECT_TRUE(strPage.contains(strOut)) << strOut.toStdString();
        EXPECT_TRUE(strPage.contains(QStringLiteral(".B .") + QLatin1String(type.pszSuffix) + QLatin1Char('\n')))
            << type.pszSuffix;
    }

    // Each status of the help's "Exit status:" paragraph has its own entry.
    const QString strStatuses = strHelp.section(QStringLiteral("Exit status:"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QString strPageStatuses = strPage.section(QStringLiteral(".SH EXIT STATUS"), 1).section(QStringLiteral(".SH"), 0, 0);
    int nStatuses = 0;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("(\\d+) ")).globalMatch(strStatuses)) {
        ++nStatuses;
        EXPECT_TRUE(strPageStatuses.contains(QStringLiteral(".B ") + match.captured(1) + QLatin1Char('\n')))
            << "exit status " << match.captured(1).toStdString();
    }
    EXPECT_EQ(nStatuses, 4) << strStatuses.toStdString();
}

TEST(ProgramManual, namesEverySwitch)
{
    const QString strPage = ReadPage("korvada.1");
    ASSERT_FALSE(strPage.isEmpty());
    const QSet<QString> setSwitches = OptionsOf(CCommandLineInfo::GetUsageText());
    EXPECT_EQ(setSwitches.size(), 6);
    for (const QString& strSwitch : setSwitches)
        EXPECT_TRUE(PageHas(strPage, strSwitch)) << "switch " << strSwitch.toStdString();
}

TEST(AppStream, metainfoValidatesAndLaunchesTheDesktopEntry)
{
    const QString strMeta = ResourcePath(QStringLiteral("com.morvane.Korvada.metainfo.xml"));
    QFile file(strMeta);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString strXml = QString::fromUtf8(file.readAll());
    const auto matchId = QRegularExpression(QStringLiteral("<id>([^<]+)</id>")).match(strXml);
    ASSERT_TRUE(matchId.hasMatch());
    // The desktop entry's file name is the id the metainfo launches.
    const QString strDesktop = matchId.captured(1) + QStringLiteral(".desktop");
    EXPECT_TRUE(strXml.contains(QStringLiteral("<launchable type=\"desktop-id\">") + strDesktop));
    EXPECT_TRUE(QFile::exists(ResourcePath(strDesktop))) << strDesktop.toStdString();

    const QString strValidator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (strValidator.isEmpty())
        GTEST_SKIP() << "appstreamcli (appstream) is not installed";
    const ToolRun run = RunTool(strValidator, {QStringLiteral("validate"), QStringLiteral("--no-net"), strMeta});
    EXPECT_EQ(run.nExit, 0) << run.out.constData() << run.error.constData();
}
