// The application object of korvada-cli, made only when a command needs
// it. Most commands read and write files and need none; a paint that
// draws text needs the font database of a QGuiApplication, whose start
// (platform plugin, font configuration) would otherwise be most of the
// time a small drawing takes.
#pragma once

#include <QStringList>

#include <memory>

class QGuiApplication;

class CCliApplication {
public:
    // argc and argv must outlive the object, as for any Qt application.
    CCliApplication(int& argc, char** argv);
    ~CCliApplication();
    CCliApplication(const CCliApplication&) = delete;
    CCliApplication& operator=(const CCliApplication&) = delete;

    // The command line as QCoreApplication::arguments() would give it.
    QStringList Arguments() const;

private:
    friend void EnsureGuiApplication();
    int& m_nArgc;
    char** m_argv;
    std::unique_ptr<QGuiApplication> m_pGui;
};

// Makes the QGuiApplication of the running korvada-cli unless an
// application object exists already (as in a test).
void EnsureGuiApplication();
