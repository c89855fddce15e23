// qav-cli at scale and under attack, driven as a script drives it: many locations streamed in
// bounded memory, interruptions, picture options that name one file, output folders that fail.
#include <gtest/gtest.h>

#include <sys/stat.h>  // mkfifo

#include <csignal>
#include <cstdio>

#include "tests/app/cli_support.h"

namespace {

namespace fs = std::filesystem;

using qav::test::Finish;
using qav::test::RunCli;
using qav::test::Seen;
using qav::test::Start;
using Folder = qav::test::TempFolder;  // one for each test
using Result = qav::test::CliResult;

// "analyze", the World set given `worlds` times (every location of each: worlds x 50 locations),
// then the tail.
std::vector<std::string> Analyze(std::vector<std::string> tail, int worlds = 0)
{
    std::vector<std::string> args{"analyze"};
    for (int i = 0; i < worlds; ++i) args.insert(args.end(), {"--dataset", "world"});
    args.insert(args.end(), tail.begin(), tail.end());
    return args;
}

// ---- Streaming: rows leave as they are done, in input order, in bounded memory ----------------

TEST(CliStreaming, FirstRowsArriveWhileTheRunGoesOnWithOneJob)
{
    const Folder dir;
    ASSERT_EQ(mkfifo((dir / "out").c_str(), 0600), 0);  // read while the program writes
    const pid_t pid = Start(Analyze({"--all", "--format", "csv", "--jobs", "1"}, 400), dir / "out", dir / "err");
    std::ifstream rows(dir / "out");
    std::string got, line;
    for (int i = 0; i < 3 && std::getline(rows, line); ++i) got += line + '\n';
    // 20,000 locations are far from done when the first two rows are read.
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), 0) << "the run ended before its first rows were read";
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    EXPECT_EQ(got.substr(got.find('\n') + 1, 14), "1,Addis Ababa,");
}

// Peak memory of a long run with one and two jobs; 10,000 results kept until the end took about
// 90 MB more. The address sanitizer's shadow memory makes the figure meaningless there.
TEST(CliStreaming, PeakMemoryStaysBoundedForTenThousandLocations)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "peak memory is measured in the release build only";
#endif
    for (const char* jobs : {"1", "2"}) {
        SCOPED_TRACE(jobs);
        const Folder dir;
        const Result r =
            Finish(Start(Analyze({"--all", "--format", "json", "--jobs", jobs}, 200), "/dev/null", dir / "err"),
                   "/dev/null", dir / "err");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_LT(r.maxRssKb, 60 * 1024);
    }
}

// ---- Signals: an interrupted run leaves no temporary picture behind --------------------------------

// Every signal whose default action ends the program, 20 times each, sent while a temporary picture
// is in progress and while a busy process loads the machine: none may leave a file behind, and
// the shell still sees the program ended by the signal.
TEST(CliSignals, EverySignalThatEndsTheRunLeavesNoTemporaryFile)
{
    std::vector<pid_t> load;
    // With the poller and the program's two jobs, one busy process keeps both cores over-full.
    if (const pid_t busy = fork(); busy == 0) {
        volatile unsigned spin = 0;
        for (;;) spin = spin + 1;
    } else {
        load.push_back(busy);
    }
    int runs = 0, caughtRuns = 0, left = 0, otherEnds = 0;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU}) {
        for (int run = 0; run < 20; ++run, ++runs) {
            const Folder dir;
            const fs::path pictures = dir / "pictures";
            // No core file from SIGQUIT: it would land in the folder and be counted.
            const pid_t pid = Start(Analyze({"--all", "--jobs", "2", "--screen", "1920x1080", "--chart-dir",
                                             pictures.string(), "--graph-dir", pictures.string()},
                                            1),
                                    "/dev/null", dir / "err", dir.Path(), {{RLIMIT_CORE, 0}});
            bool caught = false;
            for (int polls = 0; polls < 2'000'000 && !caught && waitpid(pid, nullptr, WNOHANG) == 0; ++polls) {
                std::error_code ec;
                for (fs::directory_iterator it(pictures, ec), end; !ec && it != end; it.increment(ec))
                    caught = caught || it->path().filename().string().starts_with(".qav-");
            }
            kill(pid, signal);
            const Result r = Finish(pid, "/dev/null", dir / "err");
            caughtRuns += caught;
            otherEnds += caught && r.signal != signal;
            std::error_code ec;
            for (fs::directory_iterator it(pictures, ec), end; !ec && it != end; it.increment(ec))
                left += it->path().filename().string().starts_with(".qav-");
        }
    }
    for (const pid_t busy : load) {
        kill(busy, SIGKILL);
        waitpid(busy, nullptr, 0);
    }
    std::printf("%d runs, %d interrupted while writing, %d temporary files left\n", runs, caughtRuns, left);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(otherEnds, 0);
    EXPECT_GT(caughtRuns, runs / 2) << "too few runs were interrupted while a picture was written";
}

