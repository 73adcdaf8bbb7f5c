// Adjusters: drawn by generation, moved by dragging, edited by keys and the
// adjuster menu; every change written to the layout file, undoable, and the
// page generated again with the focus back on the adjuster.

#include "design_fixture.h"
#include "design_numbers.h"
#include "kwpnd/surface.h"

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace kwpnd::test {
namespace {

constexpr QRgb kBlueCross = 0xFF0000FF;   // classic 0xFF0000
constexpr QRgb kBrownCross = 0xFF804040;  // classic 0x404080

const QByteArray kOptions =
    "[PreviewWindow]\r\nHeight=3000\r\nWidth=4000\r\n"
    "[Preview]\r\nPrintAfterGenerate=0\r\nCopyToClipboard=0\r\n";

class AdjustersTest : public DesignFixture {
protected:
    QByteArray layoutText() const override
    {
        return kOptions +
               "[Total]\r\nType=Text\r\nEnabled=1\r\nXLeft=1440\r\nYTop=720\r\nFontSize=8\r\n"
               "[Off]\r\nEnabled=0\r\nXLeft=100\r\nYTop=100\r\n"
               "[A:B]\r\nType=x:y\r\nEnabled=1\r\nXLeft=12.34\r\nYTop=5\r\n";
    }

    // The window with adjusters on, generated, shown and active.
    frmKWPNDPreviewA& open()
    {
        frmKWPNDPreviewA& w = window();
        if (!w.mbAdjusters) {
            w.mbAdjusters = true;
            w.mnuPopUpGenerate_Click();
            w.form().show();
            w.form().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&w.form()));
        }
        return w;
    }
    Adjusters& adjusters() { return aids().adjusters(); }
    QLineEdit* box(int index) { return adjusters().adjuster(index); }

    // A key pressed in adjuster `index`, and what it left pending done.
    void press(int index, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(box(index), key, modifiers);
        adjusters().settle();
    }
    void focus(int index)
    {
        window().form().windowHandle()->requestActivate();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window().form()));
        box(index)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), box(index));
    }
    QAction* menuItem(int index)
    {
        return window().form().mnuPopUpAdjusterMenu->findChild<QAction*>(
            QStringLiteral("mnuPopUpAdjusterMenuAdjustement_%1").arg(index));
    }
    QImage page() { return window().CerPrvC().retainedImage(); }
    QColor back(int index) { return box(index)->palette().color(QPalette::Base); }
};

TEST_F(AdjustersTest, EachEnabledFieldGetsAnAdjusterWithItsTextTagTipPlaceAndCross)
{
    frmKWPNDPreviewA& w = open();
    ASSERT_TRUE(box(0));
    EXPECT_EQ(box(0)->text(), QStringLiteral("Adjuster"));
    EXPECT_FALSE(adjusters().field(0));
    EXPECT_FALSE(box(4));  // [Off] is disabled: a gap in the indexes

    QLineEdit* total = box(3);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->text(), QStringLiteral("3 : Total"));
    EXPECT_EQ(total->property("Tag").toString(), QStringLiteral("Text:Total:1440:720"));
    EXPECT_EQ(total->toolTip(), QStringLiteral("Total : X (Left) : 1440 ,Y (Top) : 720,"));
    EXPECT_TRUE(total->isVisible());

    // The stored 12.34 is drawn and tagged as generation passed it, 12.3;
    // a ":" in the type or the section name stays in the tag, for showing.
    EXPECT_EQ(box(5)->text(), QStringLiteral("5 : A:B"));
    EXPECT_EQ(box(5)->property("Tag").toString(), QStringLiteral("x:y:A:B:12.3:5"));
    const QPointF at = w.CerPrvC().toPixels(12.3f, 5);
    EXPECT_EQ(box(5)->pos(), QPoint(qRound(at.x()), qRound(at.y())));
    EXPECT_EQ(box(5)->height(), box(0)->height());
    EXPECT_EQ(box(5)->width(), qRound(w.CerPrvC().toPixels(15.3f, 5).x() - at.x()));

    // The crosses: blue down through x, brown across through y.
    const QImage image = page();
    const int x = qRound(at.x()), y = qRound(at.y());
    EXPECT_GT(countPixels(image, kBlueCross, QRect(x - 1, 0, 3, image.height())), image.height() / 2);
    EXPECT_GT(countPixels(image, kBrownCross, QRect(0, y - 1, image.width(), 3)), image.width() / 2);

    // Adjusters off: none left and no crosses.
    w.mnuPopUpAdjusters_Click();
    EXPECT_FALSE(box(3));
    EXPECT_EQ(countPixels(page(), kBlueCross), 0);
}

