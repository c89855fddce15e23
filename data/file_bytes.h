#pragma once
// Reading a whole data file into memory, with the failure categories every file reader reports
// (file not found, permission denied, ...).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "data/read_failure.h"

namespace qav {

struct FileBytes {
    std::string bytes;
    std::optional<ReadFailure> failure;  // set when the file could not be read; names the file
    bool tooLarge = false;               // more than the limit: the caller says what the file is not
};

/// The bytes of a file of at most maxBytes: a regular file, or a stream (a pipe, standard input,
/// a terminal) read to its end or until it passes the limit. Folders and block devices are
/// refused; a missing folder is told from a missing file.
FileBytes ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) noexcept;

/// An operating-system error (errno) as the readers report it: the categories of the Monthly
/// Data reader's codes 1..5, anything else kSystemErrorBase + errno.
ReadFailure SystemFailure(int err);

/// The failure of a file over the size limit of its format.
ReadFailure TooLargeFailure(int code, FileFormat format, std::size_t maxBytes);

}  // namespace qav
