// qav-cli: the analysis without a window. Runs the same pipeline as the window on a described
// screen, prints the results as a table, JSON or CSV, and can save the chart and the graph.
// This file holds the usage text and the dispatch to the commands (app/cli_*.cpp).
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/cli_arguments.h"
#include "app/cli_commands.h"
#include "app/cli_io.h"
#include "app/cli_stations.h"
#include "core/version.h"

namespace {

using namespace qav;
using namespace qav::cli;

constexpr const char* kUsage =
    "Usage: qav-cli <command> [options]\n"
    "\n"
    "Commands:\n"
    "  analyze         Bioclimatic analysis of locations (inputs may be repeated and mixed)\n"
    "    --dataset brazil|south-america|world|all   built-in data set; KEY:N takes its slot N alone\n"
    "    --station WMO station of the 1991-2020 normals (see stations), as a Monthly Data location\n"
    "    --file PATH   Monthly Data file (QAV*.TXT)\n"
    "    --epw PATH    EnergyPlus weather file: one location, typical days and recorded hours\n"
    "                  (without input: Brazil, the start-up slot 5)\n"
    "    --location N  slot to analyse in each input, 1 to its number of locations (default: 1)\n"
    "    --all         every location of every input\n"
    "    --format table|json|csv                output form (default: table); JSON is one\n"
    "                  object for one location asked without --all, otherwise an array\n"
    "    --hours typical|recorded|both          for weather files (default: both)\n"
    "    --lang en|pt_BR                        words and decimal separator of the table and\n"
    "                  the pictures (default: en; pt_BR: Portuguese, decimal comma); JSON\n"
    "                  and CSV are never translated\n"
    "    --screen WxH  screen whose window the analysis reproduces, 320..16384 by\n"
    "                  200..16384 pixels (default: 1024x768)\n"
    "    --jobs N      threads, 1..256 (default: the number of cores), lowered to fit the\n"
    "                  available memory; output is the same for any N\n"
    "    --chart FILE, --graph FILE             save the chart and the monthly graph;\n"
    "                  the suffix .png or .svg chooses the format\n"
    "    --chart-dir DIR, --graph-dir DIR       save one PNG per location into DIR\n"
    "    --report FILE.pdf  PDF report: heading, chart, graph, tables and design advice\n"
    "    --report-dir DIR   one PDF report per location into DIR\n"
    "    --paper a4|letter  paper of the reports (default: a4); --lang sets their language\n"
    "    --hour-range A-B  clock hours counted, 1-24 (a range may wrap: 22-5; default 1-24)\n"
    "    --months M-N  months counted, 1-12 (may wrap: 12-2 is December to February)\n"
    "    --warming C   add C degrees to every DBTmin and DBTmax, relative humidity kept\n"
    "    --warming-file FILE   monthly changes: CSV month,dbt_min,dbt_max,rh_avg, 12 rows\n"
    "    --compare-chart FILE.png|FILE.svg      one bar of shares per location of the run\n"
    "    --sort A..J|name|list  order of the compare chart's bars (default: list)\n"
    "  psychro         Moist-air properties at the station pressure of an elevation\n"
    "    --elevation M --t C (--rh PERCENT | --w G_PER_KG) [--format text|json]\n"
    "                  ranges: elevation -500..9000 m, t -40..60 C, rh 0.1..100 %, w 0.01 g/kg\n"
    "                  up to saturation (the saturation it prints is accepted). The dew point\n"
    "                  inverts the saturation pressure (frost point below 0 C) and the wet bulb\n"
    "                  solves the psychrometric equation over water or ice: both hold over the\n"
    "                  whole range; the chart keeps its own fits for its -18..44 C.\n"
    "  stations        List stations of the 1991-2020 normals, by name or nearest first\n"
    "    [--near LAT,LON] [--name TEXT] [--limit N (default 10, 0: all)] [--format table|csv|json]\n"
    "  export-dataset brazil|south-america|world\n"
    "                  Write a built-in data set as a Monthly Data file to standard output\n"
    "\n"
    "Options --help and --version work everywhere.\n"
    "\n"
    "Exit status: 0 success, 1 an input, an output or the memory failed, 2 bad arguments.\n";

int Run(std::vector<std::string> args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        WriteOut(kUsage);
        return args.empty() ? kExitUsage : kExitOk;
    }
    // Asking for help or the version wins over anything else on the line, after any command.
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            WriteOut(kUsage);
            return kExitOk;
        }
        if (a == "--version") {
            WriteOut("qav-cli (QAV version " + std::string(kVersion) + ")\n");
            return kExitOk;
        }
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "analyze") return AnalyzeCommand(args);
    if (command == "psychro") return PsychroCommand(args);
    if (command == "export-dataset") return ExportDataSetCommand(args);
    if (command == "stations") return StationsCommand(args);
    Fail("'" + command + "': unknown command (analyze, psychro, stations, export-dataset)");
}

}  // namespace

int main(int argc, char** argv)
{
    GuardStandardStreams();
    int status = kExitFailure;
    try {
        status = Run(std::vector<std::string>(argv + 1, argv + argc));
        FinishOut();  // a late failure to deliver the output fails the run
    } catch (const OptionError& e) {
        WriteErr("error: " + e.message + "\n");
        status = kExitUsage;
    } catch (const OutputError& e) {
        WriteErr("error: " + e.message + "\n");
        status = kExitFailure;
    } catch (const std::bad_alloc&) {
        WriteErr("error: out of memory\n");
        status = kExitFailure;
    } catch (const std::exception& e) {
        WriteErr("error: " + std::string(e.what()) + "\n");
        status = kExitFailure;
    }
    return status;
}
