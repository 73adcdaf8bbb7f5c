// The barcode sheet side of the preview window: the two composing surfaces
// as views, their menu, the double clicks and the label text editor.

#include "kwpnd/preview.h"
#include "preview_form.h"
#include "preview_window.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <algorithm>

namespace kwpnd::test {
namespace {

// Headless answers that also note every input box asked.
class AskingDialogs : public HeadlessDialogs {
public:
    using HeadlessDialogs::HeadlessDialogs;
    struct Asked {
        QString prompt, title, defaultText;
    };
    std::vector<Asked> asked;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        asked.push_back({prompt, title, defaultText});
        return HeadlessDialogs::inputBox(prompt, title, defaultText);
    }
};

// A sheet of two Code 39 labels in the section the editor writes to, without
// numbering: the end number written after each generation is the numeric
// value of the data, which shows whether (and with what) it ran.
constexpr char kLayout[] =
    "[PreviewWindow]\nTitle=Labels\nHeight=6000\nWidth=9000\n"
    "[BarCodeSheetSection]\nEnabled=1\nType=BarcodeSheet\nXLeft=100\nYTop=100\n"
    "Width=4000\nHeight=2000\nXSpacing=100\nYSpacing=100\nXCount=2\nYCount=1\n"
    "FontName=Arial\nFontSize=10\nFontBold=0\nForecolor=0\n"
    "BarCodeSymbol=code39\nBarCodeHeight=40\nBarCodeSequential=0\n"
    "BarCodeLabelAuto=0\nBarCodeLabelWidth=4000\nBarCodeLabelHeight=2000\nBarCodeLabelscale=1\n"
    "BarCodeObjectWidth=3600\nBarCodeObjectHeight=900\nBarCodeObjectscale=1\n"
    "BarCodeLabelBackcolor=255,255,255\nBarCodeBackcolor=255,255,255\n"
    "BarCodeLabelDiff=0\nBarCodeLabelDiffX=0\nBarCodeLabelDiffY=0\n"
    "BarCodeObjectX=100\nBarCodeObjectY=400\n"
    "BarCodeHeader=1\nBarCodeHeaderX=100\nBarCodeHeaderY=60\n"
    "BarCodeFooter=1\nBarCodeFooterX=100\nBarCodeFooterY=1400\nBarCodeFooterCombine=0\nBarCodeBottom=0\n";

constexpr char kData[] = "[BarCodeSheetSection]\nBarcodeData=120\nBarcodeHeader=Northwind\nBarcodeFooter=Shelf 12\n";

const QString kSection = QStringLiteral("BarCodeSheetSection");

class BarcodeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs = std::make_shared<AskingDialogs>(true);
        Dialogs::setCurrent(dialogs);
        const QString layout = writeFile(dir, QStringLiteral("layout.ini"), kLayout);
        const QString data = writeFile(dir, QStringLiteral("data.ini"), kData);
        component = clsKWPNDPreviewA::create();
        component->SettingFile(layout);
        component->DataFile(data);
        component->PreviewGenerate(true);
        component->InitialiseForm();
        window().show(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
    void TearDown() override { component.reset(); }

    frmKWPNDPreviewA& window() { return windowOf(*component); }
    PreviewForm& form() { return window().form(); }
    QAction* item(const char* name) { return form().mnuBarcodeSheetMenu->findChild<QAction*>(QLatin1String(name)); }
    QString dataValue(const char* key) { return window().driver().ReadDataValue(kSection, QLatin1String(key)); }
    void doubleClick(QWidget* view) { QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(5, 5)); }

    QTemporaryDir dir;
    std::shared_ptr<AskingDialogs> dialogs;
    std::shared_ptr<clsKWPNDPreviewA> component;
};

TEST_F(BarcodeWindow, GenerationShowsTheLabelButNotTheBarcode)
{
    PreviewForm& f = form();
    EXPECT_TRUE(f.picBarCodeLabel->isVisible());
    EXPECT_FALSE(f.picBarCodePicObj->isVisible());
    EXPECT_EQ(f.picBarCodeLabel->size(), QSize(267, 133));  // 4000 x 2000 twips
    EXPECT_FALSE(inkBounds(window().picBarCodeLabel().retainedImage()).isNull());
    EXPECT_EQ(dataValue("BarcodeEndNumber"), QStringLiteral("120"));
}

