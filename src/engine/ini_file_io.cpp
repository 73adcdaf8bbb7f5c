#include "engine/ini_file_io.h"

#include "kwpnd/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

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
    throw Error(ErrorNumber::PathFileAccess, QDir::toNativeSeparators(path) + reason);
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
    QFile file(path);
    if (!file.exists())
        return content;
    if (QFileInfo(path).isDir())
        failAccess(path, QStringLiteral(" is a folder, not a file"));
    if (!file.open(QIODevice::ReadOnly))
        failAccess(path, QStringLiteral(" cannot be read: ") + file.errorString());

    // Stamp the open file itself, so that the stamp belongs to what is read.
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0)
        failAccess(path, QStringLiteral(" cannot be read"));
    content.stamp = stampOf(st);
    if (content.stamp.size > kMaxIniFileSize)
        failAccess(path, QStringLiteral(" is larger than 32 MB"));

    // One byte more than allowed tells a file that grew since the stamp.
    const QByteArray bytes = file.read(kMaxIniFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        failAccess(path, QStringLiteral(" cannot be read: ") + file.errorString());
    if (bytes.size() > kMaxIniFileSize)
        failAccess(path, QStringLiteral(" is larger than 32 MB"));
    const auto probed = static_cast<std::size_t>(std::min<qsizetype>(bytes.size(), kBinaryProbeSize));
    if (std::memchr(bytes.constData(), '\0', probed) != nullptr)
        failAccess(path, QStringLiteral(" is not a text file"));
    content.decoded = decodeIniBytes(bytes);
    return content;
}

void writeIniFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    // A rename would replace a write-protected file; honour the protection.
    if (info.exists() && !info.isWritable())
        failAccess(path, QStringLiteral(" cannot be written: the file is read-only"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failAccess(path, QStringLiteral(" cannot be written: ") + file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        failAccess(path, QStringLiteral(" cannot be written: ") + reason);
    }
    if (!file.commit())
        failAccess(path, QStringLiteral(" cannot be written: ") + file.errorString());
}

}  // namespace kwpnd
