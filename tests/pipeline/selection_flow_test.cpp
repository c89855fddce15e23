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
    EXPECT_EQ(l.Picture1.Height, 6259);  // other screens: the window layout test's shares at their size
}

}  // namespace
}  // namespace qav
