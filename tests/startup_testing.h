// Shared set-up of the start-up tests: a profile of their own, message
// boxes answered by the test, and a main frame to open drawings in.
#pragma once

#include "app/startup/messagebox.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

// Points the program's profile at a folder that lives as long as the test
// run, so no test reads or writes the user's own settings.
inline void IsolateProfile()
{
    static QTemporaryDir s_dir;
    static bool s_bDone = false;
    if (!s_bDone) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, s_dir.path());
        s_bDone = true;
    }
}

// Answers message boxes from a queue of answers (OK when it runs dry) and
// keeps every text asked.
class CMessageAnswers {
public:
    CMessageAnswers()
    {
        m_fnOld = SetMessageBoxAnswerer([this](const QString& strText, QMessageBox::StandardButtons) {
            m_texts << strText;
            if (m_answers.empty())
                return QMessageBox::Ok;
            const QMessageBox::StandardButton nAnswer = m_answers.front();
            m_answers.pop_front();
            return nAnswer;
        });
    }
    ~CMessageAnswers() { SetMessageBoxAnswerer(m_fnOld); }

    std::deque<QMessageBox::StandardButton> m_answers;
    QStringList m_texts;

private:
    MessageBoxAnswerer m_fnOld;
};
