#include "data/md_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "data/md_reader.h"

namespace qav {
namespace {

// The layout itself is pinned by the built-in sets' published records, written with this writer.
TEST(WriteMonthlyData, WritesTextsTheFormatCannotHoldAsNearAsItCan)
{
    LocationTable t;
    t.LocationCount = 1;
    t.Slot[1].LocationName = "\"Quoted\" name";
    t.Slot[1].Country = "two\r\nlines";
    t.Slot[1].Month[1].DBTmin = 0.0001f;  // fixed notation, never 1e-04
    const std::string text = WriteMonthlyData(t);
    EXPECT_EQ(text.substr(0, text.find('\n')), "\"'Quoted' name\",\"two  lines\",0,0,0,\"\"");
    EXPECT_EQ(text.substr(text.find('\n') + 1, 15), "1,0.0001,0,0\n2,");
}

// Every float the reader accepts comes back bit for bit, in every number field, including ones
// whose shortest decimal form lies close to the midpoint between two floats.
TEST(WriteMonthlyData, RoundTripsAwkwardFloats)
{
    LocationTable t;
    t.LocationCount = 1;
    LocationRecord& rec = t.Slot[1];
    rec.Latitude = 1.0f / 3, rec.Longitude = -179.99998f, rec.Elevation = 8999.999f;
    const float values[] = {-89.99999f, 54.99999f, 1e-7f, -0.0f, 0.1f, 1.0f / 3, 7.0e-45f, 33.333332f};
    for (int m = 1; m <= 8; ++m) rec.Month[m] = {values[m - 1], values[m - 1], std::abs(values[m - 1])};
    const ReadResult r = ReadMonthlyData(WriteMonthlyData(t));
    ASSERT_FALSE(r.failure) << EnglishReadFailure(*r.failure);
    const LocationRecord& back = r.table.Slot[1];
    EXPECT_EQ((std::array{back.Latitude, back.Longitude, back.Elevation}),
              (std::array{rec.Latitude, rec.Longitude, rec.Elevation}));
    for (int m = 1; m <= 8; ++m) {
        const MonthlyNormals& n = back.Month[m];
        EXPECT_EQ((std::array{n.DBTmin, n.DBTmax, n.RHavg}),
                  (std::array{values[m - 1], values[m - 1], std::abs(values[m - 1])}))
            << m;
    }
}

}  // namespace
}  // namespace qav
