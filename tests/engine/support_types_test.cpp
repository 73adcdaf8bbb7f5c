// Registries, the headless dialogs, the error-handling kinds and rotated text.

#include "error_handling.h"
#include "kwpnd/collection.h"
#include "kwpnd/font_rotate.h"
#include "kwpnd/surface.h"
#include "runtime_component.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QFont>
#include <QFontMetricsF>

namespace kwpnd::test {
namespace {

TEST(Collection, OrderKeysAndErrors)
{
    Collection c;
    c.Add(QStringLiteral("first"), QStringLiteral("One"));
    c.Add(QStringLiteral("second"), QStringLiteral("two"));
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item(1).toString(), QStringLiteral("first"));
    EXPECT_EQ(c.Item(QStringLiteral("TWO")).toString(), QStringLiteral("second"));
    EXPECT_EQ(errorOf([&] { c.Add(QStringLiteral("again"), QStringLiteral("one")); }), 457);
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item(QStringLiteral("one")).toString(), QStringLiteral("first"));
    EXPECT_EQ(errorOf([&] { c.Item(0); }), 5);
    EXPECT_EQ(errorOf([&] { c.Item(3); }), 5);
    EXPECT_EQ(errorOf([&] { c.Item(QStringLiteral("three")); }), 5);
    c.Remove(1);
    EXPECT_EQ(c.Item(1).toString(), QStringLiteral("second"));
}

TEST(HeadlessDialogs, OneLinePerMessageAndScriptedReplies)
{
    EXPECT_EQ(HeadlessDialogs::oneLine(QStringLiteral("13"), QStringLiteral("Type mismatch\r\nTotal")),
              QStringLiteral("13: Type mismatch\\nTotal"));
    EXPECT_EQ(HeadlessDialogs::printed(QStringLiteral("13"), QStringLiteral("Type mismatch\r\nTotal")),
              QStringLiteral("13: Type mismatch\n    Total"));
    EXPECT_EQ(HeadlessDialogs::printed(QStringLiteral("13"), QStringLiteral("Type mismatch\r\n")),
              QStringLiteral("13: Type mismatch"));
    EXPECT_EQ(HeadlessDialogs::printed(QStringLiteral("Barcode"), QStringLiteral("a\rb\nc")),
              QStringLiteral("Barcode: a\n    b\n    c"));
    HeadlessDialogs d(true);
    d.scriptReply(MsgReply::No);
    EXPECT_EQ(d.messageBox(QStringLiteral("q"), MsgButtons::YesNo, MsgIcon::Question, {}), MsgReply::No);
    EXPECT_EQ(d.messageBox(QStringLiteral("q"), MsgButtons::YesNo, MsgIcon::Question, {}), MsgReply::Yes);
    EXPECT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.shown()[0].caption, Dialogs::defaultCaption());
    EXPECT_FALSE(d.saveFileName(QStringLiteral("Save"), QStringLiteral("*.*|*.*")).has_value());
}

