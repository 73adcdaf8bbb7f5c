// The settings editor: sections, keys and values of the layout file shown as
// they are stored, and written (after a question, or live) as undoable steps
// that regenerate the page.

#include "settings_editor.h"
#include "design_fixture.h"
#include "layout_key_names.h"
#include "property_sheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

namespace kwpnd::test {
namespace {

class SettingsEditorTest : public DesignFixture {
protected:
    QByteArray layoutText() const override
    {
        return "[PreviewWindow]\r\nHeight=3000\r\nWidth=4000\r\n"
               "[Preview]\r\nPrintAfterGenerate=0\r\nCopyToClipboard=0\r\n"
               "[Total]\r\nType=Text\r\nDescription=Grand total\r\nEnabled=1\r\nXLeft=1440\r\nYTop=720\r\n"
               "FontName=Arial\r\nForecolor=&HFF\r\n"
               "[Plain]\r\nEnabled=1\r\nXLeft=2\r\n";
    }

    frmKWPNDPreviewSettingsA& editor()
    {
        if (!editor_)
            editor_ = std::make_unique<frmKWPNDPreviewSettingsA>(window(), aids().edits(), layout);
        return *editor_;
    }

    void chooseSection(const QString& name)
    {
        const int index = editor().Combo1->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        editor().Combo1->setCurrentIndex(index);
    }

    void chooseKey(const QString& name)
    {
        const auto items = editor().List1->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << name.toStdString();
        editor().List1->setCurrentItem(items.last());
    }

    QStringList keysListed()
    {
        QStringList keys;
        for (int i = 0; i < editor().List1->count(); ++i)
            keys << editor().List1->item(i)->text();
        return keys;
    }

    QString stored(const QString& section, const QString& key)
    {
        IniFileHandler ini;
        ini.Path(layout);
        ini.section(section);
        ini.Key(key);
        return ini.Value();
    }

    void typeNewValue(const char* text) { QTest::keyClicks(editor().Text3, QLatin1String(text)); }

    std::unique_ptr<frmKWPNDPreviewSettingsA> editor_;
};

TEST_F(SettingsEditorTest, ListsTheSectionsInFileOrderWithNoneChosen)
{
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("Preview Settings"));
    QStringList sections;
    for (int i = 0; i < editor().Combo1->count(); ++i)
        sections << editor().Combo1->itemText(i);
    EXPECT_EQ(sections, (QStringList{"PreviewWindow", "Preview", "Total", "Plain"}));
    EXPECT_EQ(editor().Combo1->currentIndex(), -1);
    EXPECT_EQ(editor().lblFieldType->text(), QStringLiteral("Field Type"));
    EXPECT_FALSE(editor().propertySheet->isEnabled());
}

TEST_F(SettingsEditorTest, ChoosingASectionShowsItsTypeDescriptionKeysAndPropertiesWritingNothing)
{
    const QByteArray original = layoutBytes();
    chooseSection(QStringLiteral("Total"));
    EXPECT_EQ(editor().lblFieldType->text(), QStringLiteral("Text"));
    EXPECT_EQ(editor().descriptionPanel->text(), QStringLiteral("Grand total"));
    EXPECT_EQ(keysListed(), (QStringList{"Type", "Description", "Enabled", "XLeft", "YTop", "FontName", "Forecolor"}));
    const PropertySheet& sheet = *editor().propertySheet;
    EXPECT_EQ(sheet.description->text(), QStringLiteral("Grand total"));
    EXPECT_TRUE(sheet.enabled->isChecked());
    EXPECT_EQ(sheet.xLeft->value(), 1440);
    EXPECT_EQ(sheet.yTop->value(), 720);
    EXPECT_EQ(sheet.font->text(), QStringLiteral("Arial, 8 pt"));
    EXPECT_EQ(sheet.forecolor->text(), QStringLiteral("&&HFF"));  // shown as stored, no shortcut

    // A section without Type and Description empties the label and the panel.
    chooseSection(QStringLiteral("Plain"));
    EXPECT_EQ(editor().lblFieldType->text(), QString());
    EXPECT_EQ(editor().descriptionPanel->text(), QString());
    EXPECT_EQ(keysListed(), (QStringList{"Enabled", "XLeft"}));
    EXPECT_EQ(sheet.description->text(), QString());
    EXPECT_EQ(sheet.xLeft->value(), 2);
    EXPECT_EQ(layoutBytes(), original);
}

TEST_F(SettingsEditorTest, ChoosingAKeyShowsItsStoredTextUnchangedAndEmptiesTheNewValue)
{
    chooseSection(QStringLiteral("Total"));
    for (const auto& [key, text] : {std::pair{"XLeft", "1440"}, {"FontName", "Arial"}, {"Forecolor", "&HFF"}}) {
        editor().Text3->setText(QStringLiteral("typed"));
        chooseKey(QLatin1String(key));
        EXPECT_EQ(editor().Text2->text(), QLatin1String(text)) << key;
        EXPECT_EQ(editor().Text3->text(), QString()) << key;
    }
    EXPECT_TRUE(editor().Text2->isReadOnly());
}

TEST_F(SettingsEditorTest, WithoutPreviewTypingWritesNothingAndApplyAnsweredNoWritesNothing)
{
    const QByteArray original = layoutBytes();
    chooseSection(QStringLiteral("Total"));
    chooseKey(QStringLiteral("YTop"));
    typeNewValue("99");
    EXPECT_EQ(layoutBytes(), original);

    dialogs->scriptReply(MsgReply::No);
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_EQ(layoutBytes(), original);
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("sure.."));
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("Do you want to apply changes?"));
    EXPECT_EQ(dialogs->shown()[0].icon, MsgIcon::Question);

    // Any other answer applies.
    dialogs->scriptReply(MsgReply::Cancel);
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("YTop")), QStringLiteral("99"));
}

