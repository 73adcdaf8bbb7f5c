#include "kwpnd/user_files.h"

#include "engine/ini_text_codec.h"
#include "surface/regular_file.h"

namespace kwpnd {

QByteArray readUserFile(const QString& path, qint64 maxBytes) { return readRegularFile(path, maxBytes); }

QString decodeUserText(const QByteArray& bytes) { return decodeIniBytes(bytes).text; }

}  // namespace kwpnd
