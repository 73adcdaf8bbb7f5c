#include "key_name_box.h"

#include "preview_api.h"

#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kwpnd {

std::optional<QString> askKeyName(QWidget* parent, const QString& prompt, const QStringList& completions)
{
    if (!dynamic_cast<QtDialogs*>(&Dialogs::current()))
        return Dialogs::current().inputBox(prompt, QString(), QString());

    QDialog box(parent);
    box.setWindowTitle(Dialogs::defaultCaption());
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(prompt, &box));
    auto* line = new QLineEdit(&box);
    auto* completer = new QCompleter(completions, line);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    line->setCompleter(completer);
    layout->addWidget(line);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return line->text();
}

}  // namespace kwpnd