TEST_F(SettingsEditorTest, LivePreviewWritesAndRegeneratesOnEveryKeystrokeAndUndoRestoresTheFile)
{
    const QByteArray original = layoutBytes();
    writeFile(dir, QStringLiteral("data.ini"), "[Plain]\nData=Here\n");
    chooseSection(QStringLiteral("Total"));
    chooseKey(QStringLiteral("YTop"));
    QTest::mouseClick(editor().Check1, Qt::LeftButton);
    ASSERT_TRUE(editor().Check1->isChecked());

    // Plain is on the page whatever the value of Total: its ink shows that
    // the page was generated again after each keystroke.
    for (const char* typed : {"1", "14", "144", "1440"}) {
        window().CerPrvC().Cls();
        QTest::keyClick(editor().Text3, typed[std::strlen(typed) - 1]);
        EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("YTop")), QLatin1String(typed));
        EXPECT_FALSE(inkBounds(window().CerPrvC().retainedImage()).isNull()) << "no page after " << typed;
    }

    // Deleting the whole text writes nothing.
    QTest::keyClick(editor().Text3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor().Text3, Qt::Key_Delete);
    EXPECT_EQ(editor().Text3->text(), QString());
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("YTop")), QStringLiteral("1440"));

    // The burst is one step: Ctrl+Z in the new-value box puts the file back
    // and the old value shows what it holds again; Ctrl+Y redoes.
    QTest::keyClick(editor().Text3, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_EQ(editor().Text2->text(), QStringLiteral("720"));
    QTest::keyClick(editor().List1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("YTop")), QStringLiteral("1440"));
    EXPECT_EQ(editor().Text2->text(), QStringLiteral("1440"));
    EXPECT_EQ(shownTexts(), QStringList());
}

TEST_F(SettingsEditorTest, PartlyCheckedPreviewIsLiveToo)
{
    chooseSection(QStringLiteral("Total"));
    chooseKey(QStringLiteral("XLeft"));
    editor().Check1->setCheckState(Qt::PartiallyChecked);
    typeNewValue("7");
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("XLeft")), QStringLiteral("7"));
}

TEST_F(SettingsEditorTest, ApplyWritesTheNewValueEvenEmptyAndEmptiesTheOldValue)
{
    chooseSection(QStringLiteral("Total"));
    chooseKey(QStringLiteral("XLeft"));
    ASSERT_EQ(editor().Text2->text(), QStringLiteral("1440"));
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);  // answered Yes
    EXPECT_TRUE(layoutBytes().contains("\r\nXLeft=\r\n"));
    EXPECT_EQ(editor().Text2->text(), QString());
}

