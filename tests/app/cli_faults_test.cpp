// qav-cli driven as a script drives it, in the conditions that hurt scripts most: full and closed
// outputs, concurrent writers, a full disk, resource limits, an inherited desktop session.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "tests/app/cli_support.h"

namespace {

namespace fs = std::filesystem;

using qav::test::ReadFile;
using qav::test::Seen;
using qav::test::Shell;
using Outcome = qav::test::CliResult;

using Folder = qav::test::TempFolder;  // one for each test

std::tuple<int, std::string> StatusAndError(const Outcome& r) { return {r.status, r.err}; }

// A whole PNG: the signature, and the IEND chunk with its CRC at the very end.
bool IsCompletePng(const std::string& bytes)
{
    static const std::string iend("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    return bytes.size() > 20 && bytes.starts_with("\x89PNG\r\n\x1a\n") && bytes.ends_with(iend);
}

TEST(CliOutputFailures, LostOutputNamesTheReasonAndExitsWithOne)
{
    using Row = std::pair<const char*, const char*>;
    for (const auto& [tail, err] :
         {Row{"analyze > /dev/full", "error: standard output: No space left on device\n"},
          Row{"export-dataset world > /dev/full", "error: standard output: No space left on device\n"},
          Row{"psychro --elevation 0 --t 20 --rh 50 > /dev/full", "error: standard output: No space left on device\n"},
          Row{"analyze --dataset all --all --format json >&-", "error: standard output: Bad file descriptor\n"}}) {
        SCOPED_TRACE(tail);
        EXPECT_EQ(StatusAndError(Shell(tail)), std::tuple(1, err));  // the output went to the tail's redirection
    }
}

// A full disk, as a 64 KiB tmpfs: the JSON stops short and says so, and a picture or a report that
// does not fit leaves neither a partial file nor its temporary file behind.
TEST(CliOutputFailures, FullDiskFailsTheRunAndLeavesNoPartialPicture)
{
    const Folder dir;
    if (geteuid() != 0 || mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root; run the tests as root to check a full disk";
    const std::string json = (dir / "world.json").string(), chart = (dir / "chart.png").string();
    const Outcome full = Shell("analyze --dataset world --all --format json > " + json);
    const Outcome picture = Shell("analyze --screen 3840x2160 --chart " + chart);
    const std::string report = (dir / "report.pdf").string();
    const Outcome pdf = Shell("analyze --report " + report);  // about 100 kB
    const int entries = static_cast<int>(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()));
    umount(dir.Path().c_str());
    EXPECT_EQ(StatusAndError(full), std::tuple(1, "error: standard output: No space left on device\n"));
    EXPECT_EQ(StatusAndError(picture), std::tuple(1, "error: cannot write " + chart + ": No space left on device\n"));
    EXPECT_EQ(StatusAndError(pdf), std::tuple(1, "error: cannot write " + report + ": No space left on device\n"));
    EXPECT_EQ(entries, 1);  // world.json alone
}

// A reader that closes the pipe (head -2) ends the run quietly with status 1, after the reports in
// progress are done: 20 runs leave no temporary file. A write past ulimit -f is a failure that
// names its reason, as a full disk is, and leaves nothing.
TEST(CliOutputFailures, ClosedPipeAndFileSizeLimitFailCleanly)
{
    const Folder dir;
    const std::string reports = (dir / "reports").string(), err = (dir / "err").string();
    const std::string loop = "for i in $(seq 20); do " QAV_CLI
                             " analyze --dataset world --all --jobs 2 --format csv --report-dir " +
                             reports + " 2>>" + err + " | head -2 >/dev/null; echo -n ${PIPESTATUS[0]}; done";
    std::string statuses;
    if (FILE* pipe = popen(("bash -c '" + loop + "'").c_str(), "r")) {
        for (int c; (c = std::fgetc(pipe)) != EOF;) statuses += static_cast<char>(c);
        pclose(pipe);
    }
    EXPECT_EQ(statuses, std::string(20, '1'));
    EXPECT_EQ(ReadFile(err), "");
    for (const auto& entry : fs::directory_iterator(reports))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".qav-")) << entry.path();

