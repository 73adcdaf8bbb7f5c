#include "barcode_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <utility>

namespace kwpnd::test {

namespace {
const std::pair<char16_t, const char*> kCode39[] = {
    {u'0', "101001101101"}, {u'1', "110100101011"}, {u'2', "101100101011"}, {u'3', "110110010101"},
    {u'4', "101001101011"}, {u'5', "110100110101"}, {u'6', "101100110101"}, {u'7', "101001011011"},
    {u'8', "110100101101"}, {u'9', "101100101101"}, {u'A', "110101001011"}, {u'B', "101101001011"},
    {u'C', "110110100101"}, {u'D', "101011001011"}, {u'E', "110101100101"}, {u'F', "101101100101"},
    {u'G', "101010011011"}, {u'H', "110101001101"}, {u'I', "101101001101"}, {u'J', "101011001101"},
    {u'K', "110101010011"}, {u'L', "101101010011"}, {u'M', "110110101001"}, {u'N', "101011010011"},
    {u'O', "110101101001"}, {u'P', "101101101001"}, {u'Q', "101010110011"}, {u'R', "110101011001"},
    {u'S', "101101011001"}, {u'T', "101011011001"}, {u'U', "110010101011"}, {u'V', "100110101011"},
    {u'W', "110011010101"}, {u'X', "100101101011"}, {u'Y', "110010110101"}, {u'Z', "100110110101"},
    {u'-', "100101011011"}, {u'.', "110010101101"}, {u' ', "100110101101"}, {u'$', "100100100101"},
    {u'/', "100100101001"}, {u'+', "100101001001"}, {u'%', "101001001001"}, {u'*', "100101101101"},
};

const char* const kL[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                            "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const kG[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                            "0111001", "0000101", "0010001", "0001001", "0010111"};
const char* const kR[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                            "1001110", "1010000", "1000100", "1001000", "1110100"};
// G positions by leading digit ("L" or "G" for the six left digits).
const char* const kFirstDigit[10] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                     "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};

int digit(const QString& s, int i) { return s[i].digitValue(); }
}  // namespace

QString code39StandardModules(QChar c)
{
    for (const auto& [ch, modules] : kCode39)
        if (c.unicode() == ch)
            return QLatin1String(modules);
    return {};
}

QString ean13StandardModules(const QString& d)
{
    QString m = QStringLiteral("101");
    const char* sets = kFirstDigit[digit(d, 0)];
    for (int i = 1; i <= 6; ++i)
        m += QLatin1String(sets[i - 1] == 'L' ? kL[digit(d, i)] : kG[digit(d, i)]);
    m += QStringLiteral("01010");
    for (int i = 7; i <= 12; ++i)
        m += QLatin1String(kR[digit(d, i)]);
    return m + QStringLiteral("101");
}

QString upcaStandardModules(const QString& d)
{
    QString m = QStringLiteral("101");
    for (int i = 0; i < 6; ++i)
        m += QLatin1String(kL[digit(d, i)]);
    m += QStringLiteral("01010");
    for (int i = 6; i < 12; ++i)
        m += QLatin1String(kR[digit(d, i)]);
    return m + QStringLiteral("101");
}

QString sampleRow(const QImage& image, int y, double x0, int count, double pitch)
{
    QString out;
    for (int i = 0; i < count; ++i) {
        const int x = int(std::floor(x0 + i * pitch));
        out += qGray(image.pixel(x, y)) < 128 ? u'1' : u'0';
    }
    return out;
}

QString runModules(const QImage& image, int y, int x0, int x1, double unitPixels)
{
    QString out;
    int x = x0;
    while (x < x1) {
        const bool dark = qGray(image.pixel(x, y)) < 128;
        int end = x;
        while (end < x1 && (qGray(image.pixel(end, y)) < 128) == dark)
            ++end;
        out += QString(int(std::lround((end - x) / unitPixels)), dark ? u'1' : u'0');
        x = end;
    }
    return out;
}

bool haveDecoder() { return !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty(); }

QStringList decode(const QImage& image, bool upca)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("symbol.png"));
    image.convertToFormat(QImage::Format_RGB32)
        .scaled(image.width() * 2, image.height() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(path);
    QStringList args{QStringLiteral("--nodbus"), QStringLiteral("-q")};
    if (upca)
        args << QStringLiteral("-Supca.enable");
    args << path;
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), args);
    zbar.waitForFinished(60000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace kwpnd::test
