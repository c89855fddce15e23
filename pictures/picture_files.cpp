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
    const QFileInfo info(path);
    const QString resolved = !info.isSymLink()                     ? path
                             : !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath()
                                                                   : info.symLinkTarget();  // a link to a file to come
    const QByteArray target = QFile::encodeName(resolved);
    // A device or a pipe (/dev/stdout, /dev/null) cannot be replaced: it is written directly.
    struct stat status {};
    if (stat(target.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
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
    // The temporary file has a short name of its own, as the target's name may already take all
    // 255 bytes a name can have.
    // It is tracked from the moment it exists until it is renamed or removed, so that a signal at
    // any moment (SIGINT, SIGTERM) finds every file this program made and removes it; mkstemp
    // would leave a moment between making the file and tracking it.
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).absolutePath());
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
    // mkstemp makes the file private; a picture gets the usual rights, 0666 less the umask.
    static const mode_t mask = [] {
        const mode_t m = umask(0);
        umask(m);
        return m;
    }();
    int err = fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
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
