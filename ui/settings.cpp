#include "ui/settings.h"

#include <QFileInfo>
#include <QSettings>

namespace qav::settings {

QString Folder(const char* key, const QString& fallback)
{
    const QString folder = QSettings().value(QLatin1String(key)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void SetFolder(const char* key, const QString& folder)
{
    if (!folder.isEmpty()) QSettings().setValue(QLatin1String(key), folder);
}

}  // namespace qav::settings
