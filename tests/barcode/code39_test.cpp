// Code 39: the pattern tables against the standard, module widths, sizing,
// the caption, characters left out, and what a decoder reads.

#include "code39.h"
#include "barcode_support.h"
#include "code39_table.h"
#include "evalbar.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

const QString kTableCharacters = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*");

// The modules a notation pattern stands for: each symbol one narrow gap
// and a bar, a blank one more gap.
QString modulesOfNotation(const QString& pattern)
{
    QString m;
    for (QChar s : pattern)
        m += s == u' ' ? QStringLiteral("0") : s == u'1' ? QStringLiteral("01") : QStringLiteral("011");
    return m;
}

// The modules of nine wide/narrow elements, bar first.
QString modulesOfElements(const char* elements)
{
    QString m;
    for (int i = 0; i < 9; ++i)
        m += QString(elements[i] == '1' ? 2 : 1, i % 2 == 0 ? u'1' : u'0');
    return m;
}

// A symbol's modules as drawn: start, the characters, stop, each after its
// narrow gap, and the trailing gap.
QString expectedModules(const QString& data)
{
    QString m;
    for (QChar c : QLatin1Char('*') + data + QLatin1Char('*'))
        m += QLatin1Char('0') + code39StandardModules(c);
    return m + QLatin1Char('0');
}

TEST(Code39Tables, BothRenderersCarryTheStandardPatterns)
{
    const Code39Table& table = code39Table();
    for (int i = 0; i < kTableCharacters.size(); ++i) {
        const QChar c = kTableCharacters[i];
        const QString standard = code39StandardModules(c);
        EXPECT_EQ(modulesOfNotation(table[c.unicode()]), QLatin1Char('0') + standard) << QString(c).toStdString();
        EXPECT_EQ(modulesOfElements(evalbarPattern(EvalbarIndex(QString(c)))), standard) << QString(c).toStdString();
        EXPECT_EQ(EvalbarIndex(QString(c)), i);
    }
    EXPECT_EQ(table[1], table[u'*']);
    EXPECT_EQ(table[2], table[u'*']);
    int withPattern = 0;
    for (const QString& p : table)
        withPattern += !p.isEmpty();
    EXPECT_EQ(withPattern, 44 + 2);
    EXPECT_TRUE(table[u'#'].isEmpty());
    EXPECT_TRUE(table[u'@'].isEmpty());
}

// A pixel surface of w × h pixels.
struct PixelSurface : Surface {
    PixelSurface(int w, int h) : Surface(w * 15.0, h * 15.0) { ScaleMode(smPixel); }
};

TEST(Code39, ModuleWidthIsAFortiethOfTheHeightRoundedToEven)
{
    struct Case {
        int height, module;
    };
    for (Case c : {Case{20, 1}, Case{40, 1}, Case{60, 2}, Case{100, 2}, Case{140, 4}, Case{180, 4}}) {
        PixelSurface s(400, c.height);
        DrawCode39(QStringLiteral("A"), s, QString(), false, 5, 0);
        // Three characters of 13 modules, the trailing gap and one of background.
        EXPECT_EQ(s.pixelWidth(), 41 * c.module) << c.height;
        EXPECT_EQ(s.pixelHeight(), c.height);
    }
}

TEST(Code39, DrawsTheStandardModulesAndFitsTheSurface)
{
    PixelSurface s(200, 100);  // d = 2
    DrawCode39(QStringLiteral("AB"), s, QString(), false, 5, 0);
    EXPECT_EQ(s.pixelWidth(), 108);  // trailing gap ends at 106, plus d
    const QImage image = s.retainedImage();
    const QString expected = expectedModules(QStringLiteral("AB"));
    ASSERT_EQ(expected.size(), 53);
    EXPECT_EQ(sampleRow(image, 50, 1, 53, 2), expected);
    EXPECT_EQ(sampleRow(image, 99, 1, 53, 2), expected) << "without a caption the bars reach the bottom";
}

TEST(Code39, StarInTheDataIsDrawnAsStartStopPattern)
{
    PixelSurface s(400, 40);
    DrawCode39(QStringLiteral("A*B"), s, QString(), false, 5, 0);
    EXPECT_EQ(sampleRow(s.retainedImage(), 20, 0, 66, 1), expectedModules(QStringLiteral("A*B")));
}

