#pragma once
// The window the settings command opens on the layout file of the page
// shown. For now an empty modal window titled "Preview Settings"; the editor
// of the layout's keys takes its place.

#include <QDialog>

namespace kwpnd {

class frmKWPNDPreviewA;

class PreviewSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreviewSettingsDialog(QWidget* parent = nullptr);

    frmKWPNDPreviewA* moPreviewWin = nullptr;
    QString msSettingFile;
};

}  // namespace kwpnd
