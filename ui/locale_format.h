#pragma once
// The decimal separator of the user's locale, as the window's panels, the copied table and the
// drawn pictures use it.
#include <QChar>

namespace qav {

/// The locale's decimal separator; a separator of more than one character falls back to the point.
QChar LocaleDecimalPoint();
/// The same as the one byte the drawing code prints with; one outside ASCII falls back to the point.
char ChartDecimalSeparator();

}  // namespace qav
