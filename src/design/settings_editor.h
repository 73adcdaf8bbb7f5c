#pragma once
// frmKWPNDPreviewSettingsA: the settings editor, a modal window in which a
// user edits any key of any section of a layout file as raw text. Choosing a
// section shows its type, description, keys and common properties;
// choosing a key shows its stored value. A new value is written after a
// confirmation ("&Apply") or, with "Preview" on, on every change of the new
// value; after each write the preview page is cleared and generated again.
//
// Reads go through the editor's own file handler, made when the editor is
// made and released when it closes. Writes go through the window's layout
// edits, so each is a step Ctrl+Z undoes (typing with "Preview" on is one
// step per burst). A read or write that fails is shown in a message box and
// changes nothing else. Nothing is written on closing.

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace kwpnd {

class IniFileHandler;
class LayoutEdits;
class PropertySheet;
class frmKWPNDPreviewA;

class frmKWPNDPreviewSettingsA : public QDialog {
    Q_OBJECT
public:
    // The editor of `settingFile`, over `window`, writing through `edits`;
    // its handler is made and the sections listed at once.
    frmKWPNDPreviewSettingsA(frmKWPNDPreviewA& window, LayoutEdits& edits, const QString& settingFile,
                             QWidget* parent = nullptr);
    ~frmKWPNDPreviewSettingsA() override;

    // ---- Operations (a failing read or write throws) ---------------------
    void LoadSettings();
    QString GetDescription(const QString& sSection);
    QString GetType(const QString& sSection);
    // Lists the keys of the handler's current section: GetType of the same
    // section goes first.
    void GetKeys(const QString& sSection);
    QString GetValue(const QString& sSection, const QString& sKey);
    QString SetValue(const QString& sSection, const QString& sKey, const QString& sValue);
    void LoadProperties(const QString& sFieldName, const QString& sFieldType);
    void DestroyObj();

    // ---- Event handlers (failures shown in a message box) -----------------
    void Combo1_Click();
    void List1_Click();
    void Text3_Change();
    void Command2_Click();
    void cmdApply_Click();
    // Writes Text3 under the chosen section and key, then regenerates.
    void applyChanges();

    void done(int result) override;

    QString msSettingFile;
    frmKWPNDPreviewA& moPreviewWin;

    QComboBox* Combo1 = nullptr;
    QLabel* lblFieldType = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    // The first panel of StatusBar1: the chosen section's description. A
    // hint shown in the status bar covers it until the next choice.
    QLabel* descriptionPanel = nullptr;
    PropertySheet* propertySheet = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    IniFileHandler& handler();
    QString readKey(const QString& section, const QString& key);
    QStringList currentSectionKeys();
    QMap<QString, QString> readProperties(const QString& section);
    QString chosenSection() const;
    QString chosenKey() const;
    void showDescription(const QString& description);
    void showKeys(const QStringList& keys);
    void hintAtUnknownKey(const QString& key);
    void writeProperties(const std::vector<std::pair<QString, QString>>& texts);
    void stepApplied();
    // Runs `step`; a failure is shown in a message box. True when it ran.
    bool guarded(const std::function<void()>& step);

    LayoutEdits& edits_;
    std::unique_ptr<IniFileHandler> ini_;
    int shownSection_ = -1;
};

}  // namespace kwpnd
