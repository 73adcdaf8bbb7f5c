// kwpnd stationery: the example's first page as a screenshot, and the
// command's refusals.

#include "app/tool_run.h"
#include "stationery_support.h"

#include <QImage>

namespace kwpnd::test {
namespace {

TEST_F(StationeryTest, CommandWritesAScreenshotOfTheStyledExamplePage)
{
    QTemporaryDir out;
    const QString shot = out.filePath("stationery.png");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("windir", root());
    const ToolRun run = runKwpnd({"stationery", QStringLiteral(KWPND_SOURCE_DIR) + "/examples/stationery", "1.htm",
                                  "--screenshot", shot},
                                 env);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    // The page's background and the sheet's top border, both from styles.css.
    EXPECT_GT(countPixels(image, qRgb(0xee, 0xf2, 0xf7)), 10000);
    EXPECT_GT(countPixels(image, qRgb(0x1f, 0x5f, 0xa8)), 2000);
    // The message boxes were answered on standard error; the working copy is gone.
    EXPECT_TRUE(run.err.contains("complete: ")) << run.err.left(300).toStdString();
    EXPECT_TRUE(QDir(root() + "/Temp/Pennard").entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(StationeryTest, CommandRefusesWhatItCannotShow)
{
    QTemporaryDir out;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("windir", root());
    const QString shot = out.filePath("s.png");
    struct Case {
        QStringList args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"stationery", stationery()}, 2, "FOLDER and a PAGE"},
        {{"stationery", stationery(), "../1.htm", "--screenshot", shot}, 2, "inside the stationery folder"},
        {{"stationery", stationery(), "1.htm", "--screenshot", out.filePath("s.bmp")}, 2, ".png"},
        {{"stationery", stationery(), "1.htm", "--frobnicate"}, 2, "frobnicate"},
        {{"stationery", root() + "/missing", "1.htm", "--screenshot", shot}, 1, "Path not found"},
        {{"stationery", stationery(), "7.htm", "--screenshot", shot}, 1, "File not found"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runKwpnd(c.args, env);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString() << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(shot));
}

}  // namespace
}  // namespace kwpnd::test