// ---- Picture options: no two name one file, in any spelling --------------------------------------

// Two options, numbered names, folder outputs and reports are named before the run: one that would
// replace another is refused, in any spelling (through links, relative or to the folder; a hard
// link is the file it links), before any file or folder is made.
TEST(CliPictureClash, OptionsAndDerivedNamesMeetingOneFileAreRefusedBeforeAnythingIsWritten)
{
    const Folder dir;
    fs::create_directory(dir / "sub");
    fs::create_symlink(dir / "a.png", dir / "to-a.png");       // a link to a file not there yet
    fs::create_symlink("sub/../a.png", dir / "relative.png");  // relative, through a folder
    fs::create_symlink(dir.Path(), dir / "here");              // a link to the folder
    std::ofstream(dir / "h.png") << "x";
    fs::create_hard_link(dir / "h.png", dir / "k.png");
    const std::string a = (dir / "a.png").string();
    using Row = std::pair<std::vector<std::string>, std::string>;
    for (const auto& [args, err] :
         {Row{{"--chart", "a.png", "--graph", "./a.png"}, "--graph: './a.png' is the file of --chart as well"},
          Row{{"--chart", "a.png", "--compare-chart", a},
              "--compare-chart: '" + a + "' is the file of --chart as well"},
          Row{{"--graph", "sub/../a.png", "--compare-chart", "a.png"},
              "--compare-chart: 'a.png' is the file of --graph as well"},
          Row{{"--chart", "a.png", "--graph", "to-a.png"}, "--graph: 'to-a.png' is the file of --chart as well"},
          Row{{"--chart", "relative.png", "--graph", "a.png"}, "--graph: 'a.png' is the file of --chart as well"},
          Row{{"--chart", "here/a.png", "--graph", "a.png"}, "--graph: 'a.png' is the file of --chart as well"},
          Row{{"--dataset", "brazil", "--all", "--chart", "c.png", "--compare-chart", "c-03.png"},
              "--compare-chart: 'c-03.png' is the file of --chart as well"},
          Row{{"--graph", "dd/0001-05-Brasília.png", "--chart-dir", "dd"},
              "--graph: 'dd/0001-05-Brasília.png' is the file of --chart-dir as well"},
          Row{{"--report", "0001-05-Brasília.pdf", "--report-dir", "."},
              "--report-dir: './0001-05-Brasília.pdf' is the file of --report as well"},
          Row{{"--chart", "h.png", "--graph", "k.png"}, "--graph: 'k.png' is the file of --chart as well"}}) {
        SCOPED_TRACE(err);
        EXPECT_EQ(Seen(RunCli(Analyze(args), dir.Path())), std::tuple(2, "", "error: " + err + "\n"));
    }
    // Only what the test made: sub, to-a.png, relative.png, here, h.png, k.png.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 6);
    EXPECT_EQ(qav::test::ReadFile(dir / "h.png"), "x");
}

// ---- Output folders: checked once, before the analysis, after the inputs --------------------------

