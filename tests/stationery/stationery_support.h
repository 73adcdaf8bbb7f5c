#pragma once
// Fixtures of the stationery tests: a root for the library's folders (named
// by "windir") and a small stationery folder.

#include "support/test_support.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kwpnd::test {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

inline void writeAt(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

inline QByteArray readAt(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below `folder` (relative path -> content), the library's
// marker files left out.
inline QMap<QString, QByteArray> treeOf(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName() != QLatin1String(".kwpnd-made-this-folder"))
            files.insert(QDir(folder).relativeFilePath(path), readAt(path));
    }
    return files;
}

inline const char* const kStyles = "body { background: #2a6db0; color: #ffffff; margin: 0; font: 20px sans-serif; }\n";

// The library's folders go below root() ("windir"); stationery() is a
// stationery folder of two pages, a settings file, a style sheet and a
// subfolder.
class StationeryTest : public ::testing::Test {
protected:
    StationeryTest() : windir_("windir", root_.path().toLocal8Bit())
    {
        writeAt(stationery() + "/settings.ini", "[Stationary]\nTitle=Northwind Letters\n");
        writeAt(stationery() + "/styles.css", kStyles);
        writeAt(stationery() + "/1.htm", page("First page"));
        writeAt(stationery() + "/2.htm", page("Second page"));
        writeAt(stationery() + "/pictures/logo.txt", "logo");
    }

    static QByteArray page(const QByteArray& text)
    {
        return "<!DOCTYPE html><html><head><link rel=\"stylesheet\" href=\"styles.css\"></head><body><p id=\"t\">" +
               text + "</p></body></html>\n";
    }

    QString root() const { return root_.path(); }
    QString stationery() const { return source_.path() + "/stat"; }

private:
    QTemporaryDir root_;
    QTemporaryDir source_;
    ScopedEnv windir_;
};

}  // namespace kwpnd::test