    const std::string report = (dir / "big.pdf").string();
    const Outcome big = qav::test::RunCli({"analyze", "--report", report}, {}, {{RLIMIT_FSIZE, rlim_t{50} << 10}});
    EXPECT_EQ(StatusAndError(big), std::tuple(1, "error: cannot write " + report + ": File too large\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);  // reports, err
}

// A file the user may not write is refused as the shell's redirection refuses it; root, who may,
// replaces it and the file keeps its rights; a loop of links is refused with the system's reason.
TEST(CliOutputFailures, ProtectedFilesAndLinkLoopsAreRefused)
{
    const Folder dir;
    const fs::path locked = dir / "locked.png", shared = dir / "shared.png";
    std::ofstream(locked) << "old";
    std::ofstream(shared) << "old";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(shared, fs::perms(0640));
    fs::create_symlink("loop2.pdf", dir / "loop1.pdf");
    fs::create_symlink("loop1.pdf", dir / "loop2.pdf");
    const Outcome loop = qav::test::RunCli({"analyze", "--report", "loop1.pdf"}, dir.Path());
    EXPECT_EQ(StatusAndError(loop),
              std::tuple(1, "error: cannot write loop1.pdf: Too many levels of symbolic links\n"));
    EXPECT_TRUE(fs::is_symlink(dir / "loop1.pdf") && fs::is_symlink(dir / "loop2.pdf"));

    if (geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "dropping to the user nobody needs root and setpriv; root keeps root's rights";
    // The folder is nobody's to write, the file is nobody's own but read-only.
    fs::permissions(dir.Path(), fs::perms::all);
    ASSERT_EQ(chown(locked.c_str(), 65534, 65534), 0);
    const Outcome refused =
        Shell("analyze --chart " + locked.string(), "setpriv --reuid=65534 --regid=65534 --clear-groups");
    if (refused.status >= 126) GTEST_SKIP() << "nobody cannot run " QAV_CLI;
    EXPECT_EQ(StatusAndError(refused),
              std::tuple(1, "error: cannot write " + locked.string() + ": Permission denied\n"));
    EXPECT_EQ(ReadFile(locked), "old");
    for (const fs::path& file : {locked, shared}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Shell("analyze --graph " + file.string()).status, 0);
        EXPECT_TRUE(IsCompletePng(ReadFile(file)));
    }
    EXPECT_EQ(fs::status(locked).permissions(), fs::perms(0444));
    EXPECT_EQ(fs::status(shared).permissions(), fs::perms(0640));
    struct stat status {};
    EXPECT_EQ(stat(locked.c_str(), &status) == 0 ? status.st_uid : 0u, 65534u);  // its owner kept
}

TEST(CliPictures, ConcurrentWritersLeaveOneCompletePicture)
{
    const Folder dir;
    const std::string chart = (dir / "chart.png").string();
    const std::string command = "for i in 1 2 3 4 5 6 7 8 9 10 11 12; do " QAV_CLI
                                " analyze --dataset world --location $i --chart " +
                                chart + " >/dev/null || echo failed >&2 & done; wait";
    EXPECT_EQ(Shell("--version >/dev/null; " + command).err, "");
    EXPECT_TRUE(IsCompletePng(ReadFile(chart)));
    // No temporary file left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    // A link is followed: the picture it points to is replaced, the link stays.
    fs::create_symlink(chart, dir / "link.png");
    fs::resize_file(chart, 0);
    EXPECT_EQ(Shell("analyze --chart " + (dir / "link.png").string()).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.png"));
    EXPECT_TRUE(IsCompletePng(ReadFile(chart)));
}

// Charts and graphs sharing a folder get distinct names; a name with an escape sequence, a
// right-to-left override and 300 letters gives a file name of at most 255 bytes without them.
TEST(CliPictures, SharedFolderNamesAreDistinctCleanAndShort)
{
    const Folder dir;
    std::ofstream(dir / "QAVLONG.TXT") << "\"\x1b[31m\xE2\x80\xAE" << std::string(300, 'a') << "\",\"X\",0,0,0,\"Y\"\n"
                                       << "1,1,2,50\n2,1,2,50\n3,1,2,50\n4,1,2,50\n5,1,2,50\n6,1,2,50\n"
                                       << "7,1,2,50\n8,1,2,50\n9,1,2,50\n10,1,2,50\n11,1,2,50\n12,1,2,50\n";
    const fs::path pictures = dir / "pictures";
    const Outcome r =
        Shell("analyze --file " + (dir / "QAVLONG.TXT").string() + " --dataset south-america --chart-dir " +
              pictures.string() + " --graph-dir " + pictures.string() + "/.");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(pictures)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    const std::string cut = "0001-01-__31m_" + std::string(231, 'a');
    ASSERT_EQ(names, (std::vector<std::string>{cut + "-chart.png", cut + "-graph.png", "0002-01-Asuncion-chart.png",
                                               "0002-01-Asuncion-graph.png"}));
    EXPECT_EQ(names[0].size(), 255u);
    for (const std::string& name : names) EXPECT_TRUE(IsCompletePng(ReadFile(pictures / name))) << name;
}

// Memory running out in a worker is reported, and threads that cannot start (each would take a
// 1 GiB stack under a 2.5 GiB address space) leave the work to those that did.
TEST(CliResources, LimitsGiveAMessageOrFewerThreadsNeverAnAbort)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP()
        << "an AddressSanitizer build reserves terabytes of shadow memory and cannot start under an address-space limit";
#endif
    const Folder dir;
    const Outcome starved =
        qav::test::RunCli({"analyze", "--screen", "16384x16384", "--chart", (dir / "x.png").string(), "--jobs", "8"},
                          {}, {{RLIMIT_AS, rlim_t{150} << 20}});
    EXPECT_EQ(starved.status, 1);
    EXPECT_TRUE(starved.err.ends_with("error: out of memory while preparing the canvases (about 1522 MB per job)\n"))
        << starved.err;
    const Outcome fewThreads =
        qav::test::RunCli({"analyze", "--dataset", "all", "--all", "--format", "csv", "--jobs", "8"}, {},
                          {{RLIMIT_STACK, rlim_t{1} << 30}, {RLIMIT_AS, rlim_t{5} << 29}});
    EXPECT_EQ(fewThreads.status, 0) << fewThreads.err;
    EXPECT_EQ(fewThreads.out, Shell("analyze --dataset all --all --format csv --jobs 1").out);
}

// xcb, wayland or a display that is not there: pictures are still drawn, and no Qt notice
// (XDG_RUNTIME_DIR not set, for one) reaches standard error.
TEST(CliEnvironment, HeadlessWhateverTheSessionSays)
{
    const Folder dir;
    for (const char* platform : {"xcb", "wayland", "offscreen"}) {
        SCOPED_TRACE(platform);
        const fs::path chart = dir / (std::string(platform) + ".png");
        const Outcome r =
            Shell("analyze --chart " + chart.string(), std::string("env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=") +
                                                           platform + " DISPLAY=:77 WAYLAND_DISPLAY=none");
        EXPECT_EQ(std::tuple(r.status, r.err, IsCompletePng(ReadFile(chart))), std::tuple(0, "", true));
    }
}

}  // namespace
