#pragma once
// The temporary files being written at this moment, so that an interrupted program can remove
// them. A signal handler may only touch memory without locks or allocation, so the names are
// kept in a fixed table of atomically claimed slots: the one piece of process-wide state the
// picture layer keeps. A name longer than a slot, or a slot table full, is simply not tracked.
#include <cstddef>

namespace qav {

/// Starts tracking the file `path` (a NUL-terminated name); returns its slot, or -1 when it is
/// not tracked. Thread-safe.
int TrackTemporaryFile(const char* path) noexcept;

/// Stops tracking the slot once the file has been renamed or removed. -1 is ignored.
void ForgetTemporaryFile(int slot) noexcept;

/// Removes every tracked file; async-signal-safe (unlink only). Returns how many were removed.
std::size_t RemoveTrackedTemporaryFiles() noexcept;

/// For SIGINT, SIGTERM and SIGHUP (unless ignored, as under nohup): a handler that removes the
/// tracked files and then lets the signal take its default action, so a shell sees the program
/// ended by the signal as before.
void RemoveTemporaryFilesOnSignals() noexcept;

}  // namespace qav
