// One program per user: a newcomer hands its files over the local socket
// to the program already listening.
#include "app/startup/instancechannel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// Runs the newcomer on a thread of its own, since its waits block, while
// this thread's event loop lets the listening side answer.
bool HandOverWhileServing(const QString& strName, const QStringList& strFiles)
{
    std::atomic<bool> bDone = false;
    bool bTaken = false;
    std::thread newcomer([&] {
        bTaken = HandFilesToRunningInstance(strName, strFiles, 5000);
        bDone = true;
    });
    const QDeadlineTimer deadline(10000);
    while (!bDone && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    newcomer.join();
    return bTaken;
}

} // namespace

TEST(StartupInstance, aNewcomerHandsItsFilesToTheRunningProgram)
{
    QTemporaryDir dir;
    const QString strName = dir.filePath("korvada-test");
    CInstanceServer server;
    QList<QStringList> received;
    server.m_onFilesReceived = [&](const QStringList& strFiles) { received << strFiles; };
    ASSERT_TRUE(server.Listen(strName));

    const QStringList strFiles = {"/home/ana/plate.kvd", QString::fromUtf8("/home/ana/\xc3\xa9bauche.kvd")};
    EXPECT_TRUE(HandOverWhileServing(strName, strFiles));
    EXPECT_TRUE(HandOverWhileServing(strName, {"/tmp/second.kvd"}));
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0], strFiles);
    EXPECT_EQ(received[1], QStringList({"/tmp/second.kvd"}));

    // A second program cannot take the name while the first listens.
    CInstanceServer second;
    EXPECT_FALSE(second.Listen(strName));
}

TEST(StartupInstance, withoutARunningProgramTheNewcomerKeepsItsFiles)
{
    QTemporaryDir dir;
    const QString strName = dir.filePath("korvada-test");
    EXPECT_FALSE(HandFilesToRunningInstance(strName, {"/tmp/a.kvd"}, 500));

    // A listener that never answers is no running program either.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(strName));
    EXPECT_FALSE(HandFilesToRunningInstance(strName, {"/tmp/a.kvd"}, 300));
    mute.close();

    // A name left behind by a program that ended is taken over.
    QFile leftover(strName);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    CInstanceServer server;
    EXPECT_TRUE(server.Listen(strName));
    EXPECT_TRUE(server.IsListening());
}
