// The recent-file list of the File menu: the last drawings opened or saved,
// newest first, kept in the program's profile.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    static constexpr int kMaxFiles = 4;

    // Puts the file at the head of the list; a file already listed moves
    // up rather than appearing twice, and the oldest falls off the end.
    void Add(const QString& strPath);
    void Remove(int nIndex);
    int GetCount() const { return int(m_files.size()); }
    // Empty for an index outside the list.
    QString GetPath(int nIndex) const;

    // The menu text of an entry: its number as mnemonic and the file name,
    // with the folder shortened when the path is long ("&1 name.kvd").
    QString GetMenuText(int nIndex) const;

    // The list lives in the section "Recent File List", keys "File1" ...
    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

private:
    QStringList m_files;
};
