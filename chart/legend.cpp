#include "chart/legend.h"

#include <algorithm>
#include <string>

#include "text/picture_texts.h"
#include "text/stored_country_names.h"
#include "core/text_format.h"

namespace qav {
namespace {

constexpr Rgb kRowBackground = MakeRgb(232, 232, 232);
constexpr Rgb kTopRowBackground = MakeRgb(255, 255, 160);

// Column edges and row pitch, measured on templates that are never drawn.
struct LegendGeometry {
    double th, c0, c1, c2, c3, step;
    explicit LegendGeometry(const ChartCanvas& chart, const ChartScale& scale)
        : th(chart.TextHeight("W")),
          c0(chart.TextWidth("88")),
          c1(c0 + chart.TextWidth("D ")),
          c2(c1 + chart.TextWidth(" 88.1 ")),
          c3(c2 + chart.TextWidth("  ")),
          step(th + scale.PixelWidth)
    {
    }
    double RowTop(int strategy) const { return (strategy - 1) * step + 2 * th; }
};

}  // namespace

std::vector<std::string> WrapText(const ChartCanvas& chart, std::string_view text, double width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (!line.empty() && chart.TextWidth(longer) > width) {
            lines.push_back(std::move(line));
            longer = std::string(word);  // a word wider than the width stands alone
        }
        line = std::move(longer);
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

int LegendRowAt(const ChartCanvas& chart, const ChartScale& scale, double x, double y)
{
    const LegendGeometry g(chart, scale);
    if (x < g.c0 || x > g.c3 + chart.TextWidth(StrategyName[9])) return 0;
    for (int i = 1; i <= kStrategies; ++i)
        if (y >= g.RowTop(i) && y < g.RowTop(i) + g.step) return i;
    return 0;
}

void DrawLegend(ChartCanvas& chart, const ChartScale& scale, const float (&shares)[kStrategies + 1],
                const std::array<int, 4>& top, const LocationRecord& location, char decimalSeparator,
                std::string_view caption, Language language)
{
    const double pw = scale.PixelWidth, ph = scale.PixelHeight;
    const LegendGeometry g(chart, scale);
    const double th = g.th, c0 = g.c0, c1 = g.c1, c2 = g.c2, c3 = g.c3, step = g.step;

    chart.MoveTo(c0, th / 2);
    chart.SetFontBold(true);
    chart.PrintText(FilledText(PictureText(language, picture_text::kLocation),
                               {location.LocationName, StoredCountryName(language, location.Country)}));
    chart.SetFontBold(false);

    double rowY = 0;
    for (int i = 1; i <= kStrategies; ++i) {
        rowY = g.RowTop(i);
        const bool highlighted = i == top[1] || i == top[2] || i == top[3];
        chart.DrawBox(c1, rowY, c2, rowY + th, highlighted ? kTopRowBackground : kRowBackground, true);
        chart.MoveTo(c0, rowY + pw);
        chart.PrintText(std::string(1, StrategyLetter(i)));
        chart.MoveTo(c3, rowY + pw);
        chart.PrintText(StrategyNameIn(language, i));
        const std::string share = shares[i] == 0 ? std::string() : FormatFixed(shares[i], 1, decimalSeparator);
        chart.MoveTo(c2 - 4 * pw - chart.TextWidth(share), rowY + pw);  // right-aligned in the box
        chart.PrintText(share);
    }

    double y = rowY + 1.5 * step;
    for (int q = 1; q <= 4; ++q) {
        chart.DrawBox(c0, y, c0 + 12 * pw, y + 11 * ph, MarkColour[q], true);
        chart.DrawBox(c0, y, c0 + 12 * pw, y + 11 * ph, kBlack, false);
        chart.MoveTo(c0 + 18 * pw, y);
        chart.PrintText(PictureText(language, picture_text::kQuarter[q]));
        y += 14 * ph;
    }
    // The caption wraps to the legend's width, where it stays above the saturation curve: a long
    // one would run into the zone lines and, on a chart of recorded hours, under the dots.
    double legendWidth = 0;
    for (int i = 1; i <= kStrategies; ++i)
        legendWidth = std::max(legendWidth, chart.TextWidth(StrategyNameIn(language, i)));
    y += 4 * ph;
    for (const std::string& line : WrapText(chart, caption, c3 + legendWidth - c0)) {
        chart.MoveTo(c0, y);
        chart.PrintText(line);
        y += th;
    }
}

}  // namespace qav
