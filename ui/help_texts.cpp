#include "ui/help_texts.h"

#include <QtGlobal>

// Each text is one literal, line feeds included, so that a translation can reflow its lines;
// QT_TRANSLATE_NOOP marks them for lupdate, and the window translates them when it shows them.

namespace qav {

MessageText FileFormatHelpText()
{
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV 1.3    Monthly Data (MD) File Format"),
            QT_TRANSLATE_NOOP("qav::HelpTexts",
                              "\n"
                              "File name: QAV + Title + .TXT\n"
                              "\n"
                              "One file can contain the data of up to 50 locations.\n"
                              "The data regarding each location occupy 13 lines with columns separated by comma.\n"
                              "\n"
                              "All words should be written between quotation marks (names of cities, countries and "
                              "sources).\n"
                              "\n"
                              "Line 1 = Location, Country, Latitude (N+S-), Longitude, Elevation (m), Data Source\n"
                              "Line 2 to line 13 = Month, DBTmin, DBTmax, RHavg\n"
                              "\n"
                              "DBTmin = Mean monthly minimum Dry Bulb Temperature\n"
                              "DBTmax = Mean monthly maximum Dry Bulb Temperature\n"
                              "RHavg = Mean monthly Relative Humidity\n"
                              "\n"
                              "See the file 'QAVworld.TXT', enclosed to this software.\n")};
}

MessageText ProgramAboutText()
{
    // The chart method is Givoni's building bioclimatic chart; the reference is the journal
    // article that published it. The program is a project release, so the author lines name the
    // project and say plainly which personal details do not apply.
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  About QAV 1.3"),
            QT_TRANSLATE_NOOP("qav::HelpTexts",
                              "QAV     Meridane\n"
                              "\n"
                              "\n"
                              "Free software based on bioclimatic charts proposed by\n"
                              "Baruch Givoni, \"Comfort, climate analysis and building design guidelines\",\n"
                              "Energy and Buildings, vol. 18, July 1992, pp. 11-23.\n"
                              "\n"
                              "The hourly values of temperatures and humidities are\n"
                              "generated using an algorithm developed by the author.\n"
                              "\n"
                              "Author: The QAV developers\n"
                              "e-mail: none published\n"
                              "Degree programme: not applicable (project release)\n"
                              "University: not applicable (project release, no university, state or country)\n"
                              "\n"
                              "\n"
                              "Released December 2026\n")};
}

MessageText WhatIfHelpText()
{
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV 1.3     What if it were warmer"),
            QT_TRANSLATE_NOOP("qav::HelpTexts",
                              "View > What if... adds a warming to the monthly normals of the location shown:\n"
                              "one value in degrees C for every month's DBTmin and DBTmax, or a table of twelve\n"
                              "monthly changes of DBTmin, DBTmax (degrees C) and RHavg (percentage points).\n"
                              "\n"
                              "Relative humidity is kept unless a change of it is given, so the humidity ratio\n"
                              "rises with temperature, as climate projections broadly show.\n"
                              "For a weather file, every recorded hour is shifted by its month's mean change\n"
                              "of temperature (the \"shift\" method of weather-file morphing), keeping its\n"
                              "relative humidity, and classified again.\n"
                              "\n"
                              "The shares with and without the warming are shown side by side with their\n"
                              "difference, and the chart shows the changed hours.\n"
                              "\n"
                              "This is a sensitivity test, not a projection. For the values to enter, use\n"
                              "published regional projections, such as the monthly changes of the IPCC WGI\n"
                              "Interactive Atlas (interactive-atlas.ipcc.ch).\n"
                              "\n"
                              "qav-cli: analyze --warming C, or --warming-file FILE with the header\n"
                              "month,dbt_min,dbt_max,rh_avg and twelve rows of changes.\n")};
}

MessageText ClimaticDataAboutText()
{
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV 1.3     About Climatic Data"),
            QT_TRANSLATE_NOOP("qav::HelpTexts",
                              "\n"
                              "QAV contains climatological normals data of some cities of the world,\n"
                              "obtained in the following sources: \n"
                              "\n"
                              "BBC = BBC Weather climate pages (www.bbc.co.uk/weather)\n"
                              "GOV = Brazilian National Institute of Meteorology, INMET climatological normals "
                              "(portal.inmet.gov.br)\n"
                              "\n"
                              "This data are based on readings for more than 20 years.   \n")};
}

}  // namespace qav