TEST(Code39, CaseAndCharactersWithoutPatternDoNotChangeTheSymbol)
{
    auto draw = [](const QString& data) {
        PixelSurface s(400, 60);
        DrawCode39(data, s, QString(), false, 5, 0);
        return s.retainedImage();
    };
    const QImage reference = draw(QStringLiteral("ABC"));
    EXPECT_EQ(draw(QStringLiteral("abc")), reference);
    EXPECT_EQ(draw(QStringLiteral("A#B@C!?")), reference);
    EXPECT_EQ(draw(QStringLiteral("A\u00e9B\u20acC")), reference) << "codes above 90 are left out";
}

TEST(Code39, SizeModesSetHeightAndFont)
{
    struct Case {
        std::int16_t mode;
        int pixelHeight;
        float fontSize;
    };
    for (Case c : {Case{0, 70, 8}, Case{1, 120, 10}, Case{2, 150, 14}, Case{5, 100, 8.25f}}) {
        PixelSurface s(300, 100);
        DrawCode39(QStringLiteral("1"), s, QStringLiteral("1"), false, c.mode, 50);
        EXPECT_EQ(s.pixelHeight(), c.pixelHeight) << c.mode;
        EXPECT_FLOAT_EQ(s.FontSize(), c.fontSize) << c.mode;
        EXPECT_EQ(s.ScaleMode(), smPixel);
    }
    PixelSurface s(300, 100);
    EXPECT_EQ(errorOf([&] { DrawCode39(QStringLiteral("1"), s, QString(), false, 2, 10923); }), ErrorNumber::Overflow);
}

TEST(Code39, EmptyDataErasesAndRemovesNothingElse)
{
    PixelSurface s(100, 60);
    s.Line(0, 0, 50, 50, 0, LineMode::FilledBox);
    DrawCode39(QString(), s, QStringLiteral("caption"), false, 5, 0);
    EXPECT_TRUE(inkBounds(s.retainedImage()).isNull());
    EXPECT_EQ(s.pixelWidth(), 100);
}

TEST(Code39, DrawingRemovesTheBackgroundPicture)
{
    PixelSurface s(100, 60);
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::red);
    s.Picture(Picture(dot));
    DrawCode39(QStringLiteral("1"), s, QString(), false, 5, 0);
    EXPECT_TRUE(s.Picture().isEmpty());
}

TEST(Code39, CaptionStartsLeftOrIsCentredOnTheDataText)
{
    auto captionInk = [](bool centred, const QString& caption) {
        PixelSurface s(300, 100);
        DrawCode39(QStringLiteral("AB"), s, caption, centred, 0, 60);  // 84 pixels, d = 2
        const float th = s.TextHeight(QStringLiteral("AB"));
        const int bottom = int(84 - 1.5f * th);
        const QImage below = s.retainedImage().copy(0, bottom + 1, s.pixelWidth(), 84 - bottom - 1);
        return std::make_pair(inkBounds(below), s.pixelWidth() - s.TextWidth(QStringLiteral("AB")));
    };
    const auto [left, unused] = captionInk(false, QStringLiteral("LONG CAPTION TEXT"));
    ASSERT_FALSE(left.isNull());
    EXPECT_LE(left.left(), 2);

    // Centred on the data's width: a caption of the data's own text sits in the middle.
    const auto [centred, room] = captionInk(true, QStringLiteral("AB"));
    ASSERT_FALSE(centred.isNull());
    EXPECT_NEAR(centred.left(), room / 2, 2);
}

TEST(Code39, DecoderReadsWhatIsDrawn)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    struct Case {
        const char* data;
        const char* read;
    };
    for (Case c :
         {Case{"ABC-123", "CODE-39:ABC-123"}, Case{"HELLO WORLD", "CODE-39:HELLO WORLD"},
          Case{"0123456789", "CODE-39:0123456789"}, Case{"$/+%.", "CODE-39:$/+%."}, Case{"abc", "CODE-39:ABC"}}) {
        Surface s;
        DrawCode39(QLatin1String(c.data), s, QLatin1String(c.data), false, 0, 60);
        EXPECT_EQ(decode(s.retainedImage()), QStringList{QLatin1String(c.read)}) << c.data;
    }
}

}  // namespace
}  // namespace kwpnd::test