// The label inspector opens beside the window: what the window shows at the
// page's top-left is the page itself, not the last label composed.
TEST_F(BarcodeWindow, TheLabelCoversNoPartOfThePage)
{
    PreviewForm& f = form();
    ASSERT_TRUE(f.picBarCodeLabel->isVisible());
    EXPECT_NE(f.picBarCodeLabel->window(), &f);
    EXPECT_FALSE(f.CerPrvC->isAncestorOf(f.picBarCodeLabel));

    // A page that is red all over, after the sheet.
    Surface& canvas = window().CerPrvC();
    canvas.Line(canvas.ScaleLeft(), canvas.ScaleTop(), canvas.ScaleLeft() + canvas.ScaleWidth(),
                canvas.ScaleTop() + canvas.ScaleHeight(), 0x0000FF, LineMode::FilledBox);
    const QRect topLeft = QRect(0, 0, 300, 150) & f.CerPrvC->visibleRegion().boundingRect();
    ASSERT_FALSE(topLeft.isEmpty());
    const QImage shown = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage page = shown.copy(topLeft.translated(f.CerPrvC->mapTo(&f, QPoint(0, 0))));
    EXPECT_EQ(countPixels(page, qRgb(255, 0, 0)), page.width() * page.height());
}

TEST_F(BarcodeWindow, FailedWritesOfTheEndNumberAreCounted)
{
    EXPECT_EQ(window().driver().failedDataWrites(), 0);
    window().msDataFile = dir.filePath(QStringLiteral("missing/data.ini"));
    window().PreviewGenerate();
    EXPECT_EQ(window().driver().failedDataWrites(), 1);
    const auto& shown = dialogs->shown();
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](const auto& m) { return m.caption == "75"; }), 1);
    window().PreviewGenerate();
    EXPECT_EQ(window().driver().failedDataWrites(), 2);
}

