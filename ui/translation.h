#pragma once
// The window's language: Brazilian Portuguese under a pt_BR locale, English (the source texts)
// under every other one. qav-cli never loads a translation.
#include <QLocale>
#include <QString>
#include <string>

#include "text/language.h"

class QCoreApplication;

namespace qav {

/// Installs the program's translation for `locale` on `app`, with Qt's own for its standard
/// dialogs and buttons when the system has it. Returns false, and installs nothing, when the
/// program has no translation for the locale.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale);

/// The language of the pictures and the copied table: the one the installed translation speaks.
Language PictureLanguage();

/// The month's name ("January", "janeiro") and abbreviation ("Jan") in the window's language;
/// month in 1..12.
QString MonthName(int month);
QString MonthAbbreviation(int month);
/// The strategy's name ("Thermal Comfort", "Conforto térmico") in the window's language, as the
/// pictures' legend writes it; strategy in 1..10.
QString StrategyDisplayName(int strategy);
/// A country as the data sets and the station catalogue store it ("Brazil"), in the window's
/// language ("Brasil"); a name the table lacks is shown as stored.
QString ShownCountry(const std::string& stored);

}  // namespace qav
