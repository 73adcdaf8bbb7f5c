#include "barcode_label_editor.h"

#include "engine_api.h"
#include "kwpnd/dialogs.h"

namespace kwpnd {

namespace {
struct Step {
    const char* key;
    const char* prompt;
};

// The questions, in the order they are asked.
constexpr Step kSteps[] = {
    {"BarcodeData", "Enter new bar code data"},
    {"BarcodeHeader", "Enter new bar code header"},
    {"BarcodeFooter", "Enter new bar code footer"},
};
}  // namespace

bool editBarcodeLabelTexts(GenerationDriver& driver, Dialogs& dialogs)
{
    const QString section = QLatin1String(kBarcodeSheetSection);
    for (const Step& step : kSteps) {
        const QString key = QLatin1String(step.key);
        const std::optional<QString> answer = dialogs.inputBox(QLatin1String(step.prompt), QStringLiteral("New Data"),
                                                               driver.ReadDataValue(section, key));
        if (!answer || answer->isEmpty())
            return false;
        driver.WriteDataValue(section, key, *answer);
    }
    return true;
}

}  // namespace kwpnd
