#include "chart/adaptive_hours_grid.h"

#include <algorithm>
#include <string>

#include "text/adaptive_hours_texts.h"
#include "text/month_names.h"

namespace qav {
namespace {

namespace at = adaptive_hours_text;

// Cold to hot, as comfort maps shade it; the fans' hours between the band and the hot side.
constexpr std::array<Rgb, kAdaptiveHourClasses> kClassColours{MakeRgb(90, 150, 220), MakeRgb(120, 190, 110),
                                                              MakeRgb(240, 200, 80), MakeRgb(215, 80, 60)};
constexpr std::array<const char*, kAdaptiveHourClasses> kClassNames{at::kBelow, at::kWithin, at::kWithinFan,
                                                                    at::kAbove};
constexpr Rgb kOutsideColour = MakeRgb(205, 205, 205);
constexpr Rgb kCellLine = MakeRgb(255, 255, 255);

void AddHour(AdaptiveHoursGrid& grid, const AdaptiveYear& year, int month, int hour, float t)
{
    if (month < 1 || month > kMonths || hour < 1 || hour > kHours || !year.Month[month].InRange) return;
    const AdaptiveHourClass kind = ClassifyAdaptiveHour(year.Model, year.Month[month], t);
    ++grid.Hours[month][hour][static_cast<std::size_t>(kind)];
}

AdaptiveHoursGrid EmptyGrid(const AdaptiveYear& year, bool recorded)
{
    AdaptiveHoursGrid grid;
    grid.Model = year.Model;
    grid.Recorded = recorded;
    for (int m = 1; m <= kMonths; ++m) grid.InRange[m] = year.Month[m].InRange;
    return grid;
}

}  // namespace

int AdaptiveGridLevel(ComfortModel model) { return model == ComfortModel::En16798 ? 1 : 0; }

AdaptiveHourClass ClassifyAdaptiveHour(ComfortModel model, const AdaptiveMonth& month, float t)
{
    // Counted on an empty copy of the month, so that the grid follows the tables' rule exactly.
    AdaptiveMonth one = AdaptiveBand(model, month.MeanOutdoor);
    CountAdaptiveHour(model, one, t);
    const auto level = static_cast<std::size_t>(AdaptiveGridLevel(model));
    if (one.Within[level] > 0) return AdaptiveHourClass::Within;
    if (one.Below[level] > 0) return AdaptiveHourClass::Below;
    // ASHRAE 55's elevated air speed at 0.9 m/s; EN 16798-1 has no such count here.
    if (model == ComfortModel::Ashrae55 && one.WithinFan[1] > 0) return AdaptiveHourClass::WithinFan;
    return AdaptiveHourClass::Above;
}

AdaptiveHoursGrid TypicalHoursGrid(const AdaptiveYear& year, const HourlyTable& hours)
{
    AdaptiveHoursGrid grid = EmptyGrid(year, false);
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) AddHour(grid, year, m, h, hours.DBT[m][h]);
    return grid;
}

AdaptiveHoursGrid RecordedHoursGrid(const AdaptiveYear& year, const std::vector<RecordedHour>& hours)
{
    AdaptiveHoursGrid grid = EmptyGrid(year, true);
    for (const RecordedHour& h : hours) AddHour(grid, year, h.Month, h.Hour, h.DBT);
    return grid;
}

Rgb AdaptiveHourColour(AdaptiveHourClass kind) { return kClassColours[static_cast<std::size_t>(kind)]; }

