#include "chart/compare_chart.h"

#include <algorithm>
#include <cmath>

#include "text/picture_texts.h"
#include "core/text_fold.h"
#include "core/text_format.h"

namespace qav {
namespace {

// Layout in screen pixels; the canvas units follow from the pixel size.
constexpr int kMargin = 10;
constexpr int kTextLine = 20;
constexpr int kKeyColumns = 5;
constexpr int kKeyColumnWidth = 196;
constexpr int kLine = 22;  // one bar line: a 16-pixel bar and a gap
constexpr int kBarHeight = 16;
constexpr int kNameWidth = 240;
constexpr int kBarWidth = 560;
constexpr int kTopWidth = 180;
constexpr int kGap = 10;

constexpr Rgb kBarOutline = MakeRgb(64, 64, 64);

// Dark zone colours carry their letter in white.
bool IsDark(Rgb c) { return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c) < 128000; }

}  // namespace

void SortCompareRows(std::vector<CompareRow>& rows, const CompareSort& sort)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const CompareRow& a, const CompareRow& b) {
        switch (sort.Key) {
            case CompareSortKey::Name:
                if (a.Name != b.Name) return FoldedLess(a.Name, b.Name);
                break;
            case CompareSortKey::Strategy:
                if (a.Shares[sort.Strategy] != b.Shares[sort.Strategy])
                    return a.Shares[sort.Strategy] > b.Shares[sort.Strategy];
                break;
            case CompareSortKey::ListOrder:
                break;
        }
        return a.Position < b.Position;
    });
}

std::string FitText(const ChartCanvas& canvas, const std::string& text, double width)
{
    if (canvas.TextWidth(text) <= width) return text;
    // Where each character starts after the first: the prefixes that may be kept.
    std::vector<std::size_t> cuts{0};
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) cuts.push_back(i);
    }
    // The longest prefix whose text with the ellipsis fits: a prefix is never narrower than a
    // shorter one, so the fitting ones come first.
    std::size_t fits = 0, tooWide = cuts.size();  // cuts[fits] fits (or is empty), cuts[tooWide] does not
    if (canvas.TextWidth(text.substr(0, cuts[0]) + "\u2026") > width) return {};
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        if (canvas.TextWidth(text.substr(0, cuts[middle]) + "\u2026") <= width)
            fits = middle;
        else
            tooWide = middle;
    }
    return text.substr(0, cuts[fits]) + "\u2026";
}

std::vector<std::vector<CompareRow>> ComparePages(std::vector<CompareRow> rows, int maxPixels)
{
    // Pixels of a page: the title, caption and key above the bars, a margin below them.
    const int bars = maxPixels - (kMargin + 4 * kTextLine + kGap) - kMargin;
    const int linesPerPage = std::max(2, bars / kLine);
    std::vector<std::vector<CompareRow>> pages(1);
    int lines = 0;
    for (CompareRow& row : rows) {
        const int needed = row.HasRecorded ? 2 : 1;
        if (lines + needed > linesPerPage) {
            pages.emplace_back();
            lines = 0;
        }
        lines += needed;
        pages.back().push_back(std::move(row));
    }
    return pages;
}

CompareLayout MakeCompareLayout(const std::vector<CompareRow>& rows, int pixelWidth, int pixelHeight)
{
    CompareLayout l;
    l.PixelWidth = pixelWidth;
    l.PixelHeight = pixelHeight;
    const double pw = pixelWidth, ph = pixelHeight;
    l.NameLeft = kMargin * pw;
    l.BarLeft = (kMargin + kNameWidth + kGap) * pw;
    l.BarWidth = kBarWidth * pw;
    l.TopLeft = l.BarLeft + l.BarWidth + kGap * pw;
    l.Width = l.TopLeft + (kTopWidth + kMargin) * pw;
    // Title, caption, two lines of the key, a gap.
    l.BarsTop = (kMargin + 4 * kTextLine + kGap) * ph;
    l.LineHeight = kLine * ph;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        l.Lines.emplace_back(i, false);
        if (rows[i].HasRecorded) l.Lines.emplace_back(i, true);
    }
    l.Height = l.BarsTop + static_cast<double>(l.Lines.size()) * l.LineHeight + kMargin * ph;
    return l;
}

int CompareRowAt(const CompareLayout& l, double y)
{
    if (y < l.BarsTop || l.LineHeight <= 0) return -1;
    const auto line = static_cast<size_t>((y - l.BarsTop) / l.LineHeight);
    return line < l.Lines.size() ? l.Lines[line].first : -1;
}

