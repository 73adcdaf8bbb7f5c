// Numbers that have no device pixel: every operation that turns a coordinate
// or a size into pixels refuses them with error 6 naming the number, keeps
// its state, and the surface draws normally afterwards.
#include "kwpnd/error.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QImage>
#include <limits>

namespace kwpnd::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Hostile {
    float value;
    const char* text;  // how the error names it
};

const Hostile kHostile[] = {
    {3.3e10f, "33000000000"}, {-3.3e10f, "-33000000000"}, {3e9f, "3000000000"}, {1e12f, "1000000000000"}, {kNaN, "NaN"},
    {-kInf, "-Infinity"},
};

Picture redPicture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return Picture(image);
}

struct Operation {
    const char* name;
    void (*call)(Surface&, float);
};

// Each operation with the hostile number in one of its coordinates or sizes;
// the surface is in pixels, so the number is the pixel it would land on.
const Operation kOperations[] = {
    {"Line x1", [](Surface& s, float v) { s.Line(v, 1, 5, 5); }},
    {"Line y2", [](Surface& s, float v) { s.Line(1, 1, 5, v); }},
    {"filled box", [](Surface& s, float v) { s.Line(v, 1, 5, 5, 0, LineMode::FilledBox); }},
    {"box", [](Surface& s, float v) { s.Line(1, 1, v, 5, 0, LineMode::Box); }},
    {"Circle centre", [](Surface& s, float v) { s.Circle(v, 10, 3); }},
    {"Circle radius", [](Surface& s, float v) { s.Circle(10, 10, v); }},
    {"PaintPicture x1", [](Surface& s, float v) { s.PaintPicture(redPicture(), v, 0); }},
    {"PaintPicture y1", [](Surface& s, float v) { s.PaintPicture(redPicture(), 0, v, 4.0f, 4.0f); }},
    {"PaintPicture width1", [](Surface& s, float v) { s.PaintPicture(redPicture(), 0, 0, v, 4.0f); }},
    {"PaintPicture x2", [](Surface& s, float v) { s.PaintPicture(redPicture(), 0, 0, {}, {}, v, 0.0f); }},
    {"PaintPicture height2",
     [](Surface& s, float v) { s.PaintPicture(redPicture(), 0, 0, 4.0f, 4.0f, 0.0f, 0.0f, 4.0f, v); }},
    {"Print at CurrentX",
     [](Surface& s, float v) {
         s.CurrentX(v);
         s.Print(QStringLiteral("A"));
     }},
    {"Print at CurrentY",
     [](Surface& s, float v) {
         s.CurrentY(v);
         s.Print(QStringLiteral("A"));
     }},
};

TEST(DeviceOverflow, EveryConversionRefusesNumbersWithoutADevicePixel)
{
    for (const Operation& op : kOperations) {
        for (const Hostile& h : kHostile) {
            // A negative size is an invalid argument before it is a number of pixels.
            const bool negativeSize =
                h.value < 0 && (QByteArray(op.name).contains("width") || QByteArray(op.name).contains("height"));
            if (negativeSize)
                continue;
            auto s = pixelSurface(40, 30);
            s->CurrentX(7);
            s->CurrentY(8);
            QString description;
            int number = 0;
            try {
                op.call(*s, h.value);
            } catch (const Error& e) {
                number = e.number();
                description = e.message();
            }
            const std::string where = std::string(op.name) + " = " + h.text;
            EXPECT_EQ(number, ErrorNumber::Overflow) << where;
            EXPECT_TRUE(description.startsWith(QStringLiteral("Overflow: ")) &&
                        description.contains(QLatin1String(h.text)))
                << where << ": " << description.toStdString();
            EXPECT_TRUE(inkBounds(s->retainedImage()).isNull()) << where;
            if (!QByteArray(op.name).startsWith("Print")) {
                EXPECT_FLOAT_EQ(s->CurrentX(), 7) << where;  // the failed call moved nothing
                EXPECT_FLOAT_EQ(s->CurrentY(), 8) << where;
            }

            // Still usable: the next operation draws.
            s->Line(2, 2, 12, 12, 0, LineMode::FilledBox);
            EXPECT_EQ(inkBounds(s->retainedImage()), QRect(2, 2, 11, 11)) << where;
        }
    }
}

