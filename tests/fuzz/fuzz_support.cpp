#include "fuzz/fuzz_support.h"

#include <QGuiApplication>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

// Fonts and text measuring need a GUI application; one lives for the whole
// process, on the off-screen platform so no display is needed.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "kwpnd-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

namespace kwpnd::fuzz {

QString inputText(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QStringList fields(const QString& text, QChar separator, int count)
{
    QStringList result;
    qsizetype from = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype at = from <= text.size() ? text.indexOf(separator, from) : -1;
        if (at < 0) {
            result.append(from <= text.size() ? text.mid(from) : QString());
            from = text.size() + 1;
        } else {
            result.append(text.mid(from, at - from));
            from = at + 1;
        }
    }
    result.append(from <= text.size() ? text.mid(from) : QString());
    return result;
}

namespace {
// strtof or strtod on the field: both give infinities for values beyond
// their type rather than undefined conversions.
template <typename Real, Real (*parse)(const char*, char**)>
Real realField(const QString& text, Real fallback)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return fallback;
    char* end = nullptr;
    const Real value = parse(bytes.constData(), &end);
    return end == bytes.constData() ? fallback : value;
}

template <typename Int>
Int clampedField(const QString& text, Int fallback)
{
    const double value = realField<double, std::strtod>(text, double(fallback));
    if (std::isnan(value))
        return fallback;
    if (value <= double(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (value >= double(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}
}  // namespace

float floatField(const QString& text, float fallback) { return realField<float, std::strtof>(text, fallback); }

double doubleField(const QString& text, double fallback) { return realField<double, std::strtod>(text, fallback); }

std::int16_t int16Field(const QString& text, std::int16_t fallback)
{
    return clampedField<std::int16_t>(text, fallback);
}

std::int32_t int32Field(const QString& text, std::int32_t fallback)
{
    return clampedField<std::int32_t>(text, fallback);
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

}  // namespace kwpnd::fuzz
