// Where the program keeps its few values between runs: below the company
// key "Morvane", the application key "Korvada". Nothing of the drawing
// settings is kept; only the recent files and the tip of the day.
#pragma once

#include <QString>

#include <memory>

class QSettings;

inline const QString kProfileCompany = QStringLiteral("Morvane");
inline const QString kProfileApplication = QStringLiteral("Korvada");

// The program's profile, as the platform stores per-user settings.
std::unique_ptr<QSettings> OpenProfile();
