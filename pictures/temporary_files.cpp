#include "pictures/temporary_files.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#ifndef _WIN32
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

#ifndef _WIN32
void OnSignal(int signal)
{
    const int savedErrno = errno;
    RemoveTrackedTemporaryFiles();
    errno = savedErrno;
    // The handler was installed with SA_RESETHAND: the default action is back, and the signal,
    // blocked while this handler runs, takes it as the handler returns.
    raise(signal);
}
#endif

}  // namespace

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

void ForgetTemporaryFile(int slot) noexcept
{
    if (slot >= 0 && slot < kSlots) Slots()[slot].state.store(kFree);
}

std::size_t RemoveTrackedTemporaryFiles() noexcept
{
    std::size_t removed = 0;
#ifndef _WIN32
    Slot* slots = Slots();
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].state.load() == kInUse && unlink(slots[i].name) == 0) ++removed;
    }
#endif
    return removed;
}

void RemoveTemporaryFilesOnSignals() noexcept
{
#ifndef _WIN32
    Slots();  // the table exists before any handler may read it
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
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

}  // namespace qav
