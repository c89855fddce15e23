#pragma once
// Shared by the qav-cli tests: fresh temporary folders, whole files and the ways of running the
// program (through the shell, or as a child under resource limits).
#include <stdlib.h>  // mkdtemp
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace qav::test {

// A fresh folder under the system's temporary folder, removed with everything in it (made
// writable again first) when the object goes: no test relies on a fixed name being free.
class TempFolder {
  public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qav_cli_XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The folder of the whole test program, made on first use and removed when the program ends.
inline const TempFolder& ProgramFolder()
{
    static const TempFolder folder;
    return folder;
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A warming table whose twelve months all carry the same changes ("DBTMIN,DBTMAX,RH").
inline std::string WarmingTable(const std::string& changes)
{
    std::string table = "month,dbt_min,dbt_max,rh_avg\n";
    for (int m = 1; m <= 12; ++m) table += std::to_string(m) + "," + changes + "\n";
    return table;
}

struct CliResult {
    int status = -1;  // exit status, or -1 when ended by a signal
    int signal = 0;
    long maxRssKb = 0;
    std::string out, err;
};

// What a run shows its caller, compared in one: exit status, standard output, standard error.
inline std::tuple<int, std::string, std::string> Seen(const CliResult& r) { return {r.status, r.out, r.err}; }

// Runs "qav-cli <tail>" (shell words) through the shell, after the environment assignments given;
// standard output goes to a file unless the tail redirects it.
inline CliResult Shell(const std::string& tail, const std::string& environment = "")
{
    const std::filesystem::path out = ProgramFolder() / "shell.out", err = ProgramFolder() / "shell.err";
    const bool redirects = tail.find('>') != std::string::npos;
    const std::string command = "(" + environment + " " QAV_CLI " " + tail + ")" +
                                (redirects ? "" : " >" + out.string()) + " 2>" + err.string();
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0, 0, redirects ? "" : ReadFile(out), ReadFile(err)};
}

using Limits = std::vector<std::pair<int, rlim_t>>;

// Starts qav-cli in a child with the arguments, in the folder cwd when given and under the
// resource limits; standard output and error go to the files.
inline pid_t Start(const std::vector<std::string>& args, const std::filesystem::path& out,
                   const std::filesystem::path& err, const std::filesystem::path& cwd = {}, const Limits& limits = {})
{
    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto& [resource, value] : limits) {
            const rlimit limit{value, value};
            setrlimit(resource, &limit);
        }
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(126);
        std::vector<char*> argv{const_cast<char*>(QAV_CLI)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(QAV_CLI, argv.data());
        _exit(127);
    }
    return pid;
}

inline CliResult Finish(pid_t pid, const std::filesystem::path& out, const std::filesystem::path& err)
{
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0, usage.ru_maxrss,
            ReadFile(out), ReadFile(err)};
}

inline CliResult RunCli(const std::vector<std::string>& args, const std::filesystem::path& cwd = {},
                        const Limits& limits = {})
{
    const TempFolder files;
    return Finish(Start(args, files / "out", files / "err", cwd, limits), files / "out", files / "err");
}

}  // namespace qav::test
