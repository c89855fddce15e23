#pragma once
// qav-cli's options, written once: `qav-cli --help` prints their lines from this table and the
// build writes the manual page's option lists from it (dist/man/man_options.cpp), so the two
// cannot list different options. Standard library only: the manual page's generator is a host
// tool that links nothing else.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace qav::cli {

struct CliOption {
    std::string_view command;  // analyze, psychro, stations or places
    std::string_view names;    // as --help spells them: "--chart FILE, --graph FILE"
    std::string_view usage;    // what --help prints after the names, from the gap on, with its line ends
    std::string_view man;      // the manual page's paragraph (roff), below the names
};

// clang-format off
inline constexpr CliOption kCliOptions[] = {
    {"analyze", "--dataset brazil|south-america|world|all", "   built-in data set; KEY:N takes its slot N alone\n",
     R"(A built-in data set;
.B all
stands for the three.
.IB SET : N
(for example
.BR brazil:5 )
takes slot
.I N
of that set alone, whatever
.B \-\-location
or
.B \-\-all
say; a slot outside the set exits with status 2.)"},
    {"analyze", "--station WMO", " station of the 1991-2020 normals (see stations), as a Monthly Data location\n",
     R"(A station of the 1991\(en2020 normals (see
.BR stations ),
analysed exactly as a Monthly Data location with the same values and the
source field
.B "WMO 83377 1991\-2020"
or, for INMET's normals,
.B "INMET 83897 1991\-2020"
(with
.B " RH derived"
when its humidity is derived).
JSON objects of such locations (from
.B \-\-station
or from a Monthly Data file holding that source field) add
.BR station ,
.B period
and
.BR rh_source ;
CSV gains those three columns, empty for other inputs, whenever a station is among the
locations. Other inputs' fields are unchanged.
An unknown station number exits with status 2, naming it.
.B "qav\-cli analyze \-\-dataset brazil:5 \-\-station 83377"
analyses Bras\('ilia's built-in normals beside its station's.)"},
    {"analyze", "--near LAT,LON", " the station nearest a place (LAT,LON[,ELEVATION]), as --station\n",
     R"(The station of the 1991\(en2020 normals nearest a place, written as for
.BR "stations \-\-near" ,
with its elevation in metres as a third number if known, analysed as
.BR \-\-station .
Its report names the place's coordinates, the station's distance and its elevation
difference, and warns when the station is more than 50 km away or 300 m higher or lower.)"},
    {"analyze", "--place TEXT", "  town or city (see places): its nearest station within 300 km\n",
     R"(The best match of
.I TEXT
among the places of
.B places
(\(lqCampinas, SP\(rq, \(lqMoskva\(rq, \(lqLisboa\(rq), analysed as its nearest station
within 300 km, named for the place:
.BR "Campinas (SP, Brazil): station 83781 S\(~ao Paulo (Mirante de Santana), 80 km" .
When the text was ambiguous, standard error names the choice
.RB ( "note: Campinas, SP (Brazil) chosen among 2 places named Campinas" ).
JSON objects add
.B place
(an object with
.BR name ,
.BR division ,
.B country
and
.BR geonames_id )
and
.BR distance_km
beside
.BR station ;
CSV gains the columns
.BR place ,
.BR place_division ,
.BR place_country ,
.B geonames_id
and
.B distance_km
before
.BR input .
A place without a station within 300 km exits with status 1 (\(lqNo station within 300 km:
open a weather file for this site\(rq), naming the nearest station, which
.B \-\-station
still analyses; a text naming no place exits with status 2.)"},
    {"analyze", "--file PATH", "   Monthly Data file (QAV*.TXT)\n",
     R"(A Monthly Data file
.RI ( QAV*.TXT ,
up to 50 locations). Locations after the 50th are left out, with a warning on standard error
giving the line the rest starts on and how many locations (and fields) were left out.
A file whose last location stops early is read without it, with a warning on standard error
naming the location and the line.)"},
    {"analyze", "--epw PATH",
     "    EnergyPlus weather file: one location, typical days and recorded hours\n"
     "                  (without input: Brazil, the start-up slot 5)\n",
     R"(An EnergyPlus weather file: one location, whose monthly normals are derived
from its 8760 recorded hours; the recorded hours are classified as well.
A weather file whose derived normals lie outside the Monthly Data ranges
(DBTmax above 55 \(deC, for example) is refused with the month and the value.)"},
    {"analyze", "--location N", "  slot to analyse in each input, 1 to its number of locations (default: 1)\n",
     R"(Analyse slot
.I N
of each input: a whole number from 1 to the input's number of locations, at most 50.
A slot outside an input is refused with exit status 2, naming the input and its count.)"},
    {"analyze", "--all", "         every location of every input\n",
     R"(Analyse every location of every input. It takes no value and cannot be combined with
.BR \-\-location .)"},
    {"analyze", "--format table|json|csv",
     "                output form (default: table); JSON is one\n"
     "                  object for one location asked without --all, otherwise an array\n",
     R"(.B table
(the default) prints the results table that the window's Copy > Tabel command copies, with a decimal
point; a text holding the field separator or a double quote is written in double quotes, its
quotes doubled, so a pasted row keeps its columns.
.IP
.B json
prints a single object only when one location of one input is asked for without
.BR \-\-all ;
.BR \-\-all ,
several inputs or
.B "\-\-dataset all"
always give an array of objects, even of one, so a script sees one shape per request.
Each object has the keys
.BR slot ,
.B input
(the input it came from: the set's key such as
.BR brazil ,
the file's path as given, or
.BR station:83377 ,
so two weather files of one station can be told apart),
.BR name ,
.BR country ,
.BR source ,
.BR latitude ,
.BR longitude ,
.BR elevation ,
.BR pressure_elevation ,
.BR pressure_kpa ,
.B monthly
(12 objects
.BR month ,
.BR dbt_min ,
.BR dbt_max ,
.BR rh_avg ),
.B hourly
.RB ( dbt
and
.BR w :
12 arrays of 24 numbers),
.B shares
(the ten yearly percentages in strategy order A..J),
.B top
(the three largest strategies, 0 for none) and
.B month_hours
(10 arrays of 12 hour counts).
A weather-file location adds
.BR recorded_shares ,
.BR recorded_top ,
.BR recorded_month_hours ,
.BR hours_used ,
.B hours_missing
and
.B disagreement
(the share of the year that the typical days and the recorded hours classify differently:
half the sum of the absolute differences of the shares).
.IP
.B csv
prints a header and one row per location, written as each is done: slot, name, country,
source, latitude, longitude, elevation, pressure_elevation, pressure_kpa, the shares A..J and,
when a weather file is among the inputs, rA..rJ, hours_used, hours_missing, disagreement, then
the optional columns of the options below, then always input, as in JSON.
.IP
Numbers always use a decimal point; single-precision values are written in their shortest
round-trip form. A name, country or source that begins with
.BR = ", " + ", " \- " or " @
(which a spreadsheet would take for a formula) is written with a single quote in front, in
double quotes:
.BR \(dq'=1+2\(dq ,
as the OWASP advice on CSV injection has it, here and in the window's CSV exports.
Numbers are never altered.)"},
    {"analyze", "--hours typical|recorded|both", "          for weather files (default: both)\n",
     R"(For weather files:
.B typical
leaves the recorded hours out,
.B recorded
draws them on the chart as dots and reports their shares (the legend and the table show them),
.B both
(the default) reports both and how far they differ.)"},
    {"analyze", "--lang en|pt_BR",
     "                        words and decimal separator of the table and\n"
     "                  the pictures (default: en; pt_BR: Portuguese, decimal comma); JSON\n"
     "                  and CSV are never translated\n",
     R"(Language of the table, of the pictures (\-\-chart, \-\-graph, \-\-compare\-chart) and of the
reports (\-\-report, \-\-report\-dir):
.B en
(the default) English with a decimal point,
.B pt_BR
Brazilian Portuguese with a decimal comma (the table's fields then separated by semicolons).
JSON, CSV, this help and the error messages are never translated.)"},
    {"analyze", "--screen WxH",
     "  screen whose window the analysis reproduces, 320..16384 by\n"
     "                  200..16384 pixels (default: 1024x768)\n",
     R"(Analyse as the window with View > Analyse at this screen's size would on a screen of
.I W
\(mu
.I H
logical pixels (whole numbers, 320x200 to 16384x16384; default: the 1024x768 reference screen,
which the window uses too).
The shares can differ by a few tenths between screen sizes.)"},
    {"analyze", "--jobs N",
     "      threads, 1..256 (default: the number of cores), lowered to fit the\n"
     "                  available memory; output is the same for any N\n",
     R"(Spread the locations over
.I N
threads (1 to 256; default: the number of cores).
The output is the same for any
.IR N .
Each result is written as soon as it and those before it are done, in input order, whatever
.IR N ,
so the results do not pile up in memory (the inputs do: about 16 KB each until the run ends).
Each job holds a zone map of the chart's pixels and, with pictures, the pictures it draws;
.I N
is lowered, with a note on standard error, to what fits in three quarters of the memory
available (and under
.B "ulimit \-v"
or
.BR \-d ).
Threads that cannot be started leave the work to those that were.
On a terminal a progress line is written to standard error, and cleared before each result
when the results go to the same terminal.)"},
    {"analyze", "--chart FILE, --graph FILE",
     "             save the chart and the monthly graph;\n"
     "                  the suffix .png or .svg chooses the format\n",
     R"(Save the chart or the monthly graph, byte for byte the files the window's Save commands
write (PNG at the reference density), the graph naming its location.
The suffix chooses the format,
.B .png
or
.B .svg
(any case); any other suffix is refused.
With several locations the position is added to the file name
.RI ( chart\-05.png ).
Every file a run will write (pictures, their numbered names, folder outputs, compare pages,
reports) is named before anything is written; two naming one file, in any spelling (./, a link,
an absolute path, a link to a file still to be written, a hard link), are refused with exit
status 2.
Pictures are written to a temporary file beside the target and renamed over it (a link is
followed; a loop of links is refused), so a full disk or a concurrent run never leaves a
partial picture.
A file the user may not write is refused (Permission denied, as the shell's redirection says;
root keeps root's rights), and a replaced file keeps its rights and, where allowed, its owner.
A signal that ends the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM,
SIGXCPU) removes the temporary
.I .qav\-XXXXXX
files in progress and then ends the program by its signal.
SIGXFSZ is ignored: a write past the file-size limit fails with
.B "File too large"
and leaves nothing, as a full disk does.)"},
    {"analyze", "--chart-dir DIR, --graph-dir DIR", "       save one PNG per location into DIR\n",
     R"(Save one PNG picture per location into
.I DIR
.RI ( 0005\-05\-Bras\('ilia.png );
when both options name the same folder the names end in
.B \-chart
and
.BR \-graph .
Names keep letters and digits, turn everything else into _ and are cut to 255 bytes (the
window's suggested names follow the same rule).
The folders are created if needed, once the inputs have been read and before anything is
analysed; the folders of every picture option are checked at the same moment.
A failure of the file system (a file in the way, too long a name, a loop of links, no
permission) reads
.BI "error: \-\-chart\-dir " DIR ": " reason
with the system's reason (the same for the folder of
.BR "\-\-chart \fIFILE\fP" ),
and exits with 1.)"},
    {"analyze", "--report FILE.pdf", "  PDF report: chart, graph, tables, advice, sun and shade\n",
     R"(Write a PDF report of each location: the heading (location, source, coordinates, elevation and
station pressure, what the analysis counts, program version and date), the chart and the monthly
graph as vector drawings, the monthly normals, the yearly shares with the three largest ranked
(for a weather file beside the typical days', with their disagreement), the hours per month and
strategy, design advice for every strategy with a share of 5 % or more and always the three
largest, the sun and shade (the sun path with the shading mask of the
.B \-\-facade
side, the eight fa\(,cades' overhang and fin angles, the hours' calendar), and a note on the
method and the data; two to six pages, fonts embedded, in the
language of
.BR \-\-lang .
The file is numbered as
.B \-\-chart
is when the run has several locations.
A suffix other than
.B .pdf
is refused.
Reports are written atomically, as pictures are, and their paths are checked with the pictures'
(the same file twice, the folders before the analysis).
With
.B SOURCE_DATE_EPOCH
set, the same analysis gives the same bytes.
Letters that DejaVu Sans lacks (a Chinese, Japanese or Devanagari name) are drawn from Debian's
Droid Sans Fallback and Lohit Devanagari, embedded as subsets, so the text layer keeps them; a
name without spaces too wide for a line is elided on the pages and kept whole in the document's
title.)"},
    {"analyze", "--report-dir DIR", "   one PDF report per location into DIR\n",
     R"(One report per location, named as the pictures of
.B \-\-chart\-dir
are
.RI ( 0001\-05\-Bras\('ilia.pdf ).)"},
    {"analyze", "--paper a4|letter", "  paper of the reports (default: a4); --lang sets their language\n",
     R"(Paper of the reports (default a4).)"},
    {"analyze", "--shade-above C",
     "  dry bulb from which a sunlit hour wants shade, 10..35 (default: 21,\n"
     "                  Olgyay's shading line)\n",
     R"(A sunlit hour wants shade (is overheated) when its strategy is F to J or its dry bulb is at or
above
.I C
degrees Celsius (10 to 35; default 21, the shading line of Olgyay's bioclimatic chart,
about 70 \(deF); it wants sun (is underheated) when its strategy is A, B or C.
Every JSON object carries
.B hour_letters
(12 texts of 24 strategy letters, one per typical hour, \- for none),
.B recorded_hour_letters
for a weather file (8760 letters, \- for a missing hour) and
.BR sun :
.B shade_above
(\(deC),
.B altitude
and
.B azimuth
(12 arrays of 24 numbers, degrees to two decimals, the azimuth clockwise from north; the
typical hour h of month m is solar time h:00 on the 15th) and
.B facades
(8 objects, N to NW:
.BR azimuth ,
.BR overheated_hours ,
.BR underheated_hours ,
.B overhang_vsa
and
.B fins_hsa
(the largest whole-degree cut-off angles that shade 90 % of the overheated sun-hours on the
fa\(,cade),
.B overhang_keeps
and
.B fins_keeps
(the percent of the underheated sun-hours they leave unshaded) and
.B overhang_depth
(the overhang's depth over a window of height 1); null where there is none).
CSV gains no column.)"},
    {"analyze", "--facade N|NE|E|SE|S|SW|W|NW|DEG",
     "\n                  facade whose shading mask the sun path draws (default: the\n"
     "                  side facing the equator)\n",
     R"(The fa\(,cade whose shading mask the sun path
.RB ( \-\-sun\-chart )
and the report draw: a compass point or whole degrees 0 to 359 clockwise from north
(default: north south of the equator, south north of it).)"},
    {"analyze", "--sun-chart FILE, --calendar-chart FILE",
     "\n                  save the sun path (with the --facade's shading mask) and the\n"
     "                  calendar of the hours' strategies; .png or .svg\n",
     R"(Save the sun path or the hours' calendar of the location, numbered as
.B \-\-chart
is when the run has several locations, and written as pictures are.
The sun path is stereographic, north up and east to the right: the horizon and the altitude
circles every 15\(de, the day arcs of the 15th of each month (21 June and 21 December bold),
the hours of apparent solar time, each typical hour with the sun up as a dot (red: wants shade,
blue: wants sun, grey: neither; see
.BR \-\-shade\-above ),
a weather file's recorded hours as faint dots, and the shading mask of the fa\(,cade of
.BR \-\-facade :
its line, the overhang's and the fins' cut-off lines and the sky they shade.
The calendar is a grid of months by hours in the zone colours with the strategies' letters;
for a weather file each cell is shared out among the strategies of its recorded hours.)"},
    {"analyze", "--sun-projection stereographic|equidistant",
     "\n                  the sun path's projection (default: stereographic)\n",
     R"(The sun path's projection:
.B stereographic
(the default; a sun at altitude a lies R tan((90\(de \- a) / 2) from the centre) or
.B equidistant
(R (90\(de \- a) / 90\(de, altitude circles evenly spaced).)"},
    {"analyze", "--sun-chart-dir DIR", "    save both pictures of each location into DIR as PNG\n",
     R"(Save the sun path and the calendar of each location into
.I DIR
.RI ( 0005\-05\-Bras\('ilia\-sun.png ,
.IR 0005\-05\-Bras\('ilia\-calendar.png ),
created as
.B \-\-chart\-dir
is.)"},
    {"analyze", "--hour-range A-B", "  clock hours counted, 1-24 (a range may wrap: 22-5; default 1-24)\n",
     R"(Count only clock hours
.I A
to
.I B
(1 to 24, as the hourly table numbers them); the range may wrap (22\-5).
JSON and CSV then carry
.B hour_range
and
.BR months ,
and the table ends with a line saying what was counted.
For typical days
.B month_hours
sums to the hours per day \(mu the months (\-\-hour\-range 9\-18: 120); for a full recorded
year to 10 \(mu 365 = 3,650.)"},
    {"analyze", "--months M-N", "  months counted, 1-12 (may wrap: 12-2 is December to February)\n",
     R"(Count only months
.I M
to
.I N
(1 to 12); the range may wrap (12\-2), and combines with
.BR \-\-hour\-range .)"},
    {"analyze", "--warming C", "   add C degrees to every DBTmin and DBTmax, relative humidity kept\n",
     R"(Add
.I C
degrees to every monthly DBTmin and DBTmax, relative humidity kept
.RB ( +2
is accepted as in the file,
.B \-0
is no change).
Recorded hours are shifted by their month's mean change of temperature, keeping their relative
humidity.
JSON keeps
.B monthly
and
.B shares
for the changed normals and adds
.BR base_monthly ,
.BR base_shares ,
.B base_top
(and
.B base_recorded_shares
for a weather file) and
.B warming
(the twelve changes). CSV adds, after input, the changes of each month
(warming_dbt_min_1, warming_dbt_max_1, warming_rh_avg_1 ... warming_rh_avg_12) and the shares
before them (base_A..base_J).
A warming that takes a location's normals out of range is refused, naming the option, the
location, the month and the field (exit status 1).
A sensitivity test, not a projection.
Give either
.B \-\-warming
or
.BR \-\-warming\-file .)"},
    {"analyze", "--warming-file FILE", "   monthly changes: CSV month,dbt_min,dbt_max,rh_avg, 12 rows\n",
     R"(The twelve monthly changes of DBTmin, DBTmax and RHavg, from a CSV file with the header
month,dbt_min,dbt_max,rh_avg, applied and reported as
.B \-\-warming
is. A bad file names its line and field; a file that cannot be read is reported as
.BI "error: \-\-warming\-file: " FILE ": " reason .)"},
    {"analyze", "--comfort givoni|ashrae55|en16798",
     "  comfort model of the graph and the report (default: givoni)\n",
     R"(The comfort model the monthly graph and the report show:
.B givoni
(the chart's fixed comfort zone, the default),
.B ashrae55
(the adaptive model of ASHRAE 55\-2020 for naturally ventilated buildings) or
.B en16798
(the adaptive model of EN 16798\-1).
With an adaptive model the graph draws each month's band of acceptable temperatures.
The chart and its shares never change with it; JSON always carries
.B adaptive
(both models on the typical days) and, for a weather file,
.B recorded_adaptive
and
.BR wind .)"},
    {"analyze", "--adaptive-chart FILE.png|FILE.svg", "  monthly graph with the adaptive comfort band\n",
     R"(Save the monthly graph with the adaptive band of the model of
.B \-\-comfort
(ASHRAE 55 when it is
.BR givoni ):
the 80 % and 90 % acceptability limits (ASHRAE 55, with the limit raised by fans at
0.9 m/s dotted) or categories I to III (EN 16798\-1). Numbered as
.B \-\-graph
with several locations.)"},
    {"analyze", "--wind-rose FILE.png|FILE.svg", "  wind roses of a weather file: all and ventilation hours\n",
     R"(Save the wind roses of a weather file's recorded hours: all hours and the hours
classified F (Ventilation), in 16 sectors and five speed classes, calms apart.
A run without a weather file
.RB ( \-\-epw )
is refused with exit status 2.)"},
    {"analyze", "--compare-chart FILE.png|FILE.svg", "      one bar of shares per location of the run\n",
     R"(Draw one bar of the ten shares per location of the run as PNG or SVG (by the suffix).
A PNG holds at most 16384 pixels a side (739 bars): further bars continue on
.IR FILE\-2.png ,
.IR FILE\-3.png ", ..."
and a note on standard error names the pictures. An SVG stays one file.
Long names are cut with an ellipsis to the width of their column.)"},
    {"analyze", "--sort A..J|name|list", "  order of the compare chart's bars (default: list)\n",
     R"(Sort the bars of
.B \-\-compare\-chart
(which it needs) by a strategy's share (largest first), by name (ignoring case and accents) or
in list order; the keywords and letters may be written in any case.)"},

    {"psychro", "--elevation M", " elevation in metres, -500..9000\n",
     R"(Elevation in metres, \-500 to 9000; the point is taken at its station pressure. Required.)"},
    {"psychro", "--t C", "         dry-bulb temperature in C, -40..60\n",
     R"(Dry-bulb temperature in \(deC, \-40 to 60. Required.)"},
    {"psychro", "--rh PERCENT", "  relative humidity in %, 0.1..100 (give --rh or --w)\n",
     R"(Relative humidity in per cent, 0.1 to 100 (100.0, as printed for saturated air, is accepted).
Give either
.B \-\-rh
or
.BR \-\-w .)"},
    {"psychro", "--w G_PER_KG", "  humidity ratio in g/kg, 0.01 up to saturation (the saturation it\n"
     "                  prints, in full or to three decimals, is accepted)\n",
     R"(Humidity ratio in g/kg, 0.01 up to saturation; the saturation it prints, in full or to three
decimals, is accepted back.)"},
    {"psychro", "--format text|json", "  output form (default: text)\n",
     R"(Readable text (the default) or one JSON object with
.BR pressure_kpa ,
.BR pvs_pa ,
.BR w_sat ,
.BR w ,
.B rh
(a fraction),
.BR dew_point ,
.BR wet_bulb ,
.B specific_volume
and
.BR zone ,
the strategy letter of the point
.RB ( null
above the saturation curve or off the chart).)"},

    {"stations", "--near LAT,LON", "  order by distance from a place, nearest first\n",
     R"(Order the stations by great-circle distance on a 6,371 km sphere from a place, nearest first
(ties by station number), and add
.B distance_km
(and, with an elevation,
.BR elevation_diff_m ).
The place may be written \-23.55,\-46.63, \-23,55;\-46,63, \-23,55 \-46,63,
23\(de33\(fm S 46\(de38\(fm W or 23 33 S 46 38 W (ASCII ' and \(dq too, O for west), with an
optional elevation in metres after it; a negative latitude after
.B \-\-near
is its value. Coordinates out of range exit with status 2, naming the value.)"},
    {"stations", "--name TEXT", "   stations whose name holds every word of TEXT\n",
     R"(Keep the stations whose name holds every word of
.IR TEXT ,
whatever the case, accents and punctuation:
.B "sao paulo"
finds S\(~ao Paulo (Mirante de Santana),
.B zuerich
the three Z\(:urich stations.)"},
    {"stations", "--limit N", "     number of stations (default 10, 0: all)\n",
     R"(The number of stations listed (default 10, 0 for all).)"},
    {"stations", "--format table|csv|json", "  output form (default: table)\n",
     R"(A table (the default), CSV, or a JSON array of objects with
.BR wmo ,
.BR name ,
.BR country ,
.BR latitude ,
.BR longitude ,
.BR elevation_m ,
.B source
and
.B rh_source
.RB ( reported
or
.BR derived :
computed from the mean vapour pressure, within 2 points of the reported
humidity in the median), plus
.B distance_km
(and
.BR elevation_diff_m )
with
.BR \-\-near .)"},

    {"places", "--name TEXT", "     towns whose name holds every word of TEXT, whole names first\n",
     R"(The places (135,233 towns and cities of GeoNames, CC BY 4.0; 2,032 in Brazil) whose name,
or Portuguese name, holds every word of
.IR TEXT ,
whatever the case, accents and punctuation: whole names first, then names that begin with
.IR TEXT ,
then names with a word that does, each group most populous first. A trailing country
(\(lqLisboa, Portugal\(rq, \(lqMoscow Russia\(rq, its code) or Brazilian state
(\(lqCampinas, SP\(rq, \(lqCampinas SC\(rq) puts that place first.)"},
    {"places", "--country CC", "   only places of that country (ISO code or name, in English or Portuguese)\n",
     R"(Keep the places of one country, given by its ISO code
.RB ( BR )
or its name in English or Portuguese
.RB ( Brazil ", " Brasil ).)"},
    {"places", "--limit N", "      number of places (default 10, 0: all)\n",
     R"(The number of places listed (default 10, 0 for all).)"},
    {"places", "--format table|csv|json", "  output form (default: table)\n",
     R"(A table (the default, with the nearest station), CSV (the three nearest stations), or a
JSON array of objects with
.BR geonames_id ,
.BR name ,
.B division
(the state's UF in Brazil, else GeoNames' division code),
.BR country ,
.BR population ,
.BR latitude ,
.B longitude
and
.BR stations :
the three nearest stations as objects with
.BR wmo ,
.BR name ,
.B distance_km
and
.BR elevation_m .
A place's own elevation is not known.)"},
};
// clang-format on

/// --help's lines for the options of one command, in the table's order.
inline std::string UsageOptionLines(std::string_view command)
{
    std::string out;
    for (const CliOption& o : kCliOptions)
        if (o.command == command) (((out += "    ") += o.names) += o.usage);
    return out;
}

/// The names as a manual page term: options bold, placeholders (capitalised words) italic,
/// keywords bold, the separators between them roman; '-' becomes roff's minus sign.
inline std::string ManTerm(std::string_view names)
{
    std::string out;
    std::size_t i = 0;
    while (i < names.size()) {
        const char c = names[i];
        if (c == ' ' || c == ',' || c == '|' || c == '(' || c == ')' || c == '[' || c == ']') {
            out += c;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < names.size() && std::string_view(" ,|()[]").find(names[end]) == std::string_view::npos) ++end;
        const std::string_view word = names.substr(i, end - i);
        const bool placeholder = !word.starts_with("--") && word[0] >= 'A' && word[0] <= 'Z';
        out += placeholder ? "\\fI" : "\\fB";
        for (const char w : word) out += w == '-' ? std::string("\\-") : std::string(1, w);
        out += "\\fR";
        i = end;
    }
    return out;
}

/// The manual page with each line `.\" options: COMMAND` replaced by that command's options as
/// tagged paragraphs. The page's SYNOPSIS must name every option, so that it cannot fall
/// behind the table either. On failure the reason, for the build's error message.
struct ManPage {
    std::string text;
    std::string failure;
};

inline ManPage WriteManOptions(std::string_view page)
{
    ManPage result;
    const std::size_t synopsisEnd = page.find("\n.SH DESCRIPTION");
    const std::string_view synopsis = page.substr(0, synopsisEnd);
    std::vector<std::string_view> placed;  // the commands whose marker was found
    std::size_t at = 0;
    while (at < page.size()) {
        std::size_t end = page.find('\n', at);
        if (end == std::string_view::npos) end = page.size();
        const std::string_view line = page.substr(at, end - at);
        constexpr std::string_view kMarker = ".\\\" options: ";
        if (line.starts_with(kMarker)) {
            const std::string_view command = line.substr(kMarker.size());
            bool any = false;
            for (const CliOption& o : kCliOptions) {
                if (o.command != command) continue;
                any = true;
                result.text += ".TP\n" + ManTerm(o.names) + "\n" + std::string(o.man) + "\n";
            }
            if (!any) {
                result.failure = "no options for the command '" + std::string(command) + "'";
                return result;
            }
            placed.push_back(command);
        } else {
            result.text += line;
            if (end < page.size()) result.text += '\n';
        }
        at = end + 1;
    }
    for (const CliOption& o : kCliOptions) {
        if (std::find(placed.begin(), placed.end(), o.command) == placed.end()) {
            result.failure = "the page has no line '.\\\" options: " + std::string(o.command) + "'";
            return result;
        }
        // Each option name, as roff writes it, must appear in the SYNOPSIS.
        for (std::size_t p = o.names.find("--"); p != std::string_view::npos; p = o.names.find("--", p + 2)) {
            std::size_t e = p + 2;
            while (e < o.names.size() && (std::isalnum(static_cast<unsigned char>(o.names[e])) || o.names[e] == '-'))
                ++e;
            std::string roff;
            for (const char c : o.names.substr(p, e - p)) roff += c == '-' ? std::string("\\-") : std::string(1, c);
            const bool named = synopsis.find(roff + "\n") != std::string_view::npos ||
                               synopsis.find(roff + " ") != std::string_view::npos ||
                               synopsis.find(roff + "\\f") != std::string_view::npos;
            if (!named) {
                result.failure = "the SYNOPSIS does not name " + std::string(o.names.substr(p, e - p)) + " of " +
                                 std::string(o.command);
                return result;
            }
            p = e - 2;
        }
    }
    return result;
}

}  // namespace qav::cli
