#include "design_numbers.h"

#include "engine_api.h"
#include "preview_api.h"

#include <QLabel>

namespace kwpnd {

double roundedToTenth(double value) { return roundHalfEven(value, 1); }

QString tenthsText(double value) { return numberText(roundedToTenth(value)); }

void showPointerReadout(PreviewForm& form, double x, double y)
{
    form.lblXLeft->setText(QStringLiteral("X:") + tenthsText(x));
    form.lblXLeft->setToolTip(QStringLiteral("Left"));
    form.lblYTop->setText(QStringLiteral("Y:") + tenthsText(y));
    form.lblYTop->setToolTip(QStringLiteral("Top"));
}

}  // namespace kwpnd
