// INI files: whatever bytes a file holds, reading it never fails other than
// with Error 75, every value reads without surrounding blanks or line
// breaks, and a value written through the handler reads back from the
// rewritten file as written while every other key keeps its value.
//
// Input: the file's bytes, optionally followed by RS (0x1E) and
// SECTION US KEY US VALUE (US is 0x1F) to write. Without them the first key
// of the file (or a new one) gets a fixed value.
#include "fuzz/fuzz_support.h"
#include "ini_document.h"
#include "ini_lookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace {
using namespace kwpnd;
using kwpnd::fuzz::check;

struct Entry {
    QString section, key, value;
};

// Every write replaces the file and syncs it to disk; in memory (tmpfs) that
// costs microseconds rather than a disk flush per input.
QString pathOfFuzzFile()
{
    static const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/kwpnd-fuzz-XXXXXX"));
    return dir.filePath(QStringLiteral("fuzz.ini"));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzz::fail("cannot write the scratch file", path);
}

QString folded(const QString& section, const QString& key)
{
    return IniName(section).folded() + QChar(0) + IniName(key).folded();
}

// Everything the handler reads from the file, checking what every read promises.
std::vector<Entry> readAll(const QString& path)
{
    std::vector<Entry> entries;
    IniFileHandler handler;
    handler.Path(path);
    QStringList sections;
    std::int32_t sectionCount = -1;
    handler.EnumerateAllSections(sections, sectionCount);
    check(sectionCount == sections.size(), "section count differs from the names");
    for (const QString& section : sections) {
        check(!section.trimmed().isEmpty() && section == section.trimmed(), "section name not trimmed", section);
        handler.section(section);
        QStringList keys;
        std::int32_t keyCount = -1;
        handler.EnumerateCurrentSection(keys, keyCount);
        check(keyCount == keys.size(), "key count differs from the names");
        for (const QString& key : keys) {
            handler.Key(key);
            const QString value = handler.Value();
            check(value == value.trimmed(), "value not trimmed", value);
            check(!value.contains(u'\n'), "value holds a line break", value);
            entries.push_back({section, key, value});
        }
    }
    return entries;
}

void roundTrip(const QString& path, const QStringList& write, const std::vector<Entry>& before)
{
    QString section = write.value(0), key = write.value(1), value = write.value(2);
    if (write.isEmpty()) {
        section = before.empty() ? QStringLiteral("Fuzz") : before.front().section;
        key = before.empty() ? QStringLiteral("Key") : before.front().key;
        value = QStringLiteral("written value");
    }
    {
        IniFileHandler handler;
        handler.Path(path);
        handler.section(section);
        handler.Key(key);
        if (!fuzz::tolerated([&] { handler.Value(value); }))
            return;
    }
    // A new handler parses the file afresh from disk.
    std::vector<Entry> after;
    if (!fuzz::tolerated([&] { after = readAll(path); }))
        fuzz::fail("a written file cannot be read back", section + u'|' + key + u'|' + value);

    QHash<QString, QString> now;
    for (const Entry& e : after)
        now.insert(folded(e.section, e.key), e.value);
    const QString written = folded(section, key);
    check(now.contains(written) && now.value(written) == value.trimmed(), "written value reads back differently",
          section + u'|' + key + u'|' + value + QStringLiteral(" -> ") + now.value(written));
    for (const Entry& e : before) {
        const QString name = folded(e.section, e.key);
        if (name != written)
            check(now.contains(name) && now.value(name) == e.value, "a write changed another key",
                  e.section + u'|' + e.key + u'|' + e.value + QStringLiteral(" -> ") + now.value(name));
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\x1e');
    const QByteArray fileBytes = split < 0 ? input : input.left(split);
    const QStringList write =
        split < 0 ? QStringList() : fuzz::fields(QString::fromUtf8(input.mid(split + 1)), QChar(0x1F), 3);

    const QString path = pathOfFuzzFile();
    writeBytes(path, fileBytes);
    std::vector<Entry> before;
    if (fuzz::tolerated([&] { before = readAll(path); }))
        roundTrip(path, write, before);
    return 0;
}
