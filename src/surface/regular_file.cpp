#include "regular_file.h"

#include "kwpnd/error.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace kwpnd {

namespace {
[[noreturn]] void refuse(const QString& path, const QString& reason)
{
    throw Error::detailed(ErrorNumber::PathFileAccess, QDir::toNativeSeparators(path) + QLatin1Char(' ') + reason);
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 kMb = 1024 * 1024;
    if (bytes % kMb == 0)
        return QStringLiteral("%1 MB").arg(bytes / kMb);
    return QStringLiteral("%1 bytes").arg(bytes);
}

[[noreturn]] void refuseTooLarge(const QString& path, qint64 maxBytes)
{
    refuse(path, QStringLiteral("is larger than the %1 such a file may have").arg(sizeText(maxBytes)));
}

// Refuses what is not a regular file of at most `maxBytes` bytes.
void requireRegular(const QString& path, const struct stat& st, qint64 maxBytes)
{
    if (S_ISDIR(st.st_mode))
        refuse(path, QStringLiteral("is a folder, not a file"));
    if (!S_ISREG(st.st_mode))
        refuse(path, QStringLiteral("is not a regular file (a pipe, device or socket is not read)"));
    if (st.st_size > maxBytes)
        refuseTooLarge(path, maxBytes);
}

[[noreturn]] void refuseErrno(const QString& path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        throw Error(ErrorNumber::FileNotFound);
    refuse(path, QStringLiteral("cannot be read: ") + QString::fromLocal8Bit(std::strerror(error)));
}
}  // namespace

std::unique_ptr<QFile> openRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (native.isEmpty() || ::stat(native.constData(), &st) != 0)
        refuseErrno(path, native.isEmpty() ? ENOENT : errno);
    // Refused before it is opened: opening some devices has effects of its own.
    requireRegular(path, st, maxBytes);

    int fd = -1;
    do {
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        refuseErrno(path, errno);
    auto file = std::make_unique<QFile>();
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        refuseErrno(path, error);
    }
    try {
        requireRegular(path, st, maxBytes);  // what was opened, not what was named
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(path, QStringLiteral("cannot be read: ") + file->errorString());
    }
    return file;
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes)
{
    const std::unique_ptr<QFile> file = openRegularFile(path, maxBytes);
    // Read to the end, not to the size examined: a file that grew since then
    // is refused as soon as it passes the cap.
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file->read(chunk, sizeof chunk);
        if (got < 0)
            refuse(path, QStringLiteral("cannot be read: ") + file->errorString());
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes)
            refuseTooLarge(path, maxBytes);
        bytes.append(chunk, got);
    }
    return bytes;
}

}  // namespace kwpnd
