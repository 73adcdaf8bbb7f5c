// The INI file handler as a host uses it through the public header and the
// shared library alone.

#include <kwpnd/error.h>
#include <kwpnd/ini_file_handler.h>

#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

TEST(HostIniFileHandler, WritesReadsAndEnumeratesThroughThePublicHeader)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("settings.ini"), "[Stationary]\nTitle = Letters \n[Other]\nA=1\n");

    IniFileHandler writer;
    writer.Path(path);
    writer.section(QStringLiteral("other"));
    writer.Key(QStringLiteral("B"));
    writer.Value(QStringLiteral("two"));

    IniFileHandler reader;
    reader.Path(path);
    reader.section(QStringLiteral("STATIONARY"));
    reader.Key(QStringLiteral("title"));
    EXPECT_EQ(reader.Value(), QStringLiteral("Letters"));
    EXPECT_EQ(reader.section(), QStringLiteral("STATIONARY"));
    EXPECT_EQ(reader.Key(), QStringLiteral("title"));

    QStringList names;
    std::int32_t count = 0;
    reader.EnumerateAllSections(names, count);
    EXPECT_EQ(names, QStringList({QStringLiteral("Stationary"), QStringLiteral("Other")}));
    EXPECT_EQ(count, 2);
    reader.section(QStringLiteral("Other"));
    reader.EnumerateCurrentSection(names, count);
    EXPECT_EQ(names, QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    reader.Key(QStringLiteral("B"));
    EXPECT_EQ(reader.Value(), QStringLiteral("two"));
}

TEST(HostIniFileHandler, CopiesAreIndependentHandlersOnTheSameFile)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("s.ini"), "[S]\nA=1\nB=2\n");
    IniFileHandler first;
    first.Path(path);
    first.section(QStringLiteral("S"));
    first.Key(QStringLiteral("A"));

    IniFileHandler copy(first);
    copy.Key(QStringLiteral("B"));
    EXPECT_EQ(first.Value(), QStringLiteral("1"));
    EXPECT_EQ(copy.Value(), QStringLiteral("2"));

    IniFileHandler assigned;
    assigned = first;
    first.Path(QString());
    EXPECT_EQ(assigned.Path(), path);
    EXPECT_EQ(assigned.Value(), QStringLiteral("1"));
    EXPECT_EQ(first.Value(), QString());
}

TEST(HostIniFileHandler, RefusedWritesAreErrors)
{
    QTemporaryDir dir;
    IniFileHandler ini;
    ini.section(QStringLiteral("S"));
    ini.Key(QStringLiteral("K"));
    try {
        ini.Value(QStringLiteral("x"));
        FAIL() << "a write with no file named succeeded";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 75);
    }
    ini.Path(dir.filePath(QStringLiteral("new.ini")));
    ini.section(QStringLiteral("S"));
    ini.Key(QStringLiteral("K"));
    try {
        ini.Value(QStringLiteral("two\nlines"));
        FAIL() << "a value with a line break was written";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 5);
    }
    EXPECT_FALSE(QFile::exists(ini.Path()));
}

}  // namespace
}  // namespace kwpnd::test
