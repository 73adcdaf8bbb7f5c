#include "kwpnd/user_files.h"

#include "engine_api.h"
#include "surface_api.h"

namespace kwpnd {

QByteArray readUserFile(const QString& path, qint64 maxBytes) { return readRegularFile(path, maxBytes); }

QString decodeUserText(const QByteArray& bytes) { return decodeIniBytes(bytes).text; }

}  // namespace kwpnd
