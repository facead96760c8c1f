#include "app/startup/instancechannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

const QByteArray kAnswer = "OK\n";

// The user's name, kept to characters every socket name can carry.
QString SafeUserName()
{
    QString strUser = qEnvironmentVariable("USER");
    if (strUser.isEmpty())
        strUser = QDir::home().dirName();
    QString strSafe;
    for (const QChar ch : strUser) {
        if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9')
            || ch == u'_' || ch == u'-' || ch == u'.')
            strSafe += ch;
        else
            strSafe += QStringLiteral("%%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    return strSafe.isEmpty() ? QStringLiteral("user") : strSafe;
}

} // namespace

QString InstanceServerName()
{
    const QString strName = QStringLiteral("korvada-") + SafeUserName();
    const QString strRuntime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!strRuntime.isEmpty() && QFileInfo(strRuntime).isDir())
        return QDir(strRuntime).absoluteFilePath(strName);
    return strName;
}

bool HandFilesToRunningInstance(const QString& strServerName, const QStringList& strFiles, int nTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(strServerName);
    if (!socket.waitForConnected(nTimeoutMs))
        return false;
    QByteArray message;
    for (const QString& strFile : strFiles)
        message += strFile.toUtf8() + '\n';
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(nTimeoutMs))
        return false;

    QElapsedTimer timer;
    timer.start();
    QByteArray answer;
    while (answer.size() < kAnswer.size()) {
        const qint64 nLeft = nTimeoutMs - timer.elapsed();
        if (nLeft <= 0 || !socket.waitForReadyRead(int(nLeft)))
            break;
        answer += socket.readAll();
    }
    socket.disconnectFromServer();
    return answer.startsWith(kAnswer);
}

CInstanceServer::CInstanceServer(QObject* pParent)
    : QObject(pParent), m_pServer(new QLocalServer(this))
{
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_pServer, &QLocalServer::newConnection, this, &CInstanceServer::OnNewConnection);
}

CInstanceServer::~CInstanceServer() = default;

bool CInstanceServer::Listen(const QString& strServerName)
{
    // Listening with access options would quietly take the name over from
    // a running program, so ask first whether one answers there. A name
    // nobody answers on is a leftover of a program that ended.
    QLocalSocket probe;
    probe.connectToServer(strServerName);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(strServerName);
    return m_pServer->listen(strServerName);
}

bool CInstanceServer::IsListening() const
{
    return m_pServer->isListening();
}

void CInstanceServer::OnNewConnection()
{
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { OnReadyRead(pSocket); });
        if (pSocket->bytesAvailable() > 0)
            OnReadyRead(pSocket);
    }
}

void CInstanceServer::OnReadyRead(QLocalSocket* pSocket)
{
    // The message is complete at its empty line; until then it waits in
    // the socket's buffer.
    const QByteArray pending = pSocket->peek(pSocket->bytesAvailable());
    const qsizetype nEnd = pending.startsWith('\n') ? 0 : pending.indexOf("\n\n");
    if (nEnd < 0) {
        if (pending.size() > kMaxHandOverBytes)
            pSocket->abort();
        return;
    }
    const QByteArray message = pSocket->read(nEnd == 0 ? 1 : nEnd + 2);
    QStringList strFiles;
    for (const QByteArray& line : message.split('\n'))
        if (!line.isEmpty())
            strFiles << QString::fromUtf8(line);
    pSocket->write(kAnswer);
    pSocket->flush();
    if (m_onFilesReceived)
        m_onFilesReceived(strFiles);
}
