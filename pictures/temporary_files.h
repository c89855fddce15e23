#pragma once
// The temporary files being written at this moment, so that an interrupted program can remove
// them. A signal handler may only touch memory without locks or allocation, so the names are
// kept in a fixed table of atomically claimed slots: the one piece of process-wide state the
// picture layer keeps. A name longer than a slot, or a slot table full, is simply not tracked.
namespace qav {

/// A temporary file made by CreateTrackedFile: its descriptor (-1 when it was not made, with
/// errno set) and its tracking slot.
struct TrackedFile {
    int fd = -1;
    int slot = -1;
};

/// Creates the new file `path` (mode 0600, failing when it exists) and tracks it, so that a signal
/// at any moment, in any thread, finds it. Once a signal has begun the clean-up no file is made
/// (errno EINTR): another thread could otherwise make one after the clean-up looked.
TrackedFile CreateTrackedFile(const char* path) noexcept;

/// Stops tracking the slot once the file has been renamed or removed. -1 is ignored.
void ForgetTemporaryFile(int slot) noexcept;

/// For every signal whose default action ends the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT,
/// SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU; those not ignored, as SIGHUP is under nohup): a handler
/// that removes the tracked files and then lets the signal take its default action, so a shell
/// sees the program ended by the signal as before.
void RemoveTemporaryFilesOnSignals() noexcept;

/// Ignores SIGPIPE and SIGXFSZ, so that a reader that closed the pipe gives EPIPE and a write past
/// the file-size limit (ulimit -f) gives EFBIG: failed writes, reported and cleaned up by their
/// writer as a full disk is, instead of an end without a word that leaves a partial file.
void IgnoreOutputSignals() noexcept;

}  // namespace qav
