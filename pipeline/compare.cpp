#include "pipeline/compare.h"

#include "classify/raster_canvas.h"
#include "pipeline/exports.h"
#include "pipeline/pipeline.h"
#include "pipeline/results_table.h"

namespace qav {

CompareRow CompareRowOf(const AnalysisState& s)
{
    CompareRow row;
    row.Slot = s.CurrentLocation;
    row.Name = s.Current().LocationName;
    row.Country = s.Current().Country;
    for (int i = 1; i <= kStrategies; ++i) row.Shares[i] = s.Tally.YearShare[i];
    row.Top = s.Tally.TopStrategy[1];
    if (s.CurrentRecorded()) {
        row.HasRecorded = true;
        for (int i = 1; i <= kStrategies; ++i) row.RecordedShares[i] = s.RecordedTally.YearShare[i];
        row.RecordedTop = s.RecordedTally.TopStrategy[1];
    }
    return row;
}

std::vector<CompareRow> CompareLocations(const AnalysisState& state)
{
    AnalysisState work = state;
    const CanvasRect& c = work.Layout.Picture1;
    RasterCanvas zoneMap(c.Width, c.Height, work.Layout.PixelWidth, work.Layout.PixelHeight);
    PipelineCanvases canvases{zoneMap};
    std::vector<CompareRow> rows;
    rows.reserve(work.Locations.LocationCount);
    for (int slot = 1; slot <= work.Locations.LocationCount; ++slot) {
        work.CurrentLocation = slot;
        RunPipeline(work, canvases);
        rows.push_back(CompareRowOf(work));
        rows.back().Position = slot;
    }
    return rows;
}

std::string CompareCsv(const std::vector<CompareRow>& rows, const std::string& caption)
{
    bool recorded = false;
    for (const CompareRow& r : rows) recorded = recorded || r.HasRecorded;
    std::string csv = std::string(kSoftwareName) + " - Yearly share of each strategy by location\n";
    if (!caption.empty()) csv += CsvField(caption) + "\n";
    csv += "\nposition,slot,name,country,top";
    for (int s = 1; s <= kStrategies; ++s) csv += std::string(",") + StrategyLetter(s);
    if (recorded) {
        csv += ",recorded_top";
        for (int s = 1; s <= kStrategies; ++s) csv += std::string(",r") + StrategyLetter(s);
    }
    csv += "\n";
    const auto letter = [](int s) { return s > 0 ? std::string(1, StrategyLetter(s)) : std::string(); };
    for (const CompareRow& r : rows) {
        csv += std::to_string(r.Position) + "," + std::to_string(r.Slot) + "," + CsvTextField(r.Name) + "," +
               CsvTextField(r.Country) + "," + letter(r.Top);
        const auto field = [&csv](const std::string& text) {
            csv += ',';
            csv += text;
        };
        for (int s = 1; s <= kStrategies; ++s) field(FormatGeneral(r.Shares[s]));
        if (recorded) {
            field(r.HasRecorded ? letter(r.RecordedTop) : std::string());
            for (int s = 1; s <= kStrategies; ++s) field(r.HasRecorded ? FormatGeneral(r.RecordedShares[s]) : "");
        }
        csv += "\n";
    }
    return csv;
}

}  // namespace qav
