#include "ui/read_failure_text.h"

#include <QDir>
#include <QFile>

#include "data/read_failure.h"
#include "ui/translation.h"

namespace qav {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QStringList ReadFailureText::lines(const ReadFailure& failure)
{
    QStringList lines;
    if (!failure.File.empty())
        lines << QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(failure.File.string())));
    // One wording (data/read_failure.cpp), so qav-cli and the browser page word a failure alike.
    const FailureWords words = ReadFailureWords(failure, PictureLanguage());
    lines << FromUtf8(words.Reason);
    if (!words.Position.empty()) lines << FromUtf8(words.Position);
    lines << FromUtf8(words.Code);
    return lines;
}

QString ReadFailureText::text(const ReadFailure& failure) { return lines(failure).join(u'\n') + u'\n'; }

QString ReadFailureText::saveFailure(const QString& path, const QString& reason)
{
    QString sentence = reason.trimmed();
    if (!sentence.endsWith(u'.')) sentence += u'.';
    return QDir::toNativeSeparators(path) + u'\n' + tr("The file could not be saved: %1").arg(sentence) + u'\n';
}

QString ReadFailureText::cutShort(const CutShortLocation& cut)
{
    const QString location = cut.LocationName.empty() ? QString::number(cut.Location)
                                                      : tr("%1 (%2)").arg(cut.Location).arg(FromUtf8(cut.LocationName));
    return tr("Location %1 ends at line %2 after %3 of its 54 fields; it was left out.")
        .arg(location)
        .arg(cut.Line)
        .arg(cut.FieldsRead);
}

QString ReadFailureText::leftOut(const LeftOutData& leftOut)
{
    const QString locations =
        leftOut.Locations == 1 ? tr("1 more location") : tr("%1 more locations").arg(leftOut.Locations);
    const QString fields = leftOut.Fields == 1 ? tr("1 field") : tr("%1 fields").arg(leftOut.Fields);
    const QString what = leftOut.Locations > 0 && leftOut.Fields > 0 ? tr("%1 and %2").arg(locations, fields)
                         : leftOut.Locations > 0                     ? locations
                                                                     : fields;
    return tr("Only %1 locations are read; left out from line %2 on: %3.")
        .arg(kMaxLocations)
        .arg(leftOut.Line)
        .arg(what);
}

}  // namespace qav
