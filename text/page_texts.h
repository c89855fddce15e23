#pragma once
// The English texts of the browser page (web/page) that the window does not already have, marked
// for lupdate so that the translation file holds their Portuguese (context "qav::WebPage");
// text/make_texts.py turns that file into the page's texts-pt_BR.json at build time. The
// page's scripts use the English text as the key: keep both spelt alike.
#include "text/translatable.h"

namespace qav::web_page_text {

inline constexpr const char* kTexts[] = {
    QAV_TRANSLATABLE("qav::WebPage", "\"%1\" is not a data set (brazil, south-america, world).", ""),
    QAV_TRANSLATABLE("qav::WebPage", "%1 could not be read:", ""),
    QAV_TRANSLATABLE("qav::WebPage", "%1 stations found", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Bioclimatic analysis of a building site", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Bioclimatic chart of %1", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Chart as PNG", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Chart as SVG", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Clock hours (first-last, 1 to 24)", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Compare locations", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Copy the table", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Data set", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Download", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Filter the locations", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Find", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Hours of each strategy by month", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Language", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Latitude %1, longitude %2, elevation %3 m", ""),
    QAV_TRANSLATABLE(
        "qav::WebPage",
        "Monthly Data file (QAV*.TXT) or weather file (EPW): choose one or drop it here. It is read in this browser and sent nowhere.",
        ""),
    QAV_TRANSLATABLE("qav::WebPage", "Monthly climate graph of %1", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Months (first-last, 1 to 12)", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Name or coordinates", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Open a file", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Skip to the results", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Station WMO %1", ""),
    QAV_TRANSLATABLE("qav::WebPage", "The address answered with HTTP status %1.", ""),
    QAV_TRANSLATABLE("qav::WebPage",
                     "The address could not be reached: the network is down, or the site does not allow it.", ""),
    QAV_TRANSLATABLE("qav::WebPage", "The analysis could not be made:", ""),
    QAV_TRANSLATABLE("qav::WebPage", "The browser could not read the file: %1", ""),
    QAV_TRANSLATABLE("qav::WebPage", "The table was copied.", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Top three: %1", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Typical days and recorded hours differ on %1 % of the year.", ""),
    QAV_TRANSLATABLE("qav::WebPage", "What if: warming (°C)", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Works offline after the first visit.", ""),
    QAV_TRANSLATABLE("qav::WebPage", "Zone", ""),
    QAV_TRANSLATABLE("qav::WebPage", "pressure %1 kPa", ""),
};

}  // namespace qav::web_page_text
