// Registries, the headless dialogs, the error-handling kinds and rotated text.

#include "dialogs_default.h"
#include "error_handling.h"
#include "runtime_component.h"
#include "kwpnd/collection.h"
#include "kwpnd/font_rotate.h"
#include "kwpnd/surface.h"
#include "runtime_component.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QFont>
#include <QFontMetricsF>
#include <QTemporaryFile>
#include <cstdio>
#include <stdexcept>

namespace kwpnd::test {
namespace {

// What `run` writes to standard error.
template <typename Run>
std::string capturedStderr(Run&& run)
{
    std::fflush(stderr);
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    const int saved = ::dup(2);
    ::dup2(file.handle(), 2);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    file.seek(0);
    return file.readAll().toStdString();
}

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

TEST(ErrorCatalogue, EveryNumberHasItsOwnTextAndUnknownNumbersAGenericOne)
{
    const QString generic = QStringLiteral("Application-defined or object-defined error");
    struct Case {
        int number;
        const char* text;
    };
    // The texts hosts know, checked against a copy typed out here.
    const Case cases[] = {
        {ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument"},
        {ErrorNumber::Overflow, "Overflow"},
        {ErrorNumber::OutOfMemory, "Out of memory"},
        {ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {ErrorNumber::DivisionByZero, "Division by zero"},
        {ErrorNumber::TypeMismatch, "Type mismatch"},
        {ErrorNumber::FileNotFound, "File not found"},
        {ErrorNumber::PathFileAccess, "Path/File access error"},
        {ErrorNumber::PathNotFound, "Path not found"},
        {ErrorNumber::ObjectNotSet, "Object variable or With block variable not set"},
        {ErrorNumber::ControlArrayElementMissing, "Control array element doesn't exist"},
        {ErrorNumber::InvalidPropertyValue, "Invalid property value"},
        {ErrorNumber::MethodNotSupported, "Object doesn't support this property or method"},
        {ErrorNumber::ActionNotSupported, "Object doesn't support this action"},
        {ErrorNumber::DuplicateKey, "This key is already associated with an element of this collection"},
        {ErrorNumber::InvalidPicture, "Invalid picture"},
        {ErrorNumber::PrinterError, "Printer error"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorDescription(c.number), QLatin1String(c.text)) << c.number;
        EXPECT_EQ(Error(c.number).description(), QLatin1String(c.text)) << c.number;
    }
    // Every constant of the catalogue has a text of its own.
#define KWPND_EXPECT_OWN_TEXT(number, name, text)                     \
    EXPECT_NE(errorDescription(ErrorNumber::name), generic) << #name; \
    EXPECT_EQ(ErrorNumber::name, number);
    KWPND_ERROR_CATALOGUE(KWPND_EXPECT_OWN_TEXT)
#undef KWPND_EXPECT_OWN_TEXT
    for (int unknown : {0, -1, 1, 4, 12, 339, 999, 65535})
        EXPECT_EQ(errorDescription(unknown), generic) << unknown;
    EXPECT_EQ(Error(1004).description(), generic);
}

TEST(ErrorCatalogue, DetailStaysApartFromTheDescription)
{
    const Error plain(ErrorNumber::Overflow);
    EXPECT_EQ(plain.detail(), QString());
    EXPECT_EQ(plain.message(), QStringLiteral("Overflow"));
    EXPECT_STREQ(plain.what(), "Overflow");

    const Error detailed = Error::detailed(ErrorNumber::Overflow, QStringLiteral("70000 is outside – 16 bits"));
    EXPECT_EQ(detailed.number(), 6);
    EXPECT_EQ(detailed.description(), QStringLiteral("Overflow"));
    EXPECT_EQ(detailed.detail(), QStringLiteral("70000 is outside – 16 bits"));
    EXPECT_EQ(detailed.message(), QStringLiteral("Overflow: 70000 is outside – 16 bits"));
    EXPECT_EQ(QString::fromUtf8(detailed.what()), detailed.message());
    EXPECT_EQ(Error::detailed(13, QString()).message(), QStringLiteral("Type mismatch"));

    EXPECT_EQ(detailed.within(QStringLiteral("--logo a.png")).message(),
              QStringLiteral("Overflow: --logo a.png: 70000 is outside – 16 bits"));
    EXPECT_EQ(plain.within(QStringLiteral("--logo a.png")).detail(), QStringLiteral("--logo a.png"));
}

TEST(HeadlessDialogs, PrintedFormAndScriptedReplies)
{
    struct Case {
        const char* caption;
        const char* text;
        const char* detail;
        const char* printed;
    };
    const Case cases[] = {
        {"13", "Type mismatch\r\nTotal", "", "13: Type mismatch\n    Total"},
        {"13", "Type mismatch\r\n", "", "13: Type mismatch"},
        {"Barcode", "a\rb\nc", "", "Barcode: a\n    b\n    c"},
        // The detail comes on a line of its own after the section, also
        // when the section is empty (a field already reset).
        {"6", "Overflow\r\nTotal", "70000 is outside", "6: Overflow\n    Total\n    70000 is outside"},
        {"6", "Overflow\r\n", "70000 is outside", "6: Overflow\n    70000 is outside"},
        {"482", "Printer error", "no printer\nis set up", "482: Printer error\n    no printer\n    is set up"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadlessDialogs::printed(QString::fromUtf8(c.caption), QString::fromUtf8(c.text),
                                           QString::fromUtf8(c.detail)),
                  QString::fromUtf8(c.printed))
            << c.printed;

    HeadlessDialogs d(true);
    d.scriptReply(MsgReply::No);
    EXPECT_EQ(d.messageBox(QStringLiteral("q"), MsgButtons::YesNo, MsgIcon::Question, {}), MsgReply::No);
    EXPECT_EQ(d.messageBox(QStringLiteral("q"), MsgButtons::YesNo, MsgIcon::Question, {}, QStringLiteral("why")),
              MsgReply::Yes);
    ASSERT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.shown()[0].caption, Dialogs::defaultCaption());
    EXPECT_EQ(d.shown()[0].detail, QString());
    EXPECT_EQ(d.shown()[1].detail, QStringLiteral("why"));
    EXPECT_FALSE(d.saveFileName(QStringLiteral("Save"), QStringLiteral("*.*|*.*")).has_value());
    d.scriptText(QStringLiteral("typed"));
    EXPECT_EQ(d.inputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("default")), QStringLiteral("typed"));
    EXPECT_EQ(d.inputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("default")),
              QStringLiteral("default"));

    // A modal window is recorded under its title and never run.
    QObject window;
    window.setProperty("windowTitle", QStringLiteral("Preview Settings"));
    bool ran = false;
    d.scriptReply(MsgReply::Cancel);
    EXPECT_FALSE(d.runModal(window, [&] { return ran = true; }));
    EXPECT_TRUE(d.runModal(window, [&] { return ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(d.shown().back().caption, QStringLiteral("Preview Settings"));
}

TEST(HeadlessDialogs, ReportWritesTheDetailOnAnIndentedSecondLine)
{
    HeadlessDialogs d;  // not quiet: what a command-line run shows
    const std::string out = capturedStderr([&] {
        reportAndContinue(d, QStringLiteral("Total"), [] {
            throw Error::detailed(ErrorNumber::Overflow,
                                  QStringLiteral("70000 is outside the range of a 16-bit integer"));
        });
    });
    EXPECT_EQ(out, "6: Overflow\n    Total\n    70000 is outside the range of a 16-bit integer\n");
}

TEST(Dialogs, DefaultComesFromTheInstalledFactoryElseHeadless)
{
    Dialogs::setCurrent(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessDialogs*>(&Dialogs::current()), nullptr);

    auto installed = std::make_shared<HeadlessDialogs>(true);
    int asked = 0;
    setDefaultDialogsFactory([&]() -> std::shared_ptr<Dialogs> {
        ++asked;
        return installed;
    });
    // A service in use is kept; the factory gives the next default.
    EXPECT_NE(&Dialogs::current(), installed.get());
    Dialogs::setCurrent(nullptr);
    EXPECT_EQ(&Dialogs::current(), installed.get());
    EXPECT_EQ(&Dialogs::current(), installed.get());
    EXPECT_EQ(asked, 1);

    // A factory with nothing to offer leaves headless dialogs.
    setDefaultDialogsFactory([] { return std::shared_ptr<Dialogs>(); });
    Dialogs::setCurrent(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessDialogs*>(&Dialogs::current()), nullptr);
    EXPECT_NE(&Dialogs::current(), installed.get());
    setDefaultDialogsFactory(nullptr);
}

TEST(ErrorHandling, ReportSkipAndEnd)
{
    HeadlessDialogs d(true);
    const QString section = QStringLiteral("Total");
    EXPECT_FALSE(reportAndContinue(d, section, [] { throw Error(ErrorNumber::Overflow); }));
    EXPECT_TRUE(reportAndContinue(d, section, [] {}));
    EXPECT_FALSE(reportAndContinue(d, section, [] { throw std::runtime_error("odd state"); }));
    ASSERT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.shown()[0].caption, QStringLiteral("6"));
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Overflow\r\nTotal"));
    EXPECT_EQ(d.shown()[0].detail, QString());
    EXPECT_EQ(d.shown()[0].icon, MsgIcon::Information);
    // Any other failure stands for the runtime's invalid call, its own text
    // kept as the detail.
    EXPECT_EQ(d.shown()[1].caption, QStringLiteral("5"));
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Invalid procedure call or argument\r\nTotal"));
    EXPECT_EQ(d.shown()[1].detail, QStringLiteral("odd state"));

    d.clearShown();
    EXPECT_FALSE(showOnFailure(d, MsgIcon::Critical, [] { throw Error::detailed(482, QStringLiteral("no printer")); }));
    ASSERT_EQ(d.shown().size(), 1u);
    EXPECT_EQ(d.shown()[0].caption, QStringLiteral("482"));
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Printer error"));
    EXPECT_EQ(d.shown()[0].detail, QStringLiteral("no printer"));
    EXPECT_EQ(d.shown()[0].icon, MsgIcon::Critical);

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
