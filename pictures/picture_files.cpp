#include "pictures/picture_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <random>

#include "pictures/temporary_files.h"

namespace qav {

namespace {

// Six letters or digits, as mkstemp's: the name of a temporary picture beside its target.
QByteArray TemporarySuffix()
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    QByteArray suffix(6, '\0');
    for (char& c : suffix) c = kAlphabet[pick(random)];
    return suffix;
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

#ifndef _WIN32
// Follows the links at the end of `path` to the name a write must replace: the last link's target,
// which may not exist yet. Returns 0, or ELOOP for a loop or a chain longer than the kernel's 40
// (a loop turned into a regular file would hide the mistake), or lstat's reason.
int FollowLinks(QByteArray& path)
{
    for (int hops = 0;; ++hops) {
        struct stat status {};
        if (lstat(path.constData(), &status) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode)) return 0;
        if (hops == 40) return ELOOP;
        QByteArray link(static_cast<qsizetype>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
        const ssize_t n = readlink(path.constData(), link.data(), static_cast<std::size_t>(link.size()));
        if (n < 0) return errno;
        link.truncate(n);
        if (link.startsWith('/')) {
            path = link;
        } else {
            const qsizetype slash = path.lastIndexOf('/');
            path = (slash < 0 ? QByteArray() : path.left(slash + 1)) + link;
        }
    }
}
#endif

}  // namespace

QImage DescribedImage(QImage image, const PictureDescription& description)
{
    image.setDotsPerMeterX(int(std::lround(image.dotsPerMeterX() * image.devicePixelRatio())));
    image.setDotsPerMeterY(int(std::lround(image.dotsPerMeterY() * image.devicePixelRatio())));
    image.setText(QStringLiteral("Title"), FromUtf8(description.Title));
    for (const auto& [key, value] : description.Provenance) image.setText(FromUtf8(key), FromUtf8(value));
    return image;
}

QByteArray PngBytes(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {};
    return buffer.data();
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
#ifdef _WIN32
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString text = file.errorString();
        return text.isEmpty() ? QStringLiteral("Unknown error") : text;
    }
    return {};
#else
    // What QSaveFile does, with the operating system's reason kept: QSaveFile names a full disk
    // "Unknown error". A link is followed, so the file it points to is replaced, not the link.
    QByteArray target = QFile::encodeName(path);
    const int resolveError = FollowLinks(target);
    if (resolveError) return QString::fromLocal8Bit(std::strerror(resolveError));
    // A device or a pipe (/dev/stdout, /dev/null) cannot be replaced: it is written directly.
    struct stat status {};
    const bool exists = stat(target.constData(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        const int fd = open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        int err = fd < 0 ? errno : 0;
        for (qsizetype done = 0; !err && done < bytes.size();) {
            const ssize_t n = write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
            if (n < 0 && errno != EINTR) err = errno;
            if (n > 0) done += n;
        }
        if (fd >= 0 && close(fd) != 0 && !err && errno != EINTR) err = errno;
        return err ? QString::fromLocal8Bit(std::strerror(err)) : QString();
    }
    // A file the user may not write is not replaced behind its back, as the shell's redirection
    // would not write it either; root keeps root's rights (access checks the effective user).
    if (exists && faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    // The temporary file has a short name of its own, as the target's name may already take all
    // 255 bytes a name can have.
    // It is tracked from the moment it exists until it is renamed or removed, so that a signal at
    // any moment (SIGINT, SIGTERM) finds every file this program made and removes it; mkstemp
    // would leave a moment between making the file and tracking it.
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    QByteArray temporary;
    int fd = -1, tracked = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = folder + "/.qav-" + TemporarySuffix();
        const TrackedFile made = CreateTrackedFile(temporary.constData());
        fd = made.fd;
        tracked = made.slot;
        if (fd >= 0) break;
        const int err = errno;
        if (err != EEXIST || attempt == 100) return QString::fromLocal8Bit(std::strerror(err));
    }
    // mkstemp makes the file private; a new picture gets the usual rights, 0666 less the umask,
    // and a replaced one keeps its own rights (not the set-id bits) and, where allowed, its owner.
    static const mode_t mask = [] {
        const mode_t m = umask(0);
        umask(m);
        return m;
    }();
    if (exists && (status.st_uid != geteuid() || status.st_gid != getegid()) &&
        fchown(fd, status.st_uid, status.st_gid) != 0) {
        // Only root may give a file away: the replaced file is then the user's, as a new one is.
    }
    int err = fchmod(fd, exists ? status.st_mode & 0777 : 0666 & ~mask) == 0 ? 0 : errno;
    for (qsizetype done = 0; !err && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno != EINTR) err = errno;
        if (n > 0) done += n;
    }
    // Some file systems report a full disk only when the data are flushed or the file is closed.
    if (!err && fsync(fd) != 0 && errno != EINVAL) err = errno;
    if (close(fd) != 0 && !err && errno != EINTR) err = errno;
    if (!err && std::rename(temporary.constData(), target.constData()) != 0) err = errno;
    if (err) unlink(temporary.constData());
    ForgetTemporaryFile(tracked);
    if (!err) return {};
    return QString::fromLocal8Bit(std::strerror(err));
#endif
}

}  // namespace qav