std::pair<double, double> CompareSegment(double barLeft, double barWidth,
                                         const std::array<float, kStrategies + 1>& shares, int strategy)
{
    double before = 0;
    for (int s = 1; s < strategy; ++s) before += shares[s];
    const double end = barLeft + barWidth;
    const double left = std::min(end, barLeft + before / 100 * barWidth);
    return {left, std::min(end, left + shares[strategy] / 100.0 * barWidth)};
}

void DrawCompareBar(ChartCanvas& canvas, double left, double top, double width, double height, double textY,
                    const std::array<float, kStrategies + 1>& shares, int pixelWidth, int pixelHeight)
{
    const double pw = pixelWidth, bottom = top + height - pixelHeight;
    for (int s = 1; s <= kStrategies; ++s) {
        const auto [x1, x2] = CompareSegment(left, width, shares, s);
        if (x2 - x1 < pw) continue;
        canvas.DrawBox(x1, top, x2 - pw, bottom, ZoneColour[s], true);
        const std::string letter(1, StrategyLetter(s));
        if (x2 - x1 >= canvas.TextWidth(letter) + 4 * pw) {
            canvas.SetForeColour(IsDark(ZoneColour[s]) ? kWhite : kBlack);
            canvas.MoveTo((x1 + x2 - canvas.TextWidth(letter)) / 2, textY);
            canvas.PrintText(letter);
        }
    }
    canvas.DrawBox(left, top, left + width - pw, bottom, kBarOutline, false);
    canvas.SetForeColour(kBlack);
}

std::string CompareTopText(const std::array<float, kStrategies + 1>& shares, int top, char decimalSeparator,
                           Language language)
{
    if (top < 1 || top > kStrategies) return {};
    return std::string(1, StrategyLetter(top)) + " " + std::string(StrategyNameIn(language, top)) + " " +
           FormatFixed(shares[top], 1, decimalSeparator) + " %";
}

void DrawCompareChart(ChartCanvas& canvas, const CompareLayout& l, const std::vector<CompareRow>& rows,
                      std::string_view caption, char decimalSeparator, Language language)
{
    const double pw = l.PixelWidth, ph = l.PixelHeight;
    canvas.Clear();
    canvas.SetDrawWidth(1);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.SetForeColour(kBlack);

    canvas.MoveTo(l.NameLeft, kMargin * ph);
    canvas.SetFontBold(true);
    canvas.PrintText(PictureText(language, picture_text::kCompareTitle));
    canvas.SetFontBold(false);
    if (!caption.empty()) {
        canvas.MoveTo(l.NameLeft, (kMargin + kTextLine) * ph);
        canvas.PrintText(caption);
    }
    for (int s = 1; s <= kStrategies; ++s) {
        const double x = l.NameLeft + ((s - 1) % kKeyColumns) * kKeyColumnWidth * pw;
        const double y = (kMargin + (2 + (s - 1) / kKeyColumns) * kTextLine) * ph;
        canvas.DrawBox(x, y + 3 * ph, x + 12 * pw, y + 14 * ph, ZoneColour[s], true);
        canvas.DrawBox(x, y + 3 * ph, x + 12 * pw, y + 14 * ph, kBarOutline, false);
        canvas.MoveTo(x + 16 * pw, y);
        canvas.PrintText(std::string(1, StrategyLetter(s)) + " " + std::string(StrategyNameIn(language, s)));
    }

    const double textOffset = (kLine - canvas.TextHeight("W") / ph) / 2 * ph;
    for (size_t i = 0; i < l.Lines.size(); ++i) {
        const auto [index, recordedBar] = l.Lines[i];
        const CompareRow& row = rows[index];
        const auto& shares = recordedBar ? row.RecordedShares : row.Shares;
        const double y = l.BarsTop + static_cast<double>(i) * l.LineHeight;
        const double barTop = y + (kLine - kBarHeight) / 2.0 * ph;

        canvas.SetForeColour(kBlack);
        canvas.MoveTo(l.NameLeft, y + textOffset);
        canvas.PrintText(
            FitText(canvas, recordedBar ? std::string(PictureText(language, picture_text::kCompareRecorded)) : row.Name,
                    (kNameWidth - 4) * pw));

        DrawCompareBar(canvas, l.BarLeft, barTop, l.BarWidth, kBarHeight * ph, y + textOffset, shares, l.PixelWidth,
                       l.PixelHeight);

        canvas.SetForeColour(kBlack);
        canvas.MoveTo(l.TopLeft, y + textOffset);
        const int top = recordedBar ? row.RecordedTop : row.Top;
        canvas.PrintText(FitText(canvas, CompareTopText(shares, top, decimalSeparator, language), kTopWidth * pw));
    }
    canvas.SetForeColour(kBlack);
}

}  // namespace qav