TEST_F(AdjustersTest, FocusColoursTheActiveAdjusterGreenAndTheOthersRed)
{
    open();
    // Element 0 is designed with the inactive look; new ones take it.
    EXPECT_EQ(back(0), QColor(255, 0, 0));
    EXPECT_EQ(back(5), QColor(255, 0, 0));
    EXPECT_FALSE(box(5)->hasFrame());

    focus(5);
    EXPECT_EQ(adjusters().miActiveAdjuster, 5);
    EXPECT_EQ(box(5)->selectedText(), box(5)->text());
    EXPECT_EQ(back(5), QColor(0, 255, 0));
    EXPECT_TRUE(box(5)->hasFrame());
    for (int i : {0, 3}) {
        EXPECT_EQ(back(i), QColor(255, 0, 0)) << i;
        EXPECT_FALSE(box(i)->hasFrame()) << i;
    }
    // The regenerated page's adjusters take element 0's look, red; the one
    // refocused turns green again.
    press(5, Qt::Key_A);
    EXPECT_EQ(back(3), QColor(255, 0, 0));
    EXPECT_FALSE(box(3)->hasFrame());
    EXPECT_EQ(back(5), QColor(0, 255, 0));
}

// The keys of the table, each on a field [F] set up for it: the field's keys
// before, the key with its exact modifiers, the field's keys after.
struct KeyCase {
    const char* name;
    const char* before;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* after;
};