TEST(ErrorHandling, ReportSkipAndEnd)
{
    HeadlessDialogs d(true);
    const QString section = QStringLiteral("Total");
    EXPECT_FALSE(reportAndContinue(d, section, [] { throw Error(ErrorNumber::Overflow); }));
    EXPECT_TRUE(reportAndContinue(d, section, [] {}));
    ASSERT_EQ(d.shown().size(), 1u);
    EXPECT_EQ(d.shown()[0].caption, QStringLiteral("6"));
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Overflow\r\nTotal"));
    EXPECT_EQ(d.shown()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(skipOnError([] { throw std::bad_alloc(); }));
    EXPECT_EQ(asError(std::make_exception_ptr(std::bad_alloc())).number(), 7);
}

TEST(RuntimeComponent, EnvironGet)
{
    qputenv("KWPND_RT_A", "alpha");
    qputenv("KWPND_RT_B", "$KWPND_RT_A-${KWPND_RT_A}-%KWPND_RT_A%-$-100%");
    RuntimeComponent rt;
    EXPECT_EQ(rt.EnvironGet(2, QStringLiteral("KWPND_RT_A")), QStringLiteral("alpha"));
    EXPECT_EQ(rt.EnvironGet(2, QStringLiteral("KWPND_RT_B"), true), QStringLiteral("alpha-alpha-alpha-$-100%"));
    EXPECT_EQ(rt.EnvironGet(2, QStringLiteral("KWPND_RT_UNSET")), QString());
    EXPECT_EQ(errorOf([&] { rt.EnvironGet(1, QStringLiteral("X")); }), 5);
}

TEST(FontRotate, FontRecordAndDrawing)
{
    clsKWPNDFontRotateA rotate;
    EXPECT_EQ(rotate.font().height, 10);
    EXPECT_EQ(rotate.font().escapement, 0);
    EXPECT_EQ(rotate.font().faceName, QString(32, QLatin1Char(' ')));
    rotate.setAngle(45);
    EXPECT_EQ(rotate.font().escapement, 450);
    EXPECT_EQ(errorOf([&] { rotate.setAngle(300000000); }), 6);
    EXPECT_EQ(rotate.font().escapement, 450);

    Surface s(200 * 15.0, 200 * 15.0);
    s.BackColor(0xFFFFFF);
    rotate.setAngle(0);
    rotate.setPointSize(30);
    const QString longFace = QStringLiteral("Arial") + QString(35, QLatin1Char('x'));
    rotate.dispText(s.hDC(), QStringLiteral("Abc"), 20, 40, longFace);
    EXPECT_EQ(rotate.font().faceName, longFace.left(32));
    const QRect flat = inkBounds(s.retainedImage());
    ASSERT_FALSE(flat.isNull());
    EXPECT_GE(flat.top(), 40);
    EXPECT_LE(flat.bottom(), 72);
    EXPECT_GT(flat.width(), flat.height());

    Surface upright(200 * 15.0, 200 * 15.0);
    upright.BackColor(0xFFFFFF);
    rotate.setAngle(90);
    rotate.dispText(upright.hDC(), QStringLiteral("Abc"), 100, 150, QStringLiteral("Arial"));
    const QRect up = inkBounds(upright.retainedImage());
    ASSERT_FALSE(up.isNull());
    EXPECT_GT(up.height(), up.width());
    EXPECT_LE(up.bottom(), 152);

    // An empty text, or a handle that names no surface, draws nothing.
    Surface blank(50 * 15.0, 50 * 15.0);
    blank.BackColor(0xFFFFFF);
    rotate.dispText(blank.hDC(), QString(), 5, 5, QStringLiteral("Arial"));
    rotate.dispText(123456789, QStringLiteral("x"), 5, 5, QStringLiteral("Arial"));
    EXPECT_TRUE(inkBounds(blank.retainedImage()).isNull());
}

// The height set is the cell (ascent plus descent), not the em: a capital H
// takes the share of the cell the face gives it.
TEST(FontRotate, HeightIsTheCellHeight)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(1000);
    arial.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(arial);
    const double capShare =
        metrics.tightBoundingRect(QStringLiteral("H")).height() / (metrics.ascent() + metrics.descent());
    for (const int cell : {60, 100, 200}) {
        Surface s(400 * 15.0, 300 * 15.0);
        s.BackColor(0xFFFFFF);
        clsKWPNDFontRotateA rotate;
        rotate.setPointSize(cell);
        rotate.dispText(s.hDC(), QStringLiteral("H"), 20, 20, QStringLiteral("Arial"));
        const QRect ink = inkBounds(s.retainedImage());
        EXPECT_NEAR(ink.height(), capShare * cell, 2.5) << cell;  // antialiased edges
    }
}

// Text goes through the ANSI code page: what it holds (euro sign, dashes,
// curly quotes, accented letters) is drawn, anything else becomes '?'.
TEST(FontRotate, TextKeepsTheCharactersOfTheAnsiCodePage)
{
    auto drawn = [](const QString& text, bool direct) {
        Surface s(300 * 15.0, 60 * 15.0);
        s.BackColor(0xFFFFFF);
        if (direct) {
            s.drawRotatedText(QStringLiteral("Arial"), 30, 0, 5, 5, text);
        } else {
            clsKWPNDFontRotateA rotate;
            rotate.setPointSize(30);
            rotate.dispText(s.hDC(), text, 5, 5, QStringLiteral("Arial"));
        }
        return s.retainedImage();
    };
    const QString kept = QStringLiteral("\u20AC5 \u2013 \u201Cq\u201D \u00E9");
    EXPECT_EQ(drawn(kept, false), drawn(kept, true));
    EXPECT_NE(drawn(kept, false), drawn(QStringLiteral("?5 ? ?q? ?"), true));
    EXPECT_EQ(drawn(QStringLiteral("\u03A9\u4E2D"), false), drawn(QStringLiteral("??"), true));
}

}  // namespace
}  // namespace kwpnd::test
