#include "pipeline/open_inputs.h"

namespace qav {
namespace {

const std::optional<std::string>& ContentsOf(const InputRequest& request, std::size_t file)
{
    static const std::optional<std::string> none;
    return file < request.Contents.size() ? request.Contents[file] : none;
}

// Weather files of which some came as bytes, in the order and with the slots of OpenWeatherFiles.
WeatherFiles OpenWeatherContents(const InputRequest& request)
{
    WeatherFiles opened;
    for (std::size_t i = 0; i < request.Files.size(); ++i) {
        if (i >= kMaxLocations) {
            ++opened.NotOpened;
            continue;
        }
        const std::optional<std::string>& bytes = ContentsOf(request, i);
        EpwResult result = bytes ? ReadEpw(*bytes) : ReadEpwFile(request.Files[i]);
        if (result.failure) {
            if (bytes) result.failure->File = request.Files[i];
            opened.Failures.push_back(std::move(*result.failure));
            continue;
        }
        WeatherLocation location = MakeWeatherLocation(result.file);
        const int slot = ++opened.Table.LocationCount;
        opened.Table.Slot[slot] = std::move(location.Location);
        opened.Recorded[slot] = std::move(location.Recorded);
        opened.Files[slot] = request.Files[i].string();
    }
    return opened;
}

}  // namespace

OpenedInputs OpenInputs(const InputRequest& request)
{
    OpenedInputs opened;
    switch (request.What) {
        case InputRequest::Kind::DataSet:
            LoadDataSet(request.DataSet, opened.Table);
            break;
        case InputRequest::Kind::Weather:
            static_cast<WeatherFiles&>(opened) =
                request.Contents.empty() ? OpenWeatherFiles(request.Files) : OpenWeatherContents(request);
            break;
        case InputRequest::Kind::MonthlyData: {
            if (request.Files.empty()) break;
            const std::optional<std::string>& bytes = ContentsOf(request, 0);
            ReadResult result = bytes ? ReadMonthlyData(*bytes) : ReadMonthlyDataFile(request.Files.front());
            if (result.failure) {
                if (bytes) result.failure->File = request.Files.front();
                opened.Failures.push_back(std::move(*result.failure));
                break;
            }
            opened.Table = std::move(result.table);
            opened.Warning = std::move(result.warning);
            opened.LeftOut = std::move(result.leftOut);
            for (int slot = 1; slot <= opened.Table.LocationCount; ++slot)
                opened.Files[size_t(slot)] = request.Files.front().string();
            opened.NotOpened = int(request.Files.size()) - 1;
            break;
        }
    }
    return opened;
}

}  // namespace qav
