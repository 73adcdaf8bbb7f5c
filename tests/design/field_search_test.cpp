// Naming and marking the field whose origin lies under the pointer.

#include "design_fixture.h"
#include "preview_api.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTest>

namespace kwpnd::test {
namespace {

class FieldSearchTest : public DesignFixture {
protected:
    QByteArray layoutText() const override
    {
        return "[PreviewWindow]\nHeight=3000\nWidth=4500\n"
               "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
               "[A]\nEnabled=1\nXLeft=10\nYTop=20\n"
               "[B]\nEnabled=1\nXLeft=30.04\nYTop=40\n"
               "[C]\nEnabled=1\nXLeft=30\nYTop=40.5\n"
               "[D]\nEnabled=1\nXLeft=60.2\nYTop=0\n"
               "[E]\nEnabled=1\nXLeft=70.3\nYTop=0\n";
    }

    // The canvas's units are its pixels (300 by 200), and the page is generated.
    void SetUp() override
    {
        DesignFixture::SetUp();
        component().InitialiseForm(200, 300);
        window().PreviewGenerate();
        ASSERT_EQ(window().CerPrvC().pixelWidth(), 300);
    }

    FieldSearch& search() { return aids().fieldSearch(); }
    PreviewForm& form() { return window().form(); }
    QString named() { return form().lblPennardPreview->text(); }
    bool marked() { return !form().shapeFieldSearher->isHidden(); }
    void moveTo(float x, float y) { search().CerPrvC_MouseMove(x, y); }
    void rewrite(const QByteArray& text) { writeFile(dir, QStringLiteral("layout.ini"), text); }
};

TEST_F(FieldSearchTest, APointerWithinOneUnitRightOfAndBelowTheOriginFindsTheField)
{
    struct Case {
        float x, y;
        const char* readoutX;
        const char* found;
    };
    const Case cases[] = {
        {10, 20, "X:10", "A"},
        {11, 21, "X:11", "A"},
        {10.5f, 20.5f, "X:10.5", "A"},
        {11.1f, 20, "X:11.1", ""},
        {9.9f, 20, "X:9.9", ""},
        {12.25f, 0, "X:12.2", ""},
        {12.75f, 0, "X:12.8", ""},
        {1440, 0, "X:1440", ""},
        {7.5f, 0, "X:7.5", ""},
        // The pointer is looked up rounded to a tenth, a tie to the even tenth.
        {61.25f, 0.5f, "X:61.2", "D"},
        {70.25f, 0.5f, "X:70.2", ""},
        {70.35f, 0.5f, "X:70.3", "E"},
        {30, 40.5f, "X:30", "C"},       // B's origin lies right of the pointer (30.04)
        {30.1f, 40.2f, "X:30.1", "B"},  // C's lies below it (40.5)
        {30.5f, 41, "X:30.5", "C"},     // both: the later one stays named
    };
    for (const Case& c : cases) {
        moveTo(c.x, c.y);
        EXPECT_EQ(form().lblXLeft->text(), QLatin1String(c.readoutX));
        EXPECT_EQ(named(), QLatin1String(c.found)) << c.x << ", " << c.y;
        EXPECT_EQ(marked(), *c.found != 0) << c.x << ", " << c.y;
        EXPECT_EQ(form().lblPennardPreview->toolTip(), QString());
    }
    EXPECT_EQ(form().lblXLeft->toolTip(), QStringLiteral("Left"));
    EXPECT_EQ(form().lblYTop->toolTip(), QStringLiteral("Top"));
    EXPECT_FLOAT_EQ(search().msngPointerX, 30.5f);
    EXPECT_TRUE(dialogs->shown().empty());
}

TEST_F(FieldSearchTest, ADoubleClickReportsEveryFieldFoundInFileOrderWithItsStoredOrigin)
{
    QByteArray text = layoutText();
    for (int i = 1; i <= 50; ++i)
        text += QStringLiteral("[F%1]\nEnabled=1\nXLeft=100.25\nYTop=50\n").arg(i).toLatin1();
    rewrite(text);
    moveTo(30.5f, 41);
    search().CerPrvC_DblClick();
    EXPECT_EQ(shownTexts(), (QStringList{QStringLiteral("B|30.04-40"), QStringLiteral("C|30-40.5")}));
    EXPECT_EQ(named(), QStringLiteral("C"));

    dialogs->clearShown();
    moveTo(100.3f, 51);
    EXPECT_EQ(named(), QStringLiteral("F50"));
    search().CerPrvC_DblClick();
    QStringList expected;
    for (int i = 1; i <= 50; ++i)
        expected << QStringLiteral("F%1|100.25-50").arg(i);
    EXPECT_EQ(shownTexts(), expected);
    for (const auto& s : dialogs->shown())
        EXPECT_EQ(s.icon, MsgIcon::None);

    // Where nothing lies a double-click shows nothing and changes nothing.
    dialogs->clearShown();
    moveTo(200, 150);
    search().CerPrvC_DblClick();
    EXPECT_TRUE(dialogs->shown().empty());
    EXPECT_EQ(named(), QString());
    EXPECT_FALSE(marked());
}

TEST_F(FieldSearchTest, OnlyDrawnFieldsWithNumericOriginsAreFound)
{
    rewrite(
        "[PreviewWindow]\nHeight=3000\nWidth=4500\n"
        "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
        "[Good]\nEnabled=1\nXLeft=0\nYTop=0\n"
        "[Words]\nEnabled=1\nXLeft=abc\nYTop=0\n"
        "[Beyond]\nEnabled=1\nXLeft=1e999\nYTop=0\n"
        "[Largest]\nEnabled=1\nXLeft=1e308\nYTop=0\n"
        "[Off]\nEnabled=0\nXLeft=0\nYTop=0\n"
        "[Huge]\nEnabled=99999\nXLeft=0\nYTop=0\n"
        "[Bare]\nEnabled=1\n"
        "[Words2]\nEnabled=1\nXLeft=0\nYTop=0,5\n");
    moveTo(0.5f, 0.5f);
    EXPECT_EQ(named(), QStringLiteral("Bare"));  // no origin: it lies at (0, 0)
    search().CerPrvC_DblClick();
    EXPECT_EQ(shownTexts(), (QStringList{QStringLiteral("Good|0-0"), QStringLiteral("Bare|0-0")}));

    // 1e308 is a number: as a single it lies at infinity, where no pointer
    // ever is; 1e999 is no number at all.
    dialogs->clearShown();
    search().SearchFieldOnPreviewLogic(3.4e38f, 0, true, true);
    EXPECT_TRUE(dialogs->shown().empty());
    search().SearchFieldOnPreviewLogic(std::numeric_limits<float>::infinity(), 0.5f, true, true);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Largest|1E+308-0")});
}

TEST_F(FieldSearchTest, EveryMoveReadsTheLayoutOfThePageShownAnew)
{
    moveTo(10, 20);
    EXPECT_EQ(named(), QStringLiteral("A"));
    rewrite(layoutText().replace("XLeft=10\n", "XLeft=100\n"));
    moveTo(10, 20);
    EXPECT_EQ(named(), QString());
    moveTo(100, 20);
    EXPECT_EQ(named(), QStringLiteral("A"));

    // A layout that cannot be read ends the look-up quietly.
    QFile::remove(layout);
    QDir(dir.path()).mkdir(QStringLiteral("layout.ini"));
    moveTo(100, 20);
    search().CerPrvC_DblClick();
    EXPECT_EQ(named(), QString());
    EXPECT_TRUE(dialogs->shown().empty());

    // No page: nothing to look in.
    window().ClearPreviewPicBox();
    ASSERT_EQ(window().CerPrvC().Tag(), QString());
    moveTo(100, 20);
    search().CerPrvC_DblClick();
    EXPECT_EQ(named(), QString());
    EXPECT_FALSE(marked());
    EXPECT_TRUE(dialogs->shown().empty());
}

TEST_F(FieldSearchTest, ThePointerOnTheCanvasNamesAndFramesTheField)
{
    PreviewForm& f = form();
    EXPECT_EQ(f.lblPennardPreview->text(), QStringLiteral("Pennard Preview 1.0"));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    // Pointer moves come from the window system, to the window.
    auto pointAt = [&](QPoint pixel) { QTest::mouseMove(f.windowHandle(), f.CerPrvC->mapTo(&f, pixel)); };
    pointAt(QPoint(10, 20));
    EXPECT_EQ(f.lblXLeft->text(), QStringLiteral("X:10"));
    EXPECT_EQ(f.lblYTop->text(), QStringLiteral("Y:20"));
    EXPECT_EQ(named(), QStringLiteral("A"));
    ASSERT_TRUE(marked());
    // The marker frames the unit square at (10, 20), readable on the white page.
    const QRect marker = f.shapeFieldSearher->geometry();
    EXPECT_TRUE(marker.contains(QRect(10, 20, 1, 1))) << marker.x() << "," << marker.y();
    EXPECT_LE(marker.width(), 8);
    const QImage seen = f.CerPrvC->grab().toImage();
    EXPECT_EQ(seen.pixelColor(marker.topLeft()), QColor(0xE0, 0, 0));
    EXPECT_EQ(seen.pixelColor(marker.bottomRight()), QColor(0xE0, 0, 0));

    QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, f.CerPrvC->mapTo(&f, QPoint(10, 20)));
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("A|10-20")});

    pointAt(QPoint(150, 150));
    EXPECT_EQ(named(), QString());
    EXPECT_FALSE(marked());
}

}  // namespace
}  // namespace kwpnd::test
