#include "sheet_host.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kwpnd::test {

QByteArray sheetSection(const QStringList& overrides, const QString& section)
{
    std::vector<std::pair<QString, QString>> keys = {
        {"Enabled", "1"},
        {"Type", "BarcodeSheet"},
        {"XLeft", "500"},
        {"YTop", "500"},
        {"Width", "2400"},
        {"Height", "1200"},
        {"XSpacing", "100"},
        {"YSpacing", "100"},
        {"XCount", "3"},
        {"YCount", "2"},
        {"FontName", "Arial"},
        {"FontSize", "8"},
        {"BarCodeSymbol", "ean13"},
        {"BarCodeHeight", "40"},
        {"BarCodeLabelAuto", "1"},
        {"BarCodeSequential", "0"},
        {"BarCodeHeader", "0"},
        {"BarCodeFooter", "0"},
        {"BarCodeFooterCombine", "0"},
        {"BarCodeBottom", "0"},
        {"BarCodeHeaderX", "0"},
        {"BarCodeHeaderY", "0"},
        {"BarCodeFooterX", "0"},
        {"BarCodeFooterY", "0"},
        {"BarCodeBackcolor", "255,255,255"},
        {"BarCodeLabelBackcolor", "255,255,255"},
        {"BarCodeLabelDiff", "0"},
        {"BarCodeLabelDiffX", "150"},
        {"BarCodeLabelDiffY", "30"},
        {"BarCodeLabelWidth", "2400"},
        {"BarCodeLabelHeight", "1200"},
        {"BarCodeLabelscale", "1"},
        {"BarCodeObjectWidth", "1800"},
        {"BarCodeObjectHeight", "1100"},
        {"BarCodeObjectX", "0"},
        {"BarCodeObjectY", "0"},
        {"BarCodeObjectscale", "1"},
    };
    for (const QString& o : overrides) {
        const bool remove = o.startsWith(u'-');
        const QString name = remove ? o.mid(1) : o.section(u'=', 0, 0);
        const QString value = o.section(u'=', 1);
        auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == name; });
        if (remove) {
            if (it != keys.end())
                keys.erase(it);
        } else if (it != keys.end()) {
            it->second = value;
        } else {
            keys.emplace_back(name, value);
        }
    }
    QByteArray text = "[" + section.toUtf8() + "]\n";
    for (const auto& [name, value] : keys)
        text += name.toUtf8() + "=" + value.toUtf8() + "\n";
    return text;
}

}  // namespace kwpnd::test
