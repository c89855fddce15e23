#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "text/picture_texts.h"
#include "chart/strategy.h"
#include "text/month_names.h"
#include "text/stored_country_names.h"

namespace qav {

bool InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    // The .qm files are compiled into the program under :/i18n (qt_add_translations). Loading by
    // locale tries qav_pt_BR, then qav_pt, and so on: a pt_PT user keeps English, since the
    // Brazilian wording is the only one written.
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("qav"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts (OK, Cancel, the file dialog) come from the qt6-translations-l10n package.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

Language PictureLanguage()
{
    // The pictures speak Portuguese exactly when the window does: when a translation of the
    // picture texts is installed.
    const char* probe = picture_text::kDryBulb;
    return QCoreApplication::translate("qav::Picture", probe) == QLatin1String(probe) ? Language::English
                                                                                      : Language::PortugueseBrazil;
}

QString MonthName(int month) { return QCoreApplication::translate("qav::Month", kMonthName.at(month)); }

QString StrategyDisplayName(int strategy)
{
    const std::string_view name = StrategyNameIn(PictureLanguage(), strategy);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString MonthAbbreviation(int month)
{
    return QCoreApplication::translate("qav::Month", kMonthAbbreviation.at(month), "abbreviation");
}

QString ShownCountry(const std::string& stored)
{
    const std::string_view shown = StoredCountryName(PictureLanguage(), stored);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

}  // namespace qav
