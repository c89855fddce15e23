#include "pictures/temporary_files.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <csignal>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>
#endif

namespace qav {
namespace {

// One slot per picture written at once: a job writes one at a time, and there are at most 256
// jobs and the compare picture.
constexpr int kSlots = 264;
constexpr std::size_t kNameBytes = 4096;  // PATH_MAX on Linux

enum SlotState : int { kFree = 0, kFilling = 1, kInUse = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    char name[kNameBytes];
};

Slot* Slots()
{
    static Slot slots[kSlots];  // zero pages until used
    return slots;
}

// The signals whose default action ends the program, each given the clean-up. SIGPIPE and SIGXFSZ
// are not among them: IgnoreOutputSignals turns them into failed writes (EPIPE, EFBIG) that the
// writer reports and cleans up after itself.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU};

// Set by the first signal's clean-up; until then, how many threads are making a file.
struct Creation {
    std::atomic<bool> stopping{false};
    std::atomic<int> making{0};
};

Creation& Creations()
{
    static Creation creation;
    return creation;
}

#ifndef _WIN32
// Starts tracking the file `path`; its slot, or -1 when it is not tracked (a name too long, the
// table full). Thread-safe.
int TrackTemporaryFile(const char* path) noexcept
{
    const std::size_t length = std::strlen(path);
    if (length >= kNameBytes) return -1;
    Slot* slots = Slots();
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[i].name, path, length + 1);
        slots[i].state.store(kInUse);
        return i;
    }
    return -1;
}

// Removes every tracked file; async-signal-safe (unlink only).
void RemoveTrackedTemporaryFiles() noexcept
{
    Slot* slots = Slots();
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].state.load() == kInUse) unlink(slots[i].name);
    }
}

void OnSignal(int signal)
{
    const int savedErrno = errno;
    // No thread makes a file from now on; those making one now (with the signals blocked, so not
    // this thread) finish, tracked, before the tracked files are removed. The wait is bounded by
    // the clock, not by a count of naps: on a loaded machine a thread may stay descheduled for
    // longer than a thousand one-millisecond naps suggest, and leave its file behind.
    Creation& creation = Creations();
    creation.stopping.store(true);
    timespec start{}, now{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    while (creation.making.load() > 0) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec >= 10) break;  // a thread stuck in open (a hung file server)
        const timespec millisecond{0, 1'000'000};
        nanosleep(&millisecond, nullptr);
    }
    RemoveTrackedTemporaryFiles();
    errno = savedErrno;
    // The handler was installed with SA_RESETHAND: the default action is back, and the signal,
    // blocked while this handler runs, takes it as the handler returns.
    raise(signal);
}
#endif

}  // namespace

TrackedFile CreateTrackedFile(const char* path) noexcept
{
    TrackedFile file;
#ifndef _WIN32
    // The signals wait while this thread makes the file: their clean-up waits for it.
    sigset_t signals, previous;
    sigemptyset(&signals);
    for (const int signal : kEndingSignals) sigaddset(&signals, signal);
    pthread_sigmask(SIG_BLOCK, &signals, &previous);
    Creation& creation = Creations();
    creation.making.fetch_add(1);
    int err = EINTR;
    if (!creation.stopping.load()) {
        file.slot = TrackTemporaryFile(path);
        file.fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        err = errno;
        if (file.fd < 0) {
            ForgetTemporaryFile(file.slot);
            file.slot = -1;
        }
    }
    creation.making.fetch_sub(1);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (file.fd < 0) errno = err;
#else
    (void)path;
    errno = ENOSYS;
#endif
    return file;
}

void ForgetTemporaryFile(int slot) noexcept
{
    if (slot >= 0 && slot < kSlots) Slots()[slot].state.store(kFree);
}

void RemoveTemporaryFilesOnSignals() noexcept
{
#ifndef _WIN32
    Slots();  // the table exists before any handler may read it
    Creations();
    for (const int signal : kEndingSignals) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(signal, &action, nullptr);
    }
#endif
}

void IgnoreOutputSignals() noexcept
{
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace qav
