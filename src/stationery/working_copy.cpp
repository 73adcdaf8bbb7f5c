#include "working_copy.h"

#include "stationery_errors.h"
#include "stationery_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kwpnd::stationery {

namespace {

struct Entry {
    QString relative;  // path below the stationery folder, '/'-separated
    QString real;      // canonical path of what is copied
    bool folder = false;
};

QByteArray native(const QString& path) { return QFile::encodeName(path); }

QString errnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool inside(const QString& canonical, const QString& rootPrefix) { return canonical.startsWith(rootPrefix); }

// Walks the stationery folder and lists what is to be copied, refusing what
// must not be.
class Plan {
public:
    Plan(const QString& root, const CopyLimits& limits)
        : root_(root), rootPrefix_(root == QLatin1String("/") ? root : root + QLatin1Char('/')), limits_(limits)
    {
    }

    std::vector<Entry> walk()
    {
        visit(root_, QString(), {root_});
        return std::move(entries_);
    }

private:
    void visit(const QString& realFolder, const QString& relative, const QStringList& ancestors)
    {
        QDir dir(realFolder);
        if (!dir.isReadable())
            failWithPath(ErrorNumber::PathFileAccess, dir.path(), QStringLiteral("cannot be read"));
        const QFileInfoList list =
            dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& info : list) {
            if (info.fileName() == QLatin1String(kMarkerName))
                continue;  // the library's own name, never a stationery file
            const QString rel = relative.isEmpty() ? info.fileName() : relative + QLatin1Char('/') + info.fileName();
            QString real = info.absoluteFilePath();
            if (info.isSymLink()) {
                real = info.canonicalFilePath();
                if (real.isEmpty())
                    failWithPath(ErrorNumber::PathFileAccess, info.absoluteFilePath(), QStringLiteral("is a link that leads nowhere"));
                if (!inside(real, rootPrefix_) && real != root_)
                    failWithPath(ErrorNumber::PathFileAccess, info.absoluteFilePath(),
                                 QStringLiteral("is a link that leads out of the stationery folder"));
            }
            const QFileInfo target(real);
            if (target.isDir()) {
                if (ancestors.contains(real))
                    failWithPath(ErrorNumber::PathFileAccess, info.absoluteFilePath(), QStringLiteral("is a link round to a folder it is in"));
                add({rel, real, true}, 0);
                visit(real, rel, QStringList(ancestors) << real);
            } else if (target.isFile()) {
                add({rel, real, false}, target.size());
            } else {
                failWithPath(ErrorNumber::PathFileAccess, info.absoluteFilePath(),
                             QStringLiteral("is not a file or folder (a pipe, device or socket is not copied)"));
            }
        }
    }

    void add(Entry entry, qint64 bytes)
    {
        entries_.push_back(std::move(entry));
        bytes_ += bytes;
        if (int(entries_.size()) > limits_.maxEntries)
            failWithPath(ErrorNumber::PathFileAccess, root_,
                         QStringLiteral("holds more than %1 files and folders").arg(limits_.maxEntries));
        if (bytes_ > limits_.maxBytes)
            failWithPath(ErrorNumber::PathFileAccess, root_,
                         QStringLiteral("holds more than %1 MB").arg(limits_.maxBytes / (1024 * 1024)));
    }

    QString root_;
    QString rootPrefix_;
    CopyLimits limits_;
    std::vector<Entry> entries_;
    qint64 bytes_ = 0;
};

// A real folder at `path` in the working copy (made when missing).
void ensureFolder(const QString& path)
{
    if (::mkdir(native(path).constData(), 0700) == 0)
        return;
    struct stat st {};
    if (errno != EEXIST || ::lstat(native(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be made as a folder in the working copy"));
}

// Opens `path` in the working copy for a new file, replacing a file or link
// of that name; never writes through a link.
int createFile(const QString& path, mode_t mode)
{
    struct stat st {};
    if (::lstat(native(path).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("is a folder in the working copy, in the way of a file"));
        if (::unlink(native(path).constData()) != 0)
            failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be replaced: ") + errnoText());
    }
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be written: ") + errnoText());
    return fd;
}

// Opens `path` for the copy: a regular file of at most `budget` bytes,
// examined through the open handle (opened without waiting and without
// following a link, so a path swapped for a pipe or a link since the walk
// neither blocks nor leads elsewhere). Returns the descriptor.
int openForCopy(const QString& path, qint64 budget)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            failWithPath(ErrorNumber::FileNotFound, path, QStringLiteral("does not exist"));
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be read: ") + errnoText());
    }
    struct stat st {};
    const bool statted = ::fstat(fd, &st) == 0;
    const QString reason = !statted               ? QStringLiteral("cannot be examined: ") + errnoText()
                           : !S_ISREG(st.st_mode) ? QStringLiteral("is not a regular file")
                           : st.st_size > budget
                               ? QStringLiteral("is larger than the %1 bytes left for the copy").arg(budget)
                               : QString();
    if (!reason.isEmpty()) {
        ::close(fd);
        failWithPath(ErrorNumber::PathFileAccess, path, reason);
    }
    // Reads from here on wait for data as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void copyFile(const QString& from, const QString& to, qint64& budget, const QString& rootPrefix)
{
    // Examined again at the moment of copying: a file swapped for a link or a
    // pipe since the walk is refused here.
    const QString real = QFileInfo(from).canonicalFilePath();
    if (real.isEmpty() || !inside(real, rootPrefix))
        failWithPath(ErrorNumber::PathFileAccess, from, QStringLiteral("has left the stationery folder"));
    const int in = openForCopy(real, budget);
    // The copy stays the user's to change (and to delete) whatever the original allows.
    const mode_t mode = 0600 | (QFileInfo(real).permissions() & QFileDevice::ExeOwner ? 0100 : 0);
    int fd = -1;
    try {
        fd = createFile(to, mode);
    } catch (...) {
        ::close(in);
        throw;
    }
    std::vector<char> chunk(1 << 20);
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(in, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        budget -= got;
        if (budget < 0 || ::write(fd, chunk.data(), size_t(got)) != got) {
            ok = false;
            break;
        }
    }
    ::close(in);
    ::close(fd);
    if (!ok)
        failWithPath(ErrorNumber::PathFileAccess, to, QStringLiteral("could not be copied completely"));
}

}  // namespace

void copyStationery(const QString& source, const QString& workingFolder, const CopyLimits& limits)
{
    const QFileInfo info(source);
    if (source.isEmpty() || !info.exists())
        failWithPath(ErrorNumber::PathNotFound, source, QStringLiteral("does not exist"));
    if (!info.isDir())
        failWithPath(ErrorNumber::PathNotFound, source, QStringLiteral("is not a folder"));
    const QString root = info.canonicalFilePath();
    struct stat st {};
    if (::lstat(native(workingFolder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        failWithPath(ErrorNumber::PathNotFound, workingFolder, QStringLiteral("is not a folder"));

    const std::vector<Entry> entries = Plan(root, limits).walk();
    const QString rootPrefix = root == QLatin1String("/") ? root : root + QLatin1Char('/');
    qint64 budget = limits.maxBytes;
    for (const Entry& e : entries) {
        const QString target = joinPath(workingFolder, e.relative);
        if (e.folder)
            ensureFolder(target);
        else
            copyFile(e.real, target, budget, rootPrefix);
    }
}

}  // namespace kwpnd::stationery
