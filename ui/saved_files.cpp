#include "ui/saved_files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace qav {
namespace {

// The kinds of file, as the default names say them.
constexpr const char* kKinds[] = {
    QT_TRANSLATE_NOOP("qav::SavedFiles", "chart"),   QT_TRANSLATE_NOOP("qav::SavedFiles", "graph"),
    QT_TRANSLATE_NOOP("qav::SavedFiles", "results"), QT_TRANSLATE_NOOP("qav::SavedFiles", "hours"),
    QT_TRANSLATE_NOOP("qav::SavedFiles", "report"),
};

// Long enough for any location's name, short of the 255 bytes most file systems allow.
constexpr int kMaxNameCharacters = 100;

}  // namespace

QString SuggestedWindowFileName(const QString& location, const char* what, const QString& extension)
{
    QString name;
    for (const QChar c : location.trimmed()) {
        const bool kept = c.isLetterOrNumber() || c == u' ' || c == u'(' || c == u')' || c == u'-' || c.isMark();
        name += kept ? c : QChar(u'_');
    }
    name = name.left(kMaxNameCharacters).trimmed();
    if (name.isEmpty()) name = QStringLiteral("QAV");
    bool known = false;
    for (const char* kind : kKinds) known = known || qstrcmp(kind, what) == 0;
    const QString kind = known ? QCoreApplication::translate("qav::SavedFiles", what) : QString::fromLatin1(what);
    return name + QStringLiteral(" - ") + kind + extension;
}

QString SavedFileText(const QString& path)
{
    const QFileInfo file(path);
    return QCoreApplication::translate("qav::SavedFiles", "Saved: %1 (%2)")
        .arg(file.fileName(), QLocale().formattedDataSize(file.size(), 0, QLocale::DataSizeTraditionalFormat));
}

}  // namespace qav
