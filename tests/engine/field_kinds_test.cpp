// The field-kind registry: the engine's own kinds, a kind registered from
// outside with its key table and renderer, and replacing a kind.

#include "field_kinds.h"
#include "conversions.h"
#include "field_context.h"
#include "field_keys.h"
#include "support/test_support.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

const QByteArray kQuietPreview = "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";

// What the test kind keeps between its fields.
struct StampState {
    QString word;
    double size = 0;
};

const QString kStamp = QStringLiteral("Stamp");

StampState& stampState(FieldRecord& r) { return kindState<StampState>(r, kStamp); }

const FieldKindKey kStampKeys[] = {
    {"Word", [](FieldRecord& r, const QString& t) { stampState(r).word = t; }},
    {"Size", [](FieldRecord& r, const QString& t) { stampState(r).size = toStrictDouble(t); }},
};

// Logs what it was asked to draw in the test host's call log.
void logStamp(FieldContext& ctx)
{
    const StampState& s = stampState(ctx.record);
    dynamic_cast<TestHost&>(ctx.host).calls
        << QStringLiteral("Stamp %1 %2 %3").arg(ctx.record.sectionName, s.word).arg(s.size);
}

void logOther(FieldContext& ctx) { dynamic_cast<TestHost&>(ctx.host).calls << QStringLiteral("Other"); }

struct Walk {
    QTemporaryDir dir;
    TestHost host;
    void run(const QByteArray& layout, const QByteArray& data = {})
    {
        host.layout = writeFile(dir, QStringLiteral("layout.ini"), layout + kQuietPreview);
        host.data = writeFile(dir, QStringLiteral("data.ini"), data);
        host.driver.PreviewGenerate();
    }
};

TEST(FieldKinds, TheEnginesOwnKindsAreThereWithoutRegistering)
{
    for (const char* type : {"Line", "rsetn", "Picture4", "txtsh"}) {
        const std::optional<FieldKind> kind = findFieldKind(QLatin1String(type));
        ASSERT_TRUE(kind) << type;
        EXPECT_TRUE(kind->render) << type;
        EXPECT_TRUE(kind->keys.empty()) << type;
    }
    // Drawn by a folder above the engine, once that folder registers it.
    EXPECT_FALSE(findFieldKind(QStringLiteral("BarcodeSheet")));
}

TEST(FieldKinds, ARegisteredKindReadsItsKeysIntoStateItKeepsAndDraws)
{
    registerFieldKind(FieldKind{kStamp, kStampKeys, logStamp});
    Walk walk;
    // B has no Size: the empty text is converted, reported, and A's size kept.
    walk.run(
        "[A]\nEnabled=1\nType=Stamp\nXLeft=100\nYTop=100\nWord=hello\nSize=2.5\n"
        "[B]\nEnabled=1\nType=Stamp\nXLeft=100\nYTop=300\nWord=again\n"
        "[C]\nEnabled=1\nType=Line\nXLeft=100\nYTop=500\nWord=ignored\n");
    EXPECT_EQ(walk.host.calls, (QStringList{QStringLiteral("ClearAdjusters"), QStringLiteral("Stamp A hello 2.5"),
                                            QStringLiteral("Stamp B again 2.5")}));
    EXPECT_EQ(walk.host.shown(), QStringList{QStringLiteral("13: Type mismatch\\nB")});
    EXPECT_EQ(stampState(walk.host.driver.record()).word, QStringLiteral("again"))
        << "a kind of another type reads none of its keys";
}

TEST(FieldKinds, RegisteringATypeAgainReplacesItsKind)
{
    registerFieldKind(FieldKind{QStringLiteral("Twice"), {}, logStamp});
    registerFieldKind(FieldKind{QStringLiteral("Twice"), {}, logOther});
    Walk walk;
    walk.run("[T]\nEnabled=1\nType=Twice\nXLeft=100\nYTop=100\n");
    EXPECT_EQ(walk.host.calls, (QStringList{QStringLiteral("ClearAdjusters"), QStringLiteral("Other")}));
    EXPECT_TRUE(inkBounds(walk.host.canvas().retainedImage()).isNull());
}

// Moves its own field on the layout, through a handler of its own, as its
// key is read.
QString moverLayout;
const FieldKindKey kMoverKeys[] = {
    {"MoveTo",
     [](FieldRecord& r, const QString& t) {
         IniFileHandler writer;
         writer.Path(moverLayout);
         writer.section(r.sectionName);
         writer.Key(QStringLiteral("XLeft"));
         writer.Value(t);
     }},
};

void logPosition(FieldContext& ctx)
{
    dynamic_cast<TestHost&>(ctx.host).calls << QStringLiteral("At %1").arg(ctx.record.XLeft);
}

TEST(FieldKinds, AWriteWhileAFieldIsReadIsSeenByItsLaterKeys)
{
    registerFieldKind(FieldKind{QStringLiteral("Mover"), kMoverKeys, logPosition});
    Walk walk;
    moverLayout = walk.dir.filePath(QStringLiteral("layout.ini"));
    walk.run("[M]\nEnabled=1\nType=Mover\nMoveTo=700\nXLeft=100\nYTop=100\n");
    EXPECT_EQ(walk.host.calls, (QStringList{QStringLiteral("ClearAdjusters"), QStringLiteral("At 700")}));
    EXPECT_TRUE(walk.host.shown().isEmpty()) << walk.host.shown().join('\n').toStdString();
}

class HostWithoutActions : public TestHost {
public:
    bool afterGenerateActionsOn() const override { return false; }
};

void logReadingHandler(FieldContext& ctx)
{
    IniFileHandler& ini = ctx.host.readingHandler();
    dynamic_cast<TestHost&>(ctx.host).calls << ini.section() + u' ' + ini.Key();
}

// What the reading handler names after a field: its section and the last
// key the field read, as when the keys were read one by one.
TEST(FieldKinds, TheReadingHandlerNamesTheLastKeyAFieldRead)
{
    registerFieldKind(FieldKind{QStringLiteral("Probe"), kStampKeys, logReadingHandler});
    QTemporaryDir dir;
    HostWithoutActions host;
    host.layout = writeFile(dir, QStringLiteral("layout.ini"),
                            "[P]\nEnabled=1\nType=Probe\nXLeft=100\nYTop=100\nSize=1\n[Off]\nEnabled=0\nType=Probe\n");
    host.data = writeFile(dir, QStringLiteral("data.ini"), "");
    host.driver.PreviewGenerate();
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ClearAdjusters"),
                                       QStringLiteral("P ") + QLatin1String(fieldKeys().back().name)}));
    EXPECT_EQ(host.readingHandler().section(), QStringLiteral("Off"));
    EXPECT_EQ(host.readingHandler().Key(), QStringLiteral("Enabled"));
}

}  // namespace
}  // namespace kwpnd::test