TEST(CliOutputFolders, FailuresNameTheOptionAndTheSystemReasonAndExitWithOne)
{
    const Folder dir;
    std::ofstream(dir / "file") << "x";
    fs::create_symlink(dir / "loop", dir / "loop");
    const std::string file = (dir / "file").string(), loop = (dir / "loop").string();
    const std::string tooLong = (dir / std::string(300, 'n')).string();
    using Row = std::pair<std::vector<std::string>, std::string>;
    for (const auto& [args, err] :
         {Row{{"--chart-dir", file}, "--chart-dir " + file + ": Not a directory"},
          Row{{"--chart-dir", file + "/sub"}, "--chart-dir " + file + "/sub: Not a directory"},
          Row{{"--graph-dir", tooLong}, "--graph-dir " + tooLong + ": File name too long"},
          Row{{"--chart-dir", loop + "/sub"}, "--chart-dir " + loop + "/sub: Too many levels of symbolic links"},
          Row{{"--dataset", "world", "--all", "--chart", file + "/chart.png"},
              "--chart " + file + "/chart.png: Not a directory"},
          Row{{"--compare-chart", (dir / "missing/c.svg").string()},
              "--compare-chart " + (dir / "missing/c.svg").string() + ": No such file or directory"}}) {
        SCOPED_TRACE(err);
        EXPECT_EQ(Seen(RunCli(Analyze(args))), std::tuple(1, "", "error: " + err + "\n"));  // once, before any result
    }
    // An input that fails first: no folder is made for the pictures of a run that cannot start.
    const Result bad =
        RunCli({"analyze", "--file", (dir / "QAVnone.TXT").string(), "--chart-dir", (dir / "made").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_FALSE(fs::exists(dir / "made"));
}

// ---- The compare picture: every bar drawn, on further pages beyond 16384 pixels -------------------

TEST(CliComparePages, BarsBeyondOnePictureContinueOnTheNextAndAreSaid)
{
    const Folder dir;
    const std::string png = (dir / "compare.png").string();
    const Result r = RunCli(Analyze({"--all", "--format", "csv", "--compare-chart", png}, 15));  // 750 bars
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "note: --compare-chart: the bars take 2 pictures of at most 16384 pixels: " + png + ", " +
                         (dir / "compare-2.png").string() + "\n");
    // Where the pages split: the compare pages' test.
    EXPECT_TRUE(fs::exists(dir / "compare.png") && fs::exists(dir / "compare-2.png"));
}

// ---- Smaller things ---------------------------------------------------------------------------------

TEST(CliMessages, ArgumentsAreTakenAsAUserMeansThem)
{
    using Row = std::tuple<std::vector<std::string>, int, std::string>;
    for (const auto& [args, status, err] : {Row{{"analyze", "--all=1"}, 2, "error: --all: takes no value\n"},
                                            Row{{"analyze", "--dataset", "south-america", "--all", "--compare-chart",
                                                 "/dev/null/x.svg", "--sort", "NAME"},
                                                1,
                                                "error: --compare-chart /dev/null/x.svg: Not a directory\n"}}) {
        SCOPED_TRACE(args[1]);
        EXPECT_EQ(Seen(RunCli(args)), std::tuple(status, "", err));
    }
    // --warming +2 as the warming file writes it; -0 is no change, not "+-0".
    EXPECT_EQ(RunCli({"analyze", "--warming", "+2", "--format", "json"}).out,
              RunCli({"analyze", "--warming", "2", "--format", "json"}).out);
    const std::string zero = RunCli({"analyze", "--warming", "-0"}).out;
    EXPECT_NE(zero.find("What if: +0"), std::string::npos) << zero;
    EXPECT_EQ(zero.find("+-0"), std::string::npos);
    // A warming file's refusal names its own option.
    const Folder dir;
    std::ofstream(dir / "hot.csv") << qav::test::WarmingTable("30,30,0");
    const Result hot = RunCli({"analyze", "--dataset", "world", "--all", "--warming-file", (dir / "hot.csv").string()});
    EXPECT_EQ(hot.status, 1);
    EXPECT_TRUE(hot.err.starts_with("error: --warming-file: Addis Ababa: March DBTmax"))
        << hot.err;  // its wording: WarmLocation's test
}

}  // namespace
