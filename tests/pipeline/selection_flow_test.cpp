#include <gtest/gtest.h>

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

using Session = PipelineSession;

TEST(LocationList, EveryEntryIsTheNameAfterOneSpace)
{
    Session s;
    const std::vector<std::string> entries = LocationListEntries(s.state.Locations);
    ASSERT_EQ(entries.size(), 27u);
    EXPECT_EQ(entries[4], " Brasília");
    for (const std::string& e : entries) EXPECT_TRUE(e[0] == ' ' && e[1] != ' ') << e;
}

// The window's test covers the commands and the "already shown" box; here the table behind them.
TEST(ShowDataSet, LoadsOverTheShownSetKeepingHigherSlots)
{
    Session s;
    ASSERT_EQ(ShowDataSet(s.state, DataSetKind::World, s.canvases), ShowDataSetOutcome::Loaded);
    ASSERT_EQ(ShowDataSet(s.state, DataSetKind::Brazil, s.canvases), ShowDataSetOutcome::Loaded);
    EXPECT_EQ(s.state.Locations.LocationCount, 27);
    EXPECT_EQ(s.state.Locations.Slot[50].LocationName, "Zurich");  // World's, untouched
}

TEST(SelectLocation, AnalysesTheSlotOfTheEntry)
{
    Session s;
    EXPECT_TRUE(SelectLocation(s.state, 2, s.canvases));
    EXPECT_EQ(s.state.CurrentLocation, 3);
    EXPECT_EQ(s.state.Pressure.PressureElevation, 900);  // Belo Horizonte, 915 m
    // An index outside the list changes nothing.
    EXPECT_FALSE(SelectLocation(s.state, 27, s.canvases));
    EXPECT_FALSE(SelectLocation(s.state, -1, s.canvases));
    EXPECT_EQ(s.state.CurrentLocation, 3);
}

TEST(ShowLocationsFromFile, MarksNoSetAsShownSoEverySetLoadsAgain)
{
    Session s;
    LocationTable file;
    file.LocationCount = 1;
    file.Slot[1] = s.state.Locations.Slot[1];
    file.Slot[1].LocationName = "From a file";
    ShowLocationsFromFile(s.state, file, s.canvases);
    EXPECT_EQ(s.state.CurrentLocation, 1);
    EXPECT_EQ(s.state.Locations.LocationCount, 1);
    EXPECT_EQ(s.state.Locations.Slot[2].LocationName, "Belém");  // higher slots untouched
    for (DataSetKind kind : {DataSetKind::Brazil, DataSetKind::SouthAmerica, DataSetKind::World}) {
        Session fresh;
        ShowLocationsFromFile(fresh.state, file, fresh.canvases);
        EXPECT_EQ(ShowDataSet(fresh.state, kind, fresh.canvases), ShowDataSetOutcome::Loaded);
    }
}

TEST(ScreenLayout, ReferenceScreenGivesTheReferenceChart)
{
    const ScreenLayout l = LayoutForScreen({});
    EXPECT_EQ(l.Picture1.Width, 8076);
    EXPECT_EQ(l.Picture1.Height, 6259);
    // A larger screen gives a larger chart in the same 40 : 31 proportion.
    const ScreenLayout big = LayoutForScreen({1920, 1080, 15});
    EXPECT_GT(big.Picture1.Width, l.Picture1.Width);
    EXPECT_NEAR(big.Picture1.Width / big.Picture1.Height, 40.0 / 31.0, 1e-3);
}

}  // namespace
}  // namespace qav
