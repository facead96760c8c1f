// What the command line asks of a start: a new drawing, the drawings it
// names, or, for "Embedding" and "Automation", a start without any window.
#pragma once

#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    // arguments: the words after the program's name. A switch begins with
    // "-" or "/" and is matched without regard to case; since paths here
    // also begin with "/", a word after "/" is a switch only when it is one
    // the program knows. Every other word names a drawing to open.
    void ParseCommandLine(const QStringList& arguments);

    bool m_bShowSplash = true;
    // "-h", "--help" or "-?": print the usage and end. "-v" or "--version":
    // print the version and end. Neither needs a display.
    bool m_bShowHelp = false;
    bool m_bShowVersion = false;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    // Absolute paths, in the order given.
    QStringList m_strFileNames;

    // What "--help" prints: the file arguments and the switches known here.
    static QString GetUsageText();
    // What "--version" prints.
    static QString GetVersionText();

private:
    // True when the word was a switch; known ones take effect.
    bool ParseParamFlag(const QString& strParam);
};
