#include "app/cli_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qav::cli {
namespace {

int stdoutError = 0;  // errno of a failure already seen on standard output

bool IsOpen(int fd) { return fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

// Loops over partial writes and interrupted calls; returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A reader that closed the pipe (head -2) asked for no more: the run fails, quietly, as a
// program killed by SIGPIPE would, but after its clean-up.
[[noreturn]] void ThrowStdout(int err)
{
    stdoutError = err;
    throw OutputError{err == EPIPE ? std::string() : std::string("standard output: ") + std::strerror(err)};
}

}  // namespace

void GuardStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (IsOpen(fd)) continue;
        if (fd == STDOUT_FILENO) stdoutError = EBADF;
        const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {  // open takes the lowest free number, which is fd
            dup2(null, fd);
            close(null);
        }
    }
}

void WriteOut(std::string_view text)
{
    if (stdoutError) ThrowStdout(stdoutError);
    if (const int err = WriteAll(STDOUT_FILENO, text)) ThrowStdout(err);
}

void FinishOut()
{
    if (stdoutError) ThrowStdout(stdoutError);
    // A network file system may report a failed write only when the file is closed. After EINTR
    // Linux has closed the descriptor all the same.
    if (close(STDOUT_FILENO) != 0 && errno != EINTR) ThrowStdout(errno);
}

void WriteErr(std::string_view text) { WriteAll(STDERR_FILENO, text); }

ProgressLine::ProgressLine(std::size_t total) : total_(total)
{
    enabled_ = total > 1 && isatty(STDERR_FILENO);
    struct stat out {
    }, err{};
    sharesTerminal_ = enabled_ && isatty(STDOUT_FILENO) && fstat(STDOUT_FILENO, &out) == 0 &&
                      fstat(STDERR_FILENO, &err) == 0 && out.st_rdev == err.st_rdev;
}

void ProgressLine::BeforeResult()
{
    if (shown_ && sharesTerminal_) {
        WriteErr("\r\x1b[K");  // carriage return, erase to the end of the line
        shown_ = false;
    }
}

void ProgressLine::AfterResult(std::size_t done)
{
    if (!enabled_) return;
    WriteErr("\rAnalysed " + std::to_string(done) + " of " + std::to_string(total_) + " locations");
    shown_ = true;
}

void ProgressLine::Finish()
{
    if (shown_) WriteErr("\r\x1b[K");
    shown_ = false;
}

}  // namespace qav::cli
