#include "settings_editor.h"

#include "engine_api.h"
#include "key_name_box.h"
#include "layout_edits.h"
#include "layout_key_names.h"
#include "preview_api.h"
#include "property_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kwpnd {

namespace {
const QString kNothingChosen = QStringLiteral("Choose a section and a key first: nothing was written.");

// The undo keys as the layout edits know them: the classic key code of the
// letter and the shift state (1 Shift, 2 Ctrl, 4 Alt).
bool isUndoLetter(int key) { return key == Qt::Key_Z || key == Qt::Key_Y; }

std::int16_t classicShift(Qt::KeyboardModifiers modifiers)
{
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}
}  // namespace

frmKWPNDPreviewSettingsA::frmKWPNDPreviewSettingsA(frmKWPNDPreviewA& window, LayoutEdits& edits,
                                                   const QString& settingFile, QWidget* parent)
    : QDialog(parent), msSettingFile(settingFile), moPreviewWin(window), edits_(edits)
{
    buildForm();
    connect(&edits_, &LayoutEdits::stepApplied, this, [this] { stepApplied(); });
    ini_ = std::make_unique<IniFileHandler>();
    guarded([this] {
        ini_->Path(msSettingFile);
        LoadSettings();
    });
}

frmKWPNDPreviewSettingsA::~frmKWPNDPreviewSettingsA() = default;

void frmKWPNDPreviewSettingsA::buildForm()
{
    setObjectName(QStringLiteral("frmKWPNDPreviewSettingsA"));
    setWindowTitle(QStringLiteral("Preview Settings"));
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };

    Combo1 = new QComboBox(this);
    named(Combo1, "Combo1");
    Combo1->setEditable(false);
    Combo1->setMaxVisibleItems(20);
    lblFieldType = new QLabel(QStringLiteral("Field Type"), this);
    named(lblFieldType, "lblFieldType");
    List1 = new QListWidget(this);
    named(List1, "List1");
    // Large sections: rows are alike, so the list lays out no row by itself.
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Command2 = new QPushButton(QStringLiteral("Add Property"), this);
    named(Command2, "Command2");

    Label2 = new QLabel(QStringLiteral("Old Value"), this);
    named(Label2, "Label2");
    Text2 = new QLineEdit(this);
    named(Text2, "Text2");
    Text2->setReadOnly(true);
    QPalette grey = Text2->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    Text2->setPalette(grey);
    Label2->setBuddy(Text2);
    Label3 = new QLabel(QStringLiteral("New Value"), this);
    named(Label3, "Label3");
    Text3 = new QLineEdit(this);
    named(Text3, "Text3");
    Label3->setBuddy(Text3);
    Check1 = new QCheckBox(QStringLiteral("Preview"), this);
    named(Check1, "Check1");
    cmdApply = new QPushButton(QStringLiteral("&Apply"), this);
    named(cmdApply, "cmdApply");
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    named(cmdCancel, "cmdCancel");
    // Enter in the new value is no apply: applying is asked for by name.
    for (QPushButton* button : {Command2, cmdApply, cmdCancel})
        button->setAutoDefault(false);

    propertySheet = new PropertySheet(this);
    propertySheet->setWriter([this](const PropertySheet::KeyTexts& texts) { writeProperties(texts); });

    StatusBar1 = new QStatusBar(this);
    named(StatusBar1, "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    descriptionPanel = new QLabel(this);
    named(descriptionPanel, "StatusBar1Panel1");
    StatusBar1->addWidget(descriptionPanel, 1);

    auto* sections = new QVBoxLayout;
    auto* sectionRow = new QFormLayout;
    sectionRow->addRow(QStringLiteral("Section"), Combo1);
    sections->addLayout(sectionRow);
    sections->addWidget(lblFieldType);
    sections->addWidget(List1, 1);
    sections->addWidget(Command2);

    auto* values = new QVBoxLayout;
    values->addWidget(Label2);
    values->addWidget(Text2);
    values->addWidget(Label3);
    values->addWidget(Text3);
    values->addWidget(Check1);
    values->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdCancel);
    values->addLayout(buttons);

    auto* body = new QHBoxLayout;
    body->addLayout(sections, 3);
    body->addLayout(values, 3);
    body->addWidget(propertySheet, 3);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addWidget(StatusBar1);
    resize(780, 420);

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            Combo1_Click();
    });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Undo and redo wherever the focus is, before a line edit takes Ctrl+Z
    // for its own text.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool frmKWPNDPreviewSettingsA::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isUndoLetter(key->key()) && (key->modifiers() & Qt::ControlModifier)) {
            // A shortcut override only claims the key, so that it arrives
            // as a key press here instead of going to the line edit's undo.
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            if (edits_.undoKey(static_cast<std::int16_t>(key->key()), classicShift(key->modifiers())))
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Reading ---------------------------------------------------------------

