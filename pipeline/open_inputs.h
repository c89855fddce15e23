#pragma once
// The inputs of an analysis opened as a location table: a built-in data set, a Monthly Data file
// or weather files. The window and qav-cli both open every input here, so a file reads the same
// in either and fails with the same failure value.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/builtin_sets.h"
#include "data/md_reader.h"
#include "pipeline/weather_location.h"

namespace qav {

struct InputRequest {
    enum class Kind { DataSet, MonthlyData, Weather };
    Kind What = Kind::DataSet;
    DataSetKind DataSet = DataSetKind::Brazil;
    std::vector<std::filesystem::path> Files;  // one Monthly Data file, or the weather files
    /// The files' bytes when they were read already (the browser hands over a file's text): the
    /// entry of a file, when set, is parsed instead of the file at its path, with the same limits.
    std::vector<std::optional<std::string>> Contents{};
};

/// What was opened: the table (empty when nothing could be), the recorded years and the file of
/// each slot (for files), each file's failure in the order given, the location a Monthly Data
/// file left out at its end, and what it held beyond the table's last slot.
struct OpenedInputs : WeatherFiles {
    std::optional<CutShortLocation> Warning;
    std::optional<LeftOutData> LeftOut;
};

/// Opens the inputs asked for. A Monthly Data file is read whole or not at all: on failure the
/// table stays empty and the one failure is listed. Weather files: see OpenWeatherFiles.
OpenedInputs OpenInputs(const InputRequest& request);

}  // namespace qav
