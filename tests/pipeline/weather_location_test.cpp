#include "pipeline/weather_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace qav {
namespace {

// A whole year at 20 C and 50 %: enough for a location with a recorded year.
std::filesystem::path WriteSteadyYear(const std::filesystem::path& folder, const std::string& name)
{
    const std::filesystem::path file = folder / name;
    std::ofstream out(file);
    out << "LOCATION," << name << ",XX,Nowhere,TEST,000000,10.00,20.00,0.0,0.0\n";
    for (int i = 2; i <= 8; ++i) out << "HEADER LINE " << i << ",1,2,3\n";
    const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= days[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h) out << "1999," << m << "," << d << "," << h << ",0,?9?9?9,20.0,9.0,50,101325,0,0,0\n";
    return file;
}

// Files take slots in the order given; one that cannot be read takes none and is listed with the
// reader's message; beyond the table's 50 slots files are counted, not read.
TEST(OpenWeatherFiles, SlotsInOrderFailuresByFileAndTheFiftySlotLimit)
{
    std::string made = (std::filesystem::temp_directory_path() / "qav-weather-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(made.data()));
    const std::filesystem::path folder = made;
    std::vector<std::filesystem::path> files{WriteSteadyYear(folder, "first.epw"), folder / "missing.epw",
                                             WriteSteadyYear(folder, "second.epw")};
    const WeatherFiles opened = OpenWeatherFiles(files);
    ASSERT_EQ(opened.Table.LocationCount, 2);
    EXPECT_EQ(opened.Table.Slot[1].LocationName, "first.epw");
    EXPECT_EQ(opened.Table.Slot[2].LocationName, "second.epw");
    ASSERT_TRUE(opened.Recorded[1] && opened.Recorded[2]);
    EXPECT_EQ(opened.Recorded[2]->HoursUsed, 8760);
    EXPECT_EQ(opened.Recorded[2]->Hours.size(), 8760u);
    EXPECT_FALSE(opened.Recorded[3]);
    ASSERT_EQ(opened.Failures.size(), 1u);
    EXPECT_EQ(opened.Failures[0].File, folder / "missing.epw");
    EXPECT_EQ(opened.Failures[0].Kind, ReadFault::FileNotFound);
    EXPECT_EQ(opened.NotOpened, 0);

    files.resize(53, files[0]);
    const WeatherFiles many = OpenWeatherFiles(files);
    EXPECT_EQ(many.Table.LocationCount, 49);
    EXPECT_EQ(many.Failures.size(), 1u);
    EXPECT_EQ(many.NotOpened, 3);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qav
