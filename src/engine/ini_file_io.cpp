#include "ini_file_io.h"

#include "kwpnd/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace kwpnd {

namespace {
FileStamp stampOf(const struct stat& st)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.modifiedNs = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.changedNs = std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    stamp.size = st.st_size;
    stamp.inode = st.st_ino;
    return stamp;
}

[[noreturn]] void failAccess(const QString& path, const QString& reason)
{
    throw Error::detailed(ErrorNumber::PathFileAccess, QDir::toNativeSeparators(path) + reason);
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// Refuses what is not a regular file of sane size; `path` names it.
void requireReadableKind(const QString& path, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        failAccess(path, QStringLiteral(" is a folder, not a file"));
    if (!S_ISREG(st.st_mode))
        failAccess(path, QStringLiteral(" is not a regular file"));
    if (st.st_size > kMaxIniFileSize)
        failAccess(path, QStringLiteral(" is larger than 32 MB"));
}

// Writes all of `bytes` at `offset`; the errno of a failure, else 0.
int writeAllAt(int fd, const QByteArray& bytes, off_t offset = 0)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, std::size_t(bytes.size() - done), offset + done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += n;
    }
    return 0;
}

// Reads up to `limit` bytes from the start; nothing on a read error.
std::optional<QByteArray> readAll(int fd, qint64 limit)
{
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(buffer, n);
        if (bytes.size() > limit)
            return bytes;
    }
}

void syncFolder(const QByteArray& folder)
{
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.isOpen())
        ::fsync(fd.get());
}

// A new, empty file beside `path`, created for this write alone; its mode
// follows the process's umask like that of any new file.
struct TemporaryFile {
    QByteArray name;
    Descriptor fd;
    int error = 0;
};

