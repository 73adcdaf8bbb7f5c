// The output commands other than printing: clear, copy, save, mail and the
// settings commands.

#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview_window.h"
#include "window_design_aids.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

namespace kwpnd::test {
namespace {

// Headless answers that also keep what the save dialog was asked with.
class SaveDialogs : public HeadlessDialogs {
public:
    using HeadlessDialogs::HeadlessDialogs;
    QString title, filter;
    std::optional<QString> saveFileName(const QString& t, const QString& f) override
    {
        title = t;
        filter = f;
        return HeadlessDialogs::saveFileName(t, f);
    }
};

class OutputCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs = std::make_shared<SaveDialogs>(true);
        Dialogs::setCurrent(dialogs);
        layout = writeFile(dir, QStringLiteral("layout.ini"),
                           "[PreviewWindow]\nHeight=4500\nWidth=3000\n"
                           "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                           "[Hello]\nEnabled=1\nXLeft=2\nYTop=1\nFontSize=12\n");
        data = writeFile(dir, QStringLiteral("data.ini"), "[Hello]\nData=Hello\n");
        c = clsKWPNDPreviewA::create();
        c->SettingFile(layout);
        c->DataFile(data);
        c->PreviewGenerate(true);
        c->InitialiseForm();
        c->Generate();
        ASSERT_TRUE(dialogs->shown().empty());
    }

    frmKWPNDPreviewA& window() { return windowOf(*c); }
    Surface& canvas() { return windowOf(*c).CerPrvC(); }
    static QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir dir;
    QString layout, data;
    std::shared_ptr<SaveDialogs> dialogs;
    std::shared_ptr<clsKWPNDPreviewA> c;
};

TEST_F(OutputCommands, CopyPutsThePageOnTheClipboard)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    window().PreviewCopy();
    EXPECT_EQ(rgb(QGuiApplication::clipboard()->image()), rgb(canvas().retainedImage()));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());  // emptied first
}

TEST_F(OutputCommands, SaveAsksForANameAndWritesABitmap)
{
    const QString name = dir.filePath(QStringLiteral("page.jpg"));
    dialogs->scriptText(name);
    window().PreviewSave();
    EXPECT_EQ(dialogs->title, QStringLiteral("Save From Preview"));
    EXPECT_EQ(dialogs->filter, QStringLiteral("JPG (*.JPG) | *.JPG| All Files (*.*)|*.* "));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));  // a bitmap whatever the extension
    EXPECT_EQ(rgb(LoadPicture(name).image()), rgb(canvas().retainedImage()));

    // Cancelling saves nothing and reports nothing.
    window().PreviewSave();
    EXPECT_TRUE(dialogs->shown().empty());
}

TEST_F(OutputCommands, SaveFailuresEndSilentlyButReachTheHost)
{
    const QString unwritable[] = {dir.filePath(QStringLiteral("no/such/folder/page.bmp")),
                                  QStringLiteral("/proc/kwpnd-page.bmp")};  // refused even to root
    for (const QString& name : unwritable) {
        dialogs->scriptText(name);
        EXPECT_NO_THROW(window().PreviewSave());
        EXPECT_FALSE(QFile::exists(name));
        EXPECT_NE(errorOf([&] { c->Save(name); }), 0) << name.toStdString();
    }
    EXPECT_TRUE(dialogs->shown().empty());
}

TEST_F(OutputCommands, ClearKeepsTheBackgroundAndTheTag)
{
    Picture background = canvas().Image();
    window().picBarCodeLabel().Line(0, 0, 100, 100, 0, LineMode::FilledBox);
    window().picBarCodePicObj().Line(0, 0, 100, 100, 0, LineMode::FilledBox);
    canvas().Cls();
    canvas().Picture(background);
    canvas().Line(20, 30, 21, 31, 0, LineMode::FilledBox);
    window().PreviewClear();
    EXPECT_EQ(rgb(canvas().retainedImage()), rgb(background.image()));
    EXPECT_EQ(canvas().Tag(), layout);
    EXPECT_TRUE(inkBounds(window().picBarCodeLabel().retainedImage()).isNull());
    EXPECT_TRUE(inkBounds(window().picBarCodePicObj().retainedImage()).isNull());
}

TEST_F(OutputCommands, EmailOnlyShowsABox)
{
    const QImage before = canvas().retainedImage().copy();
    c->Email();
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("email"));
    EXPECT_EQ(dialogs->shown()[0].caption, Dialogs::defaultCaption());
    EXPECT_EQ(canvas().retainedImage(), before);
}

// Design aids that only note which layouts the settings editor was opened on.
struct EditorOpenings : WindowDesignAids {
    static inline QStringList opened;
    void formLoaded(PreviewForm&) override {}
    void formUnloading() override {}
    void ClearAdjusters() override {}
    void DrawGuides(double, double, const QString&) override {}
    void DrawAdjusters(const QString&, double, double, const QString&, int, const QString&) override {}
    bool windowKeyDown(std::int16_t, std::int16_t) override { return false; }
    void openSettingsEditor(const QString& layoutPath) override { opened << layoutPath; }
};

TEST_F(OutputCommands, SettingsShowsTheLayoutPathThenOpensTheEditor)
{
    setDesignAidsFactory([](frmKWPNDPreviewA&) -> std::unique_ptr<WindowDesignAids> {
        return std::make_unique<EditorOpenings>();
    });
    EditorOpenings::opened.clear();
    auto withAids = clsKWPNDPreviewA::create();
    withAids->SettingFile(layout);
    withAids->DataFile(data);
    withAids->PreviewGenerate(true);
    withAids->InitialiseForm();
    setDesignAidsFactory(nullptr);
    windowOf(*withAids).PreviewSettings();
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("tag"));
    EXPECT_EQ(dialogs->shown()[0].text, layout);
    EXPECT_EQ(dialogs->shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(EditorOpenings::opened, QStringList{layout});

    // A canvas never generated or paged: an empty path. A window without
    // design aids shows the box and opens nothing.
    dialogs->clearShown();
    auto fresh = clsKWPNDPreviewA::create();
    fresh->SettingFile(layout);
    fresh->InitialiseForm();
    windowOf(*fresh).PreviewSettings();
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].text, QString());
    EXPECT_EQ(EditorOpenings::opened, QStringList{layout});
}

TEST_F(OutputCommands, SettingsRefreshGeneratesEvenWhenNotArmed)
{
    canvas().Line(20, 30, 21, 31, 0, LineMode::FilledBox);
    window().mbPreviewGenerate = false;
    window().PreviewSettingsRefresh();
    const QRect ink = inkBounds(canvas().retainedImage());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.bottom(), 280);  // the mark is gone, the page is back
}

}  // namespace
}  // namespace kwpnd::test
