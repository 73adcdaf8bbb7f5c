#pragma once
// A preview window with its design aids, over a layout and data file in a
// temporary folder, and headless dialogs that record what they showed.

#include "design_aids.h"
#include "design_api.h"
#include "kwpnd/preview.h"
#include "support/shown_texts.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>

namespace kwpnd::test {

class DesignFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerDesignAids();
        dialogs = std::make_shared<HeadlessDialogs>(true);
        Dialogs::setCurrent(dialogs);
        layout = writeFile(dir, QStringLiteral("layout.ini"), layoutText());
        data = writeFile(dir, QStringLiteral("data.ini"), "[Total]\nData=42.00\n");
    }

    void TearDown() override { Dialogs::setCurrent(nullptr); }

    // The layout the fixture starts from; a test class may choose another.
    virtual QByteArray layoutText() const
    {
        return "; invoice layout\r\n[PreviewWindow]\r\nHeight=3000\r\nWidth=4000\r\n"
               "[Preview]\r\nPrintAfterGenerate=0\r\nCopyToClipboard=0\r\n"
               "[Total]\r\nType=Text\r\nEnabled=1\r\nXLeft=1440\r\nYTop=720\r\nFontSize=8\r\n";
    }

    // A component armed with the layout, its window loaded and generated.
    clsKWPNDPreviewA& component()
    {
        if (!component_) {
            component_ = clsKWPNDPreviewA::create();
            component_->SettingFile(layout);
            component_->DataFile(data);
            component_->PreviewGenerate(true);
            component_->InitialiseForm();
        }
        return *component_;
    }
    frmKWPNDPreviewA& window() { return windowOf(component()); }
    DesignAids& aids() { return *designAidsOf(window()); }

    QByteArray layoutBytes() const
    {
        QFile f(layout);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList shownTexts() const { return test::shownTexts(*dialogs); }

    QTemporaryDir dir;
    QString layout, data;
    std::shared_ptr<HeadlessDialogs> dialogs;

private:
    std::shared_ptr<clsKWPNDPreviewA> component_;
};

}  // namespace kwpnd::test
