#include "layout_key_names.h"

#include "engine_api.h"

#include <QRegularExpression>

namespace kwpnd {

namespace {
// Keys of the option sections, as the window and the output commands read
// them: the caption and canvas size, the after-generation actions, printing.
const char* const kOptionKeys[] = {
    "Title",
    "Height",
    "Width",  // PreviewWindow
    "PrintAfterGenerate",
    "CopyToClipboard",  // Preview
    "copies",
    "ShowDialog",
    "copytitle1",  // Printer
};

bool isCopyTitle(const QString& name)
{
    static const QRegularExpression copyTitle(QStringLiteral("^copytitle[0-9]+$"),
                                              QRegularExpression::CaseInsensitiveOption);
    return copyTitle.match(name).hasMatch();
}
}  // namespace

QStringList knownLayoutKeyNames()
{
    QStringList names = knownFieldKeyNames();
    for (const char* key : kOptionKeys)
        if (!names.contains(QLatin1String(key), Qt::CaseInsensitive))
            names << QLatin1String(key);
    return names;
}

bool isKnownLayoutKeyName(const QString& name)
{
    return isCopyTitle(name) || knownLayoutKeyNames().contains(name, Qt::CaseInsensitive);
}

}  // namespace kwpnd
