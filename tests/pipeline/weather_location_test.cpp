#include "pipeline/weather_location.h"
#include "pipeline/open_inputs.h"

#include <gtest/gtest.h>

#include <array>
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
            for (int h = 1; h <= 24; ++h)
                out << "1999," << m << "," << d << "," << h << ",0,?9?9?9,20.0,9.0,50,101325,0,0,0\n";
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
    EXPECT_EQ(opened.Table.Slot[1].LocationName + "," + opened.Table.Slot[2].LocationName, "first.epw,second.epw");
    ASSERT_TRUE(opened.Recorded[1] && opened.Recorded[2] && !opened.Recorded[3]);
    EXPECT_EQ(
        (std::array<std::size_t, 2>{std::size_t(opened.Recorded[2]->HoursUsed), opened.Recorded[2]->Hours.size()}),
        (std::array<std::size_t, 2>{8760, 8760}));
    ASSERT_EQ(opened.Failures.size(), 1u);
    EXPECT_TRUE(opened.Failures[0].File == folder / "missing.epw" &&
                opened.Failures[0].Kind == ReadFault::FileNotFound);
    EXPECT_EQ(opened.NotOpened, 0);

    files.resize(53, files[0]);
    const WeatherFiles many = OpenWeatherFiles(files);
    EXPECT_EQ(many.Table.LocationCount, 49);
    EXPECT_EQ(many.Failures.size(), 1u);
    EXPECT_EQ(many.NotOpened, 3);
    std::filesystem::remove_all(folder);
}

// A Monthly Data file opens whole, every slot naming it, its cut-short last location a warning;
// one that cannot be read leaves the table empty with its one failure. A data set needs no file.
TEST(OpenInputs, MonthlyDataWholeOrNotAtAllAndDataSets)
{
    std::string made = (std::filesystem::temp_directory_path() / "qav-inputs-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(made.data()));
    const std::filesystem::path folder = made, file = folder / "QAVtwo.TXT";
    std::ofstream(file) << "\"Lima\",\"Peru\",-12.1,-77.0,13,\"BBC\"\n"
                           "1,19,26,80\n2,20,27,79\n3,20,27,80\n4,18,25,81\n5,17,23,82\n6,16,21,83\n"
                           "7,15,20,84\n8,15,20,85\n9,15,21,84\n10,16,22,82\n11,17,23,81\n12,18,25,80\n"
                           "\"Cut\",\"Nowhere\",0,0,0,\"X\"\n1,1,2\n";
    const OpenedInputs opened = OpenInputs({InputRequest::Kind::MonthlyData, {}, {file}});
    ASSERT_EQ(opened.Table.LocationCount, 1);
    EXPECT_EQ(opened.Files[1], file.string());
    EXPECT_EQ(opened.Files[2], "");
    ASSERT_TRUE(opened.Warning);
    EXPECT_EQ(opened.Warning->Location, 2);
    EXPECT_TRUE(opened.Failures.empty());

    const OpenedInputs missing = OpenInputs({InputRequest::Kind::MonthlyData, {}, {folder / "gone.TXT"}});
    EXPECT_EQ(missing.Table.LocationCount, 0);
    ASSERT_EQ(missing.Failures.size(), 1u);
    EXPECT_EQ(missing.Failures[0].Kind, ReadFault::FileNotFound);

    EXPECT_EQ(OpenInputs({InputRequest::Kind::DataSet, DataSetKind::World, {}}).Table.LocationCount, 50);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qav
