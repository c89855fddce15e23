#include "ui/locale_format.h"

#include <QLocale>
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

}  // namespace qav
