// Writing a file whole or not at all: the bytes go to a temporary file
// beside the target, reach the disk, and only then replace the target.
#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes through fnWrite (false when it could not write everything) and
// replaces strPath. False when any step failed, with *pstrReason saying why
// in words; the old file is then left as it was. A target that exists but
// is no plain file (a device, a pipe, a folder, a link to one) is refused:
// replacing it would swap a device for a regular file.
bool SaveWholeFile(const QString& strPath, const std::function<bool(QIODevice&)>& fnWrite,
                   QString* pstrReason);
