#include "ini_file_bytes.h"

#include "ini_file_io.h"
#include "kwpnd/error.h"
#include "surface_api.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kwpnd {

std::optional<QByteArray> iniFileBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    return readRegularFile(path, kMaxIniFileSize);
}

void restoreIniFileBytes(const QString& path, const std::optional<QByteArray>& bytes)
{
    if (bytes) {
        writeIniFile(path, *bytes);
        return;
    }
    QFile file(path);
    if (file.exists() && !file.remove())
        throw Error::detailed(ErrorNumber::PathFileAccess,
                              QStringLiteral("%1 cannot be removed: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}

}  // namespace kwpnd