const KeyCase kKeyCases[] = {
    {"Shift+Right moves 1", "XLeft=1440\r\nYTop=720\r\n", Qt::Key_Right, Qt::ShiftModifier,
     "XLeft=1441\r\nYTop=720\r\n"},
    {"Shift+Left", "XLeft=1440\r\nYTop=720\r\n", Qt::Key_Left, Qt::ShiftModifier, "XLeft=1439\r\nYTop=720\r\n"},
    {"Shift+Down adds", "XLeft=1440\r\nYTop=720\r\n", Qt::Key_Down, Qt::ShiftModifier, "XLeft=1440\r\nYTop=721\r\n"},
    {"Ctrl+Up moves a tenth", "XLeft=1440\r\nYTop=720\r\n", Qt::Key_Up, Qt::ControlModifier,
     "XLeft=1440\r\nYTop=719.9\r\n"},
    {"Ctrl+Right from the tag", "XLeft=12.3\r\nYTop=5\r\n", Qt::Key_Right, Qt::ControlModifier,
     "XLeft=12.4\r\nYTop=5\r\n"},
    {"Shift+Right from the rounded tag", "XLeft=12.34\r\nYTop=5\r\n", Qt::Key_Right, Qt::ShiftModifier,
     "XLeft=13.3\r\nYTop=5\r\n"},
    {"Ctrl+Shift+Right is no binding", "XLeft=1440\r\nYTop=720\r\n", Qt::Key_Right,
     Qt::ControlModifier | Qt::ShiftModifier, "XLeft=1440\r\nYTop=720\r\n"},
    {"Alt+Up on a picture", "Type=Picture2\r\nXLeft=10\r\nYTop=10\r\nHeight=50\r\n", Qt::Key_Up, Qt::AltModifier,
     "Type=Picture2\r\nXLeft=10\r\nYTop=10\r\nHeight=49\r\n"},
    {"Alt+Up on a picture without Height", "Type=PicFromFile\r\nXLeft=10\r\nYTop=10\r\n", Qt::Key_Up, Qt::AltModifier,
     "Type=PicFromFile\r\nXLeft=10\r\nYTop=10\r\nHeight=-1\r\n"},
    {"Alt+Up on text", "XLeft=10\r\nYTop=10\r\nFontSize=8\r\n", Qt::Key_Up, Qt::AltModifier,
     "XLeft=10\r\nYTop=10\r\nFontSize=9\r\n"},
    {"Alt+Down on text reads a whole number, ties to even", "XLeft=10\r\nYTop=10\r\nFontSize=8.5\r\n", Qt::Key_Down,
     Qt::AltModifier, "XLeft=10\r\nYTop=10\r\nFontSize=7\r\n"},
    {"picture types are case-sensitive", "Type=picture2\r\nXLeft=10\r\nYTop=10\r\nFontSize=8\r\n", Qt::Key_Up,
     Qt::AltModifier, "Type=picture2\r\nXLeft=10\r\nYTop=10\r\nFontSize=9\r\n"},
    {"Alt+Right widens a picture", "Type=Picture1\r\nXLeft=10\r\nYTop=10\r\nWidth=30.5\r\n", Qt::Key_Right,
     Qt::AltModifier, "Type=Picture1\r\nXLeft=10\r\nYTop=10\r\nWidth=31.5\r\n"},
    {"Alt+Left on text writes nothing", "XLeft=10\r\nYTop=10\r\n", Qt::Key_Left, Qt::AltModifier,
     "XLeft=10\r\nYTop=10\r\n"},
    {"Ctrl+B on bold", "XLeft=10\r\nYTop=10\r\nFontBold=1\r\n", Qt::Key_B, Qt::ControlModifier,
     "XLeft=10\r\nYTop=10\r\nFontBold=0\r\n"},
    {"Ctrl+B on 2", "XLeft=10\r\nYTop=10\r\nFontBold=2\r\n", Qt::Key_B, Qt::ControlModifier,
     "XLeft=10\r\nYTop=10\r\nFontBold=1\r\n"},
    {"Ctrl+B on none", "XLeft=10\r\nYTop=10\r\n", Qt::Key_B, Qt::ControlModifier,
     "XLeft=10\r\nYTop=10\r\nFontBold=1\r\n"},
    {"Ctrl+Shift+B is not Ctrl+B", "XLeft=10\r\nYTop=10\r\n", Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier,
     "XLeft=10\r\nYTop=10\r\n"},
    {"Ctrl+I", "XLeft=10\r\nYTop=10\r\nFontItalic=0\r\n", Qt::Key_I, Qt::ControlModifier,
     "XLeft=10\r\nYTop=10\r\nFontItalic=1\r\n"},
    {"Ctrl+U", "XLeft=10\r\nYTop=10\r\nFontUnderline=1\r\n", Qt::Key_U, Qt::ControlModifier,
     "XLeft=10\r\nYTop=10\r\nFontUnderline=0\r\n"},
    {"Delete with any shift state", "XLeft=10\r\nYTop=10\r\n", Qt::Key_Delete, Qt::ShiftModifier | Qt::AltModifier,
     "Enabled=0\r\nXLeft=10\r\nYTop=10\r\n"},
    {"a letter writes nothing", "XLeft=10\r\nYTop=10\r\n", Qt::Key_Q, {}, "XLeft=10\r\nYTop=10\r\n"},
};

TEST_F(AdjustersTest, KeyTableWritesTheFieldAndRegeneratesWithTheFocusBack)
{
    frmKWPNDPreviewA& w = open();
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        writeFile(dir, QStringLiteral("layout.ini"), kOptions + "[F]\r\nEnabled=1\r\n" + c.before);
        w.mnuPopUpGenerate_Click();
        QLineEdit* before = box(3);
        ASSERT_TRUE(before);
        focus(3);
        press(3, c.key, c.modifiers);
        const QByteArray after = QByteArray(c.after);
        const QByteArray enabled = after.startsWith("Enabled=") ? "" : "Enabled=1\r\n";
        EXPECT_EQ(layoutBytes(), kOptions + "[F]\r\n" + enabled + after);
        // Whatever the key: generated again, focus on the new adjuster (none
        // once Delete disabled the field).
        EXPECT_NE(box(3), before);
        if (box(3))
            EXPECT_EQ(QApplication::focusWidget(), box(3));
    }
    // Only generation's reports of pictures that are not registered.
    for (const auto& shown : dialogs->shown())
        EXPECT_EQ(shown.caption, QStringLiteral("91"));
}

