// A small interpreter of drawing statements run on one surface: whatever the
// numbers (huge, negative, NaN, infinite) and whatever the order of
// statements, each one draws or throws kwpnd::Error, and the surface stays
// usable for the next.
//
// Input: one statement a line, words separated by blanks; "-" leaves an
// optional argument out. Statements:
//   scalemode M | scalewidth U | scaleheight U | x X | y Y
//   width W | height H | move LEFT [TOP [WIDTH [HEIGHT]]]
//   line X1 Y1 X2 Y2 [COLOUR [MODE]]            MODE 0 line, 1 box, 2 filled
//   circle X Y R [COLOUR [START [END [ASPECT]]]]
//   print TEXT | printn N | textsize TEXT
//   picture W H          a W×H picture (sides taken into 1..64) to paint
//   snapshot             the surface's image becomes the picture to paint
//   paint X1 Y1 [W1 [H1 [X2 [Y2 [W2 [H2 [OPCODE]]]]]]]
//   background           the picture becomes the surface's background
//   drawwidth N | fore C | back C | cls
//   font NAME SIZE | bold B | italic B | underline B | strike B
//   rotated FACE CELL ANGLE X Y TEXT
//   replay W H           replays the recording into a W×H image (1..256)
#include "kwpnd/surface.h"
#include "fuzz/fuzz_support.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {
using namespace kwpnd;
using kwpnd::fuzz::floatField;
using kwpnd::fuzz::int16Field;
using kwpnd::fuzz::int32Field;

constexpr int kMaxStatements = 200;

struct Statement {
    QStringList words;  // words[0] is the statement's name
    QString rest;       // the text after the first argument word, for texts

    bool has(int i) const { return i < words.size() && words[i] != u"-"; }
    float f(int i) const { return floatField(words.value(i)); }
    std::optional<float> opt(int i) const { return has(i) ? std::optional<float>(f(i)) : std::nullopt; }
    std::int16_t i16(int i) const { return int16Field(words.value(i)); }
    std::int32_t i32(int i) const { return int32Field(words.value(i)); }
    QString text() const { return words.size() > 1 ? rest : QString(); }
};

struct Machine {
    Surface surface{1500, 900};
    kwpnd::Picture picture;
};

kwpnd::Picture testPicture(int width, int height)
{
    QImage image(std::clamp(width, 1, 64), std::clamp(height, 1, 64), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 4, y * 4, (x + y) * 2, (x * y) % 256));
    return kwpnd::Picture(image);
}

void run(Machine& m, const Statement& s)
{
    Surface& sf = m.surface;
    const QString& name = s.words[0];
    if (name == u"scalemode")
        sf.ScaleMode(s.i16(1));
    else if (name == u"scalewidth")
        sf.ScaleWidth(s.f(1));
    else if (name == u"scaleheight")
        sf.ScaleHeight(s.f(1));
    else if (name == u"x")
        sf.CurrentX(s.f(1));
    else if (name == u"y")
        sf.CurrentY(s.f(1));
    else if (name == u"width")
        sf.Width(s.f(1));
    else if (name == u"height")
        sf.Height(s.f(1));
    else if (name == u"move")
        sf.Move(s.f(1), s.opt(2), s.opt(3), s.opt(4));
    else if (name == u"line") {
        const std::optional<Colour> colour = s.has(5) ? std::optional<Colour>(s.i32(5)) : std::nullopt;
        const LineMode mode = s.i32(6) == 1 ? LineMode::Box : s.i32(6) == 2 ? LineMode::FilledBox : LineMode::Line;
        sf.Line(s.f(1), s.f(2), s.f(3), s.f(4), colour, mode);
    } else if (name == u"circle") {
        const std::optional<Colour> colour = s.has(4) ? std::optional<Colour>(s.i32(4)) : std::nullopt;
        sf.Circle(s.f(1), s.f(2), s.f(3), colour, s.opt(5), s.opt(6), s.opt(7));
    } else if (name == u"print")
        sf.Print(s.text());
    else if (name == u"printn")
        sf.Print(s.i16(1));
    else if (name == u"textsize") {
        sf.TextWidth(s.text());
        sf.TextHeight(s.text());
    } else if (name == u"picture")
        m.picture = testPicture(s.i32(1), s.i32(2));
    else if (name == u"snapshot")
        m.picture = sf.Image();
    else if (name == u"paint") {
        const std::optional<std::int32_t> opcode = s.has(9) ? std::optional<std::int32_t>(s.i32(9)) : std::nullopt;
        sf.PaintPicture(m.picture, s.f(1), s.f(2), s.opt(3), s.opt(4), s.opt(5), s.opt(6), s.opt(7), s.opt(8), opcode);
    } else if (name == u"background")
        sf.Picture(m.picture);
    else if (name == u"drawwidth")
        sf.DrawWidth(s.i16(1));
    else if (name == u"fore")
        sf.ForeColor(s.i32(1));
    else if (name == u"back")
        sf.BackColor(s.i32(1));
    else if (name == u"cls")
        sf.Cls();
    else if (name == u"font") {
        sf.FontName(s.words.value(1));
        sf.FontSize(s.f(2));
    } else if (name == u"bold")
        sf.FontBold(s.i32(1) != 0);
    else if (name == u"italic")
        sf.FontItalic(s.i32(1) != 0);
    else if (name == u"underline")
        sf.FontUnderline(s.i32(1) != 0);
    else if (name == u"strike")
        sf.FontStrikethru(s.i32(1) != 0);
    else if (name == u"rotated") {
        const QString text = s.words.mid(6).join(u' ');
        sf.drawRotatedText(s.words.value(1), s.i32(2), s.i32(3), s.i32(4), s.i32(5), text);
    } else if (name == u"replay") {
        QImage target(std::clamp(s.i32(1), 1, 256), std::clamp(s.i32(2), 1, 256), QImage::Format_ARGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        sf.replay(painter, QRectF(target.rect()));
    }
}

Statement parse(const QString& line)
{
    Statement s;
    s.words = line.split(u' ', Qt::SkipEmptyParts);
    const qsizetype nameEnd = line.indexOf(s.words.value(0)) + s.words.value(0).size();
    s.rest = line.mid(nameEnd + 1);
    return s;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = fuzz::inputText(data, size).split(u'\n');
    Machine machine;
    int statements = 0;
    for (const QString& line : lines) {
        const Statement s = parse(line);
        if (s.words.isEmpty())
            continue;
        if (++statements > kMaxStatements)
            break;
        fuzz::tolerated([&] { run(machine, s); });
    }
    // Whatever happened, the surface still gives its image and recording.
    machine.surface.retainedImage();
    QImage target(32, 32, QImage::Format_ARGB32);
    QPainter painter(&target);
    machine.surface.replay(painter, QRectF(target.rect()));
    return 0;
}
