#pragma once
// Geometry shared by the canvas implementations.
#include <algorithm>

namespace qav {

/// Clips the segment (x1, y1)-(x2, y2) to the rectangle [xlo, xhi] x [ylo, yhi] (Liang-Barsky);
/// false when nothing of it lies inside. Keeps far-off end points from reaching a rasteriser.
inline bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xlo, double ylo, double xhi, double yhi)
{
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xlo, xhi - x1, y1 - ylo, yhi - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx, y1 = oy + t0 * dy;
    x2 = ox + t1 * dx, y2 = oy + t1 * dy;
    return true;
}

}  // namespace qav
