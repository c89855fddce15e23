#include "ui/help_texts.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <iterator>

#include "core/version.h"

// Each text is one literal, line feeds included, so that a translation can reflow its lines;
// QT_TRANSLATE_NOOP marks them for lupdate, and the window translates them when it shows them.

namespace qav {

QString ProgramTitle() { return QString::fromUtf8(kProgramAndVersion.data(), qsizetype(kProgramAndVersion.size())); }

QString HelpTitle(const std::string& english)
{
    return QCoreApplication::translate("qav::HelpTexts", english.c_str())
        .arg(QString::fromUtf8(kVersion.data(), qsizetype(kVersion.size())));
}

MessageText FileFormatHelpText()
{
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV %1    Monthly Data (MD) File Format"),
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
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  About QAV %1"),
            QT_TRANSLATE_NOOP("qav::HelpTexts",
                              "QAV     Meridane\n"
                              "\n"
                              "\n"
                              "Free software based on bioclimatic charts proposed by\n"
                              "Baruch Givoni, \"Comfort, climate analysis and building design guidelines\",\n"
                              "Energy and Buildings, vol. 18, July 1992, pp. 11-23.\n"
                              "\n"
                              "Licence: GNU General Public License, version 3 or (at your option)\n"
                              "any later version (GPL-3.0-or-later). It comes with no warranty.\n"
                              "\n"
                              "The hourly values of temperatures and humidities are\n"
                              "generated from the monthly normals by the daily-cycle method described in Help.\n"
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
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV %1     What if it were warmer"),
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
    return {QT_TRANSLATE_NOOP("qav::HelpTexts", "  QAV %1     About Climatic Data"), BuiltInDataProvenanceText()};
}

std::string BuiltInDataProvenanceText()
{
    // Measured against the published normals: the Brazil set's monthly temperatures differ from
    // INMET's 1961-1990 ones by 0.2 C or less at the median capital.
    return QT_TRANSLATE_NOOP("qav::HelpTexts",
                             "\n"
                             "The Brazil set matches INMET's climatological normals 1961-1990\n"
                             "(https://portal.inmet.gov.br/normais) within 0.2 °C: the median over 26 capitals;\n"
                             "Palmas has no 1961-1990 normal.\n"
                             "The South America and World sets are compiled normals of mixed periods,\n"
                             "mostly within 1 °C of the national normals.\n"
                             "For the current climate, use the stations of 1991-2020 (File > Find a station).\n");
}

std::string StationCatalogueAboutText()
{
    return QT_TRANSLATE_NOOP(
        "qav::HelpTexts",
        "\n"
        "Find a station (Ctrl+F) searches the normals 1991-2020 of 3,730 stations in 89 countries:\n"
        "WMO Climatological Normals 1991-2020 (NOAA NCEI, from the data of WMO Members)\n"
        "and INMET, Normais Climatológicas do Brasil 1991-2020. Their source field reads\n"
        "\"WMO 83377 1991-2020\" or \"INMET 83897 1991-2020\", after the service whose normals they are;\n"
        "\"RH derived\" marks a humidity computed from the mean vapour pressure.\n");
}

std::string PlaceListAboutText()
{
    return QT_TRANSLATE_NOOP(
        "qav::HelpTexts",
        "\n"
        "Find a place or station also searches 135,233 towns and cities of the world:\n"
        "GeoNames (geonames.org), CC BY 4.0, with our Portuguese names of the larger ones.\n"
        "A place is analysed as its nearest station within 300 km; its own elevation is not known.\n");
}

QString MergedSharesSentence()
{
    return QCoreApplication::translate(
        "Help",
        "Shares merge three strategies that work together, as the legend does: the hours of C also count "
        "for B, those of G for H, and those of H (with G's) for I. So the shares are of a total larger "
        "than the hours counted, and a strategy with no hours of its own (H, I) can still have a share.");
}

namespace {

// The built-in sets' provenance, stated in "About this data" and here in the same words.
QString ProvenanceHtml()
{
    const QString text =
        QCoreApplication::translate("qav::HelpTexts", BuiltInDataProvenanceText().c_str()).trimmed().toHtmlEscaped();
    return QStringLiteral("<h3>") + QCoreApplication::translate("Help", "Where the data come from") +
           QStringLiteral("</h3><p>") + QString(text).replace(u'\n', QStringLiteral("<br>")) + QStringLiteral("</p>");
}

}  // namespace

QString UsingQavHtml()
{
    // One literal per section, each marked for lupdate; the merged-shares sentence, shared with the
    // month-by-strategy view, stands between the fourth and the fifth.
    static constexpr const char* kSections[] = {
        QT_TRANSLATE_NOOP("Help",
                          "<h2>Using QAV</h2>"
                          "<p>QAV shows how the climate of a place meets human comfort, and which building strategies "
                          "suit it. Choose a location in the list (type its first letters to jump to it): the chart, "
                          "the monthly graph and the results panel show its analysis. The status bar says where the "
                          "data came from, which location is shown, whether typical days or recorded hours are "
                          "counted, and which screen size the analysis was laid out for.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>The chart</h3>"
                          "<p>The bioclimatic chart is a psychrometric chart drawn for the station pressure of the "
                          "location's elevation: dry-bulb temperature across, humidity ratio (g/kg) up, with the "
                          "saturation curve, relative humidity and wet-bulb lines. Ten zones, lettered A to J, mark "
                          "the conditions in which each strategy brings comfort. Every hour of the year is a point "
                          "on it; the hours of one month are joined in one line, coloured by quarter.</p>"),
        QT_TRANSLATE_NOOP(
            "Help",
            "<h3>The strategies</h3><ul>"
            "<li><b>A Artificial heating</b>: too cold for passive means; the building needs a heating system.</li>"
            "<li><b>B Solar heating</b>: sun let in through glazing facing the sun, kept by insulation, gives comfort.</li>"
            "<li><b>C Thermal inertia (heating)</b>: heavy walls and floors store the day's and the sun's heat and give it back at night.</li>"
            "<li><b>D Air humidification</b>: the air is too dry; water surfaces, plants or a humidifier help.</li>"
            "<li><b>E Thermal comfort</b>: comfortable as it is.</li>"
            "<li><b>F Ventilation</b>: air moving through the rooms (cross ventilation) takes heat and moisture away.</li>"
            "<li><b>G Night ventilation</b>: open the building at night to cool its mass, close it by day.</li>"
            "<li><b>H Thermal inertia (cooling)</b>: heavy construction damps the heat of the day.</li>"
            "<li><b>I Evaporative cooling</b>: dry heat; water evaporating (fountains, pools, plants, evaporative coolers) cools the air.</li>"
            "<li><b>J Artificial cooling</b>: too hot or too humid for passive means; the building needs air conditioning.</li>"
            "</ul>"),
        QT_TRANSLATE_NOOP(
            "Help",
            "<h3>How the shares are counted</h3>"
            "<p>Each hour is counted for the zone its point lies in; an hour left of the chart counts for "
            "A, one right of it for J, and one outside every zone (above the saturation curve) for the "
            "strategy of the hour before it. The month-by-strategy view (View menu) shows these hours as "
            "counted.</p><p>"),
        QT_TRANSLATE_NOOP(
            "Help",
            " Solar heating works with thermal inertia, and night ventilation and thermal inertia also "
            "serve where evaporative cooling does. The panel's two \"Thermal inertia\" rows are C (heating) "
            "and H (cooling); hover over them to tell them apart.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>Typical days and recorded hours</h3>"
                          "<p>Monthly normals hold three numbers per month: the mean minimum and maximum dry-bulb "
                          "temperature and the mean relative humidity. QAV turns them into a typical day of 24 hours "
                          "for each month (288 hours) by a daily-cycle method: the temperature follows a sine curve "
                          "from its minimum near sunrise (found from the latitude and the date) to its maximum in the "
                          "afternoon, and the vapour pressure moves between a morning and an afternoon value derived "
                          "from the monthly means.</p>"
                          "<p>A weather file (EnergyPlus EPW) holds the recorded hours of a whole year. Open one with "
                          "File &gt; Open weather file, or drop it on the window: its monthly normals are derived from "
                          "the hours, and View &gt; Recorded hours plots the year's hours themselves. Recorded-hour "
                          "results are marked as such in the status bar, on the chart, in the copied table and in "
                          "every exported file. The panel then also compares the shares of both analyses.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>Comparing, filtering and warming</h3>"
                          "<p>View &gt; Compare locations shows one bar of yearly shares per location of the list, "
                          "on a scale of 0 to 100 % of the year, sorted in list order, by name or by the share of a "
                          "strategy; it opens at the location analysed, and Enter or a click analyses a row. Its "
                          "picture and its table can be saved.</p>"
                          "<p>View &gt; Hours analysed counts only a range of clock hours and of months, for "
                          "instance the hours a school is in use; the chart greys out the hours left out.</p>"
                          "<p>View &gt; What if adds a warming to the monthly normals, one value for every month or "
                          "twelve monthly changes typed or loaded from a CSV file, and shows the shares with and "
                          "without it. A value outside the accepted range is refused. Remove warming goes back to "
                          "the normals as read.</p>"
                          "<p>View &gt; Typical days and View &gt; Recorded hours switch, for a weather file, between "
                          "the typical days made from its normals and the hours it recorded.</p>"),
        QT_TRANSLATE_NOOP(
            "Help",
            "<h3>Stations and My sites</h3>"
            "<p>File &gt; Find a station (Ctrl+F) searches the normals 1991&ndash;2020 of 3,730 stations: "
            "WMO Climatological Normals 1991&ndash;2020 (NOAA NCEI, from the data of WMO Members) and "
            "INMET's Normais Climatológicas do Brasil 1991&ndash;2020. Type a name (case, accents and "
            "punctuation do not matter) or coordinates such as <code>-15,79 -47,93</code> or "
            "<code>15°47′S 47°56′W 1160 m</code>: the stations are then listed nearest first, with the "
            "distance and the difference of elevation. Down moves into the list, Enter or a double-click "
            "analyses the station, Escape closes. A station more than 50 km from the site, or more than "
            "300 m above or below it, is analysed with a note saying so: its elevation, not the site's, "
            "sets the pressure. \"derived\" marks a humidity computed from the mean vapour pressure "
            "(within 2 points of the reported one in the median).</p>"
            "<p>A station chosen is analysed and kept in File &gt; Recent sites (the last 10); the list keeps "
            "its data. My sites (File &gt; My sites, Ctrl+Shift+D) holds up to 50 "
            "sites, the oldest dropped first; Ctrl+D or the list's context menu adds the location "
            "analysed. My sites is remembered, and File &gt; Save My sites as writes it as a Monthly Data "
            "file whose source fields keep the station, its period and a derived humidity. Shown, it is "
            "the list analysed: View &gt; Compare locations puts, for instance, Brasília's built-in "
            "1961&ndash;1990 normals beside its station's 1991&ndash;2020 ones.</p>"),
        QT_TRANSLATE_NOOP(
            "Help",
            "<h3>The reference screen</h3>"
            "<p>The zones are classified on a map of the chart's own size, and that size follows the "
            "screen the analysis is laid out for, so a point near a zone's edge can change zone from "
            "one screen size to another. The status bar names the basis: the reference screen "
            "(1024 &times; 768), which qav-cli also uses unless given --screen, or this screen's size.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>Copying, saving and exporting</h3>"
                          "<p>Copy &gt; Chart and Copy &gt; Graphic put the pictures on the clipboard; Copy &gt; Tabel "
                          "puts a text table there (fields separated by semicolons where the decimal separator is a "
                          "comma). File &gt; Save chart and Save graph write PNG or SVG pictures carrying where they "
                          "came from; Export results and Export hourly table write CSV files of the analysis and of "
                          "the hours shown.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>qav-cli</h3>"
                          "<p>The command-line companion gives the same analysis without a window, for example "
                          "<code>qav-cli analyze --dataset brazil --all --format csv</code> or "
                          "<code>qav-cli analyze --file QAVmine.TXT --chart chart.png</code>; "
                          "<code>qav-cli --help</code> lists every option. <code>qav FILE...</code> starts the window "
                          "with Monthly Data or weather files opened.</p>"),
        QT_TRANSLATE_NOOP("Help",
                          "<h3>Places</h3>"
                          "<p>Find a place or station (Ctrl+F) searches 135,233 towns and cities of the world "
                          "(GeoNames, geonames.org, CC BY 4.0; 2,032 in Brazil) beside the stations, places first. "
                          "Type a town's name, in English or Portuguese, with its country or Brazilian state if you "
                          "like: <code>Campinas, SP</code>, <code>Lisboa</code>, <code>Moscou</code>. A place is "
                          "analysed as the normals of its nearest station, named for the place; beyond 50 km a "
                          "note says the site's climate may differ. Where no station lies within 300 km, the place "
                          "is listed with its nearest station for reference only: open a weather file for such a "
                          "site. A place's own elevation is not known: the station's sets the pressure.</p>"),
    };
    QString html;
    for (std::size_t i = 0; i < std::size(kSections); ++i) {
        if (i == 4) html += MergedSharesSentence();
        if (i == 7) html += ProvenanceHtml();
        html += QCoreApplication::translate("Help", kSections[i]);
    }
    return html;
}

}  // namespace qav
