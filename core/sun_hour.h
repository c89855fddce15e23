#pragma once
// One hour as the sun and the shading see it: where the sun stands and whether the hour wants
// sun or shade. The plain type that classify/ fills and chart/ draws.
namespace qav {

enum class SunNeed : signed char { SunDown, Neutral, Overheated, Underheated };

struct SunHour {
    double AltitudeDeg = 0;
    double AzimuthDeg = 0;  // clockwise from north
    SunNeed Need = SunNeed::SunDown;
};

}  // namespace qav
