// LoadPicture and SavePicture.
#include "kwpnd/error.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>

namespace kwpnd::test {
namespace {

int errorOf(const std::function<void()>& call, QString* description = nullptr)
{
    try {
        call();
    } catch (const Error& e) {
        if (description)
            *description = e.message();
        return e.number();
    }
    return 0;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

std::uint32_t crc32(const QByteArray& data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : data) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    char length[4], crc[4];
    qToBigEndian<std::uint32_t>(std::uint32_t(data.size()), length);
    qToBigEndian(crc32(type + data), crc);
    return QByteArray(length, 4) + type + data + QByteArray(crc, 4);
}

// A PNG that announces w × h pixels but holds no pixel data.
QByteArray pngHeaderOnly(std::uint32_t w, std::uint32_t h)
{
    char size[8];
    qToBigEndian(w, size);
    qToBigEndian(h, size + 4);
    const QByteArray header = QByteArray(size, 8) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", {}) + pngChunk("IEND", {});
}

// A w × h GIF (Qt reads GIF but does not write it) whose pixel (x, y) has
// palette entry (x + y) % 4. Each pixel code follows a clear code, so the
// codes stay three bits wide and need no compression.
QByteArray gif(int w, int h, const QRgb (&palette)[4])
{
    QByteArray out("GIF89a");
    auto le16 = [&](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    le16(w);
    le16(h);
    out.append("\x81\x00\x00", 3);  // a global table of four colours
    for (QRgb c : palette)
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    out.append(',');
    le16(0);
    le16(0);
    le16(w);
    le16(h);
    out.append('\0');
    out.append('\x02');  // minimum code size: clear = 4, end = 5
    QByteArray codes;
    unsigned bits = 0, count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            put(4);
            put(unsigned((x + y) % 4));
        }
    put(5);
    if (count)
        codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

TEST(LoadPicture, ReadsTheCommonFormats)
{
    QTemporaryDir dir;
    const QImage image = noise(12, 7);
    for (const char* format : {"BMP", "PNG", "JPEG"}) {
        const QString path = writeFile(dir, QStringLiteral("p.") + format, encoded(image, format));
        const Picture picture = LoadPicture(path);
        EXPECT_EQ(picture.pixelSize(), QSize(12, 7)) << format;
        EXPECT_DOUBLE_EQ(picture.widthTwips(), 180) << format;
    }
    const QRgb palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    const Picture fromGif = LoadPicture(writeFile(dir, "p.gif", gif(12, 7, palette)));
    ASSERT_EQ(fromGif.pixelSize(), QSize(12, 7));
    EXPECT_EQ(fromGif.image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(fromGif.image().pixel(5, 1) & 0xFFFFFF, 0x0000FFu);
    // The content decides, not the name.
    const Picture png = LoadPicture(writeFile(dir, "png.bmp", encoded(image, "PNG")));
    EXPECT_EQ(png.image().pixel(3, 3), image.pixel(3, 3));
}

TEST(LoadPicture, EmptyPathIsTheEmptyPicture)
{
    const Picture none = LoadPicture("");
    EXPECT_TRUE(none.isEmpty());
    EXPECT_FALSE(bool(none));
    EXPECT_EQ(none.pixelSize(), QSize(0, 0));
}

TEST(LoadPicture, FileErrors)
{
    QTemporaryDir dir;
    const QByteArray png = encoded(noise(200, 200), "PNG");
    struct Case {
        const char* name;
        QString path;
        int error;
    } cases[] = {
        {"missing", dir.filePath("missing.bmp"), 53},
        {"empty", writeFile(dir, "empty.bmp", {}), 481},
        {"garbage", writeFile(dir, "garbage.png", QByteArray(500, '\x5A')), 481},
        {"truncated", writeFile(dir, "cut.png", png.left(png.size() / 2)), 481},
        {"folder", dir.path(), 75},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf([&] { LoadPicture(c.path); }), c.error) << c.name;
}

TEST(LoadPicture, RefusesHugeImagesFromTheHeaderAlone)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "huge.png", pngHeaderOnly(20000, 20000));
    QString description;
    EXPECT_EQ(errorOf([&] { LoadPicture(path); }, &description), 481);
    EXPECT_TRUE(description.contains("20000")) << description.toStdString();
}

TEST(SavePicture, WritesABitmapWhateverTheNameAndReadsBack)
{
    QTemporaryDir dir;
    const QImage image = noise(9, 5);
    const QString path = dir.filePath("out.jpg");
    SavePicture(image, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "BM");
    file.close();
    const Picture back = LoadPicture(path);
    EXPECT_EQ(back.image().convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));

    SavePicture(noise(3, 3), path);  // an existing file is replaced
    EXPECT_EQ(LoadPicture(path).pixelSize(), QSize(3, 3));
}

TEST(SavePicture, Errors)
{
    QTemporaryDir dir;
    const Picture picture(noise(2, 2));
    EXPECT_EQ(errorOf([&] { SavePicture(Picture(), dir.filePath("a.bmp")); }), 481);
    EXPECT_EQ(errorOf([&] { SavePicture(picture, dir.filePath("no/such/a.bmp")); }), 76);
    EXPECT_EQ(errorOf([&] { SavePicture(picture, dir.path()); }), 75);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.bmp")));
}

}  // namespace
}  // namespace kwpnd::test