IniFileHandler& frmKWPNDPreviewSettingsA::handler()
{
    if (!ini_)
        throw Error(ErrorNumber::ObjectNotSet);
    return *ini_;
}

QString frmKWPNDPreviewSettingsA::readKey(const QString& section, const QString& key)
{
    IniFileHandler& ini = handler();
    ini.Path(msSettingFile);
    ini.section(section);
    ini.Key(key);
    return ini.Value();
}

QStringList frmKWPNDPreviewSettingsA::currentSectionKeys()
{
    // Naming the same file again keeps the section GetType chose.
    IniFileHandler& ini = handler();
    ini.Path(msSettingFile);
    QStringList keys;
    std::int32_t count = 0;
    ini.EnumerateCurrentSection(keys, count);
    return keys;
}

QMap<QString, QString> frmKWPNDPreviewSettingsA::readProperties(const QString& section)
{
    QMap<QString, QString> texts;
    for (const QString& key : PropertySheet::keys())
        texts.insert(key, readKey(section, key));
    return texts;
}

void frmKWPNDPreviewSettingsA::LoadSettings()
{
    QStringList sections;
    std::int32_t count = 0;
    handler().Path(msSettingFile);
    handler().EnumerateAllSections(sections, count);
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    Combo1->addItems(sections);
    // Nothing is chosen until the user chooses.
    Combo1->setCurrentIndex(-1);
    shownSection_ = -1;
}

QString frmKWPNDPreviewSettingsA::GetDescription(const QString& sSection)
{
    const QString description = readKey(sSection, QStringLiteral("Description"));
    showDescription(description);
    return description;
}

QString frmKWPNDPreviewSettingsA::GetType(const QString& sSection) { return readKey(sSection, QStringLiteral("Type")); }

void frmKWPNDPreviewSettingsA::GetKeys(const QString&) { showKeys(currentSectionKeys()); }

QString frmKWPNDPreviewSettingsA::GetValue(const QString& sSection, const QString& sKey)
{
    const QString value = readKey(sSection, sKey);
    Text2->setText(value);
    Text3->clear();
    return value;
}

QString frmKWPNDPreviewSettingsA::SetValue(const QString& sSection, const QString& sKey, const QString& sValue)
{
    edits_.write(msSettingFile, sSection, sKey, sValue, LayoutEdits::Refresh::SettingsRefresh);
    Text2->clear();
    return QString();
}

void frmKWPNDPreviewSettingsA::LoadProperties(const QString& sFieldName, const QString& sFieldType)
{
    propertySheet->fill(sFieldName, sFieldType, readProperties(sFieldName));
}

void frmKWPNDPreviewSettingsA::DestroyObj() { ini_.reset(); }

void frmKWPNDPreviewSettingsA::done(int result)
{
    DestroyObj();
    QDialog::done(result);
}

// ---- Showing -----------------------------------------------------------------

void frmKWPNDPreviewSettingsA::showDescription(const QString& description)
{
    StatusBar1->clearMessage();
    descriptionPanel->setText(description);
}

void frmKWPNDPreviewSettingsA::showKeys(const QStringList& keys)
{
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItems(keys);
}

