#include "stationery_folders.h"

#include "stationery_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

namespace kwpnd::stationery {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// lstat of `path`; false when nothing is there.
bool entryAt(const QString& path, struct stat& st)
{
    if (::lstat(native(path).constData(), &st) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be examined: ") + QString::fromLocal8Bit(std::strerror(errno)));
}

bool ownedByUser(const struct stat& st) { return st.st_uid == ::geteuid(); }

// The private root: made with owner-only access where missing, and refused
// when something else (a link, another user's folder) has taken its place.
QString privateRoot()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        failWithPath(ErrorNumber::PathNotFound, QStringLiteral("~/.cache"), QStringLiteral("cannot be found (no home folder)"));
    const QString root = joinPath(cache, QStringLiteral("kwpnd"));
    QDir().mkpath(cache);
    if (::mkdir(native(root).constData(), 0700) != 0 && errno != EEXIST)
        failWithPath(ErrorNumber::PathFileAccess, root, QStringLiteral("cannot be made: ") + QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (!entryAt(root, st) || !S_ISDIR(st.st_mode) || !ownedByUser(st))
        failWithPath(ErrorNumber::PathFileAccess, root, QStringLiteral("is not a folder of the user's own"));
    return root;
}

QString root()
{
    const QString windir = qEnvironmentVariable("windir");
    return windir.isEmpty() ? privateRoot() : windir;
}

void writeMarker(const QString& folder)
{
    const QString marker = joinPath(folder, QString::fromLatin1(kMarkerName));
    const int fd = ::open(native(marker).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        failWithPath(ErrorNumber::PathFileAccess, marker, QStringLiteral("cannot be made: ") + QString::fromLocal8Bit(std::strerror(errno)));
    static const char kText[] = "This folder was made by the KWPND10 stationery component, which may delete it.\n";
    const bool written = ::write(fd, kText, sizeof kText - 1) == static_cast<ssize_t>(sizeof kText - 1);
    ::close(fd);
    if (!written)
        failWithPath(ErrorNumber::PathFileAccess, marker, QStringLiteral("cannot be written"));
}

bool markedByUs(const QString& folder)
{
    struct stat st {};
    return entryAt(joinPath(folder, QString::fromLatin1(kMarkerName)), st) && S_ISREG(st.st_mode) && ownedByUser(st);
}

// Folders no clear ever deletes, not even when marked: what they hold is not
// the library's.
QStringList protectedFolders()
{
    QStringList folders{QStringLiteral("/"), QDir::homePath(), QDir::tempPath(), QStringLiteral("/tmp"),
                        QStringLiteral("/var/tmp")};
    for (QString& f : folders) {
        const QString canonical = QFileInfo(f).canonicalFilePath();
        if (!canonical.isEmpty())
            f = canonical;
    }
    return folders;
}

// Whether deleting `folder` (canonical) would delete a protected folder.
bool holdsProtectedFolder(const QString& folder)
{
    const QString prefix = folder == QLatin1String("/") ? folder : folder + QLatin1Char('/');
    for (const QString& p : protectedFolders())
        if (p == folder || p.startsWith(prefix))
            return true;
    return false;
}

}  // namespace

QString joinPath(const QString& a, const QString& b) { return a + QLatin1Char('/') + b; }

TempFolders prepareTempFolders()
{
    const QString base = root();
    TempFolders folders{joinPath(base, QStringLiteral("Temp")), QString()};
    folders.tempPndFolder = joinPath(folders.tempFolder, QStringLiteral("Pennard"));
    makeFolder(folders.tempFolder);
    makeFolder(folders.tempPndFolder);
    return folders;
}

void makeFolder(const QString& path)
{
    if (::mkdir(native(path).constData(), 0700) == 0) {
        writeMarker(path);
        return;
    }
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        failWithPath(ErrorNumber::PathNotFound, path, QStringLiteral("cannot be made: its parent folder does not exist"));
    struct stat st {};
    if (error != EEXIST || !entryAt(path, st))
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("cannot be made: ") + QString::fromLocal8Bit(std::strerror(error)));
    if (S_ISLNK(st.st_mode))
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("is a link; the library only works in folders"));
    if (!S_ISDIR(st.st_mode))
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("is taken by a file"));
}

QString whyNotDeletable(const QString& path)
{
    struct stat st {};
    if (path.isEmpty() || !entryAt(path, st))
        return {};
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("is a link, not a folder this library made");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("is not a folder");
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || holdsProtectedFolder(canonical))
        return QStringLiteral("is or holds the root, the home or the system's temporary folder");
    if (!ownedByUser(st) || !markedByUs(canonical))
        return QStringLiteral("was not made by this library");
    return {};
}

void deleteMadeFolder(const QString& path)
{
    const QString why = whyNotDeletable(path);
    if (!why.isEmpty())
        failWithPath(ErrorNumber::PathFileAccess, path, why + QStringLiteral("; nothing was deleted"));
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return;  // nothing there (an empty path would name the current folder)
    // QDir removes links as entries and never descends through them.
    if (!QDir(canonical).removeRecursively())
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("could not be deleted completely"));
}

std::int32_t RandomInRange(std::int64_t lower, std::int64_t upper)
{
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (lower < kMin || lower > kMax || upper < kMin || upper > kMax)
        return 0;
    QRandomGenerator* random = QRandomGenerator::system();
    std::int64_t value;
    if (upper >= lower) {
        value = random->bounded(static_cast<qint64>(lower), static_cast<qint64>(upper) + 1);
    } else {
        // A reversed range keeps the classic formula's result.
        value = static_cast<std::int64_t>(std::floor(double(upper - lower + 1) * random->generateDouble() + double(lower)));
    }
    return value < kMin || value > kMax ? 0 : static_cast<std::int32_t>(value);
}

}  // namespace kwpnd::stationery
