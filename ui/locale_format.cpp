#include "ui/locale_format.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

namespace qav {

QChar LocaleDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

char ChartDecimalSeparator()
{
    const QChar point = LocaleDecimalPoint();
    return point.unicode() < 0x80 ? char(point.unicode()) : '.';
}

QString KeepUnitsTogether(QString text)
{
    // A digit, one or more plain spaces, then a unit that no letter or digit continues: "5 m",
    // "30 %" and "2 °C", but not "5 months". The units are those the window prints.
    static const QRegularExpression spaced(
        QStringLiteral("(?<=\\d) +(?=(?:°C|°|km|m|KB|MB|GB|bytes?|g/kg|kPa|hPa|Pa|W/m²|h|%)(?![\\p{L}\\d]))"));
    return text.replace(spaced, QString(QChar(QChar::Nbsp)));
}

}  // namespace qav
