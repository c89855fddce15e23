// qav-cli's comfort model and wind pictures, end to end.
#include <gtest/gtest.h>

#include "tests/app/cli_support.h"

namespace qav::test {
namespace {

const std::string kChicago = std::string(QAV_FIXTURES_DIR) + "/chicago.epw";

TEST(CliComfort, RefusalsExitWithTwo)
{
    EXPECT_EQ(Seen(Shell("analyze --comfort pmv")),
              std::tuple(2, "", "error: --comfort: 'pmv' is not givoni, ashrae55 or en16798\n"));
    const TempFolder dir;
    EXPECT_EQ(Seen(Shell("analyze --dataset brazil:5 --wind-rose " + (dir / "r.svg").string())),
              std::tuple(2, "", "error: --wind-rose: needs a weather file (--epw): only recorded hours have a wind\n"));
    EXPECT_EQ(Shell("analyze --epw " + kChicago + " --wind-rose " + (dir / "r.txt").string()).err,
              "error: --wind-rose: '" + (dir / "r.txt").string() + "' ends neither in .png nor in .svg\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.svg"));
}

// The pictures name what they draw; the graph of --comfort givoni keeps its fixed band.
TEST(CliComfort, WindRoseAndAdaptiveChartFiles)
{
    const TempFolder dir;
    const CliResult r =
        Shell("analyze --epw " + kChicago + " --comfort en16798 --lang pt_BR --format json --wind-rose " +
              (dir / "rose.svg").string() + " --adaptive-chart " + (dir / "band.svg").string() + " --graph " +
              (dir / "graph.svg").string());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string rose = ReadFile(dir / "rose.svg"), band = ReadFile(dir / "band.svg");
    EXPECT_NE(rose.find("<title>Wind roses of Chicago Ohare Intl Ap (USA)</title>"), std::string::npos);
    EXPECT_NE(rose.find("ventos predominantes: SO, 16,3 %"), std::string::npos);  // Brazilian compass points
    EXPECT_NE(band.find("EN 16798-1, categorias I a III"), std::string::npos);
    // With an adaptive model the monthly graph draws the band as well.
    EXPECT_NE(ReadFile(dir / "graph.svg").find("EN 16798-1, categorias I a III"), std::string::npos);
    EXPECT_NE(r.out.find("\"wind\":{\"sectors\":[\"N\",\"NNE\""), std::string::npos);

    ASSERT_EQ(Shell("analyze --dataset brazil:5 --graph " + (dir / "fixed.svg").string()).status, 0);
    EXPECT_NE(ReadFile(dir / "fixed.svg").find("comfort band, 18 to 29"), std::string::npos);
}

}  // namespace
}  // namespace qav::test
