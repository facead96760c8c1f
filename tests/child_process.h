// Tests that need a program to die at an awkward moment run part of
// themselves in a child: the test binary started again with a filter that
// picks one child test, which runs only when its environment variable is
// set. The child prints a line when it has reached the moment to wait for.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <cstdio>

// Starts the child test strTest ("Suite.name") with strVariable=strValue;
// true once it has printed strReady.
inline bool StartChildTest(QProcess& process, const QString& strTest, const QString& strVariable,
                           const QString& strValue, const QByteArray& strReady)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(strVariable, strValue);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=") + strTest});
    if (!process.waitForStarted(60000))
        return false;
    QByteArray output;
    // Generous: the sanitizer build starts slowly on a busy machine.
    while (!output.contains(strReady)) {
        if (!process.waitForReadyRead(120000))
            return false;
        output += process.readAllStandardOutput();
    }
    return true;
}

// Ends the child as a crash would: no clean-up of any kind runs.
inline void KillChild(QProcess& process)
{
    process.kill();
    process.waitForFinished(60000);
}

// In the child: tells the parent the moment has come.
inline void SignalReady(const char* pszReady)
{
    std::printf("%s\n", pszReady);
    std::fflush(stdout);
}
