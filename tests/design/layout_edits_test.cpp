// Undo and redo of the layout writes made from the preview window.

#include "design_fixture.h"

#include <QMenu>
#include <QThread>
#include <sys/stat.h>

namespace kwpnd::test {
namespace {

using Refresh = LayoutEdits::Refresh;

class LayoutEditsTest : public DesignFixture {
protected:
    LayoutEdits& edits() { return aids().edits(); }
    void write(const char* key, const char* value, Refresh refresh = Refresh::GenerateCommand)
    {
        edits().write(layout, QStringLiteral("Total"), QLatin1String(key), QLatin1String(value), refresh);
    }
};

TEST_F(LayoutEditsTest, ABurstOfWritesToOneKeyIsOneStepThatRestoresTheFileByteForByte)
{
    const QByteArray original = layoutBytes();
    write("XLeft", "1441");
    write("XLeft", "1442");
    write("XLeft", "1443");
    EXPECT_EQ(edits().stack().count(), 1);
    EXPECT_TRUE(layoutBytes().contains("XLeft=1443\r\n"));

    EXPECT_TRUE(window().Form_KeyDown(90, 2));  // Ctrl+Z
    EXPECT_EQ(layoutBytes(), original);
    EXPECT_TRUE(window().Form_KeyDown(89, 2));  // Ctrl+Y
    EXPECT_TRUE(layoutBytes().contains("XLeft=1443\r\n"));
    EXPECT_TRUE(window().Form_KeyDown(90, 2));
    EXPECT_TRUE(window().Form_KeyDown(90, 3));  // Ctrl+Shift+Z redoes too
    EXPECT_TRUE(layoutBytes().contains("XLeft=1443\r\n"));
    EXPECT_FALSE(window().Form_KeyDown(90, 6));  // Ctrl+Alt+Z is no undo key
    EXPECT_EQ(shownTexts(), QStringList());
}

TEST_F(LayoutEditsTest, DifferentKeysAndSlowWritesAreStepsOfTheirOwn)
{
    write("XLeft", "1441");
    write("YTop", "721");
    write("XLeft", "1442");
    EXPECT_EQ(edits().stack().count(), 3);
    write("XLeft", "1442");  // the file stays as it is: no step
    EXPECT_EQ(edits().stack().count(), 3);
    edits().undo();
    edits().undo();
    EXPECT_TRUE(layoutBytes().contains("XLeft=1441\r\nYTop=720\r\n"));
}

TEST_F(LayoutEditsTest, UndoingANewKeyRemovesItAgain)
{
    const QByteArray original = layoutBytes();
    write("Border", "2", Refresh::SettingsRefresh);
    EXPECT_TRUE(layoutBytes().contains("Border=2"));
    edits().undo();
    EXPECT_EQ(layoutBytes(), original);
}

TEST_F(LayoutEditsTest, UndoRefusesAFileChangedElsewhereAndKeepsTheStep)
{
    write("XLeft", "1441");
    const QByteArray elsewhere = layoutBytes().replace("FontSize=8", "FontSize=10");
    writeFile(dir, QStringLiteral("layout.ini"), elsewhere);
    edits().undo();
    EXPECT_EQ(layoutBytes(), elsewhere);
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("Undo"));
    EXPECT_TRUE(dialogs->shown()[0].text.contains(QStringLiteral("changed elsewhere")));
    EXPECT_EQ(edits().stack().index(), 1);  // still there to undo once the file is back
}

TEST_F(LayoutEditsTest, AFailedWriteRecordsNothingAndAFailedRestoreKeepsTheIndex)
{
    EXPECT_EQ(errorOf([&] { write("Bad\nKey", "1"); }), 5);
    EXPECT_EQ(edits().stack().count(), 0);

    write("XLeft", "1441");
    const QByteArray written = layoutBytes();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    ::chmod(QFile::encodeName(layout).constData(), 0444);
    edits().undo();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(layout).constData(), 0644);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_EQ(layoutBytes(), written);
        EXPECT_EQ(edits().stack().index(), 1);
        ASSERT_EQ(dialogs->shown().size(), 1u);
        EXPECT_EQ(dialogs->shown()[0].caption, QStringLiteral("75"));
    }
}

TEST_F(LayoutEditsTest, ThePreviewMenuUndoesBeforeItsExit)
{
    const QList<QAction*> items = window().form().mnuPopUpPreviewMenu->actions();
    const auto named = [&](const char* name) {
        for (qsizetype i = 0; i < items.size(); ++i)
            if (items[i]->objectName() == QLatin1String(name))
                return i;
        return qsizetype(-1);
    };
    ASSERT_GE(named("mnuUndo"), 0);
    EXPECT_EQ(named("mnuRedo"), named("mnuUndo") + 1);
    EXPECT_EQ(named("mnuPopUpExit"), named("mnuRedo") + 2);  // after a separator
    write("XLeft", "1441");
    items[named("mnuUndo")]->trigger();
    EXPECT_TRUE(layoutBytes().contains("XLeft=1440\r\n"));
}

TEST_F(LayoutEditsTest, PopupItemsFollowTheStack)
{
    QMenu menu;
    edits().addMenuItems(menu);
    auto* undo = menu.findChild<QAction*>(QStringLiteral("mnuUndo"));
    auto* redo = menu.findChild<QAction*>(QStringLiteral("mnuRedo"));
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    write("XLeft", "1441");
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_TRUE(layoutBytes().contains("XLeft=1440\r\n"));
}

}  // namespace
}  // namespace kwpnd::test