TEST_F(BarcodeWindow, MenuHasItsItemsInOrderAndOpensOnARightPress)
{
    QMenu* menu = form().mnuBarcodeSheetMenu;
    EXPECT_EQ(menu->title(), QStringLiteral("&Barcode Sheet Menu"));
    QStringList items;
    for (QAction* a : menu->actions())
        items << a->objectName() + QLatin1Char('|') + a->text();
    EXPECT_EQ(
        items,
        QStringList({"mnuBarcodeSheetMenuCopyBarcode|&Copy Barcode", "mnuBarcodeSheetMenuHideLabel|&Hide Labels",
                     "mnuBarcodeSheetMenuShowbarCode|&Show Barcode", "mnuBarcodeSheetMenuShowGuides|Show &Guides"}));

    EXPECT_FALSE(form().mnuPopUpPreviewMenu->isVisible());
    QTest::mousePress(form().picBarCodeLabel, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(form().mnuPopUpPreviewMenu->isVisible());
    menu->hide();
    // The left button opens nothing.
    QTest::mousePress(form().picBarCodeLabel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(BarcodeWindow, HideLabelsHidesBothSurfacesAndShowLabelsOnlyTheLabel)
{
    PreviewForm& f = form();
    item("mnuBarcodeSheetMenuShowbarCode")->trigger();
    ASSERT_TRUE(f.picBarCodePicObj->isVisible());

    item("mnuBarcodeSheetMenuHideLabel")->trigger();
    EXPECT_FALSE(f.picBarCodeLabel->isVisible());
    EXPECT_FALSE(f.picBarCodePicObj->isVisible());
    EXPECT_FALSE(window().picBarCodeLabel().Visible());
    EXPECT_FALSE(window().picBarCodePicObj().Visible());
    EXPECT_EQ(item("mnuBarcodeSheetMenuHideLabel")->text(), QStringLiteral("Show &Labels"));

    item("mnuBarcodeSheetMenuHideLabel")->trigger();
    EXPECT_TRUE(f.picBarCodeLabel->isVisible());
    EXPECT_FALSE(f.picBarCodePicObj->isVisible());
    EXPECT_EQ(item("mnuBarcodeSheetMenuHideLabel")->text(), QStringLiteral("&Hide Labels"));
}

TEST_F(BarcodeWindow, ShowBarcodeShowsTheSymbolAndADoubleClickHidesIt)
{
    QWidget* barcode = form().picBarCodePicObj;
    item("mnuBarcodeSheetMenuShowbarCode")->trigger();
    ASSERT_TRUE(barcode->isVisible());
    // Placed over the label, so that the symbol can be seen.
    EXPECT_EQ(barcode->parentWidget()->childAt(barcode->geometry().topLeft() + QPoint(5, 5)), barcode);
    EXPECT_FALSE(inkBounds(window().picBarCodePicObj().retainedImage()).isNull());

    doubleClick(barcode);
    EXPECT_FALSE(barcode->isVisible());
    EXPECT_FALSE(window().picBarCodePicObj().Visible());
    EXPECT_TRUE(form().picBarCodeLabel->isVisible());
    EXPECT_TRUE(dialogs->asked.empty());  // only the label opens the editor
}

TEST_F(BarcodeWindow, CopyBarcodePutsTheLabelOnTheClipboard)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    item("mnuBarcodeSheetMenuCopyBarcode")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage label = window().picBarCodeLabel().retainedImage();
    ASSERT_EQ(copied.size(), label.size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), label.convertToFormat(QImage::Format_RGB32));
}

TEST_F(BarcodeWindow, ShowGuidesOnlyTogglesItsCheckMark)
{
    QAction* guides = item("mnuBarcodeSheetMenuShowGuides");
    EXPECT_FALSE(guides->isChecked());
    guides->trigger();
    EXPECT_TRUE(guides->isChecked());
    EXPECT_TRUE(form().picBarCodeLabel->isVisible());
    guides->trigger();
    EXPECT_FALSE(guides->isChecked());
}

TEST_F(BarcodeWindow, EditorAsksThreeQuestionsWithTheCurrentTexts)
{
    for (const char* answer : {"4711", "Southwind", "Shelf 9"})
        dialogs->scriptText(QLatin1String(answer));
    doubleClick(form().picBarCodeLabel);

    ASSERT_EQ(dialogs->asked.size(), 3u);
    const std::pair<const char*, const char*> expected[] = {
        {"Enter new bar code data", "120"},
        {"Enter new bar code header", "Northwind"},
        {"Enter new bar code footer", "Shelf 12"},
    };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dialogs->asked[i].prompt, QLatin1String(expected[i].first));
        EXPECT_EQ(dialogs->asked[i].title, QStringLiteral("New Data"));
        EXPECT_EQ(dialogs->asked[i].defaultText, QLatin1String(expected[i].second));
    }
    EXPECT_EQ(dataValue("BarcodeData"), QStringLiteral("4711"));
    EXPECT_EQ(dataValue("BarcodeHeader"), QStringLiteral("Southwind"));
    EXPECT_EQ(dataValue("BarcodeFooter"), QStringLiteral("Shelf 9"));
    // The preview was generated again with the new data.
    EXPECT_EQ(dataValue("BarcodeEndNumber"), QStringLiteral("4711"));
}

TEST_F(BarcodeWindow, EditorEndsAtTheFirstEmptyOrCancelledAnswer)
{
    struct Case {
        const char* name;
        std::vector<std::optional<QString>> answers;
        QStringList expected;  // data, header, footer afterwards
    };
    const Case cases[] = {
        {"cancel first", {std::nullopt}, {"120", "Northwind", "Shelf 12"}},
        {"empty first", {QString()}, {"120", "Northwind", "Shelf 12"}},
        {"cancel header", {"4711", std::nullopt}, {"4711", "Northwind", "Shelf 12"}},
        {"empty footer", {"4711", "Southwind", QString()}, {"4711", "Southwind", "Shelf 12"}},
    };
    const QString dataFile = component->DataFile();
    QFile file(dataFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    file.close();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(dir, QStringLiteral("data.ini"), original);
        dialogs->asked.clear();
        for (const auto& answer : c.answers)
            dialogs->scriptText(answer);
        doubleClick(form().picBarCodeLabel);
        EXPECT_EQ(dialogs->asked.size(), c.answers.size());
        EXPECT_EQ(QStringList({dataValue("BarcodeData"), dataValue("BarcodeHeader"), dataValue("BarcodeFooter")}),
                  c.expected);
        // Not generated again: the end number is still that of the first run.
        EXPECT_EQ(dataValue("BarcodeEndNumber"), QStringLiteral("120"));
    }
}

TEST_F(BarcodeWindow, CancellingAtOnceLeavesTheDataFileUntouched)
{
    QFile file(component->DataFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    dialogs->scriptText(std::nullopt);
    doubleClick(form().picBarCodeLabel);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace kwpnd::test
