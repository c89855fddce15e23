#pragma once
// The analysis layout in canvas units, derived from a screen: it sizes the chart canvas, and
// with it the zone map that classifies every hour, and the monthly graph. The window, qav-cli and
// the tests all use the reference screen below, so the shares never depend on the monitor; a
// screen description reproduces the numbers a window on another screen size used to give.
#include <cmath>

namespace qav {

/// A screen in logical pixels and the canvas units in one pixel (15 twips on a 96 dpi screen).
/// The defaults are the reference screen: 1024 x 768 at 15 units per pixel gives a chart of
/// 8076 x 6259 units and a DegreeWidth of 112.
struct ScreenDescription {
    int WidthPx = 1024;
    int HeightPx = 768;
    int UnitsPerPixel = 15;
};

/// The screen every analysis is laid out for unless the user asks for the monitor's own size.
inline constexpr ScreenDescription kReferenceScreen{};

struct CanvasRect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

struct ScreenLayout {
    int PixelWidth = 15;   // canvas units per screen pixel, horizontally
    int PixelHeight = 15;  // canvas units per screen pixel, vertically
    double U = 0;          // layout unit: the chart is 40 U by 31 U
    CanvasRect Picture1;   // bioclimatic chart (and, same size, the hidden zone map)
    CanvasRect Picture3;   // monthly climate graph
    CanvasRect Results;    // results panel
    CanvasRect Label2;     // caption above the location list (its height is the window's to set)
    CanvasRect List1;      // location list, without the caption's height
};

/// Layout of a block 75 U wide centred on the screen, U = (screen height - 95 px) / 50; the
/// canvas sizes are rounded to whole canvas units (1024 x 768 at 15 gives a chart of 8076 x 6259).
inline ScreenLayout LayoutForScreen(const ScreenDescription& s)
{
    ScreenLayout l;
    l.PixelWidth = l.PixelHeight = s.UnitsPerPixel;
    l.U = (s.HeightPx - 95.0) * l.PixelHeight / 50;
    const double sw = static_cast<double>(s.WidthPx) * l.PixelWidth;
    const double left = (sw - 75 * l.U) / 2;
    const double top = 12.0 * l.PixelWidth;
    const double u = l.U;
    l.Picture1 = {left, 12.0 * l.PixelHeight, std::nearbyint(40 * u), std::nearbyint(31 * u)};
    l.Picture3 = {left + 41 * u, top, std::nearbyint(34 * u), std::nearbyint(21 * u)};
    l.Results = {left + 41 * u, top + 22 * u, std::nearbyint(34 * u), std::nearbyint(28 * u)};
    l.Label2 = {left, top + 32 * u, 40 * u, 0};
    l.List1 = {left, top + 32 * u, 40 * u, 18 * u};
    return l;
}

}  // namespace qav