TEST(DeviceOverflow, FarButRepresentableCoordinatesAreClippedNotRefused)
{
    auto s = pixelSurface(40, 30);
    s->Line(-2e9f, 10, 2e9f, 10);  // within a device coordinate: drawn, clipped
    EXPECT_EQ(inkBounds(s->retainedImage()), QRect(0, 10, 40, 1));
    s->Cls();
    s->CurrentX(2e9f);
    s->Print(QStringLiteral("far"));  // beyond the surface: nothing to see, no error
    EXPECT_TRUE(inkBounds(s->retainedImage()).isNull());
}

TEST(DeviceOverflow, OuterSizesAndPlacesBeyondADeviceIntegerAreOverflows)
{
    struct Case {
        const char* name;
        void (*call)(Surface&);
        const char* text;
    } cases[] = {
        {"Height", [](Surface& s) { s.Height(3.3e10f); }, "33000000000"},
        {"Width", [](Surface& s) { s.Width(-3.3e10f); }, "-33000000000"},
        {"Width NaN", [](Surface& s) { s.Width(kNaN); }, "NaN"},
        {"Left", [](Surface& s) { s.Left(1e12f); }, "1000000000000"},
        {"Top", [](Surface& s) { s.Top(-kInf); }, "-Infinity"},
        {"Move left", [](Surface& s) { s.Move(3.3e10f, 0.0f, 600.0f, 600.0f); }, "33000000000"},
        {"Move height", [](Surface& s) { s.Move(0, 0.0f, 600.0f, 1e12f); }, "1000000000000"},
    };
    for (const Case& c : cases) {
        Surface s(300, 450);  // 20 × 30 pixels
        s.Left(15);
        QString description;
        int number = 0;
        try {
            c.call(s);
        } catch (const Error& e) {
            number = e.number();
            description = e.message();
        }
        EXPECT_EQ(number, ErrorNumber::Overflow) << c.name;
        EXPECT_TRUE(description.contains(QLatin1String(c.text))) << c.name << ": " << description.toStdString();
        EXPECT_EQ(s.retainedImage().size(), QSize(20, 30)) << c.name;
        EXPECT_FLOAT_EQ(s.Left(), 15) << c.name;
        s.Height(600);
        EXPECT_EQ(s.pixelHeight(), 40) << c.name;
    }
    // A constructor refuses such a size before it allocates anything.
    EXPECT_EQ(errorOf([] { Surface far(3.3e10, 300); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { Surface far(3e9, 300); }), 380);  // 2E8 pixels: a device size, but too large
}

TEST(DeviceOverflow, UserScaleOfZeroExtentMapsNothing)
{
    // A surface without area taken into a user scale keeps extents of 0;
    // grown again, no coordinate has a pixel until a scale is set.
    Surface s(0, 0);
    s.ScaleMode(smUser);
    s.Width(600);
    s.Height(600);
    ASSERT_EQ(s.ScaleWidth(), 0);
    for (const auto& call : std::initializer_list<std::function<void()>>{
             [&] { s.PaintPicture(redPicture(), 0, 0); },
             [&] { s.PaintPicture(redPicture(), 1, 1, 2.0f, 2.0f); },
             [&] { s.Line(0, 0, 1, 1); },
             [&] { s.Circle(0, 0, 1); },
             [&] { s.Print(QStringLiteral("A")); },
         })
        EXPECT_EQ(errorOf(call), ErrorNumber::Overflow);
    EXPECT_TRUE(inkBounds(s.retainedImage()).isNull());

    s.ScaleMode(smPixel);
    s.PaintPicture(redPicture(), 1, 1);
    EXPECT_EQ(inkBounds(s.retainedImage()), QRect(1, 1, 4, 4));
}

}  // namespace
}  // namespace kwpnd::test
