#include "qt_dialogs.h"

#include "engine_api.h"
#include "surface_api.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <mutex>

namespace kwpnd {

namespace {
struct ButtonRow {
    MsgButtons buttons;
    QMessageBox::StandardButtons standard;
};
constexpr ButtonRow kButtons[] = {
    {MsgButtons::OK, QMessageBox::Ok},
    {MsgButtons::OKCancel, QMessageBox::Ok | QMessageBox::Cancel},
    {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No},
    {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    {MsgButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel},
};

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgReply reply(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Cancel:
        return MsgReply::Cancel;
    case QMessageBox::Yes:
        return MsgReply::Yes;
    case QMessageBox::No:
        return MsgReply::No;
    case QMessageBox::Retry:
        return MsgReply::Retry;
    default:
        return MsgReply::OK;
    }
}

// "JPG (*.JPG) | *.JPG| All Files (*.*)|*.* " -> "JPG (*.JPG) (*.JPG);;All Files (*.*) (*.*)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i].trimmed() + QLatin1String(" (") + parts[i + 1].trimmed() + QLatin1Char(')');
    return entries.join(QLatin1String(";;"));
}

bool onRealDisplay()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                            const QString& caption, const QString& detail, QWidget* parent)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    for (const ButtonRow& row : kButtons)
        if (row.buttons == buttons)
            standard = row.standard;
    auto box = std::make_unique<QMessageBox>(qtIcon(icon), caption.isEmpty() ? Dialogs::defaultCaption() : caption,
                                             text, standard, parent);
    if (!detail.isEmpty())
        box->setDetailedText(detail);
    return box;
}

void installWidgetDialogs()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        setDefaultDialogsFactory([]() -> std::shared_ptr<Dialogs> {
            if (onRealDisplay())
                return std::make_shared<QtDialogs>();
            return nullptr;
        });
    });
}

bool execModal(QDialog& dialog)
{
    return Dialogs::current().runModal(dialog, [&dialog] { return dialog.exec() == QDialog::Accepted; });
}

MsgReply QtDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                               const QString& detail)
{
    const auto box = makeMessageBox(text, buttons, icon, caption, detail, QApplication::activeWindow());
    return reply(box->exec());
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? defaultCaption() : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::saveFileName(const QString& title, const QString& filter)
{
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), qtFilter(filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<std::int32_t> QtDialogs::chooseColour(const QString& title, std::int32_t initial)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial & 0xFFFFFF), QApplication::activeWindow(), title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}

std::optional<QFont> QtDialogs::chooseFont(const QString& title, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), title);
    if (!ok)
        return std::nullopt;
    return font;
}

}  // namespace kwpnd
