// One running program per user: a second start that names drawings hands
// them to the program already running and ends. The two talk over a local
// socket: the newcomer sends one path per line and an empty line, and the
// running program answers "OK" once it has taken them.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

// The channel's name for the current user: in the user's private runtime
// folder when there is one, so no other user can take the name first.
QString InstanceServerName();

// Hands strFiles to the program listening on strServerName and waits for
// its answer; false when none listens or it did not answer in time, and
// the caller then opens the files itself.
bool HandFilesToRunningInstance(const QString& strServerName, const QStringList& strFiles,
                                int nTimeoutMs = 3000);

class CInstanceServer : public QObject {
public:
    explicit CInstanceServer(QObject* pParent = nullptr);
    ~CInstanceServer() override;

    // Starts listening; a name left behind by a program that ended without
    // closing it is taken over. False when another program answers on it.
    bool Listen(const QString& strServerName);
    bool IsListening() const;

    // Called with the files of each hand-over, in the order sent.
    std::function<void(const QStringList&)> m_onFilesReceived;

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* pSocket);

    QLocalServer* m_pServer = nullptr;
};

// Longest message accepted from one newcomer, in bytes.
constexpr qint64 kMaxHandOverBytes = 1 << 20;
