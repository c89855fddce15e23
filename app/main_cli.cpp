// qav-cli: the analysis without a window. Runs the same pipeline as the window on a described
// screen, prints the results as a table, JSON or CSV, and can save the chart and the graph.
// This file holds the usage text (its option lines: app/cli_options.h) and the dispatch to the commands (app/cli_*.cpp).
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/cli_arguments.h"
#include "app/cli_commands.h"
#include "app/cli_io.h"
#include "app/cli_options.h"
#include "app/cli_places.h"
#include "app/cli_stations.h"
#include "core/version.h"
#include "pictures/temporary_files.h"

namespace {

using namespace qav;
using namespace qav::cli;

// The option lines come from the table that the manual page is written from as well.
std::string UsageText()
{
    return "Usage: qav-cli <command> [options]\n"
           "\n"
           "Commands:\n"
           "  analyze         Bioclimatic analysis of locations (inputs may be repeated and mixed)\n" +
           UsageOptionLines("analyze") +
           "  psychro         Moist-air properties at the station pressure of an elevation\n" +
           UsageOptionLines("psychro") +
           "                  The dew point inverts the saturation pressure (frost point below 0 C)\n"
           "                  and the wet bulb solves the psychrometric equation over water or ice:\n"
           "                  both hold over the whole range; the chart keeps its own fits for its\n"
           "                  -18..44 C.\n"
           "  stations        List stations of the 1991-2020 normals, by name or nearest first\n" +
           UsageOptionLines("stations") +
           "  places          Find towns and cities by name (GeoNames, CC BY 4.0), with their nearest stations\n" +
           UsageOptionLines("places") +
           "  export-dataset brazil|south-america|world\n"
           "                  Write a built-in data set as a Monthly Data file to standard output\n"
           "\n"
           "Options --help and --version work everywhere.\n"
           "\n"
           "Exit status: 0 success, 1 an input, an output or the memory failed, 2 bad arguments.\n";
}

int Run(std::vector<std::string> args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        WriteOut(UsageText());
        return args.empty() ? kExitUsage : kExitOk;
    }
    // Asking for help or the version wins over anything else on the line, after any command.
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            WriteOut(UsageText());
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
    if (command == "places") return PlacesCommand(args);
    Fail("'" + command + "': unknown command (analyze, psychro, stations, places, export-dataset)");
}

}  // namespace

int main(int argc, char** argv)
{
    GuardStandardStreams();
    IgnoreOutputSignals();
    int status = kExitFailure;
    try {
        status = Run(std::vector<std::string>(argv + 1, argv + argc));
        FinishOut();  // a late failure to deliver the output fails the run
    } catch (const OptionError& e) {
        WriteErr("error: " + e.message + "\n");
        status = kExitUsage;
    } catch (const OutputError& e) {
        if (!e.message.empty()) WriteErr("error: " + e.message + "\n");
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