TEST_F(AdjustersTest, DescriptionAskedForAndEmptyAnswersEndTheKey)
{
    open();
    const QByteArray original = layoutBytes();
    for (const std::optional<QString>& answer : {std::optional<QString>(QString()), std::optional<QString>()}) {
        QLineEdit* before = box(3);
        dialogs->scriptText(answer);
        press(3, Qt::Key_D, Qt::ControlModifier);
        EXPECT_EQ(layoutBytes(), original);
        EXPECT_EQ(box(3), before);  // no generation
    }
    dialogs->scriptText(QStringLiteral("Net total"));
    press(3, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(layoutBytes().contains("FontSize=8\r\nDescription=Net total\r\n"));
    EXPECT_TRUE(box(3)->toolTip().endsWith(QStringLiteral(",Net total")));
}

TEST_F(AdjustersTest, FontAndColourDialogsWriteTheChoiceAndCancelWritesNothing)
{
    open();
    const QByteArray original = layoutBytes();
    press(3, Qt::Key_F, Qt::ControlModifier);  // nothing scripted: cancelled
    press(3, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(layoutBytes(), original);

    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setBold(true);
    font.setUnderline(true);
    dialogs->scriptText(font.toString());
    press(3, Qt::Key_F, Qt::ControlModifier);
    dialogs->scriptText(QStringLiteral("16711680"));
    press(3, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(
        layoutBytes().contains("FontSize=14\r\nFontName=DejaVu Serif\r\nFontBold=1\r\nFontItalic=0\r\n"
                               "FontUnderline=1\r\nForecolor=16711680\r\n"))
        << layoutBytes().constData();
}

TEST_F(AdjustersTest, DoubleClickShowsTheTagUnderTheIndex)
{
    open();
    QTest::mouseDClick(box(5), Qt::LeftButton);
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("5"));
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("x:y:A:B:12.3:5"));
    EXPECT_EQ(dialogs->shown()[0].icon, MsgIcon::Information);
}

TEST_F(AdjustersTest, ShowModeF9ShowThisShowAllAndBackspace)
{
    frmKWPNDPreviewA& w = open();
    focus(3);
    press(3, Qt::Key_F9, Qt::AltModifier);  // any shift state
    EXPECT_TRUE(adjusters().mbShowActiveAdjusterOnly);
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_FALSE(box(5)->isVisible());
    const QPointF other = w.CerPrvC().toPixels(12.3f, 5);
    EXPECT_EQ(countPixels(page(), kBlueCross, QRect(qRound(other.x()) - 1, 0, 3, 50)), 0);

    menuItem(103)->trigger();  // Show All
    EXPECT_FALSE(adjusters().mbShowActiveAdjusterOnly);
    EXPECT_TRUE(w.mbAdjusters);
    EXPECT_TRUE(box(5)->isVisible());

    focus(5);
    menuItem(102)->trigger();  // Show This
    EXPECT_TRUE(w.mbAdjusters);
    EXPECT_FALSE(box(3)->isVisible());
    EXPECT_TRUE(box(5)->isVisible());

    // A new load shows all again.
    w.unload();
    w.mbAdjusters = false;
    open();
    EXPECT_FALSE(adjusters().mbShowActiveAdjusterOnly);
    EXPECT_TRUE(box(3)->isVisible());

    // Backspace: generated again, then that adjuster hidden.
    const QByteArray original = layoutBytes();
    press(3, Qt::Key_Backspace, Qt::ShiftModifier);
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_FALSE(box(3)->isVisible());

    menuItem(106)->trigger();  // Exit
    EXPECT_FALSE(w.mbAdjusters);
    EXPECT_FALSE(box(3));
}

TEST_F(AdjustersTest, AdjusterMenuOnRightClickBoldAndUndo)
{
    frmKWPNDPreviewA& w = open();
    QMenu& menu = *w.form().mnuPopUpAdjusterMenu;
    EXPECT_EQ(menu.title(), QStringLiteral("&Adjuster Menu"));
    QStringList captions;
    for (QAction* a : menu.actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions,
              QStringList({"Bold", "-", "Show This", "Show All", "Clear Adjusters", "-", "Exit", "-", "Undo", "Redo"}));

    // No adjuster had the focus yet: "Bold" does nothing at all.
    const QByteArray original = layoutBytes();
    QLineEdit* before = box(3);
    menuItem(0)->trigger();
    adjusters().settle();
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_EQ(box(3), before);

    focus(3);
    menuItem(0)->trigger();
    adjusters().settle();
    EXPECT_TRUE(layoutBytes().contains("FontSize=8\r\nFontBold=1\r\n"));
    EXPECT_EQ(QApplication::focusWidget(), box(3));

    menu.findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
    adjusters().settle();
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_EQ(QApplication::focusWidget(), box(3));

    menuItem(104)->trigger();  // Clear Adjusters
    EXPECT_FALSE(w.mbAdjusters);
    EXPECT_FALSE(box(3));

    // A right click on the canvas: the adjuster menu while adjusters are
    // on, the preview menu while they are off. (Last: the offscreen
    // platform leaves a closed menu the active window.)
    auto rightClick = [&] {
        QWidget* opened = nullptr;
        QTimer::singleShot(0, [&] {
            opened = QApplication::activePopupWidget();
            if (opened)
                opened->close();
        });
        QTest::mouseClick(w.form().CerPrvC, Qt::RightButton, {}, QPoint(5, 5));
        return opened;
    };
    EXPECT_EQ(rightClick(), w.form().mnuPopUpPreviewMenu);
    w.mnuPopUpAdjusters_Click();
    EXPECT_EQ(rightClick(), &menu);
}

TEST_F(AdjustersTest, NudgesMergeIntoOneStepThatUndoRestoresByteForByte)
{
    open();
    const QByteArray original = layoutBytes();
    focus(3);
    for (int i = 0; i < 3; ++i)
        press(3, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(layoutBytes().contains("XLeft=1443\r\n"));
    EXPECT_EQ(box(3)->property("Tag").toString(), QStringLiteral("Text:Total:1443:720"));
    press(3, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_EQ(box(3)->property("Tag").toString(), QStringLiteral("Text:Total:1440:720"));
    EXPECT_EQ(QApplication::focusWidget(), box(3));
}

TEST_F(AdjustersTest, AThousandAltUpKeepGoingAndUndoAsOne)
{
    open();
    const QByteArray original = layoutBytes();
    focus(5);  // a field without data and without FontSize (0)
    for (int i = 0; i < 1000; ++i)
        press(5, Qt::Key_Up, Qt::AltModifier);
    EXPECT_TRUE(layoutBytes().endsWith("YTop=5\r\nFontSize=1000\r\n"));
    EXPECT_EQ(aids().edits().stack().count(), 1);
    press(5, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(layoutBytes(), original);
}

// A drag of adjuster `index` from this window, as the canvas receives it:
// entering at `from`, moving to and dropped at `to` (widget pixels).
void dragOnCanvas(QWidget* canvas, QMimeData* mime, QPointF from, QPointF to, bool* accepted = nullptr)
{
    QDragEnterEvent enter(from.toPoint(), Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(canvas, &enter);
    QDragMoveEvent move(to.toPoint(), Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(canvas, &move);
    QDropEvent drop(to, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(canvas, &drop);
    if (accepted)
        *accepted = enter.isAccepted() && drop.isAccepted();
}

TEST_F(AdjustersTest, DropWritesThePointerPositionAndRefocuses)
{
    frmKWPNDPreviewA& w = open();
    // A scale of a quarter unit per pixel: pixel 401 is 100.25 units.
    Surface& canvas = w.CerPrvC();
    canvas.ScaleWidth(canvas.pixelWidth() / 4.0f);
    canvas.ScaleHeight(canvas.pixelHeight() / 4.0f);
    w.mnuPopUpGenerate_Click();
    QWidget* view = w.form().CerPrvC;

    std::unique_ptr<QMimeData> mime(adjusters().dragData(5));
    bool accepted = false;
    dragOnCanvas(view, mime.get(), QPointF(10, 10), QPointF(401, 200), &accepted);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(w.form().lblXLeft->text(), QStringLiteral("X:100.2"));  // the readout followed the drag
    EXPECT_EQ(w.form().lblYTop->text(), QStringLiteral("Y:50"));
    adjusters().settle();
    EXPECT_TRUE(layoutBytes().contains("[A:B]\r\nType=x:y\r\nEnabled=1\r\nXLeft=100.2\r\nYTop=50\r\n"));
    EXPECT_EQ(box(5)->property("Tag").toString(), QStringLiteral("x:y:A:B:100.2:50"));
    EXPECT_EQ(QApplication::focusWidget(), box(5));

    // What is not this window's adjuster is no drop here.
    const QByteArray moved = layoutBytes();
    for (const QByteArray& foreign : {QByteArray("999 5"), QByteArray("5"), QByteArray("x 5 y")}) {
        QMimeData other;
        other.setData(Adjusters::mimeType(), foreign);
        dragOnCanvas(view, &other, QPointF(10, 10), QPointF(20, 20), &accepted);
        EXPECT_FALSE(accepted) << foreign.constData();
    }
    QMimeData text;
    text.setText(QStringLiteral("5"));
    dragOnCanvas(view, &text, QPointF(10, 10), QPointF(20, 20), &accepted);
    EXPECT_FALSE(accepted);
    adjusters().settle();
    EXPECT_EQ(layoutBytes(), moved);
}

TEST_F(AdjustersTest, AFailedWriteIsReportedOnceAndThePageStays)
{
    frmKWPNDPreviewA& w = open();
    const QByteArray original = layoutBytes();
    focus(3);
    QLineEdit* before = box(3);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    ::chmod(QFile::encodeName(layout).constData(), 0444);
    press(3, Qt::Key_Right, Qt::ShiftModifier);
    std::unique_ptr<QMimeData> mime(adjusters().dragData(3));
    dragOnCanvas(w.form().CerPrvC, mime.get(), QPointF(10, 10), QPointF(30, 30));
    adjusters().settle();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(layout).constData(), 0644);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_EQ(layoutBytes(), original);
        // One message for the key, one for the drop's two writes.
        ASSERT_EQ(dialogs->shown().size(), 2u);
        EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("Adjusters"));
        EXPECT_TRUE(dialogs->shown()[0].text.startsWith(QStringLiteral("The layout file could not be written")));
        EXPECT_TRUE(dialogs->shown()[1].detail.startsWith(QStringLiteral("XLeft, YTop of [Total]")));
        EXPECT_EQ(box(3), before);  // the page was not generated again
    }

    // A layout file deleted meanwhile is not made anew with a key or two
    // in it; the key and the drop say so once each.
    dialogs->clearShown();
    before = box(3);
    QFile::remove(layout);
    press(3, Qt::Key_B, Qt::ControlModifier);
    dragOnCanvas(w.form().CerPrvC, mime.get(), QPointF(10, 10), QPointF(30, 30));
    adjusters().settle();
    EXPECT_FALSE(QFile::exists(layout));
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("Adjusters"));
    EXPECT_EQ(dialogs->shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(dialogs->shown()[0].text.startsWith(QStringLiteral("The layout file could not be written")));
    EXPECT_TRUE(dialogs->shown()[0].detail.contains(QStringLiteral("File not found")));
    EXPECT_TRUE(dialogs->shown()[1].detail.startsWith(QStringLiteral("XLeft, YTop of [Total]")));
    EXPECT_EQ(box(3), before);  // the page was not generated again
}

TEST_F(AdjustersTest, TwoHundredFiftyFiveFieldsAndBadPlacesOrIndexes)
{
    QByteArray text = kOptions;
    for (int i = 3; i <= 255; ++i)
        text += QStringLiteral("[F%1]\r\nEnabled=1\r\nXLeft=%1\r\nYTop=%1\r\n").arg(i).toLatin1();
    writeFile(dir, QStringLiteral("layout.ini"), text);
    open();
    for (int i = 3; i <= 255; ++i)
        ASSERT_TRUE(box(i)) << i;
    focus(255);
    press(255, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(layoutBytes().contains("[F255]\r\nEnabled=1\r\nXLeft=256\r\n"));
    EXPECT_EQ(QApplication::focusWidget(), box(255));

    // Generation reports what cannot be placed; nothing is made of it.
    EXPECT_EQ(errorOf([&] { aids().DrawAdjusters({}, 1e300, 0, QStringLiteral("Far"), 300, {}); }), 6);
    EXPECT_EQ(errorOf([&] { aids().DrawAdjusters({}, 1, 1, QStringLiteral("Big"), 40000, {}); }), 6);
    EXPECT_EQ(errorOf([&] { aids().DrawAdjusters({}, 1, 1, QStringLiteral("Zero"), 0, {}); }), 5);
    // Beyond a single: said as it is, not as a scale without extent.
    try {
        aids().DrawAdjusters({}, 1e308, 0, QStringLiteral("Huge"), 301, {});
        ADD_FAILURE() << "1e308 placed";
    } catch (const Error& e) {
        EXPECT_EQ(e.detail(), QStringLiteral("1E+308 is beyond the range of device coordinates"));
    }
    EXPECT_FALSE(box(300));
    EXPECT_EQ(box(0)->text(), QStringLiteral("Adjuster"));
}

}  // namespace
}  // namespace kwpnd::test
