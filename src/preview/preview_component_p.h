#pragma once
// The preview component's state, and the window it drives, for the code of
// this folder that works on them.

#include "kwpnd/preview.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace kwpnd {

class frmKWPNDPreviewA;
class IniFileHandler;

class KWPND10_NO_EXPORT clsKWPNDPreviewA::Private {
public:
    Private();
    ~Private();

    static Private& of(clsKWPNDPreviewA& component) { return *component.d; }
    static const Private& of(const clsKWPNDPreviewA& component) { return *component.d; }

    // The component's window, created (not loaded) on first need.
    frmKWPNDPreviewA& window();
    CollectionRef& registry(CollectionRef& slot);
    IniFileHandler& readingHandler();

    CollectionRef settings, pages, pictureRegistry, flexGrids, listviews, strings, webbrowsers;
    Picture logo, signature, backPicture;
    std::array<Picture, 4> pictures;
    PND_SCALEMODE scaleMode = smUser;
    QString settingFile, settingFolder, watermark, dataFile;
    bool rulers = false, paging = false, previewGenerate = false, mixmode = false;
    bool guides = false, adjusters = false;
    bool generateOnLoad = true, afterGenerateActions = true;
    std::shared_ptr<frmKWPNDPreviewA> windowObject;
    QPointer<QWidget> previewForm;
    std::unique_ptr<IniFileHandler> ini1, ini2;
};

}  // namespace kwpnd
