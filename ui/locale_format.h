#pragma once
// The decimal separator of the user's locale, as the window's panels, the copied table and the
// drawn pictures use it.
#include <QChar>
#include <QString>

namespace qav {

/// The locale's decimal separator; a separator of more than one character falls back to the point.
QChar LocaleDecimalPoint();
/// The same as the one byte the drawing code prints with; one outside ASCII falls back to the point.
char ChartDecimalSeparator();

/// The text with a no-break space in place of the space between a number and its unit
/// ("+2 °C", "80 km", "86 KB", "19 h", "45 %"), so that a caption that wraps never parts them.
/// Every caption the window writes goes through it.
QString KeepUnitsTogether(QString text);

}  // namespace qav
