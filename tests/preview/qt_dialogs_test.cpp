// The real dialogs: message boxes carry the detail in their details area, and
// they become the default service only where a display can show them.

#include "qt_dialogs.h"
#include "kwpnd/preview.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

namespace kwpnd::test {
namespace {

TEST(QtDialogs, MessageBoxCarriesTheDetailInItsDetailsArea)
{
    const auto box = makeMessageBox(QStringLiteral("Overflow\r\nTotal"), MsgButtons::YesNo, MsgIcon::Information,
                                    QStringLiteral("6"), QStringLiteral("70000 is outside the range"), nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Overflow\r\nTotal"));
    EXPECT_EQ(box->detailedText(), QStringLiteral("70000 is outside the range"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("6"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);

    const auto plain =
        makeMessageBox(QStringLiteral("print direct"), MsgButtons::OK, MsgIcon::None, QString(), QString(), nullptr);
    EXPECT_EQ(plain->detailedText(), QString());
    EXPECT_EQ(plain->windowTitle(), Dialogs::defaultCaption());
    EXPECT_EQ(plain->standardButtons(), QMessageBox::Ok);
}

TEST(QtDialogs, ShownBoxHasTheDetailAndAnswersWithTheButtonPressed)
{
    QString seenText, seenDetail;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            seenText = box->text();
            seenDetail = box->detailedText();
            box->button(QMessageBox::No)->click();
        }
    });
    QtDialogs dialogs;
    const MsgReply reply = dialogs.messageBox(QStringLiteral("Printer error"), MsgButtons::YesNo, MsgIcon::Information,
                                              QStringLiteral("482"), QStringLiteral("no printer is set up"));
    EXPECT_EQ(reply, MsgReply::No);
    EXPECT_EQ(seenText, QStringLiteral("Printer error"));
    EXPECT_EQ(seenDetail, QStringLiteral("no printer is set up"));
}

TEST(QtDialogs, DefaultServiceIsRealOnlyOnARealDisplay)
{
    const auto component = clsKWPNDPreviewA::create();  // installs the preview's default
    Dialogs::setCurrent(nullptr);
    Dialogs& dialogs = Dialogs::current();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        EXPECT_NE(dynamic_cast<HeadlessDialogs*>(&dialogs), nullptr) << platform.toStdString();
    else
        EXPECT_NE(dynamic_cast<QtDialogs*>(&dialogs), nullptr) << platform.toStdString();
    Dialogs::setCurrent(std::make_shared<HeadlessDialogs>(true));
}

}  // namespace
}  // namespace kwpnd::test
