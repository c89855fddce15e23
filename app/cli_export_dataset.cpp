// qav-cli export-dataset: a built-in set written as a Monthly Data file.
#include <string>
#include <vector>

#include "app/cli_arguments.h"
#include "app/cli_commands.h"
#include "app/cli_io.h"
#include "data/builtin_sets.h"
#include "data/md_writer.h"

namespace qav::cli {

int ExportDataSetCommand(const std::vector<std::string>& args)
{
    const Arguments a(args, {}, {});
    if (a.Positional().size() != 1) Fail("export-dataset: name one data set: brazil, south-america or world");
    LocationTable table;
    LoadDataSet(ParseDataSet("export-dataset", a.Positional().front()), table);
    WriteOut(WriteMonthlyData(table));
    return kExitOk;
}

}  // namespace qav::cli
