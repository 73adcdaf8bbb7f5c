// The ruler control: its scale as drawn on the face, the values it reports
// under the pointer, its events, its menu and its persisted properties.

#include "kwpnd/super_ruler.h"
#include "kwpnd/error.h"
#include "recording.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>
#include <variant>

namespace kwpnd::test {
namespace {

// What the last redraw put on the face, in twips: lines by where they run.
struct Scale {
    std::map<int, std::pair<int, int>> across;  // position along the ruler -> (from, to) across it
    std::vector<QString> numbers;
};

Scale scaleOf(const SuperRuler& ruler)
{
    Scale s;
    const Picture face = ruler.face().Image();
    recordingOf(face)->ops().forEach([&](const DrawOp& op) {
        if (const auto* seg = std::get_if<SegmentOp>(&op)) {
            const QLineF l = seg->line;
            const bool horizontal = ruler.Orientation() == 0;
            const double along = horizontal ? l.x1() : l.y1();
            const double from = horizontal ? std::min(l.y1(), l.y2()) : std::min(l.x1(), l.x2());
            const double to = horizontal ? std::max(l.y1(), l.y2()) : std::max(l.x1(), l.x2());
            s.across[qRound(along * 15)] = {qRound(from * 15), qRound(to * 15)};
        } else if (const auto* text = std::get_if<TextOp>(&op)) {
            s.numbers.push_back(text->lines.join(QString()));
        }
    });
    return s;
}

std::unique_ptr<SuperRuler> ruler(int widthPixels, int heightPixels)
{
    auto r = std::make_unique<SuperRuler>();
    r->resize(widthPixels, heightPixels);
    return r;
}

TEST(SuperRuler, HorizontalMillimetreScale)
{
    auto r = ruler(839, 33);  // 12585 × 495 twips
    r->ScaleMode(SuperRuler::Milimeters);
    EXPECT_EQ(r->majorInterval(), 570);
    EXPECT_EQ(r->minorInterval(), 57);
    const Scale s = scaleOf(*r);

    // Positions are snapped to whole pixels on the face: compare within one.
    auto lineNear = [&](int twips) -> std::pair<int, int> {
        for (const auto& [at, span] : s.across)
            if (std::abs(at - twips) <= 8)
                return span;
        return {-1, -1};
    };
    for (int i = 0; i <= 12540; i += 570) {
        EXPECT_EQ(lineNear(i), std::make_pair(0, 495)) << "major line at " << i;
        if (i + 285 < 12585)
            EXPECT_NEAR(lineNear(i + 285).first, 247.5, 8) << "half tick from the middle at " << i + 285;
        for (int k : {1, 2, 3, 4, 6, 7, 8, 9})
            if (i + 57 * k < 12585)  // the rest lies beyond the face
                EXPECT_NEAR(lineNear(i + 57 * k).first, 330, 8) << "minor tick at " << i + 57 * k;
        EXPECT_EQ(lineNear(i + 57 * 5 - 57 / 2).first, -1) << "nothing between ticks";
    }
    EXPECT_EQ(lineNear(13110).first, -1);  // beyond the length
    ASSERT_EQ(s.numbers.size(), 23u);
    EXPECT_EQ(s.numbers.front(), QStringLiteral(" 0 "));
    EXPECT_EQ(s.numbers.back(), QStringLiteral(" 22 "));
}

TEST(SuperRuler, ScaleModesSetTheirIntervals)
{
    auto r = ruler(300, 33);
    const std::pair<int, int> intervals[] = {{1000, 100}, {1500, 150}, {570, 57}, {1440, 144}};
    for (int mode = 0; mode < 4; ++mode) {
        r->ScaleMode(mode);
        EXPECT_EQ(r->majorInterval(), intervals[mode].first) << mode;
        EXPECT_EQ(r->minorInterval(), intervals[mode].second) << mode;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(r->mnuScaleMode(i)->isChecked(), i == mode);
    }
    // Outside 0..3: stored, interval kept, no item checked, then the error.
    EXPECT_EQ(errorOf([&] { r->ScaleMode(7); }), 340);
    EXPECT_EQ(r->ScaleMode(), 7);
    EXPECT_EQ(r->majorInterval(), 1440);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(r->mnuScaleMode(i)->isChecked());
}

TEST(SuperRuler, VerticalScaleHangsFromTheRightEdge)
{
    auto r = ruler(33, 200);  // 495 wide, 3000 long
    r->Orientation(1);
    r->ScaleMode(SuperRuler::Inches);
    r->StartValue(5);
    const Scale s = scaleOf(*r);
    EXPECT_EQ(s.across.at(0), std::make_pair(0, 495));
    EXPECT_EQ(s.across.at(1440), std::make_pair(0, 495));
    EXPECT_NEAR(s.across.at(720).first, 247.5, 8);  // the half tick
    EXPECT_EQ(s.numbers, (std::vector<QString>{QStringLiteral(" 5 "), QStringLiteral(" 6 "), QStringLiteral(" 7 ")}));

    r->Orientation(2);  // no such orientation: a blank face
    EXPECT_TRUE(scaleOf(*r).across.empty());
}

TEST(SuperRuler, ValuesAtPoints)
{
    auto r = ruler(839, 33);
    struct Case {
        int mode, start;
        float x;
        std::int32_t value;
    };
    const Case cases[] = {
        {0, 0, 1000, 1000}, {2, 0, 1000, 17}, {3, 0, 1000, 0},   {1, 0, 1000, 60},
        {2, 5, 1000, 67},   {2, 5, 0, 50},    {3, 0, 14400, 10}, {0, -1, 50, -1000},
    };
    for (const Case& c : cases) {
        r->ScaleMode(c.mode);
        r->StartValue(c.start);
        EXPECT_EQ(r->ValueAtPoint(c.x, 0), c.value) << c.mode << " " << c.start << " " << c.x;
    }
    r->Orientation(1);
    r->ScaleMode(0);
    r->StartValue(0);
    EXPECT_EQ(r->ValueAtPoint(1000, 300), 300);  // a vertical ruler reads y
    r->Orientation(3);
    EXPECT_EQ(r->ValueAtPoint(1000, 300), 0);
    r->Orientation(0);
    r->StartValue(300000000);
    EXPECT_EQ(errorOf([&] { r->ValueAtPoint(0, 0); }), 6);
}

TEST(SuperRuler, PointerEvents)
{
    auto r = ruler(839, 33);
    r->show();
    r->ScaleMode(SuperRuler::Milimeters);
    QSignalSpy hoover(r.get(), &SuperRuler::HooverValue);
    QSignalSpy click(r.get(), &SuperRuler::Click);

    // Tracking off: the value is reported, no line is drawn.
    const std::size_t plain = scaleOf(*r).across.size();
    QTest::mouseMove(r.get(), QPoint(100, 10));
    ASSERT_EQ(hoover.size(), 1);
    EXPECT_EQ(hoover[0][0].toInt(), 1500 / 57);
    EXPECT_EQ(scaleOf(*r).across.size(), plain);

    r->MouseTrackingOn(true);
    QTest::mouseMove(r.get(), QPoint(107, 12));
    ASSERT_EQ(hoover.size(), 2);
    EXPECT_EQ(hoover[1][0].toInt(), 1605 / 57);
    const Scale tracked = scaleOf(*r);
    ASSERT_TRUE(tracked.across.count(1605));
    EXPECT_EQ(tracked.across.at(1605), std::make_pair(0, 495));

    QTest::mouseClick(r.get(), Qt::LeftButton, Qt::ControlModifier, QPoint(20, 5));
    ASSERT_EQ(click.size(), 1);
    EXPECT_EQ(click[0][0].value<std::int16_t>(), 1);
    EXPECT_EQ(click[0][1].value<std::int16_t>(), 2);
    EXPECT_EQ(click[0][2].toInt(), 300 / 57);

    QSignalSpy resized(r.get(), &SuperRuler::Resize);
    r->resize(400, 33);
    EXPECT_EQ(resized.size(), 1);
}

TEST(SuperRuler, ChoosingInchesFromTheMenu)
{
    auto r = ruler(839, 33);
    r->show();
    QSignalSpy changed(r.get(), &SuperRuler::ScaleModeChanged);
    QTimer::singleShot(0, [&] {
        QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(open, r->mnuScaleModeMenu());
        r->mnuScaleMode(3)->trigger();
        open->close();
    });
    QTest::mousePress(r.get(), Qt::RightButton, {}, QPoint(50, 10));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 3);
    EXPECT_TRUE(r->mnuScaleMode(3)->isChecked());
    EXPECT_FALSE(r->mnuScaleMode(0)->isChecked());
    EXPECT_EQ(scaleOf(*r).across.at(1440), std::make_pair(0, 495));
    EXPECT_EQ(r->mnuScaleMode(2)->text(), QStringLiteral("Milimeters"));
}

TEST(SuperRuler, DestroyRulerLeavesAnEmptyFace)
{
    auto r = ruler(300, 33);
    r->BackColor(0x00FFFF);  // yellow
    r->DestroyRuler(true);
    EXPECT_FALSE(scaleOf(*r).across.empty());  // storing alone does not redraw
    r->Refresh();
    EXPECT_TRUE(scaleOf(*r).across.empty());
    const QImage face = r->face().retainedImage();
    EXPECT_EQ(countPixels(face, 0xFFFF00), face.width() * face.height());
    r->DestroyRuler(false);
    r->Refresh();
    EXPECT_FALSE(scaleOf(*r).across.empty());
}

TEST(SuperRuler, PersistedPropertiesRoundTrip)
{
    auto r = ruler(300, 33);
    PropertyBag bag;
    r->WriteProperties(bag);
    EXPECT_TRUE(bag.values().isEmpty());  // defaults are not stored
    EXPECT_EQ(r->ForeColor(), static_cast<Colour>(0x80000012));
    EXPECT_EQ(r->BackColor(), static_cast<Colour>(0x80000005));

    QSignalSpy notices(r.get(), &SuperRuler::propertyChanged);
    r->Orientation(1);
    r->StartValue(4);
    r->BorderStyle(1);
    r->MouseTrackingOn(true);
    r->ScaleMode(3);
    r->ForeColor(0x0000FF);
    r->BackColor(0xFFFFFF);
    QStringList names;
    for (const auto& n : notices)
        names << n[0].toString();
    EXPECT_EQ(names, (QStringList{"Orientation", "StartValue", "BorderStyle", "MouseTrackingOn", "ScaleMode",
                                  "ForeColor", "BackColor"}));
    r->WriteProperties(bag);
    EXPECT_EQ(bag.values().size(), 7);

    auto copy = ruler(300, 33);
    QSignalSpy modeChanged(copy.get(), &SuperRuler::ScaleModeChanged);
    copy->ReadProperties(bag);
    EXPECT_EQ(modeChanged.size(), 1);  // restored through its setter
    EXPECT_EQ(copy->Orientation(), 1);
    EXPECT_EQ(copy->StartValue(), 4);
    EXPECT_EQ(copy->BorderStyle(), 1);
    EXPECT_TRUE(copy->MouseTrackingOn());
    EXPECT_EQ(copy->ScaleMode(), 3);
    EXPECT_EQ(copy->ForeColor(), 0x0000FF);
    EXPECT_EQ(copy->BackColor(), 0xFFFFFF);
    EXPECT_EQ(copy->face().pixelWidth(), 298);  // inside the single-line border

    PropertyBag broken;
    broken.WriteProperty(QStringLiteral("ScaleMode"), 9, 0);
    EXPECT_EQ(errorOf([&] { ruler(100, 33)->ReadProperties(broken); }), 340);
}

}  // namespace
}  // namespace kwpnd::test
