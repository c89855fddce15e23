#pragma once
// The English texts of the PDF report, marked for lupdate so that the window's translation file
// holds their Portuguese (context "qav::Report"; what each strategy asks of the building,
// "qav::Advice"); the build tabulates them, the report's in a table of their own, so the window
// and qav-cli write the same words. %1, %2... are filled by FilledText.
#include <array>
#include <string_view>

#include "text/language.h"
#include "text/translatable.h"

namespace qav::report_text {

inline constexpr const char* kDocumentTitle = QAV_TRANSLATABLE("qav::Report", "Bioclimatic analysis of %1", "");
inline constexpr const char* kNoLocation =
    QAV_TRANSLATABLE("qav::Report", "There is no analysed location to report on.", "");
// Heading
inline constexpr const char* kLocation = QAV_TRANSLATABLE("qav::Report", "Location", "");
inline constexpr const char* kSource = QAV_TRANSLATABLE("qav::Report", "Source", "");
inline constexpr const char* kCoordinates = QAV_TRANSLATABLE("qav::Report", "Latitude, longitude", "");
inline constexpr const char* kElevation = QAV_TRANSLATABLE("qav::Report", "Elevation", "");
inline constexpr const char* kPressure = QAV_TRANSLATABLE("qav::Report", "Station pressure", "");
inline constexpr const char* kPressureValue = QAV_TRANSLATABLE("qav::Report", "%1 kPa (computed for %2 m)", "");
inline constexpr const char* kBasis = QAV_TRANSLATABLE("qav::Report", "Analysis", "");
inline constexpr const char* kCountedHours = QAV_TRANSLATABLE("qav::Report", "Hours counted", "");
inline constexpr const char* kWarming = QAV_TRANSLATABLE("qav::Report", "Warming", "");
inline constexpr const char* kNoWarming = QAV_TRANSLATABLE("qav::Report", "none (normals as read)", "");
inline constexpr const char* kScreen = QAV_TRANSLATABLE("qav::Report", "Chart laid out for", "");
inline constexpr const char* kScreenValue = QAV_TRANSLATABLE("qav::Report", "a screen of %1 × %2 pixels", "");
inline constexpr const char* kReferenceScreen = QAV_TRANSLATABLE(
    "qav::Report", "the program's reference screen of %1 × %2 pixels, the same on every computer (see Method and data)",
    "");
inline constexpr const char* kProgram = QAV_TRANSLATABLE("qav::Report", "Program, date", "");
inline constexpr const char* kTypicalBasis =
    QAV_TRANSLATABLE("qav::Report", "typical days synthesised from the monthly normals (288 hours)", "");
inline constexpr const char* kRecordedBasis = QAV_TRANSLATABLE(
    "qav::Report", "recorded hours of the weather file (%1 used, %2 missing), beside typical days", "");
inline constexpr const char* kSetBrazil = QAV_TRANSLATABLE("qav::Report", "built-in data set Brazil", "");
inline constexpr const char* kSetSouthAmerica = QAV_TRANSLATABLE("qav::Report", "built-in data set South America", "");
inline constexpr const char* kSetWorld = QAV_TRANSLATABLE("qav::Report", "built-in data set World", "");
inline constexpr const char* kFileSource = QAV_TRANSLATABLE("qav::Report", "Monthly Data file %1", "");
inline constexpr const char* kSourceField = QAV_TRANSLATABLE("qav::Report", "source field %1", "");
inline constexpr const char* kPeriodBrazil =
    QAV_TRANSLATABLE("qav::Report", "climatological normals 1961-1990 of INMET", "");
inline constexpr const char* kPeriodSouthAmerica =
    QAV_TRANSLATABLE("qav::Report", "normals 1961-1990 or 1981-2010 of each country's meteorological service", "");
inline constexpr const char* kPeriodWorld = QAV_TRANSLATABLE(
    "qav::Report", "normals 1961-1990 to 1991-2020 of the national meteorological services, as reported to the WMO",
    "");
inline constexpr const char* kSourceGov =
    QAV_TRANSLATABLE("qav::Report", "source field GOV: normals published by the national meteorological service", "");
inline constexpr const char* kSourceBbc = QAV_TRANSLATABLE(
    "qav::Report", "source field BBC: normals taken from a published compilation of world climate tables", "");
inline constexpr const char* kWeatherFileSource =
    QAV_TRANSLATABLE("qav::Report", "weather file %1, location from its header: %2", "");
inline constexpr const char* kSearchedSite = QAV_TRANSLATABLE("qav::Report", "Site", "");
inline constexpr const char* kSiteDistance = QAV_TRANSLATABLE("qav::Report", "the station is %1 km away", "");
inline constexpr const char* kSiteHigher = QAV_TRANSLATABLE("qav::Report", " and %1 m higher", "");
inline constexpr const char* kSiteLower = QAV_TRANSLATABLE("qav::Report", " and %1 m lower", "");
inline constexpr const char* kSiteSameElevation = QAV_TRANSLATABLE("qav::Report", " at the same elevation", "");
inline constexpr const char* kSiteFar = QAV_TRANSLATABLE(
    "qav::Report",
    "The station is more than %1 km from the site or more than %2 m higher or lower: the site's climate may differ. The pressure is that of the station's elevation, %3 m.",
    "");
inline constexpr const char* kAllDayHours = QAV_TRANSLATABLE("qav::Report", "all 24 hours of the day", "");
inline constexpr const char* kWarmedUniform =
    QAV_TRANSLATABLE("qav::Report", "* Warmed normals: %1 added to every minimum and maximum; humidity as read.", "");
inline constexpr const char* kWarmedMonthly = QAV_TRANSLATABLE(
    "qav::Report", "* Warmed normals: the warming file's monthly changes added to the values as read.", "");
// Pictures and tables
inline constexpr const char* kChartSection = QAV_TRANSLATABLE("qav::Report", "Bioclimatic chart", "");
inline constexpr const char* kGraphSection = QAV_TRANSLATABLE("qav::Report", "Monthly climate", "");
inline constexpr const char* kNormals = QAV_TRANSLATABLE("qav::Report", "Monthly normals", "");
inline constexpr const char* kMonth = QAV_TRANSLATABLE("qav::Report", "Month", "");
inline constexpr const char* kDbtMin = QAV_TRANSLATABLE("qav::Report", "DBTmin (°C)", "");
inline constexpr const char* kDbtMax = QAV_TRANSLATABLE("qav::Report", "DBTmax (°C)", "");
inline constexpr const char* kRhAvg = QAV_TRANSLATABLE("qav::Report", "RHavg (%)", "");
inline constexpr const char* kShares = QAV_TRANSLATABLE("qav::Report", "Yearly shares", "");
inline constexpr const char* kStrategy = QAV_TRANSLATABLE("qav::Report", "Strategy", "");
inline constexpr const char* kShare = QAV_TRANSLATABLE("qav::Report", "Share (%)", "");
inline constexpr const char* kTypical = QAV_TRANSLATABLE("qav::Report", "Typical days (%)", "");
inline constexpr const char* kRecorded = QAV_TRANSLATABLE("qav::Report", "Recorded hours (%)", "");
inline constexpr const char* kOwnHours = QAV_TRANSLATABLE("qav::Report", "% of the hours", "");
inline constexpr const char* kHourTotals = QAV_TRANSLATABLE(
    "qav::Report",
    "Each hour counted once, by the zone it falls in: cold (A to C) %1 %, comfortable (E) %2 %, hot (F to J) %3 %, dry (D) %4 % of the hours.",
    "");
inline constexpr const char* kMergedB =
    QAV_TRANSLATABLE("qav::Report", "B (%1 %) holds C: %2 h need solar gains alone, %3 h also need thermal mass.", "");
inline constexpr const char* kMergedH = QAV_TRANSLATABLE(
    "qav::Report", "H (%1 %) holds G: %2 h need thermal mass alone, %3 h also need night ventilation.", "");
inline constexpr const char* kMergedI = QAV_TRANSLATABLE(
    "qav::Report",
    "I (%1 %) holds G and H: %2 h need evaporative cooling alone, %3 h can also be served by thermal mass or night ventilation.",
    "");
inline constexpr const char* kRank = QAV_TRANSLATABLE("qav::Report", "Rank", "");
inline constexpr const char* kTopMarked =
    QAV_TRANSLATABLE("qav::Report", "The three largest shares are ranked and set in bold.", "");
inline constexpr const char* kDisagreement = QAV_TRANSLATABLE(
    "qav::Report",
    "The typical days and the recorded hours classify %1 % of the year differently (half the sum of the absolute differences of the shares).",
    "");
inline constexpr const char* kMonthHours = QAV_TRANSLATABLE("qav::Report", "Hours per month and strategy (%1)", "");
inline constexpr const char* kTypicalHours = QAV_TRANSLATABLE("qav::Report", "typical days", "");
inline constexpr const char* kRecordedHours = QAV_TRANSLATABLE("qav::Report", "recorded hours", "");
inline constexpr const char* kMerged = QAV_TRANSLATABLE(
    "qav::Report",
    "The shares merge strategies that work together: the hours of C also count for B, those of G for H, and those of H (with G's) for I, so a share is not simply the hours of its column divided by the hours counted; the column “% of the hours” is.",
    "");
// Guidance
inline constexpr const char* kGuidance = QAV_TRANSLATABLE("qav::Report", "What to design for", "");
inline constexpr const char* kGuidanceIntro = QAV_TRANSLATABLE(
    "qav::Report",
    "Every strategy that serves 5 % or more of the hours counted, with the zones merged into it, and always the three largest shares, in order of share.",
    "");
inline constexpr const char* kGuidanceIntroRecorded = QAV_TRANSLATABLE(
    "qav::Report",
    "Every strategy that serves 5 % or more of the recorded hours, with the zones merged into it, and always the three largest shares, in order of share; the typical days' share is given beside it.",
    "");
inline constexpr const char* kGuidanceShare = QAV_TRANSLATABLE("qav::Report", "%1 %", "");
inline constexpr const char* kGuidanceShares =
    QAV_TRANSLATABLE("qav::Report", "%1 % of the recorded hours, %2 % of the typical days", "");
inline constexpr const char* kServedHours = QAV_TRANSLATABLE("qav::Report", "serves %1 h, %2 % of the hours", "");
inline constexpr const char* kSiteChecks = QAV_TRANSLATABLE("qav::Report", "At this site:", "");
inline constexpr const char* kAllYear = QAV_TRANSLATABLE("qav::Report", "all year round", "");
inline constexpr const char* kMonthSpan = QAV_TRANSLATABLE("qav::Report", "%1 to %2", "");
inline constexpr const char* kNorth = QAV_TRANSLATABLE("qav::Report", "north, in the southern hemisphere", "");
inline constexpr const char* kSouth = QAV_TRANSLATABLE("qav::Report", "south, in the northern hemisphere", "");
inline constexpr const char* kWarmNights = QAV_TRANSLATABLE(
    "qav::Report",
    "the %1 nights stay at %2 °C, above the %3 °C to which night ventilation can cool a building: shade, insulate and ventilate by day rather than rely on night-cooled mass.",
    "");
inline constexpr const char* kNarrowRange = QAV_TRANSLATABLE(
    "qav::Report",
    "in %1 the daily range is only %2 K, under the %3 K that night-cooled mass needs: the nights do not cool it enough.",
    "");
inline constexpr const char* kHumidMonths = QAV_TRANSLATABLE(
    "qav::Report",
    "the air is humid: in %1 the mean relative humidity is %2 % and the afternoon wet-bulb temperature reaches %3 °C, the %4 °C at which evaporative cooling stops working; it would only add moisture, so ventilate and shade instead.",
    "");
inline constexpr const char* kLowLatitude = QAV_TRANSLATABLE(
    "qav::Report",
    "at %1° from the equator the sun stands north for part of the year and south for the rest; the roof and the east and west façades take most sun, so insulate and shade the roof, keep east and west openings small and shade both north and south openings.",
    "");
inline constexpr const char* kMostlyHot = QAV_TRANSLATABLE(
    "qav::Report",
    "%1 % of the hours are hot: solar gains are wanted only in the cold months (%2), and the openings must be shaded in the others.",
    "");
inline constexpr const char* kLargeRange = QAV_TRANSLATABLE(
    "qav::Report",
    "the daily range of the cold months (%1) is %2 K on average, above the %3 K at which an insulated, massive building heated by the sun carries much of the cold night hours: build so before sizing artificial heating.",
    "");
inline constexpr const char* kBriefSection = QAV_TRANSLATABLE("qav::Report", "The building in brief", "");
inline constexpr const char* kBriefWallsMixedLight = QAV_TRANSLATABLE(
    "qav::Report",
    "Walls and roof: an insulated roof; heavy internal walls and floors inside the insulation for the %1 cold hours (%2); light, shaded external walls and a ventilated roof space for the %3 hot hours (%4).",
    "");
inline constexpr const char* kBriefWallsMixedHeavy = QAV_TRANSLATABLE(
    "qav::Report",
    "Walls and roof: heavy and insulated throughout: the mass stores the sun's heat for the %1 cold hours (%2) and damps the heat of the %3 hot hours (%4).",
    "");
inline constexpr const char* kBriefWallsCold = QAV_TRANSLATABLE(
    "qav::Report",
    "Walls and roof: heavy and well insulated, with the mass of the internal walls and floors inside the insulation, for the %1 cold hours (%2).",
    "");
inline constexpr const char* kBriefWallsHotLight = QAV_TRANSLATABLE(
    "qav::Report",
    "Walls and roof: light, shaded external walls and an insulated, ventilated roof for the %1 hot hours (%2).", "");
inline constexpr const char* kBriefWallsHotHeavy = QAV_TRANSLATABLE(
    "qav::Report",
    "Walls and roof: heavy, insulated and shaded, with light-coloured outer surfaces, for the %1 hot hours (%2).", "");
inline constexpr const char* kBriefOpeningsColdBreeze = QAV_TRANSLATABLE(
    "qav::Report", "Openings: medium, facing %1, with openings on opposite façades for the breeze; all shaded (%2).",
    "");
inline constexpr const char* kBriefOpeningsColdShaded =
    QAV_TRANSLATABLE("qav::Report", "Openings: medium, facing %1, with overhangs that shade them (%2).", "");
inline constexpr const char* kBriefOpeningsCold =
    QAV_TRANSLATABLE("qav::Report", "Openings: medium, facing %1, with shutters for the nights.", "");
inline constexpr const char* kBriefOpeningsBreeze =
    QAV_TRANSLATABLE("qav::Report", "Openings: large, on opposite façades for cross-ventilation, all shaded.", "");
inline constexpr const char* kBriefOpeningsSmall = QAV_TRANSLATABLE("qav::Report", "Openings: small and shaded.", "");
inline constexpr const char* kBriefRunCold =
    QAV_TRANSLATABLE("qav::Report", "%1: let the sun in by day; close the openings and shutters at night.", "");
inline constexpr const char* kBriefRunBoth = QAV_TRANSLATABLE(
    "qav::Report", "%1: shade the openings and ventilate in the warm hours of the day; close them in the cool nights.",
    "");
inline constexpr const char* kBriefRunNight =
    QAV_TRANSLATABLE("qav::Report", "%1: keep the building closed and shaded by day and open it at night.", "");
inline constexpr const char* kBriefRunBreeze =
    QAV_TRANSLATABLE("qav::Report", "%1: keep it open to the breeze and shaded.", "");
inline constexpr const char* kBriefRunClosed =
    QAV_TRANSLATABLE("qav::Report", "%1: keep it closed and shaded in the heat of the day.", "");
inline constexpr const char* kBriefColdWins = QAV_TRANSLATABLE(
    "qav::Report",
    "Where the advice below pulls two ways, heating wins: %1 cold hours against %2 hot ones; cooling measures must not block the winter sun.",
    "");
inline constexpr const char* kBriefHotWins = QAV_TRANSLATABLE(
    "qav::Report",
    "Where the advice below pulls two ways, cooling wins: %1 hot hours against %2 cold ones; solar gains only where they can be shaded in the hot months.",
    "");
inline constexpr const char* kBriefMild = QAV_TRANSLATABLE(
    "qav::Report",
    "The outdoor air is comfortable most of the year: moderate, shaded openings that can be opened at will.", "");
inline constexpr const char* kNorthFacade = QAV_TRANSLATABLE("qav::Report", "the north", "");
inline constexpr const char* kBothFacades = QAV_TRANSLATABLE("qav::Report", "the north and the south", "");
inline constexpr const char* kSouthFacade = QAV_TRANSLATABLE("qav::Report", "the south", "");
inline constexpr const char* kAsks = QAV_TRANSLATABLE("qav::Report", "What it asks of the building:", "");
inline constexpr const char* kMeasures = QAV_TRANSLATABLE("qav::Report", "Design measures:", "");
inline constexpr const char* kPitfalls = QAV_TRANSLATABLE("qav::Report", "Pitfalls:", "");
// Method and data
inline constexpr const char* kMethodSection = QAV_TRANSLATABLE("qav::Report", "Method and data", "");
inline constexpr const char* kMethod = QAV_TRANSLATABLE(
    "qav::Report",
    "Each month's normals (mean daily minimum and maximum temperature, mean relative humidity) give a typical day of 24 hours; the 288 hours, or a weather file's recorded hours, are placed on a psychrometric chart drawn for the station pressure of the site's elevation and counted in the strategy zone they fall in. The zones and the design advice follow the building bioclimatic chart of Givoni as adapted for Brazil by Lamberts, Dutra and Pereira. The shares describe the outdoor climate, not a building: use them to choose what to design for, and check the design with a thermal simulation.",
    "");
inline constexpr const char* kMethodLimits = QAV_TRANSLATABLE(
    "qav::Report",
    "The advice is checked against the site's own normals. Night ventilation with thermal mass needs a daily range of at least 10 K (ProjetEEE, \"Envelope de alta inércia térmica\", after Evans, 2000). The other three limits are this program's working figures, not taken from a cited text: nights that fall to 24 °C or below for night ventilation, an afternoon wet-bulb temperature below 24 °C for direct evaporative cooling, and a daily range above 15 K for an insulated, heavy, sun-heated building to carry much of the cold nights; check them for each project against Givoni (1992) and Lamberts, Dutra and Pereira (2014). Within 15° of the equator the noon sun stands on the building's poleward side for at least three months of the year, since between the tropics it crosses the zenith twice a year.",
    "");
inline constexpr const char* kMethodScreen = QAV_TRANSLATABLE(
    "qav::Report",
    "The hours are read off a chart drawn at the size the program's window gives it on a screen of %1 × %2 pixels (the reference screen), so that every computer classifies them alike.",
    "");
inline constexpr const char* kDataBuiltIn = QAV_TRANSLATABLE(
    "qav::Report",
    "Data: climatological normals of national meteorological services (INMET for Brazil, the services reporting to the WMO elsewhere), as compiled in the program's built-in data sets; not checked value by value against the published tables.",
    "");
inline constexpr const char* kDataStation = QAV_TRANSLATABLE(
    "qav::Report",
    "Data: WMO Climatological Normals 1991-2020 (NOAA NCEI, from the data of WMO Members) and INMET, Normais Climatológicas do Brasil 1991-2020.",
    "");
inline constexpr const char* kDataWeatherFile = QAV_TRANSLATABLE(
    "qav::Report", "Data: the EnergyPlus weather file named above; cite the provider named in its header.", "");
inline constexpr const char* kDataMonthlyFile =
    QAV_TRANSLATABLE("qav::Report", "Data: the Monthly Data file named above, as supplied by the user.", "");
inline constexpr const char* kReferences = QAV_TRANSLATABLE("qav::Report", "References", "");
// Titles of cited literature stay as published.
inline constexpr std::string_view kGivoni =
    "Givoni, B. Comfort, climate analysis and building design guidelines. Energy and Buildings 18 (1992) 11-23.";
inline constexpr std::string_view kLamberts =
    "Lamberts, R.; Dutra, L.; Pereira, F. O. R. Eficiência Energética na Arquitetura. 3rd ed. Rio de Janeiro: "
    "Eletrobras/Procel, 2014.";
// The same in ABNT NBR 6023 form, for the Portuguese report.
inline constexpr std::string_view kGivoniAbnt =
    "GIVONI, B. Comfort, climate analysis and building design guidelines. "
    "Energy and Buildings, v. 18, n. 1, p. 11-23, 1992.";
inline constexpr std::string_view kLambertsAbnt =
    "LAMBERTS, R.; DUTRA, L.; PEREIRA, F. O. R. Eficiência energética na "
    "arquitetura. 3. ed. Rio de Janeiro: Eletrobras/Procel, 2014.";
inline constexpr std::string_view kProjetEee =
    "Brazil, Ministry of Mines and Energy. ProjetEEE, Projetando Edificações Energeticamente Eficientes: envelope "
    "de alta inércia térmica. http://www.mme.gov.br/projeteee/implementacao/envelope-de-alta-inercia-termica";
inline constexpr std::string_view kProjetEeeAbnt =
    "BRASIL. Ministério de Minas e Energia. ProjetEEE: Projetando Edificações Energeticamente Eficientes. "
    "Envelope de alta inércia térmica. Disponível em: "
    "http://www.mme.gov.br/projeteee/implementacao/envelope-de-alta-inercia-termica.";
inline constexpr const char* kPage = QAV_TRANSLATABLE("qav::Report", "Page %1 of %2", "");

/// Design advice for one strategy, or for strategies that one set of measures serves.
struct Guidance {
    std::array<int, 2> Strategies;  // 1..10; the second 0 when it covers one
    const char* Asks;
    const char* Measures;
    const char* Pitfalls;
};

inline constexpr std::array<Guidance, 9> kAdvice{{
    {{1, 0},
     QAV_TRANSLATABLE("qav::Advice",
                      "Heat must be added in the coldest hours; passive gains alone cannot keep the rooms comfortable.",
                      ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Insulate the envelope first, roof above all; seal air leaks; keep the heated volume compact and zone it; size an efficient heater (heat pump, biomass stove) for what remains, and still take the solar gains the site gives.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Oversized heaters in leaky, uninsulated shells; thermal bridges and single glazing that invite condensation; ventilation that is cut so far that the air grows stale.",
         "")},
    {{2, 0},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "The sun can carry the heating of the cool hours if the building collects its heat in the day and keeps it.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Face the main rooms and their glazing to the equator (%1); keep the other façades' openings small; insulate the envelope; size overhangs that admit the low winter sun and cut the high summer sun.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Too much glass, which overheats on clear days and loses heat at night; windows left unshaded in the warm season; glazing facing east and west, where the sun is hard to control.",
         "")},
    {{3, 0},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "Heavy construction stores the day's heat, solar and internal, and gives it back in the cold night, evening out the daily swing.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Exposed masonry or concrete floors and walls inside the insulation, lit by the winter sun; a heavy, insulated roof; a compact plan, and night shutters or curtains over the windows.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Mass covered by carpets, linings or suspended ceilings; mass outside the insulation, which loses its heat to the air; heavy rooms in shade, which stay cold.",
         "")},
    {{4, 0},
     QAV_TRANSLATABLE("qav::Advice",
                      "Air that is warm enough but very dry irritates eyes, skin and airways; the rooms need moisture.",
                      ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Plants, pools and fountains near the openings; wet surfaces in courtyards; limited air leakage so that the moisture stays; a humidifier where the dry season is long.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Overdoing it, which brings condensation and mould; standing water that breeds mosquitoes; dust from bare ground upwind of the openings.",
         "")},
    {{5, 0},
     QAV_TRANSLATABLE("qav::Advice", "The outdoor air is comfortable in these hours; the building should not spoil it.",
                      ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Openings that can be opened or closed at will; moderate glazing with shading; an envelope that neither gains nor loses too much, so the comfortable hours are not turned into hot or cold ones.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Sealed, heavily glazed buildings that need cooling even in mild weather; internal heat from lighting and equipment; treating these hours as needing no design at all.",
         "")},
    {{6, 0},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "Air movement over the body cools it in warm, humid hours; the building must let the breeze through the occupied rooms.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Cross ventilation: openings on opposite façades, to windward and to leeward; a narrow plan and few partitions across the air path; high outlets and ventilated roofs; light, shaded walls; ceiling fans for still days.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Windows on one side only; insect screens and grilles that choke the flow; neighbours and walls that block the wind; security and noise that keep the windows closed.",
         "")},
    {{7, 8},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "Days are hot but nights cool: heavy construction absorbs the day's heat and the night air carries it away, so the rooms stay cooler than the air outside at noon.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Exposed heavy walls, floors and roof inside the insulation; shaded openings kept closed in the heat of the day; openings that can stay safely open at night, with cross or stack ventilation; light, reflective outer surfaces.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Mass hidden behind linings; windows left open in the hot afternoon; nights too warm or too humid for the mass to cool; heavy rooms that take long to respond when occupied only briefly.",
         "")},
    {{9, 0},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "Hot, dry air can be cooled by evaporating water into it; the building must bring the cooled air in and let it out.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Pools, fountains, wet pads or sprays in the air path to the openings; planted, shaded courtyards; cooling towers or direct evaporative coolers; roof ponds; airflow so that the added moisture leaves.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Using it in humid hours, when it only adds moisture; stagnant water and its hygiene; short supply of water in dry regions; closed rooms that grow humid.",
         "")},
    {{10, 0},
     QAV_TRANSLATABLE(
         "qav::Advice",
         "The air is too hot, or too hot and humid, for passive means; mechanical cooling is needed in these hours.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Reduce the load first: shade every opening, insulate and lighten the roof, limit glazing to the east and west, cut internal gains; then an efficient, well-sized air conditioner or heat pump in a sealed zone, with dehumidification where the air is humid.",
         ""),
     QAV_TRANSLATABLE(
         "qav::Report",
         "Conditioning an unshaded glass box; equipment sized for loads that design could have removed; open windows while it runs; the heat it rejects where people are.",
         "")},
}};

}  // namespace qav::report_text

namespace qav {

/// The Portuguese of a text of report_text (the report's own table, kPortugueseBrazilReport), or
/// `english` when it has none. Kept out of Translated's table so that a program that never writes
/// a report in Portuguese (the browser's analysis module) can link web/english_report_texts.cpp
/// in its place and carry none of it.
std::string_view ReportTranslation(std::string_view english);

/// A text of report_text in the language.
inline std::string_view ReportText(Language language, const char* english)
{
    return language == Language::English ? english : ReportTranslation(english);
}

/// What a strategy asks of the building (kAdvice's Asks), in the language: the report's words,
/// which the page also shows beside the strategies' names, so in the common table.
inline std::string_view AdviceText(Language language, const char* english)
{
    return Translated(language, "qav::Advice", english);
}

}  // namespace qav
