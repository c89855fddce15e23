#include "chart/legend.h"

#include <string>

#include "chart/picture_texts.h"
#include "core/text_format.h"

namespace qav {
namespace {

constexpr Rgb kRowBackground = MakeRgb(232, 232, 232);
constexpr Rgb kTopRowBackground = MakeRgb(255, 255, 160);


}  // namespace

void DrawLegend(ChartCanvas& chart, const ChartScale& scale, const float (&shares)[kStrategies + 1],
                const std::array<int, 4>& top, const LocationRecord& location, char decimalSeparator,
                std::string_view caption, Language language)
{
    const double pw = scale.PixelWidth, ph = scale.PixelHeight;
    // Column edges measured on templates that are never drawn.
    const double th = chart.TextHeight("W");
    const double c0 = chart.TextWidth("88");
    const double c1 = c0 + chart.TextWidth("D ");
    const double c2 = c1 + chart.TextWidth(" 88.1 ");
    const double c3 = c2 + chart.TextWidth("  ");
    const double step = th + pw;

    chart.MoveTo(c0, th / 2);
    chart.SetFontBold(true);
    chart.PrintText(FilledText(PictureText(language, picture_text::kLocation), {location.LocationName, location.Country}));
    chart.SetFontBold(false);

    double rowY = 0;
    for (int i = 1; i <= kStrategies; ++i) {
        rowY = (i - 1) * step + 2 * th;
        const bool highlighted = i == top[1] || i == top[2] || i == top[3];
        chart.DrawBox(c1, rowY, c2, rowY + th, highlighted ? kTopRowBackground : kRowBackground, true);
        chart.MoveTo(c0, rowY + pw);
        chart.PrintText(std::string(1, StrategyLetter(i)));
        chart.MoveTo(c3, rowY + pw);
        chart.PrintText(StrategyNameIn(language, i));
        const std::string share =
            shares[i] == 0 ? std::string() : FormatFixed(shares[i], 1, decimalSeparator);
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
    if (!caption.empty()) {
        chart.MoveTo(c0, y + 4 * ph);
        chart.PrintText(caption);
    }
}

}  // namespace qav
