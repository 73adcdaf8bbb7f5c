// Reading compiled pages and the page numbers of their file names.

#include "compiled_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

using stationery::pageNumberOf;
using stationery::readCompiledPage;

TEST(CompiledPage, ReadsTheEncodingsPagesComeIn)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const QString text = QStringLiteral("<p>Caf\u00e9 \u20ac</p>");
    const Case cases[] = {
        {"utf8.htm", text.toUtf8()},
        {"cp1252.htm", QByteArray("<p>Caf\xe9 \x80</p>")},
        {"utf16.htm", QByteArray("\xff\xfe", 2) + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)},
        {"declared.htm", QByteArray("<meta charset=\"windows-1252\"><p>Caf\xe9 \x80</p>")},
    };
    for (const Case& c : cases) {
        const QString path = writeFile(dir, c.name, c.bytes);
        const stationery::CompiledPage page = readCompiledPage(path);
        EXPECT_TRUE(page.markup.endsWith(text)) << c.name << ": " << page.markup.toStdString();
        EXPECT_EQ(page.folder, dir.path());
    }
    EXPECT_EQ(errorOf([&] { readCompiledPage(writeFile(dir, "bin.htm", QByteArray("GIF89a\0\0", 8))); }), 75);
}

TEST(CompiledPage, PageNumbersComeFromLeadingDigits)
{
    struct Case {
        const char* path;
        int step;
        int number;  // -1: overflow
    };
    const Case cases[] = {
        {"/w/12.htm", 0, 12},         {"/w/3.htm", -1, 3},         {"/w/007b.htm", 1, 7},
        {"/w/abc.htm", 1, 0},         {"/w/12/x.htm", 0, 0},       {"/w/2147483647.htm", 0, 2147483647},
        {"/w/2147483647.htm", 1, -1}, {"/w/99999999999999999999.htm", 0, -1},
    };
    for (const Case& c : cases) {
        if (c.number < 0)
            EXPECT_EQ(errorOf([&] { pageNumberOf(c.path, c.step); }), 6) << c.path;
        else
            EXPECT_EQ(pageNumberOf(c.path, c.step), c.number) << c.path;
    }
}

}  // namespace
}  // namespace kwpnd::test
