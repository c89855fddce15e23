#include "chart/adaptive_hours_grid.h"

#include <gtest/gtest.h>

#include "tests/chart/recording_canvas.h"

namespace qav {
namespace {

using testing::RecordedOp;
using testing::RecordingCanvas;

// Every month at a mean of 25 C but February (5 C, outside both models). ASHRAE 55: t_c 25.55,
// 80 % 22.05-29.05, raised to 30.25 / 30.85 / 31.25 by fans at 0.6 / 0.9 / 1.2 m/s; EN 16798-1
// category I: 24.05-29.05, II: 23.05-30.05.
AdaptiveYear Year(ComfortModel model)
{
    AdaptiveYear year;
    year.Model = model;
    for (int m = 1; m <= kMonths; ++m) year.Month[m] = AdaptiveBand(model, m == 2 ? 5 : 25);
    return year;
}

HourlyTable JanuaryHours()
{
    HourlyTable hours;
    for (auto& month : hours.DBT) month.fill(25);
    hours.DBT[1][1] = 20, hours.DBT[1][3] = 30.5f, hours.DBT[1][4] = 31, hours.DBT[1][5] = 29.5f;
    return hours;
}

// The filled boxes of a colour, as {x1, y1, x2, y2}.
std::vector<std::array<double, 4>> Boxes(const RecordingCanvas& canvas, Rgb colour)
{
    std::vector<std::array<double, 4>> boxes;
    for (const RecordedOp& op : canvas.Ops)
        if (op.What == RecordedOp::Box && op.Filled && op.Colour == colour)
            boxes.push_back({op.X1, op.Y1, op.X2, op.Y2});
    return boxes;
}

TEST(AdaptiveHoursGrid, TypicalHoursAreClassedByTheBandAndTheFans)
{
    const AdaptiveHoursGrid ashrae = TypicalHoursGrid(Year(ComfortModel::Ashrae55), JanuaryHours());
    using Counts = std::array<int, kAdaptiveHourClasses>;  // below, within, with fans, above
    EXPECT_EQ(ashrae.Hours[1][1], (Counts{1, 0, 0, 0}));
    EXPECT_EQ(ashrae.Hours[1][2], (Counts{0, 1, 0, 0}));
    EXPECT_EQ(ashrae.Hours[1][3], (Counts{0, 0, 1, 0}));
    EXPECT_EQ(ashrae.Hours[1][4], (Counts{0, 0, 0, 1}));  // within at 1.2 m/s only
    EXPECT_EQ(ashrae.Hours[1][5], (Counts{0, 0, 1, 0}));
    EXPECT_FALSE(ashrae.InRange[2]);
    EXPECT_EQ(ashrae.Hours[2][2], (Counts{0, 0, 0, 0}));  // not counted at all

    // EN 16798-1 has no fans' class: 29.5 C lies within category II (above I), 30.5 C above it.
    const AdaptiveHoursGrid en = TypicalHoursGrid(Year(ComfortModel::En16798), JanuaryHours());
    EXPECT_EQ(en.Hours[1][5], (Counts{0, 1, 0, 0}));
    EXPECT_EQ(en.Hours[1][3], (Counts{0, 0, 0, 1}));
}

// 530 x 338 units: cells of 20 x 20 from (40, 36). Recorded hours share their cell by class.
TEST(AdaptiveHoursGrid, CellsAreColouredAndOutOfRangeMonthsGreyed)
{
    RecordingCanvas canvas(530, 338);
    DrawAdaptiveHoursGrid(canvas, TypicalHoursGrid(Year(ComfortModel::Ashrae55), JanuaryHours()), 1, 1,
                          Language::English, {});
    using Box = std::array<double, 4>;
    EXPECT_EQ(AdaptiveHourColour(AdaptiveHourClass::Below), MakeRgb(90, 150, 220));
    EXPECT_EQ(Boxes(canvas, MakeRgb(90, 150, 220)).front(), (Box{40, 36, 60, 56}));
    EXPECT_EQ(Boxes(canvas, MakeRgb(240, 200, 80)).front(), (Box{80, 36, 100, 56}));   // with fans
    EXPECT_EQ(Boxes(canvas, MakeRgb(215, 80, 60)).front(), (Box{100, 36, 120, 56}));   // above
    EXPECT_EQ(Boxes(canvas, MakeRgb(120, 190, 110)).size(), 11u * 24 - 4 + 1);         // within, and its key
    EXPECT_EQ(Boxes(canvas, MakeRgb(205, 205, 205)).front(), (Box{40, 56, 520, 76}));  // February
    EXPECT_TRUE(canvas.FindText("outside the model's range"));
    EXPECT_TRUE(canvas.FindText("above, within with fans at 0.9 m/s"));
    EXPECT_TRUE(canvas.FindText("ASHRAE 55 adaptive model, 80 % acceptability limits, typical days"));

    std::vector<RecordedHour> recorded(3);
    recorded[0] = {1, 20.f, 0, 1, 1}, recorded[1] = {1, 25.f, 0, 2, 1}, recorded[2] = {1, 26.f, 0, 3, 1};
    RecordingCanvas shares(530, 338);
    DrawAdaptiveHoursGrid(shares, RecordedHoursGrid(Year(ComfortModel::En16798), recorded), 1, 1,
                          Language::PortugueseBrazil, {});
    const Box below = Boxes(shares, MakeRgb(90, 150, 220)).front(),
              within = Boxes(shares, MakeRgb(120, 190, 110)).front();
    EXPECT_DOUBLE_EQ(below[2], 40 + 20.0 / 3);  // one hour of three below, two within
    EXPECT_DOUBLE_EQ(within[0], 40 + 20.0 / 3);
    EXPECT_DOUBLE_EQ(within[2], 60);
    EXPECT_TRUE(Boxes(shares, MakeRgb(240, 200, 80)).empty());  // no fans' class, nor its key
    EXPECT_TRUE(shares.FindText("fora da faixa de validade do modelo"));
    EXPECT_TRUE(
        shares.FindText("modelo adaptativo da EN 16798-1, categoria II, horas registradas (parcelas dos dias "
                        "de cada hora)"));
}

}  // namespace
}  // namespace qav
