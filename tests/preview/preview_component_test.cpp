// The preview component: properties, registries, the active component,
// InitialiseForm, and the commands that work on the page.

#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview_form.h"
#include "preview_window.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QFile>

namespace kwpnd::test {
namespace {

class PreviewComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs = std::make_shared<HeadlessDialogs>(true);
        Dialogs::setCurrent(dialogs);
        layout = writeFile(dir, QStringLiteral("layout.ini"),
                           "[PreviewWindow]\nTitle=Test page\nHeight=4500\nWidth=3000\n"
                           "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                           "[Hello]\nEnabled=1\nXLeft=2\nYTop=1\nFontSize=12\n");
        data = writeFile(dir, QStringLiteral("data.ini"), "[Hello]\nData=Hello\n");
    }

    QTemporaryDir dir;
    QString layout, data;
    std::shared_ptr<HeadlessDialogs> dialogs;
};

TEST_F(PreviewComponent, NewComponentStartsEmpty)
{
    auto c = clsKWPNDPreviewA::create();
    EXPECT_FALSE(c->Rulers() || c->Paging() || c->PreviewGenerate() || c->Mixmode() || c->Guides() || c->Adjusters());
    EXPECT_TRUE(c->SettingFile().isEmpty() && c->DataFile().isEmpty() && c->Watermark().isEmpty() &&
                c->SettingFolder().isEmpty());
    EXPECT_TRUE(c->Logo().isEmpty() && c->Picture1().isEmpty() && c->BackPicture().isEmpty());
    EXPECT_EQ(c->ScaleMode(), smUser);
    for (const CollectionRef& r :
         {c->Pages(), c->Settings(), c->Pictures(), c->FlexGrids(), c->Listviews(), c->Strings(), c->Webbrowsers()})
        EXPECT_EQ(r->Count(), 0);
    EXPECT_EQ(goActivePreview(), c);
}

TEST_F(PreviewComponent, RegistriesAreLiveAndCaseInsensitive)
{
    auto c = clsKWPNDPreviewA::create();
    c->AddToStrings(QStringLiteral("first"), QStringLiteral("Key"));
    EXPECT_EQ(errorOf([&] { c->AddToStrings(QStringLiteral("second"), QStringLiteral("KEY")); }), 457);
    CollectionRef strings = c->Strings();
    EXPECT_EQ(strings->Count(), 1);
    strings->Remove(1);
    EXPECT_EQ(c->mcolStrings()->Count(), 0);
    auto own = std::make_shared<Collection>();
    c->mcolStrings(own);
    EXPECT_EQ(c->Strings(), own);
}

TEST_F(PreviewComponent, SettingFileNeedsAnExistingFile)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    EXPECT_EQ(c->SettingFolder(), dir.path());
    const QString missing = dir.filePath(QStringLiteral("nope/missing.ini"));
    EXPECT_EQ(errorOf([&] { c->SettingFile(missing); }), 53);
    EXPECT_EQ(c->SettingFile(), missing);
    EXPECT_EQ(c->SettingFolder(), dir.path());
}

TEST_F(PreviewComponent, PreviewGenerateCopiesASnapshotOfThePaths)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->DataFile(data);
    c->PreviewGenerate(true);
    const QString other = writeFile(dir, QStringLiteral("other.ini"), "");
    c->SettingFile(other);
    EXPECT_EQ(windowOf(*c).msSettingFile, layout);
    EXPECT_EQ(windowOf(*c).msDataFile, data);
    EXPECT_TRUE(windowOf(*c).mbPreviewGenerate);
    c->PreviewGenerate(false);
    EXPECT_TRUE(windowOf(*c).mbPreviewGenerate);
}

TEST_F(PreviewComponent, InitialiseFormScalesAndSizesTheCanvas)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->PreviewGenerate(true);
    c->InitialiseForm();
    Surface& canvas = windowOf(*c).CerPrvC();
    EXPECT_EQ(canvas.ScaleMode(), smUser);
    EXPECT_FLOAT_EQ(canvas.ScaleWidth(), 22);
    EXPECT_FLOAT_EQ(canvas.ScaleHeight(), 31);
    EXPECT_EQ(canvas.pixelWidth(), 200);
    EXPECT_EQ(canvas.pixelHeight(), 300);
    EXPECT_EQ(c->PreviewForm(), static_cast<QWidget*>(&windowOf(*c).form()));
    EXPECT_EQ(windowOf(*c).caption(), QStringLiteral("Test page"));

    auto mm = clsKWPNDPreviewA::create();
    mm->SettingFile(layout);
    mm->ScaleMode(smMilimeter);
    mm->InitialiseForm();
    Surface& metric = windowOf(*mm).CerPrvC();
    EXPECT_EQ(metric.ScaleMode(), smMilimeter);
    EXPECT_NEAR(metric.ScaleWidth(), 3000 / 56.6929, 0.01);
}

