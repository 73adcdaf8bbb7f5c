#pragma once
// A generation host for tests: a bare twip-scaled canvas, its own file
// handlers and registries, headless dialogs that record every message, and
// a log of the calls the walk makes to the window.

#include "engine_api.h"
#include "kwpnd/collection.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/surface.h"
#include "surface_api.h"

#include <QObject>
#include <QStringList>
#include <map>

namespace kwpnd::test {

class TestHost : public GenerationHost {
public:
    // A canvas of `widthPx` × `heightPx` pixels in twips.
    TestHost(int widthPx = 400, int heightPx = 300) : canvas_(widthPx * 15.0, heightPx * 15.0), driver(*this)
    {
        canvas_.ScaleMode(smTwip);
        canvas_.BackColor(0xFFFFFF);
        dialogs_.reset(new HeadlessDialogs(true));
    }

    Surface& canvas() override { return canvas_; }
    QString settingFile() const override { return layout; }
    QString dataFile() const override { return data; }
    IniFileHandler& readingHandler() override { return reading_; }
    IniFileHandler& secondHandler() override { return second_; }
    QString watermark() override { return watermarkText; }
    QString registeredString(const QString& key) override { return strings.Item(key).toString(); }
    Picture registeredPicture(const QString& key) override { return pictureOf(pictures.Item(key)); }
    QObject* registeredControl(ControlRegistry, const QString& key) override { return objectOf(controls.Item(key)); }
    Picture componentPicture(const QString& name) override
    {
        const auto it = componentPictures.find(name);
        return it == componentPictures.end() ? Picture() : it->second;
    }
    Picture captureWindow(QObject* control) override
    {
        return WindowCapture().CaptureAnyWindow(windowHandleOf(control));
    }
    QObject* applicationObject() override { return app; }
    Dialogs& dialogs() override { return *dialogs_; }
    bool guidesOn() const override { return guides; }
    bool adjustersOn() const override { return adjusters; }
    void ClearAdjusters() override { calls << QStringLiteral("ClearAdjusters"); }
    void DrawGuides(double x, double y, const QString& section) override
    {
        calls << QStringLiteral("DrawGuides %1 %2 %3").arg(x).arg(y).arg(section);
    }
    void DrawAdjusters(const QString& type, double x, double y, const QString& section, int index,
                       const QString&) override
    {
        calls << QStringLiteral("DrawAdjusters %1 %2").arg(section).arg(index);
    }
    void PreviewPrintDirect() override { calls << QStringLiteral("PreviewPrintDirect"); }
    void PreviewCopy() override { calls << QStringLiteral("PreviewCopy"); }

    HeadlessDialogs& messages() { return *dialogs_; }
    // The messages shown, each as "CAPTION: TEXT" with line breaks written
    // as \n, and " | DETAIL" when the message has a detail.
    QStringList shown() const
    {
        QStringList out;
        for (const auto& s : dialogs_->shown()) {
            QString text = s.text;
            text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
            out << s.caption + QLatin1String(": ") + text +
                       (s.detail.isEmpty() ? QString() : QLatin1String(" | ") + s.detail);
        }
        return out;
    }

    QString layout, data, watermarkText;
    Collection strings, pictures, controls;
    std::map<QString, Picture> componentPictures;  // "Logo", "Picture1" ...
    QObject* app = nullptr;
    bool guides = false, adjusters = false;
    QStringList calls;

private:
    Surface canvas_;
    IniFileHandler reading_, second_;
    std::unique_ptr<HeadlessDialogs> dialogs_;

public:
    GenerationDriver driver;
};

}  // namespace kwpnd::test
