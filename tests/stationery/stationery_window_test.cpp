// The stationery window: showing a styled page, paging, the double-click
// event, the replaced context menu, editing, print preview and the guard on
// what a page may load.

#include "page_print.h"
#include "stationery_support.h"

#include "kwpnd/dialogs.h"
#include "kwpnd/stationery.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace kwpnd::test {
namespace {

template <typename Done>
bool waitFor(Done&& done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop pause;
        QTimer::singleShot(20, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return true;
}

class StationeryWindowTest : public StationeryTest {
protected:
    void SetUp() override
    {
        Dialogs::setCurrent(dialogs_);
        component_.StationaryPath(stationery());
    }
    void TearDown() override
    {
        if (window())
            window()->close();
        QApplication::processEvents();
        Dialogs::setCurrent(std::make_shared<HeadlessDialogs>(true));
    }

    frmKWPNDStationaryA* window() const { return component_.StationaryWindow(); }
    QWebEngineView* view() const { return window()->findChild<QWebEngineView*>("WebBrowser1"); }
    QString workPage(const QString& name) const { return component_.WinPndTempFolder() + "/" + name; }

    // Opens the window on `name` of the working copy and waits for the page.
    void open(const QString& name)
    {
        component_.ShowStationaryContainer(workPage(name));
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(window()->waitForPage());
    }

    void click(const char* button)
    {
        window()->findChild<QPushButton*>(button)->click();
        QApplication::processEvents();
    }

    QVariant js(const QString& script)
    {
        QVariant result;
        bool done = false;
        view()->page()->runJavaScript(script, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        waitFor([&] { return done; });
        return result;
    }

    QString pageText() { return js("document.body.innerText").toString().trimmed(); }

    // Where a point of the page is in the window, for input sent to the window.
    QPoint inWindow(QPoint inPage) const { return view()->mapTo(window(), inPage); }

    // What each message box showed: its text, and the detail (what failed) when it has one.
    QStringList texts() const
    {
        QStringList t;
        for (const HeadlessDialogs::Shown& s : dialogs_->shown())
            t << (s.detail.isEmpty() ? s.text : s.text + QStringLiteral(": ") + s.detail);
        return t;
    }

    std::shared_ptr<HeadlessDialogs> dialogs_ = std::make_shared<HeadlessDialogs>(true);
    clsKWPNDStationaryA component_;
};

TEST_F(StationeryWindowTest, ShowsThePageWithItsStylesUnderTheSettingsTitle)
{
    open("1.htm");
    EXPECT_EQ(window()->windowTitle(), "Northwind Letters");
    EXPECT_EQ(window()->gsActivePage(), workPage("1.htm"));
    ASSERT_EQ(dialogs_->shown().size(), 2u);
    EXPECT_EQ(dialogs_->shown()[0].text, workPage("1.htm"));
    EXPECT_EQ(dialogs_->shown()[0].caption, "complete");
    EXPECT_EQ(dialogs_->shown()[1].text.toUtf8(), page("First page"));
    EXPECT_EQ(pageText(), "First page");
    EXPECT_TRUE(view()->page()->profile()->isOffTheRecord());
    // The style sheet beside the page is found: its background colour is painted.
    const QImage shot = view()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 20, shot.height() - 20)), QColor("#2a6db0"));

    for (const char* name : {"Command2", "Command1", "Command3", "Command5", "Command4"})
        EXPECT_NE(window()->findChild<QPushButton*>(name), nullptr) << name;
    EXPECT_EQ(window()->findChild<QPushButton*>("Command4")->text(), "&Cancel");
}

