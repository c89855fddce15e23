#include "pipeline/open_inputs.h"

namespace qav {

OpenedInputs OpenInputs(const InputRequest& request)
{
    OpenedInputs opened;
    switch (request.What) {
        case InputRequest::Kind::DataSet:
            LoadDataSet(request.DataSet, opened.Table);
            break;
        case InputRequest::Kind::Weather:
            static_cast<WeatherFiles&>(opened) = OpenWeatherFiles(request.Files);
            break;
        case InputRequest::Kind::MonthlyData: {
            if (request.Files.empty()) break;
            ReadResult result = ReadMonthlyDataFile(request.Files.front());
            if (result.failure) {
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
