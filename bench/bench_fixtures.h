#pragma once
// The benchmark fixtures (bench/fixtures, written by make_fixtures.py): the
// same layout and data files the image test renders, so that what is timed
// is what is compared pixel for pixel.

#include "engine_api.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace bench {

// The path of `file` in the fixture folder `folder` (e.g. "page253").
inline QString fixturePath(const QString& folder, const QString& file)
{
    return QStringLiteral(KWPND_BENCH_FIXTURES "/") + folder + u'/' + file;
}

// One value of a fixture file, read outside the timed loops.
inline QString fixtureValue(const QString& path, const QString& section, const QString& key)
{
    kwpnd::IniFileHandler ini;
    ini.Path(path);
    ini.section(section);
    ini.Key(key);
    return ini.Value();
}

inline QStringList fixtureSections(const QString& path)
{
    kwpnd::IniFileHandler ini;
    ini.Path(path);
    QStringList names;
    std::int32_t count = 0;
    ini.EnumerateAllSections(names, count);
    return names;
}

}  // namespace bench
