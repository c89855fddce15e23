#pragma once
// Reading a whole data file into memory, with the failure categories and texts that both file
// readers show ("File not found", "Permission denied", ...).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "data/md_reader.h"

namespace qav {

struct FileBytes {
    std::string bytes;
    std::optional<ReadFailure> failure;  // set when the file could not be read
    bool tooLarge = false;               // more than the limit: the caller says what the file is not
};

/// The bytes of a regular file of at most maxBytes. Folders, pipes and devices are refused
/// (a pipe could block or never end); a missing folder is told from a missing file.
FileBytes ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) noexcept;

/// An operating-system error (errno) as the readers report it.
ReadFailure SystemFailure(int err);

}  // namespace qav
