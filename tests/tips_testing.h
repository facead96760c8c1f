// A tips file and a profile of their own for each test, so the tip rules
// run without touching the user's settings or the installed tips.
#pragma once

#include "app/startup/messagebox.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TipsFixture {
public:
    TipsFixture()
        : m_pProfile(std::make_unique<QSettings>(m_dir.filePath("profile.ini"), QSettings::IniFormat))
    {
        m_fnOldAnswerer = SetMessageBoxAnswerer([this](const QString& strText, QMessageBox::StandardButtons) {
            m_messages << strText;
            return QMessageBox::Ok;
        });
    }
    ~TipsFixture() { SetMessageBoxAnswerer(m_fnOldAnswerer); }

    QString WriteTips(const QByteArray& bytes)
    {
        const QString strPath = m_dir.filePath("tips.txt");
        QFile file(strPath);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return strPath;
    }

    QSettings* Profile() { return m_pProfile.get(); }
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_pProfile;
    QStringList m_messages;

private:
    MessageBoxAnswerer m_fnOldAnswerer;
};
