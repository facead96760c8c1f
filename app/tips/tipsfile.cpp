#include "app/tips/tipsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef KORVADA_DATA_FROM_BIN
#define KORVADA_DATA_FROM_BIN "../share/korvada"
#endif

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
    // An install moved elsewhere as a whole still finds its data folder at
    // the same place relative to the program.
    const QString strDataFromProgram = QStringLiteral(KORVADA_DATA_FROM_BIN);
    candidates << QDir::cleanPath(dirProgram.absoluteFilePath(strDataFromProgram + u'/' + kTipsFileName));
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
