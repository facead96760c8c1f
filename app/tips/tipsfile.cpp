#include "app/tips/tipsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList TipsFileCandidates()
{
    QStringList candidates;
    candidates << QDir::current().absoluteFilePath(kTipsFileName);
    for (const QString& strDir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        candidates << QDir(strDir).absoluteFilePath(kTipsFileName);
    // The install puts the file in <datadir>/korvada, beside no other program's.
    for (const QString& strDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << QDir(strDir).absoluteFilePath(QStringLiteral("korvada/") + kTipsFileName);
    const QDir dirProgram(QCoreApplication::applicationDirPath());
    // An install moved elsewhere as a whole still finds its data beside bin/.
    candidates << QDir::cleanPath(dirProgram.absoluteFilePath(QStringLiteral("../share/korvada/") + kTipsFileName));
    candidates << dirProgram.absoluteFilePath(kTipsFileName);
    candidates.removeDuplicates();
    return candidates;
}

QString FindTipsFile()
{
    for (const QString& strPath : TipsFileCandidates()) {
        const QFileInfo info(strPath);
        if (info.isFile() && info.isReadable())
            return strPath;
    }
    return QString();
}
