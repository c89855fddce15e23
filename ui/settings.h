#pragma once
// What the window remembers between runs (QSettings, organisation and application "QAV"): the
// keys in one place, so a key is spelled once.
#include <QString>

namespace qav::settings {

inline constexpr const char* kChooserFolder = "files/chooserFolder";  // the Monthly Data chooser
inline constexpr const char* kWeatherFolder = "files/weatherFolder";  // the weather-file dialog
inline constexpr const char* kSaveFolder = "files/saveFolder";        // the save and export dialogs
inline constexpr const char* kReportPaper = "files/reportPaper";      // "a4" or "letter"
inline constexpr const char* kRecentFiles = "files/recent";           // newest first
inline constexpr const char* kGeometry = "window/geometry";
inline constexpr const char* kWindowState = "window/state";   // docks and their visibility
inline constexpr const char* kHoursView = "view/hours";       // "typical" or "recorded"
inline constexpr const char* kComfortModel = "view/comfort";  // "givoni", "ashrae55" or "en16798"

/// The folder stored under key if it still exists, else fallback.
QString Folder(const char* key, const QString& fallback);
void SetFolder(const char* key, const QString& folder);

}  // namespace qav::settings
