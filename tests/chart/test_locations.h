#pragma once
// Locations for the chart and classification tests.
#include "core/location.h"

namespace qav::testing {

// Brasilia as the built-in Brazil set carries it (slot 5: -15.78, -47.93, 1160 m, "GOV").
inline LocationRecord Brasilia()
{
    LocationRecord r;
    r.LocationName = "Brasília";
    r.Country = "Brazil";
    r.Latitude = -15.78f;
    r.Longitude = -47.93f;
    r.Elevation = 1160;
    r.DataSource = "GOV";
    const float mins[] = {17.4f, 17.4f, 17.5f, 16.8f, 15, 13.3f, 12.9f, 14.6f, 16, 17.4f, 17.5f, 17.5f};
    const float maxs[] = {26.9f, 26.7f, 27.1f, 26.6f, 25.7f, 25.2f, 25.1f, 27.3f, 28.3f, 27.5f, 26.6f, 26.2f};
    const float rhs[] = {76, 77, 76, 75, 68, 61, 56, 49, 53, 66, 75, 79};
    for (int m = 1; m <= kMonths; ++m) r.Month[m] = {mins[m - 1], maxs[m - 1], rhs[m - 1]};
    return r;
}

}  // namespace qav::testing
