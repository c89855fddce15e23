#include "data/md_writer.h"

#include "core/text_format.h"

#include <algorithm>
#include <string_view>

namespace qav {
namespace {

void AppendText(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
        out += c;
    }
    out += '"';
}

// Fixed notation: the file format has no exponents.
void AppendNumber(std::string& out, float value) { out += FormatShortestFixed(value); }

}  // namespace

std::string WriteMonthlyData(const LocationTable& table)
{
    std::string out;
    const int count = std::clamp(table.LocationCount, 0, kMaxLocations);
    for (int slot = 1; slot <= count; ++slot) {
        const LocationRecord& r = table.Slot[slot];
        AppendText(out, r.LocationName);
        out += ',';
        AppendText(out, r.Country);
        out += ',';
        AppendNumber(out, r.Latitude);
        out += ',';
        AppendNumber(out, r.Longitude);
        out += ',';
        AppendNumber(out, r.Elevation);
        out += ',';
        AppendText(out, r.DataSource);
        out += '\n';
        for (int m = 1; m <= kMonths; ++m) {
            out += std::to_string(m);
            out += ',';
            AppendNumber(out, r.Month[m].DBTmin);
            out += ',';
            AppendNumber(out, r.Month[m].DBTmax);
            out += ',';
            AppendNumber(out, r.Month[m].RHavg);
            out += '\n';
        }
    }
    return out;
}

}  // namespace qav