TEST_F(SettingsEditorTest, AnAddedPropertyIsWrittenOnlyWhenAValueIsApplied)
{
    chooseSection(QStringLiteral("Total"));
    const QByteArray original = layoutBytes();
    dialogs->scriptText(QStringLiteral("Border"));
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    EXPECT_EQ(keysListed().last(), QStringLiteral("Border"));
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_EQ(editor().StatusBar1->currentMessage(), QString());  // a known name

    chooseKey(QStringLiteral("Border"));
    editor().Text3->setText(QStringLiteral("2"));
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("Border")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("Plain"), QStringLiteral("Border")), QString());

    // Cancelled and empty answers add nothing; an unknown name is added
    // with a hint.
    const int count = editor().List1->count();
    dialogs->scriptText(std::nullopt);
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    dialogs->scriptText(QString());
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    EXPECT_EQ(editor().List1->count(), count);
    dialogs->scriptText(QStringLiteral("Bordr"));
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    EXPECT_EQ(keysListed().last(), QStringLiteral("Bordr"));
    EXPECT_TRUE(editor().StatusBar1->currentMessage().contains(QStringLiteral("Bordr")));
}

TEST_F(SettingsEditorTest, OnScreenTheKeyNameBoxCompletesKnownNames)
{
    chooseSection(QStringLiteral("Total"));
    Dialogs::setCurrent(std::make_shared<QtDialogs>());
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QLineEdit* line = box ? box->findChild<QLineEdit*>() : nullptr;
        if (!line || !line->completer()) {
            ADD_FAILURE() << "no key name box with a completer";
            if (box)
                box->reject();
            return;
        }
        QCompleter& completer = *line->completer();
        completer.setCompletionPrefix(QStringLiteral("bord"));
        for (int row = 0; completer.setCurrentRow(row); ++row)
            offered << completer.currentCompletion();
        QTest::keyClicks(line, QStringLiteral("Border"));
        box->accept();
    });
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    Dialogs::setCurrent(dialogs);
    EXPECT_EQ(keysListed().last(), QStringLiteral("Border"));
    EXPECT_EQ(offered, QStringList{QStringLiteral("Border")});
}

TEST_F(SettingsEditorTest, WithNoSectionOrNoKeyChosenNothingIsWrittenAndTheUserIsTold)
{
    const QByteArray original = layoutBytes();
    editor().Text3->setText(QStringLiteral("5"));
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_FALSE(editor().StatusBar1->currentMessage().isEmpty());

    chooseSection(QStringLiteral("Total"));  // keys listed, none chosen
    EXPECT_EQ(editor().StatusBar1->currentMessage(), QString());
    QTest::mouseClick(editor().Check1, Qt::LeftButton);
    typeNewValue("6");
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_FALSE(editor().StatusBar1->currentMessage().isEmpty());
    EXPECT_TRUE(editor().descriptionPanel->text() == QStringLiteral("Grand total"));
}

TEST_F(SettingsEditorTest, AFailedWriteOrReadIsShownAndChangesNothingElse)
{
    chooseSection(QStringLiteral("Total"));
    const QByteArray original = layoutBytes();
    dialogs->scriptText(QStringLiteral("Bad=Key"));
    QTest::mouseClick(editor().Command2, Qt::LeftButton);
    chooseKey(QStringLiteral("Bad=Key"));
    editor().Text3->setText(QStringLiteral("1"));
    QTest::mouseClick(editor().cmdApply, Qt::LeftButton);
    EXPECT_EQ(layoutBytes(), original);
    ASSERT_EQ(dialogs->shown().size(), 2u);  // the question, then the failure
    EXPECT_EQ(dialogs->shown()[1].caption, QStringLiteral("5"));
    EXPECT_EQ(aids().edits().stack().count(), 0);

    // The layout file turns into a folder: choosing another section fails,
    // and the editor still shows Total.
    ASSERT_TRUE(QFile::remove(layout));
    ASSERT_TRUE(QDir().mkdir(layout));
    chooseSection(QStringLiteral("Plain"));
    ASSERT_EQ(dialogs->shown().size(), 3u);
    EXPECT_EQ(dialogs->shown()[2].caption, QStringLiteral("75"));
    EXPECT_EQ(editor().Combo1->currentText(), QStringLiteral("Total"));
    EXPECT_EQ(editor().lblFieldType->text(), QStringLiteral("Text"));
    EXPECT_EQ(editor().List1->count(), 8);
}

