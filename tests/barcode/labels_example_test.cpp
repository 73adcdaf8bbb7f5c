// examples/labels rendered through a host whose label sheets are composed
// by the label composer: every sheet draws without a report and its cells
// decode. With KWPND_DEMO_OUT set, the pages are also written there as PNG
// files (the demo uses this until the preview window composes label sheets).

#include "barcode_support.h"
#include "ean13.h"
#include "sheet_host.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace kwpnd::test {
namespace {

const QString kExample = QStringLiteral(KWPND_SOURCE_DIR "/examples/labels/");

struct RenderedSheet {
    QImage page;
    QStringList messages;
    QString data;  // the data file after the run
};

// Renders `layout` on an A4 twip canvas with a copy of the example's data.
RenderedSheet render(const QString& layout, const QString& pngName)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.ini"));
    QFile::copy(kExample + QStringLiteral("data.ini"), data);
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner);
    SheetHost host(794, 1123);
    host.layout = kExample + layout;
    host.data = data;
    host.driver.PreviewGenerate();
    const QImage page = host.canvas().retainedImage();
    if (const QString out = qEnvironmentVariable("KWPND_DEMO_OUT"); !out.isEmpty()) {
        QDir().mkpath(out);
        page.save(QDir(out).filePath(pngName));
    }
    QFile f(data);
    f.open(QIODevice::ReadOnly);
    return {page, host.shown(), QString::fromUtf8(f.readAll())};
}

// The cell of column c and row r (from 0) of a grid, in pixels of the page.
QImage cell(const QImage& page, double xLeft, double yTop, double width, double height, double xPitch, double yPitch,
            int c, int r)
{
    return page.copy(QRect(qRound((xLeft + c * xPitch) / 15), qRound((yTop + r * yPitch) / 15), qRound(width / 15),
                           qRound(height / 15)));
}

TEST(LabelsExample, EAN13SheetNumbersTwentyFourLabels)
{
    const RenderedSheet sheet = render(QStringLiteral("ean13_sheet.ini"), QStringLiteral("labels-ean13-sheet.png"));
    EXPECT_TRUE(sheet.messages.isEmpty()) << sheet.messages.join('\n').toStdString();
    EXPECT_TRUE(sheet.data.contains(QStringLiteral("BarcodeEndNumber=400638133414")));
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    auto at = [&](int c, int r) { return decode(cell(sheet.page, 153, 139, 3800, 2000, 3900, 2080, c, r)); };
    EXPECT_EQ(at(0, 0), QStringList{"EAN-13:" + EAN13CheckDigit("400638133391")});
    EXPECT_EQ(at(0, 1), QStringList{"EAN-13:" + EAN13CheckDigit("400638133394")});
    EXPECT_EQ(at(2, 7), QStringList{"EAN-13:" + EAN13CheckDigit("400638133414")});
}

TEST(LabelsExample, Code39SheetRepeatsOneLabel)
{
    const RenderedSheet sheet = render(QStringLiteral("code39_sheet.ini"), QStringLiteral("labels-code39-sheet.png"));
    EXPECT_TRUE(sheet.messages.isEmpty()) << sheet.messages.join('\n').toStdString();
    auto at = [&](int c, int r) { return cell(sheet.page, 300, 369, 5600, 2600, 5700, 2700, c, r); };
    EXPECT_EQ(at(1, 5), at(0, 0));
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    EXPECT_EQ(decode(at(0, 0)), QStringList{"CODE-39:KWP-1042"});
}

}  // namespace
}  // namespace kwpnd::test
