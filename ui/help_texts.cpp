#include "ui/help_texts.h"

#include <initializer_list>
#include <string_view>

namespace qav {
namespace {

std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace

MessageText FileFormatHelpText()
{
    return {"  QAV 1.3    Monthly Data (MD) File Format",
            Lines({
                "",
                "File name: QAV + Title + .TXT",
                "",
                "One file can contain the data of up to 50 locations.",
                "The data regarding each location occupy 13 lines with columns separated by comma.",
                "",
                "All words should be written between quotation marks (names of cities, countries and "
                "sources).",
                "",
                "Line 1 = Location, Country, Latitude (N+S-), Longitude, Elevation (m), Data Source",
                "Line 2 to line 13 = Month, DBTmin, DBTmax, RHavg",
                "",
                "DBTmin = Mean monthly minimum Dry Bulb Temperature",
                "DBTmax = Mean monthly maximum Dry Bulb Temperature",
                "RHavg = Mean monthly Relative Humidity",
                "",
                "See the file 'QAVworld.TXT', enclosed to this software.",
            })};
}

MessageText ProgramAboutText()
{
    // The chart method is Givoni's building bioclimatic chart; the reference is the journal
    // article that published it. The program is a project release, so the author lines name the
    // project and say plainly which personal details do not apply.
    return {"  About QAV 1.3",
            Lines({
                "QAV     Meridane",
                "",
                "",
                "Free software based on bioclimatic charts proposed by",
                "Baruch Givoni, \"Comfort, climate analysis and building design guidelines\",",
                "Energy and Buildings, vol. 18, July 1992, pp. 11-23.",
                "",
                "The hourly values of temperatures and humidities are",
                "generated using an algorithm developed by the author.",
                "",
                "Author: The QAV developers",
                "e-mail: none published",
                "Degree programme: not applicable (project release)",
                "University: not applicable (project release, no university, state or country)",
                "",
                "",
                "Released December 2026",
            })};
}

MessageText WhatIfHelpText()
{
    return {"  QAV 1.3     What if it were warmer",
            Lines({
                "View > What if... adds a warming to the monthly normals of the location shown:",
                "one value in degrees C for every month's DBTmin and DBTmax, or a table of twelve",
                "monthly changes of DBTmin, DBTmax (degrees C) and RHavg (percentage points).",
                "",
                "Relative humidity is kept unless a change of it is given, so the humidity ratio",
                "rises with temperature, as climate projections broadly show.",
                "For a weather file, every recorded hour is shifted by its month's mean change",
                "of temperature (the \"shift\" method of weather-file morphing), keeping its",
                "relative humidity, and classified again.",
                "",
                "The shares with and without the warming are shown side by side with their",
                "difference, and the chart shows the changed hours.",
                "",
                "This is a sensitivity test, not a projection. For the values to enter, use",
                "published regional projections, such as the monthly changes of the IPCC WGI",
                "Interactive Atlas (interactive-atlas.ipcc.ch).",
                "",
                "qav-cli: analyze --warming C, or --warming-file FILE with the header",
                "month,dbt_min,dbt_max,rh_avg and twelve rows of changes.",
            })};
}

MessageText ClimaticDataAboutText()
{
    return {"  QAV 1.3     About Climatic Data",
            Lines({
                "",
                "QAV contains climatological normals data of some cities of the world,",
                "obtained in the following sources: ",
                "",
                "BBC = BBC Weather climate pages (www.bbc.co.uk/weather)",
                "GOV = Brazilian National Institute of Meteorology, INMET climatological normals "
                "(portal.inmet.gov.br)",
                "",
                "This data are based on readings for more than 20 years.   ",
            })};
}

}  // namespace qav