TEST_F(StationeryWindowTest, PagesByLeadingDigitsAndStaysWhenThereIsNoSuchPage)
{
    open("1.htm");
    dialogs_->clearShown();
    click("Command1");  // ">"
    ASSERT_TRUE(window()->waitForPage());
    EXPECT_EQ(texts().value(0), "1");
    EXPECT_EQ(window()->gsActivePage(), workPage("2.htm"));
    EXPECT_EQ(pageText(), "Second page");

    dialogs_->clearShown();
    click("Command1");  // no 3.htm
    EXPECT_EQ(texts().value(0), "2");
    ASSERT_EQ(dialogs_->shown().size(), 2u);
    EXPECT_EQ(dialogs_->shown()[1].caption, "53");
    EXPECT_TRUE(texts()[1].contains(workPage("3.htm"))) << texts()[1].toStdString();
    EXPECT_EQ(window()->gsActivePage(), workPage("2.htm"));
    EXPECT_EQ(pageText(), "Second page");

    click("Command2");  // "<"
    ASSERT_TRUE(window()->waitForPage());
    EXPECT_EQ(pageText(), "First page");
    click("Command2");  // 0.htm
    EXPECT_EQ(window()->gsActivePage(), workPage("1.htm"));
}

TEST_F(StationeryWindowTest, APageNamedWithoutDigitsIsPageZero)
{
    writeAt(workPage("abc.htm"), page("Cover"));
    writeAt(workPage("99999999999.htm"), page("Far"));
    open("abc.htm");
    dialogs_->clearShown();
    click("Command1");
    ASSERT_TRUE(window()->waitForPage());
    EXPECT_EQ(texts().value(0), "0");
    EXPECT_EQ(window()->gsActivePage(), workPage("1.htm"));

    window()->ShowCompiledPage(workPage("99999999999.htm"));
    ASSERT_TRUE(window()->waitForPage());
    dialogs_->clearShown();
    click("Command1");
    ASSERT_EQ(dialogs_->shown().size(), 1u);
    EXPECT_EQ(dialogs_->shown()[0].caption, "6");
    EXPECT_TRUE(texts()[0].contains("99999999999"));
    EXPECT_EQ(window()->gsActivePage(), workPage("99999999999.htm"));
}

TEST_F(StationeryWindowTest, PagesThatCannotBeShownFailTheCallAndLeaveNoWindow)
{
    writeAt(workPage("3.htm"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeAt(workPage("4.htm"), QByteArray(33 * 1024 * 1024, 'x'));
    struct Case {
        const char* name;
        int error;
    };
    for (const Case c : {Case{"9.htm", 53}, Case{"3.htm", 75}, Case{"4.htm", 75}, Case{"pictures", 75}}) {
        EXPECT_EQ(errorOf([&] { component_.ShowStationaryContainer(workPage(c.name)); }), c.error) << c.name;
        EXPECT_EQ(window(), nullptr) << c.name;
    }
}

TEST_F(StationeryWindowTest, EachDoubleClickRaisesOneTestEventAndSelectsNothing)
{
    open("1.htm");
    QSignalSpy events(&component_, &clsKWPNDStationaryA::TestEvent);
    const QPoint onText = inWindow(QPoint(30, 12));
    QTest::mouseDClick(window()->windowHandle(), Qt::LeftButton, {}, onText);
    ASSERT_TRUE(waitFor([&] { return events.size() >= 1; }));
    QTest::qWait(300);
    EXPECT_EQ(events.size(), 1);
    EXPECT_EQ(js("window.getSelection().toString()").toString(), QString());

    QTest::qWait(600);  // apart from the first: a double-click of its own
    QTest::mouseDClick(window()->windowHandle(), Qt::LeftButton, {}, onText);
    ASSERT_TRUE(waitFor([&] { return events.size() >= 2; }));
    QTest::qWait(300);
    EXPECT_EQ(events.size(), 2);

    // The page's own scripts cannot raise it.
    js("document.body.dispatchEvent(new MouseEvent('dblclick', {bubbles: true})); "
       "typeof qt === 'undefined'");
    QTest::qWait(300);
    EXPECT_EQ(events.size(), 2);
}

TEST_F(StationeryWindowTest, ARightClickShowsTheWindowsOwnMenu)
{
    open("1.htm");
    auto* menu = window()->findChild<QMenu*>("mnuBrowser");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Browser Menu");
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "&Navigate");

    QTest::mouseClick(window()->windowHandle(), Qt::RightButton, {}, inWindow(QPoint(200, 100)));
    ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }));
    int menus = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        menus += w->isVisible() && qobject_cast<QMenu*>(w) ? 1 : 0;
    EXPECT_EQ(menus, 1);

    menu->actions()[0]->trigger();
    EXPECT_EQ(texts().last(), "hhok naviage");
    menu->hide();
}