void DrawAdaptiveHoursGrid(ChartCanvas& canvas, const AdaptiveHoursGrid& grid, int pixelWidth, int pixelHeight,
                           Language language, std::string_view title)
{
    const double px = std::max(1, pixelWidth), py = std::max(1, pixelHeight);
    const auto text = [language](const char* english) { return AdaptiveHoursText(language, english); };
    canvas.Clear();
    PrintPictureTitle(canvas, px, title);
    const bool ashrae = grid.Model != ComfortModel::En16798;
    const std::string heading = FilledText(text(ashrae ? at::kAshraeGrid : at::kEnGrid),
                                           {text(grid.Recorded ? at::kRecordedShares : at::kTypical)});
    canvas.SetFontBold(true);
    canvas.MoveTo(10 * px, 14 * py);
    canvas.PrintText(heading);
    canvas.SetFontBold(false);

    // Month names on the left, the hours under the grid, the legend at the foot in up to two rows.
    const double w = canvas.CanvasWidth(), h = canvas.CanvasHeight();
    const double left = 40 * px, right = w - 10 * px, top = 36 * py, bottom = h - 62 * py;
    const double cw = (right - left) / kHours, ch = (bottom - top) / kMonths;
    for (int m = 1; m <= kMonths; ++m) {
        const double y = top + (m - 1) * ch;
        const std::string_view month =
            Translated(language, "qav::Month", kMonthAbbreviation[static_cast<std::size_t>(m)], "abbreviation");
        canvas.MoveTo(left - 6 * px - canvas.TextWidth(month), y + (ch - canvas.TextHeight(month)) / 2);
        canvas.PrintText(month);
        if (!grid.InRange[m]) {
            canvas.DrawBox(left, y, right, y + ch, kOutsideColour, true);
            continue;
        }
        for (int hour = 1; hour <= kHours; ++hour) {
            const auto& counts = grid.Hours[m][hour];
            int total = 0;
            for (const int n : counts) total += n;
            double x = left + (hour - 1) * cw;
            // The classes side by side in the cell, each as wide as its share of the cell's hours.
            for (int c = 0; c < kAdaptiveHourClasses && total > 0; ++c) {
                const double width = cw * counts[static_cast<std::size_t>(c)] / total;
                if (width <= 0) continue;
                canvas.DrawBox(x, y, x + width, y + ch, kClassColours[static_cast<std::size_t>(c)], true);
                x += width;
            }
        }
    }
    for (int hour = 0; hour <= kHours; ++hour)
        canvas.DrawLine(left + hour * cw, top, left + hour * cw, bottom, kCellLine);
    for (int m = 0; m <= kMonths; ++m) canvas.DrawLine(left, top + m * ch, right, top + m * ch, kCellLine);
    canvas.DrawBox(left, top, right, bottom, kBlack, false);
    // Named over the cell lines, so that they do not cross the words.
    const std::string_view outside = text(at::kOutsideRange);
    for (int m = 1; m <= kMonths; ++m) {
        if (grid.InRange[m]) continue;
        const double y = top + (m - 1) * ch;
        const double x = (left + right - canvas.TextWidth(outside)) / 2;
        canvas.DrawBox(x - 4 * px, y + 2 * py, x + canvas.TextWidth(outside) + 4 * px, y + ch - 2 * py, kOutsideColour,
                       true);
        canvas.MoveTo(x, y + (ch - canvas.TextHeight(outside)) / 2);
        canvas.PrintText(outside);
    }

    // The hour ending at each cell's right edge, every third hour.
    const std::string_view axis = text(at::kHourAxis);
    canvas.MoveTo(left - 6 * px - canvas.TextWidth(axis), bottom + 3 * py);
    canvas.PrintText(axis);
    for (int hour = 3; hour <= kHours; hour += 3) {
        const std::string label = std::to_string(hour);
        canvas.MoveTo(left + (hour - 0.5) * cw - canvas.TextWidth(label) / 2, bottom + 3 * py);
        canvas.PrintText(label);
    }

    struct Key {
        Rgb Colour;
        std::string_view Name;
    };
    std::vector<Key> keys;
    for (int c = 0; c < kAdaptiveHourClasses; ++c)
        if (ashrae || c != static_cast<int>(AdaptiveHourClass::WithinFan))
            keys.push_back(
                {kClassColours[static_cast<std::size_t>(c)], text(kClassNames[static_cast<std::size_t>(c)])});
    keys.push_back({kOutsideColour, text(at::kOutsideRange)});
    double x = left, y = bottom + 22 * py;
    for (const Key& k : keys) {
        const double width = 16 * px + canvas.TextWidth(k.Name) + 14 * px;
        if (x + width > w && x > left) x = left, y += 16 * py;
        canvas.DrawBox(x, y, x + 12 * px, y + 9 * py, k.Colour, true);
        canvas.DrawBox(x, y, x + 12 * px, y + 9 * py, kBlack, false);
        canvas.MoveTo(x + 16 * px, y - 2 * py);
        canvas.PrintText(k.Name);
        x += width;
    }
}

}  // namespace qav