TEST_F(PreviewComponent, InitialiseFormWithZeroExtentsTakesThePrinterPage)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->InitialiseForm(0, 0);
    Surface& canvas = windowOf(*c).CerPrvC();
    // No printer here: A4 in twips.
    EXPECT_NEAR(canvas.ScaleHeight(), 16838, 2);
    EXPECT_NEAR(canvas.ScaleWidth(), 11906, 2);
}

TEST_F(PreviewComponent, InitialiseFormFailures)
{
    auto c = clsKWPNDPreviewA::create();
    const QString bare = writeFile(dir, QStringLiteral("bare.ini"), "[PreviewWindow]\nHeight=4500\n");
    c->SettingFile(bare);
    EXPECT_EQ(errorOf([&] { c->InitialiseForm(); }), 13);
    // Steps up to the failing one are done: the height is set.
    EXPECT_EQ(windowOf(*c).CerPrvC().pixelHeight(), 300);

    c->SettingFile(layout);
    c->DestroyObj();
    EXPECT_EQ(errorOf([&] { c->InitialiseForm(); }), 91);
}

TEST_F(PreviewComponent, GenerateAndSaveABitmap)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->DataFile(data);
    c->PreviewGenerate(true);
    c->InitialiseForm();
    EXPECT_TRUE(inkBounds(windowOf(*c).CerPrvC().retainedImage()).isNull());  // load's page was erased
    c->Generate();
    const QRect ink = inkBounds(windowOf(*c).CerPrvC().retainedImage());
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), 2 * 200 / 22, 2);

    const QString out = dir.filePath(QStringLiteral("page.jpg"));
    c->Save(out);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    EXPECT_EQ(LoadPicture(out).image().convertToFormat(QImage::Format_RGB32),
              windowOf(*c).CerPrvC().retainedImage().convertToFormat(QImage::Format_RGB32));

    EXPECT_NE(errorOf([&] { c->Save(dir.filePath(QStringLiteral("no/such/folder/page.bmp"))); }), 0);
    c->Clear();
    EXPECT_TRUE(inkBounds(windowOf(*c).CerPrvC().retainedImage()).isNull());
    EXPECT_TRUE(dialogs->shown().empty());
}

TEST_F(PreviewComponent, PagesRegisterSnapshotsAndWarnFromThe36th)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->InitialiseForm();
    for (int i = 1; i <= 35; ++i)
        c->AddToPages(QString::number(i));
    EXPECT_TRUE(dialogs->shown().empty());
    c->AddToPages(QStringLiteral("36"));
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("Limits exceed"));
    EXPECT_EQ(c->Pages()->Count(), 36);
    EXPECT_EQ(c->Settings()->Item(QStringLiteral("36")).toString(), layout);
    EXPECT_EQ(errorOf([&] { c->AddToPages(QStringLiteral("36")); }), 457);
    EXPECT_EQ(c->Settings()->Count(), 36);

    // A registered page does not change when the canvas is drawn on later.
    const Picture before = pictureOf(c->Pages()->Item(1));
    const QImage copy = before.image().copy();
    windowOf(*c).CerPrvC().Line(0, 0, 22, 31, 0, LineMode::FilledBox);
    EXPECT_EQ(pictureOf(c->Pages()->Item(1)).image(), copy);
}

TEST_F(PreviewComponent, WindowReadsTheNewestComponent)
{
    auto older = clsKWPNDPreviewA::create();
    older->SettingFile(layout);
    auto newer = clsKWPNDPreviewA::create();
    newer->Watermark(QStringLiteral("NEW"));
    newer->AddToStrings(QStringLiteral("from newer"), QStringLiteral("k"));
    EXPECT_EQ(windowOf(*older).watermark(), QStringLiteral("NEW"));
    EXPECT_EQ(windowOf(*older).registeredString(QStringLiteral("K")), QStringLiteral("from newer"));
}

TEST_F(PreviewComponent, FieldSelectReachesTheHandlerByReference)
{
    auto c = clsKWPNDPreviewA::create();
    QString field = QStringLiteral("Total");
    c->TriggerEvent_FieldSelect(field);  // no handler: nothing happens
    QObject::connect(c.get(), &clsKWPNDPreviewA::FieldSelect, [](QString& f) { f += QStringLiteral("!"); });
    c->TriggerEvent_FieldSelect(field);
    EXPECT_EQ(field, QStringLiteral("Total!"));
}

TEST_F(PreviewComponent, CommandMethodsReachTheWindow)
{
    auto c = clsKWPNDPreviewA::create();
    c->SettingFile(layout);
    c->PrintNow();  // no "Printer" section: the direct print makes no copy
    c->GoToPageFirst();
    EXPECT_EQ(windowOf(*c).CerPrvC().Tag(), QString());
    c->Email();
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("print direct"));
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("0"));
    EXPECT_EQ(dialogs->shown()[1].text, QStringLiteral("email"));
}

}  // namespace
}  // namespace kwpnd::test
