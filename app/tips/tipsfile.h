// Where the tips file "tips.txt" is found: the current directory first, as
// the program always did, then the installed data folders, then the
// folder of the program itself (the build tree).
#pragma once

#include <QString>
#include <QStringList>

inline const QString kTipsFileName = QStringLiteral("tips.txt");

// The places looked at, in order; some may not exist.
QStringList TipsFileCandidates();

// The first candidate that is a readable file, or an empty text.
QString FindTipsFile();