void frmKWPNDPreviewSettingsA::hintAtUnknownKey(const QString& key)
{
    if (isKnownLayoutKeyName(key))
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage(
            QStringLiteral("%1 is none of the layout's known key names; it is used as written.").arg(key));
}

QString frmKWPNDPreviewSettingsA::chosenSection() const
{
    return Combo1->currentIndex() >= 0 ? Combo1->currentText() : QString();
}

QString frmKWPNDPreviewSettingsA::chosenKey() const
{
    const QListWidgetItem* item = List1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

// ---- Event handlers ------------------------------------------------------------

bool frmKWPNDPreviewSettingsA::guarded(const std::function<void()>& step)
{
    return showOnFailure(moPreviewWin.dialogs(), MsgIcon::Critical, step);
}

void frmKWPNDPreviewSettingsA::Combo1_Click()
{
    const QString section = chosenSection();
    QString description, type;
    QStringList keys;
    QMap<QString, QString> properties;
    // Everything is read before anything is shown, so that a failed read
    // leaves the editor showing the section it showed.
    const bool read = guarded([&] {
        description = readKey(section, QStringLiteral("Description"));
        type = GetType(section);
        keys = currentSectionKeys();
        properties = readProperties(section);
    });
    if (!read) {
        const QSignalBlocker quiet(Combo1);
        Combo1->setCurrentIndex(shownSection_);
        return;
    }
    shownSection_ = Combo1->currentIndex();
    showDescription(description);
    lblFieldType->setText(type);
    showKeys(keys);
    propertySheet->fill(section, type, properties);
}

void frmKWPNDPreviewSettingsA::List1_Click()
{
    const QString key = chosenKey();
    if (guarded([&] { GetValue(chosenSection(), key); }))
        hintAtUnknownKey(key);
}

void frmKWPNDPreviewSettingsA::Text3_Change()
{
    if (!Text3->text().isEmpty() && Check1->checkState() != Qt::Unchecked)
        applyChanges();
}

void frmKWPNDPreviewSettingsA::Command2_Click()
{
    const std::optional<QString> name = askKeyName(this, QStringLiteral("enter Property name"), knownLayoutKeyNames());
    if (!name || name->isEmpty())
        return;
    List1->addItem(*name);
    hintAtUnknownKey(*name);
}

void frmKWPNDPreviewSettingsA::cmdApply_Click()
{
    const MsgReply reply =
        moPreviewWin.dialogs().messageBox(QStringLiteral("Do you want to apply changes?"), MsgButtons::YesNo,
                                          MsgIcon::Question, QStringLiteral("sure.."));
    if (reply != MsgReply::No)
        applyChanges();
}

void frmKWPNDPreviewSettingsA::applyChanges()
{
    const QString section = chosenSection();
    const QString key = chosenKey();
    if (section.isEmpty() || key.isEmpty()) {
        StatusBar1->showMessage(kNothingChosen);
        return;
    }
    guarded([&] {
        SetValue(section, key, Text3->text());
        moPreviewWin.PreviewSettingsRefresh();
    });
}

void frmKWPNDPreviewSettingsA::writeProperties(const PropertySheet::KeyTexts& texts)
{
    const QString section = propertySheet->section();
    guarded([&] {
        for (const auto& [key, text] : texts)
            SetValue(section, key, text);
        moPreviewWin.PreviewSettingsRefresh();
    });
    // The sheet shows the file again: what was written, or what stayed.
    guarded([&] { LoadProperties(section, lblFieldType->text()); });
}

void frmKWPNDPreviewSettingsA::stepApplied()
{
    // An undo or redo changed the file under the editor: show what it holds.
    if (!ini_)
        return;
    const QString section = chosenSection();
    const QString key = chosenKey();
    if (section.isEmpty())
        return;
    guarded([&] {
        if (!key.isEmpty())
            Text2->setText(readKey(section, key));
        LoadProperties(section, lblFieldType->text());
    });
}

}  // namespace kwpnd