TEST_F(StationeryWindowTest, EditMakesTypingChangeThePage)
{
    open("1.htm");
    const QPoint onText = inWindow(QPoint(60, 12));
    QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, {}, onText);
    QTest::keyClicks(view()->focusProxy(), "XYZ");
    QTest::qWait(300);
    EXPECT_EQ(pageText(), "First page");

    click("Command5");  // "EDIT"
    QTest::qWait(800);  // not the second click of a double-click
    QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, {}, onText + QPoint(20, 0));
    QTest::keyClicks(view()->focusProxy(), "XYZ");
    EXPECT_TRUE(waitFor([&] { return pageText().contains("XYZ"); })) << pageText().toStdString();
}

TEST_F(StationeryWindowTest, PreviewPrintsThePage)
{
    open("1.htm");
    click("Command3");  // the headless service records the preview window and answers it
    ASSERT_FALSE(dialogs_->shown().empty());
    EXPECT_TRUE(dialogs_->shown().back().text.isEmpty());

    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("page.pdf"));
    EXPECT_TRUE(stationery::printPage(*view(), printer));
    const QByteArray pdf = readAt(out.filePath("page.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).toStdString();
    EXPECT_GT(pdf.size(), 1000);
}

// A page reaches its own folder only; anything else is blocked and said once.
TEST_F(StationeryWindowTest, LoadsFromOutsideTheFolderAreBlockedAndReportedOnce)
{
    QTemporaryDir outside;
    writeAt(outside.path() + "/secret.css", "body { background: #ff0000; }");
    writeAt(workPage("5.htm"), "<html><head><link rel=\"stylesheet\" href=\"styles.css\">"
                               "<link rel=\"stylesheet\" href=\"file://" + outside.path().toUtf8() + "/secret.css\">"
                               "</head><body><img src=\"http://127.0.0.1:9/a.png\"><img src=\"https://127.0.0.1:9/b.png\">"
                               "</body></html>");
    open("5.htm");
    ASSERT_TRUE(waitFor([&] { return dialogs_->shown().size() >= 3; }));
    QTest::qWait(300);
    ASSERT_EQ(dialogs_->shown().size(), 3u);
    EXPECT_EQ(dialogs_->shown()[2].icon, MsgIcon::Exclamation);
    const QImage shot = view()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 20, shot.height() - 20)), QColor("#2a6db0"));

    // Allowed by the host, remote content is asked for and nothing is said.
    window()->close();
    QApplication::processEvents();
    component_.AllowRemoteContent(true);
    writeAt(workPage("6.htm"), "<html><body><img src=\"http://127.0.0.1:9/a.png\"></body></html>");
    dialogs_->clearShown();
    open("6.htm");
    QTest::qWait(500);
    EXPECT_EQ(dialogs_->shown().size(), 2u);
}

TEST_F(StationeryWindowTest, AWindowWithoutAComponentMakesItsOwn)
{
    auto* window = new frmKWPNDStationaryA;
    window->ShowCompiledPage(workPage("1.htm"));
    ASSERT_TRUE(window->waitForPage());
    clsKWPNDStationaryA* own = window->moActiveclsKWPNDStationaryA();
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, &component_);
    EXPECT_EQ(own->WinPndTempFolder(), QString());
    delete window;
}

}  // namespace
}  // namespace kwpnd::test
