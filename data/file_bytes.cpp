#include "data/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "data/md_reader.h"

namespace qav {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

ReadFailure SystemFailure(int err)
{
    ReadFailure f;
    switch (err) {
        case ENOENT:
            f.Kind = ReadFault::FileNotFound, f.Code = kFileNotFound;
            break;
        case ENOTDIR:
            f.Kind = ReadFault::PathNotFound, f.Code = kPathNotFound;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            f.Kind = ReadFault::PermissionDenied, f.Code = kPermissionDenied;
            break;
        case EISDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
        case EBUSY:
            f.Kind = ReadFault::PathFileAccess, f.Code = kPathFileAccess;
            break;
        case EIO:
        case ENXIO:
        case ENODEV:
            f.Kind = ReadFault::DeviceIo, f.Code = kDeviceIo;
            break;
        default:
            f.Kind = ReadFault::SystemError, f.Code = kSystemErrorBase + err, f.Number = err;
            break;
    }
    return f;
}

ReadFailure TooLargeFailure(int code, FileFormat format, std::size_t maxBytes)
{
    ReadFailure f;
    f.Format = format;
    f.Kind = ReadFault::TooLarge;
    f.Code = code;
    f.Number = static_cast<long long>(maxBytes);
    return f;
}

namespace {

FileBytes ReadBytes(const std::filesystem::path& file, std::size_t maxBytes) noexcept
{
    namespace fs = std::filesystem;
    FileBytes result;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        result.failure = SystemFailure(ec.value());
        return result;
    }
    if (!fs::exists(status)) {
        const fs::path folder = file.parent_path();
        std::error_code folderEc;
        result.failure = SystemFailure(folder.empty() || fs::is_directory(folder, folderEc) ? ENOENT : ENOTDIR);
        return result;
    }
    // Pipes, terminals and sockets ("--file <(...)", /dev/stdin) are streams: read until their end
    // or one byte past the limit, whichever comes first, so an endless one is refused, not read
    // without bound. Folders and block devices (whole disks) are no data files.
    const bool stream = fs::is_fifo(status) || fs::is_character_file(status) || fs::is_socket(status);
    if (!fs::is_regular_file(status) && !stream) {
        result.failure = SystemFailure(fs::is_directory(status) ? EISDIR : EINVAL);
        return result;
    }
    if (!stream) {
        const std::uintmax_t size = fs::file_size(file, ec);
        if (!ec && size > maxBytes) {
            result.tooLarge = true;
            return result;
        }
    }
    errno = 0;
#ifdef _WIN32
    std::unique_ptr<std::FILE, FileCloser> f(_wfopen(file.c_str(), L"rb"));
#else
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
#endif
    if (!f) {
        result.failure = SystemFailure(errno != 0 ? errno : EIO);
        return result;
    }
    // Read up to one byte past the limit: the file may have grown since its size was taken.
    std::vector<char> buffer(std::size_t{1} << 16);
    // A pipe hands over what its writer has written so far: a short read is not its end, feof is.
    while (result.bytes.size() <= maxBytes) {
        const std::size_t want = std::min(buffer.size(), maxBytes + 1 - result.bytes.size());
        const std::size_t n = std::fread(buffer.data(), 1, want, f.get());
        result.bytes.append(buffer.data(), n);
        if (n < want && (std::feof(f.get()) || std::ferror(f.get()))) break;
    }
    if (std::ferror(f.get())) {
        result.bytes.clear();
        result.failure = SystemFailure(errno != 0 ? errno : EIO);
    } else if (result.bytes.size() > maxBytes) {
        result.bytes.clear();
        result.tooLarge = true;
    }
    return result;
}

}  // namespace

FileBytes ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) noexcept
{
    FileBytes result = ReadBytes(file, maxBytes);
    if (result.failure) result.failure->File = file;
    return result;
}

}  // namespace qav
