#pragma once
// The compare picture: one horizontal stacked bar per location holding its ten yearly shares in
// the colours of the zone map, with the location's name and its top strategy; a weather-file
// location gets a second bar for its recorded hours. Drawn on any ChartCanvas.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_canvas.h"
#include "text/language.h"
#include "chart/strategy.h"

namespace qav {

/// One location's shares as the compare picture shows them.
struct CompareRow {
    int Position = 0;  // 1-based place in the list (or in the run), the "list order"
    int Slot = 0;
    std::string Name;
    std::string Country;
    std::array<float, kStrategies + 1> Shares{};  // typical days, percent, [1..10]
    int Top = 0;                                  // largest share's strategy
    bool HasRecorded = false;
    std::array<float, kStrategies + 1> RecordedShares{};
    int RecordedTop = 0;
};

enum class CompareSortKey { ListOrder, Name, Strategy };
struct CompareSort {
    CompareSortKey Key = CompareSortKey::ListOrder;
    int Strategy = 0;  // 1..10 for CompareSortKey::Strategy
    bool operator==(const CompareSort&) const = default;
};

/// List order; names by their folded text (FoldedLess: case and accents aside); a strategy's share, largest first. Ties
/// keep list order.
void SortCompareRows(std::vector<CompareRow>& rows, const CompareSort& sort);

/// The most pixels a side of a PNG picture: further bars continue on another page.
constexpr int kMaxComparePixels = 16384;

/// The rows, in their order, split into pages whose pictures are at most maxPixels high at one
/// canvas pixel a pixel; a row and its recorded bar stay on one page. One page at least.
std::vector<std::vector<CompareRow>> ComparePages(std::vector<CompareRow> rows, int maxPixels);

/// The text cut to fit the width, with an ellipsis when cut, at whole UTF-8 characters: the
/// longest prefix that fits, found by halving (a logarithmic number of measurements).
std::string FitText(const ChartCanvas& canvas, const std::string& text, double width);

/// Where everything of the picture goes, in canvas units.
struct CompareLayout {
    int PixelWidth = 15, PixelHeight = 15;  // canvas units per pixel
    double Width = 0, Height = 0;
    double BarsTop = 0;     // y of the first bar's line
    double LineHeight = 0;  // one bar's line
    double NameLeft = 0, BarLeft = 0, BarWidth = 0, TopLeft = 0;
    /// For each line from the top: the row it belongs to and whether it is the recorded bar.
    std::vector<std::pair<int, bool>> Lines;
};

CompareLayout MakeCompareLayout(const std::vector<CompareRow>& rows, int pixelWidth, int pixelHeight);

/// The row whose bar line holds y, or -1 above, below or between none.
int CompareRowAt(const CompareLayout& layout, double y);

/// A share's left and right edge on a bar from barLeft, barWidth wide: the shares are laid end to
/// end in strategy order, 100 % filling the bar (a rounded sum above 100 is held at its end).
std::pair<double, double> CompareSegment(double barLeft, double barWidth,
                                         const std::array<float, kStrategies + 1>& shares, int strategy);

/// One stacked bar of the shares with its outline, the letters of the segments wide enough for
/// them centred at textY; pixelWidth and pixelHeight are canvas units per pixel.
void DrawCompareBar(ChartCanvas& canvas, double left, double top, double width, double height, double textY,
                    const std::array<float, kStrategies + 1>& shares, int pixelWidth, int pixelHeight);

/// Title and caption (what the shares count, a warming), the key of the ten strategies, then one
/// line per bar: name (or "recorded hours"), the bar with the letters of the segments wide
/// enough for them, and the top strategy with its share.
void DrawCompareChart(ChartCanvas& canvas, const CompareLayout& layout, const std::vector<CompareRow>& rows,
                      std::string_view caption = {}, char decimalSeparator = '.',
                      Language language = Language::English);

/// "E Thermal Comfort 36.8 %": a bar's top strategy as its line and screen readers say it.
std::string CompareTopText(const std::array<float, kStrategies + 1>& shares, int top, char decimalSeparator = '.',
                           Language language = Language::English);

}  // namespace qav