void createTemporaryBeside(const QFileInfo& info, TemporaryFile& temp)
{
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray base = QFile::encodeName(info.fileName());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp.name =
            folder + "/." + base + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        temp.fd.reset(::open(temp.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
        if (temp.fd.isOpen())
            return;
        if (errno != EEXIST)
            break;
    }
    temp.error = errno;
}

// The whole content into a new file that replaces the old name by a rename.
// With `original` set the new file first takes the old one's owner, group
// and mode; false (nothing changed on disk) when the owner or group cannot be
// kept, so that the caller writes in place.
bool replaceByRename(const QString& path, const QByteArray& bytes, const struct stat* original)
{
    const QFileInfo info(path);
    TemporaryFile temp;
    createTemporaryBeside(info, temp);
    if (!temp.fd.isOpen())
        failAccess(path, QStringLiteral(" cannot be written: no file can be created in the folder %1 (%2)")
                             .arg(QDir::toNativeSeparators(info.absolutePath()), systemReason(temp.error)));
    auto discard = [&] {
        temp.fd.reset();
        ::unlink(temp.name.constData());
    };
    if (original) {
        // Owner and group first: a change of owner clears the set-id bits,
        // which the mode then puts back.
        if (::fchown(temp.fd.get(), original->st_uid, original->st_gid) != 0 ||
            ::fchmod(temp.fd.get(), original->st_mode & 07777) != 0) {
            discard();
            return false;
        }
    }
    int error = writeAllAt(temp.fd.get(), bytes);
    if (error == 0 && ::fsync(temp.fd.get()) != 0)
        error = errno;
    if (error == 0 && ::rename(temp.name.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) {
        discard();
        failAccess(path, QStringLiteral(" cannot be written: ") + systemReason(error));
    }
    temp.fd.reset();
    syncFolder(QFile::encodeName(info.absolutePath()));
    return true;
}

// The whole content over the old bytes of the same file, which keeps its
// inode: its owner, group, mode and every hard link. The old content is read
// first, so that a write that fails half-way (a full disk) is undone.
void rewriteInPlace(const QString& path, const QByteArray& bytes)
{
    const QByteArray native = QFile::encodeName(path);
    Descriptor fd(::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    std::optional<QByteArray> before;
    if (fd.isOpen())
        before = readAll(fd.get(), kMaxIniFileSize);
    else
        fd.reset(::open(native.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isOpen())
        failAccess(path, QStringLiteral(" cannot be written: ") + systemReason(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        failAccess(path, QStringLiteral(" is not a regular file"));

    int error = writeAllAt(fd.get(), bytes);
    if (error == 0 && ::ftruncate(fd.get(), bytes.size()) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (error != 0) {
        if (before && writeAllAt(fd.get(), *before) == 0)
            (void)!::ftruncate(fd.get(), before->size());
        failAccess(path, QStringLiteral(" cannot be written: ") + systemReason(error));
    }
}
}  // namespace

FileStamp statFile(const QByteArray& nativePath)
{
    struct stat st {};
    if (::stat(nativePath.constData(), &st) != 0)
        return {};
    return stampOf(st);
}

IniFileContent readIniFile(const QString& path)
{
    IniFileContent content;
    const QByteArray native = QFile::encodeName(path);

    // What the path names is checked before it is opened: opening a pipe
    // would wait for a writer, a device could answer for ever.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return content;  // a missing file reads as empty
        failAccess(path, QStringLiteral(" cannot be read: ") + systemReason(errno));
    }
    requireReadableKind(path, st);

    // Opened without waiting, and checked again: the name may have been
    // given to something else in between.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isOpen())
        failAccess(path, QStringLiteral(" cannot be read: ") + systemReason(errno));
    if (::fstat(fd.get(), &st) != 0)
        failAccess(path, QStringLiteral(" cannot be read: ") + systemReason(errno));
    requireReadableKind(path, st);
    // Stamp the open file itself, so that the stamp belongs to what is read.
    content.stamp = stampOf(st);

    // One byte more than allowed tells a file that grew since the stamp.
    const std::optional<QByteArray> bytes = readAll(fd.get(), kMaxIniFileSize);
    if (!bytes)
        failAccess(path, QStringLiteral(" cannot be read: ") + systemReason(errno));
    if (bytes->size() > kMaxIniFileSize)
        failAccess(path, QStringLiteral(" is larger than 32 MB"));
    content.decoded = decodeIniBytes(*bytes);
    const QStringView probe =
        QStringView(content.decoded.text).first(std::min<qsizetype>(content.decoded.text.size(), kBinaryProbeSize));
    if (probe.contains(QChar(u'\0')))
        failAccess(path, QStringLiteral(" is not a text file"));
    return content;
}

// How a file is written:
// - A new file, or an existing file with one name whose owner and group the
//   new copy can take: the content goes to a temporary file in the same
//   folder, which takes the old file's owner, group and mode, is flushed to
//   disk and renamed over the name. Readers see the old file or the new one,
//   each whole, and a crash leaves the old file as it was.
// - An existing file with more than one name (hard links), or whose owner or
//   group the writer cannot give to a new file (another user's file in a
//   shared group): a rename would cut the other names off the new content,
//   or hand the file over to the writer and lock its owner out. The file is
//   rewritten in place instead: the whole new content is prepared in memory
//   first, then written over the old bytes from the start, cut to its new
//   length and flushed; a write that fails half-way puts the old bytes back.
// The mode is kept in both cases. A file the writer may not write is refused,
// even when its folder would allow a rename.
void writeIniFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno != ENOENT) {
            const QString folder = QFileInfo(path).absolutePath();
            failAccess(path, QStringLiteral(" cannot be written: the folder %1 cannot be reached (%2)")
                                 .arg(QDir::toNativeSeparators(folder), systemReason(errno)));
        }
        replaceByRename(path, bytes, nullptr);
        return;
    }
    if (!S_ISREG(st.st_mode))
        failAccess(path, QStringLiteral(" is not a regular file"));
    if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        failAccess(path, QStringLiteral(" cannot be written: the file is read-only"));
    if (st.st_nlink > 1 || !replaceByRename(path, bytes, &st))
        rewriteInPlace(path, bytes);
}

}  // namespace kwpnd