TEST_F(SettingsEditorTest, PropertySheetEditsWriteTheirKeysAsSteps)
{
    chooseSection(QStringLiteral("Total"));
    PropertySheet& sheet = *editor().propertySheet;

    sheet.xLeft->selectAll();
    QTest::keyClicks(sheet.xLeft, QStringLiteral("12.25"));
    QTest::keyClick(sheet.xLeft, Qt::Key_Return);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("XLeft")), QStringLiteral("12.2"));

    QTest::keyClick(sheet.yTop, Qt::Key_Up);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("YTop")), QStringLiteral("720.1"));

    sheet.enabled->click();
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("Enabled")), QStringLiteral("0"));

    sheet.description->selectAll();
    QTest::keyClicks(sheet.description, QStringLiteral("Net"));
    QTest::keyClick(sheet.description, Qt::Key_Return);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("Description")), QStringLiteral("Net"));

    QFont chosen(QStringLiteral("DejaVu Sans"), 12);
    chosen.setBold(true);
    dialogs->scriptText(chosen.toString());
    QTest::mouseClick(sheet.font, Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("FontName")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("FontSize")), QStringLiteral("12"));
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("FontBold")), QStringLiteral("1"));
    EXPECT_FALSE(layoutBytes().contains("FontItalic"));  // unchanged: not added
    EXPECT_EQ(sheet.font->text(), QStringLiteral("DejaVu Sans, 12 pt, bold"));

    dialogs->scriptText(QStringLiteral("65280"));
    QTest::mouseClick(sheet.forecolor, Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("Forecolor")), QStringLiteral("65280"));
    EXPECT_EQ(shownTexts(), QStringList());

    // Every write is a step of its own key: undoing the colour leaves the font.
    aids().edits().undo();
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("Forecolor")), QStringLiteral("&HFF"));
    EXPECT_EQ(sheet.forecolor->text(), QStringLiteral("&&HFF"));  // shown as stored, no shortcut
    EXPECT_EQ(stored(QStringLiteral("Total"), QStringLiteral("FontSize")), QStringLiteral("12"));
}

TEST_F(SettingsEditorTest, EscapeClosesWritingNothingAndReleasesTheHandler)
{
    const QByteArray original = layoutBytes();
    editor().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor()));
    chooseSection(QStringLiteral("Total"));
    editor().Text3->setFocus();
    QTest::keyClick(editor().Text3, Qt::Key_Escape);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(editor().result(), QDialog::Rejected);
    EXPECT_EQ(errorOf([&] { editor().GetType(QStringLiteral("Total")); }), 91);
    EXPECT_EQ(layoutBytes(), original);
}

TEST_F(SettingsEditorTest, TheSettingsCommandOpensTheEditorOnTheShownLayout)
{
    window().PreviewSettings();
    EXPECT_EQ(shownTexts(), (QStringList{QStringLiteral("tag|") + layout, QStringLiteral("Preview Settings|")}));
}

class BigSectionTest : public SettingsEditorTest {
protected:
    QByteArray layoutText() const override
    {
        QByteArray text =
            "[PreviewWindow]\r\nHeight=3000\r\nWidth=4000\r\n[Preview]\r\nPrintAfterGenerate=0\r\nCopyToClipboard="
            "0\r\n[Big]\r\n";
        for (int i = 1; i <= 10000; ++i)
            text += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i * 2) + "\r\n";
        return text;
    }
};

TEST_F(BigSectionTest, TenThousandKeysAreAllListed)
{
    chooseSection(QStringLiteral("Big"));
    ASSERT_EQ(editor().List1->count(), 10000);
    EXPECT_EQ(editor().List1->item(9999)->text(), QStringLiteral("Key10000"));
    editor().List1->setCurrentRow(9999);
    EXPECT_EQ(editor().Text2->text(), QStringLiteral("20000"));
}

TEST(LayoutKeyNamesTest, KnowsFieldKindAndOptionKeysWhateverTheCase)
{
    registerDesignAids();
    frmKWPNDPreviewA window;  // a window registers the barcode kinds
    for (const auto& [name, known] : {std::pair{"XLeft", true},
                                      {"enabled", true},
                                      {"BarCodeSymbol", true},
                                      {"PrintAfterGenerate", true},
                                      {"Title", true},
                                      {"copytitle1", true},
                                      {"COPYTITLE12", true},
                                      {"copytitle", false},
                                      {"Bordr", false},
                                      {"", false}})
        EXPECT_EQ(isKnownLayoutKeyName(QLatin1String(name)), known) << name;
    const QStringList names = knownLayoutKeyNames();
    EXPECT_EQ(names.first(), QStringLiteral("Enabled"));
    EXPECT_EQ(names.count(QStringLiteral("Height")), 1);
}

}  // namespace
}  // namespace kwpnd::test
