// The recovery folder: copies of modified drawings, each with a small
// sidecar naming the drawing it stands for, written so that a drawing
// survives a crash of the program. Every running program owns a session
// (a lock file); copies of a session whose lock nobody holds were left by a
// program that did not end cleanly.
#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

// One copy found in the folder.
struct CRecoveryCopy {
    QString m_strCopyPath;      // the drawing's bytes
    QString m_strSidecarPath;   // the sidecar beside it
    QString m_strOriginalPath;  // the file the drawing came from; empty when never saved
    QString m_strTitle;         // the drawing's title when the copy was written
};

class CRecoveryStore {
public:
    // The per-user folder: the application's local data + "/recovery".
    static QString DefaultFolder();

    // Takes a new session in strFolder (created when missing).
    explicit CRecoveryStore(const QString& strFolder);
    // Gives the session up. Its copies stay: whoever ends the program
    // removes them when nothing is left to recover (RemoveSessionCopies),
    // and what is left is offered at the next start.
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    bool IsUsable() const { return m_bUsable; }
    const QString& GetFolder() const { return m_strFolder; }

    // A fresh key for a drawing of this session.
    int NewKey() { return ++m_nLastKey; }
    // Writes (or replaces) the copy of drawing nKey; the old copy stays
    // whole until the new one is complete. False when it cannot be written.
    bool WriteCopy(int nKey, const QByteArray& bytes, const QString& strOriginalPath,
                   const QString& strTitle);
    void RemoveCopy(int nKey);
    void RemoveSessionCopies();

    // The copies left behind by sessions that are no longer running, oldest
    // first. A copy whose sidecar is missing or unreadable is still listed,
    // with no path and no title: the drawing matters more than its name.
    std::vector<CRecoveryCopy> FindOrphans() const;
    // Removes what sessions that are no longer running left half done: a
    // sidecar whose copy was never written, unfinished temporary files,
    // locks. Whole copies stay.
    void RemoveDebris() const;
    static void Discard(const CRecoveryCopy& copy);

private:
    QString CopyPath(int nKey) const;
    QString SidecarPath(int nKey) const;
    bool IsSessionAlive(const QString& strSession) const;

    QString m_strFolder;
    QString m_strSession;
    std::unique_ptr<QLockFile> m_pLock;
    bool m_bUsable = false;
    int m_nLastKey = 0;
};
