#include "preview_settings_dialog.h"

namespace kwpnd {

PreviewSettingsDialog::PreviewSettingsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preview Settings"));
    setModal(true);
    resize(480, 360);
}

}  // namespace kwpnd
