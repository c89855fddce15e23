#pragma once
// What the window suggests as a saved file's name and what it says once a file is saved.
#include <QString>

namespace qav {

/// "Brasília - report.pdf", "Recife (Curado) - carta.png": the location's name and what the file
/// holds, in the window's language. Letters, digits, spaces, parentheses and hyphens are kept;
/// any other character becomes "_", so the name is valid on every file system.
QString SuggestedWindowFileName(const QString& location, const char* what, const QString& extension);

/// "Saved: Brasília - report.pdf (86 KB)" for the file at this path, as it is on disk.
QString SavedFileText(const QString& path);

}  // namespace qav
